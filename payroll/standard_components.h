// The standard dictionary of pay components a new firm starts with: every
// code of the component catalogue and of the absence catalogue with a
// Polish name, its ZUS code and the switches a Polish payroll uses for it.
//
// Switches by kind: additions (D) are taxed, subject to ZUS and count for
// averages (holiday equivalent and jubilee awards do not; the employer's
// PPK payment is not subject to ZUS); benefits (S) are taxed but not
// subject to ZUS and do not count for averages, the family, nursing and
// child-raising allowances are not taxed; deductions for absence (P1xx,
// P3xx) are taxed, subject to ZUS, reduce the base pay and count for
// averages; deductions from net pay (P9xx) carry no switch; absences (N)
// have none.  Every entry may be modified on the list.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "host/api/context.h"

namespace skolvarin::payroll {

struct StandardComponent {
  std::string_view code;  // KGS
  std::string_view zus;   // KZU (3 digits or empty)
  std::string_view name1, name2;
};

std::span<const StandardComponent> standard_components();

struct ComponentSwitchSet {
  const char *pod, *zus, *obn, *sre, *usu;
};
ComponentSwitchSet standard_switches(std::string_view code);

// Adds to W3PELI.DBF (shared directory, opened and closed here) every
// standard code it does not hold yet; codes already there, changed by the
// user or not, stay.  0, or -1 when the table cannot be opened or written.
int add_standard_components(HostContext* ctx, int& added, int& present);

}  // namespace skolvarin::payroll
