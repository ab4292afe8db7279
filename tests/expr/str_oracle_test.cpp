// STR of field values compared with Python's decimal arithmetic (half away
// from zero) on a few thousand values, widths and decimals, including values
// exactly half-way between two results.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "host/db/expression.h"
#include "tests/support/program_run.h"
#include "sample_table.h"

namespace skolvarin::db {
namespace {

struct StrCase {
  std::string value;  // decimal text as stored in the field
  int width;
  int decimals;
};

std::vector<std::string> run_oracle(const std::vector<StrCase>& cases) {
  std::vector<std::string> lines;
  for (const auto& c : cases) {
    std::ostringstream l;
    l << c.value << ' ' << c.width << ' ' << c.decimals;
    lines.push_back(l.str());
  }
  return skolvarin::testing_support::run_python_oracle("expr/str_oracle.py", lines);
}

TEST(ExpressionStrOracle, StrAgreesWithDecimalRounding) {
  const testing::SampleTable table{{"KWO", FieldType::Numeric, 20, 4}};  // wide enough for every value
  std::mt19937_64 rng(20240229);
  std::vector<StrCase> cases;
  const long long tops[] = {10, 1000, 100000, 10000000, 1000000000, 100000000000};
  for (int i = 0; i < 3000; ++i) {
    const long long top = tops[i % 6];
    long long units = static_cast<long long>(rng() % (2 * top * 10000)) - top * 10000;  // 4 decimals
    if (i % 4 == 0) units = units / 50 * 50;  // many values ending in 5 at the rounding place
    const bool negative = units < 0;
    const unsigned long long u = negative ? -units : units;
    char text[40];
    std::snprintf(text, sizeof text, "%s%llu.%04llu", negative ? "-" : "", u / 10000, u % 10000);
    const int decimals = static_cast<int>(rng() % 4);
    const int width = 1 + static_cast<int>(rng() % 16);
    cases.push_back({text, width, decimals});
  }
  const auto expected = run_oracle(cases);
  ASSERT_EQ(expected.size(), cases.size());
  int overflowed = 0, half_way = 0;
  for (size_t i = 0; i < cases.size(); ++i) {
    const auto& c = cases[i];
    std::string error;
    auto e = Expression::compile("STR(KWO," + std::to_string(c.width) + "," + std::to_string(c.decimals) + ")",
                                 table.fields, error);
    ASSERT_TRUE(e) << error;
    const std::string rec = table.record({{"KWO", c.value}});
    EXPECT_EQ("[" + e->text_value(table.view(rec)) + "]", expected[i])
        << "STR(" << c.value << "," << c.width << "," << c.decimals << ")";
    overflowed += expected[i][1] == '*';
    half_way += c.value.back() == '0' && c.value[c.value.size() - 2] == '5';
  }
  // The sample does cover both overflow and half-way values.
  EXPECT_GT(overflowed, 100);
  EXPECT_GT(half_way, 100);
}

}  // namespace
}  // namespace skolvarin::db
