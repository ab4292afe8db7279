#include "host/text/mazovia.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

namespace skolvarin::text {
namespace {

struct PolishLetter {
  unsigned char byte;
  const char* utf8;
};

// The Polish letters at their Mazovia positions.
constexpr PolishLetter kPolish[] = {
    {0x86, "ą"}, {0x8D, "ć"}, {0x8F, "Ą"}, {0x90, "Ę"}, {0x91, "ę"}, {0x92, "ł"},
    {0x95, "Ć"}, {0x98, "Ś"}, {0x9C, "Ł"}, {0x9E, "ś"}, {0xA0, "Ź"}, {0xA1, "Ż"},
    {0xA2, "ó"}, {0xA3, "Ó"}, {0xA4, "ń"}, {0xA5, "Ń"}, {0xA6, "ź"}, {0xA7, "ż"},
};

TEST(Mazovia, PolishLettersAtTheirPositionsBothWays) {
  for (const auto& p : kPolish) {
    const std::string byte(1, static_cast<char>(p.byte));
    EXPECT_EQ(mazovia_to_utf8(byte), p.utf8) << std::hex << int(p.byte);
    EXPECT_EQ(utf8_to_mazovia(p.utf8), byte) << p.utf8;
  }
  EXPECT_EQ(utf8_to_mazovia("Zażółć gęślą jaźń"), "Za\xA7\xA2\x92\x8D g\x91\x9El\x86 ja\xA6\xA4");
  EXPECT_EQ(mazovia_to_utf8("\x8F\x95\x90\x9C\xA5\xA3\x98\xA0\xA1"), "ĄĆĘŁŃÓŚŹŻ");
}

TEST(Mazovia, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    const std::string utf8 = mazovia_to_utf8(one);
    EXPECT_EQ(utf8_length(utf8), 1u) << b;
    EXPECT_EQ(mazovia_char_utf8(static_cast<unsigned char>(b)), utf8);
    EXPECT_EQ(utf8_to_mazovia(utf8), one) << "byte " << b;
    all += one;
  }
  EXPECT_EQ(utf8_to_mazovia(mazovia_to_utf8(all)), all);
}

// Every byte that is not a Polish letter is its code page 437 character, as
// Python's own cp437 codec reads it.
TEST(Mazovia, OtherHighBytesAreCodePage437) {
  FILE* p = popen("/usr/bin/python3 -c \"import sys; sys.stdout.buffer.write("
                  "'\\n'.join(bytes([b]).decode('cp437') for b in range(128, 256)).encode())\"",
                  "r");
  ASSERT_NE(p, nullptr);
  std::string out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  ASSERT_EQ(pclose(p), 0);
  size_t pos = 0;
  int checked = 0;
  for (int b = 128; b < 256; ++b) {
    const size_t end = out.find('\n', pos);
    const std::string expected = out.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    pos = end + 1;
    bool polish = false;
    for (const auto& l : kPolish) polish = polish || l.byte == b;
    if (polish) continue;
    EXPECT_EQ(mazovia_to_utf8(std::string(1, static_cast<char>(b))), expected) << "byte " << b;
    ++checked;
  }
  EXPECT_EQ(checked, 110);
  EXPECT_EQ(mazovia_to_utf8("\xC9\xCD\xBB"), "╔═╗");
}

TEST(Mazovia, InvalidOrForeignUtf8BecomesQuestionMarks) {
  struct Case {
    std::string utf8;
    std::string mazovia;
    size_t length;
  } cases[] = {
      {"\xFF", "?", 1},
      {"A\xC4", "A?", 2},                 // truncated ą
      {"\xC0\xAF", "??", 2},              // overlong '/'
      {"\xED\xA0\x80", "???", 3},         // surrogate
      {"\xE2\x82", "??", 2},              // truncated €
      {"Ж", "?", 1},                      // not in the code page, no ASCII form
      {"Å", "?", 1},                      // replaced by Ą in Mazovia
      {"\xF4\x90\x80\x80", "????", 4},    // beyond U+10FFFF
      {"ł\x80ó", "\x92?\xA2", 3},
      {"", "", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(utf8_to_mazovia(c.utf8), c.mazovia);
    EXPECT_EQ(utf8_length(c.utf8), c.length);
  }
}

TEST(Mazovia, TypographicCharactersBecomeTheirAsciiForm) {
  EXPECT_EQ(utf8_to_mazovia("Zakład – „Róża” — 5 € … ‘x’"), "Zak\x92" "ad - \"R\xA2\xA7" "a\" - 5 EUR ... 'x'");
  EXPECT_EQ(mazovia_storable("„Łąka” – 10 €"), "\"Łąka\" - 10 EUR");
  EXPECT_EQ(mazovia_storable("bez zmian: żółć"), "bez zmian: żółć");
}

TEST(Mazovia, RandomBytesNeverBreakAnything) {
  std::mt19937 rng(12345);
  for (int i = 0; i < 3000; ++i) {
    std::string s(rng() % 40, '\0');
    for (char& c : s) c = static_cast<char>(rng());
    EXPECT_EQ(utf8_to_mazovia(mazovia_to_utf8(s)), s);
    // As UTF-8: one Mazovia byte per character, whatever the bytes.
    EXPECT_EQ(utf8_to_mazovia(s).size(), utf8_length(s));
    EXPECT_EQ(utf8_upper(s).size() > 0, !s.empty());
    EXPECT_EQ(utf8_length(utf8_pad_right(s, 7)), 7u);
    EXPECT_LE(utf8_substr(s, 3, 5).size(), s.size());
  }
}

TEST(Utf8, ByCharactersNotBytes) {
  const std::string s = "Łódź żółta";
  EXPECT_EQ(utf8_length(s), 10u);
  EXPECT_EQ(utf8_substr(s, 0, 4), "Łódź");
  EXPECT_EQ(utf8_substr(s, 5), "żółta");
  EXPECT_EQ(utf8_substr(s, 8, 10), "ta");
  EXPECT_EQ(utf8_substr(s, 20, 1), "");
  EXPECT_EQ(utf8_pad_right("Łódź", 6), "Łódź  ");
  EXPECT_EQ(utf8_pad_right(s, 4), "Łódź");
  EXPECT_EQ(utf8_pad_left("ść", 4), "  ść");
  EXPECT_EQ(trim("  ą b  "), "ą b");
  EXPECT_EQ(trim_right("ą  "), "ą");
  EXPECT_EQ(trim_left("  "), "");
}

TEST(Utf8, PolishUpperAndLowerCase) {
  EXPECT_EQ(utf8_upper("zażółć gęślą jaźń"), "ZAŻÓŁĆ GĘŚLĄ JAŹŃ");
  EXPECT_EQ(utf8_lower("ZAŻÓŁĆ GĘŚLĄ JAŹŃ"), "zażółć gęślą jaźń");
  EXPECT_EQ(utf8_upper("Müller, čeština 12"), "MÜLLER, ČEŠTINA 12");
  EXPECT_EQ(utf8_upper("ß÷"), "ß÷");
}

TEST(Mazovia, ByteCaseKnowsPolishLetters) {
  const std::string lower = utf8_to_mazovia("ąćęłńóśźżabcxyzäöüç");
  const std::string upper = utf8_to_mazovia("ĄĆĘŁŃÓŚŹŻABCXYZÄÖÜÇ");
  EXPECT_EQ(mazovia_upper(lower), upper);
  for (size_t i = 0; i < upper.size(); ++i) {
    EXPECT_EQ(mazovia_lower(static_cast<unsigned char>(upper[i])), static_cast<unsigned char>(lower[i]));
  }
  // Letters whose pair is not in the code page stay as they are.
  EXPECT_EQ(mazovia_upper(utf8_to_mazovia("é1 ")), utf8_to_mazovia("é1 "));
  EXPECT_EQ(mazovia_upper(utf8_to_mazovia("╔")), utf8_to_mazovia("╔"));
}

}  // namespace
}  // namespace skolvarin::text
