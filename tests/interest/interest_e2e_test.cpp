// The Odsetki registers and the notes end to end: the real program on a
// data directory made by `skolvarin init` (with its reference rate tables),
// driven by key scripts; the tables are read back with `skolvarin tabela`.
#include <gtest/gtest.h>

#include "tests/dictionaries/e2e_support.h"
#include "tests/support/program_run.h"

using dict_e2e::DataDir;
using dict_e2e::dump;
using dict_e2e::has_row;

namespace {

const std::map<std::string, std::string>* last_with(const std::vector<std::map<std::string, std::string>>& recs,
                                                    const std::string& field, const std::string& value) {
  const std::map<std::string, std::string>* found = nullptr;
  for (const auto& r : recs)
    if (r.count(field) && r.at(field) == value) found = &r;
  return found;
}

// The row of a screen holding `text`, or "".
std::string row_with(const dict_e2e::Screen& s, const std::string& text) {
  for (const auto& r : s)
    if (r.find(text) != std::string::npos) return r;
  return {};
}

}  // namespace

TEST(InterestEndToEnd, RateTypeKeysDatesAndRatesAreChecked) {
  DataDir dir("stopy");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  auto run = dir.keys(
      "o<End><Enter>u"
      "d311292<Enter><dump><Enter>"         // 0: a date in 1992
      "<C-Y>010126<Enter>0<Enter><dump><Enter>"  // 1: rate 0
      "<C-Y>0.1<Enter><dump>"                // 2: the type field starts as R
      "x<dump><Enter>"                       // 3: x is refused
      "d<dump><F2><dump>"                    // 4: d stored, 5: saved
      "<Esc><Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 6u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Daty sprzed 1993 roku nie są przyjmowane !")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "Wartość musi być większa od zera !")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[2], "typ..  R[R]-roczne")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[3], "Wybierz 'R' lub 'D'")) << dump(run.screens[3]);
  EXPECT_TRUE(has_row(run.screens[4], "typ..  D[R]-roczne")) << dump(run.screens[4]);
  auto recs = dir.records("W3ODUS.DBF");
  const auto* row = last_with(recs, "DAT", "20260101");
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->at("TYP"), "D");
  EXPECT_EQ(row->at("STO"), "0.100");

  // The command computes from the table as the register left it: 1000.00
  // from Friday 9 to Monday 19 January 2026 at 0.1 % a day is 10 days, 10.00.
  auto out = skolvarin::testing_support::run_command(
      dict_e2e::bin_dir() + "/skolvarin odsetki --data " + dir.data().string() +
      " --termin 2026-01-09 --zaplata 2026-01-19 --kwota 1000 --json");
  EXPECT_EQ(out.status, 0) << out.out;
  EXPECT_NE(out.out.find("\"dni\": 10"), std::string::npos) << out.out;
  EXPECT_NE(out.out.find("\"odsetki_ustawowe\": 10.00"), std::string::npos) << out.out;

  auto days = dir.keys("o<End><Enter>dd251292<Enter><dump><Enter><C-Y>100126<F2><Esc><Esc><Esc><Esc>");
  ASSERT_EQ(days.screens.size(), 1u) << days.all();
  EXPECT_TRUE(has_row(days.screens[0], "Daty sprzed 1993 roku nie są przyjmowane !")) << dump(days.screens[0]);
  EXPECT_NE(last_with(dir.records("W3DNWO.DBF"), "DAT", "20260110"), nullptr);
}

TEST(InterestEndToEnd, CalculatorShowsTheResultAndKeepsTheInputs) {
  DataDir dir("oblicz");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  // 1000.00 due Monday 2 March, paid Thursday 12 March 2026: 10 days; the
  // statutory rate is 9.5 % up to 4 March and 9.25 % from 5 March:
  // 1000 × (2 × 9.5 % + 8 × 9.25 %) / 365 = 930 / 365 = 2.55.
  auto run = dir.keys("o<End><Enter><Enter><dump>"
                      "<C-Y>02032026<Enter><C-Y>12032026<Enter><C-Y>1000<Enter><dump>"
                      "<Enter><dump><Esc><Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 3u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "OBLICZENIE ODSETEK")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[0], "Termin wpłaty - 05-12-2026")) << dump(run.screens[0]);
  const auto& shown = run.screens[1];
  EXPECT_NE(row_with(shown, "Ilość dni zaległości -").find("   10"), std::string::npos) << dump(shown);
  EXPECT_TRUE(has_row(shown, "ODSETKI OD ZALEGŁOŚCI PODATKOWYCH")) << dump(shown);
  std::string statutory = row_with(shown, "Kwota odsetek -");
  EXPECT_NE(statutory.find("2.55"), std::string::npos) << dump(shown);
  EXPECT_TRUE(has_row(shown, "1002.55")) << dump(shown);
  // After a key the results go and the inputs stay for the next reckoning.
  EXPECT_FALSE(has_row(run.screens[2], "ODSETKI USTAWOWE")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[2], "Termin wpłaty - 02-03-2026")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[2], "Kwota zaległa - 1000")) << dump(run.screens[2]);
}

