// The cash book end to end: the real program on a data directory made by
// `skolvarin init`, driven through " Kasa " by key scripts; the entries are
// read back with `skolvarin tabela --csv` and the printouts from the firm's
// print folder.
#include <gtest/gtest.h>

#include "tests/dictionaries/e2e_support.h"
#include "tests/support/files.h"

namespace {

namespace fs = std::filesystem;

// A data directory made on 10 January 2017 (working year 2017).
class CashDir : public dict_e2e::DataDir {
 public:
  explicit CashDir(const std::string& name) : DataDir("kasa_" + name, "2017-01-10") {}

  // Runs `keys` from the main menu; returns the dumped screens as text.
  std::vector<std::string> keys(const std::string& keys) const {
    std::vector<std::string> out;
    for (const auto& screen : DataDir::keys(keys, "2017-01-10").screens) out.push_back(dict_e2e::dump(screen));
    return out;
  }

  // Live cash entries as "TYP TYK year NUM KWO" lines.
  std::vector<std::string> entries() const {
    std::vector<std::string> out;
    for (auto& r : records("W3KASA.DBF"))
      out.push_back(r["TYP"] + " " + r["TYK"] + " " + r["DAT"].substr(0, 4) + " " + r["NUM"] + " " + r["KWO"]);
    return out;
  }

  // The text of the newest printout whose name starts with `code`.
  std::string printout(const std::string& code) const {
    const fs::path dir = data() / "firmy" / "DEMO" / "wydruki";
    fs::path newest;
    if (fs::exists(dir))
      for (auto& e : fs::directory_iterator(dir))
        if (e.path().extension() == ".txt" && e.path().filename().string().rfind(code, 0) == 0 &&
            (newest.empty() || e.path().filename() > newest.filename()))
          newest = e.path();
    return newest.empty() ? "" : skolvarin::testing_support::read_file(newest.string());
  }
};

// New entries from the local menu: w receipt, y payment, g statement item.
// Fields in order: date, account type, number, source, document, amount.
std::string receipt(const std::string& date, const std::string& number, const std::string& amount) {
  return "w<C-Y>" + date + "<Enter><Enter>" + (number.empty() ? "" : "<C-Y>" + number) + "<Enter><Enter><Enter>" +
         amount + "<F2>";
}
std::string statement(int account_down, const std::string& amount) {
  std::string downs;
  for (int i = 0; i < account_down; ++i) downs += "<Down>";
  return "g<Enter><F4>" + downs + "<Enter><Enter><Enter><Enter><Enter>" + amount + "<F2>";
}

}  // namespace

TEST(CashBookEndToEnd, NewYearStartsAtOneAndAPaymentNeedsAMinus) {
  CashDir dir("numery");
  ASSERT_TRUE(dir.ok());
  auto screens = dir.keys("k" + receipt("31122016", "250", "100") + receipt("02012017", "", "10") +
                          "y<Enter><Enter><Enter><Enter><Enter>100<Enter><dump><Enter><C-Y>-100<F2><dump>"
                          "<Esc><Esc>");
  ASSERT_EQ(screens.size(), 2u);
  EXPECT_NE(screens[0].find("Wypłata musi mieć kwotę ujemną !"), std::string::npos) << screens[0];
  EXPECT_EQ(screens[1].find("Wypłata musi mieć kwotę ujemną !"), std::string::npos) << screens[1];
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"1 1 2016 250 100.00", "1 1 2017 1 10.00", "2 1 2017 1 -100.00"}));
  // A taken number of a receipt is refused.
  screens = dir.keys("kw<Enter><Enter><C-Y>1<Enter><dump><Esc><Esc><Esc><Esc>");
  ASSERT_EQ(screens.size(), 1u);
  EXPECT_NE(screens[0].find("Taki numer już istnieje !"), std::string::npos) << screens[0];
}

