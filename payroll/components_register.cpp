// Pay components (" Składniki "): the dictionary of additions, benefits,
// deductions and absences the payroll lists draw their components from,
// shared by every firm.
//
// The code must begin with D, S, P or N and be unique.  Leaving a valid
// code sets the switches (an absence has none) and marks the entry
// modifiable; for an absence the ZUS code, the amount and the switches are
// not entered at all.
#include <string>

#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"
#include "payroll/component_rules.h"

namespace skolvarin::payroll {

namespace {

using dictionaries::RegisterFrame;

constexpr int kHelp = 5511;
constexpr int kDuplicateCode = 20083;
constexpr const char* kTitle = "Składniki płacowe";

std::string text_of(FIELD4* f) { return f4trim(f); }

int pay_components_main() {
  data::TableHandles& t = dictionaries::table("W3PELI.DBF");
  if (!t.open()) return 0;
  FIELD4* f_kgs = t.field("KGS");
  FIELD4* f_kzu = t.field("KZU");
  FIELD4* f_na1 = t.field("NA1");
  FIELD4* f_na2 = t.field("NA2");
  FIELD4* f_kwo = t.field("KWO");
  FIELD4* f_pod = t.field("POD");
  FIELD4* f_zus = t.field("ZUS");
  FIELD4* f_obn = t.field("OBN");
  FIELD4* f_sre = t.field("SRE");
  FIELD4* f_usu = t.field("USU");
  FIELD4* f_inf = t.field("INF");
  // Fields an absence skips.
  std::vector<EditControl*> skipped;

  auto show_skips = [&skipped](std::string_view code) {
    bool absence = is_absence_code(code);
    for (EditControl* c : skipped) c->flags = absence ? (c->flags | EDIT_SHOW_ONLY) : (c->flags & ~EDIT_SHOW_ONLY);
  };
  auto read_switches = [=] {
    return ComponentSwitches{text_of(f_pod), text_of(f_zus), text_of(f_obn), text_of(f_sre), text_of(f_usu)};
  };
  auto write_switches = [=](const ComponentSwitches& s) {
    f4assign(f_pod, s.pod.c_str());
    f4assign(f_zus, s.zus.c_str());
    f4assign(f_obn, s.obn.c_str());
    f4assign(f_sre, s.sre.c_str());
    f4assign(f_usu, s.usu.c_str());
  };

  RegisterFrame frame;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", kHelp, dictionaries::kKeyAdd, -1, browse_dopisz, nullptr);
    MenuDefineItem(" Modyfikuj ", kHelp + 1, dictionaries::kKeyModify, -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Usuń ", kHelp + 2, dictionaries::kKeyDelete, 1, browse_skasuj, nullptr);
    DefineScrollColumn(&f.scroll, f_kgs, 0, "kod", t.tag(2));
    DefineScrollColumn(&f.scroll, f_na1, 0, "nazwa", t.tag(1));
    DefineScrollColumn(&f.scroll, f_kzu, 0, "kod ZUS");
    DefineScrollColumn(&f.scroll, f_pod, 0, "opod.?");
    DefineScrollColumn(&f.scroll, f_zus, 0, "ZUS?");
    EditControl* kgs = DefineEditCtrl(&f.edits, 0, 14, f_kgs, EDIT_UPPER);
    ValidFunction unique = dictionaries::unique_value(t.data, t.tag(2), kDuplicateCode,
                                                      [f_kgs] { return dictionaries::padded(f_kgs); });
    kgs->valid = [=](EditControl* c) {
      std::string code = f4trim(f_kgs);
      if (component_code_error(code) != 0) {
        MessageWindow(2 | 16, kMsgBadComponentType, RcQStr(kMsgComponentKinds), 0);
        return -1;
      }
      if (unique(c) != 0) return -1;
      write_switches(switches_after_code(code, read_switches()));
      show_skips(code);
      return 0;
    };
    skipped.push_back(DefineEditCtrl(&f.edits, 1, 14, f_kzu, 0));
    skipped.push_back(DefineEditCtrl(&f.edits, 2, 14, f_kwo, 0));
    skipped.back()->picture = "999999.99";
    int row = 0;
    for (FIELD4* sw : {f_pod, f_zus, f_obn, f_sre, f_usu}) {
      EditControl* c = DefineEditCtrl(&f.edits, row++, 76, sw, EDIT_UPPER | EDIT_REPLACE);
      c->chooser = wybierz_tak_nie;
      c->valid = [](EditControl* ctrl) {
        char ch = ctrl->buffer.empty() ? ' ' : ctrl->buffer[0];
        if (ch == 'T' || ch == 'N') return 0;
        MessageWindow(2, 0, "Wpisz T lub N !", 0);
        return -1;
      };
      skipped.push_back(c);
    }
    DefineEditCtrl(&f.edits, 5, 14, f_na1, 0)->valid = valid_empty_get;
    DefineEditCtrl(&f.edits, 6, 14, f_na2, 0);
  };
  auto fill = [&](BROWSE* b) {
    b->title = kTitle;
    b->form_template = dictionaries::template_id(130);
    b->form_rows = 7;
    b->stamp = f_inf;
    b->new_record = [=](BROWSE*) {
      write_switches(new_component_switches());
      show_skips("");
      return 0;
    };
    b->before_edit = [=](BROWSE*) {
      show_skips(f4trim(f_kgs));
      return 0;
    };
    b->hot_key = [f_inf](int key) { return hot_keys(key, -1, kHelp, -1, kHelp + 1, 1, kHelp + 2, f_inf); };
  };
  return dictionaries::run_register(frame, t.data, t.tag(2), 7, 7, 0, build, fill);
}

const frame::RegisterProvider provider(frame::RegisterId::PayComponents, pay_components_main);

}  // namespace

}  // namespace skolvarin::payroll
