// The module's hot keys at menu level.
//   Shift+F2: the host's notes editor, one note per module and working
//             year: "kartoteki"/"KAN"/6 at the main bar, "płace"/"PLA"/10
//             inside the payroll bar.
//   Shift+F3: change of firm; does nothing while any table is open.
//   Shift+F4: change of the working year (1990 to 2100): asked in a small
//             window, written to the main options (key 3), February and
//             the VAT rates follow it, the title line shows it.
#pragma once

#include "host/api/context.h"

namespace skolvarin::frame {

int register_notes_key(int key);
int payroll_notes_key(int key);
int change_firm_key(int key);
int working_year_key(int key);
// The window " Rok roboczy " with `proposed` in it: F2 makes the typed year
// the working year, Esc keeps the one there is.  Nothing while a table is open.
void ask_working_year(HostContext* ctx, int proposed);

inline constexpr int kFirstWorkingYear = 1990, kLastWorkingYear = 2100;
// Makes `year` the working year as the key does without asking; -1 for a
// year out of range (nothing changes) or when the options cannot be written.
int set_working_year(HostContext* ctx, int year);

}  // namespace skolvarin::frame
