// The three tables of the Odsetki menu: statutory interest rates (W3ODUS),
// tax-arrears interest rates (W3ZAPO) and days off work (W3DNWO).  Each is a
// small register over its table in the shared directory: a date from 1993
// on; for the rates a positive rate and its type, "R" yearly or "D" daily,
// typed as one key.
#include <string>

#include "data/module_state.h"
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"
#include "interest/rate_rules.h"

namespace skolvarin::interest {

namespace {

using dictionaries::RegisterFrame;

int date_valid(EditControl* c) {
  Date d;
  if (!c->field || !from_dbf(f4str(c->field), d) || !rate_date_accepted(d)) {
    Alarm(kAlarmBefore1993);
    return -1;
  }
  return 0;
}

int type_key(EditControl* c, int key) {
  TypeKey t = rate_type_key(key);
  switch (t.action) {
    case TypeKeyAction::Store:
      c->buffer = std::string(1, t.value);
      return skolvarin::keys::Enter;
    case TypeKeyAction::Refuse:
      MessageWindow(2, kMessageChooseType, nullptr, 0);
      return 0;
    case TypeKeyAction::PassOn:
      break;
  }
  return key;
}

// A blank type becomes "R" when the form opens on it.
void type_default(FIELD4* typ) {
  if (f4trim(typ).empty()) f4assign(typ, "R");
}

int run_table(const char* file, int title, int form, bool rates) {
  data::TableHandles& t = data::handles(file);
  if (!t.open()) return 0;
  FIELD4* f_dat = t.field("DAT");
  FIELD4* f_sto = rates ? t.field("STO") : nullptr;
  FIELD4* f_typ = rates ? t.field("TYP") : nullptr;
  FIELD4* f_inf = t.field("INF");
  RegisterFrame frame;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 15000, 'd', -1, browse_dopisz, nullptr);
    MenuDefineItem(" Modyfikuj ", 15001, 'm', -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Usuń ", 15002, 's', 1, browse_skasuj, nullptr);
    DefineScrollColumn(&f.scroll, f_dat, 0, rates ? "od dnia" : "data");
    EditControl* dat = DefineEditCtrl(&f.edits, 0, rates ? 10 : 7, f_dat, 0);
    dat->picture = "DD-MM/YY";
    dat->valid = date_valid;
    if (!rates) return;
    DefineScrollColumn(&f.scroll, f_sto, 0, "[%]");
    DefineScrollColumn(&f.scroll, f_typ, 0, "typ");
    DefineEditCtrl(&f.edits, 1, 10, f_sto, 0)->valid = [](EditControl* c) {
      if (!c->field || f4double(c->field) <= 0) {
        Uwaga(50134);
        return -1;
      }
      return 0;
    };
    EditControl* typ = DefineEditCtrl(&f.edits, 1, 27, f_typ, EDIT_UPPER);
    typ->key_filter = type_key;
    typ->valid = [](EditControl* c) {
      std::string v = dictionaries::upper(c->buffer);
      if (v.empty() || (v[0] != 'R' && v[0] != 'D')) {
        MessageWindow(2, kMessageChooseType, nullptr, 0);
        return -1;
      }
      return 0;
    };
  };
  auto fill = [&](BROWSE* b) {
    b->title_id = title;
    b->print_title_id = title;
    b->form_template = dictionaries::template_id(form);
    b->form_rows = rates ? 2 : 1;
    b->stamp = f_inf;
    if (rates) {
      b->new_record = [f_typ](BROWSE*) {
        type_default(f_typ);
        return 0;
      };
      b->before_edit = [f_typ](BROWSE*) {
        type_default(f_typ);
        return 0;
      };
    }
    b->hot_key = [f_inf](int key) { return hot_keys(key, -1, 15000, -1, 15001, 1, 15002, f_inf); };
  };
  return dictionaries::run_register(frame, t.data, t.tag(1), rates ? 2 : 1, rates ? 2 : 1, 0, build, fill);
}

int statutory_main() { return run_table("W3ODUS.DBF", 289, 202, true); }
int tax_arrears_main() { return run_table("W3ZAPO.DBF", 287, 203, true); }
int holidays_main() { return run_table("W3DNWO.DBF", 290, 201, false); }

const frame::RegisterProvider p1(frame::RegisterId::StatutoryRates, statutory_main);
const frame::RegisterProvider p2(frame::RegisterId::TaxArrearsRates, tax_arrears_main);
const frame::RegisterProvider p3(frame::RegisterId::Holidays, holidays_main);

}  // namespace

}  // namespace skolvarin::interest
