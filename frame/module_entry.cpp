#include "frame/module_entry.h"

namespace skolvarin::frame {

int module_proc(HostContext* context, int flag) {
  if (flag != 0) return -1;
  if (!context) return -1;
  // The menu tree is built by the module frame (menus.cpp); until it exists
  // the module has nothing to show and returns at once.
  return 0;
}

}  // namespace skolvarin::frame
