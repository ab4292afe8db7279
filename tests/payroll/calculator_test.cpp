// The payroll calculator: forward breakdown, the reverse modes against
// published nets, contracts, refusals and the refinement's end point.
#include "payroll/calculator.h"

#include <gtest/gtest.h>

#include <cmath>

#include "host/api/rounding.h"
#include "payroll/messages.h"

namespace skolvarin::payroll {
namespace {

const PayrollParameters kDefaults;
const ZusSettings kZus;

PayrollParameters params_2020() {
  PayrollParameters p;
  p.monthly_costs = 250;
  p.monthly_reduction = 43.76;
  p.tax_rate = 17;
  p.minimum_pay = 2600;
  return p;
}

TEST(Calculator, ForwardBreakdownOf2000) {
  const CalculatorState s = calculator_defaults(CalcKind::Pay, kDefaults);
  Breakdown b = calculate(2000, CalcMode::Gross, s, kDefaults, kZus).b;
  EXPECT_DOUBLE_EQ(b.gross, 2000.00);
  EXPECT_DOUBLE_EQ(b.pension_employee, 195.20);
  EXPECT_DOUBLE_EQ(b.pension_employer, 195.20);
  EXPECT_DOUBLE_EQ(b.disability_employee, 30.00);
  EXPECT_DOUBLE_EQ(b.disability_employer, 130.00);
  EXPECT_DOUBLE_EQ(b.sickness, 49.00);
  EXPECT_DOUBLE_EQ(b.accident, 36.00);
  EXPECT_DOUBLE_EQ(b.health, 155.32);
  EXPECT_DOUBLE_EQ(b.fp, 49.00);
  EXPECT_DOUBLE_EQ(b.fgsp, 2.00);
  EXPECT_DOUBLE_EQ(b.costs, 111.25);
  // R(1725.80 - 111.25, 0) = 1615 * 18 % - 46.33 = 244.37; - 133.75 = 110.62 -> 111.
  EXPECT_DOUBLE_EQ(b.advance, 111);
  EXPECT_DOUBLE_EQ(b.net, 1459.48);
  // 2000 + 195.20 + 130.00 + 36.00 + 49.00 + 2.00
  EXPECT_DOUBLE_EQ(b.total_cost, 2412.20);
}

TEST(Calculator, PublishedNetBackToItsGross) {
  // 2000.00 gross gives 1459.48 net (2017 figures); so does 1998.73, and
  // 1999.19 gives 1459.84: the net is not monotonic.  The calculator comes
  // down onto 2000.00.
  const CalculatorState s = calculator_defaults(CalcKind::Pay, kDefaults);
  EXPECT_DOUBLE_EQ(breakdown(1998.73, s, kDefaults, kZus).net, 1459.48);
  EXPECT_DOUBLE_EQ(breakdown(1999.19, s, kDefaults, kZus).net, 1459.84);
  CalcResult r = calculate(1459.48, CalcMode::Net, s, kDefaults, kZus);
  ASSERT_TRUE(r.ok());
  EXPECT_DOUBLE_EQ(r.b.gross, 2000.00);
  EXPECT_DOUBLE_EQ(r.b.net, 1459.48);
  EXPECT_DOUBLE_EQ(r.b.advance, 111);
}

TEST(Calculator, OtherPublishedNetsGiveAGrossWithThatNet) {
  // The published gross and the one found give the same net; which of the
  // grosses with that net is found depends on the stretch the refinement
  // comes down onto.
  struct Case {
    PayrollParameters p;
    double net, published_gross;
  } cases[] = {
      {kDefaults, 1355.69, 1850.00},      // 2016
      {kDefaults, 1530.00, 2100.00},      // 2018
      {params_2020(), 1920.62, 2600.00},  // 2020
      {params_2020(), 2061.67, 2800.00},  // 2021, same parameters
  };
  for (const Case& c : cases) {
    const CalculatorState s = calculator_defaults(CalcKind::Pay, c.p);
    ASSERT_DOUBLE_EQ(breakdown(c.published_gross, s, c.p, kZus).net, c.net);
    CalcResult r = calculate(c.net, CalcMode::Net, s, c.p, kZus);
    ASSERT_TRUE(r.ok()) << c.net;
    EXPECT_DOUBLE_EQ(r.b.net, c.net) << c.net;
    EXPECT_NEAR(r.b.gross, c.published_gross, 3.00) << c.net;
  }
}

TEST(Calculator, TotalCostBackToGross) {
  const CalculatorState s = calculator_defaults(CalcKind::Pay, kDefaults);
  CalcResult r = calculate(2412.20, CalcMode::Cost, s, kDefaults, kZus);
  EXPECT_DOUBLE_EQ(r.b.gross, 2000.00);
  EXPECT_DOUBLE_EQ(r.b.total_cost, 2412.20);
  // A cost between two grosses ends at the first gross not below it.
  r = calculate(2412.21, CalcMode::Cost, s, kDefaults, kZus);
  EXPECT_DOUBLE_EQ(r.b.gross, 2000.01);
  EXPECT_GE(r.b.total_cost, 2412.21);
}

TEST(Calculator, ReverseModesEndAtTheFirstGrossNotBelowTheTarget) {
  for (CalcKind kind : {CalcKind::Pay, CalcKind::Mandate, CalcKind::Work}) {
    const CalculatorState s = calculator_defaults(kind, kDefaults);
    for (double g = 150.00; g < 25000; g = R(g * 1.37 + 13.13, 2)) {
      const double target = breakdown(g, s, kDefaults, kZus).net;
      CalcResult r = calculate(target, CalcMode::Net, s, kDefaults, kZus);
      if (!r.ok()) continue;  // small nets of a contract of employment are refused
      // The net found is the target, or above it while one grosz less is below.
      EXPECT_GE(R(r.b.net - target, 2), 0) << g;
      if (!same_grosz(r.b.net, target)) {
        EXPECT_LT(R(breakdown(R(r.b.gross - 0.01, 2), s, kDefaults, kZus).net - target, 2), 0) << g;
      }
      EXPECT_NEAR(r.b.gross, g, 3.00) << g;
      const double cost = breakdown(g, s, kDefaults, kZus).total_cost;
      EXPECT_DOUBLE_EQ(calculate(cost, CalcMode::Cost, s, kDefaults, kZus).b.total_cost, cost) << g;
    }
  }
}

TEST(Calculator, EveryNetOfARangeEndsOnOrJustAboveIt) {
  // Every thirtieth grosz of net from 2000.00 to 2100.00: the gross found gives
  // the net, or, where the stretch it comes down onto skips that net, the
  // first gross of the stretch whose net is not below it.
  const CalculatorState s = calculator_defaults(CalcKind::Pay, kDefaults);
  int exact = 0, above = 0;
  for (long c = 200000; c <= 210000; c += 30) {
    const double target = c / 100.0;
    CalcResult r = calculate(target, CalcMode::Net, s, kDefaults, kZus);
    ASSERT_TRUE(r.ok());
    const double diff = R(r.b.net - target, 2);
    ASSERT_GE(diff, 0) << target;
    if (diff == 0) {
      ++exact;
    } else {
      ++above;
      EXPECT_LT(R(breakdown(R(r.b.gross - 0.01, 2), s, kDefaults, kZus).net - target, 2), 0) << target;
    }
  }
  // Most nets come back exactly; some fall in a gap of the stretch.
  EXPECT_EQ(exact + above, 334);
  EXPECT_GT(exact, 10 * above);
  EXPECT_GT(above, 0);
}

TEST(Calculator, ContractOfSpecificWorkHasNoContributions) {
  const CalculatorState s = calculator_defaults(CalcKind::Work, kDefaults);
  EXPECT_FALSE(s.sw.pension || s.sw.disability || s.sw.sickness || s.sw.accident || s.sw.health || s.sw.fp || s.sw.fgsp);
  Breakdown b = breakdown(1000, s, kDefaults, kZus);
  // Costs 20 % of 1000 = 200; advance R(800, 0) * 18 % = 144; net 856.
  EXPECT_DOUBLE_EQ(b.costs, 200.00);
  EXPECT_DOUBLE_EQ(b.advance, 144);
  EXPECT_DOUBLE_EQ(b.net, 856.00);
  EXPECT_DOUBLE_EQ(b.total_cost, 1000.00);
  EXPECT_DOUBLE_EQ(b.health + b.pension_employee + b.fp, 0);
  EXPECT_DOUBLE_EQ(calculate(856, CalcMode::Net, s, kDefaults, kZus).b.gross, 1000.00);
}

TEST(Calculator, MandateAroundTheFlatRateLimit) {
  const CalculatorState s = calculator_defaults(CalcKind::Mandate, kDefaults);
  EXPECT_DOUBLE_EQ(s.tax_rate, 0.18);
  EXPECT_DOUBLE_EQ(s.reduction, 0);
  // Exactly 200.00: no percentage costs, no flat tax.  S = 200 - 19.52 -
  // 3.00 - 4.90 = 172.58; A = 173 * 18 % = 31.14; - R(13.37495) = 13.37 ->
  // 17.77 -> 18; health R(15.5322) = 15.53; net 172.58 - 15.53 - 18 = 139.05.
  Breakdown b = breakdown(200.00, s, kDefaults, kZus);
  EXPECT_DOUBLE_EQ(b.costs, 0);
  EXPECT_DOUBLE_EQ(b.advance, 18);
  EXPECT_DOUBLE_EQ(b.net, 139.05);
  // Below the limit: flat tax on the gross, 199.99 * 18 % = 35.998 -> 36.
  b = breakdown(199.99, s, kDefaults, kZus);
  EXPECT_DOUBLE_EQ(b.costs, 0);
  EXPECT_DOUBLE_EQ(b.advance, 36);
  // Above: costs 20 % of S.  S = 1000 - 97.60 - 15.00 - 24.50 = 862.90,
  // costs 172.58, A = R(690.32) = 690 * 18 % = 124.20, - R(66.87475) = 66.87
  // -> 57.33 -> 57; health R(77.661) = 77.66; net 862.90 - 77.66 - 57 = 728.24.
  b = breakdown(1000.00, s, kDefaults, kZus);
  EXPECT_DOUBLE_EQ(b.costs, 172.58);
  EXPECT_DOUBLE_EQ(b.advance, 57);
  EXPECT_DOUBLE_EQ(b.net, 728.24);
  EXPECT_DOUBLE_EQ(calculate(728.24, CalcMode::Net, s, kDefaults, kZus).b.gross, 1000.00);
}

TEST(Calculator, CostsTypedByHandAreKept) {
  CalculatorState s = calculator_defaults(CalcKind::Mandate, kDefaults);
  s.costs = 100;
  s.costs_typed = true;
  EXPECT_DOUBLE_EQ(breakdown(1000, s, kDefaults, kZus).costs, 100);
}

TEST(Calculator, SwitchesTakeTheirRatesAway) {
  CalculatorState s = calculator_defaults(CalcKind::Pay, kDefaults);
  s.sw.health = false;
  Breakdown b = breakdown(2000, s, kDefaults, kZus);
  // No health and no deduction of it: advance R(244.37) = 244.
  EXPECT_DOUBLE_EQ(b.health, 0);
  EXPECT_DOUBLE_EQ(b.advance, 244);
  EXPECT_DOUBLE_EQ(b.net, 1481.80);  // 1725.80 - 244
  s = calculator_defaults(CalcKind::Pay, kDefaults);
  s.sw.sickness = s.sw.fp = false;
  b = breakdown(2000, s, kDefaults, kZus);
  EXPECT_DOUBLE_EQ(b.sickness, 0);
  EXPECT_DOUBLE_EQ(b.fp, 0);
  EXPECT_DOUBLE_EQ(b.fgsp, 2.00);
  EXPECT_DOUBLE_EQ(calculator_rates(s, kDefaults, kZus).accident, 0.018);
}

TEST(Calculator, HealthLimitedToTheAdvance) {
  PayrollParameters p;
  p.health_limited_to_advance = "T";
  const CalculatorState s = calculator_defaults(CalcKind::Pay, p);
  // 500.00: S = 500 - 48.80 - 7.50 - 12.25 = 431.45; A = R(320.20) = 320 *
  // 18 % - 46.33 = 11.27; health R(38.8305) = 38.83 > A -> 11.27; advance
  // 11.27 - R(33.437) = 33.44 -> 0; net 431.45 - 11.27 = 420.18.
  Breakdown b = breakdown(500, s, p, kZus);
  EXPECT_DOUBLE_EQ(b.health, 11.27);
  EXPECT_DOUBLE_EQ(b.advance, 0);
  EXPECT_DOUBLE_EQ(b.net, 420.18);
  EXPECT_DOUBLE_EQ(calculate(420.18, CalcMode::Net, s, p, kZus).b.gross, 500.00);
}

TEST(Calculator, Refusals) {
  const CalculatorState pay = calculator_defaults(CalcKind::Pay, kDefaults);
  // A net of 0 has no gross; a small net has one (80.00 nets 62.82).
  EXPECT_EQ(calculate(0, CalcMode::Net, pay, kDefaults, kZus).message, msg::kTooHighTaxCosts);
  ASSERT_TRUE(same_grosz(breakdown(80, pay, kDefaults, kZus).net, 62.82));
  const CalcResult small = calculate(62.82, CalcMode::Net, pay, kDefaults, kZus);
  ASSERT_TRUE(small.ok());
  EXPECT_TRUE(same_grosz(small.b.gross, 80.00)) << small.b.gross;
  // The costs' advance less the reduction reaching the net is refused.
  CalculatorState heavy = pay;
  heavy.reduction = 0;
  heavy.costs = 1000;  // 18 % of 1000 = 180 >= 150
  EXPECT_EQ(calculate(150, CalcMode::Net, heavy, kDefaults, kZus).message, msg::kTooHighTaxCosts);
  PayrollParameters p;
  p.pension_employee = 90;
  p.disability_employee = 10;
  EXPECT_EQ(calculate(1000, CalcMode::Net, calculator_defaults(CalcKind::Pay, p), p, kZus).message,
            msg::kTooHighSocialRates);
  EXPECT_EQ(calculate(1000, CalcMode::Net, calculator_defaults(CalcKind::Mandate, p), p, kZus).message,
            msg::kTooHighSocialRates);
  CalculatorState s = pay;
  s.tax_rate = 0.99;  // 1 - 9 % - 99 % + 7.75 % < 0
  s.costs = 0;
  s.reduction = 0;
  EXPECT_EQ(calculate(1000, CalcMode::Net, s, kDefaults, kZus).message, msg::kTooHighTaxHealth);
  s = calculator_defaults(CalcKind::Mandate, kDefaults);
  s.tax_rate = 0.99;
  EXPECT_EQ(calculate(1000, CalcMode::Net, s, kDefaults, kZus).message, msg::kTooHighTaxHealthCosts);
  // The forward mode and the cost mode refuse nothing.
  EXPECT_TRUE(calculate(0, CalcMode::Gross, pay, kDefaults, kZus).ok());
  EXPECT_TRUE(calculate(0, CalcMode::Cost, pay, kDefaults, kZus).ok());
}

TEST(Calculator, AmountIsRoundedFirst) {
  const CalculatorState s = calculator_defaults(CalcKind::Pay, kDefaults);
  EXPECT_DOUBLE_EQ(calculate(1999.995, CalcMode::Gross, s, kDefaults, kZus).b.gross, 2000.00);
}

}  // namespace
}  // namespace skolvarin::payroll
