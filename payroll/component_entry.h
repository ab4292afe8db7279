// What a payroll component gets when it is entered on a pay record or
// copied as a fixed component into the next month: its period, its
// insurance title code and its number of allowances.  Pure rules by
// catalogue code; amounts that come from the employee (base pay, family
// allowances) are filled by the register.
#pragma once

#include <string>
#include <string_view>

#include "host/api/calendar.h"
#include "payroll/parameters.h"

namespace skolvarin::payroll {

struct ComponentPeriod {
  Date DOD, DDO;  // empty when the component has no period
  int ILS = 0;    // number of allowances, 1 for S211, S213, S321..S324
};

// Period of a new component of a pay record of `month` in `year`.  `DPM`
// is the employee's date of exceeding the yearly base (P140 starts on it).
ComponentPeriod new_component_period(std::string_view code, int year, int month, const Date& DPM = {});

// Insurance title code a component is reported under: some codes carry
// their own title before characters 5 and 6 of the record's code.
std::string component_ktu(std::string_view code, std::string_view record_ktu);

// A fixed component's period moved from its month to the next list month
// (`year`, `month`): days kept, cut to the new month's length, and the last
// day of the old month becomes the last day of the new one.
ComponentPeriod fixed_component_period(const Date& DOD, const Date& DDO, int year, int month);

// Working hours of a month of the calendar; 0 hours gives message 210.
struct CalendarHours {
  int hours = 0;
  int message = 0;
};
CalendarHours calendar_hours(const WorkCalendar& calendar, int month);

}  // namespace skolvarin::payroll
