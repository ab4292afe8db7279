// The cash book's rules: numbering keys, amount signs, entry texts and the
// summary per account.
#include <gtest/gtest.h>

#include "cash/cash_rules.h"

using namespace skolvarin::cash;

TEST(CashRules, NumberKeysMatchTheNumberingTag) {
  // PRE+TYP+STR(TYK,1,0)+STR(YEAR(DAT),4,0)+STR(NUM,5,0)
  EXPECT_EQ(number_key_prefix("K1", '1', 0, 2017), "K1  102017");
  EXPECT_EQ(number_key("KASA", '3', 2, 2016, 250), "KASA322016  250");
  EXPECT_EQ(number_key_prefix("ABCDEF", '2', 1, 2017), "ABCD212017");
  EXPECT_EQ(next_number(0), 1);
  EXPECT_EQ(next_number(250), 251);
}

TEST(CashRules, AmountSignsByType) {
  struct Case { char type; double amount; int refusal; };
  for (Case c : {Case{'1', 100.00, 0}, Case{'1', 0.0, 20081}, Case{'1', -5.0, 20081}, Case{'2', 100.00, 20080},
                 Case{'2', -100.00, 0}, Case{'2', -0.001, 20080}, Case{'3', -50.0, 0}, Case{'3', 0.004, 20082},
                 Case{'3', 7.0, 0}, Case{'4', 0.0, 0}})
    EXPECT_EQ(amount_refusal(c.type, c.amount), c.refusal) << c.type << " " << c.amount;
}

TEST(CashRules, EntryTexts) {
  EXPECT_EQ(entry_type_text('1', 0), "wpłata gotówki");
  EXPECT_EQ(entry_type_text('2', 0), "wypłata gotówki");
  EXPECT_EQ(entry_type_text('3', 3), "konto POMOCNICZE 2");
  EXPECT_EQ(entry_type_text('4', 0), "suma zaliczek");
  EXPECT_EQ(entry_type_short('3'), "Wyciąg");
  EXPECT_EQ(account_type_name(6), "INNE");
}

TEST(CashRules, SummaryCountsStatementPaymentsPositiveAndLeavesOutLaterAccounts) {
  CashSummary s;
  add_to_summary(s, {'1', 0, 1000.00});
  add_to_summary(s, {'2', 0, -300.25});
  add_to_summary(s, {'3', 1, 2000.00});
  add_to_summary(s, {'3', 2, -50.00});   // POMOCNICZE 1: payments of "konto pomocnicze 1"
  add_to_summary(s, {'3', 4, -70.00});   // POMOCNICZE 3: not summed
  add_to_summary(s, {'3', 6, 80.00});    // INNE: not summed
  add_to_summary(s, {'4', 0, 999.00});   // sum of advances: not summed
  EXPECT_DOUBLE_EQ(s.rows[0].receipts, 1000.00);
  EXPECT_DOUBLE_EQ(s.rows[0].payments, 300.25);
  EXPECT_DOUBLE_EQ(s.rows[0].balance(), 699.75);
  EXPECT_DOUBLE_EQ(s.rows[1].receipts, 2000.00);
  EXPECT_DOUBLE_EQ(s.rows[2].receipts, 0.0);
  EXPECT_DOUBLE_EQ(s.rows[2].payments, 50.00);
  EXPECT_DOUBLE_EQ(s.rows[3].payments, 0.0);
  SummaryRow total = s.total();
  EXPECT_DOUBLE_EQ(total.receipts, 3000.00);
  EXPECT_DOUBLE_EQ(total.payments, 350.25);
  EXPECT_DOUBLE_EQ(total.balance(), 2649.75);
}
