// Rules of the employees register as plain values: the sex a first name
// gives, the family and nursing allowances, which pay fields apply, and the
// field checks that the edit form and the import of employees share.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "payroll/parameters.h"

namespace skolvarin::payroll {

// 'K' when the last letter of the first name is A (either case) or the
// name is empty, else 'M'.
char sex_from_first_name(std::string_view first_name);
// A stored sex: "M" or "m" stay 'M', anything else is 'K'.
char normalized_sex(std::string_view stored);

// Family allowance of `persons`: n x key 45 below 3; 2 x key 45 + key 69
// for 3; and key 70 for every person from the fourth on.
double family_allowance(int persons, const PayrollParameters& p);
// Nursing allowance: persons x key 46.
double nursing_allowance(int persons, const PayrollParameters& p);

// Which dependent pay fields may be entered.
struct PayFieldsEnabled {
  bool fp_exemption_date = true;   // DFP unless CFP is "N"
  bool fgsp_exemption_date = true; // DFG unless CFG is "N"
  bool hourly_rate = false;        // STG only when CZG is "T"
  bool base_pay = true;            // BRG unless CZG or CPM is "T"
};
PayFieldsEnabled pay_fields_enabled(char czg, char cfp, char cfg, char cpm);

// Start values of a new person (the form's new record and the import's rows
// alike): field name and value, numbers as numbers.
struct StartValue {
  const char* field;
  std::string text;  // C fields
  double number = 0; // N fields (when `text` is empty)
  bool numeric = false;
};
std::vector<StartValue> new_employee_start_values(const PayrollParameters& p);

// Fields that both the form and the import check.
enum class EmployeeField { Surname, FirstName, Pesel, Nip, InsuranceTitle, WorkTime, Pay };

struct FieldProblem {
  int message = 0;       // message id (module < 1000, host >= 20000), 0 with `text`
  std::string text;      // own text when there is no message id
  bool ok() const { return message == 0 && text.empty(); }
};

struct IdentifierSwitches {
  bool pesel_check = false;  // main-options key 32
  bool nip_check = false;    // main-options key 31
};

// Checks one field's value as typed (for WorkTime: "numerator/denominator",
// for Pay: the amount as text).
FieldProblem check_employee_field(EmployeeField field, std::string_view value, const IdentifierSwitches& sw);
// The mark a PESEL or NIP field shows when its number fails the check (kept
// because the check is switched off): "" for a good or blank number.
std::string identifier_mark(EmployeeField field, std::string_view value);

// A person to be added by the import (text as read, UTF-8).
struct EmployeeInput {
  std::string surname, first_name, pesel, nip, birth_date, town, street, postcode;
  std::string tax_office;   // 4-digit code of the tax-offices register
  std::string title_code;   // 6-digit insurance title code
  std::string hired;        // date hired
  std::string pay_kind;     // "M" monthly or "G" hourly
  std::string pay;          // monthly pay or hourly rate
  std::string work_time;    // "1/1"
  std::string second_name, phone, house, flat, nfz;  // optional
};

// What the import writes: the input checked and converted.
struct EmployeeRecordValues {
  std::string surname, first_name, second_name, pesel, nip, town, street, postcode, title_code, house, flat, phone;
  std::string birth_date, hired;  // YYYYMMDD or ""
  int tax_office = 0;
  bool hourly = false;
  double pay = 0;
  int wy1 = 1, wy2 = 1;
  char sex = 'K';
};

// Checks every field of one input row with the form's checks; the first
// problems found, each as a Polish text naming the field.  Empty: valid, and
// `out` holds the values to write.  `office_exists` answers whether a tax
// office code is in the register.
std::vector<std::string> check_employee_input(const EmployeeInput& in, const IdentifierSwitches& sw,
                                              bool (*office_exists)(int code), EmployeeRecordValues& out);

// A date as typed ("RRRR-MM-DD", "DD-MM-RRRR", "DD.MM.RRRR") to YYYYMMDD;
// nullopt when it is not a real date.
std::optional<std::string> parse_date(std::string_view text);

// Text of a problem (message text from the module's or host's table).
std::string problem_text(const FieldProblem& p);

}  // namespace skolvarin::payroll
