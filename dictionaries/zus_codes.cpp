// ZUS codes (" Kody "): the code dictionary of the ZUS declarations, in
// groups.  A new code starts with the group of the last code saved since
// the register was opened, so a group is entered code after code.
#include <string>

#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"

namespace skolvarin::dictionaries {

namespace {

constexpr int kTitle = 103;  // "Ewidencja kodów dla deklaracji ZUS"

struct GroupMemory {
  long kgl = 1;
  std::string kgr, ngr;
};

int zus_codes_main() {
  data::TableHandles& t = table("W3KZUS.DBF");
  if (!t.open()) return 0;
  FIELD4* f_kgl = t.field("KGL");
  FIELD4* f_kgr = t.field("KGR");
  FIELD4* f_ngr = t.field("NGR");
  FIELD4* f_kpg = t.field("KPG");
  FIELD4* f_inf = t.field("INF");
  GroupMemory memory;
  RegisterFrame frame;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 6710, kKeyAdd, -1, browse_dopisz, nullptr);
    MenuDefineItem(" Modyfikuj ", 6720, kKeyModify, -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Usuń ", 6730, kKeyDelete, 1, browse_skasuj, nullptr);
    DefineScrollColumn(&f.scroll, f_kgl, 0, "");
    DefineScrollColumn(&f.scroll, f_kgr, 0, "grupa");
    DefineScrollColumn(&f.scroll, f_ngr, 0, "nazwa grupy");
    DefineScrollColumn(&f.scroll, f_kpg, 0, "kod");
    DefineEditCtrl(&f.edits, 0, 14, f_kgl, 0);
    DefineEditCtrl(&f.edits, 1, 14, f_kgr, 0)->picture = "9999999999";
    DefineEditCtrl(&f.edits, 1, 37, f_ngr, 0);
    DefineEditCtrl(&f.edits, 3, 14, f_kpg, 0)->picture = "9999999999";
    int row = 4;
    for (const char* name : {"SOP", "OP1", "OP2", "OP3"}) DefineEditCtrl(&f.edits, row++, 8, t.field(name), 0);
  };
  auto fill = [&](BROWSE* b) {
    b->title_id = kTitle;
    b->form_template = template_id(48);
    b->form_rows = 8;
    b->stamp = f_inf;
    b->new_record = [&memory, f_kgl, f_kgr, f_ngr](BROWSE*) {
      f4assign_long(f_kgl, memory.kgl);
      f4assign(f_kgr, memory.kgr.c_str());
      f4assign(f_ngr, memory.ngr.c_str());
      return 0;
    };
    b->after_save = [&memory, f_kgl, f_kgr, f_ngr](BROWSE*) {
      memory.kgl = f4long(f_kgl);
      memory.kgr = f4trim(f_kgr);
      memory.ngr = f4trim(f_ngr);
      return 0;
    };
    b->hot_key = [f_inf](int key) { return hot_keys(key, -1, 6710, -1, 6720, 1, 6730, f_inf); };
  };
  return run_register(frame, t.data, t.tag(1), 8, 8, 0, build, fill);
}

const frame::RegisterProvider provider(frame::RegisterId::ZusCodes, zus_codes_main);

}  // namespace

}  // namespace skolvarin::dictionaries
