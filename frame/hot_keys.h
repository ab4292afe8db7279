// The module's hot keys at menu level.
//   Shift+F2: the host's notes editor, one note per module and working
//             year: "kartoteki"/"KAN"/6 at the main bar, "płace"/"PLA"/10
//             inside the payroll bar.
//   Shift+F3: change of firm; does nothing while any table is open.
#pragma once

#include "host/api/context.h"

namespace skolvarin::frame {

int register_notes_key(int key);
int payroll_notes_key(int key);
int change_firm_key(int key);

}  // namespace skolvarin::frame
