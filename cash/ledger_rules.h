// The rules of a book entry that need no table and no screen: the next
// ordinal, the days a month offers, the texts of the source and status
// codes, the "all amounts zero" question and which postings are followed
// by the cash step.  The posting service, the book browse and the batch
// command take their answers from here.
#pragma once

#include <array>
#include <string>

namespace skolvarin::cash {

// The six amount columns of an entry, in the book's column order:
// sales revenue, other revenue, goods and materials, incidental purchase
// costs, wages, other expenses (PSP, POP, ZAK, UBO, WYN, INN).
inline constexpr int kAmountColumns = 6;
using BookAmounts = std::array<double, kAmountColumns>;
inline constexpr std::array<const char*, kAmountColumns> kAmountFields = {"PSP", "POP", "ZAK",
                                                                           "UBO", "WYN", "INN"};

// Source codes of an entry (ZRK) and their names as the form shows them.
inline constexpr int kSourceSales = 1, kSourcePurchases = 2, kSourceDocuments = 3, kSourceDepreciation = 4,
                     kSourcePayrollGross = 5, kSourcePayrollZus = 6, kSourceContractsGross = 7,
                     kSourceContractsZus = 8;
// "1. VAT-SPRZEDAŻ " ... "8. UMOWY-ZUS    "; "" for a code outside 1..8.
std::string source_name(int code);
// The list of all eight names (for choosers and filters).
const std::array<const char*, 8>& source_names();

// Status (ANU): ' ' "NORMALNA", 'K' "KOREKTA KOSZTÓW", 'A' "ANULOWANA".
std::string status_name(char status);

// The ordinal a new entry gets when the last entry in month-and-ordinal
// order holds `last_ordinal` (0 for an empty book).
long next_ordinal(long last_ordinal);

// Days of `month` (1..12) as the form offers them when the working year is
// `working_year`: February has 29 days in a leap working year, else 28.
// 0 for a month outside 1..12.
int month_length(int month, int working_year);
// The day check of the form: 1..month_length.
bool day_allowed(int day, int month, int working_year);

// True when every amount is 0 to the grosz (the posting then asks first).
bool all_amounts_zero(const BookAmounts& amounts);

// After a new entry of this source the payment may be recorded in the
// cash book (documents, payroll and contract postings).
bool offers_cash_step(int source);

// The cash entry the cash step writes for a book entry: a receipt (type
// '1') for the revenue part when the revenues exceed the expenses, else a
// payment (type '2') of the expenses; its amount is signed as the cash
// book wants it (receipts positive, payments negative).  amount 0 means
// there is nothing to pay.
struct CashStepEntry {
  char type = '2';
  double amount = 0.0;
};
CashStepEntry cash_step_entry(const BookAmounts& amounts);

// A part of the whole paid now: `typed` as the user types it (positive),
// taken when above 0 and not above the whole; the cash entry's amount then
// carries the whole's sign.  False for any other amount.
bool part_payment(const CashStepEntry& whole, double typed, double* amount);

// "YYYYMMDD" of year, month and day (no check).
std::string book_date(int year, int month, int day);

}  // namespace skolvarin::cash
