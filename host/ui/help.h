// Help (F1): a window with the text of the current help id, read anywhere
// a key is read.  The help id is the menu id of the highlighted menu item
// while a menu waits, and the id of the item that started a register for
// as long as the register runs (its list, forms and pickers).
#pragma once

#include <string>

namespace skolvarin::host {

class Screen;

// The help text of `id` (our own Polish texts: what a register is for, its
// keys, its columns, its usual tasks); a general text for an id without one.
std::string help_text(int id);
// Whether `id` has a text of its own.
bool has_help_text(int id);

// Shows the help window of `id` until Enter or Esc.
void show_help(Screen& screen, int id);

}  // namespace skolvarin::host
