// The absences and averages registers run in the real program: a sickness
// absence past the days the employer pays, and the averages recomputed from
// a month's pay records, both read back from their tables.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/dictionaries/e2e_support.h"

namespace {

using dict_e2e::DataDir;
using dict_e2e::dump;
using dict_e2e::find_where;
using dict_e2e::has_row;
using dict_e2e::run_capture;

bool append_record(const DataDir& dir, const std::string& table, const std::string& values) {
  std::string cmd = "/usr/bin/python3 " SKOLVARIN_SOURCE_DIR "/tests/payroll_registers/append_record.py " +
                    dir.table(table).string() + " " + values;
  return !dir.table(table).empty() && std::system(cmd.c_str()) == 0;
}

// One employee (record 1) paid 3000.00 a month.
bool add_employee(const DataDir& dir) {
  auto csv = dir.root() / "p.csv";
  std::ofstream(csv) << "nazwisko;imie;pesel;data_przyjecia;rodzaj_placy;placa;etat;kod_tytulu\n"
                        "Kowalski;Jan;85031212345;2020-01-02;M;3000,00;1/1;011000\n";
  int rc = -1;
  run_capture(dict_e2e::bin_dir() + "/skolvarin pracownicy import " + csv.string() + " --data " +
                  dir.data().string() + " 2>&1",
              &rc);
  return rc == 0;
}

TEST(AbsencesRegister, SicknessPastTheEmployerDaysOpensTheWindowWithTheDaysOfBenefit) {
  DataDir dir("absences_sickness");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  ASSERT_TRUE(add_employee(dir));
  int rc = -1;
  run_capture(dict_e2e::bin_dir() + "/skolvarin wzorce --data " + dir.data().string() + " 2>&1", &rc);
  ASSERT_EQ(rc, 0);
  dir.keys("<Enter>n<Esc><Esc><Esc><Esc><Esc>", "2026-03-20");  // the year's absences file
  // 30 days of sickness earlier in the year; 5 more with the limit of 33.
  ASSERT_TRUE(append_record(dir, "W3NIEO26.DBF",
                            "KOD=1 NAZ=Kowalski IMI=Jan KGS=N331 DOD=20260105 DDO=20260203 ILD=30 ILR=22"));
  auto run = dir.keys(
      "<Enter>nd"
      "N331<F2><F4><Enter>"                                 // the code, then the person from the list
      "<Enter><Enter><Enter><Enter><Enter>"                 // on to the first day
      "02032026<Enter>06032026<Enter><dump>"                // 0: the window
      "<Enter><F2><Esc><dump><Esc><Esc><Esc><Esc>",          // 1: saved, on the list
      "2026-03-20");
  ASSERT_EQ(run.screens.size(), 2u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Pracownikowi przysługuje wynagrodzenie za chorobę ze środków pracodawcy"))
      << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[0], "Pracownikowi przysługuje zasiłek z ubezpieczenia chorobowego za 2 dni"))
      << dump(run.screens[0]);
  auto recs = dir.records("W3NIEO26.DBF");
  const auto* added = find_where(recs, "DOD", "20260302");
  ASSERT_NE(added, nullptr) << run.all();
  EXPECT_EQ(added->at("KGS"), "N331");
  EXPECT_EQ(added->at("KOD"), "1");
  EXPECT_EQ(added->at("ILD"), "5");
  EXPECT_EQ(added->at("ILR"), "5");
  EXPECT_EQ(added->at("KZU"), "331");
}

TEST(AbsencesRegister, RefusesDatesOfTwoMonthsAndATitleNotStartingWith12) {
  DataDir dir("absences_refused");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  ASSERT_TRUE(add_employee(dir));
  int rc = -1;
  run_capture(dict_e2e::bin_dir() + "/skolvarin wzorce --data " + dir.data().string() + " 2>&1", &rc);
  ASSERT_EQ(rc, 0);
  auto run = dir.keys(
      "<Enter>nd"
      "N121<F2><F4><Enter><Enter><Enter><Enter><Enter><Enter>"
      "28022026<Enter>02032026<Enter><dump>"                 // 0: 28 February to 2 March
      "<Enter><C-Y>28022026<Enter><Enter><Enter><Enter><Enter><dump>"  // 1: the title 011000
      "<Enter><Esc><Esc><Esc><Esc><Esc><Esc>",
      "2026-03-20");
  ASSERT_EQ(run.screens.size(), 2u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Różne miesiące dat od dnia i do dnia")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "Dla podanego typu kod musi zaczynać się od '12' !")) << dump(run.screens[1]);
  EXPECT_TRUE(dir.records("W3NIEO26.DBF").empty());
}

TEST(AveragesRegister, RecomputeFillsTheMonthFromItsPayRecords) {
  DataDir dir("averages_recompute");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  ASSERT_TRUE(add_employee(dir));
  dir.keys("<Enter>r<Esc><Esc><Esc><Esc><Esc>", "2026-03-20");  // the year's pay files
  ASSERT_TRUE(append_record(dir, "W3PENS26.DBF",
                            "KOD=1 NAZ=Kowalski IMI=Jan MIE=2 NRL=1 REC=1 WY1=1 WY2=1 DPI=3000 DZP=3000"));
  ASSERT_TRUE(append_record(dir, "W3PESK26.DBF", "REK=1 KOD=1 MIE=2 NRL=1 KGS=D11 KWO=3500 ZUS=T SRE=T POD=T"));
  // Five working days away, 9 to 13 February 2026.
  ASSERT_TRUE(append_record(dir, "W3PESK26.DBF",
                            "REK=1 KOD=1 MIE=2 NRL=1 KGS=P331 KWO=500 ZUS=T SRE=T POD=T DOD=20260209 DDO=20260213 ILD=5"));
  auto run = dir.keys("<Enter>rp<Enter><F2><Home><dump><Esc><Esc><Esc><Esc>", "2026-03-20");
  ASSERT_EQ(run.screens.size(), 1u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Kowalski")) << dump(run.screens[0]);
  auto recs = dir.records("W3SRDN.DBF");
  ASSERT_EQ(recs.size(), 1u) << run.all();
  const auto& r = recs[0];
  EXPECT_EQ(r.at("KOD"), "1");
  EXPECT_EQ(r.at("ROK"), "2026");
  EXPECT_EQ(r.at("MIE"), "2");
  EXPECT_EQ(r.at("DOM"), "3500.00");
  EXPECT_EQ(r.at("POM"), "500.00");
  EXPECT_EQ(r.at("SMS"), "3000.00");
  EXPECT_EQ(r.at("IDR"), "20");
  EXPECT_EQ(r.at("IDP"), "15");
  EXPECT_EQ(r.at("SSE"), "9.76");
}

}  // namespace
