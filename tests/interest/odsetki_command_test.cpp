// The "odsetki" command end to end: a data directory made by "skolvarin
// init", interest tables written by python3-dbf (not by our engine), and
// the program's JSON answer compared with the hand-computed figures of
// interest_calc_test.cpp.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/program_run.h"

namespace {

using Outcome = skolvarin::testing_support::ProgramRun;
using skolvarin::testing_support::program;

Outcome run(const std::string& command) { return skolvarin::testing_support::run_command(command + " 2>/dev/null"); }

class OdsetkiCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::exists(program())) << "build the skolvarin program first";
    dir_ = std::string(SKOLVARIN_BINARY_DIR) + "/odsetki_test_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(dir_);
    ASSERT_EQ(run(program() + " --data " + dir_ + " --dzis 2024-05-01 init").status, 0);
  }
  void make_tables(const std::string& spec_json) {
    std::string spec = dir_ + "/spec.json";
    std::ofstream(spec) << spec_json;
    std::string cmd = std::string("/usr/bin/python3 ") + SKOLVARIN_SOURCE_DIR +
                      "/tests/interest/make_interest_tables.py " + dir_ + "/dzielone " + spec;
    ASSERT_EQ(run(cmd).status, 0) << cmd;
  }
  Outcome odsetki(const std::string& args) { return run(program() + " --data " + dir_ + " odsetki " + args); }
  std::string dir_;
};

// Rows and days off of 2022 as in the hand-computed table: 357 days,
// 489 900 / 365 = 1342.19 → 1342 and 386 950 / 365 = 1060.14.
const char* kYear2022 = R"({
  "W3ZAPO": [["2016-01-01", 8, "R"], ["2022-02-09", 8.5, "R"], ["2022-03-09", 10, "R"],
             ["2022-04-07", 12, "R"], ["2022-05-06", 13.5, "R"], ["2022-06-09", 15, "R"],
             ["2022-07-08", 16, "R"], ["2022-09-08", 16.5, "R"]],
  "W3ODUS": [["2021-12-09", 7.25, "R"], ["2022-01-05", 7.75, "R"], ["2022-02-09", 8.25, "R"],
             ["2022-03-09", 9, "R"], ["2022-04-07", 10, "R"], ["2022-05-06", 10.75, "R"],
             ["2022-06-09", 11.5, "R"], ["2022-07-08", 12, "R"], ["2022-09-08", 12.25, "R"]],
  "W3DNWO": ["2022-01-06", "2022-04-18", "2022-05-03", "2022-06-16", "2022-08-15",
             "2022-11-01", "2022-11-11", "2022-12-26"]
})";

TEST_F(OdsetkiCommand, YearOfRateChangesFromTheTables) {
  make_tables(kYear2022);
  Outcome r = odsetki("--termin 2022-01-06 --zaplata 2022-12-30 --kwota 10000,00 --json");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "{\"dni\": 357, \"odsetki_podatkowe\": 1342, \"odsetki_ustawowe\": 1060.14, "
            "\"kwota\": 10000.00, \"alarmy\": []}\n");
  Outcome text = odsetki("--termin 2022-01-06 --zaplata 2022-12-30 --kwota 10000");
  EXPECT_NE(text.out.find("Ilość dni zaległości -   357"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("RAZEM         -    11342.00"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("RAZEM         -    11060.14"), std::string::npos) << text.out;
}

TEST_F(OdsetkiCommand, DueDateOnAHolidayBeforeAWeekend) {
  make_tables(kYear2022);
  // Friday 11 Nov (off) → Monday 14 Nov; paid Sunday 20 Nov: 6 days.
  // 1000 × 16.5 % × 6 / 365 = 2.71 → 3; 1000 × 12.25 % × 6 / 365 = 2.01.
  Outcome r = odsetki("--termin 2022-11-11 --zaplata 2022-11-20 --kwota 1000 --json");
  EXPECT_EQ(r.out,
            "{\"dni\": 6, \"odsetki_podatkowe\": 3, \"odsetki_ustawowe\": 2.01, "
            "\"kwota\": 1000.00, \"alarmy\": []}\n");
}

TEST_F(OdsetkiCommand, EmptyOrMissingTablesAreReported) {
  make_tables(R"({"W3ZAPO": [], "W3ODUS": [["2000-01-01", 10, "R"]], "W3DNWO": ["2022-01-06"]})");
  Outcome r = odsetki("--termin 2022-01-10 --zaplata 2022-03-24 --kwota 1000 --json");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "{\"dni\": 73, \"odsetki_podatkowe\": 0, \"odsetki_ustawowe\": 20.00, "
            "\"kwota\": 1000.00, \"alarmy\": [20098]}\n");
  // No days-off table at all: an error, never an empty table.
  std::filesystem::remove(dir_ + "/dzielone/W3DNWO.DBF");
  Outcome none = odsetki("--termin 2022-01-10 --zaplata 2022-03-24 --kwota 1000 --json");
  EXPECT_EQ(none.status, 2);
  EXPECT_EQ(none.out, "");
}

TEST_F(OdsetkiCommand, BadInputExitsWithTwo) {
  make_tables(kYear2022);
  const char* bad[] = {
      "--termin 2022-13-01 --zaplata 2022-12-30 --kwota 1",
      "--termin 1992-12-31 --zaplata 2022-12-30 --kwota 1",
      "--termin 2022-01-06 --kwota 1",
      "--termin 2022-01-06 --zaplata 2022-12-30 --kwota -5",
      "--termin 2022-01-06 --zaplata 2022-12-30 --kwota 12,345",
      "--termin 2022-01-06 --zaplata 2022-12-30",
  };
  for (const char* args : bad) EXPECT_EQ(odsetki(args).status, 2) << args;
  EXPECT_EQ(run(program() + " --data " + dir_ + "/nie_ma odsetki --termin 2022-01-06 --zaplata 2022-12-30 --kwota 1")
                .status,
            2);
}

}  // namespace
