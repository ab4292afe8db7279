// Absences (" Nieobecność "): each absence of an employee with its code,
// first and last day (within one month), calendar and working days, hours
// and the day the medical certificate was delivered.
//
// A new absence starts from its code, asked before the form opens; the code
// must be an absence (N...) of the pay-component dictionary, whose names and
// ZUS code it takes.  Leaving the last day counts the days; a sickness
// absence that passes the days the employer pays in a year says for how
// many days the sickness benefit is due.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "data/opener.h"
#include "dictionaries/register_frame.h"
#include "frame/frame_state.h"
#include "frame/register_hooks.h"
#include "host/api/print_api.h"
#include "host/api/screen_api.h"
#include "payroll/absences_register.h"
#include "payroll/employees.h"
#include "payroll/messages.h"
#include "payroll/payroll_settings.h"

namespace skolvarin::payroll {

namespace {

using dictionaries::RegisterFrame;

constexpr int kHelp = 5600;
constexpr int kTitle = 128;                // "Lista nieobecności"
constexpr int kTitleByPerson = 132;        // "Lista nieobecności wg pracowników za - %d"
constexpr int kTitleYear = 133;            // "Lista nieobecności za rok %d"
constexpr int kTitleMonth = 134;           // "Lista nieobecności za - %s"
constexpr int kBadKind = 13, kAbsenceKind = 6;
constexpr int kUndefinedCode = 139;
constexpr int kMustBe12 = 89;
constexpr int kNoEmployee = 33;
constexpr int kDaysForLimit = 251;         // "za %d dni"
constexpr int kDaysOffUnreadable = 20097;
constexpr int kForm = 57, kFormRows = 8;

constexpr std::string_view kTitle12Codes[] = {"N121", "N122", "N311", "N319", "N325", "N327"};

Date date_of(FIELD4* f) {
  Date d;
  from_dbf(f4str(f), d);
  return d;
}

std::string pad_code(std::string code) {
  code.resize(4, ' ');
  return code;
}

// The pay-component dictionary, opened for the run when the chain did not.
struct Dictionary {
  bool opened_here = false;
  data::TableHandles* t = nullptr;
  bool open() {
    t = &data::handles("W3PELI.DBF");
    if (!t->open()) {
      if (data::open_table(data::state().ctx, "W3PELI.DBF", {.default_tag = 2}) != 0) return false;
      opened_here = true;
    }
    return t->open();
  }
  void close() {
    if (opened_here) data::close_table(*data::find_table("W3PELI.DBF"));
    opened_here = false;
  }
  // Positions on `code`; false when the dictionary has no such code.
  bool find(const std::string& code) {
    if (!t || !t->open()) return false;
    TAG4* saved = d4tag_selected(t->data);
    d4tag_select(t->data, t->tag(2));
    bool found = d4seek(t->data, pad_code(code).c_str()) == 0 && f4trim(t->field("KGS")) == code;
    d4tag_select(t->data, saved);
    return found;
  }
};

// Checks of an absence code: 0 or the message shown.
int check_code(Dictionary& dict, const std::string& code) {
  if (code.empty() || code[0] != 'N') {
    MessageWindow(2 | 16, kBadKind, RcQStr(kAbsenceKind), 0);
    return kBadKind;
  }
  if (!dict.find(code)) {
    Uwaga(kUndefinedCode);
    return kUndefinedCode;
  }
  return 0;
}

bool needs_title_12(const std::string& code) {
  return std::find(std::begin(kTitle12Codes), std::end(kTitle12Codes), code) != std::end(kTitle12Codes);
}

struct AbsencesRun {
  data::TableHandles* t = nullptr;
  Dictionary dict;
  std::string pending_code;  // the code asked before a new absence
  RegisterFrame* frame = nullptr;
  FIELD4* f(const char* name) const { return t->field(name); }

