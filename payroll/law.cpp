// The dated rows of the payroll law, 2009-2026.  Each table is in date
// order; a row holds from its month until the next row.  Sources: the
// README's reference table (tax scale and advances, costs of income, health
// contribution, reliefs, PPK, contribution rates and cap, minimum wage and
// hourly rate).
#include "payroll/law.h"

#include <algorithm>

#include "host/api/rounding.h"

namespace skolvarin::payroll {
namespace {

constexpr int ym(int year, int month) { return year * 12 + (month - 1); }

// The month from which the tables lead over the stored yearly block.
constexpr int kLeadsFrom = ym(2018, 1);

template <class T>
struct Dated {
  int from;
  T value;
};

template <class T, size_t N>
const T& in_force(const Dated<T> (&rows)[N], int at) {
  const Dated<T>* found = &rows[0];
  for (const auto& r : rows)
    if (r.from <= at) found = &r;
  return found->value;
}

// Monthly tax advances (art. 27, 31a, 32 of the PIT act).
const Dated<TaxLaw> kTax[] = {
    {ym(2009, 1), {18, 32, 85528, 46.33, 0, 0, true, 7.75, 0, 0, 0, 0, false}},
    // 2017-2021: degressive tax-free amount; no reducing amount above the threshold.
    {ym(2017, 1), {18, 32, 85528, 46.33, 0, 0, false, 7.75, 0, 0, 0, 0, false}},
    {ym(2019, 10), {17, 32, 85528, 43.76, 0, 0, false, 7.75, 0, 0, 0, 0, false}},
    // 2022: health no longer deducted, capped at the 2021-rules advance;
    // middle-class relief and the advance not above the 2021 one up to 12 800.
    {ym(2022, 1), {17, 32, 120000, 425.00, 0, 0, true, 0, 17, 43.76, 12800, 7.75, true}},
    {ym(2022, 7), {12, 32, 120000, 300.00, 0, 0, true, 0, 17, 43.76, 0, 0, false}},
    // From 2023 the PIT-2 statement may be split between two or three payers.
    {ym(2023, 1), {12, 32, 120000, 300.00, 150.00, 100.00, true, 0, 17, 43.76, 0, 0, false}},
};

// Monthly middle-class relief, January to June 2022.
const ReliefBracket kMiddleClass2022[] = {
    {5701, 8549, 0.0668, -380.50, 0.17},
    {8549, 11141, -0.0735, 819.08, 0.17},
};

const Dated<CostLaw> kCosts[] = {
    {ym(2009, 1), {111.25, 139.06, 1335.00, 1668.72, 2002.05, 2502.56, 20, 50, 0}},
    {ym(2019, 10), {250.00, 300.00, 1751.25, 2151.54, 2626.54, 3226.92, 20, 50, 0}},
    {ym(2020, 1), {250.00, 300.00, 3000.00, 3600.00, 4500.00, 5400.00, 20, 50, 0}},
    {ym(2022, 1), {250.00, 300.00, 3000.00, 3600.00, 4500.00, 5400.00, 20, 50, 120000}},
};

// Default accident rate of a payer of up to nine insured (the year runs
// from April); disability of the employer 4.5 % until January 2012.
struct Rates {
  double accident, disability_employer;
};
const Dated<Rates> kRates[] = {
    {ym(2009, 1), {1.80, 4.50}},
    {ym(2012, 2), {1.80, 6.50}},
    {ym(2012, 4), {1.93, 6.50}},
    {ym(2015, 4), {1.80, 6.50}},
    {ym(2018, 4), {1.67, 6.50}},
};

// Yearly pension and disability cap: 30 × the forecast average wage.
const Dated<double> kPensionCap[] = {
    {ym(2009, 1), 95790},  {ym(2010, 1), 94380},  {ym(2011, 1), 100770}, {ym(2012, 1), 105780},
    {ym(2013, 1), 111390}, {ym(2014, 1), 112380}, {ym(2015, 1), 118770}, {ym(2016, 1), 121650},
    {ym(2017, 1), 127890}, {ym(2018, 1), 133290}, {ym(2019, 1), 142950}, {ym(2020, 1), 156810},
    {ym(2021, 1), 157770}, {ym(2022, 1), 177660}, {ym(2023, 1), 208050}, {ym(2024, 1), 234720},
    {ym(2025, 1), 260190}, {ym(2026, 1), 282600},
};

const Dated<double> kMinimumWage[] = {
    {ym(2009, 1), 1276},   {ym(2010, 1), 1317},   {ym(2011, 1), 1386}, {ym(2012, 1), 1500},
    {ym(2013, 1), 1600},   {ym(2014, 1), 1680},   {ym(2015, 1), 1750}, {ym(2016, 1), 1850},
    {ym(2017, 1), 2000},   {ym(2018, 1), 2100},   {ym(2019, 1), 2250}, {ym(2020, 1), 2600},
    {ym(2021, 1), 2800},   {ym(2022, 1), 3010},   {ym(2023, 1), 3490}, {ym(2023, 7), 3600},
    {ym(2024, 1), 4242},   {ym(2024, 7), 4300},   {ym(2025, 1), 4666}, {ym(2026, 1), 4806},
};

// Minimum hourly rate of contracts, from 2017 (0: none).
const Dated<double> kMinimumHourly[] = {
    {ym(2009, 1), 0},      {ym(2017, 1), 13.00},  {ym(2018, 1), 13.70}, {ym(2019, 1), 14.70},
    {ym(2020, 1), 17.00},  {ym(2021, 1), 18.30},  {ym(2022, 1), 19.70}, {ym(2023, 1), 22.80},
    {ym(2023, 7), 23.50},  {ym(2024, 1), 27.70},  {ym(2024, 7), 28.10}, {ym(2025, 1), 30.50},
    {ym(2026, 1), 31.40},
};

const Dated<PpkLaw> kPpk[] = {
    {ym(2009, 1), {false, 0, 0, 0, 0, 0, 0}},
    {ym(2019, 7), {true, 2, 0.5, 1.5, 2, 2.5, 1.2}},
};

const Dated<ReliefLaw> kReliefs[] = {
    {ym(2009, 1), {0, 0}},
    {ym(2019, 8), {35636.67, 0}},   // 5/12 of 85 528 for August-December 2019
    {ym(2020, 1), {85528, 0}},
    {ym(2022, 1), {85528, 85528}},  // one limit shared by all four exemptions
};

const Dated<bool> kMiddleClassInForce[] = {
    {ym(2009, 1), false},
    {ym(2022, 1), true},
    {ym(2022, 7), false},
};

// A stored figure the user left as the program gave it takes the month's.
void pick(double& stored, double built_in, double year_figure, double month_figure) {
  if (same_grosz(stored, built_in) || same_grosz(stored, year_figure)) stored = month_figure;
}

}  // namespace

double Law::reduction_for(int payers) const {
  switch (payers) {
    case 1: return tax.reduction_12;
    case 2: return tax.reduction_24 > 0 ? tax.reduction_24 : tax.reduction_12;
    case 3: return tax.reduction_36 > 0 ? tax.reduction_36 : tax.reduction_12;
    default: return 0;
  }
}

double Law::middle_class_relief(double revenue) const {
  for (const ReliefBracket& b : middle_class)
    if (!(revenue < b.from) && !(revenue > b.to)) return R(max0((revenue * b.a + b.b) / b.divisor), 2);
  return 0;
}

double Law::earlier_advance(double tax_base, bool with_reduction) const {
  return R(max0(R(percent_of(R(tax_base, 0), tax.health_cap_rate), 2) -
                (with_reduction ? tax.health_cap_reduction : 0)),
           2);
}

Law law_on(int year, int month) {
  const int at = ym(year, std::clamp(month, 1, 12));
  Law l;
  l.year = year;
  l.month = month;
  l.leads = at >= kLeadsFrom;
  l.tax = in_force(kTax, at);
  l.costs = in_force(kCosts, at);
  const Rates& rates = in_force(kRates, at);
  l.contrib.yearly_pension_cap = in_force(kPensionCap, at);
  l.contrib.accident_default = rates.accident;
  l.contrib.disability_employer = rates.disability_employer;
  l.ppk = in_force(kPpk, at);
  l.relief = in_force(kReliefs, at);
  if (in_force(kMiddleClassInForce, at)) l.middle_class = kMiddleClass2022;
  l.minimum_wage = in_force(kMinimumWage, at);
  l.minimum_hourly_rate = in_force(kMinimumHourly, at);
  return l;
}

PayrollParameters statutory_parameters(int year) {
  const Law l = law_on(year, 12);
  PayrollParameters p;
  p.monthly_costs = l.costs.basic;
  p.monthly_costs_raised = l.costs.raised;
  p.monthly_reduction = l.tax.reduction_12;
  p.tax_rate = l.tax.rate;
  p.mandate_tax_pct = l.tax.rate;
  p.mandate_costs_pct = l.costs.contract_pct;
  p.health_deductible = l.tax.health_deductible;
  p.health = l.contrib.health;
  p.fp_rate = l.contrib.fp;
  p.fgsp_rate = l.contrib.fgsp;
  p.pension_employee = l.contrib.pension_employee;
  p.pension_employer = l.contrib.pension_employer;
  p.disability_employee = l.contrib.disability_employee;
  p.disability_employer = l.contrib.disability_employer;
  p.sickness = l.contrib.sickness;
  p.yearly_pension_cap = l.contrib.yearly_pension_cap;
  p.minimum_pay = l.minimum_wage;
  if (l.minimum_hourly_rate > 0) p.minimum_hourly_rate = l.minimum_hourly_rate;
  return p;
}

void apply_month_law(PayrollParameters& p, ZusSettings& z, int year, int month) {
  const Law m = law_on(year, month);
  if (!m.leads) return;
  const PayrollParameters built_in;
  const PayrollParameters y = statutory_parameters(year);
  pick(p.monthly_costs, built_in.monthly_costs, y.monthly_costs, m.costs.basic);
  pick(p.monthly_costs_raised, built_in.monthly_costs_raised, y.monthly_costs_raised, m.costs.raised);
  pick(p.monthly_reduction, built_in.monthly_reduction, y.monthly_reduction, m.tax.reduction_12);
  pick(p.tax_rate, built_in.tax_rate, y.tax_rate, m.tax.rate);
  pick(p.mandate_tax_pct, built_in.mandate_tax_pct, y.mandate_tax_pct, m.tax.rate);
  pick(p.health_deductible, built_in.health_deductible, y.health_deductible, m.tax.health_deductible);
  pick(p.yearly_pension_cap, built_in.yearly_pension_cap, y.yearly_pension_cap, m.contrib.yearly_pension_cap);
  pick(p.minimum_pay, built_in.minimum_pay, y.minimum_pay, m.minimum_wage);
  pick(p.minimum_hourly_rate, built_in.minimum_hourly_rate, y.minimum_hourly_rate, m.minimum_hourly_rate);
  const ZusSettings zus_built_in;
  const Law december = law_on(year, 12);
  pick(z.accident_rate, zus_built_in.accident_rate, december.contrib.accident_default,
       m.contrib.accident_default);
}

}  // namespace skolvarin::payroll
