#include "payroll/employee_rules.h"

#include <cstdio>
#include <cstdlib>

#include "dictionaries/identifiers.h"
#include "host/api/screen_api.h"

namespace skolvarin::payroll {

namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

bool all_digits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

bool leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

bool real_date(int y, int m, int d) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (y < 1900 || y > 2099 || m < 1 || m > 12 || d < 1) return false;
  int n = days[m - 1] + (m == 2 && leap(y) ? 1 : 0);
  return d <= n;
}

// Parses an amount with a point or a comma; nullopt for anything else.
std::optional<double> parse_amount(std::string_view s) {
  s = trim(s);
  if (s.empty()) return std::nullopt;
  std::string t(s);
  for (char& c : t)
    if (c == ',') c = '.';
  char* end = nullptr;
  double v = std::strtod(t.c_str(), &end);
  if (end == t.c_str() || *end != 0) return std::nullopt;
  return v;
}

}  // namespace

char sex_from_first_name(std::string_view first_name) {
  std::string_view s = trim(first_name);
  if (s.empty()) return 'K';
  char last = s.back();
  return (last == 'a' || last == 'A') ? 'K' : 'M';
}

char normalized_sex(std::string_view stored) {
  std::string_view s = trim(stored);
  return (!s.empty() && (s[0] == 'M' || s[0] == 'm')) ? 'M' : 'K';
}

double family_allowance(int n, const PayrollParameters& p) {
  if (n <= 0) return 0;
  if (n < 3) return n * p.family_allowance_1;
  return 2 * p.family_allowance_1 + p.family_allowance_3 + (n - 3) * p.family_allowance_4;
}

double nursing_allowance(int persons, const PayrollParameters& p) {
  return persons > 0 ? persons * p.nursing_allowance : 0;
}

std::vector<StartValue> new_employee_start_values(const PayrollParameters& p) {
  auto c = [](const char* f, const char* v) { return StartValue{f, v, 0, false}; };
  auto n = [](const char* f, double v) { return StartValue{f, {}, v, true}; };
  return {c("ROD", "P"), c("STA", "A"), c("CZG", "N"), c("ULG", "T"), c("TBL", "T"), c("CFP", "T"),
          c("CFG", "T"), n("WY1", 1), n("WY2", 1), c("CPM", "N"), n("KUZ", p.monthly_costs), c("CKU", "N"),
          n("OOZ", 12), c("UBC", "N"), c("UBS", "T"), c("UBZ", "T"), c("FPU", "T"), c("FGU", "T"),
          c("GOS", "N"), c("PDG", "N"), c("TID", "P"), c("PLE", "K")};
}

PayFieldsEnabled pay_fields_enabled(char czg, char cfp, char cfg, char cpm) {
  PayFieldsEnabled e;
  e.fp_exemption_date = cfp != 'N';
  e.fgsp_exemption_date = cfg != 'N';
  e.hourly_rate = czg == 'T';
  e.base_pay = !(czg == 'T' || cpm == 'T');
  return e;
}

std::string identifier_mark(EmployeeField field, std::string_view value) {
  if (trim(value).empty() || (field != EmployeeField::Pesel && field != EmployeeField::Nip)) return {};
  if (check_employee_field(field, value, IdentifierSwitches{true, true}).ok()) return {};
  return field == EmployeeField::Pesel ? "Błędny PESEL - sprawdź numer" : "Błędny NIP - sprawdź numer";
}

FieldProblem check_employee_field(EmployeeField field, std::string_view value, const IdentifierSwitches& sw) {
  std::string_view v = trim(value);
  switch (field) {
    case EmployeeField::Surname:
    case EmployeeField::FirstName:
      if (v.empty()) return {0, "Pole nie może być puste !"};
      return {};
    case EmployeeField::Pesel: {
      auto c = dictionaries::check_pesel(value, sw.pesel_check);
      return c.valid ? FieldProblem{} : FieldProblem{c.warning, {}};
    }
    case EmployeeField::Nip: {
      auto c = dictionaries::check_nip(value, sw.nip_check);
      return c.valid ? FieldProblem{} : FieldProblem{c.warning, {}};
    }
    case EmployeeField::InsuranceTitle:
      if (v.empty() || (v.size() == 6 && all_digits(v))) return {};
      return {0, "Kod tytułu ubezpieczenia to 6 cyfr !"};
    case EmployeeField::WorkTime: {
      size_t slash = v.find('/');
      if (slash == std::string_view::npos) return {0, "Wymiar czasu pracy wpisz jako licznik/mianownik (1/1) !"};
      std::string_view a = trim(v.substr(0, slash)), b = trim(v.substr(slash + 1));
      if (!all_digits(a) || !all_digits(b)) return {0, "Wymiar czasu pracy wpisz jako licznik/mianownik (1/1) !"};
      int n = std::atoi(std::string(a).c_str()), d = std::atoi(std::string(b).c_str());
      if (n <= 0 || d <= 0 || n > d || d > 999) return {16, {}};
      return {};
    }
    case EmployeeField::Pay: {
      auto amount = parse_amount(v);
      if (!amount || *amount < 0 || *amount > 9999999.99) return {0, "Błędna kwota płacy !"};
      return {};
    }
  }
  return {};
}

