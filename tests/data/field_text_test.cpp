// Cutting and trimming field text in the module: by characters, never
// inside a Polish letter.
#include <gtest/gtest.h>

#include "data/field_text.h"

namespace {

using namespace skolvarin::data;

TEST(FieldText, CutsByCharactersNotBytes) {
  const struct {
    const char* text;
    int chars;
    const char* cut;
  } cases[] = {
      {"Łódź", 2, "Łó"},   {"Łódź", 4, "Łódź"}, {"Łódź", 9, "Łódź"}, {"Łódź", 0, ""},
      {"Łódź", -3, ""},    {"", 5, ""},         {"ab ż", 4, "ab ż"},  {"żółw", 3, "żół"},
  };
  for (const auto& c : cases) EXPECT_EQ(cut_chars(c.text, c.chars), c.cut) << c.text << " " << c.chars;
}

TEST(FieldText, TrimsBlanksOnly) {
  EXPECT_EQ(trim_blanks("  Spółka Łódź  "), "Spółka Łódź");
  EXPECT_EQ(trim_blanks("   "), "");
  EXPECT_EQ(trim_blanks("\tA\t"), "\tA\t");
  EXPECT_EQ(trim_right_blanks("  ą  "), "  ą");
}

}  // namespace
