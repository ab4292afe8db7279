// The PIT forms end to end: a data directory made by the real program, pay
// records and contract bills written into its tables the way another tool
// would, then `skolvarin pit oblicz|pokaz|drukuj|xml` as the user runs them;
// prints read back with pdftotext, files checked with xmllint and against
// the published types we hold (pit_parts.xsd).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/files.h"
#include "tests/support/program_run.h"

using skolvarin::testing_support::make_temp_dir;
using skolvarin::testing_support::program;
using skolvarin::testing_support::read_file;
using skolvarin::testing_support::run_command;
namespace fs = std::filesystem;

namespace {

const std::string kTests = std::string(SKOLVARIN_SOURCE_DIR) + "/tests/";

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A firm whose payer name needs escaping, an employee paid in three months
// of `year` (Nowak, code 1) and a contractor with one bill taxed on income
// and one flat-rate bill (Lis, code 2).
class PitFirm {
 public:
  explicit PitFirm(int year) : year_(year) {
    dir_ = make_temp_dir("pit-e2e");
    ok_ = !dir_.empty() && sk("init") == 0 &&
          sk("firma zmien DEMO --nazwa 'Kowalski & Syn <Spółka> \"Ala\"' --nip 526-000-12-46 --regon 012345675 "
             "--urzad 1471") == 0;
    std::ofstream(dir_ + "/osoby.csv")
        << "nazwisko;imie;pesel;data_urodzenia;miejscowosc;ulica;nr_domu;kod_pocztowy;urzad_skarbowy;kod_tytulu;"
           "data_przyjecia\n"
           "Nowak;Jan;85031201233;1985-03-12;Łódź;Piotrkowska;12;90-001;1471;011000;2012-01-02\n"
           "Lis;Ewa;90071504563;1990-07-15;Kraków;Długa;5;30-001;1206;041100;2012-02-01\n";
    ok_ = ok_ && sk("pracownicy import " + dir_ + "/osoby.csv") == 0 && sk("sprawdz --utworz") == 0;
    const std::string y = std::to_string(year);
    for (int m = 1; m <= 3; ++m)
      ok_ = ok_ && append("W3PENS", "NAZ=Nowak IMI=Jan KOD=1 NRL=1 MIE=" + std::to_string(m) + " DWY=" + y + "0" +
                                        std::to_string(m) + "28 BRP=3000.00 KUZ=111.25 KEU=292.80 KRU=45.00 "
                                        "KCU=73.50 OBP=201.29 NPO=184.00 REC=" + std::to_string(m));
    ok_ = ok_ && append("W3UMOW", "TYP=1 NAZ=Lis IMI=Ewa KOD=2 TYT=5 DAW=" + y + "0201 DAR=" + y +
                                      "0227 BRU=2000.00 UZW=400.00 KEU=195.20 KRU=30.00 KZU=159.73 PSZ=1774.80 "
                                      "NPO=258.00 REC=1");
    ok_ = ok_ && append("W3UMOW", "TYP=3 NAZ=Lis IMI=Ewa KOD=2 TYT=5 DAW=" + y + "0301 DAR=" + y +
                                      "0320 BRU=150.00 NPO=27.00 REC=2");
  }
  ~PitFirm() {
    if (!dir_.empty() && !std::getenv("PIT_E2E_KEEP")) fs::remove_all(dir_);
  }
  bool ok() const { return ok_; }
  std::string dir() const { return dir_; }
  std::string firm_table(const std::string& stem) const {
    char yy[4];
    std::snprintf(yy, sizeof yy, "%02d", year_ % 100);
    return dir_ + "/d/firmy/DEMO/" + stem + yy + ".DBF";
  }

