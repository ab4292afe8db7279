// Payroll lists (" Lista "): the pay records of the working year, one per
// person, list and month, with their components.  " Dopisz " makes a record
// for a chosen person and opens its form; the form recomputes the pay chain
// as amounts are typed (while adding), F3 opens the components and F7
// recomputes (while modifying).  The pay itself is computed by
// payroll/pay_lists.h, which the batch commands call too.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cash/ledger_posting.h"
#include "data/module_state.h"
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"
#include "host/api/keys.h"
#include "host/api/print_api.h"
#include "host/api/rounding.h"
#include "host/api/screen_api.h"
#include "payroll/absence_hooks.h"
#include "payroll/employees.h"
#include "declarations/pit_registers.h"
#include "payroll/pay_lists.h"
#include "payroll/payroll_settings.h"
#include "transfers/transfers_register.h"

namespace skolvarin::payroll {

namespace {

using dictionaries::RegisterFrame;

constexpr int kTitle = 130;               // "Lista płac"
constexpr int kComponentsTitle = 129;     // "Lista płac nr %d, %s %d,  %s"
constexpr int kAskAbsences = 43;          // "Czy dodać składniki wynikające z nieobecności za %s %d ?"
constexpr int kAskFixed = 51;             // "Czy przepisać stałe składniki z poprzedniego miesiąca ?"
constexpr int kSetMonthFilter = 196, kSetEmployeeFilter = 197;
constexpr int kNegative = 50133, kBadMonth = 50137;
constexpr int kFormTemplate = 131;
constexpr int kFormRows = 22;

constexpr const char* kMonths[] = {"styczeń", "luty",     "marzec",   "kwiecień",    "maj",      "czerwiec",
                                   "lipiec",  "sierpień", "wrzesień", "październik", "listopad", "grudzień"};
const char* month_name(int m) { return m >= 1 && m <= 12 ? kMonths[m - 1] : "?"; }

struct ListsRun {
  RegisterFrame frame;
  ListEnv env;
  Filter* by_person = nullptr;
  Filter* by_month = nullptr;
  Filter* by_list = nullptr;
  int book_menu = -1, print_menu = -1, components_menu = -1;
  // The record in the form.
  bool adding = false;
  YearToDate ytd;
  bool recomputed_by_key = false;
};
ListsRun* g_run = nullptr;

data::TableHandles& P() { return data::handles("W3PENS  .DBF"); }
FIELD4* PF(const char* name) { return P().field(name); }
data::TableHandles& K() { return data::handles("W3PESK  .DBF"); }
FIELD4* KF(const char* name) { return K().field(name); }

bool visible_now() { return !g_run || FilterFunction(&g_run->frame.filters) == r4keep; }

int filter_month() { return g_run && g_run->by_month ? std::atoi(g_run->by_month->value.c_str()) : 0; }
int filter_list() { return g_run && g_run->by_list ? std::atoi(g_run->by_list->value.c_str()) : 0; }
long filter_person() { return g_run && g_run->by_person ? std::atol(g_run->by_person->value.c_str()) : 0; }

// Messages of a new record: a missing tax scale is an alarm, the rest warnings.
void show_messages(const std::vector<int>& ids) {
  for (int id : ids) id == 39 ? Alarm(id) : Uwaga(id);
}

// ---------------------------------------------------------------- the form

struct AmountPlace {
  PayField field;
  const char* name;
  int row, col;
};
constexpr AmountPlace kPlaces[] = {
    {PayField::KUZ, "KUZ", 8, 65},  {PayField::PER, "PER", 9, 25},  {PayField::KEU, "KEU", 9, 65},
    {PayField::KEP, "KEP", 10, 25}, {PayField::KRU, "KRU", 10, 65}, {PayField::KRP, "KRP", 11, 25},
    {PayField::PCW, "PCW", 11, 65}, {PayField::KCU, "KCU", 12, 25}, {PayField::KWP, "KWP", 12, 65},
    {PayField::PSZ, "PSZ", 13, 25}, {PayField::DOP, "DOP", 13, 65}, {PayField::POP, "POP", 14, 25},
    {PayField::POS, "POS", 14, 65}, {PayField::POD, "POD", 15, 25}, {PayField::ODL, "ODL", 15, 65},
    {PayField::KZU, "KZU", 16, 25}, {PayField::OBP, "OBP", 16, 65}, {PayField::NPO, "NPO", 17, 25},
    {PayField::ODZ, "ODZ", 17, 65}, {PayField::ZAZ, "ZAZ", 18, 25},
};

// The form's record as it stands in the buffer, recomputed and put back.
void recompute_buffer(ChainStep from, bool resum, bool* sums_changed) {
  PayRecord r;
  if (!read_pay_record(g_run->env, r)) return;
  const int rc = recompute_in_memory(g_run->env, r, from, resum, sums_changed, &g_run->ytd);
  if (rc == 8) {
    Alarm(8);
    return;
  }
  assign_pay_fields(g_run->env, r);
}

// Writes the form's buffer as it stands (the record being modified).
void write_buffer() {
  PayRecord r;
  if (!read_pay_record(g_run->env, r)) return;
  if (go_and_lock(g_run->env.pens, r.recno) != 0) return;
  assign_pay_fields(g_run->env, r);
  write_and_unlock(g_run->env.pens);
}

int components_window(long recno);

// F3 and F7 in the form: the components (F3) or the chain alone (F7).
int form_key(EditControl* c, int key) {
  if (key != keys::F3 && key != keys::F7) return key;
  if (key == keys::F7 && g_run->adding) return 0;
  bool changed = false;
  PayRecord r;
  if (!read_pay_record(g_run->env, r)) return 0;
  if (key == keys::F3) {
    // The window reads the record afresh: what was typed in the form is
    // put back into the buffer afterwards.
    const int rc = components_window(r.recno);
    d4go(g_run->env.pens, r.recno);
    assign_pay_fields(g_run->env, r);
    if (rc != 0) return 0;
    recompute_buffer(ChainStep::Gross, true, &changed);
  } else {
    recompute_buffer(ChainStep::Gross, false, nullptr);
  }
  if (!g_run->adding) {
    write_buffer();
    if (changed || key == keys::F7) Uwaga(kMsgSumsUpdated);
  }
  g_run->recomputed_by_key = true;
  if (f4type(c->field) == 'D') {
    const Date d = f4date(c->field);
    c->buffer = d.empty() ? std::string() : PrintfQStr("%02d-%02d-%04d", d.day, d.month, d.year);
  } else {
    c->buffer = f4trim(c->field);
  }
  return keys::Enter;
}

// Leaving an amount: refused when negative (except DOP); while adding, the
// chain restarts at the step after it.
ValidFunction amount_valid(PayField field) {
  return [field](EditControl* c) {
    if (g_run->recomputed_by_key) {
      g_run->recomputed_by_key = false;
      return 0;
    }
    const double v = f4double(c->field);
    if (!typed_amount_allowed(field, v)) {
      Uwaga(kNegative);
      return -1;
    }
    if (g_run->adding) recompute_buffer(restart_step(field), false, nullptr);
    return 0;
  };
}

// A read-only amount of the form, right-aligned as the typed ones.
void amount_text(RegisterFrame& f, int row, int col, const char* name) {
  DefineTextCtrl(&f.texts, row, col, PF(name), 0)->picture = "999999.99";
}

void define_form(RegisterFrame& f) {
  EditControl* dwy = DefineEditCtrl(&f.edits, 0, 64, PF("DWY"), 0);
  dwy->picture = "DD-MM-CCYY";
  dwy->valid = test_daty_niepustej;
  dwy->key_filter = form_key;
  for (const AmountPlace& p : kPlaces) {
    EditControl* c = DefineEditCtrl(&f.edits, p.row, p.col, PF(p.name), 0);
    c->picture = p.field == PayField::POS ? "99.9" : "999999.99";
    c->valid = amount_valid(p.field);
    c->key_filter = form_key;
  }
  DefineTextCtrl(&f.texts, 0, 34, PF("NRL"), 0);
  DefineTextCtrl(&f.texts, 0, 45, PF("MIE"), 0);
  DefineTextCtrl(&f.texts, 1, 12, PF("NAZ"), 0);
  DefineTextCtrl(&f.texts, 1, 43, PF("IMI"), 0);
  const char* sums[4][4] = {{"DPI", "DZP", "DNI", "DZN"}, {"SPI", "SZP", "SNI", "SZN"}, {"PPI", "PZP", "PNI", "PZN"}};
  const int cols[4] = {12, 25, 37, 49};
  for (int r = 0; r < 3; ++r)
    for (int k = 0; k < 4; ++k) amount_text(f, 3 + r, cols[k], sums[r][k]);
  amount_text(f, 6, 12, "PFP");
  amount_text(f, 6, 35, "WZC");
  amount_text(f, 6, 58, "ODB");
  amount_text(f, 8, 25, "BRP");
  amount_text(f, 18, 65, "WYP");
  amount_text(f, 19, 25, "PCO");
  amount_text(f, 19, 65, "SCO");
  amount_text(f, 20, 25, "FPP");
  amount_text(f, 20, 52, "FGP");
  amount_text(f, 20, 65, "FEP");
}

// Opens the form on the record `recno`; true when it was saved.
bool run_form(long recno, bool adding) {
  BROWSE* b = current_browse();
  if (!b) return false;
  PayRecord r;
  if (!read_pay_record(g_run->env, recno, r)) return false;
  g_run->ytd = year_to_date(g_run->env, r.KOD, r.MIE, r.NRL, visible_now).ytd;
  d4go(g_run->env.pens, recno);
  g_run->adding = adding;
  g_run->recomputed_by_key = false;
  const int key = browse_form(b, BROWSE_MODIFY);
  g_run->adding = false;
  if (key != keys::F2) return false;
  // Saving: the components are locked while the record is written; a
  // record that cannot be written goes with its components.
  PayRecord saved;
  if (!read_pay_record(g_run->env, saved)) return false;
  DATA4* pens = g_run->env.pens;
  const bool components_locked = set_lock(g_run->env.pesk, -1) == 0;
  bool written = false;
  if (components_locked && go_and_lock(pens, recno) == 0) {
    assign_pay_fields(g_run->env, saved);
    f4assign(PF("INF"), record_stamp(g_run->env.ctx).c_str());
    written = write_and_unlock(pens) == 0;
  }
  if (components_locked) d4unlock(g_run->env.pesk);
  if (!written) {
    d4unlock(pens);
    delete_pay_record(g_run->env, recno);
    return false;
  }
  if (spread_payment_date(g_run->env, saved) == kMsgPostedList) Uwaga(kMsgPostedList);
  return true;
}

// ---------------------------------------------------------------- components window

long g_rek = 0;
int components_filter(void*) { return f4long(KF("REK")) == g_rek ? r4keep : r4ignore; }

struct ComponentsRun {
  long recno = 0;
  PayRecord rec;
};
ComponentsRun* g_comp = nullptr;

// " Dopisz " of the components window: "Podaj kod składnika -".
int add_component_item(int) {
  if (!g_comp) return 0;
  int window = DefineWprowadzWindow(1, 36, " SKŁADNIK ");
  if (window < 0) return 0;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  Widget* w = DefineWigetEx(&set, 0, 1, "Podaj kod składnika -", 4, WIDGET_TEXT);
  const int key = ActivateWindow(window, &set);
  std::string code = dictionaries::upper(w->value);
  FreeWigets(&set);
  w4close(window);
  if (key != keys::F2 && key != keys::Enter) return 0;
  ComponentEntry e = enter_component(g_run->env, g_comp->rec, code);
  if (e.refused == 13) MessageWindow(2 | 16, 13, RcQStr(kMsgComponentKindsLetters), 0);
  else if (e.refused == kMsgNotEntitled) Alarm(kMsgNotEntitled);
  else if (e.refused > 0) Uwaga(e.refused);
  for (int m : e.warnings) Alarm(m);
  if (e.recno > 0) browse_call(1, e.recno);
  else browse_call(0, 0);
  return 0;
}

// F3 "Kwota" and " Modyfikuj ": the amount and the other values of the component.
int edit_component(bool amount_only) {
  DATA4* d = K().data;
  if (d4recno(d) < 1 || d4eof(d) || f4long(KF("REK")) != g_rek) return 0;
  int window = DefineWprowadzWindow(amount_only ? 1 : 6, 44, " SKŁADNIK ");
  if (window < 0) return 0;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  char text[32];
  Widget* kwo = DefineWigetEx(&set, 0, 1, "kwota.........", 10, WIDGET_NUMBER, "999999.99");
  std::snprintf(text, sizeof text, "%.2f", f4double(KF("KWO")));
  WigetSetString(kwo, text);
  Widget *dod = nullptr, *ddo = nullptr, *ild = nullptr, *ilg = nullptr, *sta = nullptr;
  if (!amount_only) {
    dod = DefineWigetEx(&set, 1, 1, "od dnia.......", 10, WIDGET_DATE);
    WigetSetString(dod, f4str(KF("DOD")));
    ddo = DefineWigetEx(&set, 2, 1, "do dnia.......", 10, WIDGET_DATE);
    WigetSetString(ddo, f4str(KF("DDO")));
    ild = DefineWigetEx(&set, 3, 1, "il.dni........", 3, WIDGET_NUMBER, "999");
    WigetSetString(ild, f4trim(KF("ILD")).c_str());
    ilg = DefineWigetEx(&set, 4, 1, "il.godz.......", 3, WIDGET_NUMBER, "999");
    WigetSetString(ilg, f4trim(KF("ILG")).c_str());
    sta = DefineWigetEx(&set, 5, 1, "stały T/N.....", 1, WIDGET_YESNO);
    WigetSetString(sta, f4trim(KF("STA")).c_str());
  }
  const int key = ActivateWindow(window, &set);
  w4close(window);
  if (key == keys::F2 || key == keys::Enter) {
    const double v = WigetAsDouble(kwo);
    if (v < 0 && std::string(f4trim(KF("KGS"))).rfind("P", 0) != 0) {
      Uwaga(kNegative);
    } else if (go_and_lock(d, d4recno(d)) == 0) {
      f4assign_double(KF("KWO"), v);
      if (!amount_only) {
        f4assign(KF("DOD"), dod->value.c_str());
        f4assign(KF("DDO"), ddo->value.c_str());
        f4assign_long(KF("ILD"), WigetAsLong(ild));
        f4assign_long(KF("ILG"), WigetAsLong(ilg));
        f4assign(KF("STA"), sta->value.c_str());
      }
      write_and_unlock(d);
    }
  }
  FreeWigets(&set);
  browse_call(0, 0);
  return 0;
}

int modify_component_item(int) { return edit_component(false); }

int fixed_components_item() {
  if (Pytanie(kAskFixed) != 13) return 0;
  int copied = 0;
  const int rc = copy_fixed_components(g_run->env, g_comp->rec, &copied);
  if (rc > 0) Uwaga(rc);
  browse_call(0, 0);
  return 0;
}

int absences_item(int year, int month) {
  std::string message;
  if (absence_components_for(g_run->env, g_comp->rec, year, month, &message) < 0)
    MessageWindow(1, 0, message.c_str(), 0);
  browse_call(0, 0);
  return 0;
}

// Step 6: what an opened record without components gets first.
void first_components(const PayRecord& r) {
  if (!components_of(g_run->env, r.REC).empty()) return;
  const PayrollParameters& p = g_run->env.p;
  if (r.MIE != 1 && p.auto_fixed_components == 1) copy_fixed_components(g_run->env, r);
  if (p.auto_absences == 1) {
    const int prev_month = r.MIE == 1 ? 12 : r.MIE - 1;
    const int prev_year = r.MIE == 1 ? g_run->env.year - 1 : g_run->env.year;
    std::string m;
    if (MessageWindow(8, 0, PrintfQStr(RcQStr(kAskAbsences), month_name(prev_month), prev_year), 0) == 13) {
      if (absence_components_for(g_run->env, r, prev_year, prev_month, &m) < 0) MessageWindow(1, 0, m.c_str(), 0);
    } else if (MessageWindow(8, 0, PrintfQStr(RcQStr(kAskAbsences), month_name(r.MIE), g_run->env.year), 0) == 13) {
      if (absence_components_for(g_run->env, r, g_run->env.year, r.MIE, &m) < 0) MessageWindow(1, 0, m.c_str(), 0);
    }
  }
}

// The components of pay record `recno`; 0 when the window ran, -1 when refused.
int components_window(long recno) {
  ComponentsRun run;
  run.recno = recno;
  if (!read_pay_record(g_run->env, recno, run.rec)) return -1;
  if (run.rec.WY1 == 0 || run.rec.WY2 == 0) {
    Uwaga(17);
    return -1;
  }
  first_components(run.rec);
  ComponentsRun* outer = g_comp;
  const long outer_rek = g_rek;
  g_comp = &run;
  g_rek = run.rec.REC;
  data::TableHandles& t = K();
  RegisterFrame frame;
  const std::string title = PrintfQStr(RcQStr(kComponentsTitle), run.rec.NRL, month_name(run.rec.MIE),
                                       g_run->env.year, (run.rec.NAZ + " " + run.rec.IMI).c_str());
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 5311, dictionaries::kKeyAdd, -1, add_component_item, nullptr);
    MenuDefineItem(" Modyfikuj ", 5315, dictionaries::kKeyModify, -1, modify_component_item, nullptr);
    MenuDefineItem(" Usuń ", 5316, dictionaries::kKeyDelete, 1, browse_skasuj, nullptr);
    DefineScrollColumn(&f.scroll, KF("KGS"), 0, "kod");
    DefineScrollColumn(&f.scroll, KF("NA1"), 0, "nazwa")->width = 30;
    DefineScrollColumn(&f.scroll, KF("KWO"), 0, "kwota");
    DefineScrollColumn(&f.scroll, KF("DOD"), 0, "od");
    DefineScrollColumn(&f.scroll, KF("DDO"), 0, "do");
    DefineScrollColumn(&f.scroll, KF("STA"), 0, "st.");
  };
  auto fill = [&](BROWSE* b) {
    b->title = title;
    b->filter_function = components_filter;
    b->stamp = KF("INF");
    // F3, F4 and F5 belong to this window (F5 is not "modify" here).
    b->hot_key = [](int key) {
      if (key == keys::F3 || key == keys::F4 || key == keys::F5) return key;
      return hot_keys(key, -1, 5311, -1, 5315, 1, 5316, KF("INF"));
    };
    b->list_key = [](BROWSE*, int key) {
      if (key == keys::F3) return edit_component(true);
      if (key == keys::F4) return fixed_components_item();
      if (key == keys::F5) return absences_item(g_run->env.year, g_comp->rec.MIE);
      return key;
    };
  };
  TAG4* tag = t.tag(1);
  dictionaries::run_register(frame, t.data, tag, 10, 10, 0, build, fill);
  g_comp = outer;
  g_rek = outer_rek;
  return 0;
}