TEST(InterestEndToEnd, InterestNotesNumberAndComputeTheirInterest) {
  DataDir dir("noty");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  // Note 1: invoice due Saturday 7 March, interest to Monday 9 March 2026.
  // Note 2: due Monday 2 March, to Thursday 12 March: 1000.00 gives 2.55
  // (as in the calculator), 2000.00 gives 1860 / 365 = 5.10.
  const std::string contractor = "<Enter><Enter>Odbiorca Sp. z o.o.<Enter><Enter><Enter><Enter><Enter>";
  auto run = dir.keys(
      "nd<Down><Down><Enter>"
      "NO<Enter><Enter>2026<Enter><Enter>" + contractor +
      "FV 1/2026<Enter><Enter>07032026<Enter>09032026<Enter>1000<Enter><dump><F2>"
      "d<Down><Down><Enter><dump>"
      "<Enter><Enter><Enter><Enter>" + contractor +
      "FV 2/2026<Enter><Enter>02032026<Enter>12032026<Enter>1000<Enter><dump>"
      "<Up><C-Y>2000<Enter><dump><F2><dump>"
      "d<Down><Down><Enter><C-Y>X<Enter><dump><Esc>T"
      "d<Down><Down><Enter><Enter><C-Y>1<Enter><dump><Enter><Esc>T"
      "<Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 7u) << run.all();
  EXPECT_NE(row_with(run.screens[0], "ilość dni zwłoki").find("ilość dni zwłoki    0 "), std::string::npos)
      << dump(run.screens[0]);
  EXPECT_NE(row_with(run.screens[0], "odsetki.........").find("0.00"), std::string::npos) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "numer noty...... NO  /    2/2026")) << dump(run.screens[1]);
  EXPECT_NE(row_with(run.screens[2], "odsetki.........").find("2.55"), std::string::npos) << dump(run.screens[2]);
  EXPECT_NE(row_with(run.screens[3], "odsetki.........").find("5.10"), std::string::npos) << dump(run.screens[3]);
  // Another prefix starts its own series at 1 with a blank suffix.
  EXPECT_TRUE(has_row(run.screens[5], "numer noty...... X   /    1/ ")) << dump(run.screens[5]);
  EXPECT_TRUE(has_row(run.screens[6], "Taki numer już istnieje !")) << dump(run.screens[6]);

  auto recs = dir.records("W3NOTY26.DBF");
  ASSERT_EQ(recs.size(), 2u);
  EXPECT_EQ(recs[0]["TYP"], "3");
  EXPECT_EQ(recs[0]["PRE"], "NO");
  EXPECT_EQ(recs[0]["NUM"], "1");
  EXPECT_EQ(recs[0]["POS"], "2026");
  EXPECT_EQ(recs[0]["ILD"], "0");
  EXPECT_EQ(recs[0]["ODS"], "0.00");
  EXPECT_EQ(recs[1]["PRE"], "NO");
  EXPECT_EQ(recs[1]["NUM"], "2");
  EXPECT_EQ(recs[1]["POS"], "2026");
  EXPECT_EQ(recs[1]["ILD"], "10");
  EXPECT_EQ(recs[1]["ODS"], "5.10");
  EXPECT_EQ(recs[1]["KWO"], "5.10");

  auto out = skolvarin::testing_support::run_command(dict_e2e::bin_dir() + "/skolvarin noty --data " +
                                                     dir.data().string() + " --rok 2026 --json");
  EXPECT_EQ(out.status, 0) << out.out;
  EXPECT_NE(out.out.find("\"numer\": \"NO/2/2026\""), std::string::npos) << out.out;
  EXPECT_NE(out.out.find("\"dni\": 10, \"odsetki\": 5.10"), std::string::npos) << out.out;
}

TEST(InterestEndToEnd, DebitNoteTakesItsContractorAndIsCopiedWithCtrlC) {
  DataDir dir("nota_obc");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  ASSERT_EQ(dir.keys("okdkow<Enter>Kowalski<F2><Esc><Esc><Esc>").exit_code, 0);
  auto run = dir.keys(
      "nd<Enter><Enter><Enter><Enter><Enter>"
      "<F4><dump><Enter><dump>"          // 0: the contractors as a picker, 1: the block filled
      "<F2><dump><Enter>150<F2>"         // 2: no amount yet
      "<C-C><dump><F2><dump>"            // 3: the copy's form, 4: both in the list
      "<Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 5u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Kowalski")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "nazwa...Kowalski")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[1], "kod kontrahenta. KOW")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[2], "Wartość musi być większa od zera !")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[3], "NOTA OBCIĄŻENIOWA - dopisywanie")) << dump(run.screens[3]);
  EXPECT_TRUE(has_row(run.screens[3], "numer noty......     /    2/")) << dump(run.screens[3]);
  EXPECT_TRUE(has_row(run.screens[4], "OBC 2")) << dump(run.screens[4]);
  EXPECT_TRUE(has_row(run.screens[4], "nazwa: Kowalski")) << dump(run.screens[4]);  // the panel
  auto recs = dir.records("W3NOTY26.DBF");
  ASSERT_EQ(recs.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(recs[i]["TYP"], "1");
    EXPECT_EQ(recs[i]["NUM"], std::to_string(i + 1));
    EXPECT_EQ(recs[i]["KOD"], "KOW");
    EXPECT_EQ(recs[i]["NA1"], "Kowalski");
    EXPECT_EQ(recs[i]["OBC"], "150.00");
    EXPECT_EQ(recs[i]["KWO"], "150.00");
  }
}
