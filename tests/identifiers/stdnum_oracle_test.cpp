// Compares the NIP and PESEL checks with Debian's python3-stdnum
// (stdnum.pl.nip, stdnum.pl.pesel) on generated numbers, valid and invalid.
//
// stdnum's PESEL check also rejects numbers whose birth date is not a real
// date; this system checks the check digit only.  For a PESEL whose date is
// a real date the two answers must agree; for the others ours must agree
// with stdnum's check-digit computation alone.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "dictionaries/identifiers.h"
#include "tests/support/program_run.h"

namespace skolvarin::dictionaries {
namespace {

struct Sample {
  bool is_nip;
  std::string text;
};

std::vector<std::string> run_oracle(const std::vector<Sample>& samples) {
  std::vector<std::string> lines;
  for (const auto& s : samples) lines.push_back((s.is_nip ? "nip\t" : "pesel\t") + s.text);
  return skolvarin::testing_support::run_python_oracle("identifiers/stdnum_oracle.py", lines);
}

std::string digits(std::mt19937_64& rng, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += static_cast<char>('0' + rng() % 10);
  return s;
}

std::string nip_with_check(std::mt19937_64& rng) {
  static const int w[9] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
  std::string s = digits(rng, 9);
  int sum = 0;
  for (int i = 0; i < 9; ++i) sum += w[i] * (s[i] - '0');
  // A sum giving 10 has no check digit; the number is then completed at
  // random and must come out invalid from both checks.
  s += static_cast<char>('0' + (sum % 11 == 10 ? rng() % 10 : sum % 11));
  return s;
}

std::string pesel_real_date(std::mt19937_64& rng, bool right_check) {
  static const int w[10] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
  int year = 1800 + static_cast<int>(rng() % 500);
  int month = 1 + static_cast<int>(rng() % 12);
  int mdays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int dim = mdays[month - 1] + (month == 2 && (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)));
  int day = 1 + static_cast<int>(rng() % dim);
  int century_shift = year < 1900 ? 80 : (year - 1900) / 100 * 20;
  char head[40];
  std::snprintf(head, sizeof head, "%02d%02d%02d", year % 100, month + century_shift, day);
  std::string s = head + digits(rng, 4);
  int sum = 0;
  for (int i = 0; i < 10; ++i) sum += w[i] * (s[i] - '0');
  s += right_check ? static_cast<char>('0' + (10 - sum % 10) % 10) : static_cast<char>('0' + rng() % 10);
  return s;
}

TEST(IdentifiersOracle, NipAndPeselAgreeWithStdnum) {
  std::mt19937_64 rng(31032);
  std::vector<Sample> samples;
  for (int i = 0; i < 3000; ++i) samples.push_back({true, digits(rng, 10)});
  for (int i = 0; i < 3000; ++i) samples.push_back({true, nip_with_check(rng)});
  for (int i = 0; i < 500; ++i) samples.push_back({true, "PL" + nip_with_check(rng)});
  for (int i = 0; i < 500; ++i) {
    std::string s = nip_with_check(rng);
    samples.push_back({true, s.substr(0, 3) + "-" + s.substr(3, 3) + "-" + s.substr(6, 2) + "-" + s.substr(8)});
  }
  for (int i = 0; i < 300; ++i) samples.push_back({true, digits(rng, 9 + 2 * (i % 2))});
  for (int i = 0; i < 3000; ++i) samples.push_back({false, pesel_real_date(rng, i % 2 == 0)});
  for (int i = 0; i < 2000; ++i) samples.push_back({false, digits(rng, 11)});
  for (int i = 0; i < 300; ++i) samples.push_back({false, digits(rng, 10 + 2 * (i % 2))});

  auto oracle = run_oracle(samples);
  ASSERT_EQ(oracle.size(), samples.size()) << "python3-stdnum did not answer every line";
  int nip_n = 0, nip_valid = 0, pesel_full = 0, pesel_check_only = 0, pesel_valid = 0, mismatches = 0;
  for (size_t i = 0; i < samples.size(); ++i) {
    const Sample& s = samples[i];
    bool expected;
    bool ours;
    if (s.is_nip) {
      ++nip_n;
      expected = oracle[i] == "1";
      ours = check_nip(s.text).valid;
      nip_valid += ours;
    } else {
      ASSERT_EQ(oracle[i].size(), 5u) << oracle[i];
      bool full = oracle[i][0] == '1', check = oracle[i][2] == '1', date_ok = oracle[i][4] == '1';
      bool eleven = s.text.size() == 11;
      if (!eleven || date_ok) {
        ++pesel_full;
        expected = full;
      } else {
        ++pesel_check_only;
        expected = check;
      }
      ours = check_pesel(s.text).valid;
      pesel_valid += ours;
    }
    if (ours != expected && ++mismatches <= 10)
      ADD_FAILURE() << (s.is_nip ? "NIP " : "PESEL ") << s.text << ": ours " << ours << ", stdnum "
                    << expected;
  }
  EXPECT_EQ(mismatches, 0);
  // Both valid and invalid numbers must be well represented.
  EXPECT_GT(nip_valid, 2000);
  EXPECT_LT(nip_valid, nip_n - 2000);
  EXPECT_GT(pesel_valid, 1500);
  std::printf("NIP: %d compared (%d valid); PESEL: %d compared in full, %d on the check digit only "
              "(no real birth date), %d valid\n",
              nip_n, nip_valid, pesel_full, pesel_check_only, pesel_valid);
}

}  // namespace
}  // namespace skolvarin::dictionaries
