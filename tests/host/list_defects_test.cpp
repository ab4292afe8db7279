// Defects of lists and forms found in use, each run through the real
// program on a fresh data directory.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/support/files.h"
#include "tests/support/program_run.h"

namespace skolvarin {
namespace {

using testing_support::make_temp_dir;
using testing_support::program;
using testing_support::read_file;
using testing_support::run_command;

using Dump = std::vector<std::string>;  // the 25 rows of one screen

class ListDefects : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = make_temp_dir("listy");
    ASSERT_EQ(run_command(program() + " init --data " + dir_ + " >/dev/null").status, 0);
  }
  std::vector<Dump> run(const std::string& keys) {
    { std::ofstream(dir_ + "/keys.txt") << keys; }
    run_command(program() + " --data " + dir_ + " --firma DEMO --dzis 2026-03-02 --keys " + dir_ + "/keys.txt --screen " + dir_ +
                "/screen.txt >/dev/null 2>&1");
    std::vector<Dump> dumps(1);
    std::string text = read_file(dir_ + "/screen.txt"), line;
    for (size_t at = 0; at < text.size();) {
      size_t nl = text.find('\n', at);
      line = text.substr(at, nl - at);
      at = nl == std::string::npos ? text.size() : nl + 1;
      if (line == std::string(80, '=')) dumps.emplace_back();
      else dumps.back().push_back(line);
    }
    if (dumps.back().empty()) dumps.pop_back();
    return dumps;
  }
  std::string dir_;
};

TEST_F(ListDefects, HelpLineOffersOnlyKeysThatWork) {
  // Countries and exchange rates have no add, modify or delete key; tax
  // offices only modify (F5); contractors add and delete.
  auto d = run("oe<dump><Esc>oy<dump><Esc>ou<dump><Esc>ok<dump><Esc>");
  ASSERT_EQ(d.size(), 4u);
  struct Expect {
    const char* list;
    bool ins, f5, del;
  };
  const Expect expect[] = {{"countries", false, false, false},
                           {"exchange rates", false, false, false},
                           {"tax offices", false, true, false},
                           {"contractors", true, false, true}};
  for (size_t i = 0; i < 4; ++i) {
    const std::string& help = d[i].back();
    EXPECT_EQ(help.find("Ins-") != std::string::npos, expect[i].ins) << expect[i].list << ": " << help;
    EXPECT_EQ(help.find("F5-") != std::string::npos, expect[i].f5) << expect[i].list << ": " << help;
    EXPECT_EQ(help.find("Del-") != std::string::npos, expect[i].del) << expect[i].list << ": " << help;
    EXPECT_NE(help.find("Esc-Wyjście"), std::string::npos) << help;
  }
}

bool has(const Dump& d, const std::string& text) {
  for (const std::string& row : d)
    if (row.find(text) != std::string::npos) return true;
  return false;
}

TEST_F(ListDefects, CounterCountsTheRowsTheListShows) {
  // Descriptions: three records added, the middle one deleted.
  auto d = run("oo<Enter><Ins>AAA<Enter>opis a<F2><Ins>BBB<Enter>opis b<F2><Ins>CCC<Enter>opis c<F2><dump>"
               "<Home><Down><Del>T<dump><Esc><Esc><Esc>T");
  ASSERT_EQ(d.size(), 2u);
  for (const char* row : {"║ AAA   opis a", "║ BBB   opis b", "║ CCC   opis c", "| rek. 3 z 3 "})
    EXPECT_TRUE(has(d[0], row)) << row;
  EXPECT_FALSE(has(d[1], "BBB"));
  EXPECT_TRUE(has(d[1], "| rek. 2 z 2 ")) << "CCC is the second of two rows, though record 3 of the table";
}

TEST_F(ListDefects, SearchForAMissingTextSaysSoAndStays) {
  // Contractors searched by the code of the name.
  auto d = run("ok<Ins><Enter>X<Enter>ALFA<F2><Ins><Enter>X<Enter>BETA<F2><Home>"
               "s<Home><Down><Enter>ZZZ<Enter><dump><Enter><dump>s<Home><Down><Enter>BE<Enter><dump><Esc><Esc><Esc>T");
  ASSERT_EQ(d.size(), 3u);
  EXPECT_TRUE(has(d[0], "Nie znaleziono: ZZZ"));
  EXPECT_TRUE(has(d[1], "| rek. 1 z 2 ")) << "the list stays on ALFA";
  EXPECT_FALSE(has(d[2], "Nie znaleziono"));
  EXPECT_TRUE(has(d[2], "| rek. 2 z 2 ")) << "BETA found";
  EXPECT_TRUE(has(d[2], "3. DOST/NAB ALFA")) << "the rows above the one found fill the window";
}

