#include "host/api/calendar.h"

#include <cstdio>

namespace skolvarin {

bool is_leap_year(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int days_in_month(int y, int m) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (m < 1 || m > 12) return 0;
  return m == 2 && is_leap_year(y) ? 29 : kDays[m - 1];
}

Date last_day_of_month(int y, int m) { return Date{y, m, days_in_month(y, m)}; }

bool is_valid_date(const Date& d) {
  return d.year >= 1 && d.year <= 9999 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
         d.day <= days_in_month(d.year, d.month);
}

// Days from civil, shifted so that 0001-01-01 is day 1.
long day_number(const Date& d) {
  if (d.empty()) return 0;
  long y = d.year, m = d.month, dd = d.day;
  y -= m <= 2;
  long era = (y >= 0 ? y : y - 399) / 400;
  long yoe = y - era * 400;
  long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + dd - 1;
  long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  long days_since_0000_03_01 = era * 146097 + doe;
  return days_since_0000_03_01 - 305;  // 0001-01-01 -> 1
}

Date from_day_number(long n) {
  if (n <= 0) return Date{};
  long z = n + 305;
  long era = (z >= 0 ? z : z - 146096) / 146097;
  long doe = z - era * 146097;
  long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long y = yoe + era * 400;
  long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  long mp = (5 * doy + 2) / 153;
  long d = doy - (153 * mp + 2) / 5 + 1;
  long m = mp + (mp < 10 ? 3 : -9);
  return Date{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

int weekday(const Date& d) {
  // 0001-01-01 was a Monday.
  long n = day_number(d);
  return static_cast<int>((n - 1) % 7) + 1;
}

Date add_days(const Date& d, long n) { return from_day_number(day_number(d) + n); }

Date add_months(const Date& d, int months) {
  if (d.empty()) return d;
  long total = static_cast<long>(d.year) * 12 + (d.month - 1) + months;
  int y = static_cast<int>(total / 12);
  int m = static_cast<int>(total % 12) + 1;
  int day = d.day;
  int len = days_in_month(y, m);
  if (day > len) day = len;
  return Date{y, m, day};
}

int working_days(const Date& from, const Date& to, const std::set<long>& days_off) {
  long a = day_number(from), b = day_number(to);
  int count = 0;
  for (long n = a; n <= b; ++n) {
    int wd = static_cast<int>((n - 1) % 7) + 1;
    if (wd >= 6) continue;
    if (days_off.count(n)) continue;
    ++count;
  }
  return count;
}

std::string to_dbf(const Date& d) {
  if (d.empty()) return std::string(8, ' ');
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", d.year, d.month, d.day);
  return buf;
}

static bool digits(std::string_view s, int& out) {
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  out = v;
  return true;
}

bool from_dbf(std::string_view s, Date& out) {
  if (s.size() != 8) return false;
  if (s.find_first_not_of(' ') == std::string_view::npos) {
    out = Date{};
    return true;
  }
  Date d;
  if (!digits(s.substr(0, 4), d.year) || !digits(s.substr(4, 2), d.month) ||
      !digits(s.substr(6, 2), d.day) || !is_valid_date(d))
    return false;
  out = d;
  return true;
}

std::string to_iso(const Date& d) {
  if (d.empty()) return "";
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
  return buf;
}

std::string to_shown(const Date& d) {
  if (d.empty()) return "";
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", d.day, d.month, d.year);
  return buf;
}

bool from_iso(std::string_view s, Date& out) {
  if (s.size() != 10 || s[4] != '-' || s[7] != '-') return false;
  Date d;
  if (!digits(s.substr(0, 4), d.year) || !digits(s.substr(5, 2), d.month) ||
      !digits(s.substr(8, 2), d.day) || !is_valid_date(d))
    return false;
  out = d;
  return true;
}

}  // namespace skolvarin
