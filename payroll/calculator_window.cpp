// The calculator window over template 34.  Everything it computes comes
// from calculator.h under the law of the chosen month; this file only reads
// the year's stored parameters, shows, edits and prints.
#include "payroll/calculator_window.h"

#include <cstdio>
#include <string>
#include <vector>

#include "data/catalogue.h"
#include "data/module_state.h"
#include "data/settings.h"
#include "frame/register_hooks.h"
#include "host/api/browse_api.h"
#include "host/api/print_api.h"
#include "host/api/rounding.h"
#include "host/api/screen_api.h"
#include "payroll/law.h"

namespace skolvarin::payroll {
namespace {

constexpr int kTemplate = 34;
constexpr int kWidth = 78, kRows = 21;
constexpr int kValueCol = 28, kEmployerCol = 42;
// The editable lines, top to bottom (rows of the template).
enum Line { Amount, Mode, Kind, Rate, Reduction, Costs, Month, kLines };

const std::vector<std::string> kModes = {"Brutto", "Do wypłaty", "Koszt"};
const std::vector<std::string> kKinds = {"Płaca", "Umowa zlecenia", "Umowa o dzieło"};

struct Session {
  bool from_register = false;
  double amount = 0;
  CalcMode mode = CalcMode::Net;
  CalcKind kind = CalcKind::Pay;
  CalcLawOptions options;
  PayrollParameters stored;
  ZusSettings stored_zus;
  CalculatorState state;
  PayrollParameters p;
  ZusSettings z;
  Breakdown b;
  bool computed = false;
  int line = Amount;
};

// The keys of a settings block in the data dictionary's form.
template <class Block>
data::SettingsGroup group_of(std::string_view label, const data::CatalogueEntry* table,
                             std::span<const SettingKey<Block>> keys, Block& block) {
  data::SettingsGroup g;
  g.label = std::string(label);
  g.table = table;
  for (const auto& k : keys) {
    if (k.type == SettingType::Double) {
      g.keys.push_back(data::SettingKey::number(k.key, k.double_in(block), k.number_default));
    } else if (k.type == SettingType::Integer) {
      g.keys.push_back(data::SettingKey::integer(k.key, k.int_in(block), static_cast<int>(k.number_default)));
    } else if (k.host_message_default == 0) {
      g.keys.push_back(data::SettingKey::text(k.key, k.text_in(block), k.width, std::string(k.text_default)));
    }
  }
  return g;
}

// The working year's stored parameters and the firm's ZUS settings; the
// year's statutory figures where the file cannot be read.
void load(Session& s) {
  HostContext* ctx = data::state().ctx;
  const int year = data::working_year(ctx);
  s.stored = statutory_parameters(year);
  if (const auto* papl = data::find_table("W3PAPL  .DBF")) {
    PayrollParameters read = s.stored;
    if (data::read_settings(ctx, group_of(kPayrollGroupLabel, papl, payroll_parameter_keys(year), read), year) == 0)
      s.stored = read;
  }
  if (const auto* pazu = data::find_table("W3PAZU.DBF")) {
    // Of the firm's ZUS settings only the accident rate (key 52) is used.
    data::SettingsGroup g;
    g.label = std::string(kZusGroupLabel);
    g.table = pazu;
    double accident = s.stored_zus.accident_rate;
    g.keys.push_back(data::SettingKey::number(52, &accident, ZusSettings{}.accident_rate));
    if (data::read_settings(ctx, g, year) == 0) s.stored_zus.accident_rate = accident;
  }
  s.options.year = year;
  s.options.month = ctx->today.year == year ? ctx->today.month : 12;
}

// Defaults of the kind under the month's law (at opening, on a change of
// kind or month).
void take_defaults(Session& s) {
  s.p = s.stored;
  s.z = s.stored_zus;
  s.state = calculator_defaults(s.kind, s.p, s.z, s.options);
}

void compute(Session& s) {
  if (!(s.amount > 0)) {
    s.computed = false;
    return;
  }
  const CalcResult r = calculate(s.amount, s.mode, s.state, s.p, s.z);
  if (!r.ok()) {
    Uwaga(r.message);  // the previous results stay
    return;
  }
  s.b = r.b;
  s.computed = true;
}

// A label with leader dots to `width` characters (Polish letters count once).
std::string dotted(const char* label, size_t width) {
  std::string out = label;
  size_t chars = 0;
  for (unsigned char c : out) chars += (c & 0xC0) != 0x80;
  while (chars++ < width) out += '.';
  return out;
}

std::string money(double v) {
  char t[32];
  std::snprintf(t, sizeof t, "%.2f", R(v, 2));
  return t;
}

// Fills the page: the template with the values after the labels.
std::vector<std::string> page(const Session& s) {
  PrintBuffer *work = nullptr, *original = nullptr;
  std::vector<std::string> rows;
  if (print_alloc(&work, &original, kWidth * kRows, [] { return kTemplate; }, kWidth) != 0) return rows;
  auto put = [&](int row, int col, const std::string& text, int width, int align) {
    MemPrintStringFmt(work, row, col, text.c_str(), width, align);
  };
  put(Amount, kValueCol, money(s.amount), 12, PRINT_RIGHT);
  put(Mode, kValueCol, kModes[static_cast<int>(s.mode)], 20, PRINT_LEFT);
  put(Kind, kValueCol, kKinds[static_cast<int>(s.kind)], 20, PRINT_LEFT);
  put(Rate, kValueCol, money(s.state.tax_rate * 100), 12, PRINT_RIGHT);
  put(Reduction, kValueCol, money(s.state.reduction), 12, PRINT_RIGHT);
  put(Costs, kValueCol, money(s.computed ? s.b.costs : s.state.costs), 12, PRINT_RIGHT);
  char month[16];
  std::snprintf(month, sizeof month, "%02d-%04d", s.options.month, s.options.year);
  put(Month, kValueCol, month, 12, PRINT_RIGHT);
  if (s.computed) {
    using B = Breakdown;
    const struct {
      int row;
      double B::*employee;
      double B::*employer;
    } lines[] = {
        {8, &B::gross, nullptr},
        {9, &B::pension_employee, &B::pension_employer},
        {10, &B::disability_employee, &B::disability_employer},
        {11, &B::sickness, nullptr},
        {12, nullptr, &B::accident},
        {13, &B::health, nullptr},
        {14, nullptr, &B::fp},
        {15, nullptr, &B::fgsp},
        {16, &B::ppk_employee, &B::ppk_employer},
        {17, &B::advance, nullptr},
        {18, &B::net, nullptr},
        {19, nullptr, &B::total_cost},
    };
    for (const auto& l : lines) {
      if (l.employee) put(l.row, kValueCol, money(s.b.*l.employee), 12, PRINT_RIGHT);
      if (l.employer) put(l.row, kEmployerCol, money(s.b.*l.employer), 12, PRINT_RIGHT);
    }
  }
  const CalcSwitches& w = s.state.sw;
  auto yn = [](bool on) { return on ? "T" : "N"; };
  char status[160];
  std::snprintf(status, sizeof status, "em.%s ren.%s chor.%s wyp.%s zdr.%s FP %s FGŚP %s  KUP %s PIT-2 %s PPK %s do 26 %s",
                yn(w.pension), yn(w.disability), yn(w.sickness), yn(w.accident), yn(w.health), yn(w.fp), yn(w.fgsp),
                s.options.raised_costs ? "podw." : "podst.", yn(s.options.pit2), yn(s.options.ppk),
                yn(s.options.under26));
  put(20, 0, status, kWidth, PRINT_LEFT);
  for (int r = 0; r < print_rows(work); ++r) rows.push_back(print_row(work, r));
  print_free(&work, &original);
  return rows;
}

void draw(int window, const Session& s) {
  const int saved = w4select(window);
  const std::vector<std::string> rows = page(s);
  for (size_t r = 0; r < rows.size(); ++r) {
    w4attr(static_cast<int>(r) == s.line ? 1 : 0);
    w4write(static_cast<int>(r), 0, rows[r].c_str());
  }
  w4attr(0);
  w4cursor(s.line, kValueCol);
  w4select(saved);
}

// One number typed in a small window; false on Esc.
bool ask_number(const char* title, const char* picture, double& value) {
  WidgetSet set;
  ResetWigetsDefinition(&set);
  Widget* w = DefineWigetEx(&set, 0, 1, dotted(title, 20).c_str(), 14, WIDGET_NUMBER, picture);
  WigetSetString(w, money(value).c_str());
  const int window = DefineWprowadzWindow(1, 44, " Kalkulator ");
  const int key = ActivateWindow(window, &set);
  const double typed = WigetAsDouble(w);
  w4close(window);
  FreeWigets(&set);
  if (key != keys::F2 || typed < 0) return false;
  value = typed;
  return true;
}

void edit_line(Session& s) {
  switch (s.line) {
    case Amount:
      ask_number("kwota", "99999999.99", s.amount);
      break;
    case Mode: {
      const int i = wybierz_z_listy(kModes, static_cast<int>(s.mode));
      if (i >= 0) s.mode = static_cast<CalcMode>(i);
      break;
    }
    case Kind: {
      const int i = wybierz_z_listy(kKinds, static_cast<int>(s.kind));
      if (i >= 0 && i != static_cast<int>(s.kind)) {
        s.kind = static_cast<CalcKind>(i);
        take_defaults(s);
      }
      break;
    }
    case Rate: {
      double v = s.state.tax_rate * 100;
      if (ask_number("stopa podatku %", "99.99", v)) s.state.tax_rate = v / 100;
      break;
    }
    case Reduction:
      ask_number("odliczenie", "9999.99", s.state.reduction);
      break;
    case Costs:
      if (ask_number("koszt uzysku", "99999.99", s.state.costs)) s.state.costs_typed = true;
      break;
    case Month: {
      double m = s.options.month;
      if (ask_number("miesiąc", "99", m) && m >= 1 && m <= 12) {
        s.options.month = static_cast<int>(m);
        take_defaults(s);
      }
      break;
    }
    default:
      break;
  }
}

// F3: the seven contribution switches and the employee's switches.
void edit_switches(Session& s) {
  WidgetSet set;
  ResetWigetsDefinition(&set);
  CalcSwitches& w = s.state.sw;
  struct Item {
    const char* label;
    bool* flag;
  } items[] = {{"emerytalne", &w.pension},   {"rentowe", &w.disability},     {"chorobowe", &w.sickness},
               {"wypadkowe", &w.accident},   {"zdrowotne", &w.health},       {"Fundusz Pracy", &w.fp},
               {"FGŚP", &w.fgsp},            {"PIT-2", &s.options.pit2},     {"PPK", &s.options.ppk},
               {"do 26 lat", &s.options.under26}, {"koszty podwyższone", &s.options.raised_costs}};
  std::vector<Widget*> widgets;
  int row = 0;
  for (const Item& it : items) {
    Widget* wg = DefineWigetEx(&set, row++, 1, dotted(it.label, 22).c_str(), 1, WIDGET_YESNO);
    WigetSetString(wg, *it.flag ? "T" : "N");
    widgets.push_back(wg);
  }
  const int window = DefineWprowadzWindow(row, 40, " Zmień status ");
  const int key = ActivateWindow(window, &set);
  w4close(window);
  if (key == keys::F2) {
    const bool pit2 = s.options.pit2, raised = s.options.raised_costs;
    for (size_t i = 0; i < widgets.size(); ++i) *items[i].flag = widgets[i]->value == "T";
    if (pit2 != s.options.pit2 || raised != s.options.raised_costs) {
      // The reducing amount and the costs follow the new switches.
      const CalcSwitches kept = w;
      take_defaults(s);
      s.state.sw = kept;
    }
    s.state.options = s.options;
  }
  FreeWigets(&set);
}

void print(const Session& s) {
  if (init_prn(data::state().ctx, "KALK", "Kalkulator płacowy") != 0) return;
  print_line("KALKULATOR PŁACOWY");
  print_line("");
  for (const std::string& row : page(s)) print_line(row.c_str());
  deinit_prn(1);
}

int calculator_main() { return open_calculator(false, 0, CalcKind::Pay, nullptr) == keys::Esc ? 0 : 0; }

const frame::RegisterProvider provider(frame::RegisterId::PayrollCalculator, calculator_main);

}  // namespace

int open_calculator(bool from_register, double amount, CalcKind kind, double* gross) {
  Session s;
  s.from_register = from_register;
  s.amount = R(amount, 2);
  s.kind = kind;
  s.mode = from_register ? CalcMode::Gross : CalcMode::Net;
  load(s);
  take_defaults(s);
  compute(s);

  const int window = w4define(1, 0, 1 + kRows + 1, kWidth + 1);
  if (window < 0) return keys::Esc;
  w4border(window, 2);
  w4title(window, " KALKULATOR PŁACOWY ");
  w4activate(window);
  set_fun_help(from_register ? "Enter-Zmień  F2-Drukuj  F3-Zmień status  F8-Przepisz  Esc-Wyjście"
                             : "Enter-Zmień  F2-Drukuj  F3-Zmień status  Esc-Wyjście");
  int result = keys::Esc;
  for (;;) {
    draw(window, s);
    const int key = g4char();
    if (key == keys::Esc) break;
    if (key == keys::Up) s.line = (s.line + kLines - 1) % kLines;
    if (key == keys::Down) s.line = (s.line + 1) % kLines;
    if (key == keys::Enter) {
      edit_line(s);
      compute(s);
    }
    if (key == keys::F3) {
      edit_switches(s);
      compute(s);
    }
    if (key == keys::F2) print(s);
    if (key == keys::F8 && from_register && s.computed) {
      if (gross) *gross = s.b.gross;
      result = keys::F8;
      break;
    }
  }
  remove_fun_help();
  w4close(window);
  return result;
}

}  // namespace skolvarin::payroll