  void copy_from_dictionary() {
    f4assign(f("KGS"), f4trim(dict.t->field("KGS")).c_str());
    f4assign(f("KZU"), f4trim(dict.t->field("KZU")).c_str());
    f4assign(f("NA1"), f4trim(dict.t->field("NA1")).c_str());
    f4assign(f("NA2"), f4trim(dict.t->field("NA2")).c_str());
  }

  // Sickness days of the employee in the year before the absence being
  // edited; -1 when the table cannot be scanned.  Read through a handle of
  // its own: the form's record buffer stays as it is.
  int sickness_days_before(long kod, const Date& from, long self) const {
    HostContext* ctx = data::state().ctx;
    const data::CatalogueEntry* entry = data::find_table("W3NIEO  .DBF");
    if (!ctx || !entry) return -1;
    DATA4* d = d4open(ctx, data::table_file_name(ctx, *entry, data::working_year(ctx)).c_str());
    if (!d) return -1;
    FIELD4 *f_kod = d4field(d, "KOD"), *f_kgs = d4field(d, "KGS"), *f_dod = d4field(d, "DOD"),
           *f_ild = d4field(d, "ILD");
    int days = 0;
    for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1)) {
      if (d4deleted(d) || d4recno(d) == self || f4long(f_kod) != kod) continue;
      if (!is_sickness_absence(f4trim(f_kgs))) continue;
      Date start = date_of(f_dod);
      if (!start.empty() && start < from) days += f4int(f_ild);
    }
    d4close(d);
    return days;
  }
  std::string window_shown;  // the absence the sickness window was last shown for
};

AbsencesRun* g_run = nullptr;

// The record being edited in the form (the current record of the list when
// modifying, the new record's buffer when adding).
long record_being_edited(BROWSE* b) { return b && b->mode == BROWSE_MODIFY ? d4recno(b->data) : 0; }

int choose_code(EditControl* c) {
  if (!g_run || !g_run->dict.t) return 27;
  data::TableHandles& d = *g_run->dict.t;
  CodedFieldChoice choice;
  choice.data = d.data;
  choice.tag = d.tag(2);
  choice.code = d.field("KGS");
  choice.shown = {d.field("KGS"), d.field("NA1")};
  choice.title = " Lista ";
  FIELD4* kgs = d.field("KGS");
  choice.row_check = [kgs] { return f4trim(kgs).rfind('N', 0) == 0 ? ROW_PASSES : ROW_FAILS; };
  std::string value = c->buffer;
  if (pole_kodowane_fun(choice, value) != 0) return 27;
  c->buffer = value;
  return 0;
}

int choose_person(EditControl* c) {
  if (!g_run) return 27;
  long rec = 0;
  if (pick_employee(&rec) != 0 || rec <= 0) return 27;
  data::TableHandles& e = data::handles("W3PRAC.DBF");
  f4assign_long(g_run->f("KOD"), rec);
  f4assign(g_run->f("NAZ"), f4trim(e.field("NAZ")).c_str());
  f4assign(g_run->f("IMI"), f4trim(e.field("IM1")).c_str());
  f4assign(g_run->f("KTU"), f4trim(e.field("KTU")).c_str());
  c->buffer = f4trim(e.field("NAZ"));
  return 0;
}

int title_12_check(const std::string& code, const std::string& ktu) {
  if (needs_title_12(code) && ktu.rfind("12", 0) != 0) {
    Uwaga(kMustBe12);
    return -1;
  }
  return 0;
}

