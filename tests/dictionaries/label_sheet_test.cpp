// Address labels on a sheet: widths, heights, gaps and page breaks.
#include <gtest/gtest.h>

#include "dictionaries/label_sheet.h"

namespace d = skolvarin::dictionaries;

TEST(LabelSheet, LabelsStandSideBySideWithTheirGaps) {
  d::LabelLayout l;
  l.per_row = 2;
  l.left = 2;
  l.width = 8;
  l.gap = 3;
  l.top = 1;
  l.height = 2;
  l.row_gap = 1;
  l.rows_per_page = 10;
  std::vector<d::LabelText> labels = {{"Łódź", "ul. Długa"}, {"Kowalski Jan", "x"}, {"Trzeci"}};
  auto lines = d::lay_out_labels(l, labels);
  std::vector<std::string> want = {
      "",                                  // top
      "  Łódź       Kowalski",             // names cut to 8 characters
      "  ul. Dług   x",
      "",                                  // gap between rows
      "  Trzeci",
      "",
  };
  EXPECT_EQ(lines, want);
}

TEST(LabelSheet, PagesBreakAfterTheirRows) {
  d::LabelLayout l;
  l.per_row = 1;
  l.width = 5;
  l.top = 0;
  l.height = 1;
  l.row_gap = 0;
  l.rows_per_page = 2;
  auto lines = d::lay_out_labels(l, {{"a"}, {"b"}, {"c"}});
  std::vector<std::string> want = {"a", "b", "\f", "c"};
  EXPECT_EQ(lines, want);
  l.per_row = 0;
  EXPECT_TRUE(d::lay_out_labels(l, {{"a"}}).empty());
}
