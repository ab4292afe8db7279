// The employees register as a pick list of other registers: Enter on a
// person returns him (his record number in W3PRAC.DBF, the table then
// positioned on him); deleting is refused there.
#pragma once

namespace skolvarin::payroll {

// 0 and *recno set when a person was chosen, 27 when not.
int pick_employee(long* recno);

}  // namespace skolvarin::payroll
