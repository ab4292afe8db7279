// Calendar dates as bookkeepers use them: a year, a month and a day, with no
// time of day and no time zone.
//
// Day numbers count days from 0001-01-01 (day 1) in the proleptic Gregorian
// calendar, so the difference of two day numbers is the number of days
// between the dates.  A blank date (year 0) has day number 0.  The dBASE
// form of a date is 8 characters "YYYYMMDD"; a blank date is 8 blanks.
#pragma once

#include <set>
#include <string>
#include <string_view>

#include "host/api/context.h"

namespace skolvarin {

using Date = HostDate;

bool is_leap_year(int year);
int days_in_month(int year, int month);       // 1..12; 0 for a bad month
Date last_day_of_month(int year, int month);
bool is_valid_date(const Date& d);            // a real day, years 1..9999

long day_number(const Date& d);               // 0 for a blank date
Date from_day_number(long n);                 // n <= 0 gives a blank date
int weekday(const Date& d);                   // ISO: 1 Monday .. 7 Sunday
Date add_days(const Date& d, long n);
// The same day `months` months later (or earlier), cut to the month's length:
// 2024-01-31 + 1 month = 2024-02-29.
Date add_months(const Date& d, int months);

// Working days from `from` to `to` inclusive: neither Saturday nor Sunday nor
// one of `days_off` (day numbers).  0 when to < from.
int working_days(const Date& from, const Date& to, const std::set<long>& days_off);

// "YYYYMMDD" (dBASE field form); a blank date gives 8 blanks.
std::string to_dbf(const Date& d);
// Parses "YYYYMMDD"; blanks give a blank date; anything else invalid gives
// false.
bool from_dbf(std::string_view s, Date& out);
// "YYYY-MM-DD" form used on command lines and in XML.
std::string to_iso(const Date& d);
bool from_iso(std::string_view s, Date& out);
// "DD-MM-YYYY", as screens and printouts show a date; a blank date gives "".
std::string to_shown(const Date& d);


}  // namespace skolvarin
