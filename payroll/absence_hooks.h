// Where the payroll lists meet the absences: the components window's F5
// "Nieobecności" and the question of an opened record ("Czy dodać składniki
// wynikające z nieobecności za %s %d ?") turn the absences of a month into
// components of a pay record; F4 "Nieobecności" in the list shows the
// absences of the current person.
//
// The absences service installs its functions here; until it does, the
// defaults add nothing and say so in Polish (absence_hook_missing_text).
#pragma once

#include <string>

#include "payroll/pay_lists.h"

namespace skolvarin::payroll {

// Appends the components of the absences of (year, month) to the pay record:
// the number appended, or -1 when nothing could be done (`message` says why,
// in Polish).
using AbsenceComponentsFn = int (*)(const ListEnv& env, const PayRecord& rec, int year, int month,
                                    std::string* message);
// Shows the absences of one person; 0, or -1 with `message`.
using ShowAbsencesFn = int (*)(long kod, std::string* message);

void set_absence_hooks(AbsenceComponentsFn components, ShowAbsencesFn show);

int absence_components_for(const ListEnv& env, const PayRecord& rec, int year, int month, std::string* message);
int show_absences_of(long kod, std::string* message);

// The text the defaults give.
const char* absence_hook_missing_text();

}  // namespace skolvarin::payroll
