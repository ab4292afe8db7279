// The law switches of one employee and what they mean in a given month.
//
// A person's PPK membership and rates, the tax exemption he claims, the
// number of payers his PIT-2 goes to and the youth relief he may have
// waived are kept in the side table W3PRAX (one row per person, keyed by
// the person's REK); the PIT-2 itself (ULG), the raised costs (CKU), the
// PESEL, the birth date and the sex are the person's own fields.
//
// employee_law() turns both into exactly the inputs the pay chain takes
// for one month: a switch the law of that month does not know yet (PPK
// before July 2019, the youth relief before August 2019, the other
// exemptions before 2022) is off, and the youth relief follows the
// person's age on the pay date.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/api/calendar.h"
#include "payroll/pay_chain.h"

namespace skolvarin::payroll {

// One row of W3PRAX as plain values.
struct LawSwitches {
  bool ppk = false;               // PPK: takes part
  Date ppk_from, ppk_to;          // membership from / resigned from (blank: open)
  bool ppk_low = false;           // declared the 0.5 % basic rate (low pay)
  double ppk_employee_extra = 0;  // voluntary extra %, employee (0..2)
  double ppk_employer_extra = 0;  // voluntary extra %, employer (0..2.5)
  bool youth_waived = false;      // asked the payer not to apply the under-26 relief
  char exemption = ' ';           // ' ' none, 'P' return, 'R' four or more children, 'S' working senior
  int pit2_payers = 1;            // PIT-2 given to 1, 2 or 3 payers
};

// What the person's own record (W3PRAC) gives.
struct PersonForLaw {
  std::string pesel;   // PES
  Date birth;          // DAU (blank when not typed)
  char sex = ' ';      // PLE: 'K' or 'M'
  char pit2 = 'T';     // ULG: the monthly reducing amount (PIT-2 filed)
  char raised_costs = 'N';  // CKU
};

// The chain's inputs for one month.
struct EmployeeLaw {
  bool ppk = false;
  bool ppk_low = false;
  double ppk_employee_extra = 0, ppk_employer_extra = 0;
  char exemption = ' ';      // as EmployeeForPay::exemption: 'M', 'P', 'R', 'S' or ' '
  bool pit2 = true;          // EmployeeForNewRecord::ULG
  int pit2_payers = 1;       // 0 without PIT-2
  bool raised_costs = false; // EmployeeForPay::CKU
  int age = -1;              // full years on the date; -1 when the birth date is unknown

  // Copies the switches into the chain's records of the person.
  void apply(EmployeeForPay& pay) const;
  void apply(EmployeeForNewRecord& record) const;
};

// The birth date a PESEL carries: YYMMDD with the century in the month
// (+80 the 1800s, +0 the 1900s, +20 the 2000s, +40 the 2100s, +60 the
// 2200s); nullopt when the number is not eleven digits or the date is not
// a real day.  The check digit is the PESEL check's business.
std::optional<Date> birth_date_from_pesel(std::string_view pesel);

// The birth date of the person: the typed one, else the PESEL's.
std::optional<Date> birth_date_of(const PersonForLaw& person);

// Full years of life on `on`.  A person born on 29 February comes of age
// on 28 February of a common year (the civil-law rule for ages).
int age_on(const Date& birth, const Date& on);

// The day the person turns `years` old.
Date birthday(const Date& birth, int years);

// The chain's inputs for a pay made on `on` (the list's pay date).  The
// youth relief applies up to and including the 26th birthday.
EmployeeLaw employee_law(const LawSwitches& switches, const PersonForLaw& person, const Date& on);

// The combinations the switch window refuses, checked on `today`: an empty
// text when the switches may be saved, else the Polish reason.
std::string law_switches_problem(const LawSwitches& switches, const PersonForLaw& person, const Date& today);

}  // namespace skolvarin::payroll
