#include "host/text/collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "host/text/mazovia.h"

namespace skolvarin::text {
namespace {

std::string key_of(std::string_view utf8, size_t width) {
  return collation_key(utf8_to_mazovia(utf8_pad_right(utf8, width)));
}

std::vector<std::string> sorted_by_key(std::vector<std::string> names, bool upper) {
  std::stable_sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
    const std::string ka = key_of(upper ? utf8_upper(a) : a, 20);
    const std::string kb = key_of(upper ? utf8_upper(b) : b, 20);
    return ka < kb;  // std::string compares as unsigned bytes, like memcmp
  });
  return names;
}

TEST(Collation, SurnamesInPolishDictionaryOrder) {
  const std::vector<std::string> expected = {
      "Abramowicz", "Ąbc",    "Bąk",        "Czarnecki", "Ćwik",      "Ćwikliński",
      "Dąbrowski",  "Ewa",    "Ęcki",       "Kowal",     "Kowalski",  "Lis",
      "Łukasiewicz", "Nowak", "Ńa",         "Olszewska", "Ósmy",      "Sowa",
      "Szulc",      "Śliwa",  "Tomczak",    "Zając",     "Zieliński", "Źrebiec",
      "Żak",        "Żukowski"};
  std::vector<std::string> shuffled = expected;
  std::reverse(shuffled.begin(), shuffled.end());
  std::rotate(shuffled.begin(), shuffled.begin() + 7, shuffled.end());
  EXPECT_EQ(sorted_by_key(shuffled, false), expected);
  EXPECT_EQ(sorted_by_key(shuffled, true), expected);
}

TEST(Collation, UpperCaseKeysGroupMixedCase) {
  // Without UPPER, upper case sorts before lower case (as in every dBASE
  // index); with UPPER the same names group regardless of how they were typed.
  const std::vector<std::string> names = {"łukasz", "Lis", "ŁUKASIEWICZ", "lis", "Łukasz", "LIS"};
  EXPECT_EQ(sorted_by_key(names, false),
            (std::vector<std::string>{"LIS", "Lis", "ŁUKASIEWICZ", "Łukasz", "lis", "łukasz"}));
  EXPECT_EQ(sorted_by_key(names, true),
            (std::vector<std::string>{"Lis", "lis", "LIS", "ŁUKASIEWICZ", "łukasz", "Łukasz"}));
}

TEST(Collation, BlankFirstThenDigitsThenLetters) {
  EXPECT_LT(key_of("KOWAL", 10), key_of("KOWALSKI", 10));
  EXPECT_LT(key_of("", 3), key_of("!", 3));
  EXPECT_LT(key_of("1", 3), key_of("A", 3));
  EXPECT_LT(key_of("9", 3), key_of("Ą", 3));
  EXPECT_LT(key_of("Z", 3), key_of("a", 3));
  EXPECT_LT(key_of("ż", 3), key_of("é", 3));  // other code page letters after the alphabet
  EXPECT_LT(key_of("A 2", 3), key_of("A-1", 3));
  EXPECT_EQ(collation_key(std::string("A\0", 2)), collation_key("A "));
}

TEST(Collation, RanksAreDistinctNonZeroAndKeepAsciiDigits) {
  std::set<int> ranks;
  for (int b = 1; b < 256; ++b) {
    const int r = collation_rank(static_cast<unsigned char>(b));
    EXPECT_GE(r, 1);
    ranks.insert(r);
  }
  EXPECT_EQ(ranks.size(), 255u);
  EXPECT_EQ(collation_rank(0), collation_rank(' '));
  for (int b = 0x21; b <= 0x40; ++b) EXPECT_EQ(collation_rank(static_cast<unsigned char>(b)), b);
}

TEST(Collation, KeysOfPrefixesArePrefixes) {
  const std::string text = utf8_to_mazovia("ŻÓŁĆ 12");
  const std::string key = collation_key(text);
  ASSERT_EQ(key.size(), text.size());
  EXPECT_EQ(collation_key(text.substr(0, 3)), key.substr(0, 3));
}

TEST(Collation, CompareTakesShorterAsBlankPadded) {
  EXPECT_EQ(collate_compare(utf8_to_mazovia("Łąka"), utf8_to_mazovia("Łąka   ")), 0);
  EXPECT_LT(collate_compare(utf8_to_mazovia("Lis"), utf8_to_mazovia("Łąka")), 0);
  EXPECT_GT(collate_compare(utf8_to_mazovia("Żak"), utf8_to_mazovia("Zając")), 0);
}

}  // namespace
}  // namespace skolvarin::text
