// The posting service end to end: the real program runs a small module that
// posts records into the firm's book the way payroll, documents and assets
// do; key scripts answer the form "KSIĘGOWANIE" and its questions, and the
// book is read back with `skolvarin ksiega --json` and `skolvarin tabela`.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/files.h"
#include "tests/support/program_run.h"

namespace {

namespace fs = std::filesystem;
using skolvarin::testing_support::program;
using skolvarin::testing_support::run_command;

using Screen = std::vector<std::string>;

bool has(const Screen& s, const std::string& text) {
  for (const auto& r : s)
    if (r.find(text) != std::string::npos) return true;
  return false;
}
std::string shown(const Screen& s) {
  std::string out;
  for (const auto& r : s) out += r + "\n";
  return out;
}

// A data directory made by `skolvarin init` on `today`, so the working year
// is that date's year.
class Book {
 public:
  Book(const std::string& name, const std::string& today) : today_(today) {
    root_ = fs::temp_directory_path() / ("cash_e2e_" + std::to_string(::getpid()) + "_" + name);
    fs::remove_all(root_);
    fs::create_directories(root_);
    ok_ = run_command(program() + " init --data " + data() + " --dzis " + today + " >/dev/null 2>&1").status == 0;
  }
  ~Book() { fs::remove_all(root_); }
  bool ok() const { return ok_; }
  std::string data() const { return (root_ / "data").string(); }
  fs::path firm() const { return root_ / "data" / "firmy" / "DEMO"; }

  // Posts `records` through the probe module with `keys`; returns the
  // screens dumped and fills `results` with the module's result lines.
  std::vector<Screen> post(const std::string& records, const std::string& keys, std::vector<std::string>* results,
                           std::string module = POSTING_PROBE_MODULE) {
    fs::path rec = root_ / "records.txt", out = root_ / "results.txt", script = root_ / "keys.txt",
             screen = root_ / "screen.txt";
    std::ofstream(rec) << records;
    std::ofstream(script) << keys;
    fs::remove(out);
    std::string env = module.empty() ? "" : "SKOLVARIN_MODULE=" + module + " ";
    run_command(env + "SKOLVARIN_POSTING=" + rec.string() + " SKOLVARIN_POSTING_OUT=" + out.string() + " " +
                program() + " --data " + data() + " --dzis " + today_ + " --keys " + script.string() +
                " --screen " + screen.string() + " >/dev/null 2>&1");
    std::vector<Screen> screens(1);
    std::ifstream in(screen);
    for (std::string line; std::getline(in, line);) {
      if (line.rfind("=====", 0) == 0) screens.emplace_back();
      else screens.back().push_back(line);
    }
    if (screens.back().empty()) screens.pop_back();
    if (results) {
      results->clear();
      std::ifstream r(out);
      for (std::string line; std::getline(r, line);) results->push_back(line);
    }
    return screens;
  }

  std::string book_json(int year) const {
    return run_command(program() + " ksiega --data " + data() + " --rok " + std::to_string(year) + " --json").out;
  }
  std::string table_csv(const std::string& file) const {
    return run_command(program() + " tabela " + (firm() / file).string() + " --csv 2>/dev/null").out;
  }

 private:
  fs::path root_;
  std::string today_;
  bool ok_ = false;
};

// The JSON entries' ordinals in book order.
std::vector<std::string> ordinals(const std::string& json) {
  std::vector<std::string> out;
  for (size_t at = 0; (at = json.find("\"lp\": ", at)) != std::string::npos;) {
    at += 6;
    out.push_back(json.substr(at, json.find(',', at) - at));
  }
  return out;
}

// Saves the form as proposed: F2, "yes" to the save question, "no" to the cash step.
const char* kSaveNoCash = "<F2>T<Esc>";

}  // namespace

TEST(PostingEndToEnd, FirstEntryGetsOrdinalOneAndLaterOnesContinueInMonthOrder) {
  Book book("lp", "2017-06-01");
  ASSERT_TRUE(book.ok());
  std::vector<std::string> results;
  auto screens = book.post(
      "data=20170310\nzrodlo=3\ndokument=DW 1/03\nwyn=100\n\n"
      "data=20170312\nzrodlo=3\ndokument=DW 2/03\ninn=250.50\n\n"
      "data=20170105\nzrodlo=3\ndokument=DW 1/01\nzak=10\n",
      std::string("<dump>") + kSaveNoCash + kSaveNoCash + "<dump>" + kSaveNoCash, &results);
  ASSERT_EQ(screens.size(), 2u);
  EXPECT_TRUE(has(screens[0], "KSIĘGOWANIE")) << shown(screens[0]);
  EXPECT_TRUE(has(screens[0], "l.p.....1 ")) << shown(screens[0]);
  EXPECT_TRUE(has(screens[0], "3. DOWODY WEWN.")) << shown(screens[0]);
  EXPECT_TRUE(has(screens[0], "Marzec")) << shown(screens[0]);
  ASSERT_EQ(results.size(), 3u);
  EXPECT_EQ(results[0], "wynik=0 lp=1 rec=1 data=20170310 zapisano=1");
  EXPECT_EQ(results[1], "wynik=0 lp=2 rec=2 data=20170312 zapisano=1");
  EXPECT_EQ(results[2], "wynik=0 lp=3 rec=3 data=20170105 zapisano=1");
  // The book lists by month, then ordinal: January's entry first.
  std::string json = book.book_json(2017);
  EXPECT_EQ(ordinals(json), (std::vector<std::string>{"3", "1", "2"})) << json;
  EXPECT_NE(json.find("\"wydatki_pozostale\": 250.50"), std::string::npos) << json;
}

