// The payroll registers end to end: the real program on a data directory
// made by `skolvarin init`, driven through the " Płace " bar by key scripts;
// tables are read back with `skolvarin tabela --csv`, printouts with
// pdftotext, and the import is run as a batch command.
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "../dictionaries/e2e_support.h"

using dict_e2e::count_where;
using dict_e2e::DataDir;
using dict_e2e::find_where;
using dict_e2e::set_option;
using dict_e2e::dump;
using dict_e2e::has_row;
using dict_e2e::run_capture;
using Records = std::vector<std::map<std::string, std::string>>;

namespace {

bool append_record(const DataDir& dir, const std::string& table, const std::string& values) {
  std::string cmd = "/usr/bin/python3 " SKOLVARIN_SOURCE_DIR "/tests/payroll_registers/append_record.py " +
                    dir.table(table).string() + " " + values;
  return std::system(cmd.c_str()) == 0;
}

// The text of the newest PDF under the data directory (pdftotext -layout).
std::string newest_pdf_text(const DataDir& dir) {
  dict_e2e::fs::path newest;
  dict_e2e::fs::file_time_type when{};
  for (auto& e : dict_e2e::fs::recursive_directory_iterator(dir.data()))
    if (e.path().extension() == ".pdf" && (newest.empty() || e.last_write_time() >= when)) {
      newest = e.path();
      when = e.last_write_time();
    }
  if (newest.empty()) return {};
  return run_capture("pdftotext -layout " + newest.string() + " - 2>/dev/null");
}

// A PESEL with a correct check digit built on a birth date and a serial.
std::string pesel(int serial) {
  std::string s = "850312" + std::to_string(1000 + serial % 9000);
  const int w[10] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
  int sum = 0;
  for (int i = 0; i < 10; ++i) sum += w[i] * (s[static_cast<size_t>(i)] - '0');
  return s + std::to_string((10 - sum % 10) % 10);
}

}  // namespace

TEST(PayrollRegistersEndToEnd, FirstLoadOfANewYearCreatesEveryKeyWithItsDefault) {
  DataDir dir("param_load");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  // init imports the year's statutory parameters; a year without its file
  // gets every key with the program's default.
  std::filesystem::remove(dir.table("W3PAPL26.DBF"));
  auto run = dir.keys("pm<Down><Enter><Esc><Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  auto papl = dir.records("W3PAPL26.DBF");
  auto pazu = dir.records("W3PAZU.DBF");
  auto pazr = dir.records("W3PAZR26.DBF");
  EXPECT_EQ(papl.size(), 66u) << run.all();
  EXPECT_EQ(pazu.size(), 12u);
  EXPECT_EQ(pazr.size(), 37u);
  auto key = [](const Records& r, int k) { return find_where(r, "K3", std::to_string(k)); };
  ASSERT_NE(key(papl, 54), nullptr);
  EXPECT_EQ(key(papl, 54)->at("DO"), "121650.00");
  EXPECT_EQ(key(papl, 64)->at("CH"), "83101010230000261395100000");
  EXPECT_EQ(key(papl, 72)->at("CH"), "N");
  EXPECT_EQ(key(pazu, 52)->at("DO"), "1.80");
  EXPECT_EQ(key(pazr, 7)->at("IN"), "184");
  EXPECT_EQ(key(pazr, 19)->at("IN"), "23");
}

TEST(PayrollRegistersEndToEnd, ParametersFormPagesKeysAndSaving) {
  DataDir dir("param_form");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  auto run = dir.keys(
      "pm<Down><Enter><dump>"                               // 0: page 1
      "<Up><dump>"                                          // 1: Up from the first field stays
      "<PgDn><dump>"                                        // 2: page 2
      "<Down><Down><Down><Down><Down><Down><Down><Down><C-Y>0<Enter><dump>"  // 3: key 54 = 0 refused
      "<Enter><C-Y>130000<Enter>"
      "<PgDn><dump><PgDn><PgDn><dump><PgDn><dump>"         // 4: page 3, 5: page 5, 6: no wrap
      "<F2><dump>T"                                         // 7: question
      "<Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 8u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Parametry płacowe 2026")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[0], "strona 1/5"));
  EXPECT_TRUE(has_row(run.screens[0], "250.00"));  // the 2026 costs imported by init
  EXPECT_TRUE(has_row(run.screens[1], "strona 1/5")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[2], "strona 2/5")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[3], "Wartość musi być większa od zera !")) << dump(run.screens[3]);
  EXPECT_TRUE(has_row(run.screens[4], "strona 3/5")) << dump(run.screens[4]);
  EXPECT_TRUE(has_row(run.screens[4], "lipiec")) << dump(run.screens[4]);
  EXPECT_TRUE(has_row(run.screens[4], "184")) << dump(run.screens[4]);
  EXPECT_TRUE(has_row(run.screens[5], "strona 5/5")) << dump(run.screens[5]);
  EXPECT_TRUE(has_row(run.screens[6], "strona 5/5")) << dump(run.screens[6]);
  EXPECT_TRUE(has_row(run.screens[7], "Czy zapisać zmienione parametry ?")) << dump(run.screens[7]);
  EXPECT_TRUE(has_row(run.screens[4], "grudzień..........")) << dump(run.screens[4]);
  auto papl = dir.records("W3PAPL26.DBF");
  const auto* k54 = find_where(papl, "K3", "54");
  ASSERT_NE(k54, nullptr);
  EXPECT_EQ(k54->at("DO"), "130000.00");

  // Esc leaves without writing; a year before 2012 has no parental-leave bases.
  auto esc = dir.keys("pm<Down><Enter><C-Y>222<Enter><Esc>T<Esc><Esc><Esc>");
  EXPECT_EQ(esc.exit_code, 0);
  const auto after_esc = dir.records("W3PAPL26.DBF");
  ASSERT_NE(find_where(after_esc, "K3", "1"), nullptr);
  EXPECT_EQ(find_where(after_esc, "K3", "1")->at("DO"), "250.00");
  std::string set_year = "/usr/bin/python3 " SKOLVARIN_SOURCE_DIR "/tests/payroll_registers/set_settings_field.py " +
                         (dir.data() / "wspolne" / "W3PABVKA.DBF").string() + " 3 IN 2011";
  ASSERT_EQ(std::system(set_year.c_str()), 0);
  auto old = dir.keys("pm<Down><Enter><PgDn><PgDn><dump><Esc><Esc><Esc><Esc>");
  ASSERT_EQ(old.screens.size(), 1u) << old.all();
  EXPECT_TRUE(has_row(old.screens[0], "Parametry płacowe 2011")) << dump(old.screens[0]);
  EXPECT_TRUE(has_row(old.screens[0], "strona 3/5"));
  EXPECT_FALSE(has_row(old.screens[0], "grudzień.........."));
}

