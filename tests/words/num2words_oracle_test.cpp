// Compares our words with Debian's python3-num2words (lang='pl') on a few
// thousand numbers and amounts across the whole range.
//
// The oracle of Debian 12 misspells "dziewięćdziesiąt" (90) as
// "dziewięćdzisiąt".  Our text stays correct Polish: before comparing, that
// one misspelt word of the oracle is replaced by the correct one, and the
// test counts how many oracle lines needed it.  Its currency form separates
// złoty and grosze with a comma, which our text does not use; the comma is
// dropped before comparing.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "host/core/amount_words.h"
#include "tests/support/program_run.h"

namespace skolvarin {
namespace {

std::vector<std::string> run_oracle(const std::vector<std::string>& inputs) {
  return testing_support::run_python_oracle("words/num2words_oracle.py", inputs);
}

int fix_oracle_spelling(std::string& s) {
  static const std::string wrong = "dziewięćdzisiąt", right = "dziewięćdziesiąt";
  int fixes = 0;
  for (size_t at; (at = s.find(wrong)) != std::string::npos; ++fixes) s.replace(at, wrong.size(), right);
  return fixes;
}

TEST(AmountWordsOracle, NumbersAgreeWithNum2words) {
  std::vector<long long> numbers;
  for (long long n = 0; n <= 1200; ++n) numbers.push_back(n);
  std::mt19937_64 rng(20240611);
  const long long tops[] = {9'999, 99'999, 999'999, 9'999'999, 99'999'999, 999'999'999};
  for (long long top : tops)
    for (int i = 0; i < 400; ++i) numbers.push_back(static_cast<long long>(rng() % (top + 1)));
  numbers.push_back(999'999'999);
  std::vector<std::string> inputs;
  for (long long n : numbers) inputs.push_back(std::to_string(n));
  auto oracle = run_oracle(inputs);
  ASSERT_EQ(oracle.size(), numbers.size()) << "python3-num2words did not answer every line";
  int fixed_lines = 0, mismatches = 0;
  for (size_t i = 0; i < numbers.size(); ++i) {
    std::string expected = oracle[i];
    if (fix_oracle_spelling(expected)) ++fixed_lines;
    std::string ours = number_in_words(numbers[i]);
    if (ours != expected && ++mismatches <= 10)
      ADD_FAILURE() << numbers[i] << ": ours \"" << ours << "\" oracle \"" << expected << "\"";
  }
  EXPECT_EQ(mismatches, 0);
  std::printf("%zu numbers compared; %d oracle lines had the misspelt 90 corrected\n",
              numbers.size(), fixed_lines);
}

TEST(AmountWordsOracle, AmountsAgreeWithNum2wordsCurrency) {
  std::mt19937_64 rng(77);
  std::vector<long long> cents;
  for (long long c = 0; c <= 300; ++c) cents.push_back(c);
  const long long tops[] = {99'999, 9'999'999, 999'999'999, 99'999'999'999};
  for (long long top : tops)
    for (int i = 0; i < 300; ++i) cents.push_back(static_cast<long long>(rng() % (top + 1)));
  std::vector<std::string> inputs;
  for (long long c : cents) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld.%02lld", c / 100, c % 100);
    inputs.push_back(buf);
  }
  auto oracle = run_oracle(inputs);
  ASSERT_EQ(oracle.size(), cents.size()) << "python3-num2words did not answer every line";
  int mismatches = 0;
  for (size_t i = 0; i < cents.size(); ++i) {
    std::string expected = oracle[i];
    fix_oracle_spelling(expected);
    if (auto comma = expected.find(", "); comma != std::string::npos) expected.erase(comma, 1);
    std::string ours = slownie(std::stod(inputs[i]));
    if (ours != expected && ++mismatches <= 10)
      ADD_FAILURE() << inputs[i] << ": ours \"" << ours << "\" oracle \"" << expected << "\"";
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace skolvarin
