#include "cash/ledger_rules.h"

#include <cmath>
#include <cstdio>

#include "host/api/calendar.h"
#include "host/api/rounding.h"

namespace skolvarin::cash {

namespace {
constexpr std::array<const char*, 8> kSourceNames = {
    "1. VAT-SPRZEDAŻ ", "2. VAT-ZAKUPY   ", "3. DOWODY WEWN. ", "4. AMORTYZACJE  ",
    "5. PENSJE-BRUTTO", "6. PENSJE-ZUS   ", "7. UMOWY-BRUTTO ", "8. UMOWY-ZUS    "};
}  // namespace

const std::array<const char*, 8>& source_names() { return kSourceNames; }

std::string source_name(int code) {
  return code >= 1 && code <= 8 ? kSourceNames[static_cast<size_t>(code - 1)] : "";
}

std::string status_name(char status) {
  switch (status) {
    case 'K': return "KOREKTA KOSZTÓW";
    case 'A': return "ANULOWANA";
    default: return "NORMALNA";
  }
}

long next_ordinal(long last_ordinal) { return last_ordinal > 0 ? last_ordinal + 1 : 1; }

int month_length(int month, int working_year) {
  if (month < 1 || month > 12) return 0;
  if (month == 2) return is_leap_year(working_year) ? 29 : 28;
  return days_in_month(2001, month);
}

bool day_allowed(int day, int month, int working_year) {
  return day >= 1 && day <= month_length(month, working_year);
}

bool all_amounts_zero(const BookAmounts& amounts) {
  for (double a : amounts)
    if (!same_grosz(a, 0.0)) return false;
  return true;
}

bool offers_cash_step(int source) {
  return source == kSourceDocuments || (source >= kSourcePayrollGross && source <= kSourceContractsZus);
}

CashStepEntry cash_step_entry(const BookAmounts& a) {
  double revenue = R(a[0] + a[1], 2);
  double expense = R(a[2] + a[3] + a[4] + a[5], 2);
  if (revenue > expense) return {'1', revenue};
  return {'2', R(-expense, 2)};
}

bool part_payment(const CashStepEntry& whole, double typed, double* amount) {
  auto grosze = [](double v) { return std::llround(R(v, 2) * 100.0); };
  const long long part = grosze(typed), all = grosze(whole.amount < 0 ? -whole.amount : whole.amount);
  if (part <= 0 || part > all) return false;
  *amount = whole.amount < 0 ? -static_cast<double>(part) / 100.0 : static_cast<double>(part) / 100.0;
  return true;
}

std::string book_date(int year, int month, int day) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", year % 10000, month % 100, day % 100);
  return buf;
}

}  // namespace skolvarin::cash
