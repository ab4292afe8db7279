#include "declarations/contract_subjects.h"

#include <array>
#include <string>

#include "data/catalogue.h"
#include "data/openers.h"
#include "declarations/contracts_register.h"
#include "dictionaries/register_frame.h"
#include "host/api/browse_api.h"
#include "host/api/keys.h"

namespace skolvarin::declarations {

namespace {

using Lines = std::array<std::string, 6>;
constexpr const char* kSubjectFile = "W3UMPR.DBF";

// The six lines in a window titled `title`; false when left with Esc.
bool edit_lines(Lines& lines, const char* title) {
  int w = DefineWprowadzWindow(7, 78, title);
  if (w < 0) return false;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  DefineWigetEx(&set, 0, 0, "przedmiot umowy:", 0, WIDGET_LABEL);
  std::array<Widget*, 6> rows{};
  for (size_t i = 0; i < lines.size(); ++i) {
    rows[i] = DefineWigetEx(&set, static_cast<int>(i) + 1, 0, "", 77, WIDGET_TEXT);
    WigetSetString(rows[i], lines[i].c_str());
  }
  bool kept = ActivateWindow(w, &set) == keys::F2;
  if (kept)
    for (size_t i = 0; i < lines.size(); ++i) lines[i] = rows[i]->value;
  FreeWigets(&set);
  w4close(w);
  return kept;
}

Lines lines_of(const data::TableHandles& t, const char* prefix) {
  Lines l;
  for (size_t i = 0; i < l.size(); ++i) l[i] = f4trim(t.field(prefix + std::to_string(i + 1)));
  return l;
}
void put_lines(const data::TableHandles& t, const char* prefix, const Lines& l) {
  for (size_t i = 0; i < l.size(); ++i) f4assign(t.field(prefix + std::to_string(i + 1)), l[i].c_str());
}

data::TableHandles& subjects() { return data::handles(kSubjectFile); }

// Adding and changing an entry go through the six-line window.
int add_subject(int) {
  data::TableHandles& t = subjects();
  Lines l;
  if (!edit_lines(l, "Nowy przedmiot umowy") || l[0].empty()) return 0;
  d4append_start(t.data);
  put_lines(t, "P", l);
  if (lock_and_append(t.data) == 0) d4unlock(t.data);
  browse_call(1, d4recno(t.data));
  return 0;
}

int change_subject(int) {
  BROWSE* b = current_browse();
  if (!b || !dictionaries::list_has_current(b)) return 0;
  data::TableHandles& t = subjects();
  long rec = d4recno(t.data);
  Lines l = lines_of(t, "P");
  if (!edit_lines(l, "Przedmiot umowy") || set_lock(t.data, rec) != 0) return 0;
  put_lines(t, "P", l);
  d4write(t.data, rec);
  d4unlock(t.data);
  browse_call(1, rec);
  return 0;
}

int subjects_main() {
  data::TableHandles& t = subjects();
  if (!t.open()) return 0;
  dictionaries::RegisterFrame frame;
  auto build = [&](dictionaries::RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 5351, 'd', -1, add_subject, nullptr);
    MenuDefineItem(" Modyfikuj ", 5355, 'm', -1, change_subject, nullptr);
    MenuDefineItem(" Usuń ", 5356, 'u', 1, browse_skasuj, nullptr);
    DefineScrollColumn(&f.scroll, t.field("P1"), 0, "przedmiot umowy")->width = 76;
  };
  auto fill = [&](BROWSE* b) {
    b->title = "Przedmioty umów";
    b->hot_key = [](int key) {
      if (key == keys::Ins) return add_subject(0);
      if (key == keys::F5) return change_subject(0);
      return hot_keys(key, -1, 0, -1, 0, 1, 5356, nullptr);
    };
  };
  return dictionaries::run_register(frame, t.data, t.tag(1), 0, 0, 0, build, fill);
}

}  // namespace

int pick_subject_lines(EditControl* pr1) {
  data::TableHandles& t = subjects();
  bool opened = false;
  if (!t.open()) opened = data::open_w3umpr(1) == 0 && t.open();
  if (!t.open()) return 27;
  long rec = 0;
  int rc = browse_picker(subjects_main, &rec);
  if (rc == 0 && rec > 0 && d4go(t.data, rec) == 0) {
    Lines l = lines_of(t, "P");
    put_lines(contracts_table(), "PR", l);
    pr1->buffer = l[0];
  }
  if (opened)
    if (const data::CatalogueEntry* e = data::find_table(kSubjectFile)) data::close_table(*e);
  return rc == 0 ? 0 : 27;
}

int edit_subject_lines(EditControl* pr1) {
  data::TableHandles& t = contracts_table();
  Lines l = lines_of(t, "PR");
  l[0] = pr1->buffer;
  while (!l[0].empty() && l[0].back() == ' ') l[0].pop_back();
  if (!edit_lines(l, "Opis przedmiotu")) return 0;
  put_lines(t, "PR", l);
  pr1->buffer = l[0];
  return 0;
}

}  // namespace skolvarin::declarations
