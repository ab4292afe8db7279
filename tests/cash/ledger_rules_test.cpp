// The book entry's rules: ordinals, month lengths by working year, the zero
// question, the cash step's entry.
#include <gtest/gtest.h>

#include "cash/ledger_rules.h"

using namespace skolvarin::cash;

TEST(LedgerRules, OrdinalStartsAtOneAndFollowsTheLast) {
  EXPECT_EQ(next_ordinal(0), 1);
  EXPECT_EQ(next_ordinal(1), 2);
  EXPECT_EQ(next_ordinal(249), 250);
}

TEST(LedgerRules, MonthLengthsFollowTheWorkingYear) {
  struct Case { int month, year, days; };
  for (Case c : {Case{2, 2016, 29}, Case{2, 2017, 28}, Case{2, 2000, 29}, Case{2, 1900, 28}, Case{1, 2017, 31},
                 Case{4, 2017, 30}, Case{12, 2017, 31}, Case{13, 2017, 0}, Case{0, 2017, 0}})
    EXPECT_EQ(month_length(c.month, c.year), c.days) << c.month << "/" << c.year;
  EXPECT_TRUE(day_allowed(29, 2, 2016));
  EXPECT_FALSE(day_allowed(29, 2, 2017));
  EXPECT_FALSE(day_allowed(0, 1, 2017));
  EXPECT_FALSE(day_allowed(31, 6, 2017));
}

TEST(LedgerRules, ZeroAmountsAreComparedByTheGrosz) {
  EXPECT_TRUE(all_amounts_zero({0, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(all_amounts_zero({0.001, 0, 0, 0, 0, -0.004}));
  EXPECT_FALSE(all_amounts_zero({0, 0, 0, 0, 0, 0.01}));
  EXPECT_FALSE(all_amounts_zero({-0.01, 0, 0, 0, 0, 0}));
}

TEST(LedgerRules, CashStepFollowsDocumentsPayrollAndContracts) {
  for (int s : {3, 5, 6, 7, 8}) EXPECT_TRUE(offers_cash_step(s)) << s;
  for (int s : {0, 1, 2, 4, 9}) EXPECT_FALSE(offers_cash_step(s)) << s;
  CashStepEntry pay = cash_step_entry({0, 0, 0, 0, 12345.67, 0.10});
  EXPECT_EQ(pay.type, '2');
  EXPECT_DOUBLE_EQ(pay.amount, -12345.77);
  CashStepEntry in = cash_step_entry({1000.00, 23.45, 0, 0, 0, 500});
  EXPECT_EQ(in.type, '1');
  EXPECT_DOUBLE_EQ(in.amount, 1023.45);
  // A part of the whole: above 0, not above the whole, signed as the whole.
  struct Case {
    CashStepEntry whole;
    double typed;
    bool taken;
    double amount;
  } cases[] = {{{'1', 1230.00}, 230.00, true, 230.00},   {{'2', -1230.00}, 230.00, true, -230.00},
               {{'1', 1230.00}, 1230.00, true, 1230.00}, {{'1', 1230.00}, 1230.01, false, 0},
               {{'2', -50.00}, 0.004, false, 0},          {{'1', 50.00}, -10.00, false, 0}};
  for (const Case& c : cases) {
    double got = 0.0;
    EXPECT_EQ(part_payment(c.whole, c.typed, &got), c.taken) << c.typed;
    if (c.taken) EXPECT_DOUBLE_EQ(got, c.amount) << c.typed;
  }
}

TEST(LedgerRules, NamesAndDates) {
  EXPECT_EQ(source_name(5), "5. PENSJE-BRUTTO");
  EXPECT_EQ(source_name(8), "8. UMOWY-ZUS    ");
  EXPECT_EQ(source_name(9), "");
  EXPECT_EQ(status_name(' '), "NORMALNA");
  EXPECT_EQ(status_name('K'), "KOREKTA KOSZTÓW");
  EXPECT_EQ(status_name('A'), "ANULOWANA");
  EXPECT_EQ(book_date(2017, 2, 9), "20170209");
}
