// Tax scale lookups against hand-walked tables.  The two-bracket table is
// the scale of 2009-2016 (18 % up to 85 528 zł, 32 % above, tax at the
// threshold 14 839.02 zł; the PIT scale published for those years).
#include "payroll/tax_scale.h"

#include <gtest/gtest.h>

#include <vector>

#include "payroll/messages.h"

namespace skolvarin::payroll {
namespace {

const std::vector<TaxScaleRow> kScale2016 = {{0, 0, 18}, {85528, 14839.02, 32}};
const std::vector<TaxScaleRow> kThreeBrackets = {{0, 0, 10}, {1000, 100, 20}, {2000, 300, 30}};

TEST(TaxBracket, EmptyTableFailsWithMessage39) {
  TaxBracket b = tax_bracket({}, 5000);
  EXPECT_FALSE(b.ok());
  EXPECT_EQ(b.message, msg::kNoTaxTable);
}

TEST(TaxBracket, IncomeWalksToItsBracket) {
  struct Case {
    const std::vector<TaxScaleRow>* scale;
    double income, rate, previous;
  } cases[] = {
      {&kScale2016, 0, 18, -1},
      {&kScale2016, 50000, 18, -1},
      // On the threshold the income stays in the lower bracket.
      {&kScale2016, 85528, 18, -1},
      // One grosz above: highest bracket, the previous rate comes back.
      {&kScale2016, 85528.01, 32, 18},
      {&kScale2016, 300000, 32, 18},
      {&kThreeBrackets, 999.99, 10, -1},
      {&kThreeBrackets, 1000, 10, -1},
      {&kThreeBrackets, 1500, 20, -1},
      {&kThreeBrackets, 2000, 20, -1},
      {&kThreeBrackets, 2000.01, 30, 20},
  };
  for (const Case& c : cases) {
    TaxBracket b = tax_bracket(*c.scale, c.income);
    ASSERT_TRUE(b.ok());
    EXPECT_DOUBLE_EQ(b.rate, c.rate) << c.income;
    EXPECT_DOUBLE_EQ(b.previous, c.previous) << c.income;
  }
}

TEST(TaxBracket, OneRowTableGivesItsRateTwice) {
  const std::vector<TaxScaleRow> one = {{0, 0, 19}};
  for (double income : {0.0, 10.0, 1e6}) {
    TaxBracket b = tax_bracket(one, income);
    EXPECT_DOUBLE_EQ(b.rate, 19);
    EXPECT_DOUBLE_EQ(b.previous, 19);
  }
}

TEST(TaxBracket, RowsAreTakenInTableOrderNotSorted) {
  // A table stored out of order is walked as it is: the second row's PODS
  // (0) is below every positive income, so the walk ends on it.
  const std::vector<TaxScaleRow> unsorted = {{85528, 14839.02, 32}, {0, 0, 18}};
  TaxBracket b = tax_bracket(unsorted, 1000);
  EXPECT_DOUBLE_EQ(b.rate, 18);
  EXPECT_DOUBLE_EQ(b.previous, 32);
}

TEST(TaxOfYearlyIncome, BracketsByHand) {
  struct Case {
    double income, tax;
  } cases[] = {
      {10000, 1800.00},             // 10000 * 18 %
      {85528, 15395.04},            // 85528 * 18 % = 15395.04, still the first bracket
      {100000, 19470.06},           // (100000 - 85528) * 32 % + 14839.02 = 4631.04 + 14839.02
      {0, 0},
      {-100, -18.00},               // first row always a candidate
  };
  for (const Case& c : cases) {
    TaxResult r = tax_of_yearly_income(kScale2016, c.income);
    ASSERT_TRUE(r.ok());
    EXPECT_DOUBLE_EQ(r.tax, c.tax) << c.income;
  }
}

TEST(TaxOfYearlyIncome, FirstRowIsACandidateEvenAboveTheIncome) {
  // First row from 3091: an income of 1000 is still taxed by it,
  // (1000 - 3091) * 18 % + 0 = -376.38.
  const std::vector<TaxScaleRow> scale = {{3091, 0, 18}, {85528, 14839.02, 32}};
  TaxResult r = tax_of_yearly_income(scale, 1000);
  EXPECT_DOUBLE_EQ(r.tax, -376.38);
}

TEST(TaxOfYearlyIncome, EmptyTableFails) {
  EXPECT_EQ(tax_of_yearly_income({}, 1000).message, msg::kNoTaxTable);
}

TEST(AuthorCostLimit, HalfOfTheSecondThresholdAndTableFailures) {
  EXPECT_DOUBLE_EQ(author_cost_limit(kScale2016).tax, 42764.00);  // 85528 / 2
  const std::vector<TaxScaleRow> odd = {{0, 0, 18}, {85528.01, 0, 32}};
  EXPECT_DOUBLE_EQ(author_cost_limit(odd).tax, 42764.01);  // 42764.005 rounded half up
  EXPECT_EQ(author_cost_limit({}).message, msg::kNoTaxTable);
  const std::vector<TaxScaleRow> one = {{0, 0, 18}};
  EXPECT_EQ(author_cost_limit(one).message, msg::kTaxTableError);
}

}  // namespace
}  // namespace skolvarin::payroll
