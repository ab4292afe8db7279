// Bank transfers end to end: the real program driven through " Pomocnicze "
// → " Przelewy " by key scripts; the transfers read back with
// `skolvarin tabela --csv`, and the bank import file written by
// `skolvarin przelewy eksport`.
#include <gtest/gtest.h>

#include "tests/dictionaries/e2e_support.h"
#include "tests/support/files.h"
#include "tests/support/program_run.h"

namespace {

namespace fs = std::filesystem;
using skolvarin::testing_support::run_command;
using Record = std::map<std::string, std::string>;

// A data directory made on 18 May 2017 (working year 2017).
class TransferDir : public dict_e2e::DataDir {
 public:
  explicit TransferDir(const std::string& name) : DataDir("przelewy_" + name, "2017-05-18") {}

  std::vector<std::string> keys(const std::string& keys) const {
    std::vector<std::string> out;
    for (const auto& screen : DataDir::keys(keys, "2017-05-18").screens) out.push_back(dict_e2e::dump(screen));
    return out;
  }

  std::vector<Record> transfers() const { return records("W3PLEW17.DBF"); }
};

// From the main menu into the register.
const std::string kOpen = "op";
// A new transfer of the n-th type (0 ordinary, 1 ZUS, 2 tax) on `date` for `amount`.
std::string add(int type, const std::string& date, const std::string& amount) {
  std::string downs;
  for (int i = 0; i < type; ++i) downs += "<Down>";
  return "d" + downs + "<Enter><C-Y>" + date + "<Enter>" + amount + "<F2>";
}

}  // namespace

TEST(TransfersEndToEnd, ZusAndTaxTransfersOfMay2017GetTheirPeriodsAndSymbol) {
  TransferDir dir("okresy");
  ASSERT_TRUE(dir.ok());
  dir.keys(kOpen + add(1, "18052017", "812.34") + add(2, "18052017", "95") + "<Esc><Esc>");
  auto t = dir.transfers();
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0]["TYP"], "2");
  EXPECT_EQ(t[0]["DEK"], "20170501");
  EXPECT_EQ(t[0]["SYP"], "ZUSSP");
  EXPECT_EQ(t[0]["TWP"], "S");
  EXPECT_EQ(t[0]["SOO"], "3");
  EXPECT_EQ(t[0]["KNO"], "83101010230000261395100000");
  EXPECT_EQ(t[0]["DRU"], "T");
  EXPECT_EQ(t[1]["TYP"], "3");
  EXPECT_EQ(t[1]["DEK"], "17M05");
  EXPECT_EQ(t[1]["SOO"], "2");
}

TEST(TransfersEndToEnd, OptionsRefuseThreePartsAndBoxesCutTheLineTo27) {
  TransferDir dir("opcje");
  ASSERT_TRUE(dir.ok());
  // Parts: 3 refused, 4 taken; the line length 50 (no boxes) stored.
  auto screens = dir.keys(kOpen + "c<Enter><C-Y>3<Enter><dump><Enter><C-Y>4<Enter><Enter><Enter><Enter><Enter><Enter>"
                                   "<Enter><C-Y>50<F2><Esc><Esc>");
  ASSERT_EQ(screens.size(), 1u);
  EXPECT_NE(screens[0].find("Wartość poza zakresem !"), std::string::npos) << screens[0];
  // Boxes on: 50 is outside 24..27 and becomes 27.
  screens = dir.keys(kOpen + "c<Enter><Enter><Enter><Enter><Enter><Enter><Enter><dump><Space><Enter><dump><F2>"
                             "c<dump><Esc><Esc><Esc>");
  ASSERT_EQ(screens.size(), 3u);
  auto line_value = [](const std::string& screen) {
    size_t at = screen.find("Ilość znaków w wierszu");
    if (at == std::string::npos) return std::string();
    size_t dots = screen.find(". ", at);
    return screen.substr(dots + 2, 2);
  };
  EXPECT_EQ(line_value(screens[0]), "50") << screens[0];
  EXPECT_EQ(line_value(screens[1]), "27") << screens[1];
  EXPECT_EQ(line_value(screens[2]), "27") << screens[2];  // saved with F2
}

