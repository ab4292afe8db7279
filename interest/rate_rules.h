// Rules of the interest-rate and days-off registers, as plain functions:
// which dates a row may start on and how the type field takes its keys.
#pragma once

#include "host/api/calendar.h"

namespace skolvarin::interest {

// Host alarm of a date before 1993.
inline constexpr int kAlarmBefore1993 = 20159;
// "Wybierz 'R' lub 'D'".
inline constexpr int kMessageChooseType = 288;

// A row's date: filled and in 1993 or later.
bool rate_date_accepted(const Date& d);

// What one key typed in the type field does: stores 'R' or 'D' and ends the
// field ("r" and "d" count as their capitals), is refused (any other
// character: the user is told and the field waits), or is passed on
// unchanged (control and navigation keys, Esc, F2).
enum class TypeKeyAction { Store, Refuse, PassOn };
struct TypeKey {
  TypeKeyAction action = TypeKeyAction::PassOn;
  char value = 0;  // 'R' or 'D' when stored
};
TypeKey rate_type_key(int key);

}  // namespace skolvarin::interest
