#include "payroll/calculator.h"

#include <algorithm>
#include <cmath>

#include "host/api/rounding.h"
#include "payroll/messages.h"

namespace skolvarin::payroll {
namespace {

// Money comparisons to the grosz.
bool below(double a, double b) { return R(a - b, 2) < 0; }
bool above(double a, double b) { return R(a - b, 2) > 0; }

// Guard against a target no gross can reach (cannot happen with positive
// shares, kept so a damaged parameter set cannot hang the program).
constexpr long kMaxSteps = 20'000'000;

double step(double g, double by) { return R(g + by, 2); }

// A gross near the one that gives `target` by halving an interval of the
// forward step; used when the algebraic estimate is more than a złoty off.
template <class Value>
double bisect(double target, double hi, Value value) {
  double lo = 0;
  while (value(hi) < target && hi < 1e12) hi *= 2;
  for (int i = 0; i < 80 && hi - lo > 0.005; ++i) {
    const double mid = (lo + hi) / 2;
    (value(mid) < target ? lo : hi) = mid;
  }
  return R(lo, 2);
}

// Gross for a net: from the estimate, up by 1.00 while the net is below the
// target (only when they differ in whole złoty), down by 0.01 while it is
// above, then up by 0.01 while it is below.
CalcResult refine_net(double target, double g, const CalculatorState& s, const PayrollParameters& p,
                      const ZusSettings& z) {
  auto net_of = [&](double x) { return breakdown(x, s, p, z).net; };
  g = std::max(0.0, R(g, 2));
  // Small amounts, where the advance is 0 and the formula does not hold: an
  // estimate found by halving, placed above the gross like the formula's.
  if (std::fabs(net_of(g) - target) > 5.0) g = R(bisect(target, std::max(g, 1.0), net_of) + 2.00, 2);
  Breakdown b = breakdown(g, s, p, z);
  long n = 0;
  if (!same_grosz(b.net, target)) {
    if (!same_grosz(R(b.net, 0), R(target, 0)))
      while (below(b.net, target) && ++n < kMaxSteps) b = breakdown(g = step(g, 1.00), s, p, z);
    while (above(b.net, target) && g > 0 && ++n < kMaxSteps) b = breakdown(g = step(g, -0.01), s, p, z);
    while (below(b.net, target) && ++n < kMaxSteps) b = breakdown(g = step(g, 0.01), s, p, z);
  }
  return {0, b};
}

}  // namespace

CalculatorState calculator_defaults(CalcKind kind, const PayrollParameters& p) {
  CalculatorState s;
  s.kind = kind;
  s.reduction = 0;
  s.costs_typed = false;
  if (kind == CalcKind::Pay) {
    s.tax_rate = p.tax_rate / 100;
    s.reduction = p.monthly_reduction;
    s.costs = p.monthly_costs;
  } else {
    s.tax_rate = p.mandate_tax_pct / 100;
    s.costs = 0;
  }
  const bool on = kind != CalcKind::Work;
  s.sw = {on, on, on, on, on, on, on};
  return s;
}

CalculatorState calculator_defaults(CalcKind kind, PayrollParameters& p, ZusSettings& z, const CalcLawOptions& o) {
  apply_month_law(p, z, o.year, o.month);
  CalculatorState s = calculator_defaults(kind, p);
  s.options = o;
  s.law = law_on(o.year, o.month);
  s.by_law = s.law.leads;
  if (!s.by_law) return s;
  if (kind == CalcKind::Pay) {
    s.reduction = o.pit2 ? p.monthly_reduction : 0;
    s.costs = p.monthly_costs_for(o.raised_costs);
  }
  return s;
}

CalcRates calculator_rates(const CalculatorState& s, const PayrollParameters& p, const ZusSettings& z) {
  CalcRates r;
  if (s.sw.pension) {
    r.pension_employee = p.pension_employee / 100;
    r.pension_employer = p.pension_employer / 100;
  }
  if (s.sw.disability) {
    r.disability_employee = p.disability_employee / 100;
    r.disability_employer = p.disability_employer / 100;
  }
  if (s.sw.sickness) r.sickness = p.sickness / 100;
  if (s.sw.accident) r.accident = z.accident_rate / 100;
  if (s.sw.health) r.health = p.health / 100;
  r.health_deductible = std::min(p.health_deductible / 100, r.health);
  if (s.sw.fp) r.fp = p.fp_rate / 100;
  if (s.sw.fgsp) r.fgsp = p.fgsp_rate / 100;
  return r;
}

Breakdown breakdown(double G, const CalculatorState& s, const PayrollParameters& p, const ZusSettings& z) {
  const CalcRates r = calculator_rates(s, p, z);
  Breakdown b;
  b.gross = G;
  b.pension_employee = R(G * r.pension_employee, 2);
  b.pension_employer = R(G * r.pension_employer, 2);
  b.disability_employee = R(G * r.disability_employee, 2);
  b.disability_employer = R(G * r.disability_employer, 2);
  b.sickness = R(G * r.sickness, 2);
  b.accident = R(G * r.accident, 2);
  b.fp = R(G * r.fp, 2);
  b.fgsp = R(G * r.fgsp, 2);
  const double S = G - b.pension_employee - b.disability_employee - b.sickness;
  b.health = R(S * r.health, 2);

  const bool contract = s.kind != CalcKind::Pay;
  const Law& law = s.law;
  const bool pay_law = s.by_law && !contract;
  // The law of the month: FP only from the minimum wage; PPK on the gross;
  // the employer's PPK is taxable income.
  if (s.by_law && s.kind == CalcKind::Pay && p.fp_below_minimum == "N" && G < R(p.minimum_pay, 2)) b.fp = 0;
  if (pay_law && s.options.ppk && law.ppk.in_force) {
    b.ppk_employee = R(G * law.ppk.employee / 100, 2);
    b.ppk_employer = R(G * law.ppk.employer / 100, 2);
  }
  const double revenue = G + b.ppk_employer;
  const bool exempt = pay_law && s.options.under26 && law.relief.youth_limit > 0;

  b.costs = exempt ? 0 : s.costs;
  if (contract && !s.costs_typed) b.costs = G > p.flat_rate_limit ? S * p.mandate_costs_pct / 100 : 0;

  // Income before any exemption (the earlier-rules caps are taken of it).
  const double income = S - (contract ? b.costs : s.costs) + b.ppk_employer;
  const double relief = pay_law ? law.middle_class_relief(revenue) : 0;
  const double A = exempt ? 0 : max0(R(max0(income - relief), 0) * s.tax_rate - s.reduction);
  double T = A - (s.sw.health ? R(S * r.health_deductible, 2) : 0);
  if (contract && G < p.flat_rate_limit) T = G * s.tax_rate;
  b.advance = R(max0(T), 0);

  if (p.health_limited_to_advance == "T" && b.health > A) b.health = A;
  if (pay_law && law.tax.health_cap_rate > 0)
    b.health = std::min(b.health, law.earlier_advance(max0(income), s.reduction > 0));
  if (pay_law && !exempt && law.tax.earlier_advance_guard_up_to > 0 && !(revenue > law.tax.earlier_advance_guard_up_to)) {
    const double deductible = std::min(R(S * law.tax.earlier_health_deductible / 100, 2), R(S * r.health, 2));
    b.advance = std::min(b.advance, R(max0(law.earlier_advance(max0(income), s.reduction > 0) - deductible), 0));
  }
  b.net = R(S - b.health - b.advance - b.ppk_employee, 2);
  b.total_cost =
      R(G + b.pension_employer + b.disability_employer + b.accident + b.fp + b.fgsp + b.ppk_employer, 2);
  return b;
}

CalcResult calculate(double amount, CalcMode mode, const CalculatorState& s, const PayrollParameters& p,
                     const ZusSettings& z) {
  amount = R(amount, 2);
  const CalcRates r = calculator_rates(s, p, z);
  const double t = s.tax_rate;
  const double social = 1 - (r.pension_employee + r.disability_employee + r.sickness);

  switch (mode) {
    case CalcMode::Gross:
      return {0, breakdown(amount, s, p, z)};

    case CalcMode::Net: {
      if (s.kind == CalcKind::Pay) {
        // The advance on the costs less the reduction reaches the net: no
        // gross above 0 gives it by the formula.  A net of 0 or less has no
        // gross either and gets the same answer.  A small positive net (62.82
        // is the net of 80.00) is computed like any other.
        if (amount <= 0 || t * s.costs - s.reduction >= amount) return {msg::kTooHighTaxCosts, {}};
        if (social <= 0) return {msg::kTooHighSocialRates, {}};
        // net = S (1 - h - t + d) + t c + r; with the health limit of key 67
        // (health = advance A) net = S (1 - 2t + d) + 2 (t c + r).
        const double share = 1 - r.health - t + r.health_deductible;
        if (share <= 0) return {msg::kTooHighTaxHealth, {}};
        // The advance is whole złoty; the estimate takes it one złoty above
        // the formula, so the refinement comes down onto the gross from above.
        double S = (amount + 1 - t * s.costs - s.reduction) / share;
        if (p.health_limited_to_advance == "T" && S * r.health > t * (S - s.costs) - s.reduction) {
          const double limited = 1 - 2 * t + r.health_deductible;
          if (limited > 0) S = (amount + 1 - 2 * (t * s.costs + s.reduction)) / limited;
        }
        return refine_net(amount, R(S / social, 2), s, p, z);
      }
      if (social <= 0) return {msg::kTooHighSocialRates, {}};
      const double share0 = 1 - r.health - t + r.health_deductible;
      if (share0 <= 0) return {msg::kTooHighTaxHealthCosts, {}};
      double G = (amount + 1) / share0 / social;
      if (G > p.flat_rate_limit && !s.costs_typed) {
        const double share1 = 1 - r.health - t * (1 - p.mandate_costs_pct / 100) + r.health_deductible;
        if (share1 <= 0) return {msg::kTooHighTaxHealthCosts, {}};
        G = (amount + 1) / share1 / social;
      }
      return refine_net(amount, R(G, 2), s, p, z);
    }

    case CalcMode::Cost: {
      const double employer = 1 + r.pension_employer + r.disability_employer + r.accident + r.fp + r.fgsp;
      double g = R(amount / employer, 2);
      Breakdown b = breakdown(g, s, p, z);
      long n = 0;
      while (above(b.total_cost, amount) && ++n < kMaxSteps) b = breakdown(g = step(g, -0.01), s, p, z);
      while (below(b.total_cost, amount) && ++n < kMaxSteps) b = breakdown(g = step(g, 0.01), s, p, z);
      return {0, b};
    }
  }
  return {};
}

}  // namespace skolvarin::payroll
