// The "slownie" command of the program: answers and exit codes.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/program_run.h"

namespace {

using skolvarin::testing_support::ProgramRun;

ProgramRun run(const std::string& args) {
  return skolvarin::testing_support::run_command(skolvarin::testing_support::program() + " " + args +
                                                 " 2>/dev/null");
}

TEST(SlownieCommand, ExitCodesAndAnswers) {
  const struct {
    const char* args;
    int status;
    const char* out;
  } cases[] = {
      {"slownie 1234,56", 0, "tysiąc dwieście trzydzieści cztery złote pięćdziesiąt sześć groszy\n"},
      {"slownie 1.01", 0, "jeden złoty jeden grosz\n"},
      {"slownie 22 --json", 0,
       "{\"kwota\": 22.00, \"slownie\": \"dwadzieścia dwa złote zero groszy\", \"slownie_3\": \"dwa dwa 00/100\"}\n"},
      {"slownie -5", 0, "minus pięć złotych zero groszy\n"},
      {"slownie 12,345", 2, ""},
      {"slownie abc", 2, ""},
      {"slownie 1000000000", 2, ""},
      {"slownie 12345678901234567", 2, ""},
      {"slownie 5 --foo", 2, ""},
      {"slownie", 2, ""},
  };
  for (const auto& c : cases) {
    ProgramRun r = run(c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_EQ(r.out, c.out) << c.args;
  }
}

}  // namespace