TEST(CashBookEndToEnd, SummaryCountsAuxiliaryOnePaymentsAndLeavesOutAuxiliaryThree) {
  CashDir dir("suma");
  ASSERT_TRUE(dir.ok());
  dir.keys("k" + receipt("05012017", "", "1000") + statement(1, "-50") + statement(3, "-70") + statement(0, "200") +
           "<Esc>");
  ASSERT_EQ(dir.entries().size(), 4u);
  dir.keys("krs<F2><F2><Esc><Esc>");  // Drukuj, Suma, filters accepted, the preview printed
  std::string text = dir.printout("KSU");
  ASSERT_FALSE(text.empty());
  auto row = [&](const std::string& label) {
    size_t at = text.find(label);
    if (at == std::string::npos) return std::string();
    size_t begin = text.rfind('\n', at) + 1;
    return text.substr(begin, text.find('\n', at) - begin);
  };
  auto cell = [](const std::string& line, size_t col) {
    // Columns count characters: skip `col` UTF-8 characters, take 14.
    auto at = [&](size_t chars) {
      size_t i = 0;
      for (size_t n = 0; i < line.size() && n < chars; ++n)
        do ++i; while (i < line.size() && (static_cast<unsigned char>(line[i]) & 0xC0) == 0x80);
      return i;
    };
    size_t from = at(col);
    std::string c = line.substr(from, at(col + 14) - from);
    size_t b = c.find_first_not_of(' '), e = c.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : c.substr(b, e - b + 1);
  };
  std::string aux1 = row("konto pomocnicze 1"), basic = row("konto podstawowe"), cash = row("gotówka"),
              total = row("RAZEM");
  EXPECT_EQ(cell(aux1, 30), "0,00") << text;
  EXPECT_EQ(cell(aux1, 46), "50,00") << text;
  EXPECT_EQ(cell(aux1, 62), "-50,00") << text;
  EXPECT_EQ(cell(basic, 30), "200,00") << text;
  EXPECT_EQ(cell(cash, 30), "1 000,00") << text;
  // POMOCNICZE 3's -70.00 is in no row: payments total 50.00.
  EXPECT_EQ(cell(total, 46), "50,00") << text;
  EXPECT_EQ(cell(total, 62), "1 150,00") << text;

  // " Tabulogram " of the statement items only: three rows, the amounts totalled.
  dir.keys("krt<Enter><Enter><Enter><F4><Down><Down><Enter><F2><F2><Esc><Esc>");
  std::string list = dir.printout("TABULOGRAM_KASY");  // named by the list's title
  ASSERT_FALSE(list.empty());
  EXPECT_NE(list.find("konto POMOCNICZE 1"), std::string::npos) << list;
  EXPECT_NE(list.find("konto POMOCNICZE 3"), std::string::npos) << list;
  EXPECT_EQ(list.find("wpłata gotówki"), std::string::npos) << list;
  EXPECT_NE(list.find("80,00"), std::string::npos) << list;  // 200 - 50 - 70
}

TEST(CashBookEndToEnd, VoucherCarriesTheAmountInWordsAndItsCopies) {
  CashDir dir("dowod");
  ASSERT_TRUE(dir.ok());
  std::ofstream(dir.data() / "wspolne" / "drukarka.cfg") << "kopie=3\n";
  dir.keys("ky<Enter><Enter><Enter><Enter><Enter>-1234.50<F2>rd<F2><Esc><Esc>");
  std::string text = dir.printout("KAP");
  ASSERT_FALSE(text.empty());
  EXPECT_NE(text.find("DOWÓD WYPŁATY"), std::string::npos) << text;
  EXPECT_NE(text.find("1 234,50"), std::string::npos) << text;  // the payment reads positive
  EXPECT_EQ(text.find("-1 234,50"), std::string::npos) << text;
  EXPECT_NE(text.find("tysiąc dwieście trzydzieści cztery złote pięćdziesiąt groszy"), std::string::npos) << text;
  size_t originals = 0, copies = 0;
  for (size_t at = 0; (at = text.find("ORYGINAŁ", at)) != std::string::npos; ++at) ++originals;
  for (size_t at = 0; (at = text.find("KOPIA", at)) != std::string::npos; ++at) ++copies;
  EXPECT_EQ(originals, 1u);
  EXPECT_EQ(copies, 2u);
  EXPECT_NE(text.find("KW KASA/1/2017"), std::string::npos) << text;
}
