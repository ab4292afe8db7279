// The law on a date: every statutory figure a pay, a contract bill or the
// calculator needs, for any month from 2009 to 2026.
//
// The figures live in dated rows (law.cpp), each valid from a month on until
// the next row of its table; a change of the law is a new row, never a new
// branch in a computation.  The rows are taken from the reference files in
// data/reference/ (their sources in the README's reference table); a test
// holds the compiled rows against those files.
//
// The yearly parameter block (W3PAPL) stays the user's: from the first month
// the tables lead (`leads`, January 2018) a stored figure the user left as
// the program gave it (the built-in default or the year's statutory figure)
// takes the figure of the month; a figure the user changed stands.  Months
// before that compute from the stored block alone.
#pragma once

#include <span>

#include "payroll/parameters.h"

namespace skolvarin::payroll {

struct TaxLaw {
  double rate = 18;            // first bracket %
  double rate2 = 32;           // second bracket %
  double threshold = 85528;    // yearly tax base where the second bracket starts
  double reduction_12 = 46.33; // monthly reducing amount, one payer (PIT-2)
  double reduction_24 = 0;     // PIT-2 split between two payers (0: no split)
  double reduction_36 = 0;     // split between three payers
  bool reduction_above_threshold = true;  // the reducing amount still applies above the threshold
  double health_deductible = 7.75;        // % of the health base deducted from the advance
  // Health contribution not above the advance computed under these earlier
  // rules (rate %, reducing amount); 0: no such cap.
  double health_cap_rate = 0, health_cap_reduction = 0;
  // Advance not above the one of the earlier rules (health_cap_*, with the
  // earlier deductible part) for monthly revenue up to this amount; 0: none.
  double earlier_advance_guard_up_to = 0;
  double earlier_health_deductible = 0;
  bool middle_class_relief = false;
};

// One bracket of the monthly middle-class relief: for revenue A in
// [from, to] the tax base is reduced by (A × a + b) / divisor.
struct ReliefBracket {
  double from, to, a, b, divisor;
};

struct CostLaw {
  double basic = 111.25, raised = 139.06;     // monthly
  double yearly_one = 1335.00, yearly_one_raised = 1668.72;
  double yearly_several = 2002.05, yearly_several_raised = 2502.56;
  double contract_pct = 20;                   // contracts of mandate and specific work
  double author_pct = 50;                     // copyright
  double author_yearly_limit = 0;             // 0: half of the second threshold (the tax scale)
};

struct ContributionLaw {
  double yearly_pension_cap = 0;
  double accident_default = 0;   // 0: no statutory default (the firm's rate stands)
  double fp = 2.45, fgsp = 0.10, health = 9;
  double pension_employee = 9.76, pension_employer = 9.76;
  double disability_employee = 1.5, disability_employer = 6.5, sickness = 2.45;
};

struct PpkLaw {
  bool in_force = false;
  double employee = 2, employee_low = 0.5, employer = 1.5;
  double employee_extra_max = 2, employer_extra_max = 2.5;
  double low_pay_factor = 1.2;  // the low rate only for pay up to 1.2 × the minimum wage
};

struct ReliefLaw {
  double youth_limit = 0;    // yearly limit of the under-26 exemption; 0: not in force
  double others_limit = 0;   // returning residents, 4+ children, working seniors; one shared limit
};

struct Law {
  int year = 0, month = 0;
  bool leads = false;        // the tables lead over the stored yearly block
  TaxLaw tax;
  CostLaw costs;
  ContributionLaw contrib;
  PpkLaw ppk;
  ReliefLaw relief;
  std::span<const ReliefBracket> middle_class;  // empty when not in force
  double minimum_wage = 0;
  double minimum_hourly_rate = 0;

  // Monthly reducing amount for the PIT-2 split: 0 none, 1, 2 or 3 payers.
  double reduction_for(int payers) const;
  // The middle-class relief of a monthly revenue (0 outside the brackets).
  double middle_class_relief(double revenue) const;
  // The statutory first-bracket advance of the earlier rules (health cap).
  double earlier_advance(double tax_base, bool with_reduction) const;
};

// The law of a month (months before 2009 get the 2009 rows; after 2026 the
// last rows).
Law law_on(int year, int month);

// The year's statutory parameter block as `skolvarin wzorce` writes it:
// the built-in block with the figures of December of the year.
PayrollParameters statutory_parameters(int year);

// From the month the tables lead: the stored figures the user did not change
// take the figures of the month (see the head of this file).
void apply_month_law(PayrollParameters& p, ZusSettings& z, int year, int month);

}  // namespace skolvarin::payroll