// ---------------------------------------------------------------- menu items

// The "PENSJA DLA" window: list number and month; false when left.
bool pay_for_window(const ListPerson& person, int& list, int& month) {
  for (;;) {
    int window = DefineWprowadzWindow(4, 40, " PENSJA DLA ");
    if (window < 0) return false;
    WidgetSet set;
    ResetWigetsDefinition(&set);
    DefineWigetEx(&set, 0, 1, ("Nazwisko - " + person.naz).c_str(), 0, WIDGET_LABEL);
    DefineWigetEx(&set, 1, 1, ("Imię     - " + person.imi).c_str(), 0, WIDGET_LABEL);
    Widget* nrl = DefineWigetEx(&set, 2, 1, "Nr listy -", 3, WIDGET_NUMBER, "999");
    WigetSetString(nrl, std::to_string(list).c_str());
    Widget* mie = DefineWigetEx(&set, 3, 1, "Miesiąc  -", 2, WIDGET_NUMBER, "99");
    WigetSetString(mie, std::to_string(month).c_str());
    const int key = ActivateWindow(window, &set);
    const long l = WigetAsLong(nrl), m = WigetAsLong(mie);
    FreeWigets(&set);
    w4close(window);
    if (key != keys::F2 && key != keys::Enter) return false;
    if (l < 0) {
      Uwaga(kNegative);
      continue;
    }
    if (m < 1 || m > 12) {
      Uwaga(kBadMonth);
      continue;
    }
    list = static_cast<int>(l);
    month = static_cast<int>(m);
    // The pay records are locked while the new one is made; a lock that
    // cannot be had shows the window again.
    if (set_lock(g_run->env.pens, -1) != 0) continue;
    return true;
  }
}

