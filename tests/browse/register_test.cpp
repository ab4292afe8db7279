// The test register driven through the host's browse with scripted keys on
// a virtual screen: add, modify, delete, refused fields, filters, search,
// read-only view and the printed list.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "host/api/print_api.h"
#include "tests/browse/browse_fixture.h"

namespace browsetest {
namespace {

std::string trimmed(FIELD4* f) { return f4trim(f); }

// Finds the record with code `kod` (live records only); false when none.
TEST_F(BrowseTest, AddingARecordStoresItsValuesAndStamp) {
  type("<Ins>eur<Enter>Euro<Enter><Enter>4,3215<Enter><dump><F2><dump><Esc>");
  run_register(&ctx, t);
  ASSERT_EQ(live_rows(), 1);
  ASSERT_TRUE(find(t, "EUR"));
  EXPECT_EQ(trimmed(t.naz), "Euro");
  EXPECT_EQ(std::string(f4str(t.dat)), "20240517");  // the new-record start value: today
  EXPECT_DOUBLE_EQ(f4double(t.kur), 4.3215);
  std::string inf = trimmed(t.inf);
  EXPECT_EQ(inf.rfind("KSIĘGOWA", 0), 0u) << inf;
  EXPECT_TRUE(contains(inf, "17-05-2024")) << inf;
  auto d = dumps();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_TRUE(contains(d[0], "kod waluty....")) << d[0];   // the template's row
  EXPECT_TRUE(contains(d[0], "17-05/24")) << d[0];         // the date in its picture
  EXPECT_TRUE(contains(d[1], "EUR Euro")) << d[1];         // the list after saving
}

TEST_F(BrowseTest, DuplicateKeyIsRefusedAndTheCursorStaysInTheField) {
  add_row(t, "USD", "Dolar", "20240510", 3.9, " ", 1);
  type("<Ins>usd<Enter><dump><Enter><C-Y>gbp<Enter><dump>Funt<Enter><Enter>0<Enter><dump><Enter><C-Y>5,01<F2><Esc>");
  run_register(&ctx, t);
  auto d = dumps();
  ASSERT_EQ(d.size(), 3u);
  EXPECT_TRUE(contains(d[0], "Taka wartość już istnieje - musi być niepowtarzalna !")) << d[0];
  // After the box the code field still holds the cursor: the typed GBP went there.
  EXPECT_TRUE(contains(d[1], "GBP")) << d[1];
  EXPECT_TRUE(contains(d[2], "Wartość musi być większa od zera !")) << d[2];
  EXPECT_EQ(live_rows(), 2);
  ASSERT_TRUE(find(t, "GBP"));
  EXPECT_EQ(trimmed(t.naz), "Funt");
  EXPECT_DOUBLE_EQ(f4double(t.kur), 5.01);
}

TEST_F(BrowseTest, ModifyingKeepsTheKeyWhichIsNotItsOwnDuplicate) {
  add_row(t, "CHF", "Frank", "20240510", 4.4, " ", 1);
  add_row(t, "USD", "Dolar", "20240510", 3.9, " ", 1);
  // Enter runs the highlighted item, " Modyfikuj "; the first row is CHF.
  type("<Enter><Enter><C-Y>Frank szwajcarski<F2><Esc>");
  run_register(&ctx, t);
  ASSERT_TRUE(find(t, "CHF"));
  EXPECT_EQ(trimmed(t.naz), "Frank szwajcarski");
  EXPECT_FALSE(trimmed(t.inf).empty());
  ASSERT_TRUE(find(t, "USD"));
  EXPECT_EQ(trimmed(t.naz), "Dolar");
  EXPECT_EQ(live_rows(), 2);
}

TEST_F(BrowseTest, DeleteAsksFirst) {
  add_row(t, "CHF", "Frank", "20240510", 4.4, " ", 1);
  add_row(t, "USD", "Dolar", "20240510", 3.9, " ", 1);
  type("<Del><dump>N<Del>T<dump><Esc>");
  run_register(&ctx, t);
  auto d = dumps();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_TRUE(contains(d[0], "Czy usunąć bieżący zapis ?")) << d[0];
  EXPECT_EQ(live_rows(), 1);
  EXPECT_FALSE(find(t, "CHF"));
  EXPECT_TRUE(find(t, "USD"));
  EXPECT_FALSE(contains(d[1], "CHF")) << d[1];
}

TEST_F(BrowseTest, EscInAFormAsksBeforeDroppingChanges) {
  add_row(t, "USD", "Dolar", "20240510", 3.9, " ", 1);
  type("<Ins>x<Esc><dump>N<Esc>T<Enter><C-Y>Zmiana<Esc>T<Esc>");
  run_register(&ctx, t);
  auto d = dumps();
  ASSERT_EQ(d.size(), 1u);
  EXPECT_TRUE(contains(d[0], "Czy porzucić wprowadzone zmiany ?")) << d[0];
  EXPECT_EQ(live_rows(), 1);
  ASSERT_TRUE(find(t, "USD"));
  EXPECT_EQ(trimmed(t.naz), "Dolar");
}

TEST_F(BrowseTest, FiltersWindowLimitsTheListAndShowsItsStatus) {
  add_row(t, "CHF", "Frank", "20240510", 4.4, "*", 1);
  add_row(t, "USD", "Dolar", "20240511", 3.9, " ", 2);
  add_row(t, "EUR", "Euro", "20240512", 4.3, "*", 3);
  type("f<Down><Down><Space><F2><dump>f<Down><Down><Del><Down><Down><Space><Down><Enter><F2><dump><Esc>");
  run_register(&ctx, t);
  auto d = dumps();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_TRUE(contains(d[0], "CHF Frank")) << d[0];
  EXPECT_TRUE(contains(d[0], "EUR Euro")) << d[0];
  EXPECT_FALSE(contains(d[0], "USD")) << d[0];
  EXPECT_TRUE(contains(d[0], "znak:*")) << d[0];
  // Second round: the mark cleared, kind chosen from the list (2. POBOCZNA).
  EXPECT_TRUE(contains(d[1], "USD Dolar")) << d[1];
  EXPECT_FALSE(contains(d[1], "CHF")) << d[1];
  EXPECT_TRUE(contains(d[1], "rodzaj:2. POBOCZNA")) << d[1];
}

TEST_F(BrowseTest, SearchPositionsOnTheNameTag) {
  add_row(t, "CHF", "Frank", "20240510", 4.4, " ", 1);
  add_row(t, "USD", "Dolar", "20240511", 3.9, " ", 2);
  add_row(t, "GBP", "Funt", "20240512", 5.0, " ", 3);
  // Search by name "fu", then modify the row found.
  type("snfu<Enter><dump><Enter><Esc><Esc>");
  run_register(&ctx, t);
  auto d = dumps();
  ASSERT_EQ(d.size(), 1u);
  // The list is now in name order (Dolar, Frank, Funt) with Funt current;
  // the form opened on it afterwards.
  size_t dolar = d[0].find("USD Dolar"), frank = d[0].find("CHF Frank"), funt = d[0].find("GBP Funt");
  ASSERT_NE(funt, std::string::npos) << d[0];
  if (dolar != std::string::npos) {
    EXPECT_LT(dolar, funt);
  }
  if (frank != std::string::npos) {
    EXPECT_LT(frank, funt);
  }
}

TEST_F(BrowseTest, EmptyListRefusesModifyAndDelete) {
  type("m<dump><Enter><Del><dump><Enter><Esc>");
  run_register(&ctx, t);
  auto d = dumps();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_TRUE(contains(d[0], "Brak zapisów do zmiany !")) << d[0];
  EXPECT_TRUE(contains(d[1], "Brak zapisów do usunięcia !")) << d[1];
}

TEST_F(BrowseTest, JumpsToTheLastRowOfALongTable) {
  for (int i = 0; i < 300; ++i) {
    char kod[8];
    std::snprintf(kod, sizeof kod, "%03d", i);
    add_row(t, kod, "Waluta", "20240510", 1.0 + i, " ", 1);
  }
  type("<End><dump><Home><dump><Esc>");
  run_register(&ctx, t);
  auto d = dumps();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_TRUE(contains(d[0], "299 Waluta")) << d[0];
  EXPECT_TRUE(contains(d[0], "rek. 300 z 300")) << d[0];
  EXPECT_TRUE(contains(d[1], "000 Waluta")) << d[1];
}

std::string run_cmd(const std::string& cmd) {
  std::string out;
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  pclose(p);
  return out;
}

TEST_F(BrowseTest, PrintedListComesOutAsAPdfWithPolishText) {
  add_row(t, "PLN", "Złoty polski", "20240510", 1.0, " ", 1);
  add_row(t, "GBP", "Funt szterling", "20240512", 5.0125, " ", 2);
  type("r<dump><F2><Enter><Esc>");
  run_register(&ctx, t);
  auto d = dumps();
  ASSERT_EQ(d.size(), 1u);
  EXPECT_TRUE(contains(d[0], "podgląd wydruku")) << d[0];
  std::string pdf = last_print_pdf();
  ASSERT_FALSE(pdf.empty());
  ASSERT_TRUE(fs::exists(pdf)) << pdf;
  EXPECT_EQ(fs::path(pdf).parent_path().filename(), "wydruki");
  std::string text = run_cmd("pdftotext -layout '" + pdf + "' -");
  EXPECT_TRUE(contains(text, "Wykaz walut próbnych")) << text;
  EXPECT_TRUE(contains(text, "Złoty polski")) << text;
  EXPECT_TRUE(contains(text, "Funt szterling")) << text;
  EXPECT_TRUE(contains(text, "średni")) << text;
  EXPECT_TRUE(contains(text, "5,0125")) << text;
  EXPECT_TRUE(contains(text, "6,0125")) << text;  // the total of the summed column
  EXPECT_TRUE(contains(text, "Firma Próbna")) << text;
}

}  // namespace
}  // namespace browsetest
