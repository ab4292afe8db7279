// What the contracts register prints and sums: the settlement lines of a
// bill, the summary by source of income, the grouping by tax office, the
// title of a transfer paying a bill — as plain values and texts, so the
// register, the batch command and the tests share them — and the printing
// of the contract, the bill and the office list from the open tables.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "declarations/contract_bill.h"

namespace skolvarin::declarations {

// The kinds and sources as the pop-up lists show them.
const std::vector<std::string>& contract_kinds();    // TYP 1..4
const std::vector<std::string>& income_sources();    // TYT 1..8
std::string kind_text(int typ);                      // "" outside 1..4
bool is_specific_work(int typ);                      // TYP 2 or 4

// One settlement line of the bill: its label, the amount and, for the
// lines that carry one, the rate in per cent.
struct SettlementLine {
  std::string label;
  double amount = 0;
  bool has_rate = false;
  double rate = 0;
};
// The nine lines, in order.  `params` are the parameters of the bill's
// month (parameters_on).
std::array<SettlementLine, 9> settlement_lines(const ContractBill& bill, const ContractParameters& params);

// " Suma ": per source of income 0..9 and in total.
struct SummaryRow {
  long count = 0;
  double BRU = 0, UZW = 0, DOP = 0, NPO = 0, NET = 0;
  double contractor = 0, payer = 0, KZU = 0, FUP = 0, FUG = 0;
  void add(const ContractBill& b);
};
struct ContractSummary {
  std::array<SummaryRow, 10> by_source{};
  SummaryRow total;
};
ContractSummary summarize(const std::vector<ContractBill>& bills);
std::string summary_text(const ContractSummary& s, int year);

// " wg Urzędów ": the contracts of each tax office.
struct OfficeContract {
  int office = 0;            // KOU of the person (0: none)
  std::string office_name;   // "" when unknown
  std::string name;          // "NAZ IMI"
  ContractBill bill;
};
std::string by_office_text(std::vector<OfficeContract> rows, int year);

// " Przelew ": "UMOWA" and "umowa zlecenia z dnia DD-MM-YYYY" (or
// "umowa o dzieło ...").
std::string transfer_text(int typ, const Date& daw);

// The payer's contributions of the " ZUS " posting.
double payer_contributions(const ContractBill& b);

// Printing from the open contracts table (current record) and the tables
// of persons, firm and offices; each returns the preview's closing key or
// -1 when nothing could be printed.
int print_contract(const ContractParameters& params);
int print_bill(const ContractParameters& params);

}  // namespace skolvarin::declarations
