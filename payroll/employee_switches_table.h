// The law switches of employees on disk: the side table W3PRAX (one row
// per person, keyed by REK) read into plain values, and the window
// " Przepisy " of the employees register that edits a person's row.
#pragma once

#include "data/module_state.h"
#include "payroll/employee_switches.h"

namespace skolvarin::payroll {

// The switches of person `rek` (W3PRAX is opened for the read when it is
// not open, and closed again); a person without a row has the defaults.
LawSwitches law_switches_of(long rek);

// What the current record of W3PRAC (open) gives for the law.
PersonForLaw person_for_law(const data::TableHandles& employees);

// The chain's inputs for the person W3PRAC (open) stands on, for a pay
// made on `on`: employee_law() over his stored switches.
EmployeeLaw employee_law(const data::TableHandles& employees, const Date& on);

// The window " Przepisy " for the person W3PRAC stands on: edits his row
// of W3PRAX (added on the first F2), refusing impossible combinations with
// their reason.  0 when saved, 27 when left without saving.
int edit_law_switches(const data::TableHandles& employees);

}  // namespace skolvarin::payroll