// Leaving the last day: the days of the absence and the sickness window.
int last_day_valid(EditControl* c) {
  AbsencesRun& r = *g_run;
  std::string stored;
  if (EditCtrlStored(c, &stored) != 0) return -1;
  Date to, from = date_of(r.f("DOD"));
  from_dbf(stored, to);
  if (from.empty() || to.empty()) return test_daty_niepustej(c);
  std::set<long> days_off;
  if (!read_days_off(days_off)) {
    Uwaga(kDaysOffUnreadable);
    return -1;
  }
  AbsenceDays d = absence_days(from, to, days_off);
  if (!d.ok()) {
    Alarm(d.message);
    return -1;
  }
  const std::string code = f4trim(r.f("KGS"));
  const long kod = f4long(r.f("KOD"));
  const std::string shown_for = std::to_string(kod) + code + to_dbf(from) + to_dbf(to);
  if (is_sickness_absence(code) && shown_for != r.window_shown) {
    int before = r.sickness_days_before(kod, from, record_being_edited(c->browse));
    if (before < 0) {
      Alarm(msg::kSumsFailed);
      return -1;
    }
    int beyond =
        days_beyond_employer_limit(code, before, d.ILD, payroll_settings().parameters.employer_sick_days);
    if (beyond > 0) {
      std::string text = std::string(RcQStr(msg::kSicknessBenefitDue)) + " " + PrintfQStr(RcQStr(kDaysForLimit), beyond);
      MessageWindow(1 | 16, msg::kEmployerSickPay, text.c_str(), 0);
    }
    r.window_shown = shown_for;
  }
  f4assign_int(r.f("ILD"), d.ILD);
  f4assign_int(r.f("ILR"), d.ILR);
  return 0;
}

// Days typed by hand: calendar days within the month, working days within
// the working days of the absence.
int days_valid(EditControl* c, bool working) {
  AbsencesRun& r = *g_run;
  std::string stored;
  if (EditCtrlStored(c, &stored) != 0) return -1;
  int days = std::atoi(stored.c_str());
  Date from = date_of(r.f("DOD")), to = date_of(r.f("DDO"));
  int month_days = from.empty() ? 31 : days_in_month(from.year, from.month);
  int limit = INT_MAX;
  if (working && !from.empty() && !to.empty()) {
    std::set<long> days_off;
    read_days_off(days_off);
    limit = working_days(from, to, days_off);
  }
  int message = check_typed_days(days, month_days, limit);
  if (message != 0) {
    Uwaga(message);
    return -1;
  }
  return 0;
}

// F3 on the list: the benefits of the current absence's month for its
// person, as the pay record would get them, in the calculation window.
int show_benefits_of_current(BROWSE* b) {
  AbsencesRun& r = *g_run;
  if (!dictionaries::list_has_current(b)) {
    Uwaga(50007);
    return 0;
  }
  const long kod = f4long(r.f("KOD"));
  const Date from = date_of(r.f("DOD"));
  if (from.empty()) return 0;
  AbsenceEmployee e;
  std::string person;
  if (!read_absence_employee(kod, e, &person)) {
    Alarm(kNoEmployee);
    return 0;
  }
  AbsenceMonthInput in;
  if (!absence_month_input(kod, from.year, from.month, e.pay.WY1, e.pay.WY2, "", in)) return 0;
  const PayrollParameters& p = payroll_settings().parameters;
  AbsenceComponents c = absence_components_of_month(in, p);
  if (!settle_absence_components(c)) return 0;
  show_benefit_calculation(benefit_calculation(person, from.year, from.month, c), p);
  browse_call(0, 0);
  return 0;
}

int add_item(int code) {
  if (!g_run) return -1;
  int window = DefineWprowadzWindow(1, 34, " Dopisz ");
  if (window < 0) return -1;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  Widget* w = DefineWigetEx(&set, 0, 1, "Podaj kod nieobecności - ", 4, WIDGET_TEXT, "XXXX");
  w->chooser = choose_code;
  w->valid = [](EditControl* c) {
    std::string code = dictionaries::upper(c->buffer);
    code.erase(code.find_last_not_of(' ') + 1);
    return check_code(g_run->dict, code) == 0 ? 0 : -1;
  };
  int key = ActivateWindow(window, &set);
  std::string value = dictionaries::upper(w->value);
  FreeWigets(&set);
  w4close(window);
  if (key != keys::F2 || value.empty()) return 0;
  if (check_code(g_run->dict, value) != 0) return 0;
  g_run->pending_code = value;
  int rc = browse_dopisz(code);
  g_run->pending_code.clear();
  return rc;
}

