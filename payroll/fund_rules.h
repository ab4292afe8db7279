// The company social fund's arithmetic: totals of the entries that pass the
// filter.  An entry of type 1 (payment in) counts only its WPL, one of type
// 2 (payment out) only its WYP, whatever the other field holds.
#pragma once

#include <span>

namespace skolvarin::payroll {

struct FundEntry {
  int type = 0;        // 1 payment in, 2 payment out
  double paid_in = 0;  // WPL
  double paid_out = 0; // WYP
};

struct FundTotals {
  int count_in = 0, count_out = 0;
  double sum_in = 0, sum_out = 0;
  double balance() const { return sum_in - sum_out; }
};

FundTotals fund_totals(std::span<const FundEntry> entries);

}  // namespace skolvarin::payroll