  // skolvarin COMMAND with the data directory and the year; stdout and
  // stderr together in `out`.
  int sk(const std::string& command, std::string* out = nullptr) const {
    auto r = run_command(program() + " " + command + " --data " + dir_ + "/d --rok " + std::to_string(year_) +
                         " --dzis 2016-01-20 2>&1");
    if (out) *out = r.out;
    return r.status;
  }
  // Types `keys` into the full-screen program (working year set to the
  // firm's); returns every <dump>ed screen, one after the other.
  std::string keys(const std::string& keys, const std::string& environment = "") const {
    run_command("/usr/bin/python3 " + kTests + "dictionaries/set_main_option.py " + dir_ + "/d 3 " +
                std::to_string(year_));
    std::ofstream(dir_ + "/keys.txt") << keys;
    fs::remove(dir_ + "/screen.txt");
    run_command(environment + " " + program() + " --data " + dir_ + "/d --dzis 2016-01-20 --keys " + dir_ + "/keys.txt --screen " + dir_ +
                "/screen.txt >/dev/null 2>&1");
    return read_file(dir_ + "/screen.txt");
  }
  bool append(const std::string& stem, const std::string& values) {
    return run_command("/usr/bin/python3 " + kTests + "payroll_registers/append_record.py " + firm_table(stem) + " " +
                       values).status == 0;
  }
  // Sets fields of a record of the year's table `stem` (or of a table given
  // by its path).
  bool set(const std::string& stem, int record, const std::string& values) {
    const std::string path = stem.find('/') == std::string::npos ? firm_table(stem) : dir_ + "/d/" + stem;
    return run_command("/usr/bin/python3 " + kTests + "support/set_fields.py " + path + " " +
                       std::to_string(record) + " " + values).status == 0;
  }

 private:
  int year_;
  std::string dir_;
  bool ok_ = false;
};

// Well formed, declared UTF-8, its bytes UTF-8, and its parts valid against
// the published types we hold.
void expect_sound_xml(const std::string& path, const std::string& scratch) {
  SCOPED_TRACE(path);
  EXPECT_EQ(run_command("xmllint --noout '" + path + "' 2>&1").status, 0);
  const std::string text = read_file(path);
  EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
  EXPECT_EQ(run_command("iconv -f UTF-8 -t UTF-8 '" + path + "' >/dev/null 2>&1").status, 0);
  EXPECT_TRUE(has(text, "<etd:PelnaNazwa>Kowalski &amp; Syn &lt;Spółka&gt; &quot;Ala&quot;</etd:PelnaNazwa>") ||
              has(text, "<etd:PelnaNazwa>Kowalski &amp; Syn &lt;Spółka&gt; \"Ala\"</etd:PelnaNazwa>"));
  const std::string parts = scratch + "/czesci.xml";
  ASSERT_EQ(run_command("/usr/bin/python3 " + kTests + "declarations/pit_schema_parts.py '" + path + "' " + parts)
                .status,
            0);
  auto v = run_command("xmllint --noout --schema " + kTests + "declarations/pit_parts.xsd " + parts + " 2>&1");
  EXPECT_EQ(v.status, 0) << v.out;
}

}  // namespace

