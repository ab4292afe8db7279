#include "frame/hot_keys.h"

#include "data/module_state.h"
#include "frame/change_firm.h"
#include "host/api/print_api.h"

namespace skolvarin::frame {

namespace {

// The host's notes editor on the note of `title` for the working year.
int open_notes(const char* title, const char* prefix, int topic) {
  if (HostContext* ctx = data::state().ctx)
    edytuj_i_drukuj_notes(ctx, title, prefix, topic, data::working_year(ctx));
  return 0;
}

}  // namespace

int register_notes_key(int) { return open_notes("kartoteki", "KAN", 6); }

int payroll_notes_key(int) { return open_notes("płace", "PLA", 10); }

int change_firm_key(int) {
  change_firm(data::state().ctx);
  return 0;
}

}  // namespace skolvarin::frame
