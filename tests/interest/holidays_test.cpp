#include "interest/holidays.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace skolvarin::interest {
namespace {

TEST(Holidays, EasterSundayOfKnownYears) {
  const Date known[] = {
      {1818, 3, 22},  // earliest possible date
      {1993, 4, 11}, {2000, 4, 23}, {2008, 3, 23}, {2011, 4, 24}, {2016, 3, 27},
      {2019, 4, 21}, {2024, 3, 31}, {2025, 4, 20},
      {2038, 4, 25},  // latest possible date
      {2050, 4, 10},
  };
  for (const Date& d : known) {
    EXPECT_EQ(easter_sunday(d.year), d) << d.year;
    EXPECT_EQ(weekday(d), 7) << d.year;
  }
}

TEST(Holidays, CountPerYearFollowsTheLaw) {
  const struct {
    int year;
    size_t count;
  } cases[] = {
      {1993, 12}, {2004, 12}, {2010, 12},  // before 6 January came back
      {2011, 13}, {2017, 13},
      {2018, 14},                          // the one-off 12 November 2018
      {2019, 13}, {2024, 13},
      {2025, 14}, {2050, 14},              // 24 December from 2025
      {1989, 0},  {2100, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(public_holidays(c.year).size(), c.count) << c.year;
}

TEST(Holidays, ListOf2024) {
  const std::vector<Date> expected = {
      {2024, 1, 1},  {2024, 1, 6},   {2024, 3, 31},  {2024, 4, 1},   {2024, 5, 1},
      {2024, 5, 3},  {2024, 5, 19},  {2024, 5, 30},  {2024, 8, 15},  {2024, 11, 1},
      {2024, 11, 11}, {2024, 12, 25}, {2024, 12, 26},
  };
  EXPECT_EQ(public_holidays(2024), expected);
}

TEST(Holidays, MovableAndDatedHolidays) {
  auto has = [](const Date& d) {
    auto v = public_holidays(d.year);
    return std::find(v.begin(), v.end(), d) != v.end();
  };
  EXPECT_TRUE(has({2018, 11, 12}));
  EXPECT_FALSE(has({2019, 11, 12}));
  EXPECT_FALSE(has({2010, 1, 6}));
  EXPECT_TRUE(has({2011, 1, 6}));
  EXPECT_FALSE(has({2024, 12, 24}));
  EXPECT_TRUE(has({2025, 12, 24}));
  // 2025: Easter 20 April, Monday 21 April, Pentecost 8 June, Corpus Christi 19 June.
  EXPECT_TRUE(has({2025, 4, 21}));
  EXPECT_TRUE(has({2025, 6, 8}));
  EXPECT_TRUE(has({2025, 6, 19}));
  EXPECT_EQ(weekday({2025, 6, 19}), 4);  // Corpus Christi is a Thursday
  // 1993: Easter 11 April, Corpus Christi 10 June.
  EXPECT_TRUE(has({1993, 4, 12}));
  EXPECT_TRUE(has({1993, 6, 10}));
}

}  // namespace
}  // namespace skolvarin::interest