int add_item(int) {
  if (!g_run) return 0;
  long kod = 0;
  if (pick_employee(&kod) != 0) return 0;
  ListPerson person;
  if (!read_person(g_run->env, kod, person)) return 0;
  HostContext* ctx = g_run->env.ctx;
  int month = ctx && ctx->today.month ? ctx->today.month : 1, list = 1;
  if (!pay_for_window(person, list, month)) return 0;
  NewPayRecord nr = new_pay_record(g_run->env, kod, month, list, visible_now);
  d4unlock(g_run->env.pens);
  if (nr.refused == kMsgDuplicatePay) {
    Uwaga(kMsgDuplicatePay);
    return 0;
  }
  if (nr.refused != 0) {
    MessageWindow(3, 0, nr.error.c_str(), 0);
    return 0;
  }
  show_messages(nr.warnings);
  browse_call(1, nr.recno);
  if (!run_form(nr.recno, true)) delete_pay_record(g_run->env, nr.recno);
  browse_call(1, nr.recno);
  return 0;
}

bool has_current() {
  BROWSE* b = current_browse();
  return b && dictionaries::list_has_current(b);
}

int modify_item(int) {
  if (!g_run || !has_current()) return 0;
  const long recno = d4recno(g_run->env.pens);
  run_form(recno, false);
  browse_call(1, recno);
  return 0;
}

