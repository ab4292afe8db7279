// Building, running and closing a menu tree through the host's menu calls.
//
// build_menu_tree defines the tree's windows in order (window 0, its items,
// then each further window and its items); items always go to the window
// defined last, and an item with a pull-down passes the address of the
// pull-down's handle slot, filled when that window is defined.  A negative
// handle stops the building: the windows already made are closed in
// reverse order and the slots cleared.
//
// The host calls go through MenuHost so tests can watch the order.
#pragma once

#include <span>

#include "frame/frame_state.h"
#include "frame/menu_tree.h"
#include "host/api/screen_api.h"

namespace skolvarin::frame {

struct MenuHost {
  int (*select)(int window);
  int (*define_menu)(int row, int col);
  int (*define_item)(const char* label, int menu_id, signed char key, int code,
                     MenuHandler handler, int* submenu);
  int (*lotus)(int window);
  int (*activate)(int window, int remember, int start_item, int reserved, int redraw);
  int (*close)(int window);
  void (*char_routine)(HostKeyReader reader);
  int (*set_key)(int key, HostKeyHandler handler);
};

const MenuHost& real_menu_host();

// Returns true when every window was defined.
bool build_menu_tree(const MenuHost& host, std::span<const MenuSpec> tree, MenuWindows& windows);

// Closes the tree's windows in reverse building order and clears the slots.
void close_menu_tree(const MenuHost& host, MenuWindows& windows);

// Makes window 0 a bar and activates it with 1, 0, 0, 1 for as long as the
// host returns 47.  Returns the value that ended the loop.
int run_menu_bar(const MenuHost& host, const MenuWindows& windows);

}  // namespace skolvarin::frame
