#include "host/api/calendar.h"

#include <gtest/gtest.h>

namespace skolvarin {
namespace {

TEST(Calendar, LeapYearsAndMonthLengths) {
  EXPECT_FALSE(is_leap_year(1900));
  EXPECT_TRUE(is_leap_year(2000));
  EXPECT_TRUE(is_leap_year(2024));
  EXPECT_FALSE(is_leap_year(2023));
  EXPECT_EQ(days_in_month(1900, 2), 28);
  EXPECT_EQ(days_in_month(2000, 2), 29);
  EXPECT_EQ(days_in_month(2023, 4), 30);
  EXPECT_EQ(days_in_month(2023, 13), 0);
  EXPECT_EQ(last_day_of_month(2024, 2).day, 29);
}

TEST(Calendar, DayNumbersRoundTripAndCountDays) {
  EXPECT_EQ(day_number(Date{1, 1, 1}), 1);
  for (long n = 700000; n < 760000; n += 13) EXPECT_EQ(day_number(from_day_number(n)), n);
  // 2023-01-01 to 2024-01-01 is 365 days; 2024 to 2025 is 366.
  EXPECT_EQ(day_number(Date{2024, 1, 1}) - day_number(Date{2023, 1, 1}), 365);
  EXPECT_EQ(day_number(Date{2025, 1, 1}) - day_number(Date{2024, 1, 1}), 366);
  EXPECT_EQ(day_number(Date{}), 0);
}

TEST(Calendar, WeekdaysOfKnownDates) {
  EXPECT_EQ(weekday(Date{2026, 12, 5}), 6);  // a Saturday
  EXPECT_EQ(weekday(Date{2000, 1, 1}), 6);   // a Saturday
  EXPECT_EQ(weekday(Date{1993, 1, 1}), 5);   // a Friday
  EXPECT_EQ(weekday(Date{2024, 2, 29}), 4);  // a Thursday
}

TEST(Calendar, AddingMonthsCutsTheDay) {
  EXPECT_EQ(add_months(Date{2024, 1, 31}, 1), (Date{2024, 2, 29}));
  EXPECT_EQ(add_months(Date{2023, 1, 31}, 1), (Date{2023, 2, 28}));
  EXPECT_EQ(add_months(Date{2023, 12, 15}, 1), (Date{2024, 1, 15}));
  EXPECT_EQ(add_months(Date{2023, 1, 15}, -1), (Date{2022, 12, 15}));
  EXPECT_EQ(add_months(Date{2023, 3, 31}, -13), (Date{2022, 2, 28}));
}

TEST(Calendar, WorkingDaysSkipWeekendsAndDaysOff) {
  // May 2024: 23 weekdays, of which 1 May (Wed), 3 May (Fri) and 30 May
  // (Corpus Christi, Thu) are public holidays: 20 working days.
  std::set<long> off = {day_number(Date{2024, 5, 1}), day_number(Date{2024, 5, 3}),
                        day_number(Date{2024, 5, 30})};
  EXPECT_EQ(working_days(Date{2024, 5, 1}, Date{2024, 5, 31}, {}), 23);
  EXPECT_EQ(working_days(Date{2024, 5, 1}, Date{2024, 5, 31}, off), 20);
  EXPECT_EQ(working_days(Date{2024, 5, 31}, Date{2024, 5, 1}, off), 0);
}

TEST(Calendar, DbaseAndIsoForms) {
  Date d;
  EXPECT_TRUE(from_dbf("20240229", d));
  EXPECT_EQ(d, (Date{2024, 2, 29}));
  EXPECT_FALSE(from_dbf("20230229", d));
  EXPECT_FALSE(from_dbf("2023-2-1", d));
  EXPECT_TRUE(from_dbf("        ", d));
  EXPECT_TRUE(d.empty());
  EXPECT_EQ(to_dbf(Date{}), "        ");
  EXPECT_EQ(to_dbf(Date{2024, 3, 5}), "20240305");
  EXPECT_TRUE(from_iso("2026-12-05", d));
  EXPECT_EQ(to_iso(d), "2026-12-05");
  EXPECT_FALSE(from_iso("2026-02-30", d));
  EXPECT_EQ(to_shown(Date{2024, 3, 5}), "05-03-2024");
  EXPECT_EQ(to_shown(Date{987, 12, 31}), "31-12-0987");
  EXPECT_EQ(to_shown(Date{}), "");
}

}  // namespace
}  // namespace skolvarin
