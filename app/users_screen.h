// The users screen (Alt+U at menu level, administrators only): the users of
// the data directory with Ins adding one (name, password typed twice,
// administrator or not), F3 changing a password and F5 the rights of a
// user: every menu area and action of right_areas() and, for a user
// without the right to every firm, the firms he may open.  Space or Enter
// switches a right, F2 writes them.
#pragma once

#include "host/api/context.h"

namespace skolvarin::app {

void users_screen(HostContext* ctx);

}  // namespace skolvarin::app
