// Tax offices (" Urzędy "): the shared list of offices.  It is neither
// added to nor deleted from: the delete key is swallowed and the menu has
// only " Modyfikuj " and " Drukuj ".  The office's code and names are shown
// only; its address, bank and accounts are edited.
#include "dictionaries/dictionary_rules.h"
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"

namespace skolvarin::dictionaries {

namespace {

constexpr int kTitle = 20121;
constexpr int kFieldCol = 18;

int tax_offices_main() {
  data::TableHandles& t = table("W3USKA.DBF");
  if (!t.open()) return 0;
  FIELD4* f_kod = t.field("KOD");
  FIELD4* f_inf = t.field("INF");
  RegisterFrame frame;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Modyfikuj ", 6430, kKeyModify, -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Drukuj ", 6420, kKeyPrint, -1, browse_drukuj, nullptr);
    DefineScrollColumn(&f.scroll, t.field("SKN"), 0, "nazwa skrócona");
    DefineScrollColumn(&f.scroll, t.field("NAZ"), 0, "nazwa");
    int row = 0;
    for (const char* name : {"KOD", "NAZ", "SKN"})
      DefineEditCtrl(&f.edits, row++, kFieldCol, t.field(name), EDIT_SHOW_ONLY);
    for (const char* name : {"ULI", "DOM", "KDP", "MIA", "BCP", "KNC", "KNV", "UWA"}) {
      EditControl* c = DefineEditCtrl(&f.edits, row++, kFieldCol, t.field(name), 0);
      if (std::string_view(name) == "KDP") c->picture = "99-999";
    }
    struct Col {
      const char* header;
      const char* field;
    } cols[] = {{"kod", "KOD"},   {"nazwa", "NAZ"},   {"kod", "KDP"},           {"miasto", "MIA"},
                {"ulica", "ULI"}, {"nr domu", "DOM"}, {"bank", "BCP"},          {"konto dla PIT", "KNC"},
                {"konto dla VAT", "KNV"}, {"uwagi", "UWA"}};
    int order = 1;
    for (const Col& c : cols)
      DefineTabuColumn(&f.print_columns, c.header, 0, t.field(c.field), TABU_FIELD_WIDTH, order++);
  };
  auto fill = [&](BROWSE* b) {
    b->title_id = kTitle;
    b->print_title_id = kTitle;
    b->form_template = template_id(186);
    b->form_rows = 11;
    b->stamp = f_inf;
    b->numbering = [f_kod](BROWSE* br) {
      return f4assign_long(f_kod, next_own_number(d4reccount(br->data)));
    };
    // No add item; the delete key gets the code 27 and no item.
    b->hot_key = [f_inf](int key) { return hot_keys(key, -1, 0, -1, 6430, 27, 0, f_inf); };
  };
  return run_register(frame, t.data, t.tag(1), 11, 11, 0, build, fill);
}

const frame::RegisterProvider provider(frame::RegisterId::TaxOffices, tax_offices_main);

}  // namespace

}  // namespace skolvarin::dictionaries
