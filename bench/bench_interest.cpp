// Interest computation as the interest notes use it: one call per note line,
// with a rate table of 85 rows and the days off of 1993..2050.
#include <benchmark/benchmark.h>

#include <set>
#include <vector>

#include "interest/holidays.h"
#include "interest/interest_calc.h"

namespace {

using namespace skolvarin;

struct Tables {
  std::vector<interest::RateRow> rates;
  std::set<long> days_off;
  Tables() {
    for (int i = 0; i < 85; ++i) rates.push_back({add_days(Date{1993, 1, 1}, i * 130), 8.0 + i % 7, 'R'});
    for (int y = 1993; y <= 2050; ++y)
      for (const Date& d : interest::public_holidays(y)) days_off.insert(day_number(d));
  }
};

void BM_InterestOneLine(benchmark::State& state) {
  static const Tables t;
  const long span_days = state.range(0);
  const Date due{2005, 3, 15};
  const Date paid = add_days(due, span_days);
  for (auto _ : state) {
    auto r = interest::compute_interest(due, paid, 12345.67, t.rates, t.rates, t.days_off);
    benchmark::DoNotOptimize(r.tax_interest);
  }
}
BENCHMARK(BM_InterestOneLine)->Arg(30)->Arg(365)->Arg(3650);

void BM_PublicHolidaysOfAYear(benchmark::State& state) {
  int year = 1993;
  for (auto _ : state) {
    auto v = interest::public_holidays(year);
    benchmark::DoNotOptimize(v.data());
    year = year == 2050 ? 1993 : year + 1;
  }
}
BENCHMARK(BM_PublicHolidaysOfAYear);

}  // namespace
