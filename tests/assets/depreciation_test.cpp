#include "assets/depreciation.h"

#include <gtest/gtest.h>

#include <vector>

namespace skolvarin::assets {
namespace {

AssetValues asset(Date dpu, double wpz, double wuz, double awo, double rmo) {
  AssetValues a;
  a.handed_over = dpu;
  a.wpz = wpz;
  a.wuz = wuz;
  a.awo = awo;
  a.rmo = rmo;
  a.rso = rmo * 12;
  return a;
}

TEST(Depreciation, StartsInTheMonthAfterHandOver) {
  const struct {
    Date dpu;
    int month;
    bool takes_part;
  } cases[] = {
      {{2024, 3, 1}, 3, false},   {{2024, 3, 31}, 3, false}, {{2024, 3, 1}, 4, true},
      {{2024, 3, 31}, 4, true},   {{2023, 12, 31}, 1, true}, {{2024, 1, 1}, 1, false},
      {{2024, 1, 15}, 2, true},   {{2019, 6, 30}, 1, true},  {{2024, 12, 1}, 12, false},
      {{2025, 1, 1}, 12, false},  // handed over after the working year
  };
  for (const auto& c : cases)
    EXPECT_EQ(takes_part(asset(c.dpu, 1000, 0, 0, 10), 2024, c.month), c.takes_part)
        << to_dbf(c.dpu) << " month " << c.month;
  EXPECT_EQ(booking_cutoff(2024, 1), "20231231");
  EXPECT_EQ(booking_cutoff(2024, 5), "20240431");
}

TEST(Depreciation, WriteOffIsTheInstalmentCutToTheRemainingValue) {
  const struct {
    double wpz, wuz, awo, rmo, expected;
  } cases[] = {
      {1000.00, 0.00, 990.00, 25.00, 10.00},    // last instalment cut
      {1000.00, 0.00, 900.00, 25.00, 25.00},
      {1000.00, 500.00, 475.00, 25.00, 25.00},  // exactly the instalment left
      {1000.00, 500.00, 500.00, 25.00, 0.00},   // fully depreciated
      {1000.00, 900.00, 150.00, 25.00, 0.00},   // above the base: nothing
      {12000.00, 0.00, 0.00, 100.00, 100.00},
      {1000.10, 990.05, 0.00, 25.00, 10.05},
  };
  for (const auto& c : cases) {
    AssetValues a = asset({2020, 5, 10}, c.wpz, c.wuz, c.awo, c.rmo);
    EXPECT_DOUBLE_EQ(monthly_writeoff(a, 2024, 7), c.expected) << c.wpz << " " << c.wuz << " " << c.awo;
  }
}

TEST(Depreciation, BookingAddsToAwoAndKeepsTheInvariant) {
  AssetValues a = asset({2023, 11, 20}, 1000.00, 0.00, 0.00, 83.33);
  for (int m = 1; m <= 12; ++m) {
    EXPECT_TRUE(apply_booking(a, 2024, m));
    EXPECT_LE(a.wuz + a.awo, a.wpz + 1e-9);
  }
  // 12 × 83.33 = 999.96: 0.04 is left for the next year.
  EXPECT_DOUBLE_EQ(a.awo, 999.96);
  close_year(a);
  EXPECT_DOUBLE_EQ(a.wuz, 999.96);
  EXPECT_DOUBLE_EQ(a.rmo, 83.33);
  EXPECT_TRUE(apply_booking(a, 2025, 1));
  EXPECT_DOUBLE_EQ(a.awo, 0.04);
  EXPECT_FALSE(apply_booking(a, 2025, 2));  // nothing left: not written
  EXPECT_DOUBLE_EQ(a.awo, 0.04);
  close_year(a);
  EXPECT_DOUBLE_EQ(a.wuz, 1000.00);
  EXPECT_EQ(a.rmo, 0.0);
}

TEST(Depreciation, LiquidationDateDoesNotStopTheWriteOff) {
  // Records carry no liquidation date in the computation at all: an asset
  // with value left is written off whatever its liquidation date says.
  AssetValues a = asset({2022, 1, 3}, 5000.00, 1000.00, 200.00, 50.00);
  EXPECT_DOUBLE_EQ(monthly_writeoff(a, 2024, 6), 50.00);
}

TEST(Depreciation, MonthTotalOverTheRegister) {
  const std::vector<AssetValues> assets = {
      asset({2024, 3, 15}, 12000.00, 0.00, 0.00, 100.00),   // from April
      asset({2023, 12, 31}, 1000.00, 0.00, 990.00, 25.00),  // cut to 10.00
      asset({2020, 1, 1}, 1000.00, 1000.00, 0.00, 25.00),   // done
      asset({2024, 6, 1}, 3000.00, 0.00, 0.00, 50.00),      // not yet in May
  };
  EXPECT_DOUBLE_EQ(month_total(assets, 2024, 3), 10.00);
  EXPECT_DOUBLE_EQ(month_total(assets, 2024, 4), 110.00);
  EXPECT_DOUBLE_EQ(month_total(assets, 2024, 7), 160.00);
  EXPECT_DOUBLE_EQ(month_total(std::vector<AssetValues>{assets[2]}, 2024, 7), 0.00);
}

TEST(Depreciation, BookingMonthAndDate) {
  EXPECT_EQ(booking_month(std::nullopt), 1);
  EXPECT_EQ(booking_month(Date{2024, 5, 17}), 5);
  EXPECT_EQ(booking_date(2024, 2), (Date{2024, 2, 29}));
  EXPECT_EQ(booking_date(2023, 2), (Date{2023, 2, 28}));
  EXPECT_EQ(booking_date(2024, 4), (Date{2024, 4, 30}));
  EXPECT_EQ(booking_date(2024, 12), (Date{2024, 12, 31}));
}

TEST(Depreciation, MonthBookedOnlyByAnUncancelledAssetEntry) {
  const std::vector<LedgerMark> ledger = {
      {{2024, 3, 31}, 4, false},  // March booked
      {{2024, 4, 30}, 4, true},   // April entry cancelled
      {{2024, 5, 31}, 1, false},  // May: another source
  };
  EXPECT_TRUE(month_already_booked(ledger, 2024, 3));
  EXPECT_FALSE(month_already_booked(ledger, 2024, 4));
  EXPECT_FALSE(month_already_booked(ledger, 2024, 5));
  EXPECT_FALSE(month_already_booked(ledger, 2023, 3));
}

TEST(Depreciation, YearClosingPass) {
  // Fully depreciated by the year's write-offs: amounts cleared.
  AssetValues done = asset({2020, 1, 1}, 1000.00, 900.00, 100.00, 25.00);
  done.dwu = 900.00;
  close_year(done);
  EXPECT_DOUBLE_EQ(done.wuz, 1000.00);
  EXPECT_DOUBLE_EQ(done.dwu, 1000.00);
  EXPECT_EQ(done.rso, 0.0);
  EXPECT_EQ(done.rmo, 0.0);
  EXPECT_EQ(done.awo, 0.0);
  // Value left: the year moves into the history, amounts stay.
  AssetValues going = asset({2020, 1, 1}, 12000.00, 2400.00, 1200.00, 100.00);
  going.dwu = 2400.00;
  close_year(going);
  EXPECT_DOUBLE_EQ(going.wuz, 3600.00);
  EXPECT_DOUBLE_EQ(going.dwu, 3600.00);
  EXPECT_DOUBLE_EQ(going.rso, 1200.00);
  EXPECT_DOUBLE_EQ(going.rmo, 100.00);
  EXPECT_EQ(going.awo, 0.0);
}

TEST(Depreciation, AnnualAndMonthlyAmountsFromTypedValues) {
  const struct {
    double wpz, sta, rso, rmo;
  } cases[] = {
      {12000.00, 10.0, 1200.00, 100.00},
      {1000.00, 20.0, 200.00, 16.67},    // 200 / 12 = 16.666...
      {4567.89, 14.0, 639.50, 53.29},    // 639.5046 → 639.50; 53.2916 → 53.29
      {3333.33, 4.5, 150.00, 12.50},     // 149.99985 → 150.00
  };
  for (const auto& c : cases) {
    AnnualAmounts a = amounts_from_base(c.wpz, c.sta);
    EXPECT_DOUBLE_EQ(a.rso, c.rso) << c.wpz;
    EXPECT_DOUBLE_EQ(a.rmo, c.rmo) << c.wpz;
  }
  EXPECT_DOUBLE_EQ(amounts_from_annual(1000.00).rmo, 83.33);
  EXPECT_DOUBLE_EQ(amounts_from_annual(100.00).rmo, 8.33);
}

}  // namespace
}  // namespace skolvarin::assets