TEST(PitEndToEnd, Pit11OfAnEmployeeAndAContractorIsComputedPrintedAndExported) {
  PitFirm firm(2015);
  ASSERT_TRUE(firm.ok());
  std::string out;
  ASSERT_EQ(firm.sk("pit oblicz --formularz PIT-11", &out), 0) << out;
  ASSERT_EQ(firm.sk("pit pokaz --formularz PIT-11 --json", &out), 0) << out;
  // Employee: three months of 3 000 gross, 111.25 costs, 184 advance.
  EXPECT_TRUE(has(out, "\"osoba\": 1, \"pozycje\": {\"24\": \"1\", \"25\": \"9000.00\", \"26\": \"333.75\", "
                       "\"27\": \"8666.25\", \"29\": \"552\", \"66\": \"1233.90\", \"68\": \"603.87\"}"))
      << out;
  // Contractor: the mandate in row 7; 7.75% of the 1 774.80 health base.
  EXPECT_TRUE(has(out, "\"osoba\": 2, \"pozycje\": {\"24\": \"1\", \"49\": \"2000.00\", \"50\": \"400.00\", "
                       "\"51\": \"1600.00\", \"52\": \"258\", \"66\": \"225.20\", \"68\": \"137.55\"}"))
      << out;

  ASSERT_EQ(firm.sk("pit drukuj --formularz PIT-11", &out), 0) << out;
  const std::string pdf = out.substr(0, out.find('\n'));
  auto text = run_command("pdftotext -layout '" + pdf + "' -");
  ASSERT_EQ(text.status, 0);
  for (const char* s : {"PIT-11", "Nowak", "9 000,00", "8 666,25", "1 233,90", "Lis", "2 000,00", "1 600,00",
                        "Kowalski & Syn <Spółka>", "01-01-2015", "31-03-2015"})
    EXPECT_TRUE(has(text.out, s)) << s << "\n" << text.out;

  // The contractor lives abroad: her address is written as a foreign one.
  ASSERT_TRUE(firm.set("firmy/DEMO/W3PRAC.DBF", 2, "ZKR=Niemcy ZMI=Berlin ZUL=Hauptstrasse ZND=5 ZKO=10115"));
  const std::string xml_dir = firm.dir() + "/xml";
  ASSERT_EQ(firm.sk("pit xml --formularz PIT-11 --katalog " + xml_dir, &out), 0) << out;
  const std::string nowak = xml_dir + "/PIT-11 2015(1) Nowak Jan.xml", lis = xml_dir + "/PIT-11 2015(2) Lis Ewa.xml";
  EXPECT_TRUE(has(out, "Zapisano deklarację PIT-11 w pliku " + nowak)) << out;
  for (const auto& f : {nowak, lis}) expect_sound_xml(f, firm.dir());
  const std::string x = read_file(nowak);
  EXPECT_TRUE(has(x, "<KodFormularza kodSystemowy=\"PIT-11 (23)\" kodPodatku=\"PIT\" rodzajZobowiazania=\"Z\" "
                     "wersjaSchemy=\"1-0E\">PIT-11</KodFormularza>"));
  EXPECT_TRUE(has(x, "<CelZlozenia poz=\"P_6\">1</CelZlozenia>"));
  EXPECT_TRUE(has(x, "<Podmiot1 rola=\"Płatnik\">"));
  EXPECT_TRUE(has(x, "<KodUrzedu>1471</KodUrzedu>"));
  EXPECT_TRUE(has(read_file(lis), "<KodUrzedu>1206</KodUrzedu>"));
  EXPECT_TRUE(has(read_file(lis), "<etd:AdresZagr>\n        <etd:KodKraju>DE</etd:KodKraju>\n        "
                                  "<etd:KodPocztowy>10115</etd:KodPocztowy>\n        "
                                  "<etd:Miejscowosc>Berlin</etd:Miejscowosc>"))
      << read_file(lis);
  EXPECT_TRUE(has(x, "<etd:AdresPol>"));
  EXPECT_TRUE(has(x, "<P_25>9000.00</P_25>"));
  EXPECT_FALSE(has(x, "Zalaczniki"));
  ASSERT_EQ(firm.sk("pit deklaracje --json", &out), 0) << out;
  EXPECT_TRUE(has(out, "{\"formularz\": \"PIT-11\", \"rok\": 2015, \"cel\": 1, \"korekta\": 0, \"podatnik\": "
                       "\"Nowak Jan\", \"identyfikator\": \"85031201233\", \"plik\": \"" + nowak +
                       "\", \"data\": \"2016-01-20\", \"status\": \"XML\"}"))
      << out;
}

TEST(PitEndToEnd, CorrectionWithTwoReasonLinesCarriesOrdZu) {
  PitFirm firm(2015);
  ASSERT_TRUE(firm.ok());
  std::string out;
  ASSERT_EQ(firm.sk("pit oblicz --formularz PIT-11", &out), 0) << out;
  ASSERT_TRUE(firm.set("W3PI11", 1, "KOR=T 'KW1=Zla kwota przychodu & kosztow' 'KW2=  w <styczniu>  '"));
  // Computing again keeps the correction and its reasons.
  ASSERT_EQ(firm.sk("pit oblicz --formularz PIT-11", &out), 0) << out;
  const std::string xml_dir = firm.dir() + "/korekta";
  ASSERT_EQ(firm.sk("pit xml --formularz PIT-11 --osoba 1 --katalog " + xml_dir, &out), 0) << out;
  const std::string path = xml_dir + "/PIT-11 2015(1) Nowak Jan.xml";
  expect_sound_xml(path, firm.dir());
  const std::string x = read_file(path);
  EXPECT_TRUE(has(x, "<CelZlozenia poz=\"P_6\">2</CelZlozenia>"));
  EXPECT_TRUE(has(x, "<zzu:Zalacznik_ORD-ZU xmlns:zzu=\"http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/02/05/eD/ORDZU/\">"));
  EXPECT_TRUE(has(x, "<zzu:KodFormularza kodSystemowy=\"ORD-ZU (3)\" wersjaSchemy=\"1-0E\">ORD-ZU</zzu:KodFormularza>"));
  EXPECT_TRUE(has(x, "<zzu:WariantFormularza>3</zzu:WariantFormularza>"));
  EXPECT_TRUE(has(x, "<zzu:P_13>Zla kwota przychodu &amp; kosztow w &lt;styczniu&gt;</zzu:P_13>")) << x;
  EXPECT_FALSE(fs::exists(xml_dir + "/PIT-11 2015(2) Lis Ewa.xml"));

  ASSERT_EQ(firm.sk("pit drukuj --formularz ORD-ZU --dla PIT-11 --osoba 1", &out), 0) << out;
  auto text = run_command("pdftotext -layout '" + out.substr(0, out.find('\n')) + "' -");
  EXPECT_TRUE(has(text.out, "Zla kwota przychodu & kosztow")) << text.out;
  EXPECT_TRUE(has(text.out, "w <styczniu>")) << text.out;
  ASSERT_EQ(firm.sk("pit deklaracje", &out), 0) << out;
  EXPECT_TRUE(has(out, "PIT-11   2015 korekta 1 Nowak Jan")) << out;
}