// Month filter value ("" when off).
int month_filter(const RegisterFrame& f) {
  for (const auto& flt : f.filters.filters)
    if (flt->label.rfind("miesiąc", 0) == 0 && !flt->value.empty()) return std::atoi(flt->value.c_str());
  return 0;
}

int tabulogram_item(int) {
  BROWSE* b = current_browse();
  if (!b || !g_run) return -1;
  int month = month_filter(*g_run->frame);
  int year = data::working_year(b->ctx);
  b->print_title = month >= 1 && month <= 12 ? PrintfQStr(RcQStr(kTitleMonth), frame::month_name(month))
                                             : PrintfQStr(RcQStr(kTitleYear), year);
  int rc = browse_drukuj(0);
  b->print_title.clear();
  return rc;
}

struct Totals {
  int count = 0, days = 0, working = 0, hours = 0;
};

// Totals of the rows the filters pass, keyed by `key` of the record.
template <class Key>
std::map<std::string, Totals> totals_by(Key key) {
  std::map<std::string, Totals> out;
  AbsencesRun& r = *g_run;
  DATA4* d = r.t->data;
  KeptPlace keep(d);
  X4FILTER scan;
  x4init(&scan, d, FilterFunction, &r.frame->filters);
  for (int rc = x4top(&scan); rc == 0; rc = x4skip(&scan, 1)) {
    if (d4deleted(d)) continue;
    Totals& t = out[key()];
    ++t.count;
    t.days += f4int(r.f("ILD"));
    t.working += f4int(r.f("ILR"));
    t.hours += f4int(r.f("ILG"));
  }
  return out;
}

int print_totals(const char* title, const char* head, const std::map<std::string, Totals>& rows) {
  if (init_prn(data::state().ctx, "NIEOBECNOSCI", "Podsumowanie nieobecności.") != 0) return -1;
  print_line(title);
  print_line("");
  char line[160];
  std::snprintf(line, sizeof line, "%-46s %6s %8s %8s %8s", head, "ilość", "il.dni", "robocz.", "godz.");
  print_line(line);
  Totals all;
  for (const auto& [name, t] : rows) {
    std::snprintf(line, sizeof line, "%-46s %6d %8d %8d %8d", name.c_str(), t.count, t.days, t.working, t.hours);
    print_line(line);
    all.count += t.count;
    all.days += t.days;
    all.working += t.working;
    all.hours += t.hours;
  }
  std::snprintf(line, sizeof line, "%-46s %6d %8d %8d %8d", "RAZEM", all.count, all.days, all.working, all.hours);
  print_line(line);
  return deinit_prn(1) < 0 ? -1 : 0;
}

int sum_item(int) {
  if (!g_run) return -1;
  AbsencesRun& r = *g_run;
  auto rows = totals_by([&r] { return f4trim(r.f("KGS")) + " " + f4trim(r.f("NA1")); });
  int month = month_filter(*r.frame);
  std::string title = month >= 1 && month <= 12
                          ? PrintfQStr(RcQStr(kTitleMonth), frame::month_name(month))
                          : PrintfQStr(RcQStr(kTitleYear), data::working_year(data::state().ctx));
  return print_totals(title.c_str(), "kod nieobecności", rows);
}

int person_item(int) {
  if (!g_run) return -1;
  AbsencesRun& r = *g_run;
  auto rows = totals_by([&r] { return f4trim(r.f("NAZ")) + " " + f4trim(r.f("IMI")); });
  std::string title = PrintfQStr(RcQStr(kTitleByPerson), data::working_year(data::state().ctx));
  return print_totals(title.c_str(), "nazwisko i imię", rows);
}

