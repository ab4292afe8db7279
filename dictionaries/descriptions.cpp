// Descriptions (" Opisy "): short texts under a code, picked by other
// forms.  The code must be filled and unique, the first line filled.
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"

namespace skolvarin::dictionaries {

namespace {

constexpr int kTitle = 20115;
constexpr int kDuplicateCode = 20083;

int descriptions_main() {
  data::TableHandles& t = table("W3OPIS.DBF");
  if (!t.open()) return 0;
  FIELD4* f_kod = t.field("KOD");
  FIELD4* f_op1 = t.field("OP1");
  FIELD4* f_op2 = t.field("OP2");
  FIELD4* f_inf = t.field("INF");
  RegisterFrame frame;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 6310, kKeyAdd, -1, browse_dopisz, nullptr);
    MenuDefineItem(" Modyfikuj ", 6320, kKeyModify, -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Usuń ", 6330, kKeyDelete, 1, browse_skasuj, nullptr);
    DefineScrollColumn(&f.scroll, f_kod, 0, "kod");
    DefineScrollColumn(&f.scroll, f_op1, 0, "opis");
    EditControl* kod = DefineEditCtrl(&f.edits, 0, 10, f_kod, EDIT_UPPER);
    kod->valid = not_empty_and_unique(t.data, t.tag(2), kDuplicateCode, [f_kod] { return upper(padded(f_kod)); });
    DefineEditCtrl(&f.edits, 1, 10, f_op1, 0)->valid = valid_empty_get;
    DefineEditCtrl(&f.edits, 2, 10, f_op2, 0);
  };
  auto fill = [&](BROWSE* b) {
    b->title_id = kTitle;
    b->form_template = template_id(67);
    b->form_rows = 3;
    b->stamp = f_inf;
    b->hot_key = [f_inf](int key) { return hot_keys(key, -1, 6310, -1, 6320, 1, 6330, f_inf); };
  };
  return run_register(frame, t.data, t.tag(1), 3, 3, 0, build, fill);
}

const frame::RegisterProvider provider(frame::RegisterId::Descriptions, descriptions_main);

}  // namespace

}  // namespace skolvarin::dictionaries
