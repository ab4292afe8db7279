#include "declarations/pit_menu.h"

#include <filesystem>
#include <string>
#include <vector>

#include "data/module_state.h"
#include "data/catalogue.h"
#include "data/opener.h"
#include "declarations/pit_store.h"
#include "host/api/browse_api.h"
#include "host/api/db_api.h"
#include "host/api/screen_api.h"
#include "resources/module_resources.h"

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

int edit_pit_person(PitForm form, long person) {
  HostContext* ctx = data::state().ctx;
  if (!ctx || (form != PitForm::Pit11 && form != PitForm::Pit40)) return 27;
  const bool pit11 = form == PitForm::Pit11;
  const data::CatalogueEntry* entry = data::find_table(pit_form_table(form));
  data::TableHandles& t = data::handles(*entry);
  const bool opened_here = !t.open();
  if (opened_here && data::open_table(ctx, *entry) != 0) return 27;
  auto done = [&](int key) {
    if (opened_here) data::close_table(*entry);
    return key;
  };
  FIELD4* key_field = t.field(pit11 ? "KOPR" : "KOP");
  long rec = 0;
  d4tag_select(t.data, nullptr);
  for (int rc = d4top(t.data); rc == 0 && rec == 0; rc = d4skip(t.data, 1))
    if (!d4deleted(t.data) && f4long(key_field) == person) rec = d4recno(t.data);
  if (rec == 0) {
    warn(not_computed_message(form));
    return done(27);
  }
  PitTaxpayer who;
  int office = 0;
  read_person(ctx, person, who, office);
  const std::string name = who.surname + " " + who.first_name;
  const std::string year = std::to_string(data::working_year(ctx));

  ScrollDefinition scroll;
  ResetScrollDefinition(&scroll, 80);
  TextCtrlDefinition texts;
  EditCtrlDefinition edits;
  DefineTextCtrl(&texts, 0, 12, key_field, 0)->show = [name](const std::string&) { return name; };
  DefineTextCtrl(&texts, 0, 68, key_field, 0)->show = [year](const std::string&) { return year; };
  auto shown = [&](int row, int col, const char* field) { DefineEditCtrl(&edits, row, col, t.field(field), EDIT_SHOW_ONLY); };
  auto yes_no = [&](int row, int col, const char* field) {
    EditControl* c = DefineEditCtrl(&edits, row, col, t.field(field), EDIT_UPPER | EDIT_REPLACE);
    c->chooser = wybierz_tak_nie;
    c->valid = [](EditControl* e) {
      const char ch = e->buffer.empty() ? ' ' : e->buffer[0];
      if (ch == 'T' || ch == 'N' || ch == ' ') return 0;
      MessageWindow(kWarning, 0, "Dozwolone są tylko T lub N !", 0);
      return -1;
    };
  };
  auto one_or_two = [](EditControl* c) {
    c->valid = [](EditControl* e) {
      const char ch = e->buffer.empty() ? ' ' : e->buffer[0];
      if (ch == '1' || ch == '2') return 0;
      MessageWindow(kWarning, 0, "Wpisz 1 (nieograniczony) lub 2 (ograniczony obowiązek podatkowy).", 0);
      return -1;
    };
  };
  if (pit11) {
    DefineEditCtrl(&edits, 1, 20, t.field("DAOD"), 0)->picture = "DD-MM-CCYY";
    DefineEditCtrl(&edits, 1, 41, t.field("DADO"), 0)->picture = "DD-MM-CCYY";
    EditControl* rosz = DefineEditCtrl(&edits, 1, 71, t.field("ROSZ"), 0);
    rosz->picture = "9";
    one_or_two(rosz);
    static const char* kRows[3][4] = {{"R01P", "R01K", "R01D", "R01Z"},
                                      {"R07P", "R07K", "R07D", "R07Z"},
                                      {"R10P", "R10K", "R10D", "R10Z"}};
    for (int r = 0; r < 3; ++r) {
      shown(3 + r, 22, kRows[r][0]);
      shown(3 + r, 35, kRows[r][1]);
      shown(3 + r, 48, kRows[r][2]);
      shown(3 + r, 61, kRows[r][3]);
    }
    shown(6, 22, "RSPO");
    shown(6, 57, "RZDR");
    yes_no(7, 22, "KOR");
    yes_no(7, 49, "PITR");
  } else {
    one_or_two(DefineEditCtrl(&edits, 1, 22, t.field("R35"), 0));
    shown(3, 22, "R37");
    shown(3, 35, "R38");
    shown(3, 48, "R39");
    shown(3, 61, "R40");
    shown(4, 22, "ZRS");
    shown(4, 57, "ZRZ");
    shown(5, 22, "R80");
    shown(5, 57, "R82");
    shown(6, 57, "R83");
    yes_no(7, 22, "KOR");
  }
  for (int i = 0; i < 5; ++i)
    DefineEditCtrl(&edits, 9 + i, 2, t.field("KW" + std::to_string(i + 1)), 0);

  // The record stays locked while its form is open.
  if (go_and_lock(t.data, rec) != 0) return done(27);
  BROWSE* b = nullptr;
  if (allocate_browse(&b, t.data, nullptr, &scroll, -1) != 0) {
    d4unlock(t.data);
    return done(27);
  }
  b->ctx = ctx;
  b->title = pit11 ? "PIT-11" : "PIT-40";
  b->text_controls = &texts;
  b->edit_controls = &edits;
  // Two pages: the amounts and the switches, then the reasons.
  const TemplateIdFunction tpl = resources::resource_id_function(pit11 ? 81 : 98);
  b->form_pages = {{tpl, 8, 0}, {tpl, 6, 8}};
  int key = browse_form(b, BROWSE_MODIFY);
  free_browse(b);
  if (key != 15360) {
    d4unlock(t.data);
    return done(27);
  }
  if (FIELD4* inf = t.field("INF")) f4assign(inf, record_stamp(ctx).c_str());
  if (write_and_unlock(t.data) != 0) return done(27);
  return done(15360);
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
  if (person > 0 && (what == PitPrint::Pit11 || what == PitPrint::Pit40) &&
      edit_pit_person(what == PitPrint::Pit11 ? PitForm::Pit11 : PitForm::Pit40, person) != 15360)
    return 0;
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
  if (person > 0 && (form == PitForm::Pit11 || form == PitForm::Pit40) && edit_pit_person(form, person) != 15360)
    return 0;
  std::vector<PitExported> files;
  std::string error;
  const int rc = export_pit_xml(ctx, data::working_year(ctx), form, pit_export_directory(*ctx), person, files, error);
  for (const auto& f : files)
    MessageWindow(kInformation, 0, PrintfQStr(RcQStr(kHostMsgFileWritten), pit_form_name(form), f.path.c_str()), 0);
  if (rc != 0) warn(error);
  return 0;
}

}  // namespace skolvarin::declarations