int delete_item(int) {
  if (!g_run || !has_current()) return 0;
  if (MessageWindow(8, 0, "Czy usunąć bieżący zapis ?", 0) != 13) return 0;
  delete_pay_record(g_run->env, d4recno(g_run->env.pens));
  browse_call(0, 0);
  return 0;
}

int filters_item(int) {
  if (!g_run) return 0;
  OpenFiltersWindow(&g_run->frame.filters);
  browse_call(0, 0);
  return 0;
}

// The records the list shows (filters applied), in its order.
std::vector<long> shown_records() {
  std::vector<long> out;
  DATA4* d = g_run->env.pens;
  long keep = d4recno(d);
  X4FILTER scan;
  x4init(&scan, d, FilterFunction, &g_run->frame.filters);
  for (int rc = x4top(&scan); rc == 0; rc = x4skip(&scan, 1)) out.push_back(d4recno(d));
  if (keep > 0) d4go(d, keep);
  return out;
}

// " Lista ": the month's list (filter on a month).
int print_list_item(int) {
  if (!g_run) return 0;
  if (filter_month() == 0) {
    Uwaga(kSetMonthFilter);
    return 0;
  }
  TabuDefinition cols;
  ResetTabuDefinition(&cols);
  DefineTabuColumn(&cols, "nazwisko", 0, PF("NAZ"), TABU_FIELD_WIDTH, 1);
  DefineTabuColumn(&cols, "imię", 0, PF("IMI"), TABU_FIELD_WIDTH, 2);
  DefineTabuColumn(&cols, "lista", 0, PF("NRL"), TABU_FIELD_WIDTH, 3);
  DefineTabuColumn(&cols, "brutto", TABU_SUM, PF("BRP"), TABU_FIELD_WIDTH, 4);
  DefineTabuColumn(&cols, "emeryt.|prac.", TABU_SUM, PF("KEU"), TABU_FIELD_WIDTH, 5);
  DefineTabuColumn(&cols, "rentowe|prac.", TABU_SUM, PF("KRU"), TABU_FIELD_WIDTH, 6);
  DefineTabuColumn(&cols, "chorob.", TABU_SUM, PF("KCU"), TABU_FIELD_WIDTH, 7);
  DefineTabuColumn(&cols, "zdrow.", TABU_SUM, PF("KZU"), TABU_FIELD_WIDTH, 8);
  DefineTabuColumn(&cols, "zaliczka", TABU_SUM, PF("ODZ"), TABU_FIELD_WIDTH, 9);
  DefineTabuColumn(&cols, "do|wypłaty", TABU_SUM, PF("WYP"), TABU_FIELD_WIDTH, 10);
  prn_tab_rap(g_run->env.ctx, g_run->env.pens, &cols,
              PrintfQStr("Lista płac - %s %d", month_name(filter_month()), g_run->env.year), FilterFunction,
              &g_run->frame.filters);
  return 0;
}

