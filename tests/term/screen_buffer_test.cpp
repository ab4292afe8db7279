// The back buffer and the virtual terminal's dumps.
#include <gtest/gtest.h>

#include "host/term/screen_buffer.h"
#include "host/term/virtual_terminal.h"

namespace {

using skolvarin::term::Attr;
using skolvarin::term::Cell;
using skolvarin::term::ScreenBuffer;
using skolvarin::term::ScriptStep;
using skolvarin::term::VirtualTerminal;

TEST(ScreenBuffer, PolishTextTakesOneCellPerLetterAndIsCut) {
  ScreenBuffer b(3, 10);
  EXPECT_EQ(b.put_text(0, 2, "Zażółć gęślą", Attr::Normal), 8);
  EXPECT_EQ(b.row_text(0), "  Zażółć g");
  EXPECT_EQ(b.at(0, 4).ch, U'ż');
  // Off-screen starts and rows are cut, never wrapped.
  EXPECT_EQ(b.put_text(1, -2, "abcd", Attr::Normal), 2);
  EXPECT_EQ(b.row_text(1), "cd        ");
  EXPECT_EQ(b.put_text(5, 0, "x", Attr::Normal), 0);
  // Control characters never reach a cell.
  b.put_text(2, 0, "a\tb\x01", Attr::Normal);
  EXPECT_EQ(b.row_text(2), "a b       ");
}

TEST(ScreenBuffer, DamagedUtf8ShowsReplacementCharacters) {
  ScreenBuffer b(1, 6);
  b.put_text(0, 0, "a\xff" "b\xc4", Attr::Normal);
  EXPECT_EQ(b.row_text(0), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD  ");
}

TEST(VirtualTerminal, DumpsTheScreenAtTheRightMoment) {
  VirtualTerminal t(2, 4);
  t.add_steps({{ScriptStep::Dump, 0}, {ScriptStep::Key, 'x'}, {ScriptStep::Dump, 0}});
  ScreenBuffer b(2, 4);
  b.put_text(0, 0, "ab", Attr::Normal);
  t.present(b, {});
  EXPECT_EQ(t.read_key(), 'x');
  b.put_text(1, 0, "ł", Attr::Normal);
  t.present(b, {});
  EXPECT_EQ(t.read_key(), 27);  // script over: Esc
  EXPECT_EQ(t.dump_text(), "ab  \n    \n====\nab  \nł   \n====\n");
}

TEST(VirtualTerminal, AnswersEscAfterTheScriptAndGivesUpPastTheLimit) {
  VirtualTerminal t(2, 4);
  t.add_keys({'a'});
  int gave_up = 0;
  t.set_esc_limit(5, [&] { gave_up++; });
  EXPECT_EQ(t.read_key(), 'a');
  for (int i = 0; i < 5; ++i) EXPECT_EQ(t.read_key(), 27);
  EXPECT_EQ(t.esc_after_end(), 5);
  EXPECT_EQ(gave_up, 0);
  EXPECT_EXIT(t.read_key(), ::testing::ExitedWithCode(3), "Esc");
}

}  // namespace
