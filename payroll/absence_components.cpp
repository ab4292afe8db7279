#include "payroll/absence_components.h"

#include <algorithm>
#include <utility>

#include "host/api/rounding.h"
#include "payroll/component_entry.h"
#include "payroll/messages.h"

namespace skolvarin::payroll {
namespace {

constexpr int kNoHiringDate = 28;     // "Brak daty zatrudnienia !"
constexpr int kPeriodError = 18;      // "Błąd zakresu okresu obliczeniowego !"

int month_index(int year, int month) { return year * 12 + (month - 1); }

void add_message(std::vector<int>& messages, int id) {
  if (id != 0 && std::find(messages.begin(), messages.end(), id) == messages.end()) messages.push_back(id);
}

}  // namespace

BenefitBaseOfMonth benefit_base_of_month(const AbsenceEmployee& e, int year, int month,
                                         std::span<const AveragesEntry> averages, const PayrollParameters& p,
                                         int calendar_hours) {
  BenefitBaseOfMonth b;
  if (e.hired.empty()) {
    b.alarm = kNoHiringDate;
    return b;
  }
  const int span = e.averaging_months > 0 ? e.averaging_months : 12;
  if (month < 1 || month > 12 || year < 1 || span > 99) {
    b.alarm = kPeriodError;
    return b;
  }
  const int last = month_index(year, month) - 1;
  const int first = std::max(last - span + 1, month_index(e.hired.year, e.hired.month));
  for (const AveragesEntry& a : averages) {
    const int at = month_index(a.year, a.month);
    if (at >= first && at <= last) b.months.push_back(a);
  }
  std::sort(b.months.begin(), b.months.end(), [](const AveragesEntry& x, const AveragesEntry& y) {
    return month_index(x.year, x.month) < month_index(y.year, y.month);
  });
  std::vector<AverageMonth> values;
  for (const AveragesEntry& a : b.months) {
    values.push_back(a.values);
    b.month_amounts.push_back(month_for_average(a.values));
  }
  b.month_of_hiring = values.empty();
  BenefitBase base = benefit_base(values, e.pay, p, calendar_hours);
  b.base = base.base;
  b.raised_to_floor = std::find(base.messages.begin(), base.messages.end(), msg::kMinimumPayFloor) !=
                      base.messages.end();
  return b;
}

AbsenceComponents absence_components_of_month(const AbsenceMonthInput& in, const PayrollParameters& p) {
  AbsenceComponents r;
  const AbsenceEmployee& e = in.employee;
  if (e.pay.WY1 == 0 || e.pay.WY2 == 0) {
    r.alarm = msg::kWorkTimeZero;
    return r;
  }
  const int month_days = days_in_month(in.year, in.month);
  bool base_ready = false;
  for (size_t i = 0; i < in.absences.size(); ++i) {
    const AbsenceEntry& a = in.absences[i];
    const AbsenceCodes codes = absence_components(a.KGS);
    const std::string& title = a.KTU.empty() ? e.KTU : a.KTU;
    auto component = [&](const std::string& code) {
      AbsenceComponent c;
      c.KGS = code;
      c.NA1 = a.NA1;
      c.NA2 = a.NA2;
      c.KTU = component_ktu(code, title);
      c.DOD = a.DOD;
      c.DDO = a.DDO;
      c.ILD = a.ILD;
      c.ILG = a.ILG;
      c.absence = i;
      return c;
    };
    if (!codes.deduction.empty()) {
      AbsenceComponent c = component(codes.deduction);
      const Deduction d =
          absence_deduction(codes.deduction, e.pay, p, in.calendar_hours, a.ILG, a.ILD, month_days);
      if (d.message == msg::kWorkTimeZero) {
        r.alarm = d.message;
        r.components.clear();
        return r;
      }
      add_message(r.messages, d.message);
      c.KWO = d.amount;
      r.components.push_back(std::move(c));
    }
    if (codes.benefit.empty()) continue;
    if (!base_ready) {
      r.base = benefit_base_of_month(e, in.year, in.month, in.averages, p, in.calendar_hours);
      if (r.base.alarm != 0) {
        r.alarm = r.base.alarm;
        r.components.clear();
        return r;
      }
      if (r.base.raised_to_floor) add_message(r.messages, msg::kMinimumPayFloor);
      base_ready = true;
    }
    AbsenceComponent c = component(codes.benefit);
    const BenefitKind kind = benefit_kind(codes.benefit, p);
    c.computed = kind.rule == BenefitRule::Days || kind.rule == BenefitRule::LateCut;
    if (kind.rule == BenefitRule::LateCut) c.late_days = late_certificate_days(a.DOD, a.DDO, a.DDZ, p.certificate_days);
    const Benefit b = benefit_amount(codes.benefit, a.ILD, c.late_days, r.base.base, 0, p);
    add_message(r.messages, b.message);
    c.daily = b.daily;
    c.late_daily = b.late_daily;
    c.KWO = b.amount;
    const FirstDays f = first_days_rule(codes.benefit, a.ILD, a.ILD, p);
    if (f.asks && c.computed) {
      c.if_agreed.asks = true;
      c.if_agreed.paid_days = f.paid_days;
      c.if_agreed.amount =
          benefit_amount(codes.benefit, f.paid_days, std::min(c.late_days, f.paid_days), r.base.base, 0, p).amount;
      r.first_days_questions.push_back(r.components.size());
    }
    r.components.push_back(std::move(c));
  }
  return r;
}

void agree_first_days(AbsenceComponent& c) {
  if (!c.if_agreed.asks) return;
  c.ILD = c.if_agreed.paid_days;
  c.late_days = std::min(c.late_days, c.ILD);
  c.KWO = c.if_agreed.amount;
  c.if_agreed.asks = false;
}

BenefitCalculation benefit_calculation(std::string person, int year, int month, const AbsenceComponents& r) {
  BenefitCalculation c;
  c.person = std::move(person);
  c.year = year;
  c.month = month;
  c.base = r.base;
  for (const AbsenceComponent& k : r.components)
    if (!k.KGS.empty() && k.KGS[0] == 'S') c.benefits.push_back(k);
  return c;
}

}  // namespace skolvarin::payroll
