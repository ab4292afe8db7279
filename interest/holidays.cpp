#include "interest/holidays.h"

#include <algorithm>

namespace skolvarin::interest {

Date easter_sunday(int year) {
  // Anonymous Gregorian computus (Meeus/Jones/Butcher).
  int a = year % 19, b = year / 100, c = year % 100;
  int d = b / 4, e = b % 4;
  int f = (b + 8) / 25, g = (b - f + 1) / 3;
  int h = (19 * a + b - d - g + 15) % 30;
  int i = c / 4, k = c % 4;
  int l = (32 + 2 * e + 2 * i - h - k) % 7;
  int m = (a + 11 * h + 22 * l) / 451;
  int month = (h + l - 7 * m + 114) / 31;
  int day = (h + l - 7 * m + 114) % 31 + 1;
  return Date{year, month, day};
}

std::vector<Date> public_holidays(int year) {
  std::vector<Date> days;
  if (year < 1990 || year > 2099) return days;
  const struct {
    int month, day, from_year, to_year;
  } fixed[] = {
      {1, 1, 1990, 9999},   {1, 6, 2011, 9999},   {5, 1, 1990, 9999},   {5, 3, 1990, 9999},
      {8, 15, 1990, 9999},  {11, 1, 1990, 9999},  {11, 11, 1990, 9999}, {11, 12, 2018, 2018},
      {12, 24, 2025, 9999}, {12, 25, 1990, 9999}, {12, 26, 1990, 9999},
  };
  for (const auto& f : fixed)
    if (year >= f.from_year && year <= f.to_year) days.push_back(Date{year, f.month, f.day});
  Date easter = easter_sunday(year);
  for (int offset : {0, 1, 49, 60}) days.push_back(add_days(easter, offset));
  std::sort(days.begin(), days.end());
  return days;
}

}  // namespace skolvarin::interest
