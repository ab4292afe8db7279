// End-to-end runs of "skolvarin kalkulator": the built program, its JSON and
// text output, its refusals, and the parameters of a year read from a data
// directory that another tool changed.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <regex>
#include <string>

#include "tests/support/files.h"
#include "tests/support/program_run.h"

namespace {

using skolvarin::testing_support::ProgramRun;
using skolvarin::testing_support::program_dir;

// Runs a shell command line; stdout and stderr together.
ProgramRun sh(const std::string& command) { return skolvarin::testing_support::run_command(command + " 2>&1"); }

// The calculator without a data directory: defaults only.
ProgramRun calc(const std::string& args) {
  return sh("SKOLVARIN_DATA=/nonexistent/skolvarin-test " + program_dir() + "/skolvarin kalkulator " + args);
}

std::map<std::string, double> json(const std::string& text) {
  std::map<std::string, double> m;
  std::regex pair("\"([a-z_]+)\": (-?[0-9]+\\.[0-9]{2})");
  for (std::sregex_iterator it(text.begin(), text.end(), pair), end; it != end; ++it)
    m[(*it)[1]] = std::stod((*it)[2]);
  return m;
}

TEST(KalkulatorCommand, JsonBreakdownOfAGross) {
  ProgramRun r = calc("--rok 2017 --brutto 2000 --json");
  ASSERT_EQ(r.status, 0) << r.out;
  auto m = json(r.out);
  ASSERT_EQ(m.size(), 16u) << r.out;
  EXPECT_DOUBLE_EQ(m["brutto"], 2000.00);
  EXPECT_DOUBLE_EQ(m["emerytalne_pracownik"], 195.20);
  EXPECT_DOUBLE_EQ(m["emerytalne_pracodawca"], 195.20);
  EXPECT_DOUBLE_EQ(m["rentowe_pracownik"], 30.00);
  EXPECT_DOUBLE_EQ(m["rentowe_pracodawca"], 130.00);
  EXPECT_DOUBLE_EQ(m["chorobowe"], 49.00);
  EXPECT_DOUBLE_EQ(m["wypadkowe"], 36.00);
  EXPECT_DOUBLE_EQ(m["zdrowotne"], 155.32);
  EXPECT_DOUBLE_EQ(m["fundusz_pracy"], 49.00);
  EXPECT_DOUBLE_EQ(m["fgsp"], 2.00);
  EXPECT_DOUBLE_EQ(m["koszty"], 111.25);
  EXPECT_DOUBLE_EQ(m["zaliczka"], 111.00);
  EXPECT_DOUBLE_EQ(m["do_wyplaty"], 1459.48);
  EXPECT_DOUBLE_EQ(m["koszt_calkowity"], 2412.20);
  EXPECT_DOUBLE_EQ(m["ppk_pracownik"], 0.00);
  EXPECT_DOUBLE_EQ(m["ppk_pracodawca"], 0.00);
}

TEST(KalkulatorCommand, ReverseModesAndKinds) {
  struct Case {
    const char* args;
    const char* key;
    double expected;
  } cases[] = {
      {"--rok 2017 --netto 1459.48 --json", "brutto", 2000.00},
      {"--rok 2017 --netto 1459,48 --json", "brutto", 2000.00},
      {"--rok 2017 --koszt 2412.20 --json", "brutto", 2000.00},
      {"--rok 2017 --rodzaj dzielo --brutto 1000 --json", "do_wyplaty", 856.00},
      {"--rok 2017 --rodzaj dzielo --brutto 1000 --json", "zdrowotne", 0.00},
      {"--rok 2017 --rodzaj zlecenie --brutto 1000 --json", "do_wyplaty", 728.24},
      {"--rok 2017 --rodzaj zlecenie --netto 728.24 --json", "brutto", 1000.00},
  };
  for (const Case& c : cases) {
    ProgramRun r = calc(c.args);
    ASSERT_EQ(r.status, 0) << c.args << "\n" << r.out;
    EXPECT_DOUBLE_EQ(json(r.out)[c.key], c.expected) << c.args;
  }
}

TEST(KalkulatorCommand, LawOfTheMonthAndTheEmployeeSwitches) {
  struct Case {
    const char* args;
    const char* key;
    double expected;
  } cases[] = {
      {"--rok 2026 --miesiac 3 --brutto 4806 --kup podwyzszone", "do_wyplaty", 3611.85},
      {"--rok 2025 --miesiac 3 --brutto 4666 --ppk", "do_wyplaty", 3408.60},
      {"--rok 2025 --miesiac 3 --brutto 4666 --ppk", "ppk_pracodawca", 69.99},
      {"--rok 2025 --miesiac 3 --brutto 4666 --ppk", "koszt_calkowity", 5691.59},
      {"--rok 2026 --miesiac 3 --brutto 4806 --bez-pit2", "zaliczka", 468.00},  // 3897 × 12 %
      {"--rok 2026 --miesiac 3 --brutto 4806 --do-26", "zaliczka", 0.00},
      {"--rok 2026 --miesiac 3 --brutto 600.75", "zdrowotne", 1.80},
      {"--rok 2026 --miesiac 3 --netto 3605.85", "brutto", 4806.00},
      // Without --miesiac: the month of --dzis in its year, else December.
      {"--dzis 2019-03-01 --rok 2019 --brutto 2250", "do_wyplaty", 1633.78},
      {"--dzis 2020-03-01 --rok 2019 --brutto 2250", "do_wyplaty", 1673.78},
  };
  for (const Case& c : cases) {
    ProgramRun r = calc(std::string(c.args) + " --json");
    ASSERT_EQ(r.status, 0) << c.args << "\n" << r.out;
    EXPECT_DOUBLE_EQ(json(r.out)[c.key], c.expected) << c.args;
  }
  // The same pay under two dates side by side.
  ProgramRun r = calc("--rok 2026 --miesiac 5 --brutto 5000 --porownaj 2019-03");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(std::regex_search(r.out, std::regex("do wypłaty +3738\\.19 +3550\\.19"))) << r.out;
  EXPECT_NE(r.out.find("różnica do wypłaty: 188.00"), std::string::npos) << r.out;
  r = calc("--rok 2026 --miesiac 5 --brutto 5000 --porownaj 2019-03 --json");
  EXPECT_NE(r.out.find("\"porownanie\": {\"brutto\": 5000.00"), std::string::npos) << r.out;
}

TEST(KalkulatorCommand, PlainPolishText) {
  ProgramRun r = calc("--rok 2017 --netto 1459.48");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("KALKULATOR PŁACOWY 2017-12, płaca"), std::string::npos) << r.out;
  EXPECT_TRUE(std::regex_search(r.out, std::regex("do wypłaty +1459\\.48"))) << r.out;
  EXPECT_TRUE(std::regex_search(r.out, std::regex("brutto +2000\\.00"))) << r.out;
  EXPECT_TRUE(std::regex_search(r.out, std::regex("ubezpieczenie emerytalne +195\\.20 +195\\.20"))) << r.out;
  EXPECT_NE(r.out.find("parametry ustawowe 2017"), std::string::npos) << r.out;
}

