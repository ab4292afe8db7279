// skolvarin kalkulator [--rok R] [--miesiac M] [--rodzaj placa|zlecenie|dzielo]
//                      (--brutto X | --netto X | --koszt X) [--kup podstawowe|podwyzszone]
//                      [--bez-pit2] [--ppk] [--do-26] [--porownaj ROK[-MM]] [--json] [--data DIR]
// The payroll calculator on the command line: the whole breakdown of a pay,
// a contract of mandate or a contract for a specific work, from its gross,
// from the amount paid out or from the employer's total cost, under the law
// of the month (and, with --porownaj, under a second month side by side).
// The rates are the payroll parameters of the year kept in the data
// directory (and the firm's accident rate); a year without parameters uses
// the statutory figures of that year.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/amount_argument.h"
#include "app/command.h"
#include "data/catalogue.h"
#include "data/data_directory.h"
#include "data/module_state.h"
#include "data/opener.h"
#include "data/settings.h"
#include "host/api/db_api.h"
#include "host/api/rounding.h"
#include "host/text/utf8.h"
#include "payroll/calculator.h"
#include "payroll/law.h"
#include "payroll/messages.h"
#include "payroll/parameters.h"

namespace skolvarin::app {
namespace {

using payroll::CalcKind;
using payroll::CalcMode;

constexpr const char* kName = "skolvarin kalkulator";

int bad_input(const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", kName, text.c_str());
  return 2;
}

// An amount as a bookkeeper types it: digits, one decimal point or comma,
// at most two decimals.
bool parse_amount(const std::string& text, double& out) {
  double value = 0;
  if (!parse_amount_argument(text, AmountRules{.blanks = false, .negative = false, .max_length = 14}, value) ||
      value >= 1e9)
    return false;
  out = value;
  return true;
}

const char* refusal_text(int message) {
  switch (message) {
    case payroll::msg::kTooHighTaxCosts: return "Za duża stopa podatku, koszty uzysku lub odliczenie.";
    case payroll::msg::kTooHighTaxHealth: return "Za duża stopa podatku lub ubezpieczenia zdrowotnego.";
    case payroll::msg::kTooHighTaxHealthCosts: return "Za duża stopa podatku, ubezpieczenia zdrowotnego lub kosztów.";
    case payroll::msg::kTooHighSocialRates: return "Za duże stopy ubezpieczeń.";
  }
  return "Kwoty nie można obliczyć.";
}

// The keys of a payroll settings block in the data dictionary's form.
template <class Block>
data::SettingsGroup settings_group(std::string_view label, const data::CatalogueEntry* table,
                                   std::span<const payroll::SettingKey<Block>> keys, Block& block) {
  data::SettingsGroup g;
  g.label = std::string(label);
  g.table = table;
  for (const auto& k : keys) {
    switch (k.type) {
      case payroll::SettingType::Double:
        g.keys.push_back(data::SettingKey::number(k.key, k.double_in(block), k.number_default));
        break;
      case payroll::SettingType::Integer:
        g.keys.push_back(
            data::SettingKey::integer(k.key, k.int_in(block), static_cast<int>(k.number_default)));
        break;
      case payroll::SettingType::Switch:
      case payroll::SettingType::Text:
        // Keys whose default is a host text are not needed here; leaving
        // them out keeps the reader from appending them with another text.
        if (k.host_message_default != 0) break;
        g.keys.push_back(data::SettingKey::text(k.key, k.text_in(block), k.width, std::string(k.text_default)));
        break;
    }
  }
  return g;
}

bool file_exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Reads the year's payroll parameters and the firm's ZUS settings when the
// data directory has them.  `source` tells where the figures came from.
// Returns false with `error` when the data directory was named on the
// command line but cannot be opened, or a file present cannot be read.
bool load_parameters(const CommandLine& cl, int year, payroll::PayrollParameters& p, payroll::ZusSettings& z,
                     std::string& source, std::string& error) {
  HostContext ctx;
  ctx.today = cl.today;
  data::reset_state();
  data::state().ctx = &ctx;
  std::string open_error;
  bool ok = true;
  p = payroll::statutory_parameters(year);
  source = "parametry ustawowe " + std::to_string(year);
  if (!data::open_data_directory(ctx, cl.data_dir, open_error)) {
    if (cl.data_given) {
      error = open_error;
      ok = false;
    } else {
      source += " (brak katalogu danych)";
    }
    data::reset_state();
    return ok;
  }
  const data::CatalogueEntry* papl = data::find_table("W3PAPL  .DBF");
  const std::string papl_name = data::table_file_name(&ctx, *papl, year);
  if (file_exists(ctx.shared_dir + papl_name)) {
    auto group = settings_group(payroll::kPayrollGroupLabel, papl, payroll::payroll_parameter_keys(year), p);
    if (data::read_settings(&ctx, group, year) != 0) {
      error = "nie można odczytać parametrów płacowych z " + ctx.shared_dir + papl_name;
      ok = false;
    } else {
      source = "parametry płacowe " + std::to_string(year) + " z " + ctx.shared_dir + papl_name;
    }
  } else {
    source += " (brak parametrów płacowych roku " + std::to_string(year) + ")";
  }
  const data::CatalogueEntry* pazu = data::find_table("W3PAZU.DBF");
  if (ok && !ctx.firm_dir.empty() && file_exists(ctx.firm_dir + pazu->file)) {
    auto group = settings_group(payroll::kZusGroupLabel, pazu, payroll::zus_setting_keys(), z);
    if (data::read_settings(&ctx, group, year) != 0) {
      error = std::string("nie można odczytać ustawień ZUS z ") + ctx.firm_dir + pazu->file;
      ok = false;
    }
  }
  data::close_all_tables(&ctx);
  data::reset_state();
  return ok;
}

// One computed case: the date, where its figures came from, the breakdown.
struct Case {
  int year = 0, month = 12;
  std::string source;
  payroll::Breakdown b;
};

std::string period_of(const Case& c) {
  char t[16];
  std::snprintf(t, sizeof t, "%04d-%02d", c.year, c.month);
  return t;
}

void print_text(const std::vector<Case>& cases, CalcKind kind) {
  static const char* kinds[] = {"płaca", "umowa zlecenia", "umowa o dzieło"};
  std::string head = "KALKULATOR PŁACOWY " + period_of(cases[0]);
  if (cases.size() > 1) head += " wobec " + period_of(cases[1]);
  std::printf("%s, %s\n", head.c_str(), kinds[static_cast<int>(kind)]);
  std::string columns = text::utf8_pad_right("", 28);
  std::string periods = columns;
  for (const Case& c : cases) {
    char t[64];
    std::snprintf(t, sizeof t, " %12s %12s", "pracownik", "pracodawca");
    columns += t;
    std::snprintf(t, sizeof t, " %25s", period_of(c).c_str());
    periods += t;
  }
  if (cases.size() > 1) std::printf("%s\n", periods.c_str());
  std::printf("%s\n", columns.c_str());
  using Field = double payroll::Breakdown::*;
  auto row = [&cases](const char* label, Field employee, Field employer) {
    // Polish labels carry two-byte letters: pad by characters, not bytes.
    std::string line = text::utf8_pad_right(label, 28);
    for (const Case& c : cases) {
      char e[16] = "", r[16] = "";
      if (employee) std::snprintf(e, sizeof e, "%.2f", R(c.b.*employee, 2));
      if (employer) std::snprintf(r, sizeof r, "%.2f", R(c.b.*employer, 2));
      char out[40];
      std::snprintf(out, sizeof out, " %12s %12s", e, r);
      line += out;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    std::printf("%s\n", line.c_str());
  };
  using B = payroll::Breakdown;
  row("brutto", &B::gross, nullptr);
  row("ubezpieczenie emerytalne", &B::pension_employee, &B::pension_employer);
  row("ubezpieczenie rentowe", &B::disability_employee, &B::disability_employer);
  row("ubezpieczenie chorobowe", &B::sickness, nullptr);
  row("ubezpieczenie wypadkowe", nullptr, &B::accident);
  row("ubezpieczenie zdrowotne", &B::health, nullptr);
  row("Fundusz Pracy", nullptr, &B::fp);
  row("FGŚP", nullptr, &B::fgsp);
  bool ppk = false;
  for (const Case& c : cases) ppk = ppk || c.b.ppk_employee > 0 || c.b.ppk_employer > 0;
  if (ppk) row("PPK", &B::ppk_employee, &B::ppk_employer);
  row("koszt uzysku", &B::costs, nullptr);
  row("zaliczka na podatek", &B::advance, nullptr);
  row("do wypłaty", &B::net, nullptr);
  row("całkowity koszt", nullptr, &B::total_cost);
  if (cases.size() > 1) {
    std::printf("różnica do wypłaty: %.2f, różnica całkowitego kosztu: %.2f\n",
                R(cases[0].b.net - cases[1].b.net, 2), R(cases[0].b.total_cost - cases[1].b.total_cost, 2));
  }
  for (const Case& c : cases) std::printf("(%s: %s)\n", period_of(c).c_str(), c.source.c_str());
}

std::string json_object(const payroll::Breakdown& b) {
  const std::pair<const char*, double> fields[] = {
      {"brutto", b.gross},
      {"emerytalne_pracownik", b.pension_employee},
      {"emerytalne_pracodawca", b.pension_employer},
      {"rentowe_pracownik", b.disability_employee},
      {"rentowe_pracodawca", b.disability_employer},
      {"chorobowe", b.sickness},
      {"wypadkowe", b.accident},
      {"zdrowotne", b.health},
      {"fundusz_pracy", b.fp},
      {"fgsp", b.fgsp},
      {"koszty", b.costs},
      {"zaliczka", b.advance},
      {"do_wyplaty", b.net},
      {"koszt_calkowity", b.total_cost},
      {"ppk_pracownik", b.ppk_employee},
      {"ppk_pracodawca", b.ppk_employer},
  };
  std::string out = "{";
  bool first = true;
  for (const auto& [key, value] : fields) {
    char t[96];
    std::snprintf(t, sizeof t, "%s\"%s\": %.2f", first ? "" : ", ", key, R(value, 2));
    out += t;
    first = false;
  }
  return out;
}

void print_json(const std::vector<Case>& cases) {
  std::string out = json_object(cases[0].b);
  if (cases.size() > 1) out += ", \"porownanie\": " + json_object(cases[1].b) + "}";
  std::printf("%s}\n", out.c_str());
}

// "ROK" or "ROK-MM".
bool parse_period(const std::string& text, int& year, int& month) {
  char* end = nullptr;
  const long y = std::strtol(text.c_str(), &end, 10);
  if (end != text.c_str() + 4 || y < 1990 || y > 2099) return false;
  year = static_cast<int>(y);
  if (*end == 0) return true;
  if (*end != '-') return false;
  const char* m = end + 1;
  const long mm = std::strtol(m, &end, 10);
  if (end == m || *end || mm < 1 || mm > 12) return false;
  month = static_cast<int>(mm);
  return true;
}

int cmd_kalkulator(const CommandLine& cl) {
  if (!cl.words.empty()) return bad_input("nieoczekiwany argument: " + cl.words[0]);
  int year = cl.today.year;
  std::string text;
  if (cl.value_of("--rok", text)) {
    char* end = nullptr;
    long y = std::strtol(text.c_str(), &end, 10);
    if (!end || *end || y < 1990 || y > 2099) return bad_input("błędny rok w --rok: " + text + " (oczekiwano RRRR)");
    year = static_cast<int>(y);
  }

  CalcKind kind = CalcKind::Pay;
  if (cl.value_of("--rodzaj", text)) {
    if (text == "placa" || text == "płaca")
      kind = CalcKind::Pay;
    else if (text == "zlecenie")
      kind = CalcKind::Mandate;
    else if (text == "dzielo" || text == "dzieło")
      kind = CalcKind::Work;
    else
      return bad_input("nieznany rodzaj wynagrodzenia: " + text + " (placa, zlecenie albo dzielo)");
  }

  const std::pair<const char*, CalcMode> modes[] = {
      {"--brutto", CalcMode::Gross}, {"--netto", CalcMode::Net}, {"--koszt", CalcMode::Cost}};
  int given = 0;
  CalcMode mode = CalcMode::Gross;
  double amount = 0;
  for (const auto& [option, m] : modes) {
    if (!cl.value_of(option, text)) continue;
    ++given;
    mode = m;
    if (!parse_amount(text, amount))
      return bad_input(std::string("błędna kwota w ") + option + ": " + text +
                       " (oczekiwano kwoty nieujemnej, np. 2000,00)");
  }
  if (given != 1) return bad_input("podaj dokładnie jedną kwotę: --brutto, --netto albo --koszt");

  payroll::CalcLawOptions options;
  options.year = year;
  options.month = year == cl.today.year ? cl.today.month : 12;
  if (cl.value_of("--miesiac", text)) {
    char* end = nullptr;
    const long m = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end || m < 1 || m > 12)
      return bad_input("błędny miesiąc w --miesiac: " + text + " (oczekiwano 1..12)");
    options.month = static_cast<int>(m);
  }
  if (cl.value_of("--kup", text)) {
    if (text == "podstawowe")
      options.raised_costs = false;
    else if (text == "podwyzszone" || text == "podwyższone")
      options.raised_costs = true;
    else
      return bad_input("nieznane koszty uzyskania w --kup: " + text + " (podstawowe albo podwyzszone)");
  }
  options.pit2 = !cl.has_flag("--bez-pit2");
  options.ppk = cl.has_flag("--ppk");
  options.under26 = cl.has_flag("--do-26");

  std::vector<std::pair<int, int>> periods = {{options.year, options.month}};
  if (cl.value_of("--porownaj", text)) {
    int y = 0, m = 12;
    if (!parse_period(text, y, m))
      return bad_input("błędna data w --porownaj: " + text + " (oczekiwano ROK albo ROK-MM)");
    periods.emplace_back(y, m);
  }

  std::vector<Case> cases;
  for (const auto& [y, m] : periods) {
    Case c;
    c.year = y;
    c.month = m;
    payroll::PayrollParameters params;
    payroll::ZusSettings zus;
    std::string error;
    if (!load_parameters(cl, y, params, zus, c.source, error)) return bad_input(error);
    payroll::CalcLawOptions o = options;
    o.year = y;
    o.month = m;
    const payroll::CalculatorState state = payroll::calculator_defaults(kind, params, zus, o);
    const payroll::CalcResult result = payroll::calculate(amount, mode, state, params, zus);
    if (!result.ok()) return bad_input(refusal_text(result.message));
    c.b = result.b;
    cases.push_back(c);
  }

  if (cl.has_flag("--json"))
    print_json(cases);
  else
    print_text(cases, kind);
  return 0;
}

const CommandRegistrar registrar(
    "kalkulator",
    "kalkulator płacowy: --brutto X | --netto X | --koszt X [--rok R] [--miesiac M] "
    "[--rodzaj placa|zlecenie|dzielo] [--kup podstawowe|podwyzszone] [--bez-pit2] [--ppk] [--do-26] "
    "[--porownaj ROK[-MM]] [--json]",
    cmd_kalkulator, "--rodzaj= --brutto= --netto= --koszt= --miesiac= --kup= --porownaj= --bez-pit2 --ppk --do-26 --json");

}  // namespace
}  // namespace skolvarin::app
