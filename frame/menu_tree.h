// The module's menu trees as data: every window with its items (label,
// help id, key byte, register code, what choosing the item does, and the
// window its pull-down opens).
//
// A tree is listed in building order: window 0 first with its items, then
// every other window with its items.  An item opens the pull-down
// `submenu` (an index into the same tree) or runs `action` with `code`;
// never both.  Labels are UTF-8 with one blank on each side.  Key bytes: the
// low seven bits are the item's hot letter; bit 7 is set on every item but
// the five "clear" ones.
#pragma once

#include <span>

#include "host/api/screen_api.h"

namespace skolvarin::frame {

enum class MenuAction {
  None,               // opens a pull-down
  GeneralDispatcher,  // code = register code
  PayrollDispatcher,  // code = register code
  PayrollBar,         // the payroll menu bar
  Settlements,
  InterestNotes,
  InterestCalculator,
  StatutoryRates,
  TaxArrearsRates,
  Holidays,
};

struct MenuItemSpec {
  const char* label;
  int menu_id;
  unsigned char key;
  int code;            // -1 when the item has none
  MenuAction action;
  int submenu;         // index of the pull-down in the tree, -1 for none
};

struct MenuSpec {
  const char* name;    // for messages and tests
  std::span<const MenuItemSpec> items;
};

// Main bar, Pomocnicze, Transp, Odsetki.
std::span<const MenuSpec> main_menu_tree();
// Payroll bar, its Pomocnicze.
std::span<const MenuSpec> payroll_menu_tree();

// The host handler that carries out an action (nullptr for None).
MenuHandler handler_for(MenuAction action);

}  // namespace skolvarin::frame
