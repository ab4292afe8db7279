#include "payroll/tax_scale.h"

#include "host/api/rounding.h"
#include "payroll/messages.h"

namespace skolvarin::payroll {

TaxBracket tax_bracket(std::span<const TaxScaleRow> scale, double income) {
  TaxBracket b;
  if (scale.empty()) {
    b.message = msg::kNoTaxTable;
    return b;
  }
  // The table is walked as the records are: take the current record's rate,
  // skip, and stop at the end or at the first record whose PODS is not
  // below the income.
  double current = scale[0].PROC;
  double previous = current;
  size_t rec = 0;
  bool at_end = false;
  for (;;) {
    previous = current;
    current = scale[rec].PROC;
    ++rec;
    if (rec >= scale.size()) {
      at_end = true;
      break;
    }
    if (!(scale[rec].PODS < income)) break;
  }
  b.rate = current;
  b.previous = at_end ? previous : -1;
  return b;
}

TaxResult tax_of_yearly_income(std::span<const TaxScaleRow> scale, double income) {
  TaxResult r;
  if (scale.empty()) {
    r.message = msg::kNoTaxTable;
    return r;
  }
  size_t found = 0;
  while (found + 1 < scale.size() && scale[found + 1].PODS < income) ++found;
  const TaxScaleRow& row = scale[found];
  r.tax = R((income - row.PODS) * row.PROC * 0.01 + row.PODA, 2);
  return r;
}

TaxResult author_cost_limit(std::span<const TaxScaleRow> scale) {
  TaxResult r;
  if (scale.empty()) {
    r.message = msg::kNoTaxTable;
  } else if (scale.size() < 2) {
    r.message = msg::kTaxTableError;
  } else {
    r.tax = R(scale[1].PODS / 2, 2);
  }
  return r;
}

}  // namespace skolvarin::payroll
