// The tax scale of a working year and the two ways the payroll reads it.
//
// The scale is the rows of the year's W3TABE table in table order: one row
// per bracket, PODS the yearly income from which the bracket applies, PODA
// the tax due on income up to PODS, PROC the bracket's rate in percent.
// Nothing sorts the rows: their order is the order of the brackets.
#pragma once

#include <span>

namespace skolvarin::payroll {

struct TaxScaleRow {
  double PODS = 0;
  double PODA = 0;
  double PROC = 0;
};

// Bracket of a year-to-date income as the pay list asks for it.
struct TaxBracket {
  int message = 0;         // 0, or 39 when the table has no rows
  double rate = 0;         // rate of the bracket the income lies in
  double previous = -1;    // rate of the bracket below when the income lies in
                           // the highest bracket, else -1
  bool ok() const { return message == 0; }
};

// An income equal to a bracket's PODS still lies in the bracket below it; a
// table of one row gives that row's rate as both rate and previous rate.
TaxBracket tax_bracket(std::span<const TaxScaleRow> scale, double income);

struct TaxResult {
  int message = 0;  // 0, or 39 for an empty table
  double tax = 0;   // (income - PODS) * PROC * 0.01 + PODA of the bracket found, R(., 2)
  bool ok() const { return message == 0; }
};

// Tax of a yearly income (contracts).  The first row is always a candidate,
// even when its PODS is not below the income.
TaxResult tax_of_yearly_income(std::span<const TaxScaleRow> scale, double income);

// Limit of author's costs for a year: half of the second row's PODS, R(., 2);
// message 39 for an empty table, 12 for a table of fewer than two rows.
TaxResult author_cost_limit(std::span<const TaxScaleRow> scale);

}  // namespace skolvarin::payroll
