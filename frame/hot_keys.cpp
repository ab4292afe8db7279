#include "frame/hot_keys.h"

#include "data/module_state.h"
#include "frame/change_firm.h"
#include "frame/host_notes.h"

namespace skolvarin::frame {

int register_notes_key(int) {
  HostContext* ctx = data::state().ctx;
  if (!ctx) return 0;
  edytuj_i_drukuj_notes(ctx, "kartoteki", "KAN", 6, data::working_year(ctx));
  return 0;
}

int payroll_notes_key(int) {
  HostContext* ctx = data::state().ctx;
  if (!ctx) return 0;
  edytuj_i_drukuj_notes(ctx, "płace", "PLA", 10, data::working_year(ctx));
  return 0;
}

int change_firm_key(int) {
  change_firm(data::state().ctx);
  return 0;
}

}  // namespace skolvarin::frame
