// The dictionaries' pickers and key scripts that end inside a form, run
// through the real program: F4 on the contractor's country opens the
// countries register, F4 on an exchange rate's currency the list of the
// countries' currencies; a script that ends in a changed form lets the
// program end at once without writing the half-typed record.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "e2e_support.h"

using dict_e2e::count_where;
using dict_e2e::DataDir;
using dict_e2e::find_where;
using dict_e2e::set_option;
using dict_e2e::dump;
using dict_e2e::has_row;

namespace {

using Records = std::vector<std::map<std::string, std::string>>;

// Countries in the order of their code (the countries list's first order).
std::vector<std::map<std::string, std::string>> countries_by_code(const DataDir& dir) {
  auto recs = dir.records("W3KRAJ.DBF");
  std::sort(recs.begin(), recs.end(), [](const auto& a, const auto& b) { return a.at("KKR") < b.at("KKR"); });
  return recs;
}

// The currency list's rows: the countries' currencies in code order (one
// row per country), blanks left out.
std::vector<std::string> currencies(const DataDir& dir) {
  std::vector<std::string> codes;
  for (const auto& r : dir.records("W3KRAJ.DBF"))
    if (!r.at("KOD").empty()) codes.push_back(r.at("KOD"));
  std::sort(codes.begin(), codes.end());
  return codes;
}

std::string file_bytes(const dict_e2e::fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(DictionaryPickers, ContractorCountryFromTheCountriesRegister) {
  DataDir dir("picker_kraj");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  auto countries = countries_by_code(dir);
  ASSERT_GT(countries.size(), 3u);
  const std::string second = countries[1].at("KRA");
  const std::string last = countries.back().at("KRA");
  auto run = dir.keys(
      "ok"
      "dkow<Enter>Kowalski<Enter><Enter><Enter><Enter><Enter><Enter>"  // on to the country
      "<F4><dump><Home><Down><Enter><dump><F2>"                          // 0: the picker, 1: the form
      "<Home>m<Enter><Enter><Enter><Enter><Enter><Enter><Enter><F4><End><Enter><F2>"
      "<Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 2u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], countries[0].at("KRA"))) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[0], "kraj")) << dump(run.screens[0]);  // the countries' list header
  EXPECT_TRUE(has_row(run.screens[1], "kraj.........." + second)) << dump(run.screens[1]);
  auto recs = dir.records("W3KHNT.DBF");
  ASSERT_EQ(recs.size(), 1u);
  EXPECT_EQ(recs[0].at("KOD"), "KOW");
  EXPECT_EQ(recs[0].at("KRA"), last);  // chosen again when modified
  // The countries were only read.
  EXPECT_EQ(dir.records("W3KRAJ.DBF").size(), countries.size());
}

TEST(DictionaryPickers, ExchangeRateCurrencyFromTheCurrencyList) {
  DataDir dir("picker_waluta");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  auto codes = currencies(dir);
  ASSERT_GT(codes.size(), 3u);
  ASSERT_TRUE(std::find(codes.begin(), codes.end(), "USD") != codes.end());
  auto run = dir.keys(
      "oy"
      "d<F4><dump><End><Enter><dump><Enter><Enter>4,5<F2>"  // 0: the list, 1: the form
      "dchf<F4><dump><Enter><Enter><C-Y>041226<Enter>4,4<F2>"  // 2: the list opens on CHF
      "d<F4><Home><Down><Enter><Enter><C-Y>031226<Enter>1,1<F2>"
      "<Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 3u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], " Waluty ")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[0], codes[0] + " ")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "kod waluty......" + codes.back())) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[2], "CHF ")) << dump(run.screens[2]);
  auto recs = dir.records("W3KURS.DBF");
  ASSERT_EQ(recs.size(), 3u);
  const auto* last = find_where(recs, "DAT", "20261205");
  const auto* chf = find_where(recs, "DAT", "20261204");
  const auto* second = find_where(recs, "DAT", "20261203");
  ASSERT_NE(last, nullptr);
  ASSERT_NE(chf, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(last->at("KOD"), codes.back());
  EXPECT_EQ(last->at("KUR"), "4.500000");
  EXPECT_EQ(chf->at("KOD"), "CHF");
  EXPECT_EQ(second->at("KOD"), codes[1]);
}

TEST(DictionaryKeyScripts, ScriptEndingInAChangedFormEndsTheRunWithoutSaving) {
  DataDir dir("koniec_skryptu");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  // One saved contractor and one rate to change afterwards.
  ASSERT_EQ(dir.keys("okdkow<Enter>Kowalski<F2><Esc><Esc><Esc>").exit_code, 0);
  ASSERT_EQ(dir.keys("oydpln<Enter><Enter>4,5<F2><Esc><Esc><Esc>").exit_code, 0);
  auto rates = dir.records("W3KURS.DBF");
  const std::string khnt = file_bytes(dir.table("W3KHNT.DBF"));
  const std::string kurs = file_bytes(dir.table("W3KURS.DBF"));
  ASSERT_EQ(dir.records("W3KHNT.DBF").size(), 1u);
  ASSERT_EQ(rates.size(), 1u);
  const char* scripts[] = {
      "okdnow<Enter>Nowak",                        // a new contractor half typed
      "ok<Home>m<Enter><C-Y>Zmieniony",            // a contractor being changed
      "ok<Home>m<C-Y><F2>",                        // a refused save (no code), then nothing
      "ok<Home>m<Enter><C-Y>Zmieniony<Esc><dump>", // the question on screen as the script ends
      "oyd<C-Y>pln<Enter><Enter>1",                // a new rate half typed
  };
  for (const char* s : scripts) {
    SCOPED_TRACE(s);
    auto run = dir.keys(s);
    EXPECT_EQ(run.exit_code, 0);
    std::string log = file_bytes(dir.root() / "run.log");
    EXPECT_TRUE(log.empty()) << log;
    EXPECT_EQ(file_bytes(dir.table("W3KHNT.DBF")), khnt);
    EXPECT_EQ(file_bytes(dir.table("W3KURS.DBF")), kurs);
  }
  auto recs = dir.records("W3KHNT.DBF");
  ASSERT_EQ(recs.size(), 1u);
  EXPECT_EQ(recs[0].at("NA1"), "Kowalski");
  EXPECT_EQ(dir.records("W3KURS.DBF").size(), rates.size());
}

TEST(DictionaryPickers, ContractorTypesShownAndChosenByName) {
  DataDir dir("typy");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  auto run = dir.keys(
      "ok"
      "d<dump>"                                                                // 0: a new contractor
      "kow<Enter><Enter><Enter><Enter><Enter><Enter><Enter><Enter><Enter><Enter>"  // on to the type
      "<F4><dump><Home><Enter><dump>"                                          // 1: the list, 2: chosen
      "<PgDn><Enter><Enter><Enter><Enter><Enter><Enter><Enter><Enter><Enter>"  // on to the expense type
      "<F4><Down><Down><Enter><dump><F2>"                                      // 3: page two
      "<Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 4u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "typ.....3. DOST/NAB")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "5. ODBIORCA")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[2], "typ.....1. DOSTAWCA")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[3], "typ kosztu....3. KOSZT REKLAMY")) << dump(run.screens[3]);
  EXPECT_TRUE(has_row(run.screens[3], "typ.....1. DOSTAWCA")) << dump(run.screens[3]);  // page one's, shown
  auto recs = dir.records("W3KHNT.DBF");
  ASSERT_EQ(recs.size(), 1u);
  EXPECT_EQ(recs[0].at("TYP"), "1");
  EXPECT_EQ(recs[0].at("TKO"), "3");
}
