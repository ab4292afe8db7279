#include "payroll/employee_documents.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "host/api/browse_api.h"
#include "host/api/calendar.h"
#include "host/api/print_api.h"
#include "host/api/screen_api.h"
#include "host/api/text_editor.h"

namespace skolvarin::payroll {

namespace {

std::string date_of(FIELD4* f) {
  std::string s = f4str(f);
  if (s.size() != 8 || s[0] == ' ') return {};
  return s.substr(6, 2) + "-" + s.substr(4, 2) + "-" + s.substr(0, 4);
}

std::string document_code(const char* code, long record) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%s_%05ld", code, record);
  return buf;
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

// Shows a printout in the preview (F2 prints it, the files stay in the
// firm's print folder).
int preview(const std::string& code, const char* title, const std::string& text) {
  HostContext* ctx = data::state().ctx;
  if (open_tmp_edit_file(ctx, code.c_str(), title) != 0) return 0;
  write_page_edit_file(text.c_str());
  close_tmp_edit_file();
  edytuj_i_drukuj_archiwum(title);
  return 0;
}

// A document of one person: edited in the host's editor first, then shown
// and printed.  The code carries the person's record number, so the archive
// finds the person's documents again.
int show(const char* code, const char* title, const std::string& text, long record) {
  std::string edited = text;
  if (edytuj_tekst(data::state().ctx, title, edited) != 15360) return 0;
  return preview(document_code(code, record), title, edited);
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
  return preview("PRACOWNIK", "Wydruk danych pracownika", employee_data_text(d));
}

int print_employment_history(const EmployeeDocumentData& d) {
  std::string t = "                    EWIDENCJA PRZEBIEGU ZATRUDNIENIA\n\n";
  t += full_name(d) + ", PESEL " + d.pesel + "\n\n";
  t += "  okres od      okres do      kod tytułu   wymiar\n";
  t += "  " + or_dots(d.hired, 10) + "    " + (d.left.empty() ? std::string("          ") : d.left) + "    " +
       or_dots(d.title_code, 6) + "       " + std::to_string(d.wy1) + "/" + std::to_string(d.wy2) + "\n";
  return preview("EWIDENCJA", "Ewidencja przebiegu", t);
}

int print_work_certificate(const EmployeeDocumentData& d) {
  return show("SWIADECTWO", "Świadectwo pracy", work_certificate_text(d), d.record);
}

int print_employment_contract(const EmployeeDocumentData& d) {
  return show("UMOWA", "Umowa o pracę", employment_contract_text(d), d.record);
}

int print_questionnaire(const EmployeeDocumentData& d) {
  static const std::vector<std::string> kKinds = {"Kwestionariusz pracownika",
                                                  "Kwestionariusz osoby ubiegającej się o pracę"};
  int kind = wybierz_z_listy(kKinds, 0);
  if (kind < 0) return 0;
  std::string t = kind == 0 ? "               KWESTIONARIUSZ OSOBOWY DLA PRACOWNIKA\n\n"
                            : "     KWESTIONARIUSZ OSOBOWY DLA OSOBY UBIEGAJĄCEJ SIĘ O ZATRUDNIENIE\n\n";
  t += "1. Imię (imiona) i nazwisko: " + full_name(d) + "\n";
  t += "2. Data urodzenia: " + or_dots(d.birth_date, 10) + "\n";
  t += "3. Dane kontaktowe: " + address(d) + "\n";
  if (kind == 0) {
    t += "4. Numer PESEL: " + or_dots(d.pesel, 11) + "\n";
    t += "5. Osoba, którą należy zawiadomić w razie wypadku: ..........................\n";
  } else {
    t += "4. Wykształcenie: ...........................................................\n";
    t += "5. Kwalifikacje zawodowe: ...................................................\n";
    t += "6. Przebieg dotychczasowego zatrudnienia: ...................................\n";
  }
  t += "\n\n                                    ....................................\n";
  t += "                                    (podpis)\n";
  return show("KWESTIONARIUSZ", kKinds[static_cast<size_t>(kind)].c_str(), t, d.record);
}

int print_dismissal(const EmployeeDocumentData& d) {
  static const std::vector<std::string> kKinds = {"Bez wypowiedzenia", "Za wypowiedzeniem",
                                                  "Skrócony okres wypowiedzenia", "Wypowiedzenie warunków"};
  int kind = wybierz_z_listy(kKinds, 1);
  if (kind < 0) return 0;
  std::string t = firm_block(d);
  t += "                                                  " + d.today + "\n\n";
  t += "Pan(i) " + full_name(d) + "\n" + address(d) + "\n\n";
  switch (kind) {
    case 0:
      t += "      OŚWIADCZENIE O ROZWIĄZANIU UMOWY O PRACĘ BEZ WYPOWIEDZENIA\n\n";
      t += "Na podstawie art. 52 § 1 Kodeksu pracy rozwiązuję z Panem(ią) bez zachowania\n";
      t += "okresu wypowiedzenia umowę o pracę zawartą w dniu " + or_dots(d.hired, 10) + ".\n";
      t += "Przyczyna rozwiązania umowy: ...............................................\n\n";
      break;
    case 1:
      t += "                 WYPOWIEDZENIE UMOWY O PRACĘ\n\n";
      t += "Wypowiadam umowę o pracę zawartą w dniu " + or_dots(d.hired, 10) + " z zachowaniem\n";
      t += "okresu wypowiedzenia, który upływa dnia ....................\n";
      t += "Przyczyna wypowiedzenia: ...................................................\n\n";
      break;
    case 2:
      t += "        WYPOWIEDZENIE UMOWY O PRACĘ ZE SKRÓCONYM OKRESEM WYPOWIEDZENIA\n\n";
      t += "Na podstawie art. 36¹ Kodeksu pracy wypowiadam umowę o pracę zawartą w dniu\n";
      t += or_dots(d.hired, 10) + " ze skróconym do ..... miesiąca okresem wypowiedzenia, który\n";
      t += "upływa dnia .................... Za pozostałą część okresu wypowiedzenia\n";
      t += "przysługuje Panu(i) odszkodowanie.\n\n";
      break;
    default:
      t += "          WYPOWIEDZENIE WARUNKÓW PRACY I PŁACY\n\n";
      t += "Na podstawie art. 42 Kodeksu pracy wypowiadam warunki pracy i płacy określone\n";
      t += "w umowie o pracę zawartej w dniu " + or_dots(d.hired, 10) + ". Po upływie okresu\n";
      t += "wypowiedzenia proponuję: ...................................................\n";
      t += "Jeżeli przed upływem połowy okresu wypowiedzenia nie złoży Pan(i) oświadczenia\n";
      t += "o odmowie przyjęcia proponowanych warunków, uważa się, że wyraził(a) Pan(i)\n";
      t += "zgodę na te warunki.\n\n";
      break;
  }
  t += "Pouczenie: od niniejszego oświadczenia przysługuje odwołanie do sądu pracy\n";
  t += "w terminie 21 dni od dnia jego doręczenia.\n\n\n";
  t += "                                    ....................................\n";
  t += "                                    (podpis pracodawcy)\n";
  return show("WYPOWIEDZENIE", kKinds[static_cast<size_t>(kind)].c_str(), t, d.record);
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
  return show("ZAROBKI", "ZAŚWIADCZENIE O ZAROBKACH", t, d.record);
}

int show_document_archive(const char* code, const char* title, long record) {
  HostContext* ctx = data::state().ctx;
  if (!ctx) return 0;
  namespace fs = std::filesystem;
  const std::string prefix = document_code(code, record) + "_";
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(ctx->firm_dir + "wydruki", ec)) {
    std::string n = e.path().filename().string();
    if (n.rfind(prefix, 0) == 0 && e.path().extension() == ".txt") names.push_back(n);
  }
  if (names.empty()) {
    MessageWindow(1, 0, "Brak wydrukowanych dokumentów tego rodzaju dla pracownika.", 0);
    return 0;
  }
  std::sort(names.begin(), names.end());
  std::vector<std::string> shown;
  for (const auto& n : names) {
    // CODE_00012_20261205_001.txt: the date and the number of the print.
    std::string rest = n.substr(prefix.size());
    std::string when = rest.size() >= 12 ? rest.substr(6, 2) + "-" + rest.substr(4, 2) + "-" + rest.substr(0, 4) +
                                               " nr " + rest.substr(9, 3)
                                         : rest;
    shown.push_back(std::string(title) + " z dnia " + when);
  }
  int chosen = wybierz_z_listy(shown, static_cast<int>(shown.size()) - 1, " ARCHIWUM ");
  if (chosen < 0) return 0;
  std::ifstream in(ctx->firm_dir + "wydruki/" + names[static_cast<size_t>(chosen)]);
  std::stringstream text;
  text << in.rdbuf();
  if (open_tmp_edit_file(ctx, "ARCHIWUM", title) != 0) return 0;
  write_page_edit_file(text.str().c_str());
  close_tmp_edit_file();
  edytuj_i_drukuj(title);
  return 0;
}

}  // namespace skolvarin::payroll
