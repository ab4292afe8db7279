#include "transport/mileage.h"

#include <algorithm>
#include <cmath>

#include "host/api/rounding.h"

namespace skolvarin::transport {

CapacityClass capacity_class(std::string_view text) {
  size_t b = text.find_first_not_of(' ');
  bool over = b != std::string_view::npos && (text[b] == 'p' || text[b] == 'P');
  return over ? CapacityClass::Over900 : CapacityClass::UpTo900;
}

bool is_company(std::string_view type) {
  size_t b = type.find_first_not_of(' ');
  return b != std::string_view::npos && (type[b] == 'S' || type[b] == 's');
}

const char* vehicle_kind(std::string_view type) { return is_company(type) ? "SŁUŻBOWY" : "PRYWATNY"; }

double trip_value(bool company, long km, double rate) {
  if (company) return 0;
  return R(static_cast<double>(km) * rate, 2);
}

CurrentRates rates_from_trips(std::span<const TripRate> trips) {
  CurrentRates rates;
  const TripRate* latest[2] = {nullptr, nullptr};
  for (const TripRate& t : trips) {
    if (t.company) continue;
    int c = capacity_class(t.capacity) == CapacityClass::Over900 ? 1 : 0;
    const TripRate* l = latest[c];
    long d = day_number(t.date), ld = l ? day_number(l->date) : 0;
    if (!l || d > ld || (d == ld && t.recno > l->recno)) latest[c] = &t;
  }
  if (latest[0]) rates.up_to_900 = latest[0]->rate;
  if (latest[1]) rates.over_900 = latest[1]->rate;
  return rates;
}

const char* fuel_name(int code) {
  switch (code) {
    case 1: return "benzyna";
    case 2: return "propan-butan";
    case 3: return "gaz ziemny";
    case 4: return "olej napędowy";
    case 5: return "biodiesel";
    default: return "brak";
  }
}

double fuel_density(int code) {
  switch (code) {
    case 1: return 0.755;
    case 2: return 0.5;
    case 3: return 0.74;
    case 4:
    case 5: return 0.84;
    default: return 0;
  }
}

double fuel_weight(double quantity, int fuel) {
  if (quantity <= 1) return 0;
  return R(quantity * fuel_density(fuel), 2);
}

double bill_value(double quantity, double unit_price) { return R(quantity * unit_price, 2); }

YearSummary summarize_bills(std::span<const BillLine> bills) {
  YearSummary s;
  for (const BillLine& b : bills) {
    if (b.month < 1 || b.month > 12) continue;
    bool fuel = b.quantity > 1 && b.fuel >= 1 && b.fuel <= kFuels;
    int col = fuel ? b.fuel - 1 : kOtherColumn;
    SummaryCell& c = s.months[static_cast<size_t>(b.month - 1)][static_cast<size_t>(col)];
    SummaryCell& y = s.year[static_cast<size_t>(col)];
    if (fuel) {
      c.quantity += b.quantity;
      c.weight += b.weight;
      y.quantity += b.quantity;
      y.weight += b.weight;
    }
    c.value += b.value;
    y.value += b.value;
    s.month_value[static_cast<size_t>(b.month - 1)] += b.value;
    s.total += b.value;
  }
  // Sums of two-decimal amounts, kept to the grosz.
  for (auto& m : s.months)
    for (auto& c : m) c = {R(c.quantity, 4), R(c.weight, 2), R(c.value, 2)};
  for (auto& c : s.year) c = {R(c.quantity, 4), R(c.weight, 2), R(c.value, 2)};
  for (double& v : s.month_value) v = R(v, 2);
  s.total = R(s.total, 2);
  return s;
}

Settlement settle(const std::array<double, 12>& bills, const std::array<double, 12>& trips) {
  Settlement s;
  double b = 0, t = 0, booked = 0;
  for (size_t m = 0; m < 12; ++m) {
    b += bills[m];
    t += trips[m];
    double book = R(std::min(b, t) - booked, 2);
    booked = R(booked + book, 2);
    s.months[m] = {R(bills[m], 2), R(trips[m], 2), book};
  }
  s.year = {R(b, 2), R(t, 2), booked};
  return s;
}

long odometer_at(double stored_start, long km_before) {
  return std::lround(stored_start) + km_before;
}

}  // namespace skolvarin::transport
