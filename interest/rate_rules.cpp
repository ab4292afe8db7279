#include "interest/rate_rules.h"

namespace skolvarin::interest {

bool rate_date_accepted(const Date& d) { return !d.empty() && d.year >= 1993; }

TypeKey rate_type_key(int key) {
  if (key == 'r' || key == 'R') return {TypeKeyAction::Store, 'R'};
  if (key == 'd' || key == 'D') return {TypeKeyAction::Store, 'D'};
  // Typed characters (Latin-1 range and beyond it the Polish letters as
  // code points below the extended key codes) are refused; keys with a
  // zero low byte are the PC extended keys (F1.., arrows) and pass on.
  bool extended = key >= 0x100 && (key & 0xFF) == 0;
  if (key >= 32 && key != 127 && !extended) return {TypeKeyAction::Refuse, 0};
  return {TypeKeyAction::PassOn, 0};
}

}  // namespace skolvarin::interest