// " Składniki ": "Lista płac - szczegóły." of the shown records (code 1) or
// the current one (code 2).
int print_components_item(int code) {
  if (!g_run) return 0;
  std::vector<long> recs = code == 2 ? std::vector<long>{} : shown_records();
  if (code == 2 && has_current()) recs.push_back(d4recno(g_run->env.pens));
  if (recs.empty()) return 0;
  if (init_prn(g_run->env.ctx, "SKLADNIKI", "Lista płac - szczegóły.") != 0) return 0;
  print_line("Lista płac - szczegóły.");
  for (long recno : recs) {
    PayRecord r;
    if (!read_pay_record(g_run->env, recno, r)) continue;
    print_line("");
    print_line(PrintfQStr("%s %s   lista %d   %s", r.NAZ.c_str(), r.IMI.c_str(), r.NRL, month_name(r.MIE)));
    for (const PayComponent& c : components_of(g_run->env, r.REC))
      print_line(PrintfQStr("   %-4s %-35.35s %12.2f", c.KGS.c_str(), c.NA1.c_str(), c.KWO));
    print_line(PrintfQStr("   brutto %10.2f  ZUS %9.2f  zdrow. %9.2f  zaliczka %9.2f  do wypłaty %10.2f", r.a.BRP,
                          r.a.KEU + r.a.KRU + r.a.KCU, r.a.KZU, r.a.ODZ, r.a.WYP));
  }
  d4go(g_run->env.pens, recs.front());
  deinit_prn(1);
  return 0;
}

// " Karta ": the pay card of the person the filter is set on.
int print_card_item(int) {
  if (!g_run) return 0;
  if (filter_person() == 0) {
    Uwaga(kSetEmployeeFilter);
    return 0;
  }
  TabuDefinition cols;
  ResetTabuDefinition(&cols);
  DefineTabuColumn(&cols, "mies.", 0, PF("MIE"), TABU_FIELD_WIDTH, 1);
  DefineTabuColumn(&cols, "lista", 0, PF("NRL"), TABU_FIELD_WIDTH, 2);
  DefineTabuColumn(&cols, "brutto", TABU_SUM, PF("BRP"), TABU_FIELD_WIDTH, 3);
  DefineTabuColumn(&cols, "podst.|emer.", TABU_SUM, PF("PER"), TABU_FIELD_WIDTH, 4);
  DefineTabuColumn(&cols, "koszty", TABU_SUM, PF("KUZ"), TABU_FIELD_WIDTH, 5);
  DefineTabuColumn(&cols, "podst.|opodat.", TABU_SUM, PF("POP"), TABU_FIELD_WIDTH, 6);
  DefineTabuColumn(&cols, "zdrow.", TABU_SUM, PF("KZU"), TABU_FIELD_WIDTH, 7);
  DefineTabuColumn(&cols, "zaliczka", TABU_SUM, PF("ODZ"), TABU_FIELD_WIDTH, 8);
  DefineTabuColumn(&cols, "do|wypłaty", TABU_SUM, PF("WYP"), TABU_FIELD_WIDTH, 9);
  prn_tab_rap(g_run->env.ctx, g_run->env.pens, &cols, PrintfQStr("Karta wynagrodzeń %d", g_run->env.year),
              FilterFunction, &g_run->frame.filters);
  return 0;
}

int payslips_item(int code) {
  if (!g_run) return 0;
  std::vector<long> recs = code == 2 ? std::vector<long>{} : shown_records();
  if (code == 2 && has_current()) recs.push_back(d4recno(g_run->env.pens));
  if (recs.empty()) return 0;
  if (init_prn(g_run->env.ctx, "PASKI", "Paski wypłat") != 0) return 0;
  print_payslips(g_run->env, recs);
  d4go(g_run->env.pens, recs.front());
  deinit_prn(1);
  return 0;
}