TEST_F(ListDefects, F1ShowsTheHelpOfWhereTheUserIs) {
  auto d = run("<F1><dump><Esc>o<F1><dump><Esc>k<F1><dump><Esc><Ins><F1><dump><Esc><Esc><Enter><Esc><F1><dump>"
               "<Esc><Esc><Esc><Esc>T");
  ASSERT_EQ(d.size(), 5u);
  struct Expect {
    const char* where;
    const char* text;
  };
  const Expect expect[] = {{"main bar on Płace", "PŁACE - lista płac"},
                           {"Pomocnicze on Konta", "KONTA - plan kont"},
                           {"contractors' list", "KONTRAHENCI - dostawcy"},
                           {"contractors' form", "KONTRAHENCI - dostawcy"},
                           {"after the local menu", "KONTRAHENCI - dostawcy"}};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_TRUE(has(d[i], " Pomoc ")) << expect[i].where;
    EXPECT_TRUE(has(d[i], expect[i].text)) << expect[i].where;
  }
  // The help lines name F1.
  auto lines = run("<dump>ok<dump><Esc><Esc><Esc>T");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].back().rfind("F1-Pomoc", 0), 0u) << lines[0].back();
  EXPECT_NE(lines[1].back().find("F1-Pomoc"), std::string::npos) << lines[1].back();
}

}  // namespace
}  // namespace skolvarin

namespace skolvarin {
namespace {

TEST_F(ListDefects, CharactersMazoviaLacksAreStoredAsAsciiAndTheFormShowsIt) {
  auto d = run("oo<Enter><Ins>AAA<Enter>A – „B” … 5 €<Enter><dump><F2><dump><Esc><Esc><Esc>T");
  ASSERT_EQ(d.size(), 2u);
  EXPECT_TRUE(has(d[0], "opis......A - \"B\" ... 5 EUR")) << "the form, after the field was left";
  EXPECT_TRUE(has(d[1], "║ AAA   A - \"B\" ... 5 EUR")) << "the list";
  std::string dbf = read_file(dir_ + "/firmy/DEMO/W3OPIS.DBF");
  EXPECT_NE(dbf.find("A - \"B\" ... 5 EUR"), std::string::npos);
  EXPECT_EQ(dbf.find('?'), std::string::npos);
  // Every help line of a list fits the 80 columns.
  for (const Dump& s : run("oo<Enter><dump><Esc>ok<dump><Esc>ou<dump><Esc><Esc>T"))
    EXPECT_NE(s.back().find("Esc-Wyjście"), std::string::npos) << s.back();
}

TEST_F(ListDefects, DelClearsAFilterFieldAndF8ClearsThemAll) {
  // Exchange rates: currency, from and to dates.
  auto d = run("oyfEUR<Home><Del><dump>USD<Down>01012026<Down>31012026<dump><F8><dump><Esc><Esc><Esc><Esc>T");
  ASSERT_EQ(d.size(), 3u);
  EXPECT_TRUE(has(d[0], "║ waluta.........            ║")) << "Del empties the whole field";
  EXPECT_TRUE(has(d[1], "║ od dnia........ 01-01-2026 ║"));
  for (const char* row : {"║ waluta.........            ║", "║ od dnia........   -  -     ║", "║ do dnia........   -  -     ║"})
    EXPECT_TRUE(has(d[2], row)) << row;
  EXPECT_NE(d[2].back().find("Del-Wyczyść  F8-Wyczyść wszystkie"), std::string::npos) << d[2].back();
}

TEST_F(ListDefects, F4ListOpensOnTheCurrentValueAndSearchesAsTheUserTypes) {
  ASSERT_EQ(run_command(program() + " firma dodaj --skrot B --nazwa B --katalog B --urzad 1471 --data " + dir_ +
                        " >/dev/null")
                .status,
            0);
  const std::string to_office = "<S-F3><Home><F3>" + std::string("<Down><Down><Down><Down><Down><Down><Down><Down><Down><Down><Down>");
  // F4 and Enter at once keep the office the field holds.
  run(to_office + "<F4><Enter><F2><Esc><Esc>T");
  std::string list = run_command(program() + " firma lista --json --data " + dir_).out;
  EXPECT_NE(list.find("\"urzad\": 1471,"), std::string::npos) << list;
  // Typing "OPO" goes to the first office whose name starts so.
  run(to_office + "<F4>OPO<Enter><F2><Esc><Esc>T");
  list = run_command(program() + " firma lista --json --data " + dir_).out;
  EXPECT_NE(list.find("\"urzad_nazwa\": \"OPOLSKI URZĄD SKARBOWY W OPOLU\""), std::string::npos) << list;
}

TEST_F(ListDefects, PrintoutIsNamedByItsRegister) {
  run("oyr<F2><Esc><Esc><Esc><Esc><Esc>T");
  std::string dir = dir_ + "/firmy/DEMO/wydruki/";
  EXPECT_FALSE(read_file(dir + "KURSY_WALUT_20260302_001.pdf").empty());
  EXPECT_NE(read_file(dir + "KURSY_WALUT_20260302_001.txt").find("Kursy walut"), std::string::npos);
}

TEST_F(ListDefects, CurrencyPickerListsEachCurrencyOnce) {
  auto d = run("oyd<F4>EU<dump><Enter><dump><Esc><Esc><Esc><Esc><Esc>T");
  ASSERT_EQ(d.size(), 2u);
  int eur_rows = 0;
  for (const std::string& row : d[0]) eur_rows += row.find("║ EUR ") != std::string::npos;
  EXPECT_EQ(eur_rows, 1) << "one row for the euro, though many countries pay in it";
  EXPECT_TRUE(has(d[1], "kod waluty......EUR"));
}

}  // namespace
}  // namespace skolvarin

