#include "interest/interest_calc.h"

#include <algorithm>

#include "host/api/rounding.h"

namespace skolvarin::interest {

namespace {

bool is_day_off(long day, const std::set<long>& days_off) {
  int wd = weekday(from_day_number(day));
  return wd == 6 || wd == 7 || days_off.count(day) > 0;
}

}  // namespace

Date moved_due_date(const Date& due, const Date& payment, const std::set<long>& days_off) {
  long d1 = day_number(due), d2 = day_number(payment);
  while (d2 > d1 && is_day_off(d1, days_off)) ++d1;
  return from_day_number(d1);
}

InterestPart interest_for_table(const Date& due, const Date& payment, double amount,
                                std::span<const RateRow> rows, const std::set<long>& days_off) {
  InterestPart part;
  long d1 = day_number(moved_due_date(due, payment, days_off));
  long d2 = day_number(payment);
  if (d2 <= d1) return part;
  part.days = static_cast<int>(d2 - d1);
  std::vector<RateRow> sorted(rows.begin(), rows.end());
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const RateRow& a, const RateRow& b) { return a.from < b.from; });
  for (size_t i = 0; i < sorted.size(); ++i) {
    long start = day_number(sorted[i].from);
    long end = i + 1 < sorted.size() ? day_number(sorted[i + 1].from) - 1 : d2;
    long first = std::max(start, d1 + 1), last = std::min(end, d2);
    if (last < first) continue;
    RatePeriod p;
    p.first = from_day_number(first);
    p.last = from_day_number(last);
    p.days = static_cast<int>(last - first + 1);
    p.rate = sorted[i].rate;
    p.type = sorted[i].type;
    p.interest = amount * (p.rate * 0.01) * p.days / (p.type == 'R' ? 365.0 : 1.0);
    part.interest += p.interest;
    part.period_days += p.days;
    part.periods.push_back(p);
  }
  return part;
}

InterestResult compute_interest(const Date& due, const Date& payment, double amount,
                                std::span<const RateRow> tax_rows,
                                std::span<const RateRow> statutory_rows,
                                const std::set<long>& days_off) {
  InterestResult r;
  if (days_off.empty()) {
    r.alarms.push_back(kAlarmNoDaysOff);
    return r;
  }
  bool count_wrong = false;
  if (tax_rows.empty()) {
    r.alarms.push_back(kAlarmNoTaxRates);
  } else {
    r.tax = interest_for_table(due, payment, amount, tax_rows, days_off);
    r.tax_interest = r.tax.interest;
    count_wrong |= r.tax.period_days != r.tax.days;
  }
  if (statutory_rows.empty()) {
    r.alarms.push_back(kAlarmNoStatutoryRates);
  } else {
    r.statutory = interest_for_table(due, payment, amount, statutory_rows, days_off);
    r.statutory_interest = r.statutory.interest;
    count_wrong |= r.statutory.period_days != r.statutory.days;
  }
  if (count_wrong) r.alarms.push_back(kAlarmDayCount);
  r.days = !tax_rows.empty() ? r.tax.days : r.statutory.days;
  return r;
}

double tax_interest_shown(double tax_interest) { return R(tax_interest, 0); }

}  // namespace skolvarin::interest
