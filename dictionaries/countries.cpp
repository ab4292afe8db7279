// Countries (" Kraje "): the shared list of countries with their EU
// membership and currency.  Only " Modyfikuj ": nothing is added or
// deleted, neither from the menu nor by key.  The name must be filled and
// unique; the currency holds only the letters A to Z and blanks.
#include "dictionaries/pickers.h"
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"

namespace skolvarin::dictionaries {

namespace {

constexpr int kTitle = 20113;
constexpr int kDuplicateName = 20045;
constexpr int kFieldCol = 26;

}  // namespace

int countries_main() {
  data::TableHandles& t = table("W3KRAJ.DBF");
  if (!t.open()) return 0;
  FIELD4* f_kra = t.field("KRA");
  RegisterFrame frame;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Modyfikuj ", 131, kKeyModify, -1, browse_modyfikuj, nullptr);
    DefineScrollColumn(&f.scroll, t.field("KKR"), 0, "kod", t.tag(1));
    DefineScrollColumn(&f.scroll, f_kra, 0, "kraj", t.tag(2));
    DefineScrollColumn(&f.scroll, t.field("KOD"), 0, "waluta", t.tag(3));
    EditControl* sue = DefineEditCtrl(&f.edits, 0, kFieldCol, t.field("SUE"), EDIT_UPPER);
    sue->chooser = wybierz_tak_nie;
    sue->chooser_mode = 1;
    EditControl* kra = DefineEditCtrl(&f.edits, 1, kFieldCol, f_kra, 0);
    kra->valid = not_empty_and_unique(t.data, t.tag(2), kDuplicateName, [f_kra] { return upper(padded(f_kra)); });
    EditControl* kod = DefineEditCtrl(&f.edits, 2, kFieldCol, t.field("KOD"), EDIT_UPPER);
    kod->valid = valid_letters;
    DefineEditCtrl(&f.edits, 3, kFieldCol, t.field("KKR"), EDIT_SHOW_ONLY);
  };
  auto fill = [&](BROWSE* b) {
    b->title_id = kTitle;
    b->form_template = template_id(45);
    b->form_rows = 4;
    // No add, modify or delete by key, no record stamp.
    b->hot_key = [](int key) { return hot_keys(key, -1, 0, -1, 0, 1, 0, nullptr); };
  };
  return run_register(frame, t.data, t.tag(1), 4, 4, 0, build, fill);
}

namespace {
const frame::RegisterProvider provider(frame::RegisterId::Countries, countries_main);
}  // namespace

}  // namespace skolvarin::dictionaries
