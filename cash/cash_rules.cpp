#include "cash/cash_rules.h"

#include <cmath>
#include <cstdio>

#include "host/api/rounding.h"

namespace skolvarin::cash {

namespace {
constexpr std::array<const char*, 6> kAccountTypes = {"1. PODSTAWOWE  ", "2. POMOCNICZE 1", "3. POMOCNICZE 2",
                                                      "4. POMOCNICZE 3", "5. POMOCNICZE 4", "6. INNE        "};
constexpr std::array<const char*, 6> kSourceKinds = {" 1.Ewidencja sprzedaży ", " 2.Ewidencja zakupów   ",
                                                     " 3.Księga              ", " 4.Ew. sprzedaży pomoc.",
                                                     " 5.Import ze sprzedaży ", " 6.                    "};
}  // namespace

const std::array<const char*, 6>& account_type_names() { return kAccountTypes; }
const std::array<const char*, 6>& source_kind_names() { return kSourceKinds; }

std::string account_type_name(int t) {
  if (t < 1 || t > 6) return "";
  std::string s = kAccountTypes[static_cast<size_t>(t - 1)] + 3;
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

std::string entry_type_text(char type, int account_type) {
  switch (type) {
    case kReceipt: return "wpłata gotówki";
    case kPayment: return "wypłata gotówki";
    case kStatement: return "konto " + account_type_name(account_type);
    case kAdvances: return "suma zaliczek";
    default: return "";
  }
}

std::string entry_type_short(char type) {
  switch (type) {
    case kReceipt: return "KP";
    case kPayment: return "KW";
    case kStatement: return "Wyciąg";
    case kAdvances: return "Suma zaliczek";
    default: return "";
  }
}

std::string number_key_prefix(const std::string& desk, char type, int account_type, int year) {
  std::string d = desk.substr(0, 4);
  d.resize(4, ' ');
  char buf[32];
  std::snprintf(buf, sizeof buf, "%c%1d%4d", type, account_type % 10, year % 10000);
  return d + buf;
}

std::string number_key(const std::string& desk, char type, int account_type, int year, long number) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%5ld", number % 100000);
  return number_key_prefix(desk, type, account_type, year) + buf;
}

long next_number(long highest) { return highest > 0 ? highest + 1 : 1; }

int amount_refusal(char type, double amount) {
  const double a = R(amount, 2);
  switch (type) {
    case kReceipt: return a > 0.0 && !same_grosz(a, 0.0) ? 0 : 20081;
    case kPayment: return a < 0.0 && !same_grosz(a, 0.0) ? 0 : 20080;
    case kStatement: return same_grosz(a, 0.0) ? 20082 : 0;
    default: return 0;
  }
}

double SummaryRow::balance() const { return R(receipts - payments, 2); }

SummaryRow CashSummary::total() const {
  SummaryRow t;
  for (const SummaryRow& r : rows) {
    t.receipts = R(t.receipts + r.receipts, 2);
    t.payments = R(t.payments + r.payments, 2);
  }
  return t;
}

void add_to_summary(CashSummary& s, const SummaryItem& item) {
  if (item.type == kReceipt) {
    s.rows[0].receipts = R(s.rows[0].receipts + item.amount, 2);
  } else if (item.type == kPayment) {
    s.rows[0].payments = R(s.rows[0].payments - item.amount, 2);
  } else if (item.type == kStatement && item.account_type >= 1 && item.account_type <= 3) {
    SummaryRow& row = s.rows[static_cast<size_t>(item.account_type)];
    if (item.amount >= 0.0) row.receipts = R(row.receipts + item.amount, 2);
    else row.payments = R(row.payments + std::fabs(item.amount), 2);
  }
}

}  // namespace skolvarin::cash