int absences_main() {
  data::TableHandles& t = dictionaries::table("W3NIEO  .DBF");
  if (!t.open()) return 0;
  AbsencesRun run;
  run.t = &t;
  if (!run.dict.open()) return 0;
  AbsencesRun* outer = g_run;
  g_run = &run;
  FIELD4* f_inf = t.field("INF");
  RegisterFrame frame;
  run.frame = &frame;
  int print_menu = -1, summary_menu = -1;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", kHelp + 1, dictionaries::kKeyAdd, -1, add_item, nullptr);
    MenuDefineItem(" Modyfikuj ", kHelp + 2, dictionaries::kKeyModify, -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Usuń ", kHelp + 3, dictionaries::kKeyDelete, 1, browse_skasuj, nullptr);
    MenuDefineItem(" Drukuj ", kHelp + 4, dictionaries::kKeyPrint, -1, nullptr, &print_menu);
    MenuDefineItem(" Filtry ", kHelp + 5, dictionaries::kKeyFilters, -1, registers_filters_item, nullptr);
    print_menu = DefineMenuWindow(-1, -1);
    if (print_menu >= 0) {
      MenuDefineItem(" Tabulogram ", kHelp + 6, 't', -1, tabulogram_item, nullptr);
      MenuDefineItem("Podsumowanie nieobecności.", kHelp + 7, 'p', -1, nullptr, &summary_menu);
    }
    summary_menu = DefineMenuWindow(-1, -1);
    if (summary_menu >= 0) {
      MenuDefineItem(" Suma ", kHelp + 8, 's', -1, sum_item, nullptr);
      MenuDefineItem(" Pracownik ", kHelp + 9, 'p', -1, person_item, nullptr);
    }
    auto column = [&f](FIELD4* field, const char* header, int width, TAG4* tag = nullptr) {
      DefineScrollColumn(&f.scroll, field, 0, header, tag)->width = width;
    };
    column(t.field("KGS"), "kod", 4, t.tag(1));
    column(t.field("NAZ"), "nazwisko", 12);
    column(t.field("IMI"), "imię 1", 7);
    column(t.field("DOD"), "od dnia", 10, t.tag(2));
    column(t.field("DDO"), "do dnia", 10);
    column(t.field("NA1"), "opis 1", 6);
    column(t.field("NA2"), "opis 2", 3);
    column(t.field("ILD"), "il.dni", 3);
    column(t.field("ILG"), "godz.", 3);
    column(t.field("ILR"), "rob.", 3);
    column(t.field("DDZ"), "zaśw.lek.", 10);

    f.has_filters = true;
    ResetFiltersDefinition(&f.filters);
    f.filters.key = "NIEOBECNOSCI";
    DefineFilter(&f.filters, t.field("KGS"), "kod............", " kod:", FILTER_TEXT, 1);
    DefineFilter(&f.filters, t.field("NAZ"), "pracownik......", " prac.:", FILTER_TEXT, 1);
    DefineFilter(&f.filters, t.field("DOD"), "miesiąc........", " m-c:", FILTER_TEXT, 0,
                 {.compare = [](FIELD4* field, const std::string& value) {
                    Date d;
                    from_dbf(f4str(field), d);
                    return !d.empty() && d.month == std::atoi(value.c_str()) ? ROW_PASSES : ROW_FAILS;
                  }});
    LoadFilters(&f.filters);

    EditControl* naz = DefineEditCtrl(&f.edits, 0, 16, t.field("NAZ"), 0);
    naz->chooser = choose_person;
    naz->chooser_mode = 1;
    naz->valid = [](EditControl*) {
      if (f4long(g_run->f("KOD")) > 0) return 0;
      Alarm(kNoEmployee);
      return -1;
    };
    DefineEditCtrl(&f.edits, 1, 16, t.field("IMI"), EDIT_SHOW_ONLY);
    EditControl* kgs = DefineEditCtrl(&f.edits, 2, 16, t.field("KGS"), EDIT_UPPER);
    kgs->chooser = choose_code;
    kgs->valid = [](EditControl* c) {
      std::string code = dictionaries::upper(c->buffer);
      code.erase(code.find_last_not_of(' ') + 1);
      if (check_code(g_run->dict, code) != 0) return -1;
      g_run->copy_from_dictionary();
      return 0;
    };
    DefineEditCtrl(&f.edits, 2, 49, t.field("KZU"), 0);
    DefineEditCtrl(&f.edits, 3, 16, t.field("NA1"), 0);
    DefineEditCtrl(&f.edits, 4, 16, t.field("NA2"), 0);
    EditControl* dod = DefineEditCtrl(&f.edits, 5, 16, t.field("DOD"), 0);
    dod->picture = "DD-MM-CCYY";
    dod->valid = test_daty_niepustej;
    EditControl* ddo = DefineEditCtrl(&f.edits, 5, 49, t.field("DDO"), 0);
    ddo->picture = "DD-MM-CCYY";
    ddo->valid = last_day_valid;
    EditControl* ild = DefineEditCtrl(&f.edits, 6, 16, t.field("ILD"), 0);
    ild->picture = "999";
    ild->valid = [](EditControl* c) { return days_valid(c, false); };
    EditControl* ilr = DefineEditCtrl(&f.edits, 6, 49, t.field("ILR"), 0);
    ilr->picture = "999";
    ilr->valid = [](EditControl* c) { return days_valid(c, true); };
    DefineEditCtrl(&f.edits, 6, 70, t.field("ILG"), 0)->picture = "999";
    EditControl* ktu = DefineEditCtrl(&f.edits, 7, 16, t.field("KTU"), 0);
    ktu->picture = "999999";
    ktu->valid = [](EditControl* c) { return title_12_check(f4trim(g_run->f("KGS")), c->buffer); };
    DefineEditCtrl(&f.edits, 7, 49, t.field("DDZ"), 0)->picture = "DD-MM-CCYY";

    DefineTabuColumn(&f.print_columns, "kod", 0, t.field("KGS"), TABU_FIELD_WIDTH, 1);
    DefineTabuColumn(&f.print_columns, "nazwisko", 0, t.field("NAZ"), TABU_FIELD_WIDTH, 2);
    DefineTabuColumn(&f.print_columns, "imię", 0, t.field("IMI"), TABU_FIELD_WIDTH, 3);
    DefineTabuColumn(&f.print_columns, "od dnia", 0, t.field("DOD"), TABU_FIELD_WIDTH, 4);
    DefineTabuColumn(&f.print_columns, "do dnia", 0, t.field("DDO"), TABU_FIELD_WIDTH, 5);
    DefineTabuColumn(&f.print_columns, "opis", 0, t.field("NA1"), TABU_FIELD_WIDTH, 6);
    DefineTabuColumn(&f.print_columns, "il.dni", TABU_SUM, t.field("ILD"), TABU_FIELD_WIDTH, 7);
    DefineTabuColumn(&f.print_columns, "robocz.", TABU_SUM, t.field("ILR"), TABU_FIELD_WIDTH, 8);
    DefineTabuColumn(&f.print_columns, "godz.", TABU_SUM, t.field("ILG"), TABU_FIELD_WIDTH, 9);
  };
  auto fill = [&](BROWSE* b) {
    b->title_id = kTitle;
    b->form_template = dictionaries::template_id(kForm);
    b->form_rows = kFormRows;
    b->stamp = f_inf;
    b->new_record = [&run](BROWSE*) {
      if (!run.pending_code.empty() && run.dict.find(run.pending_code)) run.copy_from_dictionary();
      return 0;
    };
    b->list_key = [](BROWSE* br, int key) { return key == keys::F3 ? show_benefits_of_current(br) : 1; };
    b->hot_key = [f_inf](int key) {
      return hot_keys(key, -1, kHelp + 1, -1, kHelp + 2, 1, kHelp + 3, f_inf);
    };
  };
  int rc = dictionaries::run_register(frame, t.data, t.tag(2), kFormRows, kFormRows, 0, build, fill);
  for (int w : {print_menu, summary_menu})
    if (w >= 0) w4close(w);
  run.dict.close();
  g_run = outer;
  return rc;
}

