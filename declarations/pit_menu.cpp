#include "declarations/pit_menu.h"

#include <filesystem>
#include <string>
#include <vector>

#include "data/module_state.h"
#include "declarations/pit_store.h"
#include "host/api/screen_api.h"

namespace skolvarin::declarations {

namespace {

constexpr int kInformation = 1, kWarning = 2;

int warn(const std::string& text) {
  MessageWindow(kWarning, 0, text.c_str(), 0);
  return 0;
}

}  // namespace

std::string pit_export_directory(const HostContext& ctx) {
  std::string dir = ctx.current_dir;
  if (!dir.empty() && dir.back() != '/') dir += '/';
  dir += "e-deklaracje";
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  return dir;
}

int pit_compute_item(PitForm form) {
  HostContext* ctx = data::state().ctx;
  if (!ctx) return 0;
  int records = 0;
  std::string error;
  if (compute_pit_table(ctx, data::working_year(ctx), form, records, error) != 0) return warn(error);
  MessageWindow(kInformation, 0, PrintfQStr("%s %d: zapisano %d rekordów.", pit_form_name(form),
                                            data::working_year(ctx), records),
                0);
  return 0;
}

int pit_print_item(PitPrint what, long person) {
  HostContext* ctx = data::state().ctx;
  if (!ctx) return 0;
  PitPrintRequest rq;
  rq.what = what;
  rq.year = data::working_year(ctx);
  rq.person = person;
  rq.preview = 1;
  std::string pdf, error;
  if (print_pit(ctx, rq, pdf, error) != 0) return warn(error);
  return 0;
}

int pit_export_item(PitForm form, long person) {
  HostContext* ctx = data::state().ctx;
  if (!ctx) return 0;
  std::vector<PitExported> files;
  std::string error;
  const int rc = export_pit_xml(ctx, data::working_year(ctx), form, pit_export_directory(*ctx), person, files, error);
  for (const auto& f : files)
    MessageWindow(kInformation, 0, PrintfQStr(RcQStr(kHostMsgFileWritten), pit_form_name(form), f.path.c_str()), 0);
  if (rc != 0) warn(error);
  return 0;
}

}  // namespace skolvarin::declarations