TEST(PostingEndToEnd, FebruaryOffersTwentyNineDaysOnlyInALeapWorkingYear) {
  struct Case {
    const char* today;
    const char* date;
    bool leap;
  };
  for (const Case& c : {Case{"2016-03-01", "20160210", true}, Case{"2017-03-01", "20170210", false}}) {
    Book book(std::string("luty") + c.today, c.today);
    ASSERT_TRUE(book.ok());
    const std::string record = std::string("data=") + c.date + "\nzrodlo=4\nzak=1\n";
    std::vector<std::string> results;
    auto screens = book.post(record, "<C-Y>29<Enter><dump>", &results);
    ASSERT_EQ(screens.size(), 1u) << c.today;
    EXPECT_EQ(has(screens[0], "Nie ma takiego dnia w tym miesiącu !"), !c.leap) << c.today << "\n" << shown(screens[0]);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0], "wynik=1 lp=0 rec=0 data= zapisano=0");  // the script ended in the form
    // The last day the month offers is written.
    const std::string last = c.leap ? "29" : "28";
    screens = book.post(record, "<C-Y>" + last + "<F2>T", &results);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0], "wynik=0 lp=1 rec=1 data=" + std::string(c.date).substr(0, 6) + last + " zapisano=1");
  }
}

TEST(PostingEndToEnd, AllAmountsZeroAsksBeforeWriting) {
  Book book("zero", "2017-06-01");
  ASSERT_TRUE(book.ok());
  std::vector<std::string> results;
  auto screens = book.post("data=20170502\nzrodlo=4\n\ndata=20170503\nzrodlo=4\n",
                           "<F2>T<dump><Esc>"   // first: the zero question, declined
                           "<F2>T<dump>T",      // second: the question again, accepted
                           &results);
  ASSERT_EQ(screens.size(), 2u);
  for (const Screen& s : screens) {
    EXPECT_TRUE(has(s, "Wszystkie kwoty są równe zero.")) << shown(s);
    EXPECT_TRUE(has(s, "Czy mimo to zaksięgować ?")) << shown(s);
  }
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0], "wynik=1 lp=0 rec=0 data= zapisano=0");
  EXPECT_EQ(results[1], "wynik=0 lp=1 rec=1 data=20170503 zapisano=1");
}

TEST(PostingEndToEnd, RepostingReplacesTheOneEntryAndAClosedMonthRefuses) {
  Book book("powtorne", "2017-06-01");
  ASSERT_TRUE(book.ok());
  std::vector<std::string> results;
  book.post("data=20170410\nzrodlo=4\nzak=100\n\ndata=20170411\nzrodlo=4\nzak=5\n",
            "<F2>T<F2>T", &results);
  ASSERT_EQ(results.size(), 2u);
  auto screens = book.post("data=20170420\nzrodlo=4\nrec=1\nzak=300\nubo=12.34\n",
                           "<dump>T<F2>T", &results);
  ASSERT_EQ(screens.size(), 1u);
  EXPECT_TRUE(has(screens[0], "POWTÓRNE KSIĘGOWANIE")) << shown(screens[0]);
  EXPECT_TRUE(has(screens[0], "zastąpić")) << shown(screens[0]);
  EXPECT_TRUE(has(screens[0], "100.00")) << shown(screens[0]);
  EXPECT_TRUE(has(screens[0], "300.00")) << shown(screens[0]);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0], "wynik=0 lp=1 rec=1 data=20170420 zapisano=1");
  std::string json = book.book_json(2017);
  EXPECT_EQ(ordinals(json), (std::vector<std::string>{"1", "2"})) << json;
  EXPECT_NE(json.find("\"towary\": 300.00, \"koszty_uboczne\": 12.34"), std::string::npos) << json;

  // April closed: replacing the entry is refused and the book stays.
  std::ofstream(book.firm() / "ksiega_miesiace.txt") << "2017-04\n";
  screens = book.post("data=20170421\nzrodlo=4\nrec=1\nzak=999\n", "<dump>", &results);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].substr(0, 8), "wynik=-1");
  EXPECT_TRUE(has(screens[0], "zamknięty")) << shown(screens[0]);
  EXPECT_NE(book.book_json(2017).find("\"towary\": 300.00"), std::string::npos);
}

