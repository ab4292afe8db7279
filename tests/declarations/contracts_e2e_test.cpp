// The contracts register end to end: the real program on a data directory
// made by `skolvarin init`, the contract form typed through key scripts;
// records read back with `skolvarin tabela --csv`, the bill with pdftotext.
#include <gtest/gtest.h>

#include "tests/dictionaries/e2e_support.h"

using dict_e2e::DataDir;
using dict_e2e::dump;
using dict_e2e::has_row;
using dict_e2e::run_capture;
using dict_e2e::set_option;

namespace {

// Jan Nowak in the employees register (record 1); `fields` set afterwards
// ("UBS=N UBZ=N").
bool add_person(const DataDir& dir, const std::string& fields) {
  dir.keys("ppdNowak<Enter>Jan<F2><Esc><Esc><Esc>");
  if (dir.table("W3PRAC.DBF").empty()) return false;
  std::string cmd = "/usr/bin/python3 " SKOLVARIN_SOURCE_DIR "/tests/support/set_fields.py " +
                    dir.table("W3PRAC.DBF").string() + " 1 " + fields;
  return fields.empty() || std::system(cmd.c_str()) == 0;
}

// A new contract with Nowak: `kind` and `source` are the Down presses in
// their pop-up lists (from kind 1 and source 5), `ktu` replaces the code when not empty; the cursor is
// left after the amount's field (its messages wait for a key).
std::string contract(const std::string& amount, int kind = 0, int source = 0, const std::string& ktu = "") {
  auto downs = [](int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "<Down>";
    return s;
  };
  std::string k = "d<F4><Enter>";                                // pick the person
  k += "<Enter><F4>" + downs(kind) + "<Enter>";                 // TYP
  k += "<Enter><Enter>";                                        // IMI
  k += ktu.empty() ? "<Enter>" : "<C-Y>" + ktu + "<Enter>";     // KTU
  k += "<Enter><Enter><Enter><Enter>";                          // DAW DOD DAR DDO
  k += source ? "<F4>" + downs(source) + "<Enter><Enter>" : "<Enter>";  // TYT
  k += "<Enter><Enter>";                                        // PR1 PR2
  return k + amount + "<Enter>";                                // BRU
}

const std::string kUninsured = "UBS=N UBC=N UBZ=N FPU=N FGU=N";

using Records = std::vector<std::map<std::string, std::string>>;

}  // namespace

TEST(ContractsEndToEnd, SmallContractsWarnAboutTheFlatRateIn2017) {
  DataDir dir("ryczalt");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  ASSERT_TRUE(set_option(dir, 3, "2017"));
  ASSERT_TRUE(add_person(dir, kUninsured));
  auto run = dir.keys("pu" + contract("-5") + "<dump><Enter><C-Y>200<Enter>" +  // refused, then 200.00
                          "<dump><Enter><F2>" +                                    // mandate with income tax
                          contract("200.01", 2) + "<dump><Enter><F2>" +  // flat-rate mandate of 200.01
                          contract("200", 2) + "<dump><F2><Esc><Esc>",   // flat-rate 200.00: no warning
                      "2017-03-10");
  ASSERT_EQ(run.screens.size(), 4u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Wartość nie może być ujemna !")) << dump(run.screens[0]);
  run.screens.erase(run.screens.begin());
  EXPECT_TRUE(has_row(run.screens[0], "Ta umowa powinna być opodatkowana ryczałtem !")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "Za duża kwota umowy opodatkowanej ryczałtem !")) << dump(run.screens[1]);
  EXPECT_FALSE(has_row(run.screens[2], "Uwaga")) << dump(run.screens[2]);
  Records recs = dir.records("W3UMOW17.DBF");
  ASSERT_EQ(recs.size(), 3u);
  // 200.00 at 20 % costs: income 160.00, tax 18 % of 160 = 28.80 -> 29, paid 171.00.
  EXPECT_EQ(recs[0]["UZW"], "40.00");
  EXPECT_EQ(recs[0]["POD"], "28.80");
  EXPECT_EQ(recs[0]["NPO"], "29.00");
  EXPECT_EQ(recs[0]["NET"], "171.00");
  // Flat rate: no costs, 18 % of 200 = 36.00 with no health deduction.
  EXPECT_EQ(recs[2]["TYP"], "3");
  EXPECT_EQ(recs[2]["UZW"], "0.00");
  EXPECT_EQ(recs[2]["NPO"], "36.00");
  EXPECT_EQ(recs[2]["NET"], "164.00");
  // The batch list sums what the register stored.
  std::string json = run_capture(dict_e2e::bin_dir() + "/skolvarin umowy --rok 2017 --miesiac 3 --json --data " +
                                 dir.data().string() + " 2>&1");
  EXPECT_NE(json.find("\"razem\": {\"liczba\": 3, \"brutto\": 600.01"), std::string::npos) << json;
  EXPECT_NE(json.find("\"do_wyplaty\": 171.00"), std::string::npos) << json;
}

