#include "payroll/employee_documents.h"

#include <cstdio>

#include "host/api/calendar.h"
#include "host/api/print_api.h"

namespace skolvarin::payroll {

namespace {

std::string date_of(FIELD4* f) {
  std::string s = f4str(f);
  if (s.size() != 8 || s[0] == ' ') return {};
  return s.substr(6, 2) + "-" + s.substr(4, 2) + "-" + s.substr(0, 4);
}

std::string or_dots(const std::string& s, int width = 30) { return s.empty() ? std::string(width, '.') : s; }

std::string amount(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  std::string s = buf;
  for (char& c : s)
    if (c == '.') c = ',';
  return s;
}

std::string full_name(const EmployeeDocumentData& d) {
  std::string s = d.first_name;
  if (!d.second_name.empty()) s += " " + d.second_name;
  return s + " " + d.surname;
}

std::string address(const EmployeeDocumentData& d) {
  std::string s = d.postcode.empty() ? d.town : d.postcode + " " + d.town;
  if (!d.street.empty()) s += ", ul. " + d.street;
  if (!d.house.empty()) s += " " + d.house;
  if (!d.flat.empty()) s += "/" + d.flat;
  return s;
}

std::string firm_block(const EmployeeDocumentData& d) {
  std::string s = d.firm1 + "\n";
  if (!d.firm2.empty()) s += d.firm2 + "\n";
  return s + "(pieczęć pracodawcy)\n";
}

int show(const char* code, const char* title, const std::string& text) {
  HostContext* ctx = data::state().ctx;
  if (open_tmp_edit_file(ctx, code, title) != 0) return 0;
  write_page_edit_file(text.c_str());
  close_tmp_edit_file();
  edytuj_i_drukuj_archiwum(title);
  return 0;
}

const char* worked(const EmployeeDocumentData& d) { return d.sex == 'M' ? "był zatrudniony" : "była zatrudniona"; }

}  // namespace

EmployeeDocumentData employee_document_data(data::TableHandles& t) {
  EmployeeDocumentData d;
  auto s = [&t](const char* n) { return f4trim(t.field(n)); };
  d.surname = s("NAZ");
  d.first_name = s("IM1");
  d.second_name = s("IM2");
  d.father = s("IMO");
  d.mother = s("IMM");
  d.birth_place = s("MIE");
  d.pesel = s("PES");
  d.nip = s("NIP");
  d.birth_date = date_of(t.field("DAU"));
  d.hired = date_of(t.field("DAP"));
  d.left = date_of(t.field("DAZ"));
  d.examination = date_of(t.field("DBL"));
  d.postcode = s("KOD");
  d.town = s("MIA");
  d.street = s("ULI");
  d.house = s("NRD");
  d.flat = s("NRM");
  d.position = s("STN");
  d.title_code = s("KTU");
  d.wy1 = f4int(t.field("WY1"));
  d.wy2 = f4int(t.field("WY2"));
  d.base_pay = f4double(t.field("BRG"));
  d.hourly_rate = f4double(t.field("STG"));
  d.hourly = s("CZG") == "T";
  std::string ple = s("PLE");
  d.sex = (!ple.empty() && (ple[0] == 'M' || ple[0] == 'm')) ? 'M' : 'K';
  d.record = d4recno(t.data);
  if (HostContext* ctx = data::state().ctx) {
    d.firm1 = ctx->firm_name1;
    d.firm2 = ctx->firm_name2;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", ctx->today.day, ctx->today.month, ctx->today.year);
    d.today = buf;
  }
  return d;
}

std::string work_certificate_text(const EmployeeDocumentData& d) {
  std::string wt = std::to_string(d.wy1) + "/" + std::to_string(d.wy2);
  std::string t;
  t += firm_block(d);
  t += "                                                  " + d.today + "\n\n";
  t += "                          ŚWIADECTWO PRACY\n\n";
  t += "1. Stwierdza się, że Pan(i) " + full_name(d) + "\n";
  t += "   imiona rodziców: " + or_dots(d.father, 15) + ", " + or_dots(d.mother, 15) + "\n";
  t += "   urodzony(a) " + or_dots(d.birth_date, 10) + " w " + or_dots(d.birth_place, 20) + "\n";
  t += "   PESEL: " + or_dots(d.pesel, 11) + "\n";
  t += "   " + std::string(worked(d)) + " w " + d.firm1 + "\n";
  t += "   w okresie od " + or_dots(d.hired, 10) + " do " + or_dots(d.left, 10) + "\n";
  t += "   w wymiarze czasu pracy " + wt + " etatu.\n";
  t += "2. W okresie zatrudnienia pracownik wykonywał pracę na stanowisku:\n";
  t += "   " + or_dots(d.position, 40) + "\n";
  t += "3. Stosunek pracy ustał w wyniku: ........................................\n";
  t += "4. W okresie zatrudnienia pracownik:\n";
  t += "   a) wykorzystał urlop wypoczynkowy w wymiarze ..... dni,\n";
  t += "   b) korzystał z urlopu bezpłatnego ..............................\n";
  t += "   c) był niezdolny do pracy przez okres ..... dni (art. 92 Kodeksu pracy),\n";
  t += "   d) nie podlegał zajęciu wynagrodzenia za pracę / podlegał zajęciu ..........\n";
  t += "5. Informacje uzupełniające: ................................................\n\n";
  t += "Pouczenie: pracownik może w ciągu 14 dni od otrzymania świadectwa pracy\n";
  t += "wystąpić do pracodawcy z wnioskiem o jego sprostowanie, a w razie odmowy\n";
  t += "wnieść żądanie sprostowania do sądu pracy.\n\n\n";
  t += "                                    ....................................\n";
  t += "                                    (podpis pracodawcy lub osoby\n";
  t += "                                     działającej w jego imieniu)\n";
  return t;
}

std::string employment_contract_text(const EmployeeDocumentData& d) {
  std::string t = firm_block(d);
  t += "                                                  " + d.today + "\n\n";
  t += "                          UMOWA O PRACĘ\n\n";
  t += "zawarta w dniu " + d.today + " pomiędzy " + d.firm1 + "\n";
  t += "a Panem(ią) " + full_name(d) + ", zam. " + address(d) + ",\n";
  t += "PESEL " + or_dots(d.pesel, 11) + ", na czas ..................................\n\n";
  t += "1. Warunki zatrudnienia:\n";
  t += "   1) rodzaj umówionej pracy: " + or_dots(d.position, 40) + "\n";
  t += "   2) miejsce wykonywania pracy: ............................................\n";
  t += "   3) wymiar czasu pracy: " + std::to_string(d.wy1) + "/" + std::to_string(d.wy2) + " etatu\n";
  if (d.hourly) t += "   4) wynagrodzenie: stawka godzinowa " + amount(d.hourly_rate) + " zł\n";
  else t += "   4) wynagrodzenie: " + amount(d.base_pay) + " zł miesięcznie brutto\n";
  t += "   5) termin rozpoczęcia pracy: " + or_dots(d.hired, 10) + "\n\n\n";
  t += "..............................              ..............................\n";
  t += "  (podpis pracownika)                         (podpis pracodawcy)\n";
  return t;
}

std::string employee_data_text(const EmployeeDocumentData& d) {
  std::string t = "                      DANE PRACOWNIKA\n\n";
  t += "nazwisko i imiona....: " + full_name(d) + "\n";
  t += "imiona rodziców......: " + d.father + ", " + d.mother + "\n";
  t += "data i miejsce ur....: " + d.birth_date + " " + d.birth_place + "\n";
  t += "PESEL................: " + d.pesel + "\n";
  t += "NIP..................: " + d.nip + "\n";
  t += "adres................: " + address(d) + "\n";
  t += "kod tytułu ubezp.....: " + d.title_code + "\n";
  t += "data przyjęcia.......: " + d.hired + "\n";
  t += "data zwolnienia......: " + d.left + "\n";
  t += "badania ważne do.....: " + d.examination + "\n";
  t += "wymiar czasu pracy...: " + std::to_string(d.wy1) + "/" + std::to_string(d.wy2) + "\n";
  if (d.hourly) t += "stawka godzinowa.....: " + amount(d.hourly_rate) + "\n";
  else t += "płaca zasadnicza.....: " + amount(d.base_pay) + "\n";
  return t;
}

int print_employee_data(const EmployeeDocumentData& d) {
  return show("PRACOWNIK", "Wydruk danych pracownika", employee_data_text(d));
}

int print_employment_history(const EmployeeDocumentData& d) {
  std::string t = "                    EWIDENCJA PRZEBIEGU ZATRUDNIENIA\n\n";
  t += full_name(d) + ", PESEL " + d.pesel + "\n\n";
  t += "  okres od      okres do      kod tytułu   wymiar\n";
  t += "  " + or_dots(d.hired, 10) + "    " + (d.left.empty() ? std::string("          ") : d.left) + "    " +
       or_dots(d.title_code, 6) + "       " + std::to_string(d.wy1) + "/" + std::to_string(d.wy2) + "\n";
  return show("EWIDENCJA", "Ewidencja przebiegu", t);
}

int print_work_certificate(const EmployeeDocumentData& d) {
  return show("SWIADECTWO", "Świadectwo pracy", work_certificate_text(d));
}

int print_employment_contract(const EmployeeDocumentData& d) {
  return show("UMOWA", "Umowa o pracę", employment_contract_text(d));
}

int print_questionnaire(const EmployeeDocumentData& d) {
  std::string t = "               KWESTIONARIUSZ OSOBOWY DLA PRACOWNIKA\n\n";
  t += "1. Imię (imiona) i nazwisko: " + full_name(d) + "\n";
  t += "2. Data urodzenia: " + or_dots(d.birth_date, 10) + "\n";
  t += "3. Dane kontaktowe: " + address(d) + "\n";
  t += "4. Numer PESEL: " + or_dots(d.pesel, 11) + "\n";
  t += "5. Osoba, którą należy zawiadomić w razie wypadku: ..........................\n\n\n";
  t += "                                    ....................................\n";
  t += "                                    (podpis pracownika)\n";
  return show("KWESTIONARIUSZ", "Kwestionariusz pracownika", t);
}

int print_dismissal(const EmployeeDocumentData& d) {
  std::string t = firm_block(d);
  t += "                                                  " + d.today + "\n\n";
  t += "Pan(i) " + full_name(d) + "\n" + address(d) + "\n\n";
  t += "                 WYPOWIEDZENIE UMOWY O PRACĘ\n\n";
  t += "Niniejszym rozwiązuję umowę o pracę zawartą w dniu " + or_dots(d.hired, 10) + "\n";
  t += "z zachowaniem okresu wypowiedzenia, który upływa dnia ....................\n\n";
  t += "Pouczenie: od niniejszego wypowiedzenia przysługuje odwołanie do sądu pracy\n";
  t += "w terminie 21 dni od dnia jego doręczenia.\n\n\n";
  t += "                                    ....................................\n";
  t += "                                    (podpis pracodawcy)\n";
  return show("WYPOWIEDZENIE", "Za wypowiedzeniem", t);
}

int print_earnings_certificate(const EmployeeDocumentData& d) {
  std::string t = firm_block(d);
  t += "                                                  " + d.today + "\n\n";
  t += "                   ZAŚWIADCZENIE O ZAROBKACH\n\n";
  t += "Zaświadcza się, że Pan(i) " + full_name(d) + ", PESEL " + or_dots(d.pesel, 11) + "\n";
  t += "jest zatrudniony(a) w " + d.firm1 + " od dnia " + or_dots(d.hired, 10) + "\n";
  t += "w wymiarze " + std::to_string(d.wy1) + "/" + std::to_string(d.wy2) + " etatu";
  if (d.hourly) t += " ze stawką godzinową " + amount(d.hourly_rate) + " zł.\n";
  else t += " z wynagrodzeniem zasadniczym " + amount(d.base_pay) + " zł brutto.\n";
  t += "Zaświadczenie wydaje się na prośbę pracownika.\n\n\n";
  t += "                                    ....................................\n";
  t += "                                    (podpis pracodawcy)\n";
  return show("ZAROBKI", "ZAŚWIADCZENIE O ZAROBKACH", t);
}

int show_document_archive() {
  const char* last = last_print_pdf();
  std::string text = "Wydrukowane dokumenty pracowników są w katalogu wydruków firmy";
  if (last && *last) text += " (ostatni: " + std::string(last) + ")";
  MessageWindow(1, 0, text.c_str(), 0);
  return 0;
}

}  // namespace skolvarin::payroll