TEST(PayrollRegistersEndToEnd, ComponentCodeX123IsRefusedAndAnAbsenceHasNoSwitches) {
  DataDir dir("skladniki");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  auto run = dir.keys(
      "pm<Enter>"
      "dX123<Enter><dump><Enter>"                           // 0: refused with 13 and 5
      "<C-Y>N111<Enter><dump>Urlop bezpłatny<F2>"          // 1: the switches skipped
      "dD100<Enter>110<Enter><C-Y>800<Enter><Enter><Enter><Enter><Enter><Enter>Premia<F2><dump>"  // 2: list
      "<Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 3u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Błąd typu składnika !")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[0], "(Dxxx-Dodatek,Sxxx-Świadczenie,Pxxx-potrącenie,Nxxx-Nieobecność) !"));
  EXPECT_TRUE(has_row(run.screens[2], "D100")) << dump(run.screens[2]);
  auto recs = dir.records("W3PELI.DBF");
  const auto* n = find_where(recs, "KGS", "N111");
  const auto* d = find_where(recs, "KGS", "D100");
  ASSERT_NE(n, nullptr);
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(n->at("POD") + n->at("ZUS") + n->at("OBN") + n->at("SRE"), "");
  EXPECT_EQ(n->at("USU"), "T");
  EXPECT_EQ(d->at("POD") + d->at("ZUS") + d->at("OBN") + d->at("SRE") + d->at("USU"), "TTNTT");
  EXPECT_EQ(d->at("KWO"), "800.00");
  EXPECT_EQ(d->at("KZU"), "110");
  EXPECT_EQ(d->at("NA1"), "Premia");
  EXPECT_EQ(find_where(recs, "KGS", "X123"), nullptr);
}

