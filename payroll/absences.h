// Absences of an employee and what they take from the base pay.
//
// An absence lies within one month; its calendar days (ILD) and working
// days (ILR) follow from its dates.  When absences become pay components
// each absence code N... gives the deduction P... and, for a paid absence,
// the benefit S... with the same digits, where the catalogue has them.  The
// deduction lowers the monthly base pay and never exceeds it.
#pragma once

#include <set>
#include <string>
#include <string_view>

#include "host/api/calendar.h"
#include "payroll/parameters.h"

namespace skolvarin::payroll {

// What the pay of one employee is made of (W3PRAC).
struct PayBasis {
  char CZG = 'N';   // paid by the hour
  double STG = 0;   // hourly rate
  double BRG = 0;   // monthly base pay
  char CPM = 'N';   // paid the minimum pay
  int WY1 = 1, WY2 = 1;  // working-time fraction
};

// Monthly base of an employee: for an hourly employee the hourly rate x the
// month's calendar hours x WY1/WY2; else BRG, or the minimum pay x WY1/WY2
// when CPM is "T".  Not rounded.
double monthly_base(const PayBasis& e, const PayrollParameters& p, int calendar_hours);

// Calendar days and working days of an absence.
struct AbsenceDays {
  int message = 0;  // 66 end before start, 173 dates in two months
  int ILD = 0;      // calendar days
  int ILR = 0;      // Monday..Friday days that are not days off
  bool ok() const { return message == 0; }
};
AbsenceDays absence_days(const Date& from, const Date& to, const std::set<long>& days_off);

// Check of days typed by hand: 0, 122 negative, 123 more than the month,
// 124 more than the working days.
int check_typed_days(int days, int days_in_month, int working_days);

// Sickness-type absences counted towards the employer-paid days of a year.
bool is_sickness_absence(std::string_view n_code);
// Days of a new sickness absence beyond the employer-paid limit (key 37),
// given the sickness days of the year before it; 0 for N313 and N398 and
// for codes that are not sickness-type.
int days_beyond_employer_limit(std::string_view n_code, int days_before, int ILD, int limit);

// The deduction and benefit codes an absence code produces ("" when the
// catalogue has none): N331 -> P331, S331; N111 -> P111 only.
struct AbsenceCodes {
  std::string deduction;
  std::string benefit;
};
AbsenceCodes absence_components(std::string_view n_code);

enum class DeductionKind { None, Hours, Days };
DeductionKind deduction_kind(std::string_view p_code);

struct Deduction {
  int message = 0;     // 17 working-time fraction 0, 210 no calendar hours
  double amount = 0;   // R(., 2)
  bool ok() const { return message == 0; }
};

// Deduction from the base pay for one absence: `hours` for the hour-based
// codes, `days` (calendar days) for the day-based codes; `days_in_month` of
// the absence's month.
Deduction absence_deduction(std::string_view p_code, const PayBasis& e, const PayrollParameters& p,
                            int calendar_hours, double hours, int days, int days_in_month);

}  // namespace skolvarin::payroll
