// The settlements' rules that need no table and no screen: which kind of
// entry a source document gives (receivable or payable), its gross amount,
// the amount paid from the cash entries linked to it, the paid/unpaid
// status, and the summary of receivables and payables (" Suma ").
#pragma once

#include <string>
#include <vector>

#include "cash/ledger_rules.h"

namespace skolvarin::cash {

// TYP: "N" receivable ("1. Należność"), "Z" payable ("2. Zobowiązanie").
inline constexpr char kReceivable = 'N', kPayable = 'Z';
// ROL: "N" unpaid ("1. Niezapłacony"), "R" paid ("2. Zapłacony").
inline constexpr char kUnpaid = 'N', kPaid = 'R';

// The entry a settlement keeps of its source document.
struct SettlementAmounts {
  char type = kPayable;  // TYP
  double gross = 0.0;    // KWO, never negative
  double paid = 0.0;     // ZAP, never negative
  char status = kUnpaid; // ROL
};

// The entry of a book posting: a receivable of the revenues when they
// exceed the expenses, else a payable of the expenses (the same side the
// cash step pays).  `cash_amounts` are the linked cash entries' amounts as
// the cash book keeps them (receipts positive, payments negative); the
// paid amount is their sum taken on the entry's side.
SettlementAmounts settlement_of_book_entry(const BookAmounts& amounts, const std::vector<double>& cash_amounts);

// The same from a gross amount already known (sales and purchase records).
SettlementAmounts settlement_of(char type, double gross, const std::vector<double>& cash_amounts);

// Paid when the paid amount reaches the gross amount to the grosz.
char settlement_status(double gross, double paid);

// " Suma ": receivables and payables summed apart; other TYP values are
// not counted.
struct SettlementRow {
  double gross = 0.0, paid = 0.0;
  double remaining() const;  // gross minus paid
};
struct SettlementSummary {
  SettlementRow receivables, payables;
};
void add_to_settlement_summary(SettlementSummary& summary, char type, double gross, double paid);

// "1. Niezapłacony", "2. Zapłacony"; "1. Należność", "2. Zobowiązanie".
const std::vector<std::string>& settlement_status_names();
const std::vector<std::string>& settlement_type_names();

}  // namespace skolvarin::cash
