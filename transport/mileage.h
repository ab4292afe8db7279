// The money and rules of vehicles, trips and transport bills, as plain
// functions: the capacity classes and their current rates, the value of a
// trip, fuel densities and weights, the yearly summary of bills by month
// and fuel, and the settlement of a private car's bills against its mileage
// allowance.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "host/api/calendar.h"

namespace skolvarin::transport {

// Engine capacity classes as the vehicle keeps them (the list texts
// without their numbers).
inline constexpr const char* kUpTo900 = "do  900 cm";
inline constexpr const char* kOver900 = "pow 900 cm";
enum class CapacityClass { UpTo900, Over900 };
// A text beginning with "p" is the class over 900 cm³; any other value
// (blank too) counts as up to 900 cm³.
CapacityClass capacity_class(std::string_view text);

// The vehicle's type: "S" company ("SŁUŻBOWY"), anything else private
// ("PRYWATNY").
bool is_company(std::string_view type);
const char* vehicle_kind(std::string_view type);

// Value of a trip: 0 for a company vehicle; otherwise km × rate rounded to
// the grosz.
double trip_value(bool company, long km, double rate);

// The current rate of each class.
struct CurrentRates {
  double up_to_900 = 0, over_900 = 0;
  double of(CapacityClass c) const { return c == CapacityClass::Over900 ? over_900 : up_to_900; }
  void set(CapacityClass c, double rate) { (c == CapacityClass::Over900 ? over_900 : up_to_900) = rate; }
};
struct TripRate {
  Date date;
  long recno = 0;        // ties of one date: the later record is the later trip
  bool company = false;  // company trips set no rate
  std::string capacity;  // POJ
  double rate = 0;       // CEK
};
// The rates a register starts with: for each class the rate of the latest
// private trip of that class (0 when there is none).
CurrentRates rates_from_trips(std::span<const TripRate> trips);

// Fuels: 1 "benzyna", 2 "propan-butan", 3 "gaz ziemny", 4 "olej napędowy",
// 5 "biodiesel"; another code is no fuel ("brak").
inline constexpr int kFuels = 5;
const char* fuel_name(int code);
// Kilograms per litre (or cubic metre); 0 for another code.
double fuel_density(int code);
// Weight of a bill's fuel: quantity × density when the quantity is over 1,
// else 0; rounded to the field's two decimals.
double fuel_weight(double quantity, int fuel);
// Value of a bill: quantity × price per unit, to the grosz.
double bill_value(double quantity, double unit_price);

// The yearly summary of bills: per month and column (fuels 1 to 5, then
// other expenses), quantity, weight and value.  A bill of 1 unit or less,
// or of no fuel, is another expense (its value only).
struct SummaryCell {
  double quantity = 0, weight = 0, value = 0;
};
inline constexpr int kOtherColumn = kFuels;  // index of the other expenses
struct BillLine {
  int month = 0;  // 1..12
  int fuel = 0;
  double quantity = 0, weight = 0, value = 0;
};
struct YearSummary {
  std::array<std::array<SummaryCell, kFuels + 1>, 12> months{};
  std::array<SummaryCell, kFuels + 1> year{};
  std::array<double, 12> month_value{};  // all columns of a month
  double total = 0;
};
YearSummary summarize_bills(std::span<const BillLine> bills);

// The settlement of bills against trips: running totals B of bills and T of
// trips up to and including each month; the month books min(B, T) less what
// the earlier months booked.
struct MonthSettlement {
  double bills = 0, trips = 0, to_book = 0;
};
struct Settlement {
  std::array<MonthSettlement, 12> months{};
  MonthSettlement year;
};
Settlement settle(const std::array<double, 12>& bills, const std::array<double, 12>& trips);

// The odometer at the start of a mileage record: the stored start reading
// plus the kilometres driven before the period, as a whole number.
long odometer_at(double stored_start, long km_before);

}  // namespace skolvarin::transport
