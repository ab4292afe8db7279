#include "declarations/pit_forms.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <set>

#include "host/api/rounding.h"

namespace skolvarin::declarations {

namespace {

std::string upper(std::string_view s) {
  std::string u(s);
  for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

std::string row_field(int row, char letter) {
  char name[8];
  std::snprintf(name, sizeof name, "R%02d%c", row, letter);
  return name;
}

std::string amount2(double v) {
  char t[32];
  std::snprintf(t, sizeof t, "%.2f", R(v, 2));
  return t;
}

std::string whole(double v) {
  char t[32];
  std::snprintf(t, sizeof t, "%.0f", R(v, 0));
  return t;
}

std::string month_field(const char* prefix, int n) {
  char name[8];
  std::snprintf(name, sizeof name, "%s%02d", prefix, n);
  return name;
}

// Adds one income row (P, K, D, Z) of PIT-11.
void add_row(PitRecord& r, int row, double income, double costs, double advance) {
  r.numbers[row_field(row, 'P')] += income;
  r.numbers[row_field(row, 'K')] += costs;
  r.numbers[row_field(row, 'Z')] += advance;
}

void finish_row(PitRecord& r, int row) {
  const std::string p = row_field(row, 'P'), k = row_field(row, 'K'), z = row_field(row, 'Z');
  if (!r.numbers.count(p)) return;
  r.numbers[p] = R(r.numbers[p], 2);
  r.numbers[k] = R(r.numbers[k], 2);
  r.numbers[row_field(row, 'D')] = R(max0(r.numbers[p] - r.numbers[k]), 2);
  r.numbers[z] = R(r.numbers[z], 0);
}

std::string date_text(int year, int month, int day) {
  char t[16];
  std::snprintf(t, sizeof t, "%04d%02d%02d", year, month, day);
  return t;
}

int month_days(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

void put(std::vector<PitPosition>& out, int number, std::string value) {
  out.push_back({number, std::move(value)});
}

// A PIT-11/PIT-40 amount: written only when not zero.
void put_amount(std::vector<PitPosition>& out, int number, double v, bool whole_zloty = false) {
  if (same_grosz(v, 0)) return;
  put(out, number, whole_zloty ? whole(v) : amount2(v));
}

}  // namespace

std::optional<PitForm> pit_form_from_name(std::string_view name) {
  const std::string u = upper(name);
  if (u == "PIT-11") return PitForm::Pit11;
  if (u == "PIT-40") return PitForm::Pit40;
  if (u == "PIT-4R") return PitForm::Pit4R;
  if (u == "PIT-8AR") return PitForm::Pit8AR;
  return std::nullopt;
}

const char* pit_form_name(PitForm form) {
  switch (form) {
    case PitForm::Pit11: return "PIT-11";
    case PitForm::Pit40: return "PIT-40";
    case PitForm::Pit4R: return "PIT-4R";
    case PitForm::Pit8AR: return "PIT-8AR";
  }
  return "";
}

const char* pit_form_table(PitForm form) {
  switch (form) {
    case PitForm::Pit11: return "W3PI11  .DBF";
    case PitForm::Pit40: return "W3PI40  .DBF";
    case PitForm::Pit4R: return "W3PZAL  .DBF";
    case PitForm::Pit8AR: return "W3P8AR  .DBF";
  }
  return "";
}

std::string not_computed_message(PitForm form) {
  return std::string(form == PitForm::Pit11   ? kNotComputed11
                     : form == PitForm::Pit40 ? kNotComputed40
                                              : std::string(pit_form_name(form)) + " niewypełniony!") +
         " " + kRunCompute;
}

int pit_year_refusal(PitForm form, int year) {
  if ((form == PitForm::Pit4R || form == PitForm::Pit8AR) && year < 2013) return kMsgFormsFrom2013;
  return 0;
}

double PitRecord::number(const std::string& field) const {
  auto it = numbers.find(field);
  return it == numbers.end() ? 0 : it->second;
}

std::string PitRecord::text(const std::string& field) const {
  auto it = texts.find(field);
  return it == texts.end() ? std::string() : it->second;
}

std::optional<PitRecord> compute_pit11(long person, int year, std::span<const PayValues> pay,
                                       std::span<const ContractValues> contracts, double health_deductible) {
  PitRecord r;
  int first = 13, last = 0;
  double social = 0, health = 0;
  std::set<int> rows;
  for (const PayValues& p : pay) {
    if (p.person != person) continue;
    add_row(r, 1, p.gross, p.costs, p.advance_due);
    rows.insert(1);
    social += p.social;
    health += p.health_deducted;
    first = std::min(first, p.month);
    last = std::max(last, p.month);
  }
  for (const ContractValues& c : contracts) {
    if (c.person != person || c.flat_rate()) continue;
    const int row = c.source == 6 ? 10 : 7;
    add_row(r, row, c.gross, c.costs, c.advance_due);
    rows.insert(row);
    social += c.social;
    // The health contribution reduced the advance by its deductible part,
    // never by more than the contribution nor more than the advance's tax.
    health += std::min(c.health, R(c.health_base * health_deductible * 0.01, 2));
    first = std::min(first, c.month);
    last = std::max(last, c.month);
  }
  if (rows.empty()) return std::nullopt;
  for (int row : rows) finish_row(r, row);
  r.numbers["KOPR"] = static_cast<double>(person);
  r.numbers["ROSZ"] = 1;
  r.numbers["RSPO"] = R(social, 2);
  r.numbers["RZDR"] = R(health, 2);
  r.texts["DAOD"] = date_text(year, std::clamp(first, 1, 12), 1);
  r.texts["DADO"] = date_text(year, std::clamp(last, 1, 12), month_days(year, std::clamp(last, 1, 12)));
  return r;
}

double yearly_reducing_amount(int year, double base) {
  if (year <= 2016) return 556.02;
  if (year >= 2022) return 3600;
  // 2017-2021: the amount falls with the income (art. 27 ust. 1a).
  struct Degressive {
    double low, full_low, mid_from, mid, high_from = 85528, zero_at = 127000;
  };
  Degressive d = year <= 2018   ? Degressive{6600, 1188, 11000, 556.02}
                 : year == 2019 ? Degressive{8000, 1420, 13000, 548.30}
                                : Degressive{8000, 1360, 13000, 525.12};
  if (base <= d.low) return d.full_low;
  if (base <= d.mid_from) return R(d.full_low - (d.full_low - d.mid) * (base - d.low) / (d.mid_from - d.low), 2);
  if (base <= d.high_from) return d.mid;
  if (base < d.zero_at) return R(d.mid - d.mid * (base - d.high_from) / (d.zero_at - d.high_from), 2);
  return 0;
}

std::optional<PitRecord> compute_pit40(long person, int year, std::span<const PayValues> pay,
                                       std::span<const payroll::TaxScaleRow> scale) {
  double income = 0, costs = 0, advances = 0, social = 0, health = 0;
  bool any = false;
  for (const PayValues& p : pay) {
    if (p.person != person) continue;
    any = true;
    income += p.gross;
    costs += p.costs;
    advances += p.advance_due;
    social += p.social;
    health += p.health_deducted;
  }
  if (!any) return std::nullopt;
  PitRecord r;
  auto& n = r.numbers;
  n["KOP"] = static_cast<double>(person);
  r.texts["R35"] = "1";
  n["R37"] = R(income, 2);
  n["R38"] = R(costs, 2);
  n["R39"] = R(max0(n["R37"] - n["R38"]), 2);
  n["R40"] = R(advances, 0);
  n["Z1S"] = R(social, 2);
  n["Z1Z"] = R(health, 2);
  n["R64"] = n["R37"];
  n["R65"] = n["R38"];
  n["R66"] = n["R39"];
  n["R67"] = n["R40"];
  n["ZRS"] = n["Z1S"];
  n["ZRZ"] = n["Z1Z"];
  n["R68"] = std::min(n["ZRS"], n["R66"]);
  n["R69"] = R(n["R66"] - n["R68"], 2);
  n["R71"] = R(n["R69"], 0);
  const double by_scale = payroll::tax_of_yearly_income(scale, n["R71"]).tax;
  n["R72"] = R(max0(by_scale - yearly_reducing_amount(year, n["R71"])), 2);
  n["R73"] = std::min(n["ZRZ"], n["R72"]);
  n["R74"] = R(n["R72"] - n["R73"], 2);
  n["R80"] = R(n["R74"], 0);
  n["R81"] = n["R67"];
  n["R82"] = max0(n["R81"] - n["R80"]);
  n["R83"] = max0(n["R80"] - n["R81"]);
  return r;
}

// The month records with the typed amounts of `typed` (numbers only).
std::vector<PitRecord> typed_months(const std::map<int, PitRecord>& typed) {
  std::vector<PitRecord> months(12);
  for (const auto& [m, r] : typed)
    if (m >= 1 && m <= 12) months[m - 1].numbers = r.numbers;
  return months;
}

std::vector<PitRecord> compute_pit4r(std::span<const PayValues> pay, std::span<const ContractValues> contracts,
                                     const std::map<int, PitRecord>& typed) {
  std::vector<PitRecord> months = typed_months(typed);
  for (auto& m : months)
    for (const char* f : {"P01", "Z01", "P0R", "Z0R"}) m.numbers[f] = 0;
  std::vector<std::set<long>> employees(12), contractors(12);
  for (const PayValues& p : pay) {
    if (p.month < 1 || p.month > 12) continue;
    employees[p.month - 1].insert(p.person);
    months[p.month - 1].numbers["Z01"] += p.advance_due;
  }
  for (const ContractValues& c : contracts) {
    if (c.month < 1 || c.month > 12 || c.flat_rate()) continue;
    contractors[c.month - 1].insert(c.person);
    months[c.month - 1].numbers["Z0R"] += c.advance_due;
  }
  for (int m = 1; m <= 12; ++m) {
    auto& n = months[m - 1].numbers;
    n["MIE"] = m;
    n["P01"] = static_cast<double>(employees[m - 1].size());
    n["P0R"] = static_cast<double>(contractors[m - 1].size());
    n["Z01"] = R(n["Z01"], 0);
    n["Z0R"] = R(n["Z0R"], 0);
    n["ZAP"] = n["Z01"] + n["Z0R"];
    n["WYN"] = R(n["WYN"], 0);
    n["KZA"] = n["ZAP"] - n["WYN"];
  }
  return months;
}

std::vector<PitRecord> compute_pit8ar(std::span<const ContractValues> contracts,
                                      const std::map<int, PitRecord>& typed) {
  std::vector<PitRecord> months = typed_months(typed);
  for (auto& m : months) m.numbers["C05"] = 0;
  for (const ContractValues& c : contracts) {
    if (c.month < 1 || c.month > 12 || !c.flat_rate()) continue;
    months[c.month - 1].numbers["C05"] += c.advance_due;
  }
  for (int m = 1; m <= 12; ++m) {
    auto& n = months[m - 1].numbers;
    n["MIE"] = m;
    n["C05"] = R(n["C05"], 0);
    double total = 0;
    for (int c = 1; c <= 14; ++c) total += n[month_field("C", c)];
    n["C15"] = total;
    n["C16"] = R(n["C16"], 0);
  }
  return months;
}

std::vector<PitPosition> pit11_positions(const PitRecord& r) {
  std::vector<PitPosition> out;
  if (!r.text("RE1C").empty()) put(out, 10, r.text("RE1C"));
  put(out, 24, whole(r.number("ROSZ") > 1 ? 2 : 1));
  // Position, field; an advance (Z) in whole złoty.
  static const std::pair<int, const char*> kMap[] = {
      {25, "R01P"}, {26, "R01K"}, {27, "R01D"}, {28, "R08P"}, {29, "R01Z"}, {30, "RP01"}, {31, "RK01"},
      {32, "R02P"}, {33, "R02D"}, {34, "R02Z"}, {35, "R03P"}, {36, "R03D"}, {37, "R08K"}, {38, "R03Z"},
      {39, "R04P"}, {40, "R04D"}, {41, "R04Z"}, {42, "R05P"}, {43, "R05D"}, {44, "R05Z"}, {45, "R06P"},
      {46, "R06K"}, {47, "R06D"}, {48, "R06Z"}, {49, "R07P"}, {50, "R07K"}, {51, "R07D"}, {52, "R07Z"},
      {53, "R09P"}, {54, "R10D"}, {55, "R10Z"}, {56, "R10P"}, {57, "R10K"}, {58, "R11P"}, {59, "R11K"},
      {60, "R11D"}, {61, "R11Z"}, {62, "R12P"}, {63, "R12D"}, {64, "R08L"}, {65, "R12Z"}, {66, "RSPO"},
      {67, "R08D"}, {68, "RZDR"}, {69, "R08S"}, {70, "RZAG"}, {71, "RPOM"},
  };
  for (const auto& [pos, field] : kMap) {
    const std::string f = field;
    put_amount(out, pos, r.number(f), f.size() == 4 && f[0] == 'R' && f[3] == 'Z' && f != "RZDR" && f != "RZAG");
  }
  if (r.text("PITR") == "T") put(out, 72, "1");
  return out;
}

std::vector<PitPosition> pit40_positions(const PitRecord& r) {
  std::vector<PitPosition> out;
  put(out, 9, r.text("KOR") == "T" ? "2" : "1");
  put(out, 23, r.text("R35").empty() ? "1" : r.text("R35"));
  static const char* kBoxes[] = {"R361", "R362", "R363", "R364", "R365"};
  for (int i = 0; i < 5; ++i)
    if (r.text(kBoxes[i]) == "T") {
      put(out, 24, std::to_string(i + 1));
      break;
    }
  static const char* kFields[] = {"R37", "R38", "R39", "R40", "R41", "R42", "R43", "R44", "R45", "R46",
                                  "R47", "R48", "R49", "R50", "R51", "R52", "R53", "R54", "R55", "R56",
                                  "R58", "R59", "RE3", "R57", "R60", "R61", "R62", "R63", "R64", "R65",
                                  "R66", "R67", "R68", "RE1", "R69", "R70", "R71", "R72", "R73", "R74",
                                  "R75", "R76", "R78", "R77", "R79", "R80", "R81", "R82", "R83"};
  // Whole-złoty fields: the advances of each row and the totals of tax.
  static const std::set<std::string> kWhole = {"R40", "R45", "R48", "R51", "R55", "R59", "R63", "R67",
                                               "R71", "R80", "R81", "R82", "R83"};
  int pos = 25;
  for (const char* f : kFields) {
    if (std::string(f) == "R70" || std::string(f) == "R79") {
      if (!r.text(f).empty()) put(out, pos, r.text(f));
    } else {
      put_amount(out, pos, r.number(f), kWhole.count(f) > 0);
    }
    ++pos;
  }
  return out;
}

std::vector<PitPosition> pit4r_positions(std::span<const PitRecord> months) {
  // Rows of twelve months from position 9, each fed by one column.
  static const char* kRows[] = {"P01", "Z01", "Z02", "P0R", "Z0R", "RWY", "RZA",
                                "O01", "D01", "D02", "ZAP", "WYN", "KZA"};
  std::vector<PitPosition> out;
  int first = 9;
  for (const char* field : kRows) {
    for (int m = 1; m <= 12; ++m) {
      double v = 0;
      for (const PitRecord& r : months)
        if (static_cast<int>(r.number("MIE")) == m) v = r.number(field);
      put(out, first + m - 1, whole(v));
    }
    first += 12;
  }
  for (const PitRecord& r : months)
    if (static_cast<int>(r.number("MIE")) == 1 && !r.text("REZ").empty()) put(out, 169, r.text("REZ"));
  return out;
}

std::vector<PitPosition> pit8ar_positions(std::span<const PitRecord> months, int year) {
  std::vector<PitPosition> out;
  const bool old_variant = year < 2015;
  for (int row = 1; row <= 17; ++row) {
    const int first = 9 + (row - 1) * 12;
    const bool hundredths = old_variant && (first == 69 || first == 81 || first == 165 || first == 189);
    for (int m = 1; m <= 12; ++m) {
      double v = 0;
      for (const PitRecord& r : months) {
        if (static_cast<int>(r.number("MIE")) != m) continue;
        v = row <= 16 ? r.number(month_field("C", row)) : r.number("C15") - r.number("C16");
      }
      put(out, first + m - 1, hundredths ? amount2(v * 0.01) : whole(v));
    }
  }
  return out;
}

std::string correction_reasons(const PitRecord& r) {
  std::string all;
  for (const char* f : {"KW1", "KW2", "KW3", "KW4", "KW5"}) {
    std::string line = r.text(f);
    size_t b = line.find_first_not_of(' '), e = line.find_last_not_of(' ');
    if (b == std::string::npos) continue;
    if (!all.empty()) all += ' ';
    all += line.substr(b, e - b + 1);
  }
  return all;
}

}  // namespace skolvarin::declarations
