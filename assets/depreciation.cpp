#include "assets/depreciation.h"

#include <algorithm>
#include <cstdio>

#include "host/api/rounding.h"

namespace skolvarin::assets {

std::string booking_cutoff(int year, int month) {
  int y = month == 1 ? year - 1 : year;
  int m = month == 1 ? 12 : month - 1;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d%02d31", y, m);
  return buf;
}

bool takes_part(const AssetValues& a, int year, int month) {
  return to_dbf(a.handed_over) <= booking_cutoff(year, month);
}

double remaining_value(const AssetValues& a) { return R(a.wpz - (a.wuz + a.awo), 2); }

double monthly_writeoff(const AssetValues& a, int year, int month) {
  if (!takes_part(a, year, month)) return 0.0;
  double rest = remaining_value(a);
  if (rest <= 0.0) return 0.0;
  return std::min(a.rmo, rest);
}

double month_total(std::span<const AssetValues> assets, int year, int month) {
  double total = 0.0;
  for (const AssetValues& a : assets) total += monthly_writeoff(a, year, month);
  return R(total, 2);
}

bool apply_booking(AssetValues& a, int year, int month) {
  double w = monthly_writeoff(a, year, month);
  if (w <= 0.0) return false;
  a.awo = R(a.awo + w, 2);
  return true;
}

int booking_month(const std::optional<Date>& last_ledger_entry) {
  if (!last_ledger_entry || last_ledger_entry->empty()) return 1;
  return last_ledger_entry->month;
}

Date booking_date(int year, int month) { return last_day_of_month(year, month); }

bool month_already_booked(std::span<const LedgerMark> entries, int year, int month) {
  for (const LedgerMark& e : entries)
    if (e.date.year == year && e.date.month == month && e.source == kLedgerSourceAssets && !e.cancelled)
      return true;
  return false;
}

void close_year(AssetValues& a) {
  a.dwu = R(a.dwu + a.awo, 2);
  a.wuz = R(a.wuz + a.awo, 2);
  if (a.wpz <= a.wuz) {
    a.rso = 0.0;
    a.rmo = 0.0;
  }
  a.awo = 0.0;
}

AnnualAmounts amounts_from_base(double wpz, double sta) {
  return amounts_from_annual(R(percent_of(wpz, sta), 2));
}

AnnualAmounts amounts_from_annual(double rso) { return AnnualAmounts{rso, R(rso / 12.0, 2)}; }

}  // namespace skolvarin::assets
