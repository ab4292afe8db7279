#include "host/api/rounding.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace skolvarin {

namespace {

// 10^n for the decimals money uses, exact in a double.
constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10};

}  // namespace

double R(double x, int n) {
  if (!std::isfinite(x)) return x;
  if (std::fpclassify(x) == FP_ZERO) return 0.0;
  // Fast path.  Scale, split off the fraction and decide by it; the answer is
  // an integer divided by an exact power of ten, which IEEE division rounds
  // to the double nearest the decimal result, just as reading the decimal
  // text would.  Only when the fraction is within the noise of a half (where
  // reading x to 15 digits could tip the decision) or the scaled value is too
  // large for exact integers does the digit-by-digit way decide.
  if (n >= 0 && n <= 10) {
    double p = kPow10[n];
    double y = std::fabs(x) * p;
    if (y < 1.0e14) {
      double f = std::floor(y);
      double frac = y - f;
      double noise = 4.0e-15 * (y > 1.0 ? y : 1.0);
      if (std::fabs(frac - 0.5) > noise) {
        double r = (f + (frac > 0.5 ? 1.0 : 0.0)) / p;
        if (std::fpclassify(r) == FP_ZERO) return 0.0;
        return x < 0 ? -r : r;
      }
    }
  }
  return detail::round_by_digits(x, n);
}

namespace detail {

double round_by_digits(double x, int n) {
  if (!std::isfinite(x)) return x;
  if (std::fpclassify(x) == FP_ZERO) return 0.0;
  // Decimal digits of x to 15 significant places, in scientific form:
  // "d.dddddddddddddde[+-]XX".
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", x);
  bool negative = buf[0] == '-';
  const char* p = buf + (negative ? 1 : 0);
  char digits[16];
  int nd = 0;
  for (; *p && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') digits[nd++] = *p;
  int exp10 = std::atoi(p + 1);  // value = 0.d1d2... * 10^(exp10 + 1)
  // Position of the last kept digit: digits before the point are exp10 + 1.
  int keep = exp10 + 1 + n;  // number of leading digits kept
  if (keep < 0) return 0.0;
  if (keep >= nd) return x;  // nothing beyond the 15 digits to round away
  // Round digits[0..keep) by digits[keep], half away from zero.
  long long mant = 0;
  for (int i = 0; i < keep; ++i) mant = mant * 10 + (digits[i] - '0');
  if (digits[keep] >= '5') ++mant;
  // Value = mant * 10^(exp10 + 1 - keep) = mant * 10^(-n).
  char out[64];
  std::snprintf(out, sizeof out, "%s%llde%d", negative ? "-" : "", mant, -n);
  double r = std::strtod(out, nullptr);
  return std::fpclassify(r) == FP_ZERO ? 0.0 : r;
}

}  // namespace detail

double max0(double x) { return x > 0.0 ? x : 0.0; }

double percent_of(double amount, double rate) { return amount * rate * 0.01; }

bool same_grosz(double a, double b) { return std::fabs(a - b) < 0.005; }

}  // namespace skolvarin
