#include "cash/settlement_rules.h"

#include <cmath>

#include "host/api/rounding.h"

namespace skolvarin::cash {

namespace {

double paid_on_side(char type, const std::vector<double>& cash_amounts) {
  double sum = 0.0;
  for (double a : cash_amounts) sum = R(sum + a, 2);
  const double paid = type == kReceivable ? sum : -sum;
  return paid > 0 ? paid : 0.0;
}

}  // namespace

char settlement_status(double gross, double paid) {
  return R(paid, 2) >= R(gross, 2) && !same_grosz(gross, 0.0) ? kPaid : kUnpaid;
}

SettlementAmounts settlement_of(char type, double gross, const std::vector<double>& cash_amounts) {
  SettlementAmounts s;
  s.type = type == kReceivable ? kReceivable : kPayable;
  s.gross = R(std::fabs(gross), 2);
  s.paid = paid_on_side(s.type, cash_amounts);
  s.status = settlement_status(s.gross, s.paid);
  return s;
}

SettlementAmounts settlement_of_book_entry(const BookAmounts& a, const std::vector<double>& cash_amounts) {
  const double revenue = R(a[0] + a[1], 2);
  const double expenses = R(a[2] + a[3] + a[4] + a[5], 2);
  if (revenue > expenses && !same_grosz(revenue, expenses)) return settlement_of(kReceivable, revenue, cash_amounts);
  return settlement_of(kPayable, expenses, cash_amounts);
}

double SettlementRow::remaining() const { return R(gross - paid, 2); }

void add_to_settlement_summary(SettlementSummary& s, char type, double gross, double paid) {
  SettlementRow* row = type == kReceivable ? &s.receivables : type == kPayable ? &s.payables : nullptr;
  if (!row) return;
  row->gross = R(row->gross + gross, 2);
  row->paid = R(row->paid + paid, 2);
}

const std::vector<std::string>& settlement_status_names() {
  static const std::vector<std::string> names = {"1. Niezapłacony", "2. Zapłacony   "};
  return names;
}

const std::vector<std::string>& settlement_type_names() {
  static const std::vector<std::string> names = {"1. Należność    ", "2. Zobowiązanie "};
  return names;
}

}  // namespace skolvarin::cash
