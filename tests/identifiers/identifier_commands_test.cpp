// The "nip" and "pesel" commands of the program: answers and exit codes.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/program_run.h"

namespace {

using skolvarin::testing_support::ProgramRun;

ProgramRun run(const std::string& args) {
  return skolvarin::testing_support::run_command(skolvarin::testing_support::program() + " " + args +
                                                 " 2>/dev/null");
}

TEST(IdentifierCommands, ExitCodesAndAnswers) {
  const struct {
    const char* args;
    int status;
    const char* out;
  } cases[] = {
      {"nip 526-104-08-28", 0, "NIP 526-104-08-28: poprawny\n"},
      {"nip 526 104 08 28", 0, "NIP 526 104 08 28: poprawny\n"},
      {"nip PL5261040829 --json", 1, "{\"nip\": \"PL5261040829\", \"poprawny\": false, \"ostrzezenie\": 20090}\n"},
      // Not a number of the right shape: bad input, never "poprawny".
      {"nip 123", 2, ""},
      {"nip abc", 2, ""},
      {"nip ''", 2, ""},
      {"nip ５２６１０４０８２８", 2, ""},  // full-width digits
      {"pesel ''", 2, ""},
      {"nip", 2, ""},
      {"pesel 44051401359", 0, "PESEL 44051401359: poprawny\n"},
      {"pesel 44051401358 --json", 1, "{\"pesel\": \"44051401358\", \"poprawny\": false, \"ostrzezenie\": 20092}\n"},
      {"pesel 4405140135", 2, ""},
      {"pesel", 2, ""},
  };
  for (const auto& c : cases) {
    ProgramRun r = run(c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_EQ(r.out, c.out) << c.args;
  }
}

}  // namespace
