// The " Płace " item: a second horizontal menu bar with the payroll
// registers and its own Pomocnicze pull-down, run until the user leaves it.
// While it runs Shift+F2 opens the payroll notes; leaving it gives Shift+F2
// back to the registers' notes.
#pragma once

#include "frame/menu_builder.h"

namespace skolvarin::frame {

int run_payroll_bar(const MenuHost& host);

// Menu handler of " Płace ".
int payroll_bar(int code);

}  // namespace skolvarin::frame
