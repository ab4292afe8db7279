#include "frame/main_options_step.h"

#include "data/module_state.h"

namespace skolvarin::frame {

void apply_main_options(HostContext& ctx, const data::MainOptions& options, FrameState& fs) {
  fs.months[1].days = data::february_days(options.working_year);
  fs.vat_rates = data::current_vat_rates(options);
  ctx.module_kind = 3;
  ctx.module_year = options.working_year;
}

int load_main_options_step(HostContext* ctx) {
  if (!ctx) return -1;
  data::MainOptions& options = data::state().options;
  if (data::load_main_options(*ctx, options) != 0) return -1;
  apply_main_options(*ctx, options, frame_state());
  return 0;
}

}  // namespace skolvarin::frame