int pit_item(int) { return declarations::pit4r_register(); }

// Month and list asked in a window (the filters' values proposed).
bool ask_month_list(const char* title, int& month, int& list) {
  int window = DefineWprowadzWindow(2, 30, title);
  if (window < 0) return false;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  Widget* m = DefineWigetEx(&set, 0, 1, "Miesiąc  -", 2, WIDGET_NUMBER, "99");
  WigetSetString(m, std::to_string(month).c_str());
  Widget* l = DefineWigetEx(&set, 1, 1, "Nr listy -", 3, WIDGET_NUMBER, "999");
  WigetSetString(l, std::to_string(list).c_str());
  const int key = ActivateWindow(window, &set);
  month = static_cast<int>(WigetAsLong(m));
  list = static_cast<int>(WigetAsLong(l));
  FreeWigets(&set);
  w4close(window);
  if (key != keys::F2 && key != keys::Enter) return false;
  if (month < 1 || month > 12) {
    Uwaga(kBadMonth);
    return false;
  }
  return true;
}

// " Suma ": the totals of a month's list ("Sumy płac.").
int totals_item(int) {
  if (!g_run) return 0;
  int month = filter_month() ? filter_month() : (g_run->env.ctx ? g_run->env.ctx->today.month : 1);
  int list = filter_list();
  if (!ask_month_list(" SUMA ", month, list)) return 0;
  const ListTotals t = list_totals(g_run->env, month, list);
  if (!t.mismatched.empty()) Uwaga(kMsgSumsMismatch);
  if (init_prn(g_run->env.ctx, "SUMA", "Sumy płac.") != 0) return 0;
  const PayAmounts& a = t.sum.a;
  print_line("Sumy płac.");
  print_line(PrintfQStr("%s %d, lista %s, pensji: %d", month_name(month), g_run->env.year,
                        list ? std::to_string(list).c_str() : "wszystkie", t.records));
  print_line("");
  const std::pair<const char*, double> rows[] = {
      {"dodatki", t.additions},           {"świadczenia", t.benefits},        {"potrącenia", t.deductions},
      {"płaca brutto", a.BRP},            {"koszty uzyskania", a.KUZ},        {"podstawa emer.-rentowa", a.PER},
      {"emerytalne pracownik", a.KEU},    {"emerytalne pracodawca", a.KEP},   {"rentowe pracownik", a.KRU},
      {"rentowe pracodawca", a.KRP},      {"chorobowe", a.KCU},               {"wypadkowe", a.KWP},
      {"podstawa zdrowotna", a.PSZ},      {"składka zdrowotna", a.KZU},       {"podstawa opodatkowania", a.POP},
      {"zaliczka do zapłacenia", a.ODZ},  {"Fundusz Pracy", a.FPP},           {"FGŚP", a.FGP},
      {"FEP", a.FEP},                     {"do wypłaty", a.WYP},              {"- na konto", a.PCO},
      {"- gotówka", a.SCO}};
  for (const auto& [label, v] : rows) print_line(PrintfQStr("  %-28s %14.2f", label, v));
  deinit_prn(1);
  return 0;
}

// " Księguj " " Brutto " (code 1) and " ZUS " (code 2): the month's list
// (filter on a month; the list filter or every list) into the book.
int book_item(int code) {
  if (!g_run) return 0;
  const int month = filter_month();
  if (month == 0) {
    Uwaga(kSetMonthFilter);
    return 0;
  }
  const int list = filter_list();
  const std::vector<long> recs = records_of_month(g_run->env, month, list);
  if (recs.empty()) return 0;
  double total = 0;
  long existing = 0;
  Date day;
  for (long recno : recs) {
    PayRecord r;
    if (!read_pay_record(g_run->env, recno, r)) continue;
    total += code == 1 ? r.a.BRP : r.a.KEP + r.a.KRP + r.a.KWP + r.a.FPP + r.a.FGP + r.a.FEP;
    if (existing == 0) existing = code == 1 ? r.BRE : r.ZRE;
    if (day.empty()) day = r.DWY;
  }
  if (day.empty()) day = last_day_of_month(g_run->env.year, month);
  cash::PostingRecord p;
  p.entry_date = to_dbf(day);
  p.source = code == 1 ? 5 : 6;
  p.list_number = list;
  p.existing = existing;
  p.document = list > 0 ? PrintfQStr("LP %d/%02d/%d", list, month, g_run->env.year)
                        : PrintfQStr("LP %02d/%d", month, g_run->env.year);
  // Two description lines of 20 characters: what, then the month.
  p.description1 = code == 1 ? "Wynagrodzenia brutto" : "Składki ZUS pracod.";
  p.description2 = PrintfQStr("%s %d", month_name(month), g_run->env.year);
  p.amounts[code == 1 ? 4 : 5] = R(total, 2);
  p.day_number = day_number(day);
  p.open_accounts = true;
  if (cash::post_to_book(p) != cash::kPosted || !p.written) return 0;
  Date posted;
  from_dbf(p.posting_date, posted);
  for (long recno : recs)
    if (go_and_lock(g_run->env.pens, recno) == 0) {
      f4assign_long(PF(code == 1 ? "BRE" : "ZRE"), p.existing);
      f4assign_long(PF(code == 1 ? "BLP" : "ZLP"), p.ordinal);
      f4assign_date(PF(code == 1 ? "BDZ" : "ZDZ"), posted);
      write_and_unlock(g_run->env.pens);
    }
  browse_call(0, 0);
  return 0;
}

