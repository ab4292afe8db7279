// A form with changes when the keys run out (a key script ended): the form
// is left at once and nothing of the half-typed record is written; Esc
// typed on the question by somebody keeps the form with all it holds.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tests/browse/browse_fixture.h"

namespace browsetest {
namespace {

std::string file_bytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

TEST_F(BrowseTest, FormWithChangesIsLeftUnsavedWhenTheKeysRunOut) {
  add_row(t, "USD", "Dolar", "20240510", 3.9, " ", 1);
  d4flush(t.data);
  const std::string before = file_bytes(dir / "W3WALU.DBF");
  ASSERT_FALSE(before.empty());
  // A register stuck in a form would read Esc for ever: stop it early.
  terminal.set_esc_limit(50, [] { throw std::runtime_error("the form does not let go"); });
  const char* scripts[] = {
      "<Ins>eur<Enter>Eu",                        // a new record half typed
      "<Enter><Enter><C-Y>Zmiana",                // a record being changed
      "<Enter><Enter><C-Y><F2>",                  // a refused save, then nothing
      "<Enter><Enter><C-Y>Zmiana<Esc><dump>",     // the question on screen when the keys end
      "<Ins>eur<Enter>Euro<Enter><Enter>4,3<F4>", // a chooser-less F4, then nothing
      "<Ins>eur<Enter>Euro<Enter><Enter>4,3<Enter><Enter><F4>",  // the kinds list open
  };
  for (const char* s : scripts) {
    SCOPED_TRACE(s);
    long ends_before = terminal.esc_after_end();
    type(s);
    EXPECT_NO_THROW(run_register(&ctx, t));
    // The form, the question and the list: a handful of Esc, not thousands.
    EXPECT_LE(terminal.esc_after_end() - ends_before, 6);
    d4flush(t.data);
    EXPECT_EQ(file_bytes(dir / "W3WALU.DBF"), before);
  }
  auto d = dumps();
  ASSERT_EQ(d.size(), 1u);
  EXPECT_TRUE(contains(d[0], "Czy porzucić wprowadzone zmiany ?")) << d[0];
  EXPECT_EQ(live_rows(), 1);
  ASSERT_TRUE(find(t, "USD"));
  EXPECT_EQ(f4trim(t.naz), "Dolar");
}

TEST_F(BrowseTest, EscTypedOnTheQuestionKeepsTheFormAndItsValues) {
  type("<Ins>eur<Enter>Euro<Esc><Esc><dump><Enter><Enter><C-Y>4,3<F2><Esc>");
  run_register(&ctx, t);
  auto d = dumps();
  ASSERT_EQ(d.size(), 1u);
  EXPECT_FALSE(contains(d[0], "Czy porzucić")) << d[0];
  EXPECT_TRUE(contains(d[0], "kod waluty....EUR")) << d[0];
  EXPECT_TRUE(contains(d[0], "Euro")) << d[0];
  ASSERT_TRUE(find(t, "EUR"));
  EXPECT_EQ(f4trim(t.naz), "Euro");
  EXPECT_DOUBLE_EQ(f4double(t.kur), 4.3);
  EXPECT_TRUE(terminal.script_done());
  EXPECT_EQ(terminal.esc_after_end(), 0);
}

}  // namespace
}  // namespace browsetest
