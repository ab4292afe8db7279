#include "payroll/benefits.h"

#include <algorithm>

#include "host/api/rounding.h"
#include "payroll/component_catalogue.h"
#include "payroll/messages.h"

namespace skolvarin::payroll {
namespace {

constexpr std::string_view kTyped[] = {"S212", "S214", "S215", "S216", "S315", "S316", "S317",
                                       "S318", "S323", "S324", "S350", "S320", "S326", "S328"};
constexpr std::string_view kFirstDaysCodes[] = {"S313", "S331", "S398", "S399"};

double after_contributions(double amount, const AverageMonth& m) {
  return amount - R(percent_of(amount, m.SSE), 2) - R(percent_of(amount, m.SSR), 2) -
         R(percent_of(amount, m.SSC), 2);
}

}  // namespace

double daily_rate(double base, double percent) { return R(base * percent * 0.01 / 30, 2); }

BenefitKind benefit_kind(std::string_view s_code, const PayrollParameters& p) {
  const std::string_view c = trim_code(s_code);
  if (c == "S311" || c == "S319" || c == "S325" || c == "S327") return {BenefitRule::Days, p.maternity_pct};
  if (c == "S312") return {BenefitRule::Days, p.care_benefit_pct};
  if (c == "S313") return {BenefitRule::LateCut, p.sickness_benefit_pct};
  if (c == "S314") return {BenefitRule::LateCut, p.accident_sickness_pct};
  if (c == "S321") return {BenefitRule::Days, p.rehabilitation_pct};
  if (c == "S322") return {BenefitRule::Days, p.accident_rehabilitation_pct};
  if (c == "S331" || c == "S332") return {BenefitRule::Days, p.sickness_benefit_pct};
  if (c == "S333" || c == "S334") return {BenefitRule::Days, p.accident_sickness_pct};
  if (c == "S398") return {BenefitRule::LateCut, 100};
  if (c == "S399") return {BenefitRule::Days, 100};
  if (code_in(c, kTyped)) return {BenefitRule::Typed, 0};
  return {};
}

Benefit benefit_amount(std::string_view s_code, int days, int late_days, double base, double typed,
                       const PayrollParameters& p) {
  Benefit b;
  const BenefitKind k = benefit_kind(s_code, p);
  switch (k.rule) {
    case BenefitRule::Unknown:
      b.message = msg::kBenefitKindError;
      return b;
    case BenefitRule::Typed:
      b.amount = typed;
      return b;
    case BenefitRule::Days:
      b.daily = daily_rate(base, k.percent);
      b.amount = R(days * b.daily, 2);
      return b;
    case BenefitRule::LateCut: {
      b.daily = daily_rate(base, k.percent);
      late_days = std::clamp(late_days, 0, std::max(days, 0));
      b.late_daily = R(base * (1 - 0.01 * p.late_certificate_cut_pct) * k.percent * 0.01 / 30, 2);
      b.amount = R((days - late_days) * b.daily + late_days * b.late_daily, 2);
      return b;
    }
  }
  return b;
}

FirstDays first_days_rule(std::string_view s_code, int illness_days, int days, const PayrollParameters& p) {
  FirstDays f;
  f.paid_days = days;
  if (code_in(s_code, kFirstDaysCodes) && illness_days <= p.first_days_illness_limit) {
    f.asks = true;
    f.paid_days = std::max(0, days - p.first_days_unpaid);
  }
  return f;
}

int late_certificate_days(const Date& from, const Date& to, const Date& delivered, int allowed_days) {
  if (delivered.empty() || from.empty() || to < from) return 0;
  const long first_late = day_number(from) + allowed_days;
  const long last_late = std::min(day_number(delivered), day_number(to));
  return last_late >= first_late ? static_cast<int>(last_late - first_late + 1) : 0;
}

double month_for_average(const AverageMonth& m) {
  const int half = (m.working_days + 1) / 2;
  if (m.days_worked >= half && m.days_worked > 0) return after_contributions(m.recorded_base, m);
  if (m.days_worked <= 0) return after_contributions(m.other, m);
  const double diff = m.components - m.deductions;
  const double main = R(after_contributions(diff, m) * m.working_days / m.days_worked, 2);
  return main + after_contributions(m.other, m);
}

BenefitBase benefit_base(std::span<const AverageMonth> months, const PayBasis& e, const PayrollParameters& p,
                         int calendar_hours) {
  BenefitBase b;
  if (months.empty()) {
    b.base = R(monthly_base(e, p, calendar_hours), 2);
  } else {
    double sum = 0;
    for (const AverageMonth& m : months) sum += month_for_average(m);
    b.base = R(sum / static_cast<double>(months.size()), 2);
  }
  const double fraction = e.WY2 != 0 ? static_cast<double>(e.WY1) / e.WY2 : 0;
  const double floor = R(p.minimum_pay * fraction *
                             (1 - (p.pension_employee + p.disability_employee + p.sickness) * 0.01),
                         2);
  if (b.base < floor) {
    b.base = floor;
    b.messages.push_back(msg::kMinimumPayFloor);
  }
  return b;
}

}  // namespace skolvarin::payroll
