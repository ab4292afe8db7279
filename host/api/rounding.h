// Rounding of money and rates.
//
// Amounts are doubles; the one place they are rounded is R(x, n).  R treats
// its argument as the decimal number a bookkeeper typed or a computation
// meant: the value is first read to 15 significant digits (which undoes the
// binary noise of doubles such as 2.675 stored as 2.67499999...), then rounded
// to n decimals half away from zero.  So R(2.675, 2) = 2.68,
// R(0.285, 2) = 0.29, R(-1.5, 0) = -2, R(1234.5, 0) = 1235.
#pragma once

namespace skolvarin {

// x rounded to n decimals (n may be negative: R(1250, -2) = 1300), half away
// from zero.  Non-finite values come back unchanged.
double R(double x, int n);

// max(x, 0).
double max0(double x);

// amount * rate * 0.01, the way every percentage of the system is applied;
// not rounded.
double percent_of(double amount, double rate);

namespace detail {
// R the slow way, through the decimal digits of x; R takes a quicker road
// whenever the answer cannot differ from this one.
double round_by_digits(double x, int n);
}  // namespace detail

// True when a and b are equal to the grosz (|a - b| < 0.005).
bool same_grosz(double a, double b);

}  // namespace skolvarin
