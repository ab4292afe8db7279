// Public holidays of Poland (days off work by the holidays act), as a pure
// function of the year.
//
// The list is the one in force on each date: 1 January, Easter Sunday and
// Monday, 1 May, 3 May, Pentecost Sunday, Corpus Christi (Easter + 60 days),
// 15 August, 1 November, 11 November, 25 and 26 December in every year from
// 1990 on; 6 January from 2011; 24 December from 2025; and the one-off day
// off of 12 November 2018.  Saturdays and Sundays are not listed unless a
// holiday falls on them (Easter Sunday and Pentecost Sunday always do).
// Years before 1990 and after 2099 give an empty list.
#pragma once

#include <vector>

#include "host/api/calendar.h"

namespace skolvarin::interest {

// Easter Sunday of the Gregorian calendar (any year from 1583).
Date easter_sunday(int year);

// The year's public holidays in date order.
std::vector<Date> public_holidays(int year);

}  // namespace skolvarin::interest