std::optional<std::string> parse_date(std::string_view text) {
  std::string_view s = trim(text);
  int y = 0, m = 0, d = 0;
  auto num = [](std::string_view p, int& out) {
    if (!all_digits(p)) return false;
    out = std::atoi(std::string(p).c_str());
    return true;
  };
  if (s.size() == 10 && s[4] == '-' && s[7] == '-') {
    if (!num(s.substr(0, 4), y) || !num(s.substr(5, 2), m) || !num(s.substr(8, 2), d)) return std::nullopt;
  } else if (s.size() == 10 && (s[2] == '-' || s[2] == '.') && s[5] == s[2]) {
    if (!num(s.substr(0, 2), d) || !num(s.substr(3, 2), m) || !num(s.substr(6, 4), y)) return std::nullopt;
  } else if (s.size() == 8 && all_digits(s)) {
    num(s.substr(0, 4), y);
    num(s.substr(4, 2), m);
    num(s.substr(6, 2), d);
  } else {
    return std::nullopt;
  }
  if (!real_date(y, m, d)) return std::nullopt;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", y, m, d);
  return std::string(buf);
}

std::string problem_text(const FieldProblem& p) {
  if (!p.text.empty()) return p.text;
  if (p.message == 0) return {};
  const char* t = RcQStr(p.message);
  return t && *t ? t : "błąd " + std::to_string(p.message);
}

std::vector<std::string> check_employee_input(const EmployeeInput& in, const IdentifierSwitches& sw,
                                              bool (*office_exists)(int code), EmployeeRecordValues& out) {
  std::vector<std::string> problems;
  auto field = [&](EmployeeField f, const std::string& value, const char* name) {
    FieldProblem p = check_employee_field(f, value, sw);
    if (!p.ok()) problems.push_back(std::string(name) + ": " + problem_text(p));
  };
  field(EmployeeField::Surname, in.surname, "nazwisko");
  field(EmployeeField::FirstName, in.first_name, "imie");
  field(EmployeeField::Pesel, in.pesel, "pesel");
  field(EmployeeField::Nip, in.nip, "nip");
  field(EmployeeField::InsuranceTitle, in.title_code, "kod_tytulu");
  field(EmployeeField::WorkTime, in.work_time.empty() ? std::string("1/1") : in.work_time, "etat");
  field(EmployeeField::Pay, in.pay.empty() ? std::string("0") : in.pay, "placa");
  out = EmployeeRecordValues();
  out.surname = std::string(trim(in.surname));
  out.first_name = std::string(trim(in.first_name));
  out.second_name = std::string(trim(in.second_name));
  out.pesel = std::string(trim(in.pesel));
  out.nip = std::string(trim(in.nip));
  out.town = std::string(trim(in.town));
  out.street = std::string(trim(in.street));
  out.postcode = std::string(trim(in.postcode));
  out.title_code = std::string(trim(in.title_code));
  out.house = std::string(trim(in.house));
  out.flat = std::string(trim(in.flat));
  out.phone = std::string(trim(in.phone));
  out.sex = sex_from_first_name(in.first_name);
  if (!trim(in.birth_date).empty()) {
    if (auto d = parse_date(in.birth_date)) out.birth_date = *d;
    else problems.push_back("data_urodzenia: błędna data");
  }
  if (auto d = parse_date(in.hired)) out.hired = *d;
  else problems.push_back("data_przyjecia: błędna data");
  std::string_view office = trim(in.tax_office);
  if (!office.empty()) {
    if (office.size() != 4 || !all_digits(office)) problems.push_back("urzad_skarbowy: kod urzędu to 4 cyfry");
    else {
      out.tax_office = std::atoi(std::string(office).c_str());
      if (office_exists && !office_exists(out.tax_office))
        problems.push_back("urzad_skarbowy: nie ma urzędu o kodzie " + std::string(office));
    }
  }
  std::string_view kind = trim(in.pay_kind);
  if (kind == "G" || kind == "g") out.hourly = true;
  else if (!(kind == "M" || kind == "m" || kind.empty())) problems.push_back("rodzaj_placy: wpisz M lub G");
  if (auto a = parse_amount(in.pay.empty() ? std::string("0") : in.pay)) out.pay = *a;
  std::string wt = in.work_time.empty() ? std::string("1/1") : in.work_time;
  size_t slash = wt.find('/');
  if (slash != std::string::npos) {
    out.wy1 = std::atoi(std::string(trim(std::string_view(wt).substr(0, slash))).c_str());
    out.wy2 = std::atoi(std::string(trim(std::string_view(wt).substr(slash + 1))).c_str());
  }
  return problems;
}

}  // namespace skolvarin::payroll
