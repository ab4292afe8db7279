// The PIT forms' computations against figures worked out by hand from the
// tax act (scale 18% / 32% over 85 528, reducing amount 556.02 to 2016).
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "declarations/pit_forms.h"
#include "host/api/rounding.h"

using namespace skolvarin;
using namespace skolvarin::declarations;

namespace {

const std::vector<payroll::TaxScaleRow> kScale2015 = {{0, 0, 18}, {85528, 14839.02, 32}};

std::map<int, std::string> by_number(const std::vector<PitPosition>& positions) {
  std::map<int, std::string> m;
  for (const auto& p : positions) m[p.number] = p.value;
  return m;
}

}  // namespace

TEST(PitForms, YearlyReducingAmountFollowsTheActOfTheYear) {
  struct Case {
    int year;
    double base, amount;
  } cases[] = {
      {2015, 30000, 556.02}, {2016, 200000, 556.02},
      {2018, 5000, 1188},    {2018, 8800, 872.01},   // 1188 - 631.98 * 2200 / 4400
      {2018, 50000, 556.02}, {2018, 100000, 361.99},  // 556.02 - 556.02 * 14472 / 41472
      {2018, 130000, 0},     {2020, 7000, 1360},
      {2023, 50000, 3600},
  };
  for (const auto& c : cases)
    EXPECT_TRUE(same_grosz(yearly_reducing_amount(c.year, c.base), c.amount)) << c.year << " " << c.base;
}

TEST(PitForms, Pit40ComputesTheYearsTaxAndTheDifference) {
  // Below the threshold: 98 665 income, 13 710 social → base 84 955;
  // 84 955 * 18% = 15 291.90 - 556.02 = 14 735.88; less 7 000 health =
  // 7 735.88 → 7 736 due; 12 000 advances → 4 264 overpaid.
  std::vector<PayValues> pay = {{1, 6, 60000, 800, 8226, 4200, 7200}, {1, 7, 40000, 535, 5484, 2800, 4800},
                                {2, 7, 999, 0, 0, 0, 0}};
  auto r = compute_pit40(1, 2015, pay, kScale2015);
  ASSERT_TRUE(r);
  EXPECT_TRUE(same_grosz(r->number("R37"), 100000));
  EXPECT_TRUE(same_grosz(r->number("R39"), 98665));
  EXPECT_TRUE(same_grosz(r->number("R71"), 84955));
  EXPECT_TRUE(same_grosz(r->number("R72"), 14735.88));
  EXPECT_TRUE(same_grosz(r->number("R74"), 7735.88));
  EXPECT_TRUE(same_grosz(r->number("R80"), 7736));
  EXPECT_TRUE(same_grosz(r->number("R82"), 4264));
  EXPECT_TRUE(same_grosz(r->number("R83"), 0));
  // Above it: 14 839.02 + 34 472 * 32% = 25 870.06 - 556.02 = 25 314.04.
  std::vector<PayValues> high = {{3, 12, 120000, 0, 0, 0, 20000}};
  r = compute_pit40(3, 2015, high, kScale2015);
  ASSERT_TRUE(r);
  EXPECT_TRUE(same_grosz(r->number("R72"), 25314.04));
  EXPECT_TRUE(same_grosz(r->number("R83"), 5314));
  EXPECT_FALSE(compute_pit40(9, 2015, pay, kScale2015));
}

