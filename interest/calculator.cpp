// The interactive interest calculator (" Oblicz "): due date, payment date
// and amount in a window; Enter on the amount computes and shows the days
// of delay, the tax-arrears interest (whole złoty) and the statutory
// interest with their totals; any key then lets the user change the
// inputs, which keep their last values.  Esc ends.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/module_state.h"
#include "frame/register_hooks.h"
#include "host/api/browse_api.h"
#include "host/api/rounding.h"
#include "interest/interest_tables.h"
#include "interest/rate_rules.h"

namespace skolvarin::interest {

namespace {

// Attribute roles of the host: labels normal, values as input fields.
constexpr int kLabel = 0, kValue = 5;

int date_valid(EditControl* c) {
  std::string v = c->buffer;
  Date d;
  // The widget hands over the date as typed (DD-MM-CCYY).
  bool ok = v.size() >= 10 && from_dbf(v.substr(6, 4) + v.substr(3, 2) + v.substr(0, 2), d) &&
            is_valid_date(d) && rate_date_accepted(d);
  if (!ok) Alarm(kAlarmBefore1993);
  return ok ? 0 : -1;
}

int chars(std::string_view s) {
  int n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

void put(int row, int col, const char* label, const std::string& value) {
  w4attr(kLabel);
  w4write(row, col, label);
  w4attr(kValue);
  w4write(row, col + chars(label) + 1, value.c_str());
}

std::string amount(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%11.2f", v);
  return buf;
}

struct CalculatorRun {
  int window = -1;
  Widget* due = nullptr;
  Widget* paid = nullptr;
};
CalculatorRun* g_calc = nullptr;

// Shows the reckoning of the amount typed under the two dates and waits for
// one key; the results then go and the inputs stay for the next one.
void show_reckoning(double owed) {
  Date d1, d2;
  from_dbf(g_calc->due->value, d1);
  from_dbf(g_calc->paid->value, d2);
  InterestResult r;
  if (!compute_from_tables(d1, d2, owed, r)) return;
  double tax = tax_interest_shown(r.tax_interest);
  int saved = w4select(g_calc->window);
  char days[16];
  std::snprintf(days, sizeof days, "%5d", r.days);
  put(2, 40, "Ilość dni zaległości -", days);
  w4attr(kLabel);
  w4write(6, 1, "ODSETKI OD ZALEGŁOŚCI PODATKOWYCH");
  w4write(6, 41, "ODSETKI USTAWOWE");
  put(7, 0, "Kwota odsetek -", amount(tax));
  put(8, 0, "RAZEM         -", amount(R(owed + tax, 2)));
  put(7, 40, "Kwota odsetek -", amount(R(r.statutory_interest, 2)));
  put(8, 40, "RAZEM         -", amount(R(owed + r.statutory_interest, 2)));
  w4attr(0);
  w4cursor(-1, -1);
  g4char();
  w4write(2, 40, std::string(38, ' ').c_str());
  for (int row = 6; row <= 8; ++row) w4write(row, 0, std::string(78, ' ').c_str());
  w4select(saved);
}

// Enter on the amount (the last input) reckons; the cursor then goes back
// to the due date with every input kept.  Esc ends the calculator.
int calculator_main() {
  HostContext* ctx = data::state().ctx;
  Date today = ctx ? ctx->today : Date{};
  WidgetSet set;
  ResetWigetsDefinition(&set);
  CalculatorRun run;
  run.due = DefineWigetEx(&set, 1, 0, "Termin wpłaty - ", 10, WIDGET_DATE);
  run.paid = DefineWigetEx(&set, 2, 0, "Data wpłaty   - ", 10, WIDGET_DATE);
  Widget* sum = DefineWigetEx(&set, 4, 0, "Kwota zaległa - ", 11, WIDGET_NUMBER, "99999999.99");
  run.due->valid = date_valid;
  run.paid->valid = date_valid;
  sum->valid = [](EditControl* c) {
    if (g_calc) show_reckoning(R(std::atof(c->buffer.c_str()), 2));
    return 0;
  };
  WigetSetString(run.due, to_dbf(today).c_str());
  WigetSetString(run.paid, to_dbf(today).c_str());
  WigetSetString(sum, "0.00");
  run.window = DefineWprowadzWindow(9, 78, "OBLICZENIE ODSETEK");
  if (run.window < 0) {
    FreeWigets(&set);
    return 0;
  }
  CalculatorRun* outer = g_calc;
  g_calc = &run;
  // F2 checks every input, the amount's check reckons as Enter does.
  while (ActivateWindow(run.window, &set) == skolvarin::keys::F2) {
  }
  g_calc = outer;
  w4close(run.window);
  FreeWigets(&set);
  return 0;
}

const frame::RegisterProvider provider(frame::RegisterId::InterestCalculator, calculator_main);

}  // namespace

}  // namespace skolvarin::interest
