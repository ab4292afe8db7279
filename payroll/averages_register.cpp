// Averages (" Średnie "): per employee and month the amounts the benefit
// base is averaged from.  " Dopisz " asks for the person and the month and
// fills the record from the month's pay records, components and contracts;
// " Przelicz " fills them again for every employee or one, over a range of
// months of the working year.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/opener.h"
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"
#include "host/api/rounding.h"
#include "host/api/screen_api.h"
#include "payroll/absences_register.h"
#include "payroll/averages_fill.h"
#include "payroll/employees.h"
#include "payroll/payroll_settings.h"

namespace skolvarin::payroll {

namespace {

using dictionaries::RegisterFrame;

constexpr int kHelp = 5700;
constexpr int kTitle = 155;              // "Podstawy do średniego wynagrodzenia"
constexpr int kAlreadySaved = 179;
constexpr int kRecompute = 50;           // "Czy przeliczyć średnie ?"
constexpr int kPaySumFailed = 9, kContractSumFailed = 11;
constexpr int kNoComponents = 34;
constexpr int kForm = 59, kFormRows = 12;

Date date_of(FIELD4* f) {
  Date d;
  from_dbf(f4str(f), d);
  return d;
}

struct MonthSources {
  bool pay_ok = true, contracts_ok = true;
  AveragesFillInput in;
};

// Reads the month of employee `kod` from the pay records, components and
// contracts of the working year.
MonthSources read_month(long kod, int year, int month) {
  MonthSources s;
  AveragesFillInput& in = s.in;
  in.year = year;
  in.month = month;
  const PayrollParameters& p = payroll_settings().parameters;
  in.yearly_limit = p.yearly_pension_cap;
  in.SSE = p.pension_employee;
  in.SSR = p.disability_employee;
  in.SSC = p.sickness;
  read_days_off(in.days_off);
  data::TableHandles& pens = data::handles("W3PENS  .DBF");
  data::TableHandles& pesk = data::handles("W3PESK  .DBF");
  if (!pens.open() || !pesk.open()) {
    s.pay_ok = false;
    return s;
  }
  {
    KeptPlace keep(pens.data);
    d4tag_select(pens.data, nullptr);
    std::vector<long> recs;
    for (int rc = d4top(pens.data); rc == 0; rc = d4skip(pens.data, 1)) {
      if (d4deleted(pens.data) || f4long(pens.field("KOD")) != kod) continue;
      auto f = [&pens](const char* n) { return f4double(pens.field(n)); };
      double base = max0(f("DZP") + f("DZN") + f("SZP") + f("SZN") - f("PZP") - f("PZN"));
      int m = f4int(pens.field("MIE"));
      if (m < month) in.social_base_before += base;
      if (m != month) continue;
      ++in.pay_records;
      in.social_base += base;
      in.WY1 = f4int(pens.field("WY1"));
      in.WY2 = f4int(pens.field("WY2"));
      recs.push_back(f4long(pens.field("REC")));
    }
    KeptPlace keep_c(pesk.data);
    d4tag_select(pesk.data, nullptr);
    for (int rc = d4top(pesk.data); rc == 0; rc = d4skip(pesk.data, 1)) {
      if (d4deleted(pesk.data)) continue;
      long rek = f4long(pesk.field("REK"));
      if (std::find(recs.begin(), recs.end(), rek) == recs.end()) continue;
      AverageComponent c;
      c.KGS = f4trim(pesk.field("KGS"));
      c.KWO = f4double(pesk.field("KWO"));
      c.ZUS = f4trim(pesk.field("ZUS")) == "T";
      c.SRE = f4trim(pesk.field("SRE")) == "T";
      c.DOD = date_of(pesk.field("DOD"));
      c.DDO = date_of(pesk.field("DDO"));
      c.ILD = f4int(pesk.field("ILD"));
      in.components.push_back(c);
    }
  }
  data::TableHandles& umow = data::handles("W3UMOW  .DBF");
  if (!umow.open()) {
    s.contracts_ok = false;
    return s;
  }
  KeptPlace keep(umow.data);
  d4tag_select(umow.data, nullptr);
  for (int rc = d4top(umow.data); rc == 0; rc = d4skip(umow.data, 1)) {
    if (d4deleted(umow.data) || f4long(umow.field("KOD")) != kod) continue;
    Date paid = date_of(umow.field("DAW"));
    if (paid.empty()) paid = date_of(umow.field("DAR"));
    if (paid.empty() || paid.month != month) continue;
    if (f4double(umow.field("PCW")) > 0 || f4double(umow.field("PER")) > 0)
      in.contracts += f4double(umow.field("BRU"));
  }
  return s;
}

struct AveragesRun {
  data::TableHandles* t = nullptr;
  RegisterFrame* frame = nullptr;
  FIELD4* f(const char* n) const { return t->field(n); }

