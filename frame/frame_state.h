// The frame's part of the module-wide state: the month table, the current
// VAT rates and the handles of the menu windows of the running call of
// ModuleProc.  The tables, handles and main options live in the data
// dictionary's state (data/module_state.h); reset_module() clears both, so
// a test or a new call of ModuleProc starts from scratch.
//
// Invariants: months[1].days is 29 only after main options were read for a
// leap working year, else 28; a window handle slot is -1 when its window is
// not defined.
#pragma once

#include <array>

#include "host/api/context.h"

namespace skolvarin::frame {

struct MonthEntry {
  const char* name;  // "Styczeń" ... "Grudzień"
  int days;
};

// Menu windows of one menu tree, in building order; -1 = not defined.
struct MenuWindows {
  static constexpr int kMax = 4;
  std::array<int, kMax> handles{-1, -1, -1, -1};
};

struct FrameState {
  std::array<MonthEntry, 12> months{};
  std::array<double, 4> vat_rates{};   // the four current VAT rates, percent
  int saved_window = -1;               // selected before the main bar was built
  MenuWindows main_menus;              // main bar, Pomocnicze, Transp, Odsetki
  MenuWindows payroll_menus;           // payroll bar, its Pomocnicze
  int payroll_saved_window = -1;

  FrameState();
};

FrameState& frame_state();

// Days of month 1..12 from the month table (0 for another month).
int month_days(int month);
// Name of month 1..12 ("" for another month).
const char* month_name(int month);

// Clears the frame's state and the data dictionary's state.
void reset_module();

}  // namespace skolvarin::frame
