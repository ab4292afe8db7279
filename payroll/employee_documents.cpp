#include "payroll/employee_documents.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>
#include <vector>

#include "host/api/browse_api.h"
#include "host/api/calendar.h"
#include "host/api/print_api.h"
#include "host/api/screen_api.h"
#include "host/api/text_editor.h"
#include "data/opener.h"

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
  d.notes = s("NO1");
  if (!s("NO2").empty()) d.notes += (d.notes.empty() ? "" : " ") + s("NO2");
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

namespace {

bool parse_shown(const std::string& s, Date& d) {
  if (s.size() != 10) return false;
  d = {std::atoi(s.substr(6, 4).c_str()), std::atoi(s.substr(3, 2).c_str()), std::atoi(s.substr(0, 2).c_str())};
  return is_valid_date(d);
}

std::string money_column(double v, int width) {
  std::string s = amount(v);
  return std::string(static_cast<size_t>(std::max(0, width - static_cast<int>(s.size()))), ' ') + s;
}

size_t utf8_chars(const std::string& s) {
  size_t chars = 0;
  for (unsigned char c : s) chars += (c & 0xC0) != 0x80;
  return chars;
}

std::string padded(std::string s, size_t width) {
  const size_t chars = utf8_chars(s);
  if (chars < width) s += std::string(width - chars, ' ');
  return s;
}

// Every row of a table (open) that belongs to person `kod`, the table's
// position kept.
template <class Row>
void rows_of(const char* file, long kod, Row row) {
  data::TableHandles& t = data::handles(file);
  if (!t.open()) return;
  const long saved = d4recno(t.data);
  FIELD4* f_kod = t.field("KOD");
  for (int rc = d4top(t.data); rc == 0; rc = d4skip(t.data, 1))
    if (!d4deleted(t.data) && f4long(f_kod) == kod) row(t);
  if (saved > 0) d4go(t.data, saved);
}

EmploymentHistory history_of(long kod) {
  EmploymentHistory h;
  HostContext* ctx = data::state().ctx;
  h.year = ctx ? data::working_year(ctx) : 0;
  rows_of("W3PENS  .DBF", kod, [&h](data::TableHandles& t) {
    HistoryPay p;
    p.month = f4int(t.field("MIE"));
    p.list = f4int(t.field("NRL"));
    p.paid = date_of(t.field("DWY"));
    p.gross = f4double(t.field("BRP"));
    p.social = f4double(t.field("KEU")) + f4double(t.field("KRU")) + f4double(t.field("KCU"));
    p.health = f4double(t.field("KZU"));
    p.advance = f4double(t.field("ODZ"));
    p.net = f4double(t.field("WYP"));
    h.pays.push_back(p);
  });
  std::sort(h.pays.begin(), h.pays.end(),
            [](const HistoryPay& a, const HistoryPay& b) { return std::tie(a.month, a.list) < std::tie(b.month, b.list); });
  rows_of("W3UMOW  .DBF", kod, [&h](data::TableHandles& t) {
    HistoryContract c;
    c.kind = f4int(t.field("TYP"));
    c.signed_on = date_of(t.field("DAW"));
    c.bill = date_of(t.field("DAR"));
    c.gross = f4double(t.field("BRU"));
    c.net = f4double(t.field("WYP"));
    h.contracts.push_back(c);
  });
  // Absences: the working year's table, opened for the print when the
  // register has not opened it.
  const char* absences = "W3NIEO  .DBF";
  const bool opened = !data::handles(absences).open() && ctx && data::open_table(ctx, absences) == 0;
  std::vector<std::pair<std::string, HistoryAbsence>> found;
  rows_of(absences, kod, [&found](data::TableHandles& t) {
    HistoryAbsence a;
    a.from = date_of(t.field("DOD"));
    a.to = date_of(t.field("DDO"));
    a.code = f4trim(t.field("KGS"));
    a.zus = f4trim(t.field("KZU"));
    a.name = f4trim(t.field("NA1"));
    std::string more = f4trim(t.field("NA2"));
    if (!more.empty()) a.name += " " + more;
    a.days = f4int(t.field("ILD"));
    found.emplace_back(f4str(t.field("DOD")), a);
  });
  if (opened) data::close_table(*data::find_table(absences));
  std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (auto& f : found) h.absences.push_back(f.second);
  return h;
}

}  // namespace

ServiceLength service_length(const std::string& from, const std::string& to) {
  Date a, b;
  if (!parse_shown(from, a) || !parse_shown(to, b) || b < a) return {};
  const Date end = add_days(b, 1);  // the last day counts
  ServiceLength s;
  s.years = end.year - a.year;
  s.months = end.month - a.month;
  s.days = end.day - a.day;
  if (s.days < 0) {
    --s.months;
    const int prev_month = end.month == 1 ? 12 : end.month - 1;
    const int prev_year = end.month == 1 ? end.year - 1 : end.year;
    s.days += days_in_month(prev_year, prev_month);
    // From the 31st to the end of a shorter month is a whole month.
    if (s.days < 0) s.days = 0;
  }
  if (s.months < 0) {
    --s.years;
    s.months += 12;
  }
  return s;
}

