#include "payroll/fund_rules.h"

#include "host/api/rounding.h"

namespace skolvarin::payroll {

FundTotals fund_totals(std::span<const FundEntry> entries) {
  FundTotals t;
  for (const FundEntry& e : entries) {
    if (e.type == 1) {
      ++t.count_in;
      t.sum_in = R(t.sum_in + e.paid_in, 2);
    } else if (e.type == 2) {
      ++t.count_out;
      t.sum_out = R(t.sum_out + e.paid_out, 2);
    }
  }
  return t;
}

}  // namespace skolvarin::payroll
