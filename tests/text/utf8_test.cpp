// Decoding and encoding UTF-8 for the screen, the print and the tables:
// every damaged byte is one U+FFFD, so the number of decoded characters is
// always the number of characters the width helpers count.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "host/text/utf8.h"

namespace {

using namespace skolvarin::text;

TEST(Utf8, DecodesValidAndDamagedText) {
  struct Case {
    std::string bytes;
    std::u32string chars;
  } cases[] = {
      {"Łódź", U"Łódź"},
      {"a€b", U"a€b"},
      {"\xF0\x9F\x98\x80", U"\U0001F600"},
      {"\xFF", U"\uFFFD"},
      {"A\xC4", U"A\uFFFD"},                         // truncated ą
      {"\xC0\xAF", U"\uFFFD\uFFFD"},                 // overlong '/'
      {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},       // surrogate
      {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
      {"ł\x80ó", U"ł\uFFFDó"},                       // stray continuation byte
      {"", U""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(utf8_decode(c.bytes), c.chars) << c.bytes;
    EXPECT_EQ(utf8_length(c.bytes), c.chars.size()) << c.bytes;
  }
}

TEST(Utf8, EncodesEveryLengthAndRoundTrips) {
  EXPECT_EQ(utf8_encode(U"z\u00F3\u0142\u2500\U0001F600"), "zół─\xF0\x9F\x98\x80");
  std::string one;
  utf8_append(one, U'Ż');
  EXPECT_EQ(one, "Ż");
  const std::string text = "Zażółć gęślą jaźń ╔═╗ €";
  EXPECT_EQ(utf8_encode(utf8_decode(text)), text);
}

TEST(Utf8, NextReportsDamagedBytes) {
  const std::string s = "ą\xC4";
  size_t pos = 0;
  char32_t cp = 0;
  EXPECT_TRUE(utf8_next(s, pos, cp));
  EXPECT_EQ(cp, U'ą');
  EXPECT_EQ(pos, 2u);
  EXPECT_FALSE(utf8_next(s, pos, cp));
  EXPECT_EQ(cp, kReplacementChar);
  EXPECT_EQ(pos, 3u);
}

TEST(Utf8, RandomBytesDecodeToAsManyCharactersAsCounted) {
  std::mt19937 rng(2026);
  for (int i = 0; i < 3000; ++i) {
    std::string s(rng() % 40, '\0');
    for (char& c : s) c = static_cast<char>(rng());
    const std::u32string chars = utf8_decode(s);
    ASSERT_EQ(chars.size(), utf8_length(s));
    // Whatever came in, what goes out again is valid and decodes the same.
    EXPECT_EQ(utf8_decode(utf8_encode(chars)), chars);
    EXPECT_EQ(utf8_offset(s, chars.size()), s.size());
  }
}

}  // namespace
