// Trip purposes and routes (W3PRCE): a small dictionary opened with F4 from
// a trip's purpose; choosing a row copies purpose, route and kilometres.
#include "transport/purposes.h"

#include "data/opener.h"
#include "dictionaries/register_frame.h"

namespace skolvarin::transport {

namespace {

int purposes_main() {
  data::TableHandles& t = data::handles("W3PRCE.DBF");
  if (!t.open()) return 0;
  FIELD4* f_ce = t.field("CE");
  FIELD4* f_tr = t.field("TR");
  FIELD4* f_il = t.field("IL");
  dictionaries::RegisterFrame frame;
  auto build = [&](dictionaries::RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 5241, 'd', -1, browse_dopisz, nullptr);
    MenuDefineItem(" Modyfikuj ", 5242, 'm', -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Usuń ", 5243, 'u', 1, browse_skasuj, nullptr);
    DefineScrollColumn(&f.scroll, f_ce, 0, "cel", t.tag(1))->width = 30;
    DefineScrollColumn(&f.scroll, f_tr, 0, "trasa")->width = 30;
    DefineScrollColumn(&f.scroll, f_il, 0, "km");
    DefineEditCtrl(&f.edits, 0, 7, f_ce, 0)->valid = valid_empty_get;
    DefineEditCtrl(&f.edits, 1, 7, f_tr, 0);
    DefineEditCtrl(&f.edits, 2, 7, f_il, 0);
  };
  auto fill = [&](BROWSE* b) {
    b->title = "Cele przejazdów";
    b->form_template = dictionaries::template_id(150);
    b->form_rows = 3;
    b->hot_key = [](int key) { return hot_keys(key, -1, 5241, -1, 5242, 1, 5243, nullptr); };
  };
  return dictionaries::run_register(frame, t.data, t.tag(1), 3, 3, 0, build, fill);
}

}  // namespace

bool choose_purpose(Purpose& out) {
  data::TableHandles& t = data::handles("W3PRCE.DBF");
  bool opened_here = !t.open();
  if (opened_here && data::open_table(data::state().ctx, "W3PRCE.DBF") != 0) return false;
  long rec = 0;
  bool chosen = browse_picker(purposes_main, &rec) == 0 && rec > 0 && d4go(t.data, rec) == 0;
  if (chosen) out = {f4trim(t.field("CE")), f4trim(t.field("TR")), f4long(t.field("IL"))};
  if (opened_here)
    if (const data::CatalogueEntry* e = data::find_table("W3PRCE.DBF")) data::close_table(*e);
  return chosen;
}

}  // namespace skolvarin::transport
