// The text of a note number, the interest of a note and the keys of the
// rate-type field.
#include <gtest/gtest.h>

#include "interest/note_rules.h"
#include "interest/rate_rules.h"

using namespace skolvarin;
using namespace skolvarin::interest;

namespace {
Date D(int y, int m, int d) { return Date{y, m, d}; }
}  // namespace

TEST(NoteRules, NumberText) {
  EXPECT_EQ(note_number_text("NO  ", 2, "2026     "), "NO/2/2026");
  EXPECT_EQ(note_number_text("", 12, ""), "12");
}

TEST(NoteRules, InterestOfANoteIsTheStatutoryInterestToTheGrosz) {
  InterestResult r;
  r.days = 10;
  r.statutory_interest = 2.547945;
  r.tax_interest = 3.9;
  NoteInterest n = note_interest(r);
  EXPECT_EQ(n.days, 10);
  EXPECT_DOUBLE_EQ(n.interest, 2.55);
}

TEST(RateRules, TypeKeysAndDates) {
  struct Case {
    int key;
    TypeKeyAction action;
    char value;
  } cases[] = {
      {'d', TypeKeyAction::Store, 'D'}, {'D', TypeKeyAction::Store, 'D'}, {'r', TypeKeyAction::Store, 'R'},
      {'R', TypeKeyAction::Store, 'R'}, {'x', TypeKeyAction::Refuse, 0},  {'1', TypeKeyAction::Refuse, 0},
      {' ', TypeKeyAction::Refuse, 0},  {0x142, TypeKeyAction::Refuse, 0},  // ł
      {13, TypeKeyAction::PassOn, 0},   {27, TypeKeyAction::PassOn, 0},   {0x3C00, TypeKeyAction::PassOn, 0},
      {0x4800, TypeKeyAction::PassOn, 0}, {9, TypeKeyAction::PassOn, 0},
  };
  for (const Case& c : cases) {
    TypeKey t = rate_type_key(c.key);
    EXPECT_EQ(t.action, c.action) << c.key;
    EXPECT_EQ(t.value, c.value) << c.key;
  }
  EXPECT_TRUE(rate_date_accepted(D(1993, 1, 1)));
  EXPECT_FALSE(rate_date_accepted(D(1992, 12, 31)));
  EXPECT_FALSE(rate_date_accepted(Date{}));
}
