// Absences: their days, the employer-paid sickness limit, the codes they
// produce and the deduction from the base pay, against hand computations.
#include "payroll/absences.h"

#include <gtest/gtest.h>

#include "payroll/messages.h"

namespace skolvarin::payroll {
namespace {

TEST(AbsenceDays, DaysAndWorkingDaysWithinOneMonth) {
  // 1-7 May 2017: Monday 1st and Wednesday 3rd are holidays, 6th and 7th a
  // weekend: 7 calendar days, 3 working days (2nd, 4th, 5th).
  std::set<long> off = {day_number({2017, 5, 1}), day_number({2017, 5, 3})};
  AbsenceDays d = absence_days({2017, 5, 1}, {2017, 5, 7}, off);
  ASSERT_TRUE(d.ok());
  EXPECT_EQ(d.ILD, 7);
  EXPECT_EQ(d.ILR, 3);
  d = absence_days({2017, 5, 9}, {2017, 5, 9}, off);
  EXPECT_EQ(d.ILD, 1);
  EXPECT_EQ(d.ILR, 1);
}

TEST(AbsenceDays, RefusedAcrossMonthsOrBackwards) {
  EXPECT_EQ(absence_days({2017, 3, 28}, {2017, 4, 2}, {}).message, msg::kDifferentMonths);
  EXPECT_EQ(absence_days({2016, 12, 28}, {2017, 12, 30}, {}).message, msg::kDifferentMonths);
  EXPECT_EQ(absence_days({2017, 3, 10}, {2017, 3, 9}, {}).message, msg::kDateBeforeStart);
}

TEST(AbsenceDays, TypedDaysChecks) {
  EXPECT_EQ(check_typed_days(-1, 31, 21), msg::kNegativeDays);
  EXPECT_EQ(check_typed_days(32, 31, 21), msg::kDaysOverMonth);
  EXPECT_EQ(check_typed_days(22, 31, 21), msg::kDaysOverWorking);
  EXPECT_EQ(check_typed_days(21, 31, 21), 0);
  EXPECT_EQ(check_typed_days(0, 31, 21), 0);
}

TEST(EmployerPaidSickness, DaysBeyondTheLimit) {
  struct Case {
    const char* code;
    int before, ild, expected;
  } cases[] = {
      {"N331", 30, 5, 2},   // 30 + 5 - 33
      {"N331", 28, 5, 0},   // exactly 33
      {"N333", 40, 5, 5},   // all beyond
      {"N399", 33, 1, 1},
      {"N313", 30, 5, 0},   // already a ZUS benefit: no message
      {"N398", 30, 5, 0},
      {"N111", 30, 5, 0},   // not a sickness absence
  };
  for (const Case& c : cases) EXPECT_EQ(days_beyond_employer_limit(c.code, c.before, c.ild, 33), c.expected) << c.code;
  EXPECT_TRUE(is_sickness_absence("N313"));
  EXPECT_FALSE(is_sickness_absence("N311"));
}

TEST(AbsenceCodes, PairedByTheirDigits) {
  struct Case {
    const char* n, *p, *s;
  } cases[] = {{"N331", "P331", "S331"}, {"N111", "P111", ""}, {"N800", "", ""}, {"N350", "P350", "S350"},
               {"N155", "P155", ""},     {"N399", "P399", "S399"}, {"N319", "P319", "S319"}, {"D11", "", ""}};
  for (const Case& c : cases) {
    AbsenceCodes a = absence_components(c.n);
    EXPECT_EQ(a.deduction, c.p) << c.n;
    EXPECT_EQ(a.benefit, c.s) << c.n;
  }
}

TEST(AbsenceDeduction, HourAndDayBased) {
  PayrollParameters p;  // minimum pay 1850
  PayBasis monthly{'N', 0, 3000, 'N', 1, 1};
  PayBasis hourly{'T', 20, 0, 'N', 1, 1};
  PayBasis minimum_half{'N', 0, 0, 'T', 1, 2};
  struct Case {
    const char* code;
    PayBasis e;
    int cal_hours;
    double hours;
    int days, month_days;
    double expected;
  } cases[] = {
      {"P111", monthly, 160, 8, 0, 31, 150.00},        // 3000 / 160 * 8
      {"P121", monthly, 168, 10, 0, 31, 178.57},       // 3000 / 168 * 10 = 178.571
      {"P111", monthly, 160, 200, 0, 31, 3000.00},     // at most the monthly base
      {"P151", hourly, 160, 8, 0, 31, 160.00},         // 20 * 8
      {"P331", monthly, 160, 0, 10, 31, 1000.00},      // 3000 / 30 * 10
      {"P331", monthly, 160, 0, 31, 31, 3000.00},      // whole month: the base, not 31/30
      {"P313", monthly, 160, 0, 28, 28, 3000.00},      // whole February
      {"P313", monthly, 160, 0, 30, 31, 3000.00},      // 30/30 of the base
      {"P311", monthly, 160, 0, 15, 30, 1500.00},
      {"P313", minimum_half, 160, 0, 3, 30, 92.50},    // 1850 * 1/2 / 30 * 3
      {"P331", hourly, 168, 0, 3, 31, 336.00},         // 20 * 168 / 30 * 3
      {"P900", monthly, 160, 8, 8, 31, 0.00},          // no deduction rule
  };
  for (const Case& c : cases) {
    Deduction d = absence_deduction(c.code, c.e, p, c.cal_hours, c.hours, c.days, c.month_days);
    ASSERT_TRUE(d.ok()) << c.code;
    EXPECT_DOUBLE_EQ(d.amount, c.expected) << c.code << " " << c.days << " " << c.hours;
  }
}

TEST(AbsenceDeduction, Failures) {
  PayrollParameters p;
  EXPECT_EQ(absence_deduction("P331", {'N', 0, 3000, 'N', 1, 0}, p, 160, 0, 3, 31).message, msg::kWorkTimeZero);
  EXPECT_EQ(absence_deduction("P111", {'N', 0, 3000, 'N', 0, 1}, p, 160, 8, 0, 31).message, msg::kWorkTimeZero);
  EXPECT_EQ(absence_deduction("P111", {'N', 0, 3000, 'N', 1, 1}, p, 0, 8, 0, 31).message, msg::kNoCalendarHours);
}

TEST(MonthlyBase, OfEachKindOfEmployee) {
  PayrollParameters p;
  EXPECT_DOUBLE_EQ(monthly_base({'N', 0, 4200, 'N', 1, 1}, p, 160), 4200);
  EXPECT_DOUBLE_EQ(monthly_base({'N', 0, 4200, 'T', 3, 4}, p, 160), 1387.5);  // 1850 * 3/4
  EXPECT_DOUBLE_EQ(monthly_base({'T', 15.5, 0, 'N', 1, 2}, p, 168), 1302);    // 15.5 * 168 / 2
}

}  // namespace
}  // namespace skolvarin::payroll
