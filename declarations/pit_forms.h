// The payer's PIT forms as values: what " Oblicz " puts into the records of
// PIT-11 (W3PI11, one per person), PIT-40 (W3PI40, one per employee),
// PIT-4R (W3PZAL, one per month) and PIT-8AR (W3P8AR, one per month), and the
// numbered positions the e-declaration and the `pit pokaz` command show.
//
// Nothing here reads a table: the caller hands in the year's pay records and
// contract bills as plain values and gets back records keyed by field name,
// so the batch command, the registers and the tests share one computation.
//
// Rows of the forms (our reading of the published forms for the variants
// written; see the README's PIT section):
//  - PIT-11 row 1 (R01*) employment income; row 7 (R07*) activity performed
//    personally, where contracts of mandate and for a specific work taxed on
//    income belong; row 10 (R10*) author's rights (contract source 6).
//    P income, K costs, D income after costs (never below 0), Z advance in
//    whole złoty.  RSPO the employee's social contributions, RZDR the health
//    contribution deducted from the advances.  Flat-rate contracts are not
//    on PIT-11 (they go to PIT-8AR).
//  - PIT-40: row 1 (R37..R40, Z1S/Z1Z) employment, totals R64..R67 and
//    ZRS/ZRZ, then the yearly tax: R68 social contributions, R69 income after
//    them, R71 tax base in whole złoty, R72 tax by the year's scale less the
//    yearly reducing amount, R73 health deducted (not above R72), R74 tax
//    after it, R80 tax due in whole złoty, R81 advances, R82 overpaid, R83
//    to pay.
//  - PIT-4R month: P01 employees paid, Z01 their advances, P0R contractors,
//    Z0R advances of contracts taxed on income, ZAP tax of the month, WYN the
//    payer's fee (typed by the user, kept), KZA to pay = ZAP - WYN.
//  - PIT-8AR month: C05 flat-rate tax of contracts, C15 total of C01..C14,
//    C16 the payer's fee (typed, kept); the 17th row is C15 - C16.
//
// Invariants: every advance, tax and count is a whole number; D = max0(P-K)
// in each row; KZA = ZAP - WYN; R82 * R83 = 0.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "payroll/tax_scale.h"

namespace skolvarin::declarations {

enum class PitForm { Pit11, Pit40, Pit4R, Pit8AR };

// "PIT-11", "PIT-40", "PIT-4R", "PIT-8AR" (case ignored) → the form.
std::optional<PitForm> pit_form_from_name(std::string_view name);
const char* pit_form_name(PitForm form);
// The table of the form ("W3PI11  .DBF", ...).
const char* pit_form_table(PitForm form);

// Message ids of the module's table used by the forms.
inline constexpr int kMsgFormsFrom2013 = 186;   // "Ta wersja programu obsługuje deklaracje od roku 2013."
inline constexpr int kMsgPayerPenalty = 221;    // the payer's warning (Pouczenie)
inline constexpr int kMsgRoundingNote = 213;    // PIT-4R explanation of rounding
inline constexpr int kHostMsgFileWritten = 20179;  // "Zapisano deklarację %s w pliku %s"
inline constexpr int kHostMsgFormCode = 20146;     // KodFormularza attributes
inline constexpr const char* kNotComputed11 = "PIT-11 niewypełniony!";
inline constexpr const char* kNotComputed40 = "PIT-40 niewypełniony!";
inline constexpr const char* kRunCompute = "Uruchom OBLICZ.";

// "PIT-11 niewypełniony! Uruchom OBLICZ." and the like: a form with no
// computed record.
std::string not_computed_message(PitForm form);

// PIT-4R and PIT-8AR exist from 2013 on: message 186 before that, else 0.
int pit_year_refusal(PitForm form, int year);

// One pay record (W3PENS) as the forms need it.
struct PayValues {
  long person = 0;            // KOD
  int month = 0;              // month the pay was paid in (DWY, else MIE)
  double gross = 0;           // BRP
  double costs = 0;           // KUZ
  double social = 0;          // KEU + KRU + KCU
  double health_deducted = 0; // OBP
  double advance_due = 0;     // NPO
};

// One contract bill (W3UMOW).
struct ContractValues {
  long person = 0;            // KOD
  int month = 0;              // month of DAR
  int kind = 1;               // TYP 1..4 (3, 4 flat-rate)
  int source = 5;             // TYT 1..8
  double gross = 0;           // BRU
  double costs = 0;           // UZW
  double social = 0;          // KEU + KRU + KCU
  double health = 0;          // KZU
  double health_base = 0;     // PSZ
  double advance_due = 0;     // NPO
  bool flat_rate() const { return kind == 3 || kind == 4; }
};

// A record of a PIT table by field name (numbers and texts apart).
struct PitRecord {
  std::map<std::string, double> numbers;
  std::map<std::string, std::string> texts;
  double number(const std::string& field) const;
  std::string text(const std::string& field) const;
};

// PIT-11 of one person for `year` from his pay records and contract bills
// (other persons' rows are ignored).  `health_deductible` is the percentage
// of the health base a contract's advance was reduced by (7.75 to 2021, 0
// later).  Fields filled: KOPR, DAOD, DADO (as texts YYYYMMDD), ROSZ, the row
// groups, RSPO, RZDR.  Empty when the person had no income of the form.
std::optional<PitRecord> compute_pit11(long person, int year, std::span<const PayValues> pay,
                                       std::span<const ContractValues> contracts, double health_deductible);

// The yearly reducing amount of the tax scale for a tax base of `year`.
double yearly_reducing_amount(int year, double base);

// PIT-40 of one employee (pay records only).  Fields: KOP and the amounts of
// the header comment; R35 "1".  Empty without pay records.
std::optional<PitRecord> compute_pit40(long person, int year, std::span<const PayValues> pay,
                                       std::span<const payroll::TaxScaleRow> scale);

// Months 1..12 of PIT-4R.  `typed` are the month records as they stand
// (by month): every amount the computation does not fill (the fee WYN and
// the other rows) is taken from them.
std::vector<PitRecord> compute_pit4r(std::span<const PayValues> pay, std::span<const ContractValues> contracts,
                                     const std::map<int, PitRecord>& typed = {});

// Months 1..12 of PIT-8AR (flat-rate contracts only): C05 computed, C15 the
// total of C01..C14; the other columns and the fee C16 from `typed`.
std::vector<PitRecord> compute_pit8ar(std::span<const ContractValues> contracts,
                                      const std::map<int, PitRecord>& typed = {});

// One numbered position of a form: element "P_<number>" with its text.
struct PitPosition {
  int number = 0;
  std::string value;
};

// The positions of a computed form in the order they are written.  Amounts
// with two decimals ("1234.50"), advances and monthly amounts in whole
// złoty; a zero amount of PIT-11 and PIT-40 is left out.  For PIT-4R and
// PIT-8AR `months` are the twelve month records (month 1 carries the
// correction data and P_169's explanation).
std::vector<PitPosition> pit11_positions(const PitRecord& r);
std::vector<PitPosition> pit40_positions(const PitRecord& r);
std::vector<PitPosition> pit4r_positions(std::span<const PitRecord> months);
// `year` decides the variant: before 2015 the rows starting at 69, 81, 165
// and 189 carry the stored value × 0.01 (two decimals).
std::vector<PitPosition> pit8ar_positions(std::span<const PitRecord> months, int year);

// The reasons of a correction: lines KW1..KW5 joined with blanks and trimmed.
std::string correction_reasons(const PitRecord& r);

}  // namespace skolvarin::declarations