  // The record of `kod`, `year`, `month`, or 0.
  long find(long kod, int year, int month) const {
    KeptPlace keep(t->data);
    d4tag_select(t->data, t->tag(1));
    char key[48];
    std::snprintf(key, sizeof key, "%5ld%4d%2d", kod, year, month);
    return d4seek(t->data, key) == 0 ? d4recno(t->data) : 0;
  }

  void write_values(const AveragesValues& v) const {
    auto money = [this](const char* n, double x) { f4assign_double(f(n), x); };
    money("DOM", v.DOM);
    money("POM", v.POM);
    money("DNP", v.DNP);
    money("DGN", v.DGN);
    money("DUZ", v.DUZ);
    money("DOK", v.DOK);
    money("DOR", v.DOR);
    money("SNS", v.SNS);
    money("SMS", v.SMS);
    money("SKS", v.SKS);
    money("SRS", v.SRS);
    money("SSE", v.SSE);
    money("SSR", v.SSR);
    money("SSC", v.SSC);
    f4assign(f("DKO"), to_dbf(v.DKO).c_str());
    f4assign(f("DKD"), to_dbf(v.DKD).c_str());
    f4assign(f("DRO"), to_dbf(v.DRO).c_str());
    f4assign(f("DRD"), to_dbf(v.DRD).c_str());
    f4assign_int(f("IDR"), v.IDR);
    f4assign_int(f("IDP"), v.IDP);
    f4assign_int(f("WY1"), v.WY1);
    f4assign_int(f("WY2"), v.WY2);
    f4assign(f("CCW"), v.CCW ? "T" : "N");
  }

