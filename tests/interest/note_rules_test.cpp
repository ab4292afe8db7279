// Numbering of notes by kind and prefix, the uniqueness of a number, and
// the keys of the rate-type field.
#include <gtest/gtest.h>

#include <vector>

#include "interest/note_rules.h"
#include "interest/rate_rules.h"

using namespace skolvarin;
using namespace skolvarin::interest;

namespace {
Date D(int y, int m, int d) { return Date{y, m, d}; }
}  // namespace

TEST(NoteRules, NumberingByKindAndPrefix) {
  std::vector<NoteKey> none;
  NoteNumber first = next_note_number(none, kNoteInterest);
  EXPECT_EQ(first.number, 1);
  EXPECT_EQ(first.prefix, "");
  EXPECT_EQ(first.suffix, "");

  std::vector<NoteKey> notes = {
      {kNoteInterest, "NO", 1, "2026", D(2026, 3, 9), 1},
      {kNoteDebit, "OB", 7, "", D(2026, 3, 20), 2},      // another kind counts for nothing
      {kNoteInterest, "NO", 2, "2026", D(2026, 3, 9), 3},  // same day, entered later
      {kNoteInterest, "X", 40, "A", D(2026, 2, 1), 4},     // older
  };
  NoteNumber next = next_note_number(notes, kNoteInterest);
  EXPECT_EQ(next.prefix, "NO");
  EXPECT_EQ(next.number, 3);
  EXPECT_EQ(next.suffix, "2026");
  EXPECT_EQ(next_note_number(notes, kNoteDebit).number, 8);
  EXPECT_EQ(next_note_number(notes, kNoteCredit).number, 1);

  NoteNumber x = number_for_prefix(notes, kNoteInterest, "X  ");
  EXPECT_EQ(x.number, 41);
  EXPECT_EQ(x.suffix, "A");
  NoteNumber fresh = number_for_prefix(notes, kNoteInterest, "NEW");
  EXPECT_EQ(fresh.number, 1);
  EXPECT_EQ(fresh.suffix, "");

  EXPECT_TRUE(note_number_taken(notes, kNoteInterest, "NO", 2, 0));
  EXPECT_FALSE(note_number_taken(notes, kNoteInterest, "NO", 2, 3));  // its own number
  EXPECT_FALSE(note_number_taken(notes, kNoteCredit, "NO", 2, 0));
  EXPECT_FALSE(note_number_taken(notes, kNoteInterest, "NO", 4, 0));
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
