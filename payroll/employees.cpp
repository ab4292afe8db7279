// Employees (" Pracownicy "): every person the firm pays, with the personal
// data for declarations and prints and the switches and amounts of the
// payroll, on a four-page form.
//
// A person is known on every payroll table by his record number, so
// records are never renumbered; a person with pay records of the working
// year or with a contract cannot be deleted.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "data/opener.h"
#include "declarations/pit_menu.h"
#include "dictionaries/register_frame.h"
#include "frame/register_hooks.h"
#include "host/api/print_api.h"
#include "payroll/employee_documents.h"
#include "payroll/employee_rules.h"
#include "payroll/employee_switches_table.h"
#include "payroll/employees.h"
#include "payroll/payroll_settings.h"

namespace skolvarin::payroll {

namespace {

using dictionaries::RegisterFrame;

constexpr int kRows = 23;
constexpr size_t kPanelWidth = 78;  // the panel's inside: a note covers its template row
constexpr int kRightToModify = 5304;
constexpr int kOnlyFromEmployeeMenu = 146;
constexpr int kHasPay = 163, kHasContract = 164, kExcludesDeletion = 245;
constexpr int kWasPaid = 285, kNoOtherPerson = 286;
constexpr int kNotFound = 50007;

struct Place {
  int row, col;
  const char* field;
};
// Rows count on over the four pages of 23 rows.
constexpr Place kPlaces[] = {
    {1, 19, "NAZ"},
    {2, 19, "IM1"},
    {2, 52, "IM2"},
    {3, 19, "IMO"},
    {3, 52, "IMM"},
    {4, 19, "NAR"},
    {5, 19, "DAU"},
    {5, 52, "MIE"},
    {6, 19, "PLE"},
    {6, 52, "TID"},
    {7, 19, "PES"},
    {7, 52, "NUD"},
    {8, 19, "NIP"},
    {9, 19, "OBY"},
    {11, 19, "KOD"},
    {11, 52, "MIA"},
    {12, 19, "ULI"},
    {12, 52, "NRD"},
    {13, 19, "NRM"},
    {13, 52, "POC"},
    {14, 19, "GMI"},
    {14, 52, "POW"},
    {15, 19, "WOJ"},
    {15, 52, "TEL"},
    {16, 19, "KRA"},
    {17, 19, "KOU"},
    {18, 19, "ROD"},
    {18, 52, "STA"},
    {19, 19, "DAP"},
    {19, 52, "DAZ"},
    {20, 19, "DBL"},
    {24, 45, "KTU"},
    {25, 45, "CZG"},
    {26, 45, "STG"},
    {27, 45, "CPM"},
    {28, 45, "BRG"},
    {29, 45, "WY1"},
    {29, 50, "WY2"},
    {30, 45, "KUZ"},
    {30, 73, "CKU"},
    {31, 45, "ULG"},
    {32, 45, "TBL"},
    {33, 45, "CFP"},
    {33, 62, "DFP"},
    {34, 45, "CFG"},
    {34, 62, "DFG"},
    {35, 45, "OZR"},
    {35, 56, "KZR"},
    {36, 45, "OZP"},
    {36, 56, "KZP"},
    {37, 45, "KZW"},
    {38, 45, "ZPZ"},
    {39, 45, "OOZ"},
    {40, 45, "UBC"},
    {41, 45, "PMA"},
    {41, 67, "DPM"},
    {42, 45, "ERW"},
    {43, 45, "BAN"},
    {44, 8, "KON"},
    {45, 45, "RE1"},
    {47, 40, "UBS"},
    {48, 40, "UBZ"},
    {49, 40, "FPU"},
    {50, 40, "FGU"},
    {52, 40, "GOS"},
    {53, 40, "PDG"},
    {54, 40, "KSN"},
    {54, 47, "PNP"},
    {54, 62, "KNP"},
    {55, 40, "ONP"},
    {55, 55, "ONK"},
    {56, 40, "KPS"},
    {57, 40, "PSP"},
    {57, 55, "PSK"},
    {58, 40, "KKC"},
    {59, 40, "GUS"},
    {60, 14, "STN"},
    {61, 8, "NKS"},
    {62, 40, "DKS"},
    {64, 0, "NO1"},
    {65, 0, "NO2"},
    {71, 19, "ZKO"},
    {71, 52, "ZMI"},
    {72, 19, "ZUL"},
    {72, 52, "ZND"},
    {73, 19, "ZNM"},
    {73, 52, "ZPO"},
    {74, 19, "ZGM"},
    {74, 52, "ZPW"},
    {75, 19, "ZWO"},
    {75, 52, "ZTE"},
    {76, 19, "ZKR"},
    {76, 52, "ZFA"},
};

const std::vector<std::string> kKinds = {"P. Pracownik", "Z. Zleceniobiorca", "W. Prac. i Zlec."};
const std::vector<std::string> kSexes = {"K. kobieta", "M. mężczyzna"};
const std::vector<std::string> kIdentifierKinds = {
    "P. PESEL", "N. NIP", "D. dowód osobisty", "S. paszport polski", "1. zagraniczny numer identyfikacyjny TIN",
    "2. zagraniczny numer ubezpieczeniowy", "3. paszport zagraniczny", "4. zagraniczny urzędowy dokument tożsamości"};
const std::vector<std::string> kFpChoices = {"T. Tak", "N. Nie", "Z. Zawsze"};
const std::vector<std::string> kReporters = {"1. Ubezpieczonego", "2. Płatnika", "3. ZUS", "4. Nie przekazana"};

constexpr const char* kYesNoFields[] = {"CZG", "CPM", "CKU", "ULG", "TBL", "CFG", "UBC", "UBS", "UBZ",
                                        "FPU", "FGU", "GOS", "PDG", "RE1"};

IdentifierSwitches switches() {
  const auto& o = data::state().options;
  return {o.pesel_check == 'T', o.nip_check == 'T'};
}

char first_char(FIELD4* f) {
  std::string s = f4str(f);
  return s.empty() ? ' ' : s[0];
}

void put_char(FIELD4* f, char c) {
  char text[2] = {c, 0};
  f4assign(f, text);
}

// Shows a field check's problem; 0 when there is none.
int tell(const FieldProblem& p) {
  if (p.ok()) return 0;
  if (p.message) Uwaga(p.message);
  else MessageWindow(2, 0, p.text.c_str(), 0);
  return -1;
}

ValidFunction field_check(EmployeeField which) {
  return [which](EditControl* c) { return tell(check_employee_field(which, c->buffer, switches())); };
}

// Does any record of `t` (open) hold the person `kod` on its first tag?
bool has_records_of(const char* file, long kod) {
  data::TableHandles& t = data::handles(file);
  if (!t.open() || !t.tag(1)) return false;
  TAG4* saved = d4tag_selected(t.data);
  long rec = d4recno(t.data);
  d4tag_select(t.data, t.tag(1));
  char key[24];
  std::snprintf(key, sizeof key, "%5ld", kod);
  int rc = d4seek(t.data, key);
  bool found = rc == 0;
  d4tag_select(t.data, saved);
  if (rec > 0) d4go(t.data, rec);
  return found;
}

// A contract of another year: the per-year contract files of the firm's
// directory other than the working year's (open in the register), read
// without tags and closed again; a year without a file is skipped.
bool contract_in_other_year(long kod) {
  HostContext* ctx = data::state().ctx;
  if (!ctx) return false;
  const int working = data::working_year(ctx);
  for (int year = working - 30; year <= working + 1; ++year) {
    if (year == working) continue;
    char name[16];
    std::snprintf(name, sizeof name, "W3UMOW%02d.DBF", ((year % 100) + 100) % 100);
    std::error_code ec;
    if (!std::filesystem::exists(ctx->current_dir + name, ec)) continue;
    DATA4* d = d4open(ctx, name);
    if (!d) continue;
    FIELD4* f = d4field(d, "KOD");
    bool found = false;
    for (int rc = d4top(d); f && rc == 0 && !found; rc = d4skip(d, 1))
      found = !d4deleted(d) && f4long(f) == kod;
    d4close(d);
    if (found) return true;
  }
  return false;
}

std::string office_name(long code) {
  if (code <= 0) return {};
  data::TableHandles& t = data::handles("W3USKA.DBF");
  if (!t.open()) return {};
  TAG4* saved = d4tag_selected(t.data);
  long rec = d4recno(t.data);
  d4tag_select(t.data, t.tag(1));
  char key[24];
  std::snprintf(key, sizeof key, "%4ld", code);
  std::string name;
  if (d4seek(t.data, key) == 0) name = f4trim(t.field("NAZ"));
  d4tag_select(t.data, saved);
  if (rec > 0) d4go(t.data, rec);
  return name;
}

int choose_office(EditControl* c) {
  data::TableHandles& t = data::handles("W3USKA.DBF");
  if (!t.open()) return 27;
  CodedFieldChoice choice;
  choice.data = t.data;
  choice.tag = t.tag(4);
  choice.code = t.field("KOD");
  choice.shown = {t.field("KOD"), t.field("NAZ")};
  choice.title = " Urzędy skarbowe ";
  std::string value;
  if (pole_kodowane_fun(choice, value) != 0) return 27;
  c->buffer = value;
  return 0;
}

int choose_zus_code(EditControl* c) {
  bool opened = false;
  data::TableHandles& t = data::handles("W3KZUS.DBF");
  if (!t.open()) {
    if (data::open_table(data::state().ctx, "W3KZUS.DBF") != 0) return 27;
    opened = true;
  }
  CodedFieldChoice choice;
  choice.data = t.data;
  choice.tag = t.tag(1);
  choice.code = t.field("KPG");
  choice.shown = {t.field("KPG"), t.field("NGR"), t.field("SOP")};
  choice.title = " Kody ZUS ";
  std::string value;
  int rc = pole_kodowane_fun(choice, value);
  if (opened) data::close_table(*data::find_table("W3KZUS.DBF"));
  if (rc != 0) return 27;
  c->buffer = value;
  return 0;
}

struct EmployeesRun {
  data::TableHandles* t = nullptr;
  std::vector<std::pair<std::string, EditControl*>> controls;
  EditControl* control(std::string_view name) const {
    for (const auto& [n, c] : controls)
      if (n == name) return c;
    return nullptr;
  }
  FIELD4* field(const char* name) const { return t->field(name); }

