#include "payroll/absences.h"

#include <algorithm>

#include "host/api/rounding.h"
#include "payroll/component_catalogue.h"
#include "payroll/messages.h"

namespace skolvarin::payroll {
namespace {

constexpr std::string_view kHourCodes[] = {"P111", "P112", "P121", "P122", "P151", "P152"};
constexpr std::string_view kDayCodes[] = {"P155", "P311", "P312", "P313", "P314", "P315", "P321", "P322",
                                          "P331", "P332", "P333", "P334", "P999", "P319", "P325", "P327",
                                          "P398", "P399"};
constexpr std::string_view kSickness[] = {"N313", "N331", "N333", "N398", "N399"};

bool yes(char c) { return c == 'T' || c == 't'; }

}  // namespace

double monthly_base(const PayBasis& e, const PayrollParameters& p, int calendar_hours) {
  const double fraction = e.WY2 != 0 ? static_cast<double>(e.WY1) / e.WY2 : 0;
  if (yes(e.CZG)) return e.STG * calendar_hours * fraction;
  if (yes(e.CPM)) return p.minimum_pay * fraction;
  return e.BRG;
}

AbsenceDays absence_days(const Date& from, const Date& to, const std::set<long>& days_off) {
  AbsenceDays d;
  if (to < from) {
    d.message = msg::kDateBeforeStart;
  } else if (from.year != to.year || from.month != to.month) {
    d.message = msg::kDifferentMonths;
  } else {
    d.ILD = static_cast<int>(day_number(to) - day_number(from) + 1);
    d.ILR = working_days(from, to, days_off);
  }
  return d;
}

int check_typed_days(int days, int days_in_month, int working_days) {
  if (days < 0) return msg::kNegativeDays;
  if (days > days_in_month) return msg::kDaysOverMonth;
  if (days > working_days) return msg::kDaysOverWorking;
  return 0;
}

bool is_sickness_absence(std::string_view n_code) { return code_in(n_code, kSickness); }

int days_beyond_employer_limit(std::string_view n_code, int days_before, int ILD, int limit) {
  if (!is_sickness_absence(n_code)) return 0;
  const std::string_view code = trim_code(n_code);
  if (code == "N313" || code == "N398") return 0;
  const int beyond = days_before + ILD - limit;
  return std::clamp(beyond, 0, ILD);
}

AbsenceCodes absence_components(std::string_view n_code) {
  AbsenceCodes c;
  const std::string_view code = trim_code(n_code);
  if (code.size() < 2 || code[0] != 'N') return c;
  const std::string digits(code.substr(1));
  if (catalogue_position("P" + digits) >= 0) c.deduction = "P" + digits;
  if (catalogue_position("S" + digits) >= 0) c.benefit = "S" + digits;
  return c;
}

DeductionKind deduction_kind(std::string_view p_code) {
  if (code_in(p_code, kHourCodes)) return DeductionKind::Hours;
  if (code_in(p_code, kDayCodes)) return DeductionKind::Days;
  return DeductionKind::None;
}

Deduction absence_deduction(std::string_view p_code, const PayBasis& e, const PayrollParameters& p,
                            int calendar_hours, double hours, int days, int days_in_month) {
  Deduction d;
  if (e.WY1 == 0 || e.WY2 == 0) {
    d.message = msg::kWorkTimeZero;
    return d;
  }
  const bool hourly = yes(e.CZG);
  switch (deduction_kind(p_code)) {
    case DeductionKind::None:
      return d;
    case DeductionKind::Hours: {
      if (hourly) {
        double amount = e.STG * hours;
        if (calendar_hours > 0) amount = std::min(amount, monthly_base(e, p, calendar_hours));
        d.amount = R(amount, 2);
        return d;
      }
      if (calendar_hours <= 0) {
        d.message = msg::kNoCalendarHours;
        return d;
      }
      const double base = monthly_base(e, p, calendar_hours);
      d.amount = R(std::min(base / calendar_hours * hours, base), 2);
      return d;
    }
    case DeductionKind::Days: {
      if (hourly && calendar_hours <= 0) {
        d.message = msg::kNoCalendarHours;
        return d;
      }
      const double base = monthly_base(e, p, calendar_hours);
      if (days_in_month > 0 && days >= days_in_month) {
        d.amount = R(base, 2);
      } else {
        d.amount = R(std::min(base * days / 30, base), 2);
      }
      return d;
    }
  }
  return d;
}

}  // namespace skolvarin::payroll
