// The dictionaries' field rules as plain values: start values of new
// records, the repairs made before a contractor is edited, the flag
// toggles of the contractor list, the contractor tax-number rule, the
// letters-only and currency checks, and the texts of the choice lists.
//
// Nothing here touches a table or the screen; the registers call these with
// the field values they hold and write the results back.  Invariants: every
// toggle is its own inverse on the values it produces ('*'/' ', 'A'/'N',
// 'T'/'N'); a repaired contractor always has TYC in A..C, TKO >= 1 and CZV
// in T/N.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace skolvarin::dictionaries {

// ---------------------------------------------------------------- lists
// Contractor type (TYP 1..5, index 0 blank) and expense type (TKO 1..6).
inline constexpr std::array<const char*, 6> kContractorTypes = {
    "           ", "1. DOSTAWCA", "2. NABYWCA ", "3. DOST/NAB", "4. WEWN.   ", "5. ODBIORCA"};
inline constexpr std::array<const char*, 6> kExpenseTypes = {
    "1. ZAKUP HANDL.  ", "2. KOSZT ZAKUPU  ", "3. KOSZT REKLAMY ",
    "4. WYNAGRODZENIA ", "5. INNE          ", "6. ZAKUP PRODUK. "};
// Name of a contractor type for the list ("3. DOST/NAB"); blank outside 1..5.
const char* contractor_type_name(int typ);
// Expense type text (TKO 1..6); the first one outside the range.
const char* expense_type_name(int tko);

// ---------------------------------------------------------------- numbering
// Own number of a new account or tax office: the record count + 1.
inline long next_own_number(long record_count) { return record_count + 1; }

// ---------------------------------------------------------------- contractors
struct ContractorFlags {
  int typ = 3;      // TYP
  char sta = 'A';   // STA
  char czv = 'T';   // CZV
  int tko = 1;      // TKO
  char tyc = 'A';   // TYC
};
// Start values of a new contractor.
inline ContractorFlags new_contractor_flags() { return {}; }

// Repairs before a record is edited: a blank TYC becomes 'A', a TKO below 1
// becomes 1, an empty CZV 'T', and CZV 'N' when the NIP fails the NIP check
// (with the switch of main-options key 31).
ContractorFlags repair_before_edit(ContractorFlags f, std::string_view nip, bool nip_check_on);

// What typing a tax number does to the VAT-payer flag.
struct NipFieldVerdict {
  char czv = 0;     // new CZV ('T' or 'N'), or 0 to keep it
  int warning = 0;  // 20153 when the text is neither a NIP nor a PESEL
};
// Texts of 5 and more characters (trimmed) that begin with "PL" or a digit
// are tried as NIP, then as PESEL (no warnings); shorter texts give 'N';
// other texts keep the flag.
NipFieldVerdict nip_field_verdict(std::string_view text, bool nip_check_on, bool pesel_check_on);
// A tax number kept although it is wrong: a text the field tests (as
// above) that is neither a NIP nor a PESEL, whatever the check switches
// say.  The form and the list mark such a contractor.
inline bool nip_field_wrong(std::string_view text) { return nip_field_verdict(text, true, true).warning != 0; }
inline constexpr const char* kWrongNipMark = "Błędny NIP: ani NIP, ani PESEL - sprawdź numer";

// List toggles.
inline char toggle_mark(char mark) { return mark == '*' ? ' ' : '*'; }
inline char toggle_status(char sta) { return sta == 'N' ? 'A' : 'N'; }
// An empty VAT flag counts as 'T'.
inline char toggle_vat(char czv) { return (czv == 'N') ? 'T' : 'N'; }

// TYC answers: A, B or C in either case; 0 for any other key.
char tyc_from_key(int key);

// The VAT-payer filter: 'T' also matches a blank flag.
bool vat_filter_matches(char filter, char czv);

// ---------------------------------------------------------------- countries and rates
// Only the letters A to Z and blanks (a currency code); an empty text passes.
bool letters_only(std::string_view text);

// The currency of an exchange rate: empty is refused, "PLN" is accepted
// without a lookup, any other code must be a country's currency.
enum class CurrencyCheck { Empty, AcceptedAtOnce, NeedsLookup };
CurrencyCheck classify_currency(std::string_view code);

// Search texts: upper case, cut to `width` characters (UTF-8 aware).
std::string search_text(std::string_view typed, int width);

}  // namespace skolvarin::dictionaries
