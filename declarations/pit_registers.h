// The PIT-4R and PIT-8AR registers: the twelve months of the working year
// with " Oblicz ", the form's print, " Przelew " (a tax transfer of the
// current month's amount to pay) and the e-declaration export.  The payroll
// list's " PIT " opens PIT-4R, the contracts' " PIT-R " opens PIT-8AR.  Both
// refuse a working year before 2013 with message 186.
//
// Each opens its table when it is not open yet and closes it again only
// then; returns 0.
#pragma once

namespace skolvarin::declarations {

int pit4r_register();
int pit8ar_register();

}  // namespace skolvarin::declarations
