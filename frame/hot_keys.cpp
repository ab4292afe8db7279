#include "frame/hot_keys.h"

#include <cstdlib>
#include <string>

#include "data/module_state.h"
#include "frame/change_firm.h"
#include "frame/main_options_step.h"
#include "host/api/browse_api.h"
#include "host/api/db_api.h"
#include "host/api/keys.h"
#include "host/api/print_api.h"
#include "host/api/screen_api.h"

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

bool working_year_ok(long year) { return year >= kFirstWorkingYear && year <= kLastWorkingYear; }

int set_working_year(HostContext* ctx, int year) {
  if (!ctx || !working_year_ok(year)) return -1;
  data::MainOptions& options = data::state().options;
  options.working_year = year;
  int rc = data::save_main_options(*ctx, options);
  apply_main_options(*ctx, options, frame_state());
  show_title(ctx);
  return rc;
}

int working_year_key(int) {
  HostContext* ctx = data::state().ctx;
  if (ctx) ask_working_year(ctx, data::working_year(ctx));
  return 0;
}

void ask_working_year(HostContext* ctx, int proposed) {
  // Registers keep their per-year tables open: the year changes only at menu level.
  if (!ctx || d4open_count(ctx) > 0) return;
  int window = DefineWprowadzWindow(1, 22, " Rok roboczy ");
  if (window < 0) return;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  Widget* year = DefineWigetEx(&set, 0, 1, "Rok roboczy: ", 4, WIDGET_NUMBER, "9999");
  WigetSetString(year, std::to_string(proposed).c_str());
  year->valid = [](EditControl* ctrl) {
    long y = std::atol(ctrl->buffer.c_str());
    if (working_year_ok(y)) return 0;
    MessageWindow(2, 0, "Rok roboczy musi leżeć między 1990 a 2100", 0);
    return -1;
  };
  int key = ActivateWindow(window, &set);
  if (key == keys::F2) set_working_year(ctx, static_cast<int>(WigetAsLong(year)));
  FreeWigets(&set);
  w4close(window);
}

}  // namespace skolvarin::frame