TEST(PitForms, Pit11PutsEachIncomeInItsRowAndLeavesFlatRateOut) {
  std::vector<PayValues> pay = {{1, 1, 3000, 111.25, 411.30, 201.29, 184}, {1, 2, 3000, 111.25, 411.30, 201.29, 184}};
  std::vector<ContractValues> bills = {
      {1, 3, 1, 5, 1000, 200, 0, 90, 1000, 144},      // mandate: row 7
      {1, 4, 2, 6, 2000, 1000, 0, 0, 0, 180},         // author's rights: row 10
      {1, 5, 3, 5, 150, 0, 0, 0, 0, 27},              // flat rate: not here
      {2, 5, 1, 5, 500, 100, 0, 0, 0, 72},            // another person
  };
  auto r = compute_pit11(1, 2015, pay, bills, 7.75);
  ASSERT_TRUE(r);
  auto p = by_number(pit11_positions(*r));
  EXPECT_EQ(p[25], "6000.00");
  EXPECT_EQ(p[26], "222.50");
  EXPECT_EQ(p[27], "5777.50");
  EXPECT_EQ(p[29], "368");
  EXPECT_EQ(p[49], "1000.00");
  EXPECT_EQ(p[51], "800.00");
  EXPECT_EQ(p[52], "144");
  EXPECT_EQ(p[56], "2000.00");
  EXPECT_EQ(p[57], "1000.00");
  EXPECT_EQ(p[54], "1000.00");
  EXPECT_EQ(p[55], "180");
  EXPECT_EQ(p[66], "822.60");
  // 402.58 from the pay records and 7.75% of the 1000 base, 77.50 (below the 90 paid).
  EXPECT_EQ(p[68], "480.08");
  EXPECT_EQ(r->text("DAOD"), "20150101");
  EXPECT_EQ(r->text("DADO"), "20150430");
  EXPECT_FALSE(compute_pit11(3, 2015, pay, bills, 7.75));
}

TEST(PitForms, MonthlyFormsCountPeopleAndKeepWhatWasTyped) {
  std::vector<PayValues> pay = {{1, 1, 3000, 0, 0, 0, 184}, {2, 1, 2000, 0, 0, 0, 100}, {1, 2, 3000, 0, 0, 0, 184}};
  std::vector<ContractValues> bills = {{3, 1, 1, 5, 1000, 200, 0, 0, 0, 144}, {3, 1, 4, 5, 150, 0, 0, 0, 0, 27}};
  std::map<int, PitRecord> typed;
  typed[1].numbers = {{"MIE", 1}, {"WYN", 2}, {"Z01", 999}};
  auto m = compute_pit4r(pay, bills, typed);
  ASSERT_EQ(m.size(), 12u);
  EXPECT_TRUE(same_grosz(m[0].number("P01"), 2));
  EXPECT_TRUE(same_grosz(m[0].number("Z01"), 284));
  EXPECT_TRUE(same_grosz(m[0].number("P0R"), 1));
  EXPECT_TRUE(same_grosz(m[0].number("ZAP"), 428));
  EXPECT_TRUE(same_grosz(m[0].number("KZA"), 426));
  EXPECT_TRUE(same_grosz(m[1].number("KZA"), 184));

  std::map<int, PitRecord> typed8;
  typed8[1].numbers = {{"MIE", 1}, {"C06", 1234}, {"C16", 1}};
  auto a = compute_pit8ar(bills, typed8);
  EXPECT_TRUE(same_grosz(a[0].number("C05"), 27));
  EXPECT_TRUE(same_grosz(a[0].number("C15"), 1261));
  auto p = by_number(pit8ar_positions(a, 2015));
  EXPECT_EQ(p[9 + 4 * 12], "27");     // row 5, January
  EXPECT_EQ(p[69], "1234");           // row 6 as stored from 2015
  EXPECT_EQ(p[201], "1260");          // row 17: total less the fee
  auto old = by_number(pit8ar_positions(a, 2014));
  EXPECT_EQ(old[69], "12.34");        // old variants: rows 69, 81, 165, 189 × 0.01
  EXPECT_EQ(old[189], "0.01");
  EXPECT_EQ(old[57], "27");
  EXPECT_EQ(old.size(), 17u * 12u);
}

TEST(PitForms, YearsAndReasons) {
  EXPECT_EQ(pit_year_refusal(PitForm::Pit4R, 2012), 186);
  EXPECT_EQ(pit_year_refusal(PitForm::Pit8AR, 2012), 186);
  EXPECT_EQ(pit_year_refusal(PitForm::Pit4R, 2013), 0);
  EXPECT_EQ(pit_year_refusal(PitForm::Pit11, 2012), 0);
  PitRecord r;
  r.texts = {{"KW1", "  Błąd w kwocie  "}, {"KW2", ""}, {"KW3", "przychodu"}};
  EXPECT_EQ(correction_reasons(r), "Błąd w kwocie przychodu");
  EXPECT_EQ(pit_form_from_name("pit-8ar"), PitForm::Pit8AR);
  EXPECT_FALSE(pit_form_from_name("PIT-37"));
}
