// Entry of the module: start-up, the main menu loop and the way out.
#pragma once

#include "frame/menu_builder.h"
#include "host/api/context.h"

namespace skolvarin::frame {

// Start-up calls that are not menu calls, so tests can watch the order.
struct EntryHost {
  int (*register_resources)(HostContext* ctx);
  int (*load_main_options)(HostContext* ctx);
};
const EntryHost& real_entry_host();

// One call of ModuleProc:
//   1. flag not 0: return -1 and do nothing else;
//   2. keep the context; 3. register the resources (kind 3);
//   4. load the main options (a failure is ignored: the reader told the
//      user and the menu is still built);
//   5. remember the selected window; 6. bind Shift+F2 and Shift+F3;
//   7. build the menu tree (main bar, Pomocnicze, Transp, Odsetki); when a
//      window cannot be defined, close the ones made in reverse order,
//      select the saved window and return 0;
//   8. install the key reader, make the main window a bar and activate it
//      while the host returns 47;
//   9. remove the key reader, close Odsetki, Transp, Pomocnicze and the main
//      window, select the saved window, return 0.
// The hot keys are unbound before returning, so nothing of the module stays
// bound in the host once the module is gone.
int run_module(const EntryHost& entry, const MenuHost& menus, HostContext* context, int flag);

int module_proc(HostContext* context, int flag);

}  // namespace skolvarin::frame
