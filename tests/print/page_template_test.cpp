#include "host/print/page_template.h"

#include <gtest/gtest.h>

namespace skolvarin::print {
namespace {

TEST(PageTemplate, FixedRowsAreCutByCharactersNotBytes) {
  // Two rows of 10 characters, Polish letters taking two bytes each in UTF-8.
  PageTemplate t = PageTemplate::from_fixed_rows("Zażółć gęśJaźń  x  ", 10);
  ASSERT_EQ(t.rows(), 2);
  EXPECT_EQ(t.line(0), "Zażółć gęś");
  EXPECT_EQ(t.line(1), "Jaźń  x   ");
}

TEST(PageTemplate, ValuesLandAtRowAndColumnAndNeverGrowThePage) {
  PageTemplate t = PageTemplate::from_lines({"Nazwa.......:", "Kwota.......:", ""}, 30);
  t.put(0, 14, "Łukasiewicz Żaneta", 12);
  t.put_amount(1, 14, 1234.5, 12);
  t.put(2, 25, "przycięte na krawędzi");  // cut at the right edge
  t.put(7, 0, "poza stroną");             // ignored
  auto lines = t.all_lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "Nazwa.......: Łukasiewicz");  // cut to 12, trailing blank dropped
  EXPECT_EQ(t.line(0), "Nazwa.......: Łukasiewicz     ");  // 30 characters
  EXPECT_EQ(lines[1], "Kwota.......:     1 234,50");
  EXPECT_EQ(lines[2], "                         przyc");
}

TEST(PageTemplate, AmountsArePrintedThePolishWay) {
  EXPECT_EQ(format_amount(0.0), "0,00");
  EXPECT_EQ(format_amount(-1234567.5), "-1 234 567,50");
  EXPECT_EQ(format_amount(999.995), "1 000,00");
  EXPECT_EQ(format_amount(12.345, 2, false), "12,35");
  EXPECT_EQ(format_amount(1500, 0), "1 500");
  EXPECT_EQ(format_amount(-0.004), "0,00");
}

}  // namespace
}  // namespace skolvarin::print
