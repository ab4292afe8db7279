#include "host/api/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace skolvarin {
namespace {

struct Case {
  double x;
  int n;
  double expected;
};

TEST(Rounding, DecimalInputsRoundHalfAwayFromZero) {
  const Case cases[] = {
      {2.675, 2, 2.68},   {0.285, 2, 0.29},     {-1.5, 0, -2.0},     {1234.5, 0, 1235.0},
      {1.005, 2, 1.01},   {-2.675, 2, -2.68},   {0.125, 2, 0.13},    {2.5, 0, 3.0},
      {0.5, 0, 1.0},      {0.4999, 0, 0.0},     {195.195, 2, 195.2}, {1459.475, 2, 1459.48},
      {8.045, 2, 8.05},   {123456789.125, 2, 123456789.13},          {0.0, 2, 0.0},
      {1250.0, -2, 1300.0}, {1249.99, -2, 1200.0}, {0.04, 0, 0.0},   {0.6, 0, 1.0},
      {99.995, 2, 100.0}, {-0.004, 2, 0.0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(R(c.x, c.n), c.expected) << c.x << " to " << c.n;
}

TEST(Rounding, ComputedValuesLoseTheirBinaryNoise) {
  // 0.1 + 0.2 is 0.30000000000000004 in binary; 100.5 * 0.01 is just below 1.005.
  EXPECT_DOUBLE_EQ(R(0.1 + 0.2, 2), 0.3);
  EXPECT_DOUBLE_EQ(R(100.5 * 0.01, 2), 1.01);
  EXPECT_DOUBLE_EQ(R(2000.0 * 9.76 * 0.01, 2), 195.2);
  EXPECT_DOUBLE_EQ(R(2000.0 * 1.5 * 0.01, 2), 30.0);
}

TEST(Rounding, HelpersMax0PercentAndGrosz) {
  EXPECT_EQ(max0(-3.2), 0.0);
  EXPECT_EQ(max0(3.2), 3.2);
  EXPECT_DOUBLE_EQ(percent_of(2000.0, 9.76), 195.2);
  EXPECT_TRUE(same_grosz(1.004, 1.0));
  EXPECT_FALSE(same_grosz(1.01, 1.0));
}

}  // namespace
}  // namespace skolvarin

namespace skolvarin {
namespace {

// The quick road must agree with rounding through the decimal digits on every
// kind of value: amounts in grosze, rates with three decimals, exact halves
// of a grosz and products carrying binary noise.
TEST(Rounding, FastPathAgreesWithDecimalTextOnManyValues) {
  auto by_text = [](double x, int n) { return detail::round_by_digits(x, n); };
  unsigned seed = 12345;
  auto next = [&] {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) & 0xFFFFFF;
  };
  for (int i = 0; i < 200000; ++i) {
    long cents = static_cast<long>(next()) * 37 % 100000000 - 50000000;
    double halves = cents / 100.0 + 0.005;  // exact halves of a grosz
    double product = (next() % 1000000) / 100.0 * ((next() % 2000) / 100.0) * 0.01;
    for (double x : {cents / 100.0, halves, product, cents / 1000.0}) {
      for (int n : {0, 2, 3}) {
        double r = R(x, n);
        double e = by_text(x, n);
        ASSERT_EQ(r, e == 0.0 ? 0.0 : e) << x << " to " << n;
      }
    }
  }
}

}  // namespace
}  // namespace skolvarin
