// Start-up step "load the main options": reads the group "OPCJE GŁÓWNE"
// through the data dictionary's settings reader and, when it was read
// without error, puts the working-year values where the module and the
// host read them.
#pragma once

#include "data/main_options.h"
#include "frame/frame_state.h"
#include "host/api/context.h"

namespace skolvarin::frame {

// After a successful read: February's length for the working year in the
// month table, the four current VAT rates (keys 65-68 after 2010, else 56,
// 57, 58, 60), and in the host context the value 3 and the working year.
void apply_main_options(HostContext& ctx, const data::MainOptions& options, FrameState& fs);

// Reads the options into the module state and applies them.  Returns 0, or
// -1 after the settings reader has shown its message; then the month table,
// the rates and the context stay as they were.
int load_main_options_step(HostContext* ctx);

}  // namespace skolvarin::frame
