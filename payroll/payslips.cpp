// Payslips: one page per pay record with every component, the contributions,
// the tax advance, the amount paid out and the person's sums of the year up
// to the record's month.
#include <cstdio>
#include <string>

#include "data/module_state.h"
#include "host/api/print_api.h"
#include "host/api/rounding.h"
#include "payroll/pay_lists.h"

namespace skolvarin::payroll {

namespace {

constexpr const char* kMonths[] = {"styczeń", "luty",     "marzec",   "kwiecień",    "maj",      "czerwiec",
                                   "lipiec",  "sierpień", "wrzesień", "październik", "listopad", "grudzień"};

// An amount with a decimal comma.
std::string amount(double v) {
  char t[32];
  std::snprintf(t, sizeof t, "%.2f", R(v, 2));
  std::string s = t;
  for (char& c : s)
    if (c == '.') c = ',';
  return s;
}

// "label ..... amount" in 60 columns (the label in UTF-8 may be wider in bytes).
std::string row(const std::string& label, double v) {
  std::string a = amount(v);
  size_t shown = 0;
  for (unsigned char c : label)
    if ((c & 0xC0) != 0x80) ++shown;
  std::string s = "  " + label + " ";
  size_t width = 2 + shown + 1;
  while (width + a.size() < 60) {
    s += '.';
    ++width;
  }
  return s + " " + a;
}

struct YearSums {
  double gross = 0, social = 0, health = 0, advance = 0, paid = 0;
};

YearSums year_sums(const ListEnv& env, const PayRecord& r) {
  YearSums y;
  long keep = d4recno(env.pens);
  TAG4* saved = d4tag_selected(env.pens);
  // The person's records through the first tag (KOD, month, list).
  TAG4* by_person = d4tag(env.pens, 1);
  d4tag_select(env.pens, by_person);
  char key[16];
  std::snprintf(key, sizeof key, "%5ld", r.KOD);
  for (int rc = by_person ? d4seek(env.pens, key) : d4top(env.pens); rc == 0 && !d4eof(env.pens);
       rc = d4skip(env.pens, 1)) {
    PayRecord o;
    read_pay_record(env, o);
    if (by_person && o.KOD != r.KOD) break;
    if (d4deleted(env.pens) || o.KOD != r.KOD || o.MIE > r.MIE) continue;
    y.gross += o.a.BRP;
    y.social += o.a.KEU + o.a.KRU + o.a.KCU;
    y.health += o.a.KZU;
    y.advance += o.a.ODZ;
    y.paid += o.a.WYP;
  }
  d4tag_select(env.pens, saved);
  if (keep > 0) d4go(env.pens, keep);
  return y;
}

}  // namespace

int print_payslips(const ListEnv& env, const std::vector<long>& recnos) {
  bool first = true;
  for (long recno : recnos) {
    PayRecord r;
    if (!read_pay_record(env, recno, r)) continue;
    if (!first) drukuj_form_feed();
    first = false;
    const YearSums y = year_sums(env, r);
    char head[160];
    std::snprintf(head, sizeof head, "PASEK WYPŁATY   lista nr %d   %s %d", r.NRL,
                  r.MIE >= 1 && r.MIE <= 12 ? kMonths[r.MIE - 1] : "?", env.year);
    print_line(head);
    print_line("");
    print_line(("  " + r.NAZ + " " + r.IMI).c_str());
    std::snprintf(head, sizeof head, "  data wypłaty: %02d-%02d-%04d", r.DWY.day, r.DWY.month, r.DWY.year);
    print_line(head);
    print_line("");
    print_line("  SKŁADNIKI");
    for (const PayComponent& c : components_of(env, r.REC)) {
      char line[200];
      std::snprintf(line, sizeof line, "  %-4s %-40.40s %14s", c.KGS.c_str(), c.NA1.c_str(), amount(c.KWO).c_str());
      print_line(line);
    }
    print_line("");
    print_line(row("Płaca brutto", r.a.BRP).c_str());
    print_line(row("Składka emerytalna", r.a.KEU).c_str());
    print_line(row("Składka rentowa", r.a.KRU).c_str());
    print_line(row("Składka chorobowa", r.a.KCU).c_str());
    print_line(row("Składka zdrowotna", r.a.KZU).c_str());
    print_line(row("Koszty uzyskania", r.a.KUZ).c_str());
    print_line(row("Podstawa opodatkowania", r.a.POP).c_str());
    print_line(row("Zaliczka na podatek", r.a.ODZ).c_str());
    print_line(row("Do wypłaty", r.a.WYP).c_str());
    if (r.a.PCO > 0) print_line(row("- na konto", r.a.PCO).c_str());
    if (r.a.SCO > 0) print_line(row("- gotówka", r.a.SCO).c_str());
    print_line("");
    print_line("  OD POCZĄTKU ROKU");
    print_line(row("Płace brutto", y.gross).c_str());
    print_line(row("Składki na ubezpieczenia społeczne", y.social).c_str());
    print_line(row("Składki zdrowotne", y.health).c_str());
    print_line(row("Zaliczki na podatek", y.advance).c_str());
    print_line(row("Wypłacono", y.paid).c_str());
  }
  return first ? -1 : 0;
}

}  // namespace skolvarin::payroll
