// Vehicles (" Samochody "): the firm's company and private vehicles.  The
// form follows the type (private: owner and address, capacity; company:
// driver, record period and odometer); F4 in the list switches the type,
// " Ustaw " the status, both written at once.
#include <cmath>
#include <cstdlib>
#include <string>

#include "data/module_state.h"
#include "dictionaries/info_panel.h"
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"
#include "host/api/print_api.h"
#include "transport/mileage.h"
#include "transport/vehicle_lists.h"

namespace skolvarin::transport {

namespace {

using dictionaries::RegisterFrame;
namespace k = skolvarin::keys;

constexpr int kTitle = 109;
constexpr int kTypeChanged = 239;

struct VehiclesRun {
  data::TableHandles* t = nullptr;
  EditCtrlDefinition private_form, company_form;
};
VehiclesRun* g_run = nullptr;

FIELD4* F(const char* name) { return g_run->t->field(name); }

void use_form(BROWSE* b, bool company) {
  b->edit_controls = company ? &g_run->company_form : &g_run->private_form;
  b->form_template = dictionaries::template_id(company ? 176 : 175);
  b->form_rows = 7;
}

// Record period: "YYYYMMDDYYYYMMDD" in RE1, shown as two dates.
std::string period_shown(const std::string& text) {
  Date from, to;
  std::string f = text.size() >= 8 ? text.substr(0, 8) : "", t = text.size() >= 16 ? text.substr(8, 8) : "";
  std::string out = from_dbf(f, from) && !from.empty() ? to_shown(from) : "          ";
  out += "   do ";
  out += from_dbf(t, to) && !to.empty() ? to_shown(to) : "";
  return out;
}

int choose_period(EditControl* c) {
  std::string text = c->buffer;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  Widget* from = DefineWigetEx(&set, 0, 0, "ewidencja od ", 10, WIDGET_DATE);
  Widget* to = DefineWigetEx(&set, 1, 0, "ewidencja do ", 10, WIDGET_DATE);
  if (text.size() >= 8) WigetSetString(from, text.substr(0, 8).c_str());
  if (text.size() >= 16) WigetSetString(to, text.substr(8, 8).c_str());
  from->valid = test_daty_niepustej;
  int window = DefineWprowadzWindow(2, 30, " Okres ewidencji ");
  int key = window >= 0 ? ActivateWindow(window, &set) : k::Esc;
  if (window >= 0) w4close(window);
  std::string a = from->value, z = to->value;
  FreeWigets(&set);
  if (key != k::F2 || a.size() != 8) return 27;
  c->buffer = a + (z.size() == 8 ? z : std::string(8, ' '));
  return 0;
}

ChooserFunction list_text_chooser(std::vector<std::string> items, bool strip_number) {
  return [items, strip_number](EditControl* c) {
    std::string cur = c->buffer;
    size_t b = cur.find_first_not_of(' '), e = cur.find_last_not_of(' ');
    cur = b == std::string::npos ? std::string() : cur.substr(b, e - b + 1);
    int start = 0;
    for (size_t i = 0; i < items.size() && !cur.empty(); ++i)
      if (strip_number ? items[i].substr(3) == cur : items[i][0] == cur[0]) start = static_cast<int>(i);
    int chosen = wybierz_z_listy(items, start);
    if (chosen < 0) return 27;
    std::string v = items[static_cast<size_t>(chosen)];
    c->buffer = strip_number ? v.substr(3) : std::to_string(chosen + 1);
    return 0;
  };
}

std::string fuel_shown(const std::string& text) {
  int code = std::atoi(text.c_str());
  return code ? std::to_string(code) + ". " + fuel_name(code) : std::string("brak");
}

std::string category_shown(const std::string& text) {
  static const std::vector<std::string> names = category_names();
  int code = std::atoi(text.c_str());
  if (code < 0 || code >= static_cast<int>(names.size())) code = 0;
  return names[static_cast<size_t>(code)].substr(0, 50);
}

void define_head(EditCtrlDefinition& e) {
  DefineEditCtrl(&e, 0, 15, F("KIE"), 0)->valid = valid_empty_get;
  DefineEditCtrl(&e, 0, 48, F("KIM"), 0);
}

void define_tail(EditCtrlDefinition& e, bool company) {
  DefineEditCtrl(&e, 3, 15, F("MAR"), 0)->valid = valid_empty_get;
  if (!company) {
    EditControl* poj = DefineEditCtrl(&e, 3, 54, F("POJ"), 0);
    poj->chooser = list_text_chooser({std::string("1. ") + kUpTo900, std::string("2. ") + kOver900}, true);
    poj->chooser_mode = 1;
  }
  DefineEditCtrl(&e, 4, 15, F("NUM"), EDIT_UPPER)->valid = valid_empty_get;
  EditControl* rop = DefineEditCtrl(&e, 4, 54, F("ROP"), 0);
  rop->chooser = list_text_chooser(fuel_choices(), false);
  rop->chooser_mode = 1;
  rop->show = fuel_shown;
  EditControl* sta = DefineEditCtrl(&e, 5, 18, F("STA"), EDIT_UPPER);
  sta->chooser = wybierz_tak_nie;
  sta->chooser_mode = 1;
  EditControl* ros = DefineEditCtrl(&e, 6, 15, F("ROS"), 0);
  std::vector<std::string> names = category_names();
  ros->chooser = [names](EditControl* c) {
    int chosen = wybierz_z_listy(names, std::atoi(c->buffer.c_str()));
    if (chosen < 0) return 27;
    c->buffer = std::to_string(chosen);
    return 0;
  };
  ros->chooser_mode = 1;
  ros->show = category_shown;
}

void define_forms(VehiclesRun& run) {
  EditCtrlDefinition& p = run.private_form;
  ResetEditCtrlDefinition(&p);
  define_head(p);
  EditControl* kop = DefineEditCtrl(&p, 1, 15, F("KOP"), 0);
  kop->picture = "99-999";
  kop->valid = valid_empty_get;
  DefineEditCtrl(&p, 1, 22, F("MIA"), 0)->valid = valid_empty_get;
  DefineEditCtrl(&p, 2, 15, F("ULI"), 0)->valid = valid_empty_get;
  define_tail(p, false);
  EditCtrlDefinition& c = run.company_form;
  ResetEditCtrlDefinition(&c);
  define_head(c);
  EditControl* re1 = DefineEditCtrl(&c, 1, 16, F("RE1"), 0);
  re1->chooser = choose_period;
  re1->chooser_mode = 1;
  re1->show = period_shown;
  re1->valid = [](EditControl* ctrl) {
    Date d;
    if (ctrl->buffer.size() < 8 || !from_dbf(ctrl->buffer.substr(0, 8), d) || d.empty()) {
      MessageWindow(2, 0, "Podaj datę rozpoczęcia ewidencji (F4) !", 0);
      return -1;
    }
    return 0;
  };
  DefineEditCtrl(&c, 2, 15, F("RE2"), 0)->picture = "99999999";
  define_tail(c, true);
}

// The panel under the list: type and status, the owner or driver, the
// address (private) or the record period and odometer (company), make,
// registration, fuel, capacity and category.
void define_panel(RegisterFrame& f) {
  auto field = [](const char* name) { return [name] { return f4trim(F(name)); }; };
  dictionaries::define_info_panel(
      &f.texts, F("TYP"), 7, 177,
      {{0, 8, 19, [] { return std::string(is_company(f4str(F("TYP"))) ? "służbowy" : "prywatny"); }},
       {0, 36, 12, [] { return std::string(f4trim(F("STA")) == "T" ? "aktywny" : "nieaktywny"); }},
       {1, 21, 57, [] { return f4trim(F("KIE")) + " " + f4trim(F("KIM")); }},
       {2, 0, 78,
        [] {
          if (!is_company(f4str(F("TYP"))))
            return "adres: " + f4trim(F("KOP")) + " " + f4trim(F("MIA")) + ", " + f4trim(F("ULI"));
          return "ewidencja od " + period_shown(f4str(F("RE1"))) + "   stan licznika: " +
                 std::to_string(std::lround(f4double(F("RE2"))));
        }},
       {3, 7, 20, field("MAR")},
       {3, 37, 12, field("NUM")},
       {3, 59, 19, [] { return fuel_shown(f4str(F("ROP"))); }},
       {4, 11, 16, field("POJ")},
       {4, 38, 40, [] { return category_shown(f4str(F("ROS"))); }}});
}

// Writes one changed field of the current record at once.
void write_now(BROWSE* b, const char* field, const std::string& value) {
  long rec = d4recno(b->data);
  if (go_and_lock(b->data, rec) != 0) return;
  f4assign(F(field), value.c_str());
  if (write_and_unlock(b->data) != 0) {
    d4refresh_record(b->data);
    d4unlock(b->data);
  }
  browse_call(1, rec);
}

int switch_type(BROWSE* b) {
  if (!dictionaries::list_has_current(b)) {
    Uwaga(50007);
    return 0;
  }
  bool company = !is_company(f4str(F("TYP")));
  write_now(b, "TYP", company ? "S" : "P");
  const char* text = PrintfQStr(RcQStr(kTypeChanged), vehicle_kind(company ? "S" : "P"));
  MessageWindow(1, 0, text, 0);
  return 0;
}

int set_item(int) {
  BROWSE* b = current_browse();
  if (!b || !g_run) return -1;
  if (!dictionaries::list_has_current(b)) {
    Uwaga(50007);
    return 0;
  }
  write_now(b, "STA", f4trim(F("STA")) == "T" ? "N" : "T");
  return 0;
}

int modify_item(int code) {
  BROWSE* b = current_browse();
  if (!b) return -1;
  return browse_modyfikuj(code);
}

int add_item(int code) {
  BROWSE* b = current_browse();
  if (!b) return -1;
  use_form(b, false);
  return browse_dopisz(code);
}

int vehicles_main() {
  data::TableHandles& t = vehicles();
  if (!t.open()) return 0;
  VehiclesRun run;
  run.t = &t;
  g_run = &run;
  define_forms(run);
  FIELD4* f_inf = t.field("INF");
  FIELD4* f_typ = t.field("TYP");
  RegisterFrame frame;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 5231, 'd', -1, add_item, nullptr);
    MenuDefineItem(" Modyfikuj ", 5232, 'm', -1, modify_item, nullptr);
    MenuDefineItem(" Drukuj ", 5233, 'r', -1, browse_drukuj, nullptr);
    MenuDefineItem(" Ustaw ", 5234, 'u', -1, set_item, nullptr);
    ScrollColumn* typ = DefineScrollColumn(&f.scroll, f_typ, 0, "T");
    typ->show = [f_typ] { return std::string(is_company(f4str(f_typ)) ? "S" : "P"); };
    DefineScrollColumn(&f.scroll, t.field("STA"), 0, "S");
    DefineScrollColumn(&f.scroll, t.field("KIE"), 0, "właściciel/kierowca", t.tag(1));
    DefineScrollColumn(&f.scroll, t.field("MAR"), 0, "marka");
    DefineScrollColumn(&f.scroll, t.field("NUM"), 0, "numer rej.");
    define_panel(f);
    auto company_only = [f_typ](const char* name, int kind) {
      return [f_typ, name, kind]() -> std::string {
        if (!is_company(f4str(f_typ))) return "";
        FIELD4* fld = g_run->t->field(name);
        std::string v = f4str(fld);
        if (kind == 0) {
          Date d;
          return v.size() >= 8 && from_dbf(v.substr(0, 8), d) && !d.empty() ? to_shown(d) : "";
        }
        if (kind == 1) {
          Date d;
          return v.size() >= 16 && from_dbf(v.substr(8, 8), d) && !d.empty() ? to_shown(d) : "";
        }
        return std::to_string(std::lround(f4double(fld)));
      };
    };
    struct Col {
      const char* header;
      const char* field;
      int width;
    } cols[] = {{"status", "STA", 6}, {"właściciel/kierowca", "KIE", 24}, {"kod", "KOP", 6},
                {"miasto", "MIA", 14}, {"ulica", "ULI", 20}, {"marka", "MAR", 14}, {"numer rej.", "NUM", 10},
                {"pojemność", "POJ", 10}};
    TabuColumn* ct = DefineTabuColumn(&f.print_columns, "typ", 0, f_typ, 0, 1);
    ct->width = 3;
    ct->show = [f_typ] { return std::string(is_company(f4str(f_typ)) ? "S" : "P"); };
    int order = 2;
    for (const Col& c : cols) DefineTabuColumn(&f.print_columns, c.header, 0, t.field(c.field), 0, order++)->width = c.width;
    FIELD4* f_rop = t.field("ROP");
    TabuColumn* fuel = DefineTabuColumn(&f.print_columns, "paliwo", 0, f_rop, 0, order++);
    fuel->width = 13;
    fuel->show = [f_rop] { return std::string(fuel_name(std::atoi(f4str(f_rop)))); };
    TabuColumn* od = DefineTabuColumn(&f.print_columns, "ewid. od", 0, t.field("RE1"), 0, order++);
    od->width = 10;
    od->show = company_only("RE1", 0);
    TabuColumn* dd = DefineTabuColumn(&f.print_columns, "ewid. do", 0, t.field("RE1"), 0, order++);
    dd->width = 10;
    dd->show = company_only("RE1", 1);
    TabuColumn* lic = DefineTabuColumn(&f.print_columns, "stan licznika", 0, t.field("RE2"), 0, order++);
    lic->width = 9;
    lic->show = company_only("RE2", 2);
    FIELD4* f_ros = t.field("ROS");
    TabuColumn* cat = DefineTabuColumn(&f.print_columns, "samochód", 0, f_ros, 0, order++);
    cat->width = 30;
    cat->show = [f_ros] { return category_shown(f4str(f_ros)); };
  };
  auto fill = [&](BROWSE* b) {
    b->title_id = kTitle;
    b->print_title_id = kTitle;
    use_form(b, false);
    b->stamp = f_inf;
    b->new_record = [](BROWSE*) {
      f4assign(F("TYP"), "P");
      f4assign(F("STA"), "T");
      f4assign(F("POJ"), kUpTo900);
      return 0;
    };
    b->before_edit = [](BROWSE* br) {
      use_form(br, is_company(f4str(F("TYP"))));
      return 0;
    };
    b->list_key = [](BROWSE* br, int key) {
      if (key == k::F4) return switch_type(br);
      if (key == k::F2 && dictionaries::list_has_current(br)) use_form(br, is_company(f4str(F("TYP"))));
      return 1;
    };
    b->hot_key = [f_inf](int key) {
      if (key == k::F4) return key;
      return hot_keys(key, -1, 5231, -1, 5232, 1, 0, f_inf);
    };
  };
  int rc = dictionaries::run_register(frame, t.data, t.tag(1), 7, 7, 0, build, fill);
  g_run = nullptr;
  return rc;
}

const frame::RegisterProvider provider(frame::RegisterId::Vehicles, vehicles_main);

}  // namespace

}  // namespace skolvarin::transport
