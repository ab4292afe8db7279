#include "transport/bill_reports.h"

#include <cstdio>

#include "host/api/rounding.h"

namespace skolvarin::transport {

namespace {

const char* const kMonths[12] = {"styczeń", "luty",     "marzec",   "kwiecień", "maj",      "czerwiec",
                                 "lipiec",  "sierpień", "wrzesień", "październik", "listopad", "grudzień"};

std::string amount(double v, int decimals, int width) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, R(v, decimals));
  std::string s = buf;
  for (char& c : s)
    if (c == '.') c = ',';
  return s;
}

// A label padded to `width` characters (UTF-8 letters count once).
std::string pad(const std::string& s, size_t width) {
  size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n >= width ? s : s + std::string(width - n, ' ');
}

size_t chars(const std::string& s) {
  size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

std::string right(const std::string& s, size_t width) {
  size_t n = chars(s);
  return n >= width ? s : std::string(width - n, ' ') + s;
}

std::string cells(const std::array<SummaryCell, kFuels + 1>& row, int what, double total, bool with_total) {
  std::string out;
  for (size_t c = 0; c < row.size(); ++c) {
    bool fuel = c < kOtherColumn;
    double v = what == 0 ? row[c].quantity : what == 1 ? row[c].weight : row[c].value;
    out += (what < 2 && !fuel) ? std::string(15, ' ') : amount(v, 2, 15);
  }
  if (with_total) out += amount(total, 2, 15);
  return out;
}

}  // namespace

std::string summary_text(const YearSummary& s, int year) {
  std::string t;
  t += "Podsumowanie ewidencji rachunków związanych z samochodami za rok " + std::to_string(year) + "\n\n";
  t += pad("", 24);
  for (int f = 1; f <= kFuels; ++f) t += right(fuel_name(f), 15);
  t += "           inne          RAZEM\n";
  t += pad("", 24) + std::string(75, ' ') + "        wydatki        wartość\n";
  t += std::string(130, '-') + "\n";
  for (size_t m = 0; m < 12; ++m) {
    t += pad(kMonths[m], 11) + pad("ilość  [l/m3]", 13) + cells(s.months[m], 0, 0, false) + "\n";
    t += pad("", 11) + pad("waga     [kg]", 13) + cells(s.months[m], 1, 0, false) + "\n";
    t += pad("", 11) + pad("wartość", 13) + cells(s.months[m], 2, s.month_value[m], true) + "\n";
  }
  t += std::string(130, '-') + "\n";
  t += pad("RAZEM", 11) + pad("ilość  [l/m3]", 13) + cells(s.year, 0, 0, false) + "\n";
  t += pad("", 11) + pad("waga     [kg]", 13) + cells(s.year, 1, 0, false) + "\n";
  t += pad("", 11) + pad("wartość", 13) + cells(s.year, 2, s.total, true) + "\n";
  return t;
}

std::string settlement_text(const Settlement& s, int year, const std::string& owner,
                            const std::string& registration) {
  std::string t;
  t += "Rok rozliczeniowy - " + std::to_string(year) + "\n";
  t += "Rozliczenie dla   - " + owner + "\n";
  t += "Nr rejestracyjny  - " + registration + "\n";
  t += std::string(66, '-') + "\n";
  t += "m-c            Z rachunków    Z przejazdów   Do zaksięgow.\n";
  t += std::string(66, '-') + "\n";
  for (size_t m = 0; m < 12; ++m) {
    char mm[8];
    std::snprintf(mm, sizeof mm, "%2zu", m + 1);
    t += std::string(mm) + "        " + amount(s.months[m].bills, 2, 16) + amount(s.months[m].trips, 2, 16) +
         amount(s.months[m].to_book, 2, 16) + "\n";
  }
  t += std::string(66, '-') + "\n";
  t += "**        " + amount(s.year.bills, 2, 16) + amount(s.year.trips, 2, 16) + amount(s.year.to_book, 2, 16) + "\n";
  return t;
}

}  // namespace skolvarin::transport