// " Przelew ": the pay of the current record to the person's account.
int transfer_item(int) {
  if (!g_run || !has_current()) return 0;
  PayRecord r;
  if (!read_pay_record(g_run->env, r)) return 0;
  const double amount = r.a.PCO > 0 ? r.a.PCO : r.a.WYP;
  transfers::pay_transfer(r.KOD, amount, g_run->env.z.account_payroll);
  d4go(g_run->env.pens, r.recno);
  return 0;
}

// " Kopiuj ".
int copy_item(int) {
  if (!g_run) return 0;
  CopyRequest req;
  req.from_year = g_run->env.year;
  req.from_month = filter_month() ? filter_month() : (g_run->env.ctx ? g_run->env.ctx->today.month : 1);
  req.from_list = filter_list() ? filter_list() : 1;
  propose_copy_target(req);
  for (;;) {
    int window = DefineWprowadzWindow(5, 60, " KOPIOWANIE LIST ");
    if (window < 0) return 0;
    WidgetSet set;
    ResetWigetsDefinition(&set);
    DefineWigetEx(&set, 0, 1, "Lista do skopiowania:", 0, WIDGET_LABEL);
    Widget* fy = DefineWigetEx(&set, 1, 1, "Rok:", 4, WIDGET_LABEL);
    WigetSetString(fy, std::to_string(req.from_year).c_str());
    fy->label = "Rok: " + std::to_string(req.from_year);
    Widget* fm = DefineWigetEx(&set, 1, 12, "Miesiąc:", 2, WIDGET_NUMBER, "99");
    WigetSetString(fm, std::to_string(req.from_month).c_str());
    Widget* fl = DefineWigetEx(&set, 1, 26, "Nr listy:", 3, WIDGET_NUMBER, "999");
    WigetSetString(fl, std::to_string(req.from_list).c_str());
    DefineWigetEx(&set, 2, 1, "Nowa lista:", 0, WIDGET_LABEL);
    Widget* ty = DefineWigetEx(&set, 3, 1, "Rok:", 4, WIDGET_NUMBER, "9999");
    WigetSetString(ty, std::to_string(req.to_year).c_str());
    Widget* tm = DefineWigetEx(&set, 3, 12, "Miesiąc:", 2, WIDGET_NUMBER, "99");
    WigetSetString(tm, std::to_string(req.to_month).c_str());
    Widget* tl = DefineWigetEx(&set, 3, 26, "Nr listy:", 3, WIDGET_NUMBER, "999");
    WigetSetString(tl, std::to_string(req.to_list).c_str());
    DefineWigetEx(&set, 4, 1, "Nr listy = 0 - kopiowanie wszystkich list w miesiącu.", 0, WIDGET_LABEL);
    const int key = ActivateWindow(window, &set);
    const int new_from_month = static_cast<int>(WigetAsLong(fm));
    req.from_list = static_cast<int>(WigetAsLong(fl));
    req.to_year = static_cast<int>(WigetAsLong(ty));
    req.to_month = static_cast<int>(WigetAsLong(tm));
    req.to_list = static_cast<int>(WigetAsLong(tl));
    FreeWigets(&set);
    w4close(window);
    if (key != keys::F2 && key != keys::Enter) return 0;
    if (new_from_month != req.from_month) {
      // A changed source month proposes its next month as the target.
      req.from_month = new_from_month;
      if (req.from_month >= 1 && req.from_month <= 12) propose_copy_target(req);
      continue;
    }
    const bool source = !records_of_month(g_run->env, req.from_month, req.from_list).empty();
    bool target = false;
    if (req.to_year == g_run->env.year)
      target = !records_of_month(g_run->env, req.to_month, req.to_list).empty();
    const CopyProblem problem = check_copy(req, source, target);
    if (problem.message) {
      Uwaga(problem.message);
      continue;
    }
    if (!problem.text.empty()) {
      MessageWindow(2, 0, problem.text.c_str(), 0);
      continue;
    }
    std::string error;
    const int made = copy_lists(g_run->env, req, error);
    if (made < 0) MessageWindow(3, 0, error.c_str(), 0);
    else MessageWindow(1, 0, PrintfQStr("Skopiowano pensji: %d.", made), 0);
    browse_call(0, 0);
    return 0;
  }
}