TEST(PayrollRegistersEndToEnd, WzorceAddsTheStandardComponentsOnce) {
  DataDir dir("wzorce");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  int rc = -1;
  std::string cmd = dict_e2e::bin_dir() + "/skolvarin wzorce --data " + dir.data().string() + " 2>&1";
  std::string out = run_capture(cmd, &rc);
  EXPECT_EQ(rc, 0) << out;
  EXPECT_NE(out.find("W3PELI.DBF     dodano   114, było już     0"), std::string::npos) << out;
  out = run_capture(cmd, &rc);
  EXPECT_NE(out.find("W3PELI.DBF     dodano     0, było już   114"), std::string::npos) << out;
  auto recs = dir.records("W3PELI.DBF");
  ASSERT_EQ(recs.size(), 114u);
  const auto* sick = find_where(recs, "KGS", "S313");
  ASSERT_NE(sick, nullptr);
  EXPECT_EQ(sick->at("NA1"), "zasiłek chorobowy");
  EXPECT_EQ(sick->at("KZU"), "313");
}

TEST(PayrollRegistersEndToEnd, EmployeeWithEveryPagePeselSwitchAndFamilyAllowance) {
  DataDir dir("pracownik");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  ASSERT_TRUE(set_option(dir, 32, "T"));
  std::string page1 =
      "Kowalska<Enter>Anna<Enter>Maria<Enter>Jan<Enter>Ewa<Enter>Nowak<Enter>12031985<Enter>Kraków<Enter>"
      "<Enter><Enter>";
  auto run = dir.keys(
      "pp"
      "d" + page1 + "85031212346<Enter><dump><Enter>"        // 0: bad PESEL refused
      "<Esc>T<Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_GE(run.screens.size(), 1u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Błędny PESEL !")) << dump(run.screens[0]);
  EXPECT_TRUE(dir.records("W3PRAC.DBF").empty());

  ASSERT_TRUE(set_option(dir, 32, "N"));
  auto run2 = dir.keys(
      "pp"
      "d" + page1 + "85031212346<Enter><dump>"             // 1: accepted, on to the next field
      "<PgDn><dump>"                                        // 2: page 2
      "011000<Enter>"
      "<PgDn><dump><PgDn><dump>"                           // 3, 4: pages 3 and 4
      "31-100<Enter>Tarnów<Enter><F2><dump>"                // 5: saved
      "<Esc><Esc><Esc>");
  EXPECT_EQ(run2.exit_code, 0);
  ASSERT_EQ(run2.screens.size(), 5u) << run2.all();
  EXPECT_FALSE(has_row(run2.screens[0], "Błędny PESEL")) << dump(run2.screens[0]);
  EXPECT_TRUE(has_row(run2.screens[1], "DANE DO LISTY PŁAC")) << dump(run2.screens[1]);
  EXPECT_TRUE(has_row(run2.screens[2], "DANE DO UMÓW")) << dump(run2.screens[2]);
  EXPECT_TRUE(has_row(run2.screens[3], "WYPEŁNIANE JEŻELI ADRES ZAMIESZKANIA")) << dump(run2.screens[3]);
  EXPECT_TRUE(has_row(run2.screens[4], "PESEL............. 85031212346")) << dump(run2.screens[4]);
  EXPECT_TRUE(has_row(run2.screens[4], "nr w ewidencji: 1")) << dump(run2.screens[4]);
  auto recs = dir.records("W3PRAC.DBF");
  ASSERT_EQ(recs.size(), 1u) << dump(run2.screens[4]);
  EXPECT_EQ(recs[0]["NAZ"], "Kowalska");
  EXPECT_EQ(recs[0]["PES"], "85031212346");
  EXPECT_EQ(recs[0]["PLE"], "K");
  EXPECT_EQ(recs[0]["KTU"], "011000");
  EXPECT_EQ(recs[0]["ZKO"], "31-100");
  EXPECT_EQ(recs[0]["ZMI"], "Tarnów");
  EXPECT_EQ(recs[0]["KUZ"], "250.00");  // the year's monthly costs
  EXPECT_EQ(recs[0]["REK"], "1");

  // Family allowance for 5 persons: 2 x 48 + 64 + 2 x 68.
  auto run3 = dir.keys(
      "ppm<PgDn>"
      "<Down><Down><Down><Down><Down><Down><Down><Down><Down><Down><Down><Down><Down><Down><C-Y>5<Enter><dump><F2>"
      "<Esc><Esc><Esc>");
  EXPECT_EQ(run3.exit_code, 0);
  auto after = dir.records("W3PRAC.DBF");
  ASSERT_EQ(after.size(), 1u);
  EXPECT_EQ(after[0]["OZR"], "5") << run3.all();
  EXPECT_EQ(after[0]["KZR"], "296.00");
}