namespace skolvarin {
namespace {

TEST_F(ListDefects, AWrongTaxNumberIsKeptButMarkedInTheFormAndTheList) {
  // The NIP check is off (the main options' default): K1's number is kept.
  const std::string to_nip = "<Enter>Nazwa<Enter><Enter><Enter><Enter><Enter><Enter><Enter>";
  auto d = run("ok<Ins>K1" + to_nip + "1234567890<Enter><dump><F2><Ins>K2" + to_nip + "5260250274<Enter><dump><F2>"
               "<dump><Esc><Esc><Esc>T");
  ASSERT_EQ(d.size(), 3u);
  EXPECT_TRUE(has(d[0], "NIP...............1234567890"));
  EXPECT_TRUE(has(d[0], "Błędny NIP: ani NIP, ani PESEL - sprawdź numer")) << "the form's hint line";
  EXPECT_FALSE(has(d[1], "Błędny NIP")) << "a good number has no mark";
  EXPECT_TRUE(has(d[2], "║!A T         3. DOST/NAB K1 ")) << "the list marks K1";
  EXPECT_TRUE(has(d[2], "║ A T         3. DOST/NAB K2 "));
}

}  // namespace
}  // namespace skolvarin

namespace skolvarin {
namespace {

TEST_F(ListDefects, FormsFitTheScreenAndNoFieldCoversALabel) {
  // The contractor card: a framed first page, then all 24 rows of the
  // second above the key help line.
  auto d = run("ok<Ins><dump>K1<PgDn><dump><Esc>T<Esc><Esc><Esc>T");
  ASSERT_EQ(d.size(), 2u);
  EXPECT_TRUE(has(d[0], "Kontrahenci - dopisywanie")) << "page 1 in its own framed window";
  EXPECT_TRUE(has(d[0], "║osoba.........")) << "page 1 drawn whole";
  EXPECT_EQ(d[1][23].rfind("obroty netto..", 0), 0u) << d[1][23];
  EXPECT_EQ(d[1][24].rfind("F2-Zapisz", 0), 0u) << d[1][24];
  // The employee's form after the tax-office list closed over it: the
  // labels right of the long address fields are whole.
  std::string keys = "pp<Ins>KOWALSKI<Enter>JAN";
  for (int i = 0; i < 24; ++i) keys += "<Enter>";
  d = run(keys + "<F4><dump><Esc><dump><Esc>T<Esc><Esc><Esc>T");
  ASSERT_EQ(d.size(), 2u);
  EXPECT_TRUE(has(d[0], "Urzędy skarbowe"));
  for (const char* label : {"nr domu......", "powiat.......", "telefon......"})
    EXPECT_TRUE(has(d[1], label)) << label;
}

}  // namespace
}  // namespace skolvarin
