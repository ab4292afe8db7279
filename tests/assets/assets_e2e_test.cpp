// Equipment and fixed assets end to end: the real program on a data
// directory made by `skolvarin init`, driven by key scripts; the tables are
// read back with `skolvarin tabela --csv`, the book with `skolvarin ksiega`.
#include <gtest/gtest.h>

#include "tests/dictionaries/e2e_support.h"

using dict_e2e::DataDir;
using dict_e2e::dump;
using dict_e2e::has_row;
using dict_e2e::run_capture;
using dict_e2e::set_option;

namespace {

std::string field_of(const std::vector<std::map<std::string, std::string>>& recs, const std::string& key_field,
                     const std::string& key, const std::string& field) {
  for (const auto& r : recs)
    if (r.count(key_field) && r.at(key_field) == key) return r.count(field) ? r.at(field) : "?";
  return "(brak)";
}

}  // namespace

TEST(AssetsEndToEnd, EquipmentChecksPriceYearAndCaseBlindInventoryNumbers) {
  DataDir dir("wyposazenie");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  auto run = dir.keys(
      "wd<Enter>FV/1<Enter>ab-1<Enter>Biurko<Enter><Enter>0<Enter><dump><Enter>"  // 0: price 0
      "<C-Y>1500<Enter><Enter><Enter><C-Y>2027<Enter><dump><Enter>"                // 1: year after 2026
      "<C-Y>2026<Enter>12<F2>"
      "d<Enter><Enter>AB-1<Enter><dump><Enter>"                                     // 2: AB-1 = ab-1
      "<C-Y><Enter>Krzesło<Enter><Enter>200<Enter><Enter><Enter><Enter>13<F2>"     // blank numbers may repeat
      "d<Enter><Enter><Enter>Lampa<Enter><Enter>50<Enter><Enter><Enter><Enter>14<F2><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 3u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Wartość musi być większa od zera !")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "nie większy niż 2026")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[2], "Taki numer już istnieje !")) << dump(run.screens[2]);
  auto recs = dir.records("W3WYPO.DBF");
  ASSERT_EQ(recs.size(), 3u);
  EXPECT_EQ(field_of(recs, "NA1", "Biurko", "CEN"), "1500.00");
  EXPECT_EQ(field_of(recs, "NA1", "Biurko", "DAZ"), "20261205");  // today's date proposed
  EXPECT_EQ(field_of(recs, "NA1", "Lampa", "NRE"), "");

  // In a working year before 2020 the ledger year keeps its original window.
  ASSERT_TRUE(set_option(dir, 3, "2019"));
  run = dir.keys("wd<Enter><Enter><Enter>Szafa<Enter><Enter>10<Enter><Enter><Enter><C-Y>2020<Enter><dump><Esc><Esc>");
  ASSERT_EQ(run.screens.size(), 1u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Rok musi być większy od 1900 i mniejszy niż 2020.")) << dump(run.screens[0]);
}

TEST(AssetsEndToEnd, FormBookingOnceAndCarryOverIntoTheNextYear) {
  DataDir dir("srodki");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  // WPZ 12000.00 at 10.0 %: 1200.00 a year, 100.00 a month.  Handed over in
  // March: nothing to book in January (the empty book's month).
  auto run = dir.keys(
      "ad150326<Enter>FV 7<Enter>150326<Enter>INW-1<Enter>150326<Enter>Komputer<Enter>491<Enter>"
      "12000<Enter>10<Enter>12000<Enter><dump><F2>"
      "k<dump><Enter>"
      // Handed over in December of the year before: booked in January,
      // once; the second booking of the month is refused.
      "d100125<Enter><Enter>101225<Enter><Enter>101225<Enter>Auto<Enter><Enter>60000<Enter>20<Enter>"
      "60000<Enter><F2>"
      "k<dump><F2>T"
      "k<dump><Enter><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 4u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "roczna kwota odpisów..............     1200.00")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[0], "rata miesięczna odpisów...........      100.00")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "Brak środków trwałych podlegających amortyzacji!")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[2], "KSIĘGOWANIE")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[2], "4. AMORTYZACJE")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[2], "inne................    1000.00")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[3], "Amortyzację już dopisano !")) << dump(run.screens[3]);
  auto recs = dir.records("W3AMOR26.DBF");
  EXPECT_EQ(field_of(recs, "NAZ", "Auto", "AWO"), "1000.00");
  EXPECT_EQ(field_of(recs, "NAZ", "Komputer", "AWO"), "0.00");
  std::string book = run_capture(dict_e2e::bin_dir() + "/skolvarin ksiega --data " + dir.data().string() +
                                 " --rok 2026 --json 2>&1");
  EXPECT_NE(book.find("\"data\": \"2026-01-31\""), std::string::npos) << book;
  EXPECT_NE(book.find("\"wydatki_pozostale\": 1000.00"), std::string::npos) << book;

  // April from the command line: both assets, booked without a form.
  int rc = -1;
  std::string april = run_capture(dict_e2e::bin_dir() + "/skolvarin amortyzacja --data " + dir.data().string() +
                                      " --rok 2026 --miesiac 4 --ksieguj --json 2>&1",
                                  &rc);
  EXPECT_EQ(rc, 0) << april;
  EXPECT_NE(april.find("\"razem\": 1100.00, \"zaksiegowano\": true"), std::string::npos) << april;
  run_capture(dict_e2e::bin_dir() + "/skolvarin amortyzacja --data " + dir.data().string() +
                  " --rok 2026 --miesiac 4 --ksieguj 2>&1",
              &rc);
  EXPECT_EQ(rc, 1);

  // The next year: carried over on consent and closed out.
  ASSERT_TRUE(set_option(dir, 3, "2027"));
  run = dir.keys("a<dump>T<dump><Esc>", "2027-01-10");
  ASSERT_EQ(run.screens.size(), 2u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Czy przenieść dane z poprzedniego roku ?")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "Auto")) << dump(run.screens[1]);
  auto next = dir.records("W3AMOR27.DBF");
  EXPECT_EQ(field_of(next, "NAZ", "Auto", "WUZ"), "2000.00");
  EXPECT_EQ(field_of(next, "NAZ", "Auto", "DWU"), "2000.00");
  EXPECT_EQ(field_of(next, "NAZ", "Auto", "AWO"), "0.00");
  EXPECT_EQ(field_of(next, "NAZ", "Komputer", "WUZ"), "100.00");
  // The year before is left as it was.
  EXPECT_EQ(field_of(dir.records("W3AMOR26.DBF"), "NAZ", "Auto", "AWO"), "2000.00");
}