TEST(PayrollRegistersEndToEnd, PersonWithAContractCannotBeDeleted) {
  DataDir dir("usun");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  auto add = dir.keys("ppdNowak<Enter>Jan<F2>dLis<Enter>Ewa<F2>dAdamczyk<Enter>Olga<F2><Esc><Esc><Esc>");
  ASSERT_EQ(dir.records("W3PRAC.DBF").size(), 3u) << add.all();
  ASSERT_FALSE(dir.table("W3UMOW26.DBF").empty());
  // Lis has a contract of the year before only.
  dict_e2e::fs::copy_file(dir.table("W3UMOW26.DBF"), dir.table("W3UMOW26.DBF").parent_path() / "W3UMOW25.DBF");
  ASSERT_TRUE(append_record(dir, "W3UMOW25.DBF", "TYP=1 NAZ=Lis IMI=Ewa KOD=2 DAW=20250105 DAR=20250131"));
  ASSERT_TRUE(append_record(dir, "W3UMOW26.DBF", "TYP=1 NAZ=Nowak IMI=Jan KOD=1 DAW=20260105 DAR=20260131"));
  auto run = dir.keys(
      "pp<Home>u<dump><Enter>"                  // Adamczyk first: deleted after the question
      "<Home>u<dump><Enter>"                   // Lis: refused (contract of 2025)
      "<End>u<dump><Enter>"                    // Nowak: refused
      "m<dump><Enter><Esc>"                    // warned before his form opens
      "<F7><Esc><Esc><Esc>");                  // status: not active
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 4u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "usunąć")) << dump(run.screens[0]);
  for (int i : {1, 2}) {
    EXPECT_TRUE(has_row(run.screens[i], "Pracownikowi wystawiono umowę")) << dump(run.screens[i]);
    EXPECT_TRUE(has_row(run.screens[i], "co wyklucza jego usunięcie !"));
  }
  EXPECT_TRUE(has_row(run.screens[3], "Pracownikowi wypłacono pensję lub wystawiono umowę.")) << dump(run.screens[3]);
  EXPECT_TRUE(has_row(run.screens[3], "Nie wolno na jego miejsce wprowadzić danych innej osoby!"));
  auto recs = dir.records("W3PRAC.DBF");
  ASSERT_EQ(recs.size(), 2u);
  const auto* nowak = find_where(recs, "NAZ", "Nowak");
  ASSERT_NE(nowak, nullptr);
  EXPECT_NE(find_where(recs, "NAZ", "Lis"), nullptr);
  EXPECT_EQ(nowak->at("STA"), "N");

  // Without right 5304 the person's form does not open.
  std::ofstream((dir.data() / "wspolne" / "uprawnienia.cfg").string()) << "1=5304\n";
  auto denied = dir.keys("ppm<dump><Enter><Esc><Esc><Esc>");
  ASSERT_EQ(denied.screens.size(), 1u) << denied.all();
  EXPECT_TRUE(has_row(denied.screens[0], "Brak uprawnień do tej funkcji !")) << dump(denied.screens[0]);
  EXPECT_FALSE(has_row(denied.screens[0], "modyfikacja"));
}