TEST(PitEndToEnd, Pit4RAndPit8ARFor2012AreRefusedWithMessage186) {
  PitFirm firm(2012);
  ASSERT_TRUE(firm.ok());
  for (const char* form : {"PIT-4R", "PIT-8AR"}) {
    std::string out;
    EXPECT_EQ(firm.sk(std::string("pit oblicz --formularz ") + form, &out), 1) << out;
    EXPECT_TRUE(has(out, "Ta wersja programu obsługuje deklaracje od roku 2013.")) << out;
    EXPECT_EQ(firm.sk(std::string("pit xml --formularz ") + form + " --katalog " + firm.dir() + "/x", &out), 1);
    EXPECT_TRUE(has(out, "Ta wersja programu obsługuje deklaracje od roku 2013.")) << out;
  }
  // PIT-11 of 2012 is computed all the same.
  std::string out;
  EXPECT_EQ(firm.sk("pit oblicz --formularz PIT-11", &out), 0) << out;
  EXPECT_EQ(firm.sk("pit xml --formularz PIT-40 --katalog " + firm.dir() + "/x", &out), 1);
  EXPECT_TRUE(has(out, "PIT-40 niewypełniony! Uruchom OBLICZ.")) << out;
}

TEST(PitEndToEnd, Pit8AROldVariantRowsTakeHundredthsOfTheStoredValue) {
  PitFirm firm(2014);
  ASSERT_TRUE(firm.ok());
  std::string out;
  ASSERT_EQ(firm.sk("pit oblicz --formularz PIT-8AR", &out), 0) << out;
  // January (record 1): a typed row 6 and row 14; computing again keeps them.
  ASSERT_TRUE(firm.set("W3P8AR", 1, "C06=1234 C14=500"));
  ASSERT_EQ(firm.sk("pit oblicz --formularz PIT-8AR", &out), 0) << out;
  ASSERT_EQ(firm.sk("pit pokaz --formularz PIT-8AR --json", &out), 0) << out;
  EXPECT_TRUE(has(out, "\"69\": \"12.34\"")) << out;   // row 6, January
  EXPECT_TRUE(has(out, "\"165\": \"5.00\"")) << out;   // row 14, January
  EXPECT_TRUE(has(out, "\"59\": \"27\"")) << out;      // row 5 (flat-rate contracts), March
  EXPECT_TRUE(has(out, "\"177\": \"1734\"")) << out;   // row 15: the January total as stored
  const std::string xml_dir = firm.dir() + "/x";
  ASSERT_EQ(firm.sk("pit xml --formularz PIT-8AR --katalog " + xml_dir, &out), 0) << out;
  const std::string path = xml_dir + "/PIT-8AR 2014(0) Kowalski & Syn _Spółka_ _Ala_.xml";
  expect_sound_xml(path, firm.dir());
  const std::string x = read_file(path);
  EXPECT_TRUE(has(x, "<P_69>12.34</P_69>"));
  EXPECT_TRUE(has(x, "kodSystemowy=\"PT-8AR (4)\" kodPodatku=\"PPR\" rodzajZobowiazania=\"P\""));
  EXPECT_TRUE(has(x, "<Pouczenie2>Za uchybienie obowiązkom płatnika"));
}

