// The internal documents' and settlements' rules: numbers, positions, the
// booking's amounts and status, the settlement entry and its summary.
#include <gtest/gtest.h>

#include "cash/document_rules.h"
#include "cash/settlement_rules.h"
#include "host/api/rounding.h"

using namespace skolvarin::cash;

TEST(DocumentRules, NumbersAreRightAlignedAndCollideOnlyWithinOneType) {
  EXPECT_EQ(align_number("12"), "        12");
  EXPECT_EQ(align_number("  12  "), "        12");
  EXPECT_EQ(align_number("ąb/1"), "      ąb/1");  // characters, not bytes
  EXPECT_EQ(align_number("12345678901234"), "1234567890");
  EXPECT_EQ(document_key(2, "12"), document_key(2, "  12"));
  EXPECT_NE(document_key(2, "12"), document_key(3, "12"));
  EXPECT_EQ(document_key(1, "fv/ą"), document_key(1, "FV/Ą"));  // the key is upper case
  EXPECT_NE(document_key(1, "12"), document_key(1, "120"));
}

TEST(DocumentRules, TypesColumnsAndNewPositions) {
  EXPECT_EQ(document_type_names(1).size(), 7u);
  EXPECT_EQ(document_type_names(2).size(), 4u);
  EXPECT_EQ(document_type_names(2).back(), "4. WYKSIĘGOWANIA");
  EXPECT_EQ(document_type_name(7), "ZWIĘKSZENIA PRZYCHODÓW");
  EXPECT_EQ(document_type_name(8), "");
  EXPECT_EQ(position_column_names(1).size(), 6u);
  EXPECT_EQ(position_column_names(0)[6], "7. PROD. ROLNE");
  for (int type = 1; type <= 7; ++type) EXPECT_EQ(new_position_column(type), type == 7 ? 5 : 1) << type;
  for (int type = 1; type <= 7; ++type) EXPECT_EQ(booking_status(type), type >= 5 ? 'K' : ' ') << type;
}

TEST(DocumentRules, PositionValueAndItsLimit) {
  double v = -1;
  ASSERT_TRUE(position_value(2.5, 12.34, v));
  EXPECT_TRUE(skolvarin::same_grosz(v, 30.85));
  v = 7;
  EXPECT_FALSE(position_value(100000.0, 1000000.01, v));  // 100000001000.00
  EXPECT_TRUE(skolvarin::same_grosz(v, 7));
  ASSERT_TRUE(position_value(1.0, 99999999999.0, v));
}

TEST(DocumentRules, BookingSumsGoToTheirColumns) {
  // Tax book: 1 ZAK, 2 UBO, 3 WYN, 4 INN, 5 PSP, 6 POP; code 0 is asked for.
  const std::vector<PositionAmount> p = {{1, 100.10}, {1, 0.20}, {2, 5}, {3, 1000}, {4, 7.5}, {5, 300}, {6, 40},
                                         {0, 9.99}};
  DocumentSums s = document_sums(1, p);
  EXPECT_TRUE(skolvarin::same_grosz(s.total, 1462.79));
  ASSERT_EQ(s.unassigned, std::vector<size_t>{7});
  const BookAmounts a = book_amounts_of(s);
  const double want[] = {300, 40, 100.30, 5, 1000, 7.5};  // PSP POP ZAK UBO WYN INN
  for (size_t i = 0; i < 6; ++i) EXPECT_TRUE(skolvarin::same_grosz(a[i], want[i])) << i << " " << a[i];
  EXPECT_EQ(chosen_column(0), 4);
  EXPECT_EQ(chosen_column(2), 2);
  // Lump sum: seven categories; codes outside count only in the total.
  s = document_sums(2, {{7, 10}, {1, 1}, {9, 100}});
  EXPECT_TRUE(s.unassigned.empty());
  EXPECT_TRUE(skolvarin::same_grosz(s.total, 111));
  const auto l = lump_sum_amounts_of(s);
  EXPECT_TRUE(skolvarin::same_grosz(l[0], 1));
  EXPECT_TRUE(skolvarin::same_grosz(l[6], 10));
}

TEST(DocumentRules, DescriptionSplitsOverTwoLines) {
  auto l = split_lines("ZWIĘKSZENIA PRZYCHODÓW", 80);
  EXPECT_EQ(l[0], "ZWIĘKSZENIA PRZYCHODÓW");
  EXPECT_EQ(l[1], "");
  l = split_lines("aaaa bbbb cccc", 10);
  EXPECT_EQ(l[0], "aaaa bbbb");
  EXPECT_EQ(l[1], "cccc");
}

TEST(SettlementRules, SummaryShowsWhatRemainsPerSide) {
  SettlementSummary s;
  add_to_settlement_summary(s, kReceivable, 1230.00, 230.00);
  add_to_settlement_summary(s, kPayable, 500.00, 0.00);  // the same contractor may have both
  add_to_settlement_summary(s, kPayable, 99.99, 99.99);
  add_to_settlement_summary(s, 'X', 1e6, 0);  // other values are not counted
  EXPECT_TRUE(skolvarin::same_grosz(s.receivables.remaining(), 1000.00));
  EXPECT_TRUE(skolvarin::same_grosz(s.payables.gross, 599.99));
  EXPECT_TRUE(skolvarin::same_grosz(s.payables.remaining(), 500.00));
}

TEST(SettlementRules, EntryOfABookPostingAndItsPayments) {
  // Expenses above revenues: a payable paid by cash payments (negative).
  SettlementAmounts e = settlement_of_book_entry({0, 0, 1000, 230, 0, 0}, {-200, -30});
  EXPECT_EQ(e.type, kPayable);
  EXPECT_TRUE(skolvarin::same_grosz(e.gross, 1230));
  EXPECT_TRUE(skolvarin::same_grosz(e.paid, 230));
  EXPECT_EQ(e.status, kUnpaid);
  e = settlement_of_book_entry({1230, 0, 0, 0, 0, 0}, {1000, 230});
  EXPECT_EQ(e.type, kReceivable);
  EXPECT_EQ(e.status, kPaid);
  // A receipt does not pay a payable.
  e = settlement_of(kPayable, 100, {50});
  EXPECT_TRUE(skolvarin::same_grosz(e.paid, 0));
  EXPECT_EQ(settlement_status(0, 0), kUnpaid);
}