TEST(PayrollRegistersEndToEnd, WorkCertificateIsEditedPrintedAndKeptInTheArchive) {
  DataDir dir("swiadectwo");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  auto run = dir.keys(
      "ppdŻółkiewski<Enter>Michał<F2>"
      "rfs<dump>"                                  // 0: the certificate in the editor
      "Oddział Kraków - <F2><dump><F2><Esc>"       // 1: edited, in the preview; printed
      "ras<dump><Enter><dump>"                     // 2: the archive's list, 3: the stored copy
      "<Esc><Esc><Esc><Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 4u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "ŚWIADECTWO PRACY")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "Oddział Kraków - FIRMA DEMONSTRACYJNA")) << dump(run.screens[1]);
  std::string pdf = newest_pdf_text(dir);
  EXPECT_NE(pdf.find("ŚWIADECTWO PRACY"), std::string::npos) << pdf;
  EXPECT_NE(pdf.find("Oddział Kraków - FIRMA DEMONSTRACYJNA"), std::string::npos) << pdf;
  EXPECT_NE(pdf.find("Michał Żółkiewski"), std::string::npos) << pdf;
  EXPECT_NE(pdf.find("był zatrudniony"), std::string::npos) << pdf;
  EXPECT_TRUE(has_row(run.screens[2], "Świadectwo pracy z dnia 05-12-2026 nr 001")) << dump(run.screens[2]);
  EXPECT_TRUE(has_row(run.screens[3], "Oddział Kraków - FIRMA DEMONSTRACYJNA")) << dump(run.screens[3]);
}

TEST(PayrollRegistersEndToEnd, FundTotalsWithATypeTwoFilterAndAReceiptInWords) {
  DataDir dir("zfss");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  auto run = dir.keys(
      "pf"
      "d<Enter>Składka firmy<Enter><Enter>W/1<Enter>odpis<Enter><C-Y>5000<F2>"
      "d<F4><Down><Enter><Enter>Wiśniewska<Enter><Enter>Z/1<Enter>zapomoga<Enter><C-Y>1234.56<F2>"
      "d<F4><Down><Enter><Enter>Łęcki<Enter><Enter>Z/2<Enter>wczasy<Enter><C-Y>300<F2>"
      "f<Down><Down><Down><F4><Down><Enter><F2><dump>"          // 0: filtered list
      "a<dump><Esc>"                                              // 1: totals
      "<Home>rp<dump><F2>"                                        // 2: receipt
      "<Esc><Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 3u) << run.all();
  EXPECT_FALSE(has_row(run.screens[0], "Składka firmy")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "ilość wpłat.......     0")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[1], "ilość wypłat......     2")) << dump(run.screens[1]);
  EXPECT_TRUE(has_row(run.screens[1], "-1 534,56")) << dump(run.screens[1]);
  std::string pdf = newest_pdf_text(dir);
  EXPECT_NE(pdf.find("POTWIERDZENIE WYPŁATY nr"), std::string::npos) << pdf;
  EXPECT_NE(pdf.find("słownie:"), std::string::npos) << pdf;
  EXPECT_NE(pdf.find("złot"), std::string::npos) << pdf;
}

TEST(PayrollRegistersEndToEnd, ImportIsAllOrNothingAndAddsEachPersonOnce) {
  DataDir dir("import");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  ASSERT_TRUE(set_option(dir, 32, "T"));
  auto write = [&](const std::string& name, int bad_line) {
    dict_e2e::fs::path p = dir.root() / name;
    std::ofstream out(p);
    out << "nazwisko;imie;pesel;nip;data_urodzenia;miejscowosc;ulica;kod_pocztowy;urzad_skarbowy;kod_tytulu;"
           "data_przyjecia;rodzaj_placy;placa;etat\n";
    for (int i = 1; i <= 50; ++i) {
      std::string pes = pesel(i);
      if (i + 1 == bad_line) pes[10] = pes[10] == '9' ? '0' : static_cast<char>(pes[10] + 1);
      out << "Pracownik" << i << ";Zenon;" << pes << ";;1985-03-12;Łódź;Piotrkowska " << i
          << ";90-001;;011000;2026-01-02;" << (i % 2 ? "M" : "G") << ";" << (i % 2 ? "4806,00" : "31.40")
          << ";1/1\n";
    }
    return p.string();
  };
  std::string cmd = dict_e2e::bin_dir() + "/skolvarin pracownicy import ";
  std::string opts = " --data " + dir.data().string() + " 2>&1";
  int rc = -1;
  std::string out = run_capture(cmd + write("zly.csv", 27) + opts, &rc);
  EXPECT_EQ(rc, 2) << out;
  EXPECT_NE(out.find("wiersz 27: pesel: Błędny PESEL !"), std::string::npos) << out;
  EXPECT_TRUE(dir.records("W3PRAC.DBF").empty());
  out = run_capture(cmd + write("dobry.csv", 0) + opts, &rc);
  EXPECT_EQ(rc, 0) << out;
  EXPECT_NE(out.find("dodano 50"), std::string::npos) << out;
  out = run_capture(cmd + write("dobry.csv", 0) + opts, &rc);
  EXPECT_EQ(rc, 0) << out;
  EXPECT_NE(out.find("dodano 0 pracowników, pominięto 50"), std::string::npos) << out;
  auto recs = dir.records("W3PRAC.DBF");
  ASSERT_EQ(recs.size(), 50u);
  const auto* hourly = find_where(recs, "NAZ", "Pracownik2");
  ASSERT_NE(hourly, nullptr);
  EXPECT_EQ(hourly->at("CZG"), "T");
  EXPECT_EQ(hourly->at("STG"), "31.40");
  EXPECT_EQ(hourly->at("MIA"), "Łódź");
  std::string json = run_capture(dict_e2e::bin_dir() + "/skolvarin pracownicy --json --data " + dir.data().string());
  EXPECT_NE(json.find("\"nazwisko\": \"Pracownik2\", \"imie\": \"Zenon\", \"pesel\": \"" + pesel(2) + "\""),
            std::string::npos)
      << json;
}