TEST(ContractsEndToEnd, AuthorCostsStopAtHalfTheSecondThreshold) {
  DataDir dir("autorskie");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  ASSERT_TRUE(set_option(dir, 3, "2017"));
  ASSERT_TRUE(add_person(dir, kUninsured));
  // Half of 85,528.00 is 42,764.00: 40,000 of costs used, 10,000 more
  // would give 5,000, only 2,764.00 are left; after that nothing.
  auto run = dir.keys("pu" + contract("80000", 0, 1) + "<F2>" + contract("10000", 0, 1) + "<dump><Enter><F2>" +
                          contract("1000", 0, 1) + "<Enter><F2><Esc><Esc>",
                      "2017-05-04");
  ASSERT_EQ(run.screens.size(), 1u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Ograniczono koszty uzyskania.")) << dump(run.screens[0]);
  Records recs = dir.records("W3UMOW17.DBF");
  ASSERT_EQ(recs.size(), 3u) << run.all();
  EXPECT_EQ(recs[0]["UZW"], "40000.00");
  EXPECT_EQ(recs[1]["UZW"], "2764.00");
  EXPECT_EQ(recs[1]["DOP"], "7236.00");
  EXPECT_EQ(recs[2]["UZW"], "0.00");
  EXPECT_EQ(recs[2]["DOP"], "1000.00");
}

TEST(ContractsEndToEnd, Code2242BringsOnlyPensionAndDisabilityThenPostsAndPrints) {
  DataDir dir("kod2242");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  ASSERT_TRUE(add_person(dir, "UBS=T UBC=T UBZ=T FPU=T FGU=T"));
  auto run = dir.keys("pu" + contract("1000", 0, 0, "2242") + "<F2>" +
                          "kb<F2>T<Esc>"            // " Księguj " " Brutto ", saved, no cash entry
                          "rr<F2><Esc><Esc><Esc>",  // " Drukuj " " Rachunek ", printed
                      "2026-04-15");
  Records recs = dir.records("W3UMOW26.DBF");
  ASSERT_EQ(recs.size(), 1u) << run.all();
  auto& r = recs[0];
  // 9.76 % and 1.5 % of 1,000.00 from the contractor, 9.76 % and 6.5 % from the payer.
  EXPECT_EQ(r["KEU"], "97.60");
  EXPECT_EQ(r["KRU"], "15.00");
  EXPECT_EQ(r["KEP"], "97.60");
  EXPECT_EQ(r["KRP"], "65.00");
  for (const char* f : {"KCU", "KWP", "KZU", "FUP", "FUG"}) EXPECT_EQ(r[f], "0.00") << f;
  // Costs 20 % of 887.40 = 177.48; income 709.92; 12 % of 710 = 85.20 -> 85;
  // paid 1,000 - 112.60 - 85 = 802.40.
  EXPECT_EQ(r["UZW"], "177.48");
  EXPECT_EQ(r["NPO"], "85.00");
  EXPECT_EQ(r["NET"], "802.40");

  // The gross posting is in the book, and the contract knows its entry.
  Records book = dir.records("W3DANE26.DBF");
  ASSERT_EQ(book.size(), 1u) << run.all();
  EXPECT_EQ(book[0]["WYN"], "1000.00");
  EXPECT_EQ(book[0]["ZRK"], "7");
  EXPECT_EQ(r["LPB"], book[0]["LPO"]);
  EXPECT_EQ(r["DAB"], "20260415");

  // The bill: the nine settlement lines and the amount in words.
  std::string pdf;
  for (auto& e : dict_e2e::fs::recursive_directory_iterator(dir.data()))
    if (e.path().extension() == ".pdf" && e.path().filename().string().find("RAC") != std::string::npos)
      pdf = run_capture("pdftotext -layout " + e.path().string() + " - 2>/dev/null");
  ASSERT_FALSE(pdf.empty()) << run.all();
  EXPECT_NE(pdf.find("RACHUNEK DO UMOWY"), std::string::npos) << pdf;
  EXPECT_NE(pdf.find("3.Składki na ubezpieczenia społeczne"), std::string::npos) << pdf;
  EXPECT_NE(pdf.find("112,60"), std::string::npos) << pdf;
  EXPECT_NE(pdf.find("9.Do wypłaty ( 1-3-6-8 )"), std::string::npos) << pdf;
  EXPECT_NE(pdf.find("osiemset dwa"), std::string::npos) << pdf;
  EXPECT_NE(pdf.find("tysiąc złotych zero groszy"), std::string::npos) << pdf;
}

TEST(ContractsEndToEnd, CopyOf31JanuaryFallsOnTheLastDayOfFebruary) {
  for (const auto& [year, expected] : {std::pair{"2024", "20240229"}, std::pair{"2026", "20260228"}}) {
    DataDir dir(std::string("kopia") + year);
    ASSERT_TRUE(dir.ok()) << dir.init_output();
    ASSERT_TRUE(set_option(dir, 3, year));
    ASSERT_TRUE(add_person(dir, kUninsured));
    auto run = dir.keys("pu" + contract("500") + "<F2><C-C><dump>T<dump><Esc><Esc><Esc>",
                        std::string(year) + "-01-31");
    ASSERT_EQ(run.screens.size(), 2u) << run.all();
    EXPECT_TRUE(has_row(run.screens[0], "Czy kopiować umowę ?")) << dump(run.screens[0]);
    EXPECT_TRUE(has_row(run.screens[1], "kwota umowy")) << dump(run.screens[1]);  // the copy's form
    Records recs = dir.records(std::string("W3UMOW") + (year + 2) + ".DBF");
    ASSERT_EQ(recs.size(), 2u) << run.all();
    EXPECT_EQ(recs[1]["DAR"], expected) << year;
    EXPECT_EQ(recs[1]["DAW"], expected) << year;
    EXPECT_EQ(recs[1]["NET"], recs[0]["NET"]);
    EXPECT_EQ(recs[1]["REC"], "2");
  }
}
