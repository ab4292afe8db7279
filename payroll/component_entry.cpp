#include "payroll/component_entry.h"

#include <algorithm>

#include "payroll/component_catalogue.h"
#include "payroll/messages.h"

namespace skolvarin::payroll {
namespace {

constexpr std::string_view kMonthBenefits[] = {
    "S211", "S212", "S220", "S311", "S312", "S313", "S314", "S321", "S322", "S331", "S332", "S333", "S334",
    "S350", "S319", "S320", "S325", "S326", "S327", "S328", "S398", "S399", "S329"};
constexpr std::string_view kBenefitsFrom2003[] = {"S214", "S215", "S216", "S315", "S316",
                                                  "S317", "S318", "S323", "S324"};
constexpr std::string_view kOneAllowance[] = {"S211", "S213", "S321", "S322", "S323", "S324"};
constexpr std::string_view kTitle1211[] = {"P121", "P122", "S502"};
constexpr std::string_view kTitle1240[] = {"P155", "P311", "S311", "P319", "P325", "P327", "S319",
                                           "S320", "S325", "S326", "S327", "S328", "S329"};

Date first_day(int year, int month) { return {year, month, 1}; }

Date cut_to_month(int day, int year, int month) { return {year, month, std::min(day, days_in_month(year, month))}; }

}  // namespace

ComponentPeriod new_component_period(std::string_view code_text, int year, int month, const Date& DPM) {
  const std::string_view code = trim_code(code_text);
  ComponentPeriod c;
  if (code.empty()) return c;
  if (code[0] == 'D' || code[0] == 'P') {
    c.DOD = first_day(year, month);
    c.DDO = last_day_of_month(year, month);
  }
  if (code == "D221") {
    const int first = (month - 1) / 3 * 3 + 1;
    c.DOD = first_day(year, first);
    c.DDO = last_day_of_month(year, first + 2);
  } else if (code == "D31") {
    c.DOD = {year, 1, 1};
    c.DDO = {year, 12, 31};
  } else if (code == "S502" || code_in(code, kMonthBenefits)) {
    c.DOD = first_day(year, month);
    c.DDO = last_day_of_month(year, month);
  } else if (code_in(code, kBenefitsFrom2003)) {
    const int y = year >= 2003 ? year : 2003;
    const int m = year >= 2003 ? month : 10;
    c.DOD = first_day(y, m);
    c.DDO = last_day_of_month(y, m);
  } else if (code == "P140") {
    c.DOD = DPM;
    c.DDO = {};
  }
  if (code_in(code, kOneAllowance)) c.ILS = 1;
  return c;
}

std::string component_ktu(std::string_view code, std::string_view record_ktu) {
  std::string tail = record_ktu.size() > 4 ? std::string(record_ktu.substr(4, 2)) : std::string();
  if (code_in(code, kTitle1211)) return "1211" + tail;
  if (code_in(code, kTitle1240)) return "1240" + tail;
  if (trim_code(code) == "S350") return "12xx" + tail;
  return std::string(record_ktu);
}

ComponentPeriod fixed_component_period(const Date& DOD, const Date& DDO, int year, int month) {
  ComponentPeriod c;
  if (!DOD.empty()) c.DOD = cut_to_month(DOD.day, year, month);
  if (!DDO.empty()) {
    const bool month_end = DDO.day == days_in_month(DDO.year, DDO.month);
    c.DDO = month_end ? last_day_of_month(year, month) : cut_to_month(DDO.day, year, month);
  }
  return c;
}

CalendarHours calendar_hours(const WorkCalendar& calendar, int month) {
  CalendarHours h;
  h.hours = calendar.hours_of(month);
  if (h.hours == 0) h.message = msg::kNoCalendarHours;
  return h;
}

}  // namespace skolvarin::payroll
