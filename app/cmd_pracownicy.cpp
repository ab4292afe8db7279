// skolvarin pracownicy [--firma KATALOG] [--json]: the firm's employees.
// skolvarin pracownicy import PLIK.csv [--firma KATALOG]: adds employees
// from a UTF-8 CSV file (';' or ',' separated, a header row naming the
// columns).  Every row passes the checks of the employee form; when any row
// is refused nothing is written and every refused row is listed with its
// line number (exit 2).  A person whose PESEL is already in the register is
// not added again.
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/command.h"
#include "app/json_text.h"
#include "data/data_directory.h"
#include "data/main_options.h"
#include "data/module_state.h"
#include "data/opener.h"
#include "payroll/employee_rules.h"
#include "payroll/parameters.h"
#include "payroll/payroll_settings.h"

namespace skolvarin::app {

namespace {

std::vector<std::string> split_row(const std::string& line, char sep) {
  std::vector<std::string> cells;
  std::string cell;
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (quoted) {
      if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
        cell += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        cell += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == sep) {
      cells.push_back(cell);
      cell.clear();
    } else if (c != '\r') {
      cell += c;
    }
  }
  cells.push_back(cell);
  return cells;
}

std::string lower_ascii(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return s;
}

std::string trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t"), e = s.find_last_not_of(" \t");
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

bool office_exists(int code) {
  data::TableHandles& t = data::handles("W3USKA.DBF");
  if (!t.open()) return false;
  char key[24];
  std::snprintf(key, sizeof key, "%4d", code);
  d4tag_select(t.data, t.tag(1));
  return d4seek(t.data, key) == 0;
}

struct Opened {
  HostContext ctx;
  bool ok = false;
  std::string error;
};

bool open_firm(const CommandLine& cl, HostContext& ctx, std::string& error) {
  ctx.today = cl.today;
  data::reset_state();
  data::state().ctx = &ctx;
  if (!data::open_data_directory(ctx, cl.data_dir, error, cl.firm)) return false;
  data::load_main_options(ctx, data::state().options);
  if (data::open_table(&ctx, "W3PRAC.DBF") != 0) {
    error = "nie można otworzyć tabeli pracowników";
    return false;
  }
  return true;
}

int list_employees(const CommandLine& cl) {
  HostContext ctx;
  std::string error;
  if (!open_firm(cl, ctx, error)) {
    data::reset_state();
    std::fprintf(stderr, "skolvarin pracownicy: %s\n", error.c_str());
    return 1;
  }
  data::TableHandles& t = data::handles("W3PRAC.DBF");
  bool json = cl.has_flag("--json");
  if (json) std::printf("[");
  bool first = true;
  d4tag_select(t.data, t.tag(1));
  for (int rc = d4top(t.data); rc == 0; rc = d4skip(t.data, 1)) {
    if (d4deleted(t.data)) continue;
    long kod = d4recno(t.data);
    std::string naz = f4trim(t.field("NAZ")), imi = f4trim(t.field("IM1")), pes = f4trim(t.field("PES"));
    if (json) {
      std::printf("%s\n  {\"kod\": %ld, \"nazwisko\": %s, \"imie\": %s, \"pesel\": %s}", first ? "" : ",", kod,
                  json_string(naz).c_str(), json_string(imi).c_str(), json_string(pes).c_str());
    } else {
      std::printf("%5ld  %-30s %-15s %s\n", kod, naz.c_str(), imi.c_str(), pes.c_str());
    }
    first = false;
  }
  if (json) std::printf("%s]\n", first ? "" : "\n");
  data::close_all_tables(&ctx);
  data::reset_state();
  return 0;
}

void put(data::TableHandles& t, const char* field, const std::string& v) { f4assign(t.field(field), v.c_str()); }

int import_employees(const CommandLine& cl, const std::string& path) {
  std::ifstream in(path);
  if (!in) {
    std::fprintf(stderr, "skolvarin pracownicy import: nie można czytać pliku %s\n", path.c_str());
    return 2;
  }
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  if (lines.empty()) {
    std::fprintf(stderr, "skolvarin pracownicy import: plik %s jest pusty\n", path.c_str());
    return 2;
  }
  if (lines[0].rfind("\xEF\xBB\xBF", 0) == 0) lines[0].erase(0, 3);
  char sep = lines[0].find(';') != std::string::npos ? ';' : ',';
  std::map<std::string, size_t> columns;
  auto header = split_row(lines[0], sep);
  for (size_t i = 0; i < header.size(); ++i) columns[lower_ascii(trim(header[i]))] = i;
  static const char* kRequired[] = {"nazwisko", "imie", "pesel", "data_przyjecia"};
  for (const char* c : kRequired)
    if (!columns.count(c)) {
      std::fprintf(stderr, "skolvarin pracownicy import: brak kolumny %s w wierszu nagłówka\n", c);
      return 2;
    }

  HostContext ctx;
  std::string error;
  if (!open_firm(cl, ctx, error) || data::open_table(&ctx, "W3USKA.DBF") != 0) {
    data::close_all_tables(&ctx);
    data::reset_state();
    std::fprintf(stderr, "skolvarin pracownicy import: %s\n", error.empty() ? "brak tabeli urzędów" : error.c_str());
    return 1;
  }
  data::TableHandles& t = data::handles("W3PRAC.DBF");
  std::set<std::string> known;
  for (int rc = d4top(t.data); rc == 0; rc = d4skip(t.data, 1))
    if (!d4deleted(t.data) && !f4trim(t.field("PES")).empty()) known.insert(f4trim(t.field("PES")));

  const auto& o = data::state().options;
  payroll::IdentifierSwitches sw{o.pesel_check == 'T', o.nip_check == 'T'};
  struct Row {
    size_t line;
    payroll::EmployeeRecordValues values;
  };
  std::vector<Row> to_add;
  int refused = 0, present = 0;
  std::set<std::string> in_file;
  for (size_t n = 1; n < lines.size(); ++n) {
    if (trim(lines[n]).empty() || trim(lines[n]) == "\r") continue;
    auto cells = split_row(lines[n], sep);
    auto cell = [&](const char* name) {
      auto it = columns.find(name);
      return it != columns.end() && it->second < cells.size() ? trim(cells[it->second]) : std::string();
    };
    payroll::EmployeeInput e;
    e.surname = cell("nazwisko");
    e.first_name = cell("imie");
    e.second_name = cell("imie_drugie");
    e.pesel = cell("pesel");
    e.nip = cell("nip");
    e.birth_date = cell("data_urodzenia");
    e.town = cell("miejscowosc");
    e.street = cell("ulica");
    e.house = cell("nr_domu");
    e.flat = cell("nr_mieszkania");
    e.postcode = cell("kod_pocztowy");
    e.phone = cell("telefon");
    e.tax_office = cell("urzad_skarbowy");
    e.title_code = cell("kod_tytulu");
    e.hired = cell("data_przyjecia");
    e.pay_kind = cell("rodzaj_placy");
    e.pay = cell("placa");
    e.work_time = cell("etat");
    payroll::EmployeeRecordValues v;
    auto problems = payroll::check_employee_input(e, sw, office_exists, v);
    if (!problems.empty()) {
      ++refused;
      std::string all;
      for (const auto& p : problems) all += (all.empty() ? "" : "; ") + p;
      std::fprintf(stderr, "wiersz %zu: %s\n", n + 1, all.c_str());
      continue;
    }
    if (!v.pesel.empty() && (known.count(v.pesel) || in_file.count(v.pesel))) {
      ++present;
      continue;
    }
    if (!v.pesel.empty()) in_file.insert(v.pesel);
    to_add.push_back({n + 1, v});
  }
  if (refused > 0) {
    data::close_all_tables(&ctx);
    data::reset_state();
    std::fprintf(stderr, "skolvarin pracownicy import: odrzucono wierszy: %d; nic nie zapisano\n", refused);
    return 2;
  }
  // New people start with the costs of the working year's parameters, as
  // in the form.
  payroll::load_payroll_parameters(&ctx, data::working_year(&ctx));
  const payroll::PayrollParameters& parameters = payroll::payroll_settings().parameters;
  int added = 0;
  for (const Row& r : to_add) {
    const auto& v = r.values;
    if (d4append_start(t.data) != 0) break;
    put(t, "NAZ", v.surname);
    put(t, "IM1", v.first_name);
    put(t, "IM2", v.second_name);
    put(t, "PES", v.pesel);
    put(t, "NIP", v.nip);
    put(t, "DAU", v.birth_date);
    put(t, "MIA", v.town);
    put(t, "ULI", v.street);
    put(t, "NRD", v.house);
    put(t, "NRM", v.flat);
    put(t, "KOD", v.postcode);
    put(t, "TEL", v.phone);
    put(t, "KTU", v.title_code);
    put(t, "DAP", v.hired);
    f4assign_int(t.field("KOU"), v.tax_office);
    for (const payroll::StartValue& sv : payroll::new_employee_start_values(parameters)) {
      if (sv.numeric) f4assign_double(t.field(sv.field), sv.number);
      else put(t, sv.field, sv.text);
    }
    put(t, "CZG", v.hourly ? "T" : "N");
    f4assign_double(t.field(v.hourly ? "STG" : "BRG"), v.pay);
    f4assign_int(t.field("WY1"), v.wy1);
    f4assign_int(t.field("WY2"), v.wy2);
    put(t, "PLE", std::string(1, v.sex));
    f4assign_long(t.field("REK"), d4reccount(t.data) + 1);
    if (lock_and_append(t.data) != 0) {
      std::fprintf(stderr, "wiersz %zu: nie można dopisać rekordu\n", r.line);
      break;
    }
    d4unlock(t.data);
    ++added;
  }
  data::close_all_tables(&ctx);
  data::reset_state();
  std::printf("dodano %d pracowników, pominięto %d (ten sam PESEL już jest)\n", added, present);
  return added == static_cast<int>(to_add.size()) ? 0 : 1;
}

int cmd_pracownicy(const CommandLine& cl) {
  const auto& w = cl.words;
  if (w.empty()) return list_employees(cl);
  if (w.size() == 2 && w[0] == "import") return import_employees(cl, w[1]);
  std::fprintf(stderr, "użycie: skolvarin pracownicy [--json] | skolvarin pracownicy import PLIK.csv\n");
  return 2;
}

const CommandRegistrar registrar("pracownicy", "lista pracowników firmy (--json) lub import z pliku CSV",
                                 cmd_pracownicy, "--json");

}  // namespace

}  // namespace skolvarin::app