const frame::RegisterProvider provider(frame::RegisterId::Absences, absences_main);

}  // namespace

int registers_filters_item(int) {
  BROWSE* b = current_browse();
  if (!b || !b->user) return -1;
  OpenFiltersWindow(&static_cast<dictionaries::RegisterFrame*>(b->user)->filters);
  browse_call(0, 0);
  return 0;
}

bool read_days_off(std::set<long>& days_off) {
  data::TableHandles& t = data::handles("W3DNWO.DBF");
  if (!t.open()) return false;
  DATA4* d = t.data;
  KeptPlace keep(d);
  d4tag_select(d, nullptr);
  FIELD4* dat = t.field("DAT");
  for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1)) {
    if (d4deleted(d)) continue;
    Date day = date_of(dat);
    if (!day.empty()) days_off.insert(day_number(day));
  }
  return true;
}

bool read_absence_employee(long kod, AbsenceEmployee& e, std::string* person) {
  data::TableHandles& t = data::handles("W3PRAC.DBF");
  if (!t.open() || kod <= 0 || kod > d4reccount(t.data)) return false;
  long keep = d4recno(t.data);
  d4go(t.data, kod);
  auto ch = [&t](const char* n) {
    std::string s = f4trim(t.field(n));
    return s.empty() ? 'N' : s[0];
  };
  e.pay.CZG = ch("CZG");
  e.pay.CPM = ch("CPM");
  e.pay.STG = f4double(t.field("STG"));
  e.pay.BRG = f4double(t.field("BRG"));
  e.pay.WY1 = f4int(t.field("WY1"));
  e.pay.WY2 = f4int(t.field("WY2"));
  e.averaging_months = f4int(t.field("OOZ"));
  e.hired = date_of(t.field("DAP"));
  e.KTU = f4trim(t.field("KTU"));
  if (person) *person = f4trim(t.field("NAZ")) + " " + f4trim(t.field("IM1"));
  if (keep > 0 && keep <= d4reccount(t.data)) d4go(t.data, keep);
  return true;
}