TEST(PostingEndToEnd, PayrollSumsAppearInTheBookAndThePaymentGoesToTheCashBook) {
  Book book("place", "2017-06-01");
  ASSERT_TRUE(book.ok());
  std::vector<std::string> results;
  // A payroll list's sums: gross 12345.67 (source 5) and employer's ZUS 2345.11 (source 6), list 3.
  auto screens = book.post(
      "data=20170531\nzrodlo=5\nlista=3\ndokument=LP 3/05/2017\nopis=Wynagrodzenia\nwyn=12345.67\n\n"
      "data=20170531\nzrodlo=6\nlista=3\ndokument=LP 3/05/2017\nopis=ZUS pracodawcy\nwyn=2345.11\n",
      "<F2>T<dump>T<Enter><F2>T<Esc>", &results);
  ASSERT_EQ(results.size(), 2u);
  EXPECT_TRUE(has(screens[0], "Czy zapisać zapłatę w kasie ?")) << shown(screens[0]);
  std::string json = book.book_json(2017);
  EXPECT_NE(json.find("\"wynagrodzenia\": 12345.67, \"wydatki_pozostale\": 0.00, \"zrodlo\": 5, \"lista\": 3"),
            std::string::npos) << json;
  EXPECT_NE(json.find("\"wynagrodzenia\": 2345.11, \"wydatki_pozostale\": 0.00, \"zrodlo\": 6, \"lista\": 3"),
            std::string::npos) << json;
  EXPECT_NE(json.find("\"razem\": {\"przychod_sprzedaz\": 0.00, \"przychod_pozostaly\": 0.00, \"towary\": 0.00, "
                      "\"koszty_uboczne\": 0.00, \"wynagrodzenia\": 14690.78"),
            std::string::npos) << json;
  // The cash step wrote one payment linked to book entry 1 of 2017.
  std::string cash = book.table_csv("W3KASA.DBF");
  EXPECT_NE(cash.find("2;G;0;20170531;KASA;1;"), std::string::npos) << cash;
  EXPECT_NE(cash.find("-12345.67;PLN"), std::string::npos) << cash;
  EXPECT_NE(cash.find(";3;1;2017;"), std::string::npos) << cash;

  // The host shows the book (Alt+K at the main menu of the real module).
  screens = book.post("", "<A-K><dump><Esc><Esc>", nullptr, "");
  ASSERT_EQ(screens.size(), 1u);
  EXPECT_TRUE(has(screens[0], "KSIĘGA PRZYCHODÓW I ROZCHODÓW 2017")) << shown(screens[0]);
  EXPECT_TRUE(has(screens[0], "LP 3/05/2017")) << shown(screens[0]);
  EXPECT_TRUE(has(screens[0], "12345.67")) << shown(screens[0]);
}

TEST(PostingEndToEnd, TheCashBookOpensOnTheEntriesOfOneBookEntry) {
  Book book("zrodlo", "2017-06-01");
  ASSERT_TRUE(book.ok());
  std::vector<std::string> results;
  // Two postings paid in cash; the second opens the cash book on its own entries.
  auto screens = book.post(
      "data=20170510\nzrodlo=3\ndokument=DW 1\ninn=40\n\n"
      "data=20170511\nzrodlo=3\ndokument=DW 2\ninn=25.50\nkasa=podglad\n",
      "<F2>TT<Enter><Enter><F2>TT<Enter><Enter><dump><Esc>", &results);
  ASSERT_EQ(results.size(), 2u);
  ASSERT_EQ(screens.size(), 1u);
  const Screen& s = screens[0];
  EXPECT_TRUE(has(s, "suma: -25.50")) << shown(s);
  EXPECT_TRUE(has(s, "-25.50")) << shown(s);
  EXPECT_FALSE(has(s, "-40.00")) << shown(s);  // the other entry's payment is not listed
  EXPECT_TRUE(has(s, "Zakończ")) << shown(s);
  EXPECT_FALSE(has(s, "Wpłata")) << shown(s);  // view only: no other item
}

TEST(PostingEndToEnd, LumpSumTwinWritesTheRevenueByRateAndReplacesByRecord) {
  Book book("ryczalt", "2017-06-01");
  ASSERT_TRUE(book.post("data=20170315\nzrodlo=3\nryczalt=1\ndokument=R 1\nusl=1000\nhan=234.56\n\n"
                        "data=20170316\nzrodlo=3\nryczalt=1\ndokument=R 2\npro=10\nrol=5.25\n\n"
                        "data=20170320\nzrodlo=3\nryczalt=1\nrec=1\ndokument=R 1\nusl=900\n",
                        "", nullptr).empty());
  std::string csv = book.table_csv("W3RYCZ17.DBF");
  // LPO;DAT;NUM;DAD;USL;PRO;HAN;UIN;WZA;NIE;RAZ;...
  EXPECT_NE(csv.find("1;20170320;R 1;20170320;900.00;0.00;0.00;0.00;0.00;0.00;900.00;"), std::string::npos) << csv;
  // The seventh category (agricultural products) in RE2, counted in RAZ.
  EXPECT_NE(csv.find("2;20170316;R 2;20170316;0.00;10.00;0.00;0.00;0.00;0.00;15.25;"), std::string::npos) << csv;
  EXPECT_NE(csv.find(";5.25;"), std::string::npos) << csv;
  EXPECT_EQ(csv.find("234.56"), std::string::npos) << csv;  // replaced, not added
}
