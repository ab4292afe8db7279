#include "host/core/amount_words.h"

#include <gtest/gtest.h>

namespace skolvarin {
namespace {

TEST(AmountWords, NumbersInWords) {
  const struct {
    long long n;
    const char* words;
  } cases[] = {
      {0, "zero"},
      {1, "jeden"},
      {11, "jedenaście"},
      {19, "dziewiętnaście"},
      {20, "dwadzieścia"},
      {90, "dziewięćdziesiąt"},
      {99, "dziewięćdziesiąt dziewięć"},
      {100, "sto"},
      {215, "dwieście piętnaście"},
      {406, "czterysta sześć"},
      {1000, "tysiąc"},
      {1001, "tysiąc jeden"},
      {2000, "dwa tysiące"},
      {5000, "pięć tysięcy"},
      {12000, "dwanaście tysięcy"},
      {14000, "czternaście tysięcy"},
      {21000, "dwadzieścia jeden tysięcy"},
      {22000, "dwadzieścia dwa tysiące"},
      {101000, "sto jeden tysięcy"},
      {112000, "sto dwanaście tysięcy"},
      {1000000, "milion"},
      {1001000, "milion tysiąc"},
      {2000002, "dwa miliony dwa"},
      {5000000, "pięć milionów"},
      {22000000, "dwadzieścia dwa miliony"},
      {1234567, "milion dwieście trzydzieści cztery tysiące pięćset sześćdziesiąt siedem"},
      {999999999, "dziewięćset dziewięćdziesiąt dziewięć milionów dziewięćset dziewięćdziesiąt "
                  "dziewięć tysięcy dziewięćset dziewięćdziesiąt dziewięć"},
  };
  for (const auto& c : cases) EXPECT_EQ(number_in_words(c.n), c.words) << c.n;
}

TEST(AmountWords, OutOfRangeNumbersGiveNoText) {
  EXPECT_EQ(number_in_words(1000000000), "");
  EXPECT_EQ(number_in_words(-1), "");
  EXPECT_EQ(slownie(1000000000.0), "");
  EXPECT_EQ(slownie_3(1e12), "");
  EXPECT_TRUE(pisz_slownie(2e9, 40).empty());
  // Beyond what a long long holds in grosze: refused, not read as garbage.
  EXPECT_EQ(slownie(12345678901234567.0), "");
  EXPECT_EQ(slownie(-1e19), "");
  EXPECT_TRUE(pisz_slownie(1e17, 40).empty());
}

TEST(AmountWords, ZlotyAndGroszTakeTheirNumberForms) {
  const struct {
    long long n;
    const char* zl;
    const char* gr;
  } cases[] = {
      {0, "złotych", "groszy"},  {1, "złoty", "grosz"},     {2, "złote", "grosze"},
      {4, "złote", "grosze"},    {5, "złotych", "groszy"},  {12, "złotych", "groszy"},
      {13, "złotych", "groszy"}, {21, "złotych", "groszy"}, {22, "złote", "grosze"},
      {24, "złote", "grosze"},   {101, "złotych", "groszy"}, {112, "złotych", "groszy"},
      {1002, "złote", "grosze"},
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(zloty_word(c.n), c.zl) << c.n;
    EXPECT_STREQ(grosz_word(c.n), c.gr) << c.n;
  }
}

TEST(AmountWords, FullAmounts) {
  const struct {
    double amount;
    const char* words;
  } cases[] = {
      {1.00, "jeden złoty zero groszy"},
      {2.01, "dwa złote jeden grosz"},
      {5.02, "pięć złotych dwa grosze"},
      {22.05, "dwadzieścia dwa złote pięć groszy"},
      {12.22, "dwanaście złotych dwadzieścia dwa grosze"},
      {0.99, "zero złotych dziewięćdziesiąt dziewięć groszy"},
      {1459.48, "tysiąc czterysta pięćdziesiąt dziewięć złotych czterdzieści osiem groszy"},
      {-3.10, "minus trzy złote dziesięć groszy"},
      // Rounded to the grosz first: 2.675 is 2.68.
      {2.675, "dwa złote sześćdziesiąt osiem groszy"},
      {999999999.99, "dziewięćset dziewięćdziesiąt dziewięć milionów dziewięćset dziewięćdziesiąt "
                     "dziewięć tysięcy dziewięćset dziewięćdziesiąt dziewięć złotych "
                     "dziewięćdziesiąt dziewięć groszy"},
  };
  for (const auto& c : cases) EXPECT_EQ(slownie(c.amount), c.words) << c.amount;
}

TEST(AmountWords, ShortFormOfTransferSlips) {
  EXPECT_EQ(slownie_3(123.45), "jed dwa trz 45/100");
  EXPECT_EQ(slownie_3(0.07), "zer 07/100");
  EXPECT_EQ(slownie_3(9087654.3), "dzi zer osi sie sze pię czt 30/100");
  EXPECT_EQ(slownie_3(-1.5), "minus jed 50/100");
}

TEST(AmountWords, LinesForPrintedForms) {
  // 71 characters of words cut into lines of at most 30.
  auto lines = pisz_slownie(1459.48, 30);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "tysiąc czterysta pięćdziesiąt");
  EXPECT_EQ(lines[1], "dziewięć złotych czterdzieści");
  EXPECT_EQ(lines[2], "osiem groszy");
  // Width counts letters, not bytes: "pięćdziesiąt" is 12 letters.
  auto exact = wrap_words("pięćdziesiąt pięć", 12);
  ASSERT_EQ(exact.size(), 2u);
  EXPECT_EQ(exact[0], "pięćdziesiąt");
  // A word longer than the line stands alone.
  auto narrow = wrap_words("dziewięćdziesiąt groszy", 5);
  ASSERT_EQ(narrow.size(), 2u);
  EXPECT_EQ(narrow[0], "dziewięćdziesiąt");
  EXPECT_EQ(pisz_slownie(1.0, 80), std::vector<std::string>{"jeden złoty zero groszy"});
}

}  // namespace
}  // namespace skolvarin
