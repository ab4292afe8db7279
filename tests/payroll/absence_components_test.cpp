// Absences of a month as components, the benefit base over the averaging
// period, and an averages record filled from a month's pay.  Expected
// figures worked out by hand.
#include <gtest/gtest.h>

#include "host/api/rounding.h"
#include "payroll/absence_components.h"
#include "payroll/averages_fill.h"

namespace skolvarin::payroll {
namespace {

PayrollParameters params2017() {
  PayrollParameters p;
  p.minimum_pay = 2000.00;
  return p;
}

AverageMonth full_month(double base) {
  AverageMonth m;
  m.recorded_base = base;
  m.components = base;
  m.days_worked = 21;
  m.working_days = 21;
  return m;
}

AbsenceMonthInput march_2017(const char* code, int first, int last) {
  AbsenceMonthInput in;
  in.employee.pay.BRG = 3000.00;
  in.employee.hired = {2010, 1, 4};
  in.employee.KTU = "011000";
  in.year = 2017;
  in.month = 3;
  in.calendar_hours = 184;
  AbsenceEntry a;
  a.KGS = code;
  a.DOD = {2017, 3, first};
  a.DDO = {2017, 3, last};
  a.ILD = last - first + 1;
  in.absences.push_back(a);
  return in;
}

TEST(AbsenceComponents, WholeMonthDeductsTheWholeBasePayAndPaysTheBenefit) {
  AbsenceMonthInput in = march_2017("N331", 1, 31);
  for (int m = 12; m >= 10; --m) in.averages.push_back({2016, m, full_month(3000.00)});
  AbsenceComponents r = absence_components_of_month(in, params2017());
  ASSERT_EQ(r.alarm, 0);
  ASSERT_EQ(r.components.size(), 2u);
  EXPECT_EQ(r.components[0].KGS, "P331");
  EXPECT_TRUE(same_grosz(r.components[0].KWO, 3000.00)) << r.components[0].KWO;
  // 3000 - 292.80 - 45.00 - 73.50 = 2588.70 a month; 2588.70 x 80 % / 30 = 69.03 a day.
  EXPECT_EQ(r.components[1].KGS, "S331");
  EXPECT_TRUE(same_grosz(r.base.base, 2588.70)) << r.base.base;
  EXPECT_TRUE(same_grosz(r.components[1].daily, 69.03)) << r.components[1].daily;
  EXPECT_TRUE(same_grosz(r.components[1].KWO, 31 * 69.03)) << r.components[1].KWO;
  EXPECT_EQ(r.base.months.size(), 3u);
  EXPECT_TRUE(r.messages.empty());
  // Half the month: 3000 / 30 x 15.
  AbsenceComponents part = absence_components_of_month(march_2017("N331", 1, 15), params2017());
  EXPECT_TRUE(same_grosz(part.components[0].KWO, 1500.00)) << part.components[0].KWO;
}

TEST(AbsenceComponents, BenefitBaseOnlyFromThePeriodAndRaisedToTheFloor) {
  AbsenceMonthInput in = march_2017("N313", 6, 7);
  in.employee.averaging_months = 12;
  in.averages = {{2017, 3, full_month(9000.00)},   // the month itself: not used
                 {2016, 2, full_month(9000.00)},   // 13 months before: not used
                 {2016, 9, full_month(1500.00)},
                 {2017, 1, full_month(1500.00)}};
  PayrollParameters p = params2017();
  p.first_days_illness_limit = 3;
  p.first_days_unpaid = 3;
  AbsenceComponents r = absence_components_of_month(in, p);
  ASSERT_EQ(r.alarm, 0);
  // 1500 after contributions is 1294.35, below 2000 x (1 - 13.71 %) = 1725.80.
  ASSERT_EQ(r.base.months.size(), 2u);
  EXPECT_EQ(r.base.months[0].year, 2016);
  EXPECT_TRUE(same_grosz(r.base.month_amounts[0], 1294.35)) << r.base.month_amounts[0];
  EXPECT_TRUE(r.base.raised_to_floor);
  EXPECT_TRUE(same_grosz(r.base.base, 1725.80)) << r.base.base;
  EXPECT_EQ(r.messages, std::vector<int>{200});
  // Two days of 46.02 (1725.80 x 80 % / 30); the short illness asks about
  // the unpaid first days, and agreeing pays none of the two.
  ASSERT_EQ(r.first_days_questions, std::vector<size_t>{1});
  AbsenceComponent& s = r.components[1];
  EXPECT_TRUE(same_grosz(s.KWO, 92.04)) << s.KWO;
  agree_first_days(s);
  EXPECT_EQ(s.ILD, 0);
  EXPECT_TRUE(same_grosz(s.KWO, 0));
}

TEST(AbsenceComponents, FailuresStopEveryComponent) {
  AbsenceMonthInput no_date = march_2017("N331", 1, 5);
  no_date.employee.hired = {};
  EXPECT_EQ(absence_components_of_month(no_date, params2017()).alarm, 28);
  AbsenceMonthInput no_time = march_2017("N331", 1, 5);
  no_time.employee.pay.WY2 = 0;
  AbsenceComponents r = absence_components_of_month(no_time, params2017());
  EXPECT_EQ(r.alarm, 17);
  EXPECT_TRUE(r.components.empty());
}

TEST(AveragesFill, MonthFromComponents) {
  AveragesFillInput in;
  in.year = 2017;
  in.month = 3;  // 23 working days
  in.pay_records = 1;
  in.social_base = 3000;
  in.social_base_before = 120000;
  in.yearly_limit = 121650;
  in.components = {{"D11", 3000, true, true, {}, {}, 0},
                   {"D121", 200, true, true, {}, {}, 0},
                   {"D221", 900, true, true, {2017, 1, 1}, {2017, 3, 31}, 0},
                   {"D100", 150, true, false, {}, {}, 0},
                   {"P331", 500, true, true, {2017, 3, 6}, {2017, 3, 10}, 5},
                   {"S313", 100, false, false, {}, {}, 0}};
  in.contracts = 400;
  AveragesValues v = fill_averages(in);
  EXPECT_EQ(v.IDR, 23);
  EXPECT_EQ(v.IDP, 18);
  EXPECT_TRUE(same_grosz(v.DOM, 3000) && same_grosz(v.DGN, 200) && same_grosz(v.POM, 500));
  EXPECT_TRUE(same_grosz(v.DOK, 900) && same_grosz(v.SKS, 300) && same_grosz(v.DNP, 150));
  EXPECT_TRUE(same_grosz(v.SMS, 3000)) << v.SMS;
  EXPECT_TRUE(same_grosz(v.DUZ, 400));
  EXPECT_EQ(v.DKO, (Date{2017, 1, 1}));
  EXPECT_TRUE(v.CCW);
  EXPECT_EQ(v.messages, std::vector<int>{167});
  AveragesFillInput empty;
  empty.year = 2017;
  empty.month = 3;
  empty.pay_records = 1;
  EXPECT_EQ(fill_averages(empty).messages, std::vector<int>{34});
}

}  // namespace
}  // namespace skolvarin::payroll