TEST(KalkulatorCommand, BadInputExits2WithAPolishMessage) {
  struct Case {
    const char* args;
    const char* message;
  } cases[] = {
      {"--brutto abc", "błędna kwota w --brutto: abc"},
      {"--brutto -5", "błędna kwota"},
      {"--brutto 10.999", "błędna kwota"},
      {"", "podaj dokładnie jedną kwotę"},
      {"--brutto 100 --netto 100", "podaj dokładnie jedną kwotę"},
      {"--rodzaj etat --brutto 100", "nieznany rodzaj wynagrodzenia: etat"},
      {"--rok 17 --brutto 100", "błędny rok w --rok: 17"},
      {"--brutto", "brak wartości opcji --brutto"},
      {"--brutto 100 --xml", "nieznana opcja: --xml"},
      {"--netto 0", "Za duża stopa podatku, koszty uzysku lub odliczenie."},
      {"--miesiac 13 --brutto 100", "błędny miesiąc w --miesiac: 13"},
      {"--kup duze --brutto 100", "nieznane koszty uzyskania w --kup: duze"},
      {"--porownaj 19 --brutto 100", "błędna data w --porownaj: 19"},
      {"--porownaj 2019-13 --brutto 100", "błędna data w --porownaj"},
  };
  for (const Case& c : cases) {
    ProgramRun r = calc(c.args);
    EXPECT_EQ(r.status, 2) << c.args << "\n" << r.out;
    EXPECT_NE(r.out.find(c.message), std::string::npos) << c.args << "\n" << r.out;
  }
  ProgramRun r = sh(program_dir() + "/skolvarin kalkulator --data /nonexistent/skolvarin-test --brutto 100");
  EXPECT_EQ(r.status, 2) << r.out;
}