  void set_enabled(const char* name, bool on) const {
    if (EditControl* c = control(name)) c->flags = on ? (c->flags & ~EDIT_SHOW_ONLY) : (c->flags | EDIT_SHOW_ONLY);
  }
  // Enabled and disabled pay fields after CZG, CFP, CFG or CPM.
  void refresh_dependent() const {
    PayFieldsEnabled e = pay_fields_enabled(first_char(field("CZG")), first_char(field("CFP")),
                                            first_char(field("CFG")), first_char(field("CPM")));
    set_enabled("DFP", e.fp_exemption_date);
    set_enabled("DFG", e.fgsp_exemption_date);
    set_enabled("STG", e.hourly_rate);
    set_enabled("BRG", e.base_pay);
  }
};

EmployeesRun* g_run = nullptr;
bool g_picker = false;

void start_values(const EmployeesRun& r) {
  for (const StartValue& v : new_employee_start_values(payroll_settings().parameters)) {
    if (v.numeric) f4assign_double(r.field(v.field), v.number);
    else f4assign(r.field(v.field), v.text.c_str());
  }
  f4assign_long(r.field("REK"), d4reccount(r.t->data) + 1);
}

int delete_item(int) {
  BROWSE* b = current_browse();
  if (!b || !g_run) return -1;
  if (b->picker || g_picker) {
    Uwaga(kOnlyFromEmployeeMenu);
    return 0;
  }
  if (!dictionaries::list_has_current(b)) return browse_skasuj(1);
  long kod = d4recno(b->data);
  if (has_records_of("W3UMOW  .DBF", kod) || contract_in_other_year(kod)) {
    MessageWindow(2 | 16, kHasContract, RcQStr(kExcludesDeletion), 0);
    return 0;
  }
  if (has_records_of("W3PENS  .DBF", kod)) {
    MessageWindow(2 | 16, kHasPay, RcQStr(kExcludesDeletion), 0);
    return 0;
  }
  return browse_skasuj(1);
}

int search_item(int) { return browse_szukaj("Szukaj pracownika -", 30, g_run ? g_run->t->tag(1) : nullptr); }

int filters_item(int) {
  BROWSE* b = current_browse();
  if (!b || !b->user) return -1;
  OpenFiltersWindow(&static_cast<RegisterFrame*>(b->user)->filters);
  browse_call(0, 0);
  return 0;
}

int tabulogram_item(int) {
  BROWSE* b = current_browse();
  if (!b) return -1;
  return browse_drukuj(0);
}

int current_person_item(int (*print)(const EmployeeDocumentData&)) {
  BROWSE* b = current_browse();
  if (!b || !g_run) return -1;
  if (!dictionaries::list_has_current(b)) {
    Uwaga(kNotFound);
    return 0;
  }
  EmployeeDocumentData d = employee_document_data(*g_run->t);
  return print(d);
}

int data_print_item(int) { return current_person_item(print_employee_data); }
int history_item(int) { return current_person_item(print_employment_history); }
int certificate_item(int) { return current_person_item(print_work_certificate); }
int contract_item(int) { return current_person_item(print_employment_contract); }
int questionnaire_item(int) { return current_person_item(print_questionnaire); }
int dismissal_item(int) { return current_person_item(print_dismissal); }
int earnings_item(int) { return current_person_item(print_earnings_certificate); }
struct ArchiveKind {
  const char* code;
  const char* title;
};
constexpr ArchiveKind kArchive[] = {{"UMOWA", "Umowa o pracę"},
                                    {"SWIADECTWO", "Świadectwo pracy"},
                                    {"KWESTIONARIUSZ", "Kwestionariusz"},
                                    {"WYPOWIEDZENIE", "Wypowiedzenie"},
                                    {"ZAROBKI", "ZAŚWIADCZENIE O ZAROBKACH"}};
int archive_item(int code) {
  BROWSE* b = current_browse();
  if (!b || code < 0 || code >= 5) return -1;
  if (!dictionaries::list_has_current(b)) {
    Uwaga(kNotFound);
    return 0;
  }
  return show_document_archive(kArchive[code].code, kArchive[code].title, d4recno(b->data));
}
// " Przepisy ": the person's PPK, tax exemptions and PIT-2 payers.
int law_item(int) {
  BROWSE* b = current_browse();
  if (!b || !g_run) return -1;
  if (!dictionaries::list_has_current(b)) {
    Uwaga(kNotFound);
    return 0;
  }
  // The switches are the person's data: changing them takes the same right.
  if (!pass_tab_test_and_inform(b->ctx, kRightToModify)) return 0;
  edit_law_switches(*g_run->t);
  return 0;
}
int not_yet_item(int) {
  MessageWindow(1, 0, "Deklaracje i formularze PIT pracowników nie są jeszcze dostępne.", 0);
  return 0;
}

// PIT forms of the working year (" Deklaracje "): code = form * 10 +
// action (0 compute for everybody, 1 print, 2 export the current person's).
int pit_item(int code) {
  const auto form = code / 10 == 11 ? declarations::PitForm::Pit11 : declarations::PitForm::Pit40;
  const int action = code % 10;
  if (action == 0) return declarations::pit_compute_item(form);
  BROWSE* b = current_browse();
  if (!b || !g_run) return -1;
  if (!dictionaries::list_has_current(b)) {
    Uwaga(kNotFound);
    return 0;
  }
  const long person = d4recno(b->data);
  if (action == 1)
    return declarations::pit_print_item(
        form == declarations::PitForm::Pit11 ? declarations::PitPrint::Pit11 : declarations::PitPrint::Pit40, person);
  return declarations::pit_export_item(form, person);
}

// The person's statements PIT-2 (code 2) and PIT-12 (code 12).
int statement_item(int code) {
  BROWSE* b = current_browse();
  if (!b || !g_run) return -1;
  if (!dictionaries::list_has_current(b)) {
    Uwaga(kNotFound);
    return 0;
  }
  return declarations::pit_print_item(code == 2 ? declarations::PitPrint::Pit2 : declarations::PitPrint::Pit12,
                                      d4recno(b->data));
}

int employees_main() {
  data::TableHandles& t = dictionaries::table("W3PRAC.DBF");
  if (!t.open()) return 0;
  EmployeesRun run;
  run.t = &t;
  EmployeesRun* outer = g_run;
  g_run = &run;
  FIELD4* f_inf = t.field("INF");
  RegisterFrame frame;
  int print_menu = -1, forms_menu = -1, archive_menu = -1, declarations_menu = -1, pit11_menu = -1, pit40_menu = -1;
  auto build = [&](RegisterFrame& f) {
    MenuDefineItem(" Dopisz ", 5331, dictionaries::kKeyAdd, -1, browse_dopisz, nullptr);
    MenuDefineItem(" Modyfikuj ", 5332, dictionaries::kKeyModify, -1, browse_modyfikuj, nullptr);
    MenuDefineItem(" Szukaj ", 5333, dictionaries::kKeySearch, -1, search_item, nullptr);
    MenuDefineItem(" Drukuj ", 5334, dictionaries::kKeyPrint, -1, nullptr, &print_menu);
    MenuDefineItem(" Deklaracje ", 5391, 'e', -1, nullptr, &declarations_menu);
    MenuDefineItem(" Filtry ", 5307, dictionaries::kKeyFilters, -1, filters_item, nullptr);
    MenuDefineItem(" Przepisy ", 5392, 'p', -1, law_item, nullptr);
    MenuDefineItem(" Usuń ", 5348, dictionaries::kKeyDelete, 1, delete_item, nullptr);
    print_menu = DefineMenuWindow(-1, -1);
    if (print_menu >= 0) {
      MenuDefineItem(" Tabulogram ", 5335, 't', -1, tabulogram_item, nullptr);
      MenuDefineItem(" Ewidencja ", 5306, 'e', -1, history_item, nullptr);
      MenuDefineItem(" PIT-2 ", 5305, '2', 2, statement_item, nullptr);
      MenuDefineItem(" PIT-12 ", 5309, '1', 12, statement_item, nullptr);
      MenuDefineItem(" Formularze ", 5337, 'f', -1, nullptr, &forms_menu);
      MenuDefineItem(" Archiwum ", 5342, 'a', -1, nullptr, &archive_menu);
      MenuDefineItem(" Dane ", 5384, 'd', -1, data_print_item, nullptr);
    }
    forms_menu = DefineMenuWindow(-1, -1);
    if (forms_menu >= 0) {
      MenuDefineItem(" Umowę ", 5338, 'u', -1, contract_item, nullptr);
      MenuDefineItem(" Świadectwo ", 5339, 's', -1, certificate_item, nullptr);
      MenuDefineItem(" Kwest ", 5340, 'k', -1, questionnaire_item, nullptr);
      MenuDefineItem(" Zwolnienie ", 5341, 'z', -1, dismissal_item, nullptr);
      MenuDefineItem(" Zarobki ", 5382, 'a', -1, earnings_item, nullptr);
    }
    archive_menu = DefineMenuWindow(-1, -1);
    if (archive_menu >= 0) {
      MenuDefineItem(" PIT-11 ", 5343, '1', -1, not_yet_item, nullptr);
      MenuDefineItem(" PIT-40 ", 5378, '4', -1, not_yet_item, nullptr);
      MenuDefineItem(" PIT-2 ", 5343, '2', -1, not_yet_item, nullptr);
      MenuDefineItem(" PIT-12 ", 5343, 'i', -1, not_yet_item, nullptr);
      MenuDefineItem(" Umowę ", 5344, 'u', 0, archive_item, nullptr);
      MenuDefineItem(" Świadectwo ", 5345, 's', 1, archive_item, nullptr);
      MenuDefineItem(" Kwest ", 5346, 'k', 2, archive_item, nullptr);
      MenuDefineItem(" Zwolnienie ", 5347, 'z', 3, archive_item, nullptr);
      MenuDefineItem(" Zarobki ", 5383, 'a', 4, archive_item, nullptr);
    }
    declarations_menu = DefineMenuWindow(-1, -1);
    if (declarations_menu >= 0) {
      MenuDefineItem(" PIT-11 ", 5336, '1', -1, nullptr, &pit11_menu);
      MenuDefineItem(" PIT-40 ", 5308, '4', -1, nullptr, &pit40_menu);
    }
    pit11_menu = DefineMenuWindow(-1, -1);
    if (pit11_menu >= 0) {
      MenuDefineItem(" Oblicz ", 5385, 'o', 110, pit_item, nullptr);
      MenuDefineItem(" Drukuj ", 5386, 'd', 111, pit_item, nullptr);
      MenuDefineItem(" Eksportuj ", 5387, 'e', 112, pit_item, nullptr);
    }
    pit40_menu = DefineMenuWindow(-1, -1);
    if (pit40_menu >= 0) {
      MenuDefineItem(" Oblicz ", 5388, 'o', 400, pit_item, nullptr);
      MenuDefineItem(" Drukuj ", 5389, 'd', 401, pit_item, nullptr);
      MenuDefineItem(" Eksportuj ", 5390, 'e', 402, pit_item, nullptr);
    }
    DefineScrollColumn(&f.scroll, t.field("STA"), 0, "S");
    DefineScrollColumn(&f.scroll, t.field("KTU"), 0, "kod ZUS");
    DefineScrollColumn(&f.scroll, t.field("NAZ"), 0, "nazwisko", t.tag(1));
    DefineScrollColumn(&f.scroll, t.field("IM1"), 0, "imię");
    DefineScrollColumn(&f.scroll, t.field("DAP"), 0, "data przy", t.tag(3));
    DefineScrollColumn(&f.scroll, t.field("DAZ"), 0, "data zwol");

    // Filters.
    f.has_filters = true;
    ResetFiltersDefinition(&f.filters);
    f.filters.key = "PRACOWNICY";
    DefineFilter(&f.filters, t.field("STA"), "czy aktywny T/N", " aktywni", FILTER_MARK, 8, {.value = "A"});
    DefineFilter(&f.filters, t.field("ROD"), "typ [P/Z/W]....", " typ:", FILTER_CHOICE, 0, {.choices = kKinds});
    DefineFilter(&f.filters, t.field("DAP"), "od dnia przyj..", " przyj.od:", FILTER_DATE, 0);
    DefineFilter(&f.filters, t.field("DAP"), "do dnia przyj..", " przyj.do:", FILTER_DATE, 2);
    DefineFilter(&f.filters, t.field("DAZ"), "od dnia zwoln..", " zwol.od:", FILTER_DATE, 0);
    DefineFilter(&f.filters, t.field("DAZ"), "do dnia zwoln..", " zwol.do:", FILTER_DATE, 2);
    DefineFilter(&f.filters, t.field("KTU"), "kod ZUS........", " kod:", FILTER_TEXT, 1);
    DefineFilter(&f.filters, t.field("MIA"), "miasto.........", " miasto:", FILTER_TEXT, 1);
    DefineFilter(&f.filters, t.field("KOU"), "urząd skarbowy.", " urząd:", FILTER_NUMBER, 0, {.picture = "9999"});
    LoadFilters(&f.filters);

    for (const Place& p : kPlaces) {
      std::string_view name = p.field;
      int flags = (name == "STA" || name == "ROD" || name == "PLE" || name == "TID" || name == "CFP" ||
                   name == "PMA" || name == "PES" || name == "NIP")
                      ? EDIT_UPPER
                      : 0;
      if (name == "KZR" || name == "KZP") flags |= EDIT_SHOW_ONLY;
      EditControl* c = DefineEditCtrl(&f.edits, p.row, p.col, t.field(p.field), flags);
      run.controls.emplace_back(std::string(name), c);
      if (f4type(t.field(p.field)) == 'D') c->picture = "DD-MM-CCYY";
    }
    // The panel under the list: PESEL, NIP and the person's number.
    DefineTextCtrl(&f.texts, 7, 19, t.field("PES"), 0);
    DefineTextCtrl(&f.texts, 8, 19, t.field("NIP"), 0);
    DefineTextCtrl(&f.texts, 8, 38, t.field("REK"), 0)->show = [](const std::string& text) {
      std::string n = text;
      n.erase(0, n.find_first_not_of(' '));
      return "nr w ewidencji: " + n;
    };
    // The two note lines under them, over the template's next rows.
    for (auto [row, name] : {std::pair{9, "NO1"}, std::pair{10, "NO2"}})
      DefineTextCtrl(&f.texts, row, 0, t.field(name), 0)->show = [](const std::string& text) {
        std::string note = text;
        note.erase(note.find_last_not_of(' ') + 1);
        return note + std::string(kPanelWidth > note.size() ? kPanelWidth - note.size() : 0, ' ');
      };
    EmployeesRun* r = &run;
    auto ctl = [&run](const char* n) { return run.control(n); };
    ctl("NAZ")->valid = field_check(EmployeeField::Surname);
    ctl("IM1")->valid = [r](EditControl* c) {
      if (tell(check_employee_field(EmployeeField::FirstName, c->buffer, switches())) != 0) return -1;
      put_char(r->field("PLE"), sex_from_first_name(c->buffer));
      return 0;
    };
    ctl("PES")->valid = field_check(EmployeeField::Pesel);
    ctl("NIP")->valid = field_check(EmployeeField::Nip);
    ctl("PES")->mark = [](const std::string& text) { return identifier_mark(EmployeeField::Pesel, text); };
    ctl("NIP")->mark = [](const std::string& text) { return identifier_mark(EmployeeField::Nip, text); };
    ctl("KTU")->valid = field_check(EmployeeField::InsuranceTitle);
    ctl("KTU")->picture = "999999";
    for (const char* n : kYesNoFields) {
      EditControl* c = ctl(n);
      c->chooser = wybierz_tak_nie;
      c->chooser_mode = 1;
    }
    auto list = [&](const char* n, const std::vector<std::string>& items) {
      EditControl* c = ctl(n);
      c->chooser = lista_wyboru(items);
      c->chooser_mode = 1;
    };
    list("ROD", kKinds);
    list("PLE", kSexes);
    list("TID", kIdentifierKinds);
    list("CFP", kFpChoices);
    list("PMA", kReporters);
    ctl("STA")->valid = [](EditControl* c) {
      char ch = c->buffer.empty() ? ' ' : c->buffer[0];
      if (ch == 'A' || ch == 'N') return 0;
      MessageWindow(2, 0, "Status: A - aktywny, N - nieaktywny !", 0);
      return -1;
    };
    for (const char* n : {"CZG", "CFP", "CFG", "CPM"})
      ctl(n)->valid = [r](EditControl*) {
        r->refresh_dependent();
        return 0;
      };
    ctl("WY2")->valid = [r](EditControl*) {
      std::string wt = std::to_string(f4int(r->field("WY1"))) + "/" + std::to_string(f4int(r->field("WY2")));
      return tell(check_employee_field(EmployeeField::WorkTime, wt, switches()));
    };
    ctl("OZR")->valid = [r](EditControl*) {
      f4assign_double(r->field("KZR"), family_allowance(f4int(r->field("OZR")), payroll_settings().parameters));
      return 0;
    };
    ctl("OZP")->valid = [r](EditControl*) {
      f4assign_double(r->field("KZP"), nursing_allowance(f4int(r->field("OZP")), payroll_settings().parameters));
      return 0;
    };
    ctl("KOU")->chooser = choose_office;
    ctl("KOU")->picture = "9999";
    ctl("KOU")->show = [](const std::string& text) {
      long code = std::atol(text.c_str());
      std::string name = office_name(code);
      std::string shown = text;
      if (!name.empty()) shown += " " + name.substr(0, 50);
      return shown;
    };
    ctl("KPS")->chooser = choose_zus_code;

    DefineTabuColumn(&f.print_columns, "nazwisko", 0, t.field("NAZ"), TABU_FIELD_WIDTH, 1);
    DefineTabuColumn(&f.print_columns, "imię", 0, t.field("IM1"), TABU_FIELD_WIDTH, 2);
    DefineTabuColumn(&f.print_columns, "PESEL", 0, t.field("PES"), TABU_FIELD_WIDTH, 3);
    DefineTabuColumn(&f.print_columns, "kod ZUS", 0, t.field("KTU"), TABU_FIELD_WIDTH, 4);
    DefineTabuColumn(&f.print_columns, "data|przyjęcia", 0, t.field("DAP"), TABU_FIELD_WIDTH, 5);
    DefineTabuColumn(&f.print_columns, "data|zwolnienia", 0, t.field("DAZ"), TABU_FIELD_WIDTH, 6);
    DefineTabuColumn(&f.print_columns, "miejscowość", 0, t.field("MIA"), TABU_FIELD_WIDTH, 7);
  };
  auto fill = [&](BROWSE* b) {
    b->title = "Pracownicy";
    b->form_template = dictionaries::template_id(144);
    b->form_rows = kRows;
    b->form_pages = {{dictionaries::template_id(144), kRows, 0},
                     {dictionaries::template_id(145), kRows, 0},
                     {dictionaries::template_id(146), kRows, 0},
                     {dictionaries::template_id(147), kRows, 0}};
    b->stamp = f_inf;
    b->new_record = [&run](BROWSE*) {
      start_values(run);
      run.refresh_dependent();
      return 0;
    };
    b->before_edit = [&run](BROWSE* br) {
      long kod = d4recno(br->data);
      if (!pass_tab_test_and_inform(br->ctx, kRightToModify)) return -1;
      if (has_records_of("W3PENS  .DBF", kod) || has_records_of("W3UMOW  .DBF", kod))
        MessageWindow(2 | 16, kWasPaid, RcQStr(kNoOtherPerson), 0);
      FIELD4* ple = run.field("PLE");
      std::string stored = f4trim(ple);
      put_char(ple, stored.empty() ? sex_from_first_name(f4trim(run.field("IM1"))) : normalized_sex(stored));
      run.refresh_dependent();
      return 0;
    };
    b->list_key = [&t](BROWSE* br, int key) {
      if (key != skolvarin::keys::F7) return 1;
      if (!dictionaries::list_has_current(br)) {
        Uwaga(kNotFound);
        return 0;
      }
      long rec = d4recno(t.data);
      if (go_and_lock(t.data, rec) != 0) return 0;
      put_char(t.field("STA"), first_char(t.field("STA")) == 'N' ? 'A' : 'N');
      if (write_and_unlock(t.data) != 0) {
        d4refresh_record(t.data);
        d4unlock(t.data);
      }
      browse_call(1, rec);
      return 0;
    };
    b->hot_key = [f_inf](int key) { return hot_keys(key, -1, 5331, -1, 5332, 1, 5348, f_inf); };
  };
  // As a pick list the register opens on the person the table stands on.
  int rc = dictionaries::run_register(frame, t.data, t.tag(1), kRows, kRows, g_picker ? 1 : 0, build, fill);
  for (int w : {print_menu, forms_menu, archive_menu, declarations_menu})
    if (w >= 0) w4close(w);
  g_run = outer;
  return rc;
}

const frame::RegisterProvider provider(frame::RegisterId::Employees, employees_main);

}  // namespace

int pick_employee(long* recno) {
  bool was = g_picker;
  g_picker = true;
  int rc = browse_picker(employees_main, recno);
  g_picker = was;
  return rc;
}

}  // namespace skolvarin::payroll
