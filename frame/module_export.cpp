// The module's one exported entry.  The host loads libkartoteki.so and looks
// up this symbol only; everything else in the module stays hidden.
#include "frame/module_entry.h"

extern "C" __attribute__((visibility("default"))) int ModuleProc(HostContext* context, int flag) {
  return skolvarin::frame::module_proc(context, flag);
}
