// Catalogue positions of component codes and the classification of
// components into the 15 component sums.
#include <gtest/gtest.h>

#include "host/api/rounding.h"
#include "payroll/component_catalogue.h"
#include "payroll/component_sums.h"

namespace skolvarin::payroll {
namespace {

TEST(ComponentCatalogue, PositionsOfKnownCodes) {
  struct Case {
    const char* code;
    int pos;
  } cases[] = {{"D11", 0}, {"D11 ", 0}, {"D121", 1}, {"D507", 14}, {"P111", 15}, {"P999", 40}, {"S211", 41},
               {"S331", 62}, {"S500", 71}, {"S502", 73}, {"P319", 74}, {"D508", 87}, {"S329", 88}, {"X111", -1},
               {"D12", -1}, {"", -1}};
  for (const Case& c : cases) EXPECT_EQ(catalogue_position(c.code), c.pos) << c.code;
  EXPECT_EQ(component_catalogue().size(), 89u);
}

TEST(ComponentCatalogue, LetterlessAndAbsenceCatalogues) {
  EXPECT_EQ(letterless_position("11"), 0);
  EXPECT_EQ(letterless_position("50"), 6);
  EXPECT_EQ(letterless_position("329"), 56);
  EXPECT_EQ(letterless_position("3290"), 56);  // three characters compared
  EXPECT_EQ(letterless_position("999"), -1);
  EXPECT_EQ(absence_position("N111"), 0);
  EXPECT_EQ(absence_position("N800"), 18);
  EXPECT_EQ(absence_position("N399"), 24);
  EXPECT_EQ(absence_position("S311"), -1);
}

TEST(ComponentSums, ClassificationByLetterAndSwitches) {
  ComponentSums s;
  DeclarationBenefitSums extra;
  const ComponentLine lines[] = {
      {"D11", 'T', 'T', 3000.00},   // base pay: DPI, DZP
      {"D503", 'T', 'N', 100.00},   // taxed, no ZUS: DPI only
      {"D505", 'N', 'T', 50.00},    // untaxed, ZUS: DNI, DZN
      {"D507", 'T', 'T', 20.00},    // also PFP
      {"D900", 'N', 'N', 7.00},     // outside the catalogue, by its letter: DNI
      {"P311", 'T', 'T', 400.00},   // PPI, PZP
      {"P901", 'N', 'N', 30.00},    // PNI
      {"S331", 'T', 'N', 350.00},   // employer sick pay: WZC, SPI
      {"S313", 'T', 'N', 250.00},   // ZUS benefit: SPI, ODB
      {"S500", 'N', 'N', 48.00},    // family allowance: SNI
  };
  for (const auto& l : lines) ASSERT_TRUE(classify_component(l, s, &extra)) << l.code;
  EXPECT_DOUBLE_EQ(R(s.DPI, 2), 3120.00);  // 3000 + 100 + 20
  EXPECT_DOUBLE_EQ(R(s.DZP, 2), 3020.00);  // 3000 + 20
  EXPECT_DOUBLE_EQ(R(s.DNI, 2), 57.00);    // 50 + 7
  EXPECT_DOUBLE_EQ(R(s.DZN, 2), 50.00);
  EXPECT_DOUBLE_EQ(s.PFP, 20.00);
  EXPECT_DOUBLE_EQ(s.PPI, 400.00);
  EXPECT_DOUBLE_EQ(s.PZP, 400.00);
  EXPECT_DOUBLE_EQ(s.PNI, 30.00);
  EXPECT_DOUBLE_EQ(s.PZN, 0.00);
  EXPECT_DOUBLE_EQ(s.WZC, 350.00);
  EXPECT_DOUBLE_EQ(R(s.SPI, 2), 600.00);
  EXPECT_DOUBLE_EQ(s.SZP, 0.00);
  EXPECT_DOUBLE_EQ(s.SNI, 48.00);
  EXPECT_DOUBLE_EQ(s.ODB, 250.00);
  EXPECT_DOUBLE_EQ(extra.zus_benefits, 250.00);
  EXPECT_DOUBLE_EQ(extra.benefit_days, 250.00);
  EXPECT_DOUBLE_EQ(extra.allowances, 48.00);
}

TEST(ComponentSums, BenefitListsDifferBetweenTheDeclarationSums) {
  // S314 is a ZUS-financed benefit and in the first declaration sum, but
  // not in the second; S399 is sick pay, in none of them.
  ComponentSums s;
  DeclarationBenefitSums extra;
  classify_component({"S314", 'T', 'N', 100.0}, s, &extra);
  classify_component({"S399", 'T', 'N', 10.0}, s, &extra);
  EXPECT_DOUBLE_EQ(s.ODB, 100.0);
  EXPECT_DOUBLE_EQ(s.WZC, 10.0);
  EXPECT_DOUBLE_EQ(extra.zus_benefits, 100.0);
  EXPECT_DOUBLE_EQ(extra.benefit_days, 0.0);
}

TEST(ComponentSums, UnknownLetterIsRefusedAndChangesNothing) {
  ComponentSums s;
  s.DPI = 5;
  EXPECT_FALSE(classify_component({"N331", 'T', 'T', 100.0}, s));
  EXPECT_FALSE(classify_component({"X1", 'T', 'T', 100.0}, s));
  EXPECT_FALSE(classify_component({"", 'T', 'T', 100.0}, s));
  EXPECT_TRUE(s.same_as(ComponentSums::from_array({5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})));
}

TEST(ComponentSums, ComparisonIsToTheGrosz) {
  ComponentSums a, b;
  a.DPI = 0.1 + 0.2;
  b.DPI = 0.3;
  EXPECT_TRUE(a.same_as(b));
  b.ODB = 0.01;
  EXPECT_FALSE(a.same_as(b));
  EXPECT_EQ(ComponentSums::from_array(b.as_array()).ODB, 0.01);
}

}  // namespace
}  // namespace skolvarin::payroll
