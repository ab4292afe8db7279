// The cash book's rules that need no table and no screen: the entry types
// and their texts, the key under which entries are numbered, the sign an
// amount must have, and the summary of receipts and payments per account.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace skolvarin::cash {

// Entry types (TYP).
inline constexpr char kReceipt = '1', kPayment = '2', kStatement = '3', kAdvances = '4';

// Account types (TYK): 1 "PODSTAWOWE", 2..5 "POMOCNICZE 1".."POMOCNICZE 4", 6 "INNE".
const std::array<const char*, 6>& account_type_names();  // "1. PODSTAWOWE  " ...
std::string account_type_name(int account_type);       // "PODSTAWOWE", "" outside 1..6

// Source kinds of a cash entry (TYZ): " 1.Ewidencja sprzedaży " ... and the
// empty sixth entry " 6.                    ".  The list answers 32767 for
// the empty entry; TYZ (N 2) keeps it as 0.
inline constexpr int kSourceKindNone = 0;
inline constexpr int kSourceKindBook = 3;
const std::array<const char*, 6>& source_kind_names();

// "wpłata gotówki", "wypłata gotówki", "konto PODSTAWOWE", "suma zaliczek".
std::string entry_type_text(char type, int account_type);
// "KP", "KW", "Wyciąg", "Suma zaliczek".
std::string entry_type_short(char type);

// The numbering key prefix: cash desk (4 characters, padded), type,
// account type digit and the four-digit year, as the numbering tag
// "PRE+TYP+STR(TYK,1,0)+STR(YEAR(DAT),4,0)+STR(NUM,5,0)" begins.
std::string number_key_prefix(const std::string& desk, char type, int account_type, int year);
// The whole numbering key of an entry (prefix and STR(NUM,5,0)).
std::string number_key(const std::string& desk, char type, int account_type, int year, long number);
// 1 + the highest number stored under the same key prefix (0 when none).
long next_number(long highest);

// The amount check on leaving the amount field: 0 when the amount fits the
// type, else the host message that refuses it: 20081 a receipt not above
// zero, 20080 a payment not below zero, 20082 a statement item of zero.
int amount_refusal(char type, double amount);

// The summary (" Suma "): receipts and payments of cash and of the basic
// and the first two auxiliary accounts.  Rows: 0 cash ("gotówka"), 1 basic
// account, 2 auxiliary 1, 3 auxiliary 2.
struct SummaryRow {
  double receipts = 0.0, payments = 0.0;
  double balance() const;
};
struct CashSummary {
  std::array<SummaryRow, 4> rows{};
  SummaryRow total() const;  // "RAZEM": the four rows summed
};
struct SummaryItem {
  char type = ' ';
  int account_type = 0;
  double amount = 0.0;
};
// Adds one entry to the summary: receipts add their amount, payments their
// amount's opposite (so they sum up positive); statement items of account
// types 1..3 add a non-negative amount to that account's receipts and the
// absolute value of a negative one to its payments; account types 4..6 and
// sums of advances are left out.
void add_to_summary(CashSummary& summary, const SummaryItem& item);

}  // namespace skolvarin::cash
