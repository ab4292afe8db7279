#include "interest/interest_calc.h"

#include <gtest/gtest.h>

#include "interest/holidays.h"

namespace skolvarin::interest {
namespace {

std::set<long> days_off_of(std::initializer_list<int> years) {
  std::set<long> s;
  for (int y : years)
    for (const Date& d : public_holidays(y)) s.insert(day_number(d));
  return s;
}

const std::set<long> kDaysOff2022 = days_off_of({2021, 2022, 2023});

// A year with many rate changes: 2022, amount 10 000.00, due on Thursday
// 6 January 2022 (Epiphany, a day off) so the due date moves to Friday
// 7 January; paid on Friday 30 December 2022.  N = 364 − 7 = 357 days,
// charged from 8 January.
//
// Tax-arrears rows in force (yearly 'R'):
//   from        rate   days charged            rate × days
//   2016-01-01   8.0   8 Jan – 8 Feb    32      256.0
//   2022-02-09   8.5   9 Feb – 8 Mar    28      238.0
//   2022-03-09  10.0   9 Mar – 6 Apr    29      290.0
//   2022-04-07  12.0   7 Apr – 5 May    29      348.0
//   2022-05-06  13.5   6 May – 8 Jun    34      459.0
//   2022-06-09  15.0   9 Jun – 7 Jul    29      435.0
//   2022-07-08  16.0   8 Jul – 7 Sep    62      992.0
//   2022-09-08  16.5   8 Sep – 30 Dec  114     1881.0
//                                      357     4899.0
// interest = 10 000 × 0.01 × 4899 / 365 = 489 900 / 365 = 1342.19178...,
// shown as 1342.
//
// Statutory rows (interest for delay):
//   2021-12-09   7.25  (before the due date: not used)
//   2022-01-05   7.75  8 Jan – 8 Feb    32      248.0
//   2022-02-09   8.25                   28      231.0
//   2022-03-09   9.00                   29      261.0
//   2022-04-07  10.00                   29      290.0
//   2022-05-06  10.75                   34      365.5
//   2022-06-09  11.50                   29      333.5
//   2022-07-08  12.00                   62      744.0
//   2022-09-08  12.25                  114     1396.5
//                                      357     3869.5
// interest = 386 950 / 365 = 1060.13698..., shown as 1060.14.
const RateRow kTax2022[] = {
    {{2014, 10, 9}, 8.0, 'R'},  {{2016, 1, 1}, 8.0, 'R'},   {{2022, 2, 9}, 8.5, 'R'},
    {{2022, 3, 9}, 10.0, 'R'},  {{2022, 4, 7}, 12.0, 'R'},  {{2022, 5, 6}, 13.5, 'R'},
    {{2022, 6, 9}, 15.0, 'R'},  {{2022, 7, 8}, 16.0, 'R'},  {{2022, 9, 8}, 16.5, 'R'},
    {{2023, 9, 7}, 15.0, 'R'},
};
const RateRow kStatutory2022[] = {
    // Given out of date order on purpose: the table is read in date order.
    {{2022, 9, 8}, 12.25, 'R'}, {{2021, 12, 9}, 7.25, 'R'}, {{2022, 1, 5}, 7.75, 'R'},
    {{2022, 2, 9}, 8.25, 'R'},  {{2022, 3, 9}, 9.0, 'R'},   {{2022, 4, 7}, 10.0, 'R'},
    {{2022, 5, 6}, 10.75, 'R'}, {{2022, 6, 9}, 11.5, 'R'},  {{2022, 7, 8}, 12.0, 'R'},
};

TEST(Interest, YearWithManyRateChangesMatchesHandTable) {
  InterestResult r = compute_interest({2022, 1, 6}, {2022, 12, 30}, 10000.0, kTax2022,
                                      kStatutory2022, kDaysOff2022);
  EXPECT_TRUE(r.alarms.empty());
  EXPECT_EQ(r.days, 357);
  EXPECT_NEAR(r.tax_interest, 489900.0 / 365.0, 1e-9);
  EXPECT_EQ(tax_interest_shown(r.tax_interest), 1342.0);
  EXPECT_NEAR(r.statutory_interest, 386950.0 / 365.0, 1e-9);
  EXPECT_NEAR(r.statutory_interest, 1060.14, 0.005);

  const struct {
    Date first, last;
    int days;
    double rate;
  } tax_periods[] = {
      {{2022, 1, 8}, {2022, 2, 8}, 32, 8.0},    {{2022, 2, 9}, {2022, 3, 8}, 28, 8.5},
      {{2022, 3, 9}, {2022, 4, 6}, 29, 10.0},   {{2022, 4, 7}, {2022, 5, 5}, 29, 12.0},
      {{2022, 5, 6}, {2022, 6, 8}, 34, 13.5},   {{2022, 6, 9}, {2022, 7, 7}, 29, 15.0},
      {{2022, 7, 8}, {2022, 9, 7}, 62, 16.0},   {{2022, 9, 8}, {2022, 12, 30}, 114, 16.5},
  };
  ASSERT_EQ(r.tax.periods.size(), std::size(tax_periods));
  for (size_t i = 0; i < std::size(tax_periods); ++i) {
    EXPECT_EQ(r.tax.periods[i].first, tax_periods[i].first) << i;
    EXPECT_EQ(r.tax.periods[i].last, tax_periods[i].last) << i;
    EXPECT_EQ(r.tax.periods[i].days, tax_periods[i].days) << i;
    EXPECT_EQ(r.tax.periods[i].rate, tax_periods[i].rate) << i;
  }
  ASSERT_EQ(r.statutory.periods.size(), 8u);
  EXPECT_EQ(r.statutory.periods.front().rate, 7.75);
  EXPECT_EQ(r.statutory.period_days, 357);
}

TEST(Interest, DueDateMovesPastWeekendsAndDaysOff) {
  const struct {
    Date due, payment, moved;
  } cases[] = {
      // Saturday before Easter 2022: Sat, Sun, Easter Monday → Tuesday.
      {{2022, 4, 16}, {2022, 4, 30}, {2022, 4, 19}},
      // Friday 11 November 2022 (a day off) followed by a weekend → Monday.
      {{2022, 11, 11}, {2022, 11, 20}, {2022, 11, 14}},
      // A working day stays.
      {{2022, 1, 10}, {2022, 1, 20}, {2022, 1, 10}},
      // Never moved past the payment date.
      {{2022, 12, 24}, {2022, 12, 26}, {2022, 12, 26}},
  };
  for (const auto& c : cases) EXPECT_EQ(moved_due_date(c.due, c.payment, kDaysOff2022), c.moved);
}

TEST(Interest, EdgeCasesOfTheDelay) {
  const RateRow ten[] = {{{2000, 1, 1}, 10.0, 'R'}};
  const struct {
    const char* what;
    Date due, payment;
    int days;
    double tax, statutory;
  } cases[] = {
      {"Saturday due, Monday paid", {2022, 1, 15}, {2022, 1, 17}, 0, 0, 0},
      {"paid before the due date", {2022, 3, 10}, {2022, 3, 1}, 0, 0, 0},
      {"paid on the due date", {2022, 3, 10}, {2022, 3, 10}, 0, 0, 0},
      // 10 Jan to 24 Mar 2022: 83 − 10 = 73 days; 1000 × 0.10 × 73 / 365 = 20.
      {"73 days at 10 % a year", {2022, 1, 10}, {2022, 3, 24}, 73, 20.0, 20.0},
      // Friday 11 Nov (off) → Monday 14 Nov; paid Sunday 20 Nov: 6 days.
      // 1000 × 0.10 × 6 / 365 = 1.643835...
      {"day off before a weekend", {2022, 11, 11}, {2022, 11, 20}, 6, 600.0 / 365, 600.0 / 365},
  };
  for (const auto& c : cases) {
    InterestResult r = compute_interest(c.due, c.payment, 1000.0, ten, ten, kDaysOff2022);
    EXPECT_EQ(r.days, c.days) << c.what;
    EXPECT_NEAR(r.tax_interest, c.tax, 1e-9) << c.what;
    EXPECT_NEAR(r.statutory_interest, c.statutory, 1e-9) << c.what;
    EXPECT_TRUE(r.alarms.empty()) << c.what;
  }
  InterestResult r = compute_interest({2022, 1, 10}, {2022, 3, 24}, 1000.0, ten, ten, kDaysOff2022);
  EXPECT_EQ(tax_interest_shown(r.tax_interest), 20.0);
}

TEST(Interest, DailyRateChargesEachDay) {
  // 1000 × 0.100 % a day × 10 days = 10.00 (10 to 20 January 2022).
  const RateRow daily[] = {{{2021, 1, 1}, 0.1, 'D'}};
  InterestResult r = compute_interest({2022, 1, 10}, {2022, 1, 20}, 1000.0, daily, daily, kDaysOff2022);
  EXPECT_EQ(r.days, 10);
  EXPECT_NEAR(r.tax_interest, 10.0, 1e-9);
  EXPECT_NEAR(r.statutory_interest, 10.0, 1e-9);
}

TEST(Interest, RateChangeInsideTheDelay) {
  // Due 10 Jan, paid 20 Jan; new row from 15 Jan: 11–14 Jan old (4 days),
  // 15–20 Jan new (6 days).  1000 × (4 × 8 + 6 × 16) / 36 500 = 128 / 36.5.
  const RateRow rows[] = {{{2021, 6, 1}, 8.0, 'R'}, {{2022, 1, 15}, 16.0, 'R'}};
  InterestPart p = interest_for_table({2022, 1, 10}, {2022, 1, 20}, 1000.0, rows, kDaysOff2022);
  ASSERT_EQ(p.periods.size(), 2u);
  EXPECT_EQ(p.periods[0].days, 4);
  EXPECT_EQ(p.periods[0].rate, 8.0);
  EXPECT_EQ(p.periods[1].days, 6);
  EXPECT_EQ(p.periods[1].first, (Date{2022, 1, 15}));
  EXPECT_NEAR(p.interest, 128.0 / 36.5, 1e-9);
}

TEST(Interest, PaymentOnTheStartOfANewRow) {
  // Due Monday 10 Jan, paid Monday 17 Jan, the new row starts on the 17th:
  // 11–16 Jan (6 days) at 8 %, the 17th at 16 %.
  const RateRow rows[] = {{{2021, 6, 1}, 8.0, 'R'}, {{2022, 1, 17}, 16.0, 'R'}};
  InterestPart p = interest_for_table({2022, 1, 10}, {2022, 1, 17}, 3650.0, rows, kDaysOff2022);
  ASSERT_EQ(p.periods.size(), 2u);
  EXPECT_EQ(p.periods[0].days, 6);
  EXPECT_EQ(p.periods[1].days, 1);
  EXPECT_EQ(p.periods[1].rate, 16.0);
  // 3650 × 0.01 / 365 = 0.1 per per-cent-day: 0.1 × (48 + 16) = 6.4.
  EXPECT_NEAR(p.interest, 6.4, 1e-9);
}

TEST(Interest, RowStartingOnTheDueDateOpensNoExtraPeriod) {
  const RateRow rows[] = {{{2021, 6, 1}, 8.0, 'R'}, {{2022, 1, 10}, 16.0, 'R'}};
  InterestPart p = interest_for_table({2022, 1, 10}, {2022, 1, 20}, 1000.0, rows, kDaysOff2022);
  ASSERT_EQ(p.periods.size(), 1u);
  EXPECT_EQ(p.periods[0].rate, 16.0);
  EXPECT_EQ(p.periods[0].days, 10);
}

TEST(Interest, EmptyTablesAndUncoveredDaysRaiseAlarms) {
  const RateRow ten[] = {{{2000, 1, 1}, 10.0, 'R'}};
  InterestResult none = compute_interest({2022, 1, 10}, {2022, 3, 24}, 1000.0, ten, ten, {});
  EXPECT_EQ(none.alarms, std::vector<int>{kAlarmNoDaysOff});
  EXPECT_EQ(none.days, 0);
  EXPECT_EQ(none.tax_interest, 0.0);

  InterestResult no_tax = compute_interest({2022, 1, 10}, {2022, 3, 24}, 1000.0, {}, ten, kDaysOff2022);
  EXPECT_EQ(no_tax.alarms, std::vector<int>{kAlarmNoTaxRates});
  EXPECT_EQ(no_tax.days, 73);  // taken from the statutory part
  EXPECT_EQ(no_tax.tax_interest, 0.0);
  EXPECT_NEAR(no_tax.statutory_interest, 20.0, 1e-9);

  InterestResult neither = compute_interest({2022, 1, 10}, {2022, 3, 24}, 1000.0, {}, {}, kDaysOff2022);
  EXPECT_EQ(neither.alarms, (std::vector<int>{kAlarmNoTaxRates, kAlarmNoStatutoryRates}));

  // The statutory table starts on 1 March: 10 Jan – 28 Feb are not covered
  // (49 days); 1–24 March (24 days) are charged, and the count does not add up.
  const RateRow late[] = {{{2022, 3, 1}, 10.0, 'R'}};
  InterestResult gap = compute_interest({2022, 1, 10}, {2022, 3, 24}, 1000.0, ten, late, kDaysOff2022);
  EXPECT_EQ(gap.alarms, std::vector<int>{kAlarmDayCount});
  EXPECT_EQ(gap.days, 73);
  EXPECT_EQ(gap.statutory.period_days, 24);
  EXPECT_NEAR(gap.statutory_interest, 1000.0 * 0.1 * 24 / 365, 1e-9);
  EXPECT_NEAR(gap.tax_interest, 20.0, 1e-9);
}

}  // namespace
}  // namespace skolvarin::interest