TEST(KalkulatorCommand, ParametersOfTheYearFromTheDataDirectory) {
  const std::string dir = skolvarin::testing_support::make_temp_dir("skolvarin-kalk");
  ASSERT_FALSE(dir.empty());
  const std::string prog = program_dir() + "/skolvarin --data " + dir + " --dzis 2020-06-15 ";
  ASSERT_EQ(sh(prog + "init").status, 0);
  // Without the year's parameters: the statutory figures of 2020.
  ProgramRun r = sh(prog + "kalkulator --rok 2020 --brutto 2600 --json");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_DOUBLE_EQ(json(r.out)["do_wyplaty"], 1920.62);
  // The year's file, filled with every key by the first read, then changed
  // by another tool to the 2020 figures: 17 %, costs 250.00, 43.76.
  ProgramRun made = sh(prog + "sprawdz --utworz --rok 2020");
  ASSERT_EQ(sh(prog + "kalkulator --rok 2020 --brutto 100").status, 0) << made.out;
  ProgramRun set = sh("/usr/bin/python3 " + std::string(SKOLVARIN_SOURCE_DIR) +
               "/tests/payroll/set_settings_values.py " + dir + "/dzielone/W3PAPL20.DBF 1=250 2=43.76 3=17");
  ASSERT_EQ(set.status, 0) << set.out << made.out;
  r = sh(prog + "kalkulator --rok 2020 --brutto 2600 --json");
  ASSERT_EQ(r.status, 0) << r.out;
  auto m = json(r.out);
  EXPECT_DOUBLE_EQ(m["koszty"], 250.00);
  EXPECT_DOUBLE_EQ(m["zaliczka"], 121.00);
  EXPECT_DOUBLE_EQ(m["do_wyplaty"], 1920.62);  // published net of 2020
  // A figure the user changed stands: 19 % instead of 17 %.
  ASSERT_EQ(sh("/usr/bin/python3 " + std::string(SKOLVARIN_SOURCE_DIR) + "/tests/payroll/set_settings_values.py " +
               dir + "/dzielone/W3PAPL20.DBF 3=19").status, 0);
  r = sh(prog + "kalkulator --rok 2020 --brutto 2600 --json");
  // S = 2243.54; R(1993.54) = 1994 × 19 % = 378.86 - 43.76 - 173.87 = 161.23.
  EXPECT_DOUBLE_EQ(json(r.out)["zaliczka"], 161.00) << r.out;
  // Another year of the same directory: the statutory figures of its month.
  r = sh(prog + "kalkulator --rok 2019 --miesiac 5 --brutto 2600 --json");
  EXPECT_DOUBLE_EQ(json(r.out)["koszty"], 111.25) << r.out;
  r = sh(prog + "kalkulator --rok 2019 --brutto 2600 --json");  // December: 250.00
  EXPECT_DOUBLE_EQ(json(r.out)["koszty"], 250.00) << r.out;
  sh("rm -rf " + dir);
}

// A new data directory gets the statutory payroll parameters of every year;
// a later import keeps what the user changed.
TEST(KalkulatorCommand, StatutoryParametersOfEveryYearInTheDataDirectory) {
  const std::string dir = skolvarin::testing_support::make_temp_dir("skolvarin-papl");
  ASSERT_FALSE(dir.empty());
  const std::string prog = program_dir() + "/skolvarin --data " + dir + " --dzis 2026-12-06 ";
  ASSERT_EQ(sh(prog + "init").status, 0);
  for (int year = 2009; year <= 2026; ++year) {
    char name[32];
    std::snprintf(name, sizeof name, "/dzielone/W3PAPL%02d.DBF", year % 100);
    EXPECT_EQ(::access((dir + name).c_str(), F_OK), 0) << name;
  }
  ProgramRun r = sh(prog + "kalkulator --rok 2019 --miesiac 5 --brutto 2250");
  EXPECT_NE(r.out.find("parametry płacowe 2019 z"), std::string::npos) << r.out;
  EXPECT_TRUE(std::regex_search(r.out, std::regex("do wypłaty +1633\\.78"))) << r.out;
  ASSERT_EQ(sh("/usr/bin/python3 " + std::string(SKOLVARIN_SOURCE_DIR) + "/tests/payroll/set_settings_values.py " +
               dir + "/dzielone/W3PAPL19.DBF 3=19").status, 0);
  r = sh(prog + "wzorce");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(std::regex_search(r.out, std::regex("W3PAPL19\\.DBF +dodano +0,"))) << r.out;
  // 1830 × 19 % = 347.70 - 46.33 - 150.47 = 150.90 -> 151.
  EXPECT_DOUBLE_EQ(json(sh(prog + "kalkulator --rok 2019 --miesiac 5 --brutto 2250 --json").out)["zaliczka"], 151.00);
  sh("rm -rf " + dir);
}

}  // namespace
