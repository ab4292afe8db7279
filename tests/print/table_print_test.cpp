#include "host/print/table_print.h"

#include <gtest/gtest.h>

namespace skolvarin::print {
namespace {

TableLayout contractors_layout() {
  TableLayout l;
  l.code = "KHNT";
  l.title = "KARTOTEKA KONTRAHENTÓW";
  l.subtitle = "Firma Przykładowa Sp. z o.o.";
  l.date_text = "2026-12-05";
  l.columns = {{"Kod", "", 8, Align::Left, false, 2},
               {"Nazwa", "kontrahenta", 20, Align::Left, false, 2},
               {"Należność", "[zł]", 12, Align::Right, true, 2}};
  return l;
}

std::vector<TableRow> rows(int n) {
  std::vector<TableRow> out;
  for (int i = 1; i <= n; ++i)
    out.push_back({{"K" + std::to_string(i), 0}, {"Śliwiński Łukasz", 0}, {format_amount(i * 10.5), i * 10.5}});
  return out;
}

TEST(TablePrint, EveryLineHasTheWidthOfTheColumns) {
  PrintDocument doc = print_table(contractors_layout(), rows(3));
  ASSERT_EQ(doc.pages.size(), 1u);
  // 5 (L.p.) + 8 + 20 + 12 + 5 bars
  EXPECT_EQ(doc.width, 50);
  for (size_t i = 2; i < doc.pages[0].lines.size(); ++i)
    EXPECT_EQ(text_width(doc.pages[0].lines[i]), 50u) << doc.pages[0].lines[i];
  std::string text = to_text(doc);
  EXPECT_NE(text.find("│Nazwa"), std::string::npos);
  EXPECT_NE(text.find("│kontrahenta"), std::string::npos);
  EXPECT_NE(text.find("Śliwiński Łukasz"), std::string::npos);
  EXPECT_NE(text.find("str. 1"), std::string::npos);
  // 10.5 + 21 + 31.5 = 63
  EXPECT_NE(text.find("│RAZEM"), std::string::npos);
  EXPECT_NE(text.find("       63,00│"), std::string::npos);
}

TEST(TablePrint, LongListsBreakIntoNumberedPagesWithCarriedTotals) {
  TableLayout l = contractors_layout();
  l.lines_per_page = 20;
  PrintDocument doc = print_table(l, rows(40));
  ASSERT_GE(doc.pages.size(), 3u);
  double expected_total = 0;
  for (int i = 1; i <= 40; ++i) expected_total += i * 10.5;  // 8610
  int data_rows = 0;
  for (size_t p = 0; p < doc.pages.size(); ++p) {
    const auto& lines = doc.pages[p].lines;
    EXPECT_LE(static_cast<int>(lines.size()), 20);
    EXPECT_NE(lines[0].find("str. " + std::to_string(p + 1)), std::string::npos);
    std::string page_text;
    for (const auto& line : lines) {
      page_text += line + "\n";
      if (line.find("Śliwiński") != std::string::npos) ++data_rows;
    }
    if (p > 0) {
      EXPECT_NE(page_text.find("Z przeniesienia"), std::string::npos);
    }
    if (p + 1 < doc.pages.size()) {
      EXPECT_NE(page_text.find("Do przeniesienia"), std::string::npos);
    }
  }
  EXPECT_EQ(data_rows, 40);
  EXPECT_NE(to_text(doc).find(format_amount(expected_total)), std::string::npos);
  EXPECT_NE(to_text(doc).find("40."), std::string::npos);
}

TEST(TablePrint, AnEmptyListSaysSo) {
  PrintDocument doc = print_table(contractors_layout(), {});
  ASSERT_EQ(doc.pages.size(), 1u);
  EXPECT_NE(to_text(doc).find("Brak danych do wydruku"), std::string::npos);
}

}  // namespace
}  // namespace skolvarin::print
