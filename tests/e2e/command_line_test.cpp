// The command line every command shares: options a command does not know,
// options without their value, and relative data directories.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "tests/support/files.h"
#include "tests/support/program_run.h"

namespace {

namespace ts = skolvarin::testing_support;

bool exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

TEST(CommandLine, UnknownOrIncompleteOptionsAreRefusedAndTouchNothing) {
  const std::string dir = ts::make_temp_dir("skolvarin-cmdline");
  ASSERT_FALSE(dir.empty());
  // A data directory that must never be created by a refused command line.
  const std::string env = "SKOLVARIN_DATA=" + dir + "/domyslny ";
  const std::string refused[] = {
      "--nieznana",
      "--data",
      "--dzis",
      "slownie 5 --foo",
      "sprawdz --rok",
      "sprawdz --rok 20x6",
      "odsetki --termin 2020-01-01 --zaplata 2020-02-01 --kwota 100 --rodzaj x",
      "kalkulator --brutto 2000 --cos",
      "tabela --csv --szybko /dev/null",
  };
  for (const std::string& args : refused) {
    ts::ProgramRun r = ts::run_command(env + ts::program() + " " + args + " 2>&1");
    EXPECT_EQ(r.status, 2) << args << "\n" << r.out;
    EXPECT_NE(r.out.find("skolvarin"), std::string::npos) << args << "\n" << r.out;
  }
  EXPECT_FALSE(exists(dir + "/domyslny")) << "a refused command created the default data directory";
}

TEST(CommandLine, RelativeDataDirectory) {
  const std::string dir = ts::make_temp_dir("skolvarin-cmdline");
  ASSERT_FALSE(dir.empty());
  const std::string in_dir = "cd " + dir + " && " + ts::program();
  ASSERT_EQ(ts::run_command(in_dir + " init --data wzgledny >/dev/null 2>&1").status, 0);
  // Interest from the tables of a relative data directory: 100.00 due on
  // 2020-01-31, paid 2020-03-02: 31 days; 100 × 7 % × 31 / 365 = 0.59
  // statutory, 100 × 8 % × 31 / 365 = 0.68 → 1 on tax arrears.
  ts::ProgramRun r = ts::run_command(
      in_dir + " odsetki --data wzgledny --termin 2020-01-31 --zaplata 2020-03-02 --kwota 100 --json 2>&1");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out, "{\"dni\": 31, \"odsetki_podatkowe\": 1, \"odsetki_ustawowe\": 0.59, \"kwota\": 100.00, "
                   "\"alarmy\": []}\n");
}

}  // namespace