TEST(PayrollRegistersEndToEnd, FormAndImportGiveANewPersonTheSameStartValues) {
  DataDir form("start_form"), import("start_import");
  ASSERT_TRUE(form.ok() && import.ok());
  form.keys("ppdNowak<Enter>Ewa<F2><Esc><Esc><Esc>");
  dict_e2e::fs::path csv = import.root() / "jedna.csv";
  std::ofstream(csv) << "nazwisko,imie,pesel,data_przyjecia\nNowak,Ewa,,2026-02-01\n";
  int rc = -1;
  std::string out = run_capture(dict_e2e::bin_dir() + "/skolvarin pracownicy import " + csv.string() + " --data " +
                                    import.data().string() + " 2>&1",
                                &rc);
  ASSERT_EQ(rc, 0) << out;
  auto a = form.records("W3PRAC.DBF"), b = import.records("W3PRAC.DBF");
  ASSERT_EQ(a.size(), 1u);
  ASSERT_EQ(b.size(), 1u);
  for (const char* f : {"NAZ", "IM1", "ROD", "STA", "CZG", "ULG", "TBL", "CFP", "CFG", "WY1", "WY2", "CPM", "KUZ",
                        "CKU", "OOZ", "UBC", "UBS", "UBZ", "FPU", "FGU", "GOS", "PDG", "TID", "PLE", "REK", "BRG"})
    EXPECT_EQ(a[0][f], b[0][f]) << f;
  EXPECT_EQ(b[0]["DAP"], "20260201");
  EXPECT_EQ(a[0]["KUZ"], "250.00");
}

TEST(PayrollRegistersEndToEnd, EmployeesAsAPickListOfTheFund) {
  DataDir dir("wybor");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  auto run = dir.keys(
      "ppdAdamska<Enter>Ewa<F2>dZieliński<Enter>Jan<F2><Esc>"
      "fd<Enter><F4><Down><Enter>"       // the second person chosen
      "<F4><dump>"                       // 0: the list opens on him
      "u<dump><Enter><Esc>"              // 1: no deleting from a pick list
      "<Enter><Enter>N/1<Enter>zapomoga<Enter><C-Y>100<F2>"
      "<Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 2u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "rek. 2 z 2")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "Opcja dostępna tylko z menu PRACOWNIK !")) << dump(run.screens[1]);
  auto fund = dir.records("W3ZFSS26.DBF");
  ASSERT_EQ(fund.size(), 1u);
  EXPECT_EQ(fund[0]["NAZ"], "Zieliński Jan");
  EXPECT_EQ(dir.records("W3PRAC.DBF").size(), 2u);
}

TEST(PayrollRegistersEndToEnd, TaxOfficeAndZusCodePickersOfTheEmployeeForm) {
  DataDir dir("pickery");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  std::string to_office;
  for (int i = 0; i < 23; ++i) to_office += "<Enter>";
  auto run = dir.keys(
      "ppdNowak<Enter>Jan<Enter>" + to_office +
      "<F4><dump><Enter><dump>"                                      // 0: offices, 1: chosen
      "<PgDn><PgDn><Down><Down><Down><Down><Down><Down><Down><Down><Down><Down><Down>"
      "<F4><dump><Enter><F2>"                                        // 2: ZUS codes
      "<Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 3u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Urzędy skarbowe")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[2], "Kody ZUS")) << dump(run.screens[2]);
  auto recs = dir.records("W3PRAC.DBF");
  ASSERT_EQ(recs.size(), 1u) << run.all();
  const std::string kou = recs[0]["KOU"];
  ASSERT_NE(kou, "0");
  ASSERT_FALSE(kou.empty());
  // The form shows the chosen office's name after its code.
  const auto offices = dir.records("W3USKA.DBF");
  const auto* office = find_where(offices, "KOD", kou);
  ASSERT_NE(office, nullptr);
  const std::string name = office->at("NAZ");
  EXPECT_TRUE(has_row(run.screens[1], " " + kou + " " + name.substr(0, name.find(' '))))
      << dump(run.screens[1]);
  EXPECT_FALSE(recs[0]["KPS"].empty());
  const auto codes = dir.records("W3KZUS.DBF");
  EXPECT_NE(find_where(codes, "KPG", recs[0]["KPS"]), nullptr);
}