int lists_main() {
  ListsRun run;
  HostContext* ctx = data::state().ctx;
  std::string error;
  if (!bind_list_env(ctx, data::working_year(ctx), run.env, error)) {
    MessageWindow(3, 0, error.c_str(), 0);
    return 0;
  }
  ListsRun* outer = g_run;
  g_run = &run;
  data::TableHandles& t = P();
  const std::string title = std::string(RcQStr(kTitle)) + " " + std::to_string(run.env.year);
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 5311, dictionaries::kKeyAdd, -1, add_item, nullptr);
    MenuDefineItem(" Księguj ", 5312, 'k', -1, nullptr, &run.book_menu);
    MenuDefineItem(" Modyfikuj ", 5315, dictionaries::kKeyModify, -1, modify_item, nullptr);
    MenuDefineItem(" Usuń ", 5316, dictionaries::kKeyDelete, 1, delete_item, nullptr);
    MenuDefineItem(" Drukuj ", 5317, dictionaries::kKeyPrint, -1, nullptr, &run.print_menu);
    MenuDefineItem(" Filtry ", 5326, dictionaries::kKeyFilters, -1, filters_item, nullptr);
    MenuDefineItem(" Suma ", 5327, 's', -1, totals_item, nullptr);
    MenuDefineItem(" Przelew ", 5328, 'p', -1, transfer_item, nullptr);
    MenuDefineItem(" Kopiuj ", 5302, 'o', -1, copy_item, nullptr);
    run.book_menu = DefineMenuWindow(-1, -1);
    if (run.book_menu >= 0) {
      MenuDefineItem(" Brutto ", 5313, 'b', 1, book_item, nullptr);
      MenuDefineItem(" ZUS ", 5314, 'z', 2, book_item, nullptr);
    }
    run.print_menu = DefineMenuWindow(-1, -1);
    if (run.print_menu >= 0) {
      MenuDefineItem(" Lista ", 5318, 'l', -1, print_list_item, nullptr);
      MenuDefineItem(" Składniki ", 5329, 's', -1, nullptr, &run.components_menu);
      MenuDefineItem(" Karta ", 5319, 'k', -1, print_card_item, nullptr);
      MenuDefineItem(" Tabulogram ", 5320, 't', -1, browse_drukuj, nullptr);
      MenuDefineItem(" Paski ", 5317, 'a', 1, payslips_item, nullptr);
      MenuDefineItem(" Pasek ", 5317, 'e', 2, payslips_item, nullptr);
      MenuDefineItem(" PIT ", 5325, 'i', -1, pit_item, nullptr);
    }
    run.components_menu = DefineMenuWindow(-1, -1);
    if (run.components_menu >= 0) {
      MenuDefineItem(" Wszystkich ", 5329, 'w', 1, print_components_item, nullptr);
      MenuDefineItem(" Jednego ", 5329, 'j', 2, print_components_item, nullptr);
    }
    DefineScrollColumn(&f.scroll, PF("NAZ"), 0, "nazwisko", t.tag(2))->width = 22;
    DefineScrollColumn(&f.scroll, PF("IMI"), 0, "imię")->width = 12;
    DefineScrollColumn(&f.scroll, PF("MIE"), 0, "mies.", t.tag(3));
    DefineScrollColumn(&f.scroll, PF("NRL"), 0, "lista");
    DefineScrollColumn(&f.scroll, PF("KOD"), 0, "kod", t.tag(1));
    DefineScrollColumn(&f.scroll, PF("BRP"), 0, "brutto");
    DefineScrollColumn(&f.scroll, PF("WYP"), 0, "do wypłaty");
    define_form(f);

    f.has_filters = true;
    ResetFiltersDefinition(&f.filters);
    f.filters.key = "W3PENS";
    run.by_person = DefineFilter(&f.filters, PF("KOD"), "pracownik......", " prac.:", FILTER_NUMBER, 0,
                                 {.picture = "99999"});
    run.by_person->extras.picker = [](EditControl* c) {
      long kod = 0;
      if (pick_employee(&kod) != 0) return 27;
      c->buffer = std::to_string(kod);
      return 0;
    };
    run.by_month = DefineFilter(&f.filters, PF("MIE"), "miesiąc........", " mies.:", FILTER_NUMBER, 0,
                                {.picture = "99"});
    run.by_list = DefineFilter(&f.filters, PF("NRL"), "numer listy....", " lista:", FILTER_NUMBER, 0,
                               {.picture = "999"});
    LoadFilters(&f.filters);

    DefineTabuColumn(&f.print_columns, "nazwisko", 0, PF("NAZ"), TABU_FIELD_WIDTH, 1);
    DefineTabuColumn(&f.print_columns, "imię", 0, PF("IMI"), TABU_FIELD_WIDTH, 2);
    DefineTabuColumn(&f.print_columns, "mies.", 0, PF("MIE"), TABU_FIELD_WIDTH, 3);
    DefineTabuColumn(&f.print_columns, "lista", 0, PF("NRL"), TABU_FIELD_WIDTH, 4);
    DefineTabuColumn(&f.print_columns, "brutto", TABU_SUM, PF("BRP"), TABU_FIELD_WIDTH, 5);
    DefineTabuColumn(&f.print_columns, "ZUS|prac.", TABU_SUM, PF("KEU"), TABU_FIELD_WIDTH, 6);
    DefineTabuColumn(&f.print_columns, "zdrow.", TABU_SUM, PF("KZU"), TABU_FIELD_WIDTH, 7);
    DefineTabuColumn(&f.print_columns, "zaliczka", TABU_SUM, PF("ODZ"), TABU_FIELD_WIDTH, 8);
    DefineTabuColumn(&f.print_columns, "do|wypłaty", TABU_SUM, PF("WYP"), TABU_FIELD_WIDTH, 9);
  };
  auto fill = [&](BROWSE* b) {
    b->title = title;
    b->print_title = title;
    b->form_template = dictionaries::template_id(kFormTemplate);
    b->form_rows = kFormRows;
    b->start_item = 2;  // Enter modifies the current record
    b->stamp = PF("INF");
    b->hot_key = [](int key) {
      if (key == keys::F3 || key == keys::F4) return key;
      return hot_keys(key, -1, 5311, -1, 5315, 1, 5316, PF("INF"));
    };
    b->list_key = [](BROWSE*, int key) {
      if (key == keys::F3) {
        if (has_current()) {
          const long recno = d4recno(g_run->env.pens);
          if (components_window(recno) == 0) {
            const Recompute rc = recompute_pay_record(g_run->env, recno);
            if (rc.ok && rc.sums_changed) Uwaga(kMsgSumsUpdated);
          }
          browse_call(1, recno);
        }
        return 0;
      }
      if (key == keys::F4) {
        if (has_current()) {
          std::string message;
          if (show_absences_of(f4long(PF("KOD")), &message) < 0) MessageWindow(1, 0, message.c_str(), 0);
        }
        return 0;
      }
      return key;
    };
  };
  int rc = dictionaries::run_register(run.frame, t.data, t.tag(3), kFormRows, 0, 0, build, fill);
  for (int w : {run.book_menu, run.print_menu, run.components_menu})
    if (w >= 0) w4close(w);
  g_run = outer;
  return rc;
}

const frame::RegisterProvider provider(frame::RegisterId::PayrollLists, lists_main);

}  // namespace

}  // namespace skolvarin::payroll
