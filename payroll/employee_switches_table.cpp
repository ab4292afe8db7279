#include "payroll/employee_switches_table.h"

#include <cstdio>
#include <string>

#include "data/opener.h"
#include "host/api/browse_api.h"
#include "host/api/keys.h"
#include "host/api/screen_api.h"

namespace skolvarin::payroll {

namespace {

constexpr const char* kFile = "W3PRAX.DBF";
// Labels of the window, dotted to one width so the values stand in a column.
constexpr const char* kLabels[] = {
    "uczestnik PPK (T/N)?.......................", "w PPK od dnia..............................",
    "rezygnacja z PPK od dnia...................", "stawka obniżona 0,5 % (T/N)?...............",
    "wpłata dodatkowa pracownika [%]............", "wpłata dodatkowa pracodawcy [%]............",
    "stosować ulgę dla młodych do 26 lat (T/N)?.", "inne zwolnienie z podatku..................",
    "liczba płatników, którym złożono PIT-2.....",
};

Date date_of(FIELD4* f) {
  Date d;
  if (!f || !from_dbf(f4str(f), d)) return {};
  return d;
}

char char_of(FIELD4* f, char blank) {
  std::string s = f ? f4trim(f) : std::string();
  return s.empty() ? blank : s[0];
}

void put_char(FIELD4* f, char c) {
  const char text[2] = {c, 0};
  f4assign(f, text);
}

LawSwitches switches_of(const data::TableHandles& t) {
  LawSwitches s;
  s.ppk = char_of(t.field("PPK"), 'N') == 'T';
  s.ppk_from = date_of(t.field("PPO"));
  s.ppk_to = date_of(t.field("PPZ"));
  s.ppk_low = char_of(t.field("PPN"), 'N') == 'T';
  s.ppk_employee_extra = f4double(t.field("PPE"));
  s.ppk_employer_extra = f4double(t.field("PPF"));
  s.youth_waived = char_of(t.field("UMS"), 'T') == 'N';
  s.exemption = char_of(t.field("ZWK"), ' ');
  s.pit2_payers = static_cast<int>(f4long(t.field("PLT")));
  if (s.pit2_payers == 0) s.pit2_payers = 1;
  return s;
}

void put_switches(const data::TableHandles& t, long rek, const LawSwitches& s) {
  f4assign_long(t.field("REK"), rek);
  put_char(t.field("PPK"), s.ppk ? 'T' : 'N');
  f4assign(t.field("PPO"), to_dbf(s.ppk_from).c_str());
  f4assign(t.field("PPZ"), to_dbf(s.ppk_to).c_str());
  put_char(t.field("PPN"), s.ppk_low ? 'T' : 'N');
  f4assign_double(t.field("PPE"), s.ppk_employee_extra);
  f4assign_double(t.field("PPF"), s.ppk_employer_extra);
  put_char(t.field("UMS"), s.youth_waived ? 'N' : 'T');
  put_char(t.field("ZWK"), s.exemption);
  f4assign_long(t.field("PLT"), s.pit2_payers);
}

// Positions W3PRAX (open) on the row of `rek`; false when he has none.
bool seek_person(const data::TableHandles& t, long rek) {
  d4tag_select(t.data, t.tag(1));
  return d4seek_double(t.data, static_cast<double>(rek)) == 0;
}

// Opens W3PRAX unless it is open; true when this call opened it.
bool open_switches(bool& opened) {
  opened = false;
  if (data::handles(kFile).open()) return true;
  if (data::open_table(data::state().ctx, kFile) != 0) return false;
  opened = true;
  return true;
}

void close_if(bool opened) {
  if (opened) data::close_table(*data::find_table(kFile));
}

// What the stored values mean on `today`, for the window's foot.
std::string age_line(const PersonForLaw& person, const Date& today) {
  const std::optional<Date> birth = birth_date_of(person);
  if (!birth) return "wiek: nieznany (brak PESEL i daty urodzenia) - ulga dla młodych nie będzie stosowana";
  std::string s = "wiek w latach: " + std::to_string(age_on(*birth, today)) + " (ur. " + to_shown(*birth) + ")";
  if (age_on(*birth, today) < 26) s += ", ulga dla młodych do " + to_shown(birthday(*birth, 26)) + " włącznie";
  return s;
}

std::string pit2_line(const PersonForLaw& person) {
  std::string s = person.pit2 == 'N' ? "PIT-2: nie złożony" : "PIT-2: złożony";
  s += person.raised_costs == 'T' ? ", koszty uzyskania: podwyższone" : ", koszty uzyskania: podstawowe";
  return s + " (strona 2 danych pracownika)";
}

std::string amount_text(double v) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2f", v);
  return text;
}

int yes_no_valid(EditControl* c) {
  const char ch = c->buffer.empty() ? ' ' : c->buffer[0];
  if (ch == 'T' || ch == 'N') return 0;
  MessageWindow(2, 0, "Dozwolone są tylko T lub N !", 0);
  return -1;
}

}  // namespace

LawSwitches law_switches_of(long rek) {
  bool opened = false;
  if (!open_switches(opened)) return {};
  const data::TableHandles& t = data::handles(kFile);
  LawSwitches s = seek_person(t, rek) ? switches_of(t) : LawSwitches{};
  close_if(opened);
  return s;
}

