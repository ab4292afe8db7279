// Benefits of absent employees: the daily rate, the amount of each benefit
// code, the unpaid first days, the late-certificate days, and the monthly
// benefit base averaged from the months before the absence.
//
// The daily rate is R(base x percent x 0.01 x 1/30, 2) with the percentage
// of the code's payroll parameter; the amount is days x daily rate, or the
// amount typed for benefits the module does not compute.  The benefit base
// is never below the minimum pay x WY1/WY2 less the employee's pension,
// disability and sickness rates.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "host/api/calendar.h"
#include "payroll/absences.h"
#include "payroll/parameters.h"

namespace skolvarin::payroll {

double daily_rate(double base, double percent);

enum class BenefitRule {
  Unknown,   // alarm 14
  Days,      // days x daily rate
  LateCut,   // as Days, late days at the reduced rate
  Typed,     // the amount typed (KWO)
};
struct BenefitKind {
  BenefitRule rule = BenefitRule::Unknown;
  double percent = 0;  // percentage of the base paid
};
BenefitKind benefit_kind(std::string_view s_code, const PayrollParameters& p);

struct Benefit {
  int message = 0;         // 14 for a code that is no benefit
  double daily = 0;        // daily rate
  double late_daily = 0;   // daily rate of late days (LateCut codes)
  double amount = 0;
  bool ok() const { return message == 0; }
};

// Amount of a benefit for `days` paid days of which `late_days` after a
// late certificate; `typed` is the amount typed for the Typed codes.
Benefit benefit_amount(std::string_view s_code, int days, int late_days, double base, double typed,
                       const PayrollParameters& p);

// Unpaid first days of a short illness: for S313, S331, S398 and S399,
// when the illness lasts not longer than key 91 days, the user is asked
// (message 137, question 60) and on agreement the first key 92 days are
// not paid.
struct FirstDays {
  bool asks = false;   // message 137 with question 60 is due
  int paid_days = 0;   // days paid when the user agrees
};
FirstDays first_days_rule(std::string_view s_code, int illness_days, int days, const PayrollParameters& p);

// Days of an absence paid at the reduced rate because the medical
// certificate came late: from the day after the allowed days (key 86) up to
// the delivery day, within the absence.  0 without a delivery date.
int late_certificate_days(const Date& from, const Date& to, const Date& delivered, int allowed_days);

// One month of the averaging period (an averages record).
struct AverageMonth {
  double components = 0;     // components that count for the average
  double deductions = 0;     // deductions subject to social insurance
  double recorded_base = 0;  // base from monthly components (full month)
  double other = 0;          // other amounts recorded separately
  int days_worked = 0;
  int working_days = 0;
  double SSE = 9.76, SSR = 1.50, SSC = 2.45;  // employee rates used
};

// What one month adds to the average, after the employee's contributions.
// A month with at least half its working days worked (half rounded up)
// gives its recorded base; otherwise the supplemented amount, 0 when no day
// was worked, plus its other amounts.
double month_for_average(const AverageMonth& m);

struct BenefitBase {
  double base = 0;
  std::vector<int> messages;  // 200 when raised to the minimum-pay floor
};

// The monthly benefit base: average of the months (R(., 2)); without an
// earlier month (month of hiring) the monthly base pay; never below the
// floor.
BenefitBase benefit_base(std::span<const AverageMonth> months, const PayBasis& e, const PayrollParameters& p,
                         int calendar_hours);

}  // namespace skolvarin::payroll