std::string employment_history_text(const EmployeeDocumentData& d, const EmploymentHistory& h) {
  const std::string year = std::to_string(h.year);
  std::string t = firm_block(d);
  t += "                                                  " + d.today + "\n\n";
  t += "                  EWIDENCJA PRZEBIEGU ZATRUDNIENIA W ROKU " + year + "\n\n";
  t += "Pracownik........: " + full_name(d) + "\n";
  t += "PESEL............: " + or_dots(d.pesel, 11) + "    data urodzenia: " + or_dots(d.birth_date, 10) + "\n";
  t += "adres............: " + address(d) + "\n";
  t += "stanowisko.......: " + or_dots(d.position, 40) + "\n\n";
  t += "ZATRUDNIENIE\n";
  t += "  data przyjęcia.: " + or_dots(d.hired, 10) + "    data zwolnienia: " +
       (d.left.empty() ? std::string(d.sex == 'M' ? "nadal zatrudniony" : "nadal zatrudniona") : d.left) + "\n";
  if (!d.hired.empty()) {
    const std::string until = d.left.empty() ? d.today : d.left;
    const ServiceLength s = service_length(d.hired, until);
    t += "  staż u pracodawcy na " + until + ": " + std::to_string(s.years) + " lat, " + std::to_string(s.months) +
         " mies., " + std::to_string(s.days) + " dni\n";
  }
  t += "  kod tytułu ubezpieczenia: " + or_dots(d.title_code, 6) + "    wymiar czasu pracy: " +
       std::to_string(d.wy1) + "/" + std::to_string(d.wy2) + "\n";
  t += d.hourly ? "  stawka godzinowa: " + amount(d.hourly_rate) + " zł\n"
                : "  płaca zasadnicza: " + amount(d.base_pay) + " zł\n";
  if (!d.notes.empty()) t += "  uwagi: " + d.notes + "\n";

  t += "\nPRZERWY I NIEOBECNOŚCI\n";
  if (h.absences.empty()) {
    t += "  brak\n";
  } else {
    t += "  od          do          kod   ZUS   dni  rodzaj\n";
    int days = 0;
    for (const HistoryAbsence& a : h.absences) {
      char n[8];
      std::snprintf(n, sizeof n, "%4d", a.days);
      t += "  " + padded(or_dots(a.from, 10), 12) + padded(or_dots(a.to, 10), 12) + padded(a.code, 6) +
           padded(a.zus, 5) + n + "  " + a.name + "\n";
      days += a.days;
    }
    t += "  razem dni: " + std::to_string(days) + "\n";
  }

  t += "\nWYPŁATY\n";
  if (h.pays.empty()) {
    t += "  brak\n";
  } else {
    // Columns: month, list, pay date, then the amounts right-aligned.
    constexpr int kWidths[] = {11, 10, 11, 10, 12};
    auto amounts = [&](const HistoryPay& p) {
      const double v[] = {p.gross, p.social, p.health, p.advance, p.net};
      std::string line;
      for (int i = 0; i < 5; ++i) line += money_column(v[i], kWidths[i]);
      return line;
    };
    const char* heads[] = {"brutto", "skł. ZUS", "zdrowotna", "zaliczka", "do wypłaty"};
    t += padded("  mc  lista  wypłata", 22);
    for (int i = 0; i < 5; ++i) {
      const std::string head = heads[i];
      t += std::string(static_cast<size_t>(kWidths[i]) - utf8_chars(head), ' ') + head;
    }
    t += "\n";
    HistoryPay sum;
    for (const HistoryPay& p : h.pays) {
      char head[24];
      std::snprintf(head, sizeof head, "  %2d %5d  ", p.month, p.list);
      t += head + padded(or_dots(p.paid, 10), 10) + amounts(p) + "\n";
      sum.gross += p.gross;
      sum.social += p.social;
      sum.health += p.health;
      sum.advance += p.advance;
      sum.net += p.net;
    }
    t += padded("  razem", 22) + amounts(sum) + "\n";
  }

  t += "\nUMOWY CYWILNOPRAWNE\n";
  if (h.contracts.empty()) {
    t += "  brak\n";
  } else {
    t += "  rodzaj        data umowy  rachunek          brutto   do wypłaty\n";
    for (const HistoryContract& c : h.contracts)
      t += "  " + padded(c.kind % 2 == 0 ? "o dzieło" : "zlecenie", 14) + padded(or_dots(c.signed_on, 10), 12) +
           padded(or_dots(c.bill, 10), 10) + money_column(c.gross, 14) + money_column(c.net, 13) + "\n";
  }
  return t;
}

int print_employment_history(const EmployeeDocumentData& d) {
  return preview(document_code("EWIDENCJA", d.record), "Ewidencja przebiegu",
                 employment_history_text(d, history_of(d.record)));
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