PersonForLaw person_for_law(const data::TableHandles& e) {
  PersonForLaw p;
  p.pesel = f4trim(e.field("PES"));
  p.birth = date_of(e.field("DAU"));
  p.sex = char_of(e.field("PLE"), ' ');
  p.pit2 = char_of(e.field("ULG"), 'T');
  p.raised_costs = char_of(e.field("CKU"), 'N');
  return p;
}

EmployeeLaw employee_law(const data::TableHandles& employees, const Date& on) {
  return employee_law(law_switches_of(f4long(employees.field("REK"))), person_for_law(employees), on);
}

int edit_law_switches(const data::TableHandles& employees) {
  const long rek = f4long(employees.field("REK"));
  const PersonForLaw person = person_for_law(employees);
  HostContext* ctx = data::state().ctx;
  const Date today = ctx ? ctx->today : Date{};
  bool opened = false;
  if (!open_switches(opened)) return 27;
  const data::TableHandles& t = data::handles(kFile);
  const bool found = seek_person(t, rek);
  const long rec = found ? d4recno(t.data) : 0;
  const LawSwitches stored = found ? switches_of(t) : LawSwitches{};

  WidgetSet set;
  ResetWigetsDefinition(&set);
  auto field = [&](int row, const char* label, int width, int kind, const char* picture = "") {
    return DefineWigetEx(&set, row, 1, label, width, kind, picture);
  };
  auto yes_no = [&](int row, const char* label, bool on) {
    Widget* w = field(row, label, 1, WIDGET_YESNO);
    WigetSetString(w, on ? "T" : "N");
    w->valid = yes_no_valid;
    return w;
  };
  Widget* ppk = yes_no(0, kLabels[0], stored.ppk);
  Widget* from = field(1, kLabels[1], 10, WIDGET_DATE);
  WigetSetString(from, stored.ppk_from.empty() ? "" : to_dbf(stored.ppk_from).c_str());
  Widget* to = field(2, kLabels[2], 10, WIDGET_DATE);
  WigetSetString(to, stored.ppk_to.empty() ? "" : to_dbf(stored.ppk_to).c_str());
  Widget* low = yes_no(3, kLabels[3], stored.ppk_low);
  Widget* extra_e = field(4, kLabels[4], 4, WIDGET_NUMBER, "9.99");
  WigetSetString(extra_e, amount_text(stored.ppk_employee_extra).c_str());
  Widget* extra_r = field(5, kLabels[5], 4, WIDGET_NUMBER, "9.99");
  WigetSetString(extra_r, amount_text(stored.ppk_employer_extra).c_str());
  Widget* youth = yes_no(6, kLabels[6], !stored.youth_waived);
  Widget* kind = field(7, kLabels[7], 22, WIDGET_CHOICE);
  kind->choices = {"brak", "P. powrót z zagranicy", "R. rodzina 4+", "S. pracujący senior"};
  const std::string kinds = " PRS";
  const size_t k = kinds.find(stored.exemption);
  WigetSetString(kind, std::to_string(k == std::string::npos ? 1 : k + 1).c_str());
  Widget* payers = field(8, kLabels[8], 1, WIDGET_NUMBER, "9");
  WigetSetString(payers, std::to_string(stored.pit2_payers).c_str());
  DefineWigetEx(&set, 10, 1, age_line(person, today).c_str(), 0, WIDGET_LABEL);
  DefineWigetEx(&set, 11, 1, pit2_line(person).c_str(), 0, WIDGET_LABEL);

  const std::string title = " Przepisy: " + f4trim(employees.field("NAZ")) + " " + f4trim(employees.field("IM1")) + " ";
  const int window = DefineWprowadzWindow(12, 76, title.c_str());
  int result = 27;
  while (window >= 0 && ActivateWindow(window, &set) == 15360) {
    LawSwitches s;
    s.ppk = ppk->value == "T";
    Date d;
    s.ppk_from = from_dbf(from->value, d) ? d : Date{};
    s.ppk_to = from_dbf(to->value, d) ? d : Date{};
    s.ppk_low = low->value == "T";
    s.ppk_employee_extra = WigetAsDouble(extra_e);
    s.ppk_employer_extra = WigetAsDouble(extra_r);
    s.youth_waived = youth->value == "N";
    const long chosen = WigetAsLong(kind);
    s.exemption = chosen >= 1 && chosen <= 4 ? kinds[static_cast<size_t>(chosen - 1)] : ' ';
    s.pit2_payers = static_cast<int>(WigetAsLong(payers));
    const std::string problem = law_switches_problem(s, person, today);
    if (!problem.empty()) {
      MessageWindow(2, 0, problem.c_str(), 0);
      continue;  // the window again, with everything typed
    }
    int rc;
    if (found) {
      rc = go_and_lock(t.data, rec);
      if (rc == 0) {
        put_switches(t, rek, s);
        f4assign(t.field("INF"), record_stamp(ctx).c_str());
        rc = write_and_unlock(t.data);
      }
    } else {
      d4append_start(t.data);
      put_switches(t, rek, s);
      f4assign(t.field("INF"), record_stamp(ctx).c_str());
      rc = lock_and_append(t.data);
      d4unlock(t.data);
    }
    if (rc == 0) result = 0;
    break;
  }
  if (window >= 0) w4close(window);
  FreeWigets(&set);
  close_if(opened);
  return result;
}

}  // namespace skolvarin::payroll
