// A module for the end-to-end tests of the PIT-4R and PIT-8AR registers: it
// starts like the real module (resources, main options) and runs the
// register named by SKOLVARIN_PIT_REGISTER ("PIT-4R" or "PIT-8AR"), as the
// payroll list's " PIT " and the contracts' " PIT-R " open them.
#include <cstdlib>
#include <string>

#include "data/module_state.h"
#include "declarations/pit_registers.h"
#include "frame/frame_state.h"
#include "frame/main_options_step.h"
#include "resources/module_resources.h"

extern "C" __attribute__((visibility("default"))) int ModuleProc(HostContext* ctx, int flag) {
  using namespace skolvarin;
  if (flag != 0) return -1;
  frame::reset_module();
  data::state().ctx = ctx;
  EnvAddRcsObj(ctx, &resources::module_rcs, 3);
  frame::load_main_options_step(ctx);
  const char* which = std::getenv("SKOLVARIN_PIT_REGISTER");
  if (which && std::string(which) == "PIT-8AR")
    declarations::pit8ar_register();
  else
    declarations::pit4r_register();
  data::close_all_tables(ctx);
  return 0;
}