  // Fills (appending or rewriting) the record of one employee and month.
  // 0 written, 1 nothing to write (no pay records), -1 failed (told).
  int fill(long kod, const std::string& surname, const std::string& name, int year, int month, bool tell_empty) {
    MonthSources s = read_month(kod, year, month);
    if (!s.pay_ok) {
      Alarm(kPaySumFailed);
      return -1;
    }
    if (!s.contracts_ok) {
      Alarm(kContractSumFailed);
      return -1;
    }
    AveragesValues v = fill_averages(s.in);
    for (int m : v.messages) {
      if (m == kNoComponents) MessageWindow(2, kNoComponents, (surname + " " + name).c_str(), 0);
      else Uwaga(m);
    }
    if (s.in.pay_records == 0 && s.in.contracts <= 0) {
      if (tell_empty) MessageWindow(2, kNoComponents, (surname + " " + name).c_str(), 0);
      return 1;
    }
    long rec = find(kod, year, month);
    DATA4* d = t->data;
    if (rec > 0) {
      if (go_and_lock(d, rec) != 0) return -1;
    } else {
      d4append_start(d);
      f4assign_long(f("KOD"), kod);
      f4assign(f("NAZ"), surname.c_str());
      f4assign(f("IM1"), name.c_str());
      f4assign_int(f("ROK"), year);
      f4assign_int(f("MIE"), month);
    }
    write_values(v);
    if (f(("INF"))) f4assign(f("INF"), record_stamp(data::state().ctx).c_str());
    if (rec > 0) return write_and_unlock(d) == 0 ? 0 : -1;
    if (lock_and_append(d) != 0) return -1;
    return d4unlock(d) == 0 ? 0 : -1;
  }
};

AveragesRun* g_run = nullptr;

struct PersonChoice {
  long kod = 0;
  std::string surname, name;
};

ChooserFunction person_chooser(PersonChoice& who, Widget** name_widget) {
  return [&who, name_widget](EditControl* c) {
    long rec = 0;
    if (pick_employee(&rec) != 0 || rec <= 0) return 27;
    data::TableHandles& e = data::handles("W3PRAC.DBF");
    who.kod = rec;
    who.surname = f4trim(e.field("NAZ"));
    who.name = f4trim(e.field("IM1"));
    c->buffer = who.surname;
    if (*name_widget) WigetSetString(*name_widget, who.name.c_str());
    return 0;
  };
}

int add_item(int) {
  if (!g_run) return -1;
  int window = DefineWprowadzWindow(4, 50, " Dopisz ");
  if (window < 0) return -1;
  PersonChoice who;
  Widget* name_widget = nullptr;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  Widget* surname = DefineWigetEx(&set, 0, 1, "Nazwisko - ", 30, WIDGET_TEXT);
  surname->chooser = person_chooser(who, &name_widget);
  surname->valid = [&who](EditControl*) {
    if (who.kod > 0) return 0;
    Alarm(33);
    return -1;
  };
  name_widget = DefineWigetEx(&set, 1, 1, "Imię     - ", 15, WIDGET_LABEL);
  Widget* year = DefineWigetEx(&set, 2, 1, "Rok      - ", 4, WIDGET_NUMBER, "9999");
  WigetSetString(year, std::to_string(data::working_year(data::state().ctx)).c_str());
  Widget* month = DefineWigetEx(&set, 3, 1, "miesiąc  - ", 2, WIDGET_NUMBER, "99");
  month->valid = [](EditControl* c) {
    int m = std::atoi(c->buffer.c_str());
    if (m >= 1 && m <= 12) return 0;
    Uwaga(50137);
    return -1;
  };
  int key = ActivateWindow(window, &set);
  int y = static_cast<int>(WigetAsLong(year)), m = static_cast<int>(WigetAsLong(month));
  FreeWigets(&set);
  w4close(window);
  if (key != keys::F2 || who.kod <= 0 || m < 1 || m > 12) return 0;
  if (g_run->find(who.kod, y, m) > 0) {
    Uwaga(kAlreadySaved);
    return 0;
  }
  g_run->fill(who.kod, who.surname, who.name, y, m, true);
  long rec = g_run->find(who.kod, y, m);
  browse_call(rec > 0 ? 1 : 0, rec);
  return 0;
}

int recompute_item(int) {
  if (!g_run) return -1;
  if (Pytanie(kRecompute) != 13) return 0;
  int window = DefineWprowadzWindow(4, 50, " Przelicz ");
  if (window < 0) return -1;
  PersonChoice who;
  Widget* none = nullptr;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  Widget* all = DefineWigetEx(&set, 0, 1, "Zrób dla ", 20, WIDGET_CHOICE);
  all->choices = {"wszystkich", "jednego pracownika"};
  WigetSetString(all, "1");
  Widget* person = DefineWigetEx(&set, 1, 1, "pracownik ", 30, WIDGET_TEXT);
  person->chooser = person_chooser(who, &none);
  Widget* from = DefineWigetEx(&set, 2, 1, "miesiące od ", 2, WIDGET_NUMBER, "99");
  WigetSetString(from, "1");
  Widget* to = DefineWigetEx(&set, 3, 1, "        do ", 2, WIDGET_NUMBER, "99");
  WigetSetString(to, "12");
  int key = ActivateWindow(window, &set);
  const bool one = all->value == "2";
  int m1 = static_cast<int>(WigetAsLong(from)), m2 = static_cast<int>(WigetAsLong(to));
  FreeWigets(&set);
  w4close(window);
  if (key != keys::F2) return 0;
  if (m1 < 1 || m2 > 12 || m1 > m2) {
    Uwaga(50137);
    return 0;
  }
  if (one && who.kod <= 0) {
    Alarm(33);
    return 0;
  }
  const int year = data::working_year(data::state().ctx);
  std::vector<PersonChoice> people;
  if (one) {
    people.push_back(who);
  } else {
    data::TableHandles& e = data::handles("W3PRAC.DBF");
    KeptPlace keep(e.data);
    d4tag_select(e.data, nullptr);
    for (int rc = d4top(e.data); rc == 0; rc = d4skip(e.data, 1))
      if (!d4deleted(e.data))
        people.push_back({d4recno(e.data), f4trim(e.field("NAZ")), f4trim(e.field("IM1"))});
  }
  for (const PersonChoice& p : people)
    for (int m = m1; m <= m2; ++m)
      if (g_run->fill(p.kod, p.surname, p.name, year, m, false) < 0) {
        browse_call(0, 0);
        return 0;
      }
  browse_call(0, 0);
  return 0;
}

int averages_main() {
  data::TableHandles& t = dictionaries::table("W3SRDN.DBF");
  if (!t.open()) return 0;
  AveragesRun run;
  run.t = &t;
  AveragesRun* outer = g_run;
  g_run = &run;
  FIELD4* f_inf = t.field("INF");
  RegisterFrame frame;
  run.frame = &frame;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", kHelp + 1, dictionaries::kKeyAdd, -1, add_item, nullptr);
    MenuDefineItem(" Modyfikuj ", kHelp + 2, dictionaries::kKeyModify, -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Usuń ", kHelp + 3, dictionaries::kKeyDelete, 1, browse_skasuj, nullptr);
    MenuDefineItem(" Drukuj ", kHelp + 4, dictionaries::kKeyPrint, -1, browse_drukuj, nullptr);
    MenuDefineItem(" Filtry ", kHelp + 5, dictionaries::kKeyFilters, -1, registers_filters_item, nullptr);
    MenuDefineItem(" Przelicz ", kHelp + 6, 'p', -1, recompute_item, nullptr);
    auto column = [&f](FIELD4* field, const char* header, int width, TAG4* tag = nullptr) {
      DefineScrollColumn(&f.scroll, field, 0, header, tag)->width = width;
    };
    column(t.field("ROK"), "rok", 4, t.tag(3));
    column(t.field("MIE"), "m-c", 3);
    column(t.field("NAZ"), "nazwisko", 12, t.tag(2));
    column(t.field("IM1"), "imię 1", 7);
    column(t.field("IDP"), "przepr.", 7);
    column(t.field("IDR"), "robocz.", 7);
    column(t.field("DOM"), "składniki", 9);
    column(t.field("POM"), "potrącenia", 10);
    column(t.field("DGN"), "nadlicz.", 8);
    column(t.field("DUZ"), "umowy", 8);

    f.has_filters = true;
    ResetFiltersDefinition(&f.filters);
    f.filters.key = "SREDNIE";
    DefineFilter(&f.filters, t.field("NAZ"), "pracownik......", " prac.:", FILTER_TEXT, 1);
    DefineFilter(&f.filters, t.field("ROK"), "rok............", " rok:", FILTER_NUMBER, 0, {.picture = "9999"});
    LoadFilters(&f.filters);

    struct Place {
      int row, col;
      const char* field;
      const char* picture;
    };
    constexpr Place kPlaces[] = {
        {0, 16, "NAZ", ""},          {0, 60, "ROK", "9999"},      {1, 16, "IM1", ""},
        {1, 60, "MIE", "99"},        {2, 16, "IDR", "99"},        {2, 49, "IDP", "99"},
        {3, 16, "DOM", "99999999.99"}, {3, 49, "POM", "99999999.99"}, {4, 16, "DGN", "99999999.99"},
        {4, 49, "DNP", "99999999.99"}, {5, 16, "DUZ", "99999999.99"}, {5, 49, "SNS", "99999999.99"},
        {6, 16, "DOK", "99999999.99"}, {6, 49, "DKO", "DD-MM-CCYY"}, {6, 62, "DKD", "DD-MM-CCYY"},
        {7, 16, "DOR", "99999999.99"}, {7, 49, "DRO", "DD-MM-CCYY"}, {7, 62, "DRD", "DD-MM-CCYY"},
        {8, 16, "SMS", "99999999.99"}, {8, 49, "SKS", "99999999.99"}, {9, 16, "SRS", "99999999.99"},
        {9, 49, "WY1", "999"},       {9, 53, "WY2", "999"},       {10, 16, "SSE", "99.99"},
        {10, 49, "SSR", "99.99"},    {10, 70, "SSC", "99.99"},    {11, 16, "CCW", ""},
    };
    for (const Place& p : kPlaces) {
      int flags = std::string_view(p.field) == "NAZ" || std::string_view(p.field) == "IM1" ||
                          std::string_view(p.field) == "ROK" || std::string_view(p.field) == "MIE"
                      ? EDIT_SHOW_ONLY
                      : 0;
      EditControl* c = DefineEditCtrl(&f.edits, p.row, p.col, t.field(p.field), flags);
      c->picture = p.picture;
      if (std::string_view(p.field) == "CCW") c->chooser = wybierz_tak_nie;
    }
    DefineTabuColumn(&f.print_columns, "rok", 0, t.field("ROK"), TABU_FIELD_WIDTH, 1);
    DefineTabuColumn(&f.print_columns, "m-c", 0, t.field("MIE"), TABU_FIELD_WIDTH, 2);
    DefineTabuColumn(&f.print_columns, "nazwisko", 0, t.field("NAZ"), TABU_FIELD_WIDTH, 3);
    DefineTabuColumn(&f.print_columns, "imię", 0, t.field("IM1"), TABU_FIELD_WIDTH, 4);
    DefineTabuColumn(&f.print_columns, "dni|przepr.", 0, t.field("IDP"), TABU_FIELD_WIDTH, 5);
    DefineTabuColumn(&f.print_columns, "robocz.", 0, t.field("IDR"), TABU_FIELD_WIDTH, 6);
    DefineTabuColumn(&f.print_columns, "składniki", TABU_SUM, t.field("DOM"), TABU_FIELD_WIDTH, 7);
    DefineTabuColumn(&f.print_columns, "potrącenia", TABU_SUM, t.field("POM"), TABU_FIELD_WIDTH, 8);
    DefineTabuColumn(&f.print_columns, "nadgodz.", TABU_SUM, t.field("DGN"), TABU_FIELD_WIDTH, 9);
    DefineTabuColumn(&f.print_columns, "umowy", TABU_SUM, t.field("DUZ"), TABU_FIELD_WIDTH, 10);
    DefineTabuColumn(&f.print_columns, "podstawa", TABU_SUM, t.field("SMS"), TABU_FIELD_WIDTH, 11);
  };
  auto fill = [&](BROWSE* b) {
    b->title_id = kTitle;
    b->form_template = dictionaries::template_id(kForm);
    b->form_rows = kFormRows;
    b->stamp = f_inf;
    b->hot_key = [f_inf](int key) {
      return hot_keys(key, -1, kHelp + 1, -1, kHelp + 2, 1, kHelp + 3, f_inf);
    };
  };
  int rc = dictionaries::run_register(frame, t.data, t.tag(3), kFormRows, kFormRows, 0, build, fill);
  g_run = outer;
  return rc;
}

const frame::RegisterProvider provider(frame::RegisterId::Averages, averages_main);

}  // namespace

std::vector<AveragesEntry> read_averages(long kod) {
  std::vector<AveragesEntry> out;
  data::TableHandles& t = data::handles("W3SRDN.DBF");
  if (!t.open()) return out;
  KeptPlace keep(t.data);
  d4tag_select(t.data, nullptr);
  for (int rc = d4top(t.data); rc == 0; rc = d4skip(t.data, 1)) {
    if (d4deleted(t.data) || f4long(t.field("KOD")) != kod) continue;
    AveragesValues v;
    auto f = [&t](const char* n) { return f4double(t.field(n)); };
    v.DOM = f("DOM");
    v.POM = f("POM");
    v.DGN = f("DGN");
    v.SNS = f("SNS");
    v.SMS = f("SMS");
    v.SKS = f("SKS");
    v.SRS = f("SRS");
    v.IDR = f4int(t.field("IDR"));
    v.IDP = f4int(t.field("IDP"));
    v.SSE = f("SSE");
    v.SSR = f("SSR");
    v.SSC = f("SSC");
    out.push_back({f4int(t.field("ROK")), f4int(t.field("MIE")), average_month_of(v)});
  }
  return out;
}

}  // namespace skolvarin::payroll
