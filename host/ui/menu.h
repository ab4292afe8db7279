// Menus: menu windows as data, and the loop that runs them (n4activate).
//
// A menu is a window with items; vertical (a pull-down) by default, a
// horizontal bar after n4lotus.  An item either opens a pull-down (its
// submenu slot holds a window handle when chosen) or calls its handler.
// The hot letter of an item is the low 7 bits of its key byte; when
// several items of one menu share a letter, the letter moves the highlight
// to the next of them instead of choosing.
//
// Invariants: a menu's window is sized and placed from its items when it
// is shown; `selected` is always a valid item index when there are items.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "host/api/screen_api.h"

namespace skolvarin::host {

class Screen;

struct MenuItem {
  std::string label;
  int menu_id = 0;
  unsigned char key = 0;
  int code = -1;
  MenuHandler handler = nullptr;
  int* submenu = nullptr;
  char hot() const { return static_cast<char>(key & 0x7F); }
};

struct Menu {
  bool bar = false;
  int row = -1, col = -1;  // requested corner (-1: host places it)
  std::vector<MenuItem> items;
  int selected = 0;
};

class MenuSet {
 public:
  // Records a menu for an existing window; it becomes the "defined last".
  void add(int window, int row, int col, bool bar);
  Menu* get(int window);
  void remove(int window);
  int last() const { return last_; }

 private:
  std::map<int, Menu> menus_;
  int last_ = -1;
};

// The check of a user's right to a menu item (its menu id), asked before
// the item's handler runs; a refused item tells "Brak uprawnień do tej
// funkcji !" and runs nothing.  Unset: every item is allowed.
void set_menu_right_check(std::function<bool(int menu_id)> check);

// The question Esc on the main menu (the outermost bar) asks first.
inline constexpr const char* kLeaveQuestion = "Czy zakończyć pracę ?";

// Runs a menu as n4activate does (see host/api/screen_api.h): returns 47
// after an item's handler ran, 27 on Esc (on the
// outermost bar only after the user confirmed kLeaveQuestion), -1 for a window that is no menu.
int run_menu(Screen& screen, int window, int remember, int start_item, int redraw);

// Shows a menu window at its place and draws its items (for tests and for
// a redraw without reading keys).  `parent_row`/`parent_col` is where a
// pull-down hangs from (-1: its own place).
void show_menu(Screen& screen, int window, int parent_row = -1, int parent_col = -1);

// Index of the column where item `i` of a bar starts (inside the window).
int bar_item_col(const Menu& menu, int i);

}  // namespace skolvarin::host
