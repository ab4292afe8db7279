// Accounts (" Konta "): the firm's bank accounts by number and name.
// A new account takes the record count + 1 as its own number; the number
// is entered as "999-9999", must be filled and unique, the name filled.
#include "dictionaries/dictionary_rules.h"
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"

namespace skolvarin::dictionaries {

namespace {

constexpr int kTitle = 20118;
constexpr int kDuplicateNumber = 20038;

int accounts_main() {
  data::TableHandles& t = table("W3KONT.DBF");
  if (!t.open()) return 0;
  FIELD4* f_num = t.field("NUM");
  FIELD4* f_naz = t.field("NAZ");
  FIELD4* f_rec = t.field("REC");
  FIELD4* f_inf = t.field("INF");
  RegisterFrame frame;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 6110, kKeyAdd, -1, browse_dopisz, nullptr);
    MenuDefineItem(" Modyfikuj ", 6130, kKeyModify, -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Drukuj ", 6120, kKeyPrint, -1, browse_drukuj, nullptr);
    MenuDefineItem(" Usuń ", 6140, kKeyDelete, 1, browse_skasuj, nullptr);
    DefineScrollColumn(&f.scroll, f_rec, 0, "ident.");
    DefineScrollColumn(&f.scroll, f_num, 0, "numer");
    DefineScrollColumn(&f.scroll, f_naz, 0, "nazwa");
    EditControl* num = DefineEditCtrl(&f.edits, 0, 18, f_num, 0);
    num->picture = "999-9999";
    num->valid = not_empty_and_unique(t.data, t.tag(1), kDuplicateNumber, [f_num] { return padded(f_num); });
    EditControl* naz = DefineEditCtrl(&f.edits, 1, 18, f_naz, 0);
    naz->valid = valid_empty_get;
    DefineTabuColumn(&f.print_columns, "ident.", 0, f_rec, TABU_FIELD_WIDTH, 1);
    DefineTabuColumn(&f.print_columns, "numer", 0, f_num, TABU_FIELD_WIDTH, 2);
    DefineTabuColumn(&f.print_columns, "nazwa", 0, f_naz, TABU_FIELD_WIDTH, 3);
  };
  auto fill = [&](BROWSE* b) {
    b->title_id = kTitle;
    b->print_title_id = kTitle;
    b->form_template = template_id(38);
    b->form_rows = 2;
    b->numbering = [f_rec](BROWSE* br) {
      return f4assign_long(f_rec, next_own_number(d4reccount(br->data)));
    };
    b->hot_key = [f_inf](int key) { return hot_keys(key, -1, 6110, -1, 6130, 1, 6140, f_inf); };
    b->stamp = f_inf;
  };
  return run_register(frame, t.data, t.tag(1), 2, 2, 0, build, fill);
}

const frame::RegisterProvider provider(frame::RegisterId::Accounts, accounts_main);

}  // namespace

}  // namespace skolvarin::dictionaries
