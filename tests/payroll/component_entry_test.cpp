// Periods, insurance titles and allowance counts of components entered on a
// pay record or copied as fixed components into the next month.
#include "payroll/component_entry.h"

#include <gtest/gtest.h>

#include "payroll/messages.h"

namespace skolvarin::payroll {
namespace {

TEST(ComponentEntry, PeriodsByCode) {
  struct Case {
    const char* code;
    int year, month;
    Date from, to;
    int ils;
  } cases[] = {
      {"D11", 2016, 2, {2016, 2, 1}, {2016, 2, 29}, 0},      // addition: the list month
      {"P901", 2017, 4, {2017, 4, 1}, {2017, 4, 30}, 0},
      {"D221", 2017, 5, {2017, 4, 1}, {2017, 6, 30}, 0},     // the quarter of May
      {"D221", 2017, 12, {2017, 10, 1}, {2017, 12, 31}, 0},
      {"D31", 2017, 5, {2017, 1, 1}, {2017, 12, 31}, 0},     // the year
      {"S313", 2017, 3, {2017, 3, 1}, {2017, 3, 31}, 0},     // benefit of the month
      {"S211", 2017, 3, {2017, 3, 1}, {2017, 3, 31}, 1},
      {"S322", 2017, 3, {2017, 3, 1}, {2017, 3, 31}, 1},
      {"S502", 2017, 3, {2017, 3, 1}, {2017, 3, 31}, 0},
      {"S215", 2017, 3, {2017, 3, 1}, {2017, 3, 31}, 0},
      {"S215", 2002, 3, {2003, 10, 1}, {2003, 10, 31}, 0},   // before 2003: October 2003
      {"S213", 2017, 3, {}, {}, 1},                          // benefit without a period
      {"S500", 2017, 3, {}, {}, 0},
  };
  for (const Case& c : cases) {
    ComponentPeriod p = new_component_period(c.code, c.year, c.month);
    EXPECT_EQ(p.DOD, c.from) << c.code << " " << c.month;
    EXPECT_EQ(p.DDO, c.to) << c.code << " " << c.month;
    EXPECT_EQ(p.ILS, c.ils) << c.code;
  }
  ComponentPeriod p140 = new_component_period("P140", 2017, 9, {2017, 8, 17});
  EXPECT_EQ(p140.DOD, (Date{2017, 8, 17}));
  EXPECT_TRUE(p140.DDO.empty());
}

TEST(ComponentEntry, InsuranceTitleOfTheComponent) {
  EXPECT_EQ(component_ktu("P121", "011026"), "121126");
  EXPECT_EQ(component_ktu("S502", "011026"), "121126");
  EXPECT_EQ(component_ktu("S311", "011000"), "124000");
  EXPECT_EQ(component_ktu("P327", "011010"), "124010");
  EXPECT_EQ(component_ktu("S350", "011000"), "12xx00");
  EXPECT_EQ(component_ktu("D11", "011026"), "011026");
  EXPECT_EQ(component_ktu("S313", "011026"), "011026");
}

TEST(ComponentEntry, FixedComponentMovedToTheNextMonth) {
  struct Case {
    Date dod, ddo;
    int year, month;
    Date from, to;
  } cases[] = {
      // Whole January to February: the month end follows.
      {{2017, 1, 1}, {2017, 1, 31}, 2017, 2, {2017, 2, 1}, {2017, 2, 28}},
      // Whole February (leap year) to March: 29th was the month end.
      {{2016, 2, 1}, {2016, 2, 29}, 2016, 3, {2016, 3, 1}, {2016, 3, 31}},
      // A day beyond the new month is cut to its length.
      {{2017, 1, 30}, {2017, 1, 30}, 2017, 2, {2017, 2, 28}, {2017, 2, 28}},
      // Other days are kept.
      {{2017, 3, 10}, {2017, 3, 20}, 2017, 4, {2017, 4, 10}, {2017, 4, 20}},
      // 30 April is the month end: the 31st of May.
      {{2017, 4, 5}, {2017, 4, 30}, 2017, 5, {2017, 5, 5}, {2017, 5, 31}},
  };
  for (const Case& c : cases) {
    ComponentPeriod p = fixed_component_period(c.dod, c.ddo, c.year, c.month);
    EXPECT_EQ(p.DOD, c.from) << c.month;
    EXPECT_EQ(p.DDO, c.to) << c.month;
  }
  ComponentPeriod none = fixed_component_period({}, {}, 2017, 5);
  EXPECT_TRUE(none.DOD.empty() && none.DDO.empty());
}

TEST(ComponentEntry, CalendarHoursOfAMonth) {
  WorkCalendar c = default_calendar(2016);
  EXPECT_EQ(calendar_hours(c, 1).hours, 152);
  EXPECT_EQ(calendar_hours(c, 1).message, 0);
  c.hours[4] = 0;
  EXPECT_EQ(calendar_hours(c, 5).message, msg::kNoCalendarHours);
  EXPECT_EQ(calendar_hours(c, 13).message, msg::kNoCalendarHours);
}

}  // namespace
}  // namespace skolvarin::payroll
