// Rules of the pay-component dictionary as plain values: which codes it
// takes and the switches a code brings with it.
//
// A code begins with D (addition), S (benefit), P (deduction) or N
// (absence).  An absence carries no tax, ZUS, base-pay or average switches
// of its own; any other code gets the usual ones (taxed, subject to ZUS,
// not reducing the base pay, counted for averages) when none are set yet.
#pragma once

#include <string>
#include <string_view>

namespace skolvarin::payroll {

inline constexpr int kMsgBadComponentType = 13;   // "Błąd typu składnika !"
inline constexpr int kMsgComponentKinds = 5;  // "(Dxxx-Dodatek,Sxxx-Świadczenie,Pxxx-potrącenie,Nxxx-Nieobecność) !"

// 0 when the dictionary takes `code`, else message 13 (to be shown with 5).
int component_code_error(std::string_view code);

// True for an absence code (first letter N).
bool is_absence_code(std::string_view code);

struct ComponentSwitches {
  std::string pod, zus, obn, sre, usu;  // "T", "N" or "" (blank)
};
// Switches of a new dictionary entry.
ComponentSwitches new_component_switches();
// Switches after a valid code was entered over `current`.
ComponentSwitches switches_after_code(std::string_view code, const ComponentSwitches& current);

}  // namespace skolvarin::payroll