TEST(PitEndToEnd, EmployeesRegisterComputesExportsAndTakesACorrectionInTheForm) {
  PitFirm firm(2015);
  ASSERT_TRUE(firm.ok());
  // Employees, " Deklaracje ", " PIT-40 ", " Drukuj " before computing; then
  // " PIT-11 ", " Oblicz ", and " Eksportuj " of the first person listed
  // (Lis): her form accepted as computed.
  std::string screens = firm.keys(
      "ppe<Down><Enter>d<dump><Enter>"
      "e<Up><Enter>o<dump><Enter>"
      "e<Enter>e<dump><F2><dump><Enter><Esc><Esc><Esc><Esc>");
  EXPECT_TRUE(has(screens, "PIT-40 niewypełniony! Uruchom OBLICZ.")) << screens;
  EXPECT_TRUE(has(screens, "PIT-11 2015: zapisano 2 rekordów.")) << screens;
  EXPECT_TRUE(has(screens, "║PIT-11 dla: Lis Ewa")) << screens;
  EXPECT_TRUE(has(screens, "║7.Dział. osobista....    2000.00       400.00      1600.00       258")) << screens;
  EXPECT_TRUE(has(screens, "Zapisano deklarację PIT-11 w pliku")) << screens;
  const std::string file = firm.dir() + "/d/firmy/DEMO/e-deklaracje/PIT-11 2015(2) Lis Ewa.xml";
  ASSERT_TRUE(fs::exists(file)) << screens;
  EXPECT_FALSE(fs::exists(firm.dir() + "/d/firmy/DEMO/e-deklaracje/PIT-11 2015(1) Nowak Jan.xml"));
  EXPECT_TRUE(has(read_file(file), "<CelZlozenia poz=\"P_6\">1</CelZlozenia>"));

  // A correction typed in the form: past the period and the residence, "T",
  // past PIT-R, then two reason lines on the second page.
  screens = firm.keys("ppe<Enter>e<Enter><Enter><Enter>T<Enter><Enter>Zla kwota<Enter>drugi & wiersz<F2><Enter>"
                      "<Esc><Esc><Esc><Esc>");
  const std::string x = read_file(file);
  EXPECT_TRUE(has(x, "<CelZlozenia poz=\"P_6\">2</CelZlozenia>")) << x;
  EXPECT_TRUE(has(x, "<zzu:P_13>Zla kwota drugi &amp; wiersz</zzu:P_13>")) << x;
  EXPECT_TRUE(has(x, "<P_49>2000.00</P_49>"));
}

TEST(PitEndToEnd, Pit4RRegisterKeepsTheTypedFeeAndPit8ARRefuses2012) {
  PitFirm firm(2015);
  ASSERT_TRUE(firm.ok());
  const std::string pit4r = std::string("SKOLVARIN_MODULE=") + PIT_PROBE_MODULE + " SKOLVARIN_PIT_REGISTER=PIT-4R";
  // " Oblicz ", then the January fee of 2 złoty, then " Oblicz " again.
  const std::string screens = firm.keys("o<Enter>m<C-Y>2<F2><dump>o<Enter><dump><Esc>", pit4r);
  const auto second = screens.find("================");
  ASSERT_NE(second, std::string::npos) << screens;
  for (const std::string& screen : {screens.substr(0, second), screens.substr(second)}) {
    EXPECT_TRUE(has(screen, "║ 1   184      0            184     182")) << screen;
    EXPECT_TRUE(has(screen, "║ 2   184      258          442     442")) << screen;
  }
  // The year's file: January's advances (row 2) and what is left to pay
  // after the fee (row 13).
  std::string out;
  ASSERT_EQ(firm.sk("pit xml --formularz PIT-4R --katalog " + firm.dir() + "/x", &out), 0) << out;
  const std::string path = firm.dir() + "/x/PIT-4R 2015(0) Kowalski & Syn _Spółka_ _Ala_.xml";
  expect_sound_xml(path, firm.dir());
  const std::string x = read_file(path);
  EXPECT_TRUE(has(x, "<P_21>184</P_21>"));
  EXPECT_TRUE(has(x, "<P_153>182</P_153>"));
  EXPECT_TRUE(has(x, "<P_154>442</P_154>"));
  EXPECT_TRUE(has(x, "<Objasnienie>Kwoty podatku i wynagrodzenia"));

  PitFirm old(2012);
  ASSERT_TRUE(old.ok());
  const std::string refused =
      old.keys("<dump><Enter>", std::string("SKOLVARIN_MODULE=") + PIT_PROBE_MODULE + " SKOLVARIN_PIT_REGISTER=PIT-8AR");
  EXPECT_TRUE(has(refused, "Ta wersja programu obsługuje deklaracje od roku 2013.")) << refused;
}
