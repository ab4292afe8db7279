// The rules of bank transfer orders that need no table and no screen: the
// defaults of a new transfer by type, the options window's range checks,
// the party kinds, the account number (NRB) check and the text limits.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "host/api/context.h"

namespace skolvarin::transfers {

// Transfer types (TYP).
inline constexpr int kOrdinary = 1, kZus = 2, kTax = 3;
const std::array<const char*, 3>& type_names();  // "ZWYKŁY", "ZUS", "PODATEK"
std::string type_name(int type);

// Party kinds (SOZ, SOO): 1 "KONTRAHENT" ... 7 "INNY".
inline constexpr int kContractor = 1, kTaxOffice = 2, kZusOffice = 3, kEmployee = 4, kFirm = 5, kPartner = 6,
                     kOther = 7;
const std::array<const char*, 7>& party_kind_names();
std::string party_kind_name(int kind);

// What a new transfer of a type starts with besides its parties.
struct TransferDefaults {
  int type = kOrdinary;
  char marked = 'T';           // DRU
  char form = 'P';             // ROW: 'P' przelew, 'W' wpłata
  int beneficiary_kind = 0;    // SOO (0: chosen by the user)
  std::string beneficiary_name;  // NO1
  std::string payment_type;    // TWP
  std::string period;          // DEK
  std::string symbol;          // SYP
};
// The defaults on `today`: ZUS: beneficiary ZUS, payment type "S", symbol
// "ZUSSP", period year + month + "01" ("20170501"); tax: beneficiary a tax
// office, period the monthly tax period "17M05"; `form` is the type's
// default form of payment from the options.
TransferDefaults new_transfer_defaults(int type, const HostDate& today, char form);

// The ZUS period of a declaration: year, month, declaration number ("20170501").
std::string zus_period(int year, int month, int number = 1);
// The monthly tax period ("17M05").
std::string tax_period(int year, int month);

// Options window checks: parts of a form 2 or 4; characters per line 24..27
// with separate boxes, 48..54 without.  Message 202 "Wartość poza zakresem !"
// refuses a value outside.
inline constexpr int kOutOfRange = 202;
bool parts_allowed(int parts);
bool line_length_allowed(int length, bool boxes);
// The characters per line kept when the box switch changes: a value outside
// the new range becomes 27 (boxes) or 54 (no boxes).
int line_length_after_box_switch(int length, bool boxes);

// NRB: 26 digits (blanks and dashes ignored; an optional "PL" prefix)
// whose IBAN check (ISO 13616, mod 97 with "PL") holds.
std::string nrb_digits(const std::string& text);  // the digits, "" when not 26
bool nrb_valid(const std::string& text);
// The bank's sort number: digits 3..10 of the NRB.
std::string nrb_sort_code(const std::string& nrb);

// Amount in grosze (rounded half away from zero).
long long grosze(double amount);

// A transfer as the bank's preprinted form takes it: only the values, at
// the rows of the form's fields, each field's text cut into lines of the
// form's characters per line (24..27 with separate boxes: one character a
// box, a blank between boxes; 48..54 without).  Rows: beneficiary (two),
// beneficiary account, "PLN" and the amount, ordering account, the amount
// in words, ordering party (two), then the title (two) or, for ZUS and tax
// transfers, their identification rows (three).
struct PreprintedTransfer {
  int type = 1;
  std::string beneficiary, beneficiary_account, amount, payer_account, words, payer, title;
  std::string nip, id_type, id_number, payment_type, period, symbol, obligation;
};
std::vector<std::string> preprinted_rows(const PreprintedTransfer& t, int line_chars, bool boxes);

}  // namespace skolvarin::transfers