std::vector<AbsenceEntry> read_absences(long kod, int month) {
  std::vector<AbsenceEntry> out;
  data::TableHandles& t = data::handles("W3NIEO  .DBF");
  if (!t.open()) return out;
  DATA4* d = t.data;
  KeptPlace keep(d);
  d4tag_select(d, nullptr);
  for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1)) {
    if (d4deleted(d) || f4long(t.field("KOD")) != kod) continue;
    AbsenceEntry a;
    a.DOD = date_of(t.field("DOD"));
    if (a.DOD.empty() || a.DOD.month != month) continue;
    a.KGS = f4trim(t.field("KGS"));
    a.NA1 = f4trim(t.field("NA1"));
    a.NA2 = f4trim(t.field("NA2"));
    a.KTU = f4trim(t.field("KTU"));
    a.DDO = date_of(t.field("DDO"));
    a.DDZ = date_of(t.field("DDZ"));
    a.ILD = f4int(t.field("ILD"));
    a.ILR = f4int(t.field("ILR"));
    a.ILG = f4int(t.field("ILG"));
    out.push_back(a);
  }
  std::stable_sort(out.begin(), out.end(),
                   [](const AbsenceEntry& x, const AbsenceEntry& y) { return x.DOD < y.DOD; });
  return out;
}

bool absence_month_input(long kod, int year, int month, int WY1, int WY2, const std::string& KTU,
                         AbsenceMonthInput& in, std::string* person) {
  if (!read_absence_employee(kod, in.employee, person)) return false;
  in.employee.pay.WY1 = WY1;
  in.employee.pay.WY2 = WY2;
  if (!KTU.empty()) in.employee.KTU = KTU;
  in.year = year;
  in.month = month;
  int hours = 0;
  in.calendar_hours = calendar_hours(data::state().ctx, month, year, &hours) == 0 ? hours : 0;
  in.absences = read_absences(kod, month);
  in.averages = read_averages(kod);
  return true;
}

}  // namespace skolvarin::payroll
