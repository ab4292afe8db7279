// Benefits: daily rates and amounts of every code, late certificates,
// unpaid first days and the averaged benefit base.
#include "payroll/benefits.h"

#include <gtest/gtest.h>

#include "payroll/messages.h"

namespace skolvarin::payroll {
namespace {

TEST(BenefitAmount, SicknessWithLateDays) {
  PayrollParameters p;  // key 38 = 80, key 87 = 25
  // R(3000 * 80 % / 30) = 80.00; 7 days 560.00.
  Benefit b = benefit_amount("S313", 7, 0, 3000, 0, p);
  EXPECT_DOUBLE_EQ(b.daily, 80.00);
  EXPECT_DOUBLE_EQ(b.amount, 560.00);
  // 2 late days at R(3000 * 75 % * 80 % / 30) = 60.00: 5 * 80 + 2 * 60 = 520.00.
  b = benefit_amount("S313", 7, 2, 3000, 0, p);
  EXPECT_DOUBLE_EQ(b.late_daily, 60.00);
  EXPECT_DOUBLE_EQ(b.amount, 520.00);
}

TEST(BenefitAmount, EveryCodeOfTheTable) {
  PayrollParameters p;
  p.care_benefit_pct = 80;
  p.rehabilitation_pct = 75;
  struct Case {
    const char* code;
    int days, late;
    double base, typed, expected;
  } cases[] = {
      {"S311", 10, 0, 3100, 0, 1033.30},  // 100 %: R(3100 / 30) = 103.33 * 10
      {"S319", 1, 0, 3000, 0, 100.00},
      {"S325", 2, 0, 3000, 0, 200.00},
      {"S327", 3, 0, 3000, 0, 300.00},
      {"S312", 5, 0, 2500, 0, 333.35},    // 80 %: R(66.666) = 66.67 * 5
      {"S314", 4, 1, 3000, 0, 375.00},    // 100 %: 3 * 100 + 1 * 75
      {"S321", 10, 0, 3000, 0, 750.00},   // 75 %: 75.00 * 10
      {"S322", 10, 0, 3000, 0, 1000.00},  // 100 %
      {"S331", 14, 0, 2700, 0, 1008.00},  // 80 %: 72.00 * 14
      {"S332", 1, 0, 2700, 0, 72.00},
      {"S333", 2, 0, 2700, 0, 180.00},    // 100 %: 90.00 * 2
      {"S334", 2, 0, 2700, 0, 180.00},
      {"S398", 10, 3, 3000, 0, 925.00},   // 100 %: 7 * 100 + 3 * 75
      {"S399", 3, 0, 3000, 0, 300.00},
      {"S212", 3, 0, 3000, 123.45, 123.45},  // typed amounts
      {"S350", 0, 0, 0, 1000.00, 1000.00},
      {"S328", 0, 0, 0, 50.00, 50.00},
  };
  for (const Case& c : cases) {
    Benefit b = benefit_amount(c.code, c.days, c.late, c.base, c.typed, p);
    ASSERT_TRUE(b.ok()) << c.code;
    EXPECT_DOUBLE_EQ(b.amount, c.expected) << c.code;
  }
  for (const char* bad : {"S500", "S211", "D11", "S999"}) EXPECT_EQ(benefit_amount(bad, 3, 0, 3000, 10, p).message, msg::kBenefitKindError) << bad;
}

TEST(BenefitAmount, LateDaysNeverExceedTheDays) {
  PayrollParameters p;
  EXPECT_DOUBLE_EQ(benefit_amount("S313", 3, 10, 3000, 0, p).amount, 180.00);  // 3 * 60
}

TEST(FirstDays, UnpaidOnlyForShortIllnessOfTheListedCodes) {
  PayrollParameters p;
  p.first_days_illness_limit = 5;
  p.first_days_unpaid = 3;
  FirstDays f = first_days_rule("S331", 5, 5, p);
  EXPECT_TRUE(f.asks);
  EXPECT_EQ(f.paid_days, 2);
  f = first_days_rule("S331", 6, 6, p);
  EXPECT_FALSE(f.asks);
  EXPECT_EQ(f.paid_days, 6);
  f = first_days_rule("S313", 2, 2, p);  // never below 0
  EXPECT_EQ(f.paid_days, 0);
  f = first_days_rule("S311", 2, 2, p);
  EXPECT_FALSE(f.asks);
  // Default parameters (0 and 0): never asked for a real illness.
  EXPECT_FALSE(first_days_rule("S331", 1, 1, PayrollParameters{}).asks);
}

TEST(LateCertificate, DaysFromTheEighthToDelivery) {
  // Absence 1-20 March, 7 days allowed: late from 8 March to the delivery day.
  EXPECT_EQ(late_certificate_days({2017, 3, 1}, {2017, 3, 20}, {2017, 3, 12}, 7), 5);
  EXPECT_EQ(late_certificate_days({2017, 3, 1}, {2017, 3, 20}, {2017, 3, 7}, 7), 0);
  EXPECT_EQ(late_certificate_days({2017, 3, 1}, {2017, 3, 20}, {2017, 3, 8}, 7), 1);
  EXPECT_EQ(late_certificate_days({2017, 3, 1}, {2017, 3, 20}, {2017, 4, 2}, 7), 13);
  EXPECT_EQ(late_certificate_days({2017, 3, 1}, {2017, 3, 20}, {}, 7), 0);
}

TEST(BenefitBase, MonthsOfTheAverage) {
  // Full month: 3000 less 9.76 %, 1.5 %, 2.45 % (292.80, 45.00, 73.50) = 2588.70.
  AverageMonth full;
  full.recorded_base = 3000;
  full.days_worked = 20;
  full.working_days = 20;
  EXPECT_DOUBLE_EQ(month_for_average(full), 2588.70);
  // Half of 21 working days rounded up is 11: 11 days worked is a full month.
  AverageMonth m;
  m.recorded_base = 3000;
  m.components = 3000;
  m.deductions = 1000;
  m.other = 100;
  m.working_days = 21;
  m.days_worked = 11;
  EXPECT_DOUBLE_EQ(month_for_average(m), 2588.70);
  // 10 days: supplemented.  2000 less 195.20, 30.00, 49.00 = 1725.80;
  // * 21 / 10 = 3624.18; other 100 less 9.76, 1.50, 2.45 = 86.29.
  m.days_worked = 10;
  EXPECT_DOUBLE_EQ(month_for_average(m), 3624.18 + 86.29);
  m.days_worked = 0;
  EXPECT_DOUBLE_EQ(month_for_average(m), 86.29);
}

TEST(BenefitBase, AverageFloorAndMonthOfHiring) {
  PayrollParameters p;  // minimum 1850; floor 1850 * (1 - 13.71 %) = 1596.365 -> 1596.37
  PayBasis e{'N', 0, 4000, 'N', 1, 1};
  AverageMonth a, b;
  a.recorded_base = 3000;
  a.days_worked = a.working_days = 20;
  b.recorded_base = 4000;
  b.days_worked = b.working_days = 21;
  const AverageMonth months[] = {a, b};
  // (2588.70 + 3451.60) / 2 = 3020.15
  BenefitBase base = benefit_base(months, e, p, 168);
  EXPECT_DOUBLE_EQ(base.base, 3020.15);
  EXPECT_TRUE(base.messages.empty());

  // Month of hiring: the monthly base pay.
  base = benefit_base({}, e, p, 168);
  EXPECT_DOUBLE_EQ(base.base, 4000);

  // Low average: raised to the floor with message 200.
  AverageMonth low;
  low.recorded_base = 1000;
  low.days_worked = low.working_days = 20;
  const AverageMonth lows[] = {low};
  base = benefit_base(lows, e, p, 168);
  EXPECT_DOUBLE_EQ(base.base, 1596.37);
  EXPECT_EQ(base.messages, std::vector<int>{msg::kMinimumPayFloor});
  // Half time: floor 925 * 0.8629 = 798.1825 -> 798.18.
  e.WY2 = 2;
  base = benefit_base(lows, e, p, 168);
  EXPECT_DOUBLE_EQ(base.base, 862.90);
  EXPECT_TRUE(base.messages.empty());
  PayBasis hourly{'T', 10, 0, 'N', 1, 2};
  base = benefit_base({}, hourly, p, 160);  // 10 * 160 / 2 = 800.00, above the floor 798.18
  EXPECT_DOUBLE_EQ(base.base, 800.00);
}

}  // namespace
}  // namespace skolvarin::payroll
