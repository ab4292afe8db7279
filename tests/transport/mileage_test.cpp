// The money and rules of vehicles, trips and bills, against figures worked
// out by hand.
#include <gtest/gtest.h>

#include "host/api/rounding.h"
#include "transport/bill_reports.h"
#include "transport/mileage.h"
#include "transport/mileage_record.h"

using namespace skolvarin;
using namespace skolvarin::transport;

namespace {
Date D(int y, int m, int d) { return Date{y, m, d}; }
}  // namespace

TEST(Mileage, TripValueAndCapacityClasses) {
  struct Case {
    bool company;
    long km;
    double rate;
    double value;
  } cases[] = {
      {false, 120, 0.8125, 97.50},  // a car over 900 cm³ at its rate
      {false, 37, 0.5214, 19.29},   // 19.2918 to the grosz
      {false, 3, 0.8358, 2.51},     // 2.5074
      {true, 120, 0.8125, 0.0},     // a company car's trip is worth nothing
      {false, 0, 0.8125, 0.0},
  };
  for (const Case& c : cases)
    EXPECT_TRUE(same_grosz(trip_value(c.company, c.km, c.rate), c.value)) << c.km << " km at " << c.rate;
  EXPECT_EQ(capacity_class(kOver900), CapacityClass::Over900);
  EXPECT_EQ(capacity_class(kUpTo900), CapacityClass::UpTo900);
  EXPECT_EQ(capacity_class(""), CapacityClass::UpTo900);
  EXPECT_TRUE(is_company("S"));
  EXPECT_FALSE(is_company("P"));
  EXPECT_STREQ(vehicle_kind("S"), "SŁUŻBOWY");
  EXPECT_STREQ(vehicle_kind(" "), "PRYWATNY");
}

TEST(Mileage, CurrentRatesComeFromTheLatestPrivateTripOfEachClass) {
  std::vector<TripRate> trips = {
      {D(2026, 3, 1), 1, false, kUpTo900, 0.5214},
      {D(2026, 5, 1), 2, false, kOver900, 0.8358},
      {D(2026, 4, 1), 3, false, kUpTo900, 0.5000},  // later than record 1 by date
      {D(2026, 6, 1), 4, true, "", 0.9999},         // a company trip sets nothing
      {D(2026, 5, 1), 5, false, kOver900, 0.8125},  // same day as record 2, entered later
  };
  CurrentRates r = rates_from_trips(trips);
  EXPECT_DOUBLE_EQ(r.up_to_900, 0.5000);
  EXPECT_DOUBLE_EQ(r.over_900, 0.8125);
  CurrentRates none = rates_from_trips({});
  EXPECT_DOUBLE_EQ(none.of(CapacityClass::UpTo900), 0);
  EXPECT_DOUBLE_EQ(none.of(CapacityClass::Over900), 0);
}

TEST(Mileage, FuelWeightAndBillValue) {
  EXPECT_TRUE(same_grosz(fuel_weight(40, 1), 30.20));   // 40 l of petrol
  EXPECT_TRUE(same_grosz(fuel_weight(50, 4), 42.00));   // diesel
  EXPECT_TRUE(same_grosz(fuel_weight(30, 2), 15.00));   // LPG
  EXPECT_TRUE(same_grosz(fuel_weight(0.5, 1), 0));      // 1 unit or less weighs nothing
  EXPECT_TRUE(same_grosz(fuel_weight(1, 1), 0));
  EXPECT_TRUE(same_grosz(fuel_weight(40, 0), 0));       // no fuel
  EXPECT_TRUE(same_grosz(bill_value(40, 6.19), 247.60));
  EXPECT_TRUE(same_grosz(bill_value(33.33, 5.999), 199.95));  // 199.94667
  EXPECT_STREQ(fuel_name(4), "olej napędowy");
  EXPECT_STREQ(fuel_name(9), "brak");
}

TEST(Mileage, SettlementBooksNoMoreThanTheAllowanceCovers) {
  std::array<double, 12> bills{}, trips{};
  bills[0] = 500;
  trips[0] = 300;
  trips[1] = 300;
  Settlement s = settle(bills, trips);
  EXPECT_TRUE(same_grosz(s.months[0].to_book, 300));
  EXPECT_TRUE(same_grosz(s.months[1].to_book, 200));
  for (size_t m = 2; m < 12; ++m) EXPECT_TRUE(same_grosz(s.months[m].to_book, 0)) << m;
  EXPECT_TRUE(same_grosz(s.year.to_book, 500));
  // Trips above the bills every month: exactly the bills.
  std::array<double, 12> b2{}, t2{};
  for (size_t m = 0; m < 12; ++m) {
    b2[m] = 100.10 + static_cast<double>(m);
    t2[m] = 1000;
  }
  Settlement all = settle(b2, t2);
  for (size_t m = 0; m < 12; ++m) EXPECT_TRUE(same_grosz(all.months[m].to_book, b2[m])) << m;
}

TEST(Mileage, YearSummaryPutsSmallQuantitiesAmongOtherExpenses) {
  std::vector<BillLine> bills = {
      {1, 1, 40, 30.20, 247.60},
      {1, 1, 10, 7.55, 60.00},
      {1, 1, 0.5, 0, 25.00},   // oil top-up: other expense
      {2, 4, 50, 42.00, 300.00},
      {2, 0, 3, 0, 80.00},     // no fuel: other expense
  };
  YearSummary s = summarize_bills(bills);
  EXPECT_TRUE(same_grosz(s.months[0][0].quantity, 50));
  EXPECT_TRUE(same_grosz(s.months[0][0].weight, 37.75));
  EXPECT_TRUE(same_grosz(s.months[0][0].value, 307.60));
  EXPECT_TRUE(same_grosz(s.months[0][kOtherColumn].value, 25.00));
  EXPECT_TRUE(same_grosz(s.months[0][kOtherColumn].quantity, 0));
  EXPECT_TRUE(same_grosz(s.month_value[0], 332.60));
  EXPECT_TRUE(same_grosz(s.year[3].weight, 42.00));
  EXPECT_TRUE(same_grosz(s.year[kOtherColumn].value, 105.00));
  EXPECT_TRUE(same_grosz(s.total, 712.60));
}

TEST(Mileage, MileageRecordNumbersTripsAndTotals) {
  MileageRecord m;
  m.company = false;
  m.registration = "WA 12345";
  m.from = D(2026, 1, 1);
  m.to = D(2026, 1, 31);
  m.trips = {{D(2026, 1, 5), "Warszawa-Radom", "klient", 120, 0.8125, 97.50, "", ""},
             {D(2026, 1, 9), "Radom-Kielce", "dostawa", 80, 0.8125, 65.00, "", ""}};
  std::vector<std::string> header = {"Dane firmy:", "", "", "", "", "", "  numer rejestracyjny:", "od dnia:"};
  auto lines = mileage_record_lines(m, header);
  ASSERT_GE(lines.size(), 11u);
  EXPECT_NE(lines[6].find("WA 12345"), std::string::npos);
  EXPECT_NE(lines[7].find("01-01-2026"), std::string::npos);
  EXPECT_EQ(lines[8].rfind("   1 05-01-2026", 0), 0u) << lines[8];
  EXPECT_EQ(lines[9].rfind("   2 09-01-2026", 0), 0u) << lines[9];
  EXPECT_NE(lines.back().find("RAZEM"), std::string::npos);
  EXPECT_NE(lines.back().find("200"), std::string::npos);
  EXPECT_NE(lines.back().find("162,50"), std::string::npos);
  EXPECT_EQ(odometer_at(12000.0, 350), 12350);
}
