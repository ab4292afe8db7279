// Entry of the module: start-up, the main menu loop and the way out.
#pragma once

#include "host/api/context.h"

namespace skolvarin::frame {

// Runs the module for one call of ModuleProc: returns -1 at once when flag is
// not 0, else builds the menus, runs them until the user leaves, and returns 0.
int module_proc(HostContext* context, int flag);

}  // namespace skolvarin::frame
