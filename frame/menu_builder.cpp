#include "frame/menu_builder.h"

namespace skolvarin::frame {

const MenuHost& real_menu_host() {
  static const MenuHost host{&w4select, &DefineMenuWindow, &MenuDefineItem, &n4lotus,
                             &n4activate, &w4close, &n4char_routine, &g4set_key_to};
  return host;
}

bool build_menu_tree(const MenuHost& host, std::span<const MenuSpec> tree, MenuWindows& windows) {
  windows = MenuWindows();
  for (size_t w = 0; w < tree.size() && w < MenuWindows::kMax; ++w) {
    int handle = host.define_menu(-1, -1);
    if (handle < 0) {
      close_menu_tree(host, windows);
      return false;
    }
    windows.handles[w] = handle;
    for (const MenuItemSpec& item : tree[w].items) {
      int* slot = item.submenu >= 0 ? &windows.handles[static_cast<size_t>(item.submenu)] : nullptr;
      host.define_item(item.label, item.menu_id, static_cast<signed char>(item.key), item.code,
                       handler_for(item.action), slot);
    }
  }
  return true;
}

void close_menu_tree(const MenuHost& host, MenuWindows& windows) {
  for (size_t i = MenuWindows::kMax; i-- > 0;) {
    if (windows.handles[i] >= 0) host.close(windows.handles[i]);
    windows.handles[i] = -1;
  }
}

int run_menu_bar(const MenuHost& host, const MenuWindows& windows) {
  int bar = windows.handles[0];
  host.lotus(bar);
  int rc;
  do {
    rc = host.activate(bar, 1, 0, 0, 1);
  } while (rc == 47);
  return rc;
}

}  // namespace skolvarin::frame
