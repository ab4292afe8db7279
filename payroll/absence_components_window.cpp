// The window "Obliczenie kwoty świadczenia" and its print: the same lines,
// shown in a window (with the choice to print them) or printed.
#include <cstdio>
#include <string>
#include <vector>

#include "data/module_state.h"
#include "host/api/browse_api.h"
#include "host/api/keys.h"
#include "host/api/print_api.h"
#include "host/api/screen_api.h"
#include "payroll/absence_components.h"

namespace skolvarin::payroll {
namespace {

constexpr const char* kTitle = "Obliczenie kwoty świadczenia";
constexpr int kFirstDaysUnpaid = 137;   // "Nie przysługuje zasiłek za pierwsze dni !"
constexpr int kReduceBenefit = 60;      // "Czy zmniejszyć zasiłek ?"

std::string money(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%12.2f", v);
  std::string s = text;
  for (char& c : s)
    if (c == '.') c = ',';
  return s;
}

std::string month_text(int year, int month) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%04d", month, year);
  return text;
}

}  // namespace

std::vector<std::string> benefit_calculation_lines(const BenefitCalculation& c, const PayrollParameters& p) {
  std::vector<std::string> lines;
  lines.push_back("nazwisko i imię: " + c.person);
  lines.push_back("obliczenie dla " + month_text(c.year, c.month) + " za " + std::to_string(c.base.months.size()) +
                  " m-cy");
  if (c.base.month_of_hiring) {
    lines.push_back("brak miesięcy do średniej: podstawa z płacy zasadniczej");
  } else {
    lines.push_back("   m-c/rok    kwota po składkach");
    for (size_t i = 0; i < c.base.months.size(); ++i) {
      const AveragesEntry& m = c.base.months[i];
      lines.push_back("   " + month_text(m.year, m.month) + " " + money(c.base.month_amounts[i]));
    }
  }
  lines.push_back("podstawa wymiaru (miesięczna) " + money(c.base.base));
  if (c.base.raised_to_floor) lines.push_back("Uwaga korekta wg płacy minimal.!");
  lines.push_back("świadcz.  dni  st.dzienna  dni późn.  st.obniżona        kwota");
  for (const AbsenceComponent& b : c.benefits) {
    char row[120];
    if (b.computed)
      std::snprintf(row, sizeof row, "%-8s %4d %11s %10d %12s %12s", b.KGS.c_str(), b.ILD,
                    money(b.daily).c_str() + 1, b.late_days, money(b.late_daily).c_str(), money(b.KWO).c_str());
    else
      std::snprintf(row, sizeof row, "%-8s %4d  kwota wpisywana ręcznie", b.KGS.c_str(), b.ILD);
    lines.emplace_back(row);
  }
  char rates[120];
  std::snprintf(rates, sizeof rates, "składki pracownika: %.2f%% + %.2f%% + %.2f%%", p.pension_employee,
                p.disability_employee, p.sickness);
  lines.emplace_back(rates);
  return lines;
}

bool settle_absence_components(AbsenceComponents& r) {
  if (r.alarm != 0) {
    Alarm(r.alarm);
    return false;
  }
  for (int m : r.messages) Uwaga(m);
  for (size_t i : r.first_days_questions) {
    if (i >= r.components.size()) continue;
    AbsenceComponent& c = r.components[i];
    std::string what = c.KGS + " " + to_shown(c.DOD) + " - " + to_shown(c.DDO);
    MessageWindow(2 | 16, kFirstDaysUnpaid, what.c_str(), 0);
    if (Pytanie(kReduceBenefit) != keys::Esc) agree_first_days(c);
  }
  return true;
}

int print_benefit_calculation(const BenefitCalculation& c, const PayrollParameters& p) {
  if (init_prn(data::state().ctx, "SWIADCZENIE", kTitle) != 0) return -1;
  print_line(kTitle);
  print_line("");
  for (const std::string& l : benefit_calculation_lines(c, p)) print_line(l.c_str());
  return deinit_prn(1) < 0 ? -1 : 0;
}

int show_benefit_calculation(const BenefitCalculation& c, const PayrollParameters& p) {
  std::vector<std::string> lines = benefit_calculation_lines(c, p);
  const int rows = static_cast<int>(lines.size()) + 2;
  int window = DefineWprowadzWindow(rows, 70, kTitle);
  if (window < 0) return keys::Esc;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  int r = 0;
  for (const std::string& l : lines) DefineWigetEx(&set, r++, 1, l.c_str(), 0, WIDGET_LABEL);
  Widget* print = DefineWigetEx(&set, r + 1, 1, "drukować obliczenie ? ", 1, WIDGET_YESNO);
  WigetSetString(print, "N");
  int key = ActivateWindow(window, &set);
  const bool wanted = key == keys::F2 && print->value == "T";
  FreeWigets(&set);
  w4close(window);
  if (wanted) print_benefit_calculation(c, p);
  return key;
}

}  // namespace skolvarin::payroll