TEST(TransfersEndToEnd, KasujWithADateFilterUnmarksOnlyThatPeriod) {
  TransferDir dir("kasuj");
  ASSERT_TRUE(dir.ok());
  dir.keys(kOpen + add(0, "10052017", "100") + add(0, "18052017", "200") + add(0, "25052017", "300") +
           "f15052017<Enter>20052017<F2>k<Esc>");
  auto t = dir.transfers();
  ASSERT_EQ(t.size(), 3u);
  std::map<std::string, std::string> marks;
  for (auto& r : t) marks[r["DAP"]] = r["DRU"];
  EXPECT_EQ(marks["20170510"], "T");
  EXPECT_EQ(marks["20170518"], "N");
  EXPECT_EQ(marks["20170525"], "T");
}

TEST(TransfersEndToEnd, OnePrintedWithTheAmountInWordsAndSumsPerAccount) {
  TransferDir dir("druk");
  ASSERT_TRUE(dir.ok());
  auto screens = dir.keys(kOpen + add(0, "18052017", "1234.50") + add(1, "18052017", "100") +
                          "rj<F2><Enter>a<F2><dump><Esc><Esc><Esc>");
  ASSERT_EQ(screens.size(), 1u);
  EXPECT_NE(screens[0].find("PODSUMOWANIE"), std::string::npos) << screens[0];
  EXPECT_NE(screens[0].find("Konto podstawowe..        1334.50"), std::string::npos) << screens[0];
  fs::path prints = dir.root() / "data" / "firmy" / "DEMO" / "wydruki";
  std::string text;
  if (fs::exists(prints))
    for (auto& e : fs::directory_iterator(prints))
      if (e.path().extension() == ".txt") text += skolvarin::testing_support::read_file(e.path().string());
  // The list's last transfer (the ZUS one) is current: on the bank's
  // preprinted form only the values, the account digits in a row of their own.
  EXPECT_NE(text.find("Przelew oryg."), std::string::npos) << text;
  EXPECT_NE(text.find("\nsto złotych zero groszy\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\n83101010230000261395100000\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nS 20170501"), std::string::npos) << text;
  EXPECT_EQ(text.find("nazwa odbiorcy:"), std::string::npos) << text;
}

TEST(TransfersEndToEnd, TheFirmPaysFromTheAccountOfTheTypeChosen) {
  TransferDir dir("konto");
  ASSERT_TRUE(dir.ok());
  const std::string script = "/usr/bin/python3 " SKOLVARIN_SOURCE_DIR "/tests/";
  const fs::path firm = dir.root() / "data" / "firmy" / "DEMO";
  const std::string second = "61109010140000071219812874";
  ASSERT_EQ(run_command(script + "support/set_fields.py " + (firm / "W3PAWL.DBF").string() + " 1 NRR2=" + second).status, 0);
  // An ordinary transfer moved to account type 2 takes that account; the
  // ZUS transfer takes the type of the ZUS settings (1, then 2).
  dir.keys(kOpen + "d<Enter><C-Y>18052017<Enter>100<Enter><Enter><Enter><Enter><Enter><C-Y>2<Enter><F2>" +
           add(1, "18052017", "200") + "<Esc>");
  ASSERT_EQ(run_command(script + "payroll_registers/set_settings_field.py " + (firm / "W3PAZU.DBF").string() +
                        " 28 IN 2").status, 0);
  auto screens = dir.keys(kOpen + add(1, "18052017", "300") + "<dump><Esc>");
  ASSERT_EQ(screens.size(), 1u);
  // The panel under the list shows the current transfer's parties.
  EXPECT_NE(screens[0].find("odbiorca: ZUS"), std::string::npos) << screens[0];
  EXPECT_NE(screens[0].find("zleceniodawca: FIRMA"), std::string::npos) << screens[0];
  EXPECT_NE(screens[0].find("konto: " + second), std::string::npos) << screens[0];
  auto t = dir.transfers();
  ASSERT_EQ(t.size(), 3u);
  const char* types[] = {"2", "1", "2"};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(t[i]["TYB"], types[i]) << i;
    EXPECT_EQ(t[i]["KNZ"].find(second) != std::string::npos, types[i][0] == '2') << i << " " << t[i]["KNZ"];
  }
}
