#include "host/core/rounding.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace skolvarin {

double R(double x, int n) {
  if (!std::isfinite(x)) return x;
  if (x == 0.0) return 0.0;
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
  return r == 0.0 ? 0.0 : r;
}

double max0(double x) { return x > 0.0 ? x : 0.0; }

double percent_of(double amount, double rate) { return amount * rate * 0.01; }

bool same_grosz(double a, double b) { return std::fabs(a - b) < 0.005; }

}  // namespace skolvarin
