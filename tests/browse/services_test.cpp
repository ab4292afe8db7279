// Register services called directly: the uniqueness test, filters of every
// kind, the printed list, template pages with MemPrint, amounts in words,
// user rights.
#include <gtest/gtest.h>

#include <fstream>

#include "host/api/print_api.h"
#include "host/browse/browse_internal.h"
#include "host/print/print_calls.h"
#include "host/text/mazovia.h"
#include "tests/browse/browse_fixture.h"

namespace browsetest {
namespace {

TEST_F(BrowseTest, ValidUniqueTagFindsOtherRecordsOnly) {
  add_row(t, "USD", "Dolar", "20240510", 3.9, " ", 1);
  add_row(t, "EUR", "Euro", "20240510", 4.3, " ", 1);
  add_row(t, "EU", "Ecu", "20240510", 4.0, " ", 1);
  // A key taken by another record, in add and in modify mode.
  EXPECT_EQ(ValidUniqueTag(t.data, t.t_kod, "USD", BROWSE_ADD, 0), 1);
  // A prefix of a key is not that key: "EU" exists, "E" does not.
  EXPECT_EQ(ValidUniqueTag(t.data, t.t_kod, "E", BROWSE_ADD, 0), 0);
  EXPECT_EQ(ValidUniqueTag(t.data, t.t_kod, "EU", BROWSE_ADD, 0), 1);
  EXPECT_EQ(ValidUniqueTag(t.data, t.t_kod, "GBP", BROWSE_ADD, 0), 0);
  // The record being modified is not its own duplicate...
  d4go(t.data, 2);
  EXPECT_EQ(ValidUniqueTag(t.data, t.t_kod, "EUR", BROWSE_MODIFY, 0), 0);
  // ...but in add mode the same key is taken.
  EXPECT_EQ(ValidUniqueTag(t.data, t.t_kod, "EUR", BROWSE_ADD, 0), 1);
  // Modifying record 2 to the code of record 1 is refused.
  EXPECT_EQ(ValidUniqueTag(t.data, t.t_kod, "USD", BROWSE_MODIFY, 0), 1);
  // The position and the edited buffer survive the test.
  f4assign(t.naz, "Euro zmienione");
  d4changed(t.data);
  EXPECT_EQ(ValidUniqueTag(t.data, t.t_kod, "USD", BROWSE_MODIFY, 0), 1);
  EXPECT_EQ(d4recno(t.data), 2);
  EXPECT_EQ(f4trim(t.naz), "Euro zmienione");
  // A deleted record no longer holds its key.
  d4go(t.data, 1);
  d4delete(t.data);
  d4write(t.data);
  EXPECT_EQ(ValidUniqueTag(t.data, t.t_kod, "USD", BROWSE_ADD, 0), 0);
  // The message is shown (through the host's box) only when asked for.
  EXPECT_EQ(ValidUniqueTag(nullptr, t.t_kod, "USD", BROWSE_ADD, 0), -1);
}

// Codes of the records that pass the filters, in record order.
std::string passing(Table& t, FiltersDefinition& f) {
  std::string out;
  for (long r = 1; r <= d4reccount(t.data); ++r) {
    d4go(t.data, r);
    if (FilterFunction(&f) == r4keep) out += f4trim(t.kod) + " ";
  }
  return out;
}

TEST_F(BrowseTest, FiltersOfEveryKind) {
  add_row(t, "CHF", "Frank", "20240105", 4.4, "*", 1);
  add_row(t, "USD", "Dolar", "20240310", 3.9, " ", 2);
  add_row(t, "EUR", "Euro", "20240512", 4.3, "*", 3);
  add_row(t, "GBP", "Funt", "        ", 5.0, " ", 2);
  FiltersDefinition f;
  Filter* od = DefineFilter(&f, t.dat, "od dnia....", nullptr, FILTER_DATE, 0);
  Filter* d0 = DefineFilter(&f, t.dat, "do dnia....", nullptr, FILTER_DATE, 2);
  Filter* mark = DefineFilter(&f, t.zna, "znak.......", " znak:", FILTER_MARK, 8, {.value = "*"});
  Filter* vat = DefineFilter(&f, t.zna, "vat........", " vat:", FILTER_MARK, 24, {.value = "T"});
  Filter* text = DefineFilter(&f, t.naz, "nazwa......", " nazwa:", FILTER_TEXT, 1);
  Filter* whole = DefineFilter(&f, t.naz, "cała.......", " cała:", FILTER_TEXT, 0);
  Filter* rows = DefineFilter(&f, t.naz, "porówn.....", " por:", FILTER_TEXT, 0,
                              {.compare = [](FIELD4* fld, const std::string& v) {
                                 return f4trim(fld).size() == v.size() ? ROW_PASSES : ROW_FAILS;
                               }});
  Filter* kind = DefineFilter(&f, t.typ, "rodzaj.....", " rodzaj:", FILTER_CHOICE, 0,
                              {.choices = {"1. A", "2. B", "3. C"}});
  Filter* num = DefineFilter(&f, t.kur, "kurs.......", " kurs:", FILTER_NUMBER, 0, {.picture = "99999"});
  Filter* val = DefineFilter(&f, t.kod, "waluta.....", " waluta:", FILTER_VALUE, 0);

  EXPECT_EQ(passing(t, f), "CHF USD EUR GBP ");
  EXPECT_EQ(FiltersActive(&f), 0);
  struct Case {
    Filter* filter;
    const char* value;
    const char* expect;
  } cases[] = {
      {od, "20240310", "USD EUR "},  // a blank date never passes a bound
      {d0, "20240310", "CHF USD "},
      {mark, "*", "CHF EUR "},
      {vat, "T", "USD GBP "},        // blank counts as T with option 24
      {text, "fu", "GBP "},          // prefix, case-insensitive
      {text, "F", "CHF GBP "},
      {whole, "fran", ""},           // whole value only
      {whole, "FRANK", "CHF "},
      {rows, "xxxx", "EUR GBP "},  // the row compare: names of 4 letters
      {kind, "2", "USD GBP "},
      {num, "5", "GBP "},
      {val, "eur", "EUR "},
  };
  for (auto& c : cases) {
    ClearFilters(&f);
    c.filter->value = c.value;
    EXPECT_EQ(passing(t, f), c.expect) << c.filter->label << " = " << c.value;
  }
  // Filters combine; the status line names those that are on.
  ClearFilters(&f);
  od->value = "20240101";
  kind->value = "3";
  EXPECT_EQ(passing(t, f), "EUR ");
  EXPECT_EQ(FilterStatusLine(&f), " od:01-01-2024 rodzaj:3. C");
  // Kept values come back for the next opening of the register.
  f.key = "waluty";
  SaveFilters(&f);
  ClearFilters(&f);
  EXPECT_EQ(LoadFilters(&f), 1);
  EXPECT_EQ(kind->value, "3");
  FreeFilters(&f);
  EXPECT_TRUE(f.filters.empty());
}

TEST_F(BrowseTest, PrintedListHasTwoLineHeadersTotalsAndPageNumbers) {
  for (int i = 1; i <= 70; ++i) {
    char kod[8];
    std::snprintf(kod, sizeof kod, "%03d", i);
    add_row(t, kod, i == 1 ? "Złoty polski" : "Waluta", "20240510", 1.25, " ", 1);
  }
  TabuDefinition tabu;
  DefineTabuColumn(&tabu, "nazwa waluty", 0, t.naz, TABU_FIELD_WIDTH, 2);
  DefineTabuColumn(&tabu, "kod|waluty", 0, t.kod, TABU_FIELD_WIDTH, 1);
  DefineTabuColumn(&tabu, "kurs|średni", 0, t.kur, TABU_FIELD_WIDTH | TABU_SUM, 3);
  d4tag_select(t.data, t.t_kod);
  d4go(t.data, 5);
  auto doc = skolvarin::print::build_tab_rap(&ctx, t.data, tabu, "Wykaz walut", nullptr, nullptr, " od:01-01-2024");
  EXPECT_EQ(d4recno(t.data), 5);  // the position is kept
  std::string all = skolvarin::print::to_text(doc);
  ASSERT_GE(doc.pages.size(), 2u);
  // Columns in their print order: kod before nazwa; the two header lines.
  size_t h1 = all.find("kod");
  ASSERT_NE(h1, std::string::npos);
  EXPECT_LT(h1, all.find("nazwa waluty"));
  EXPECT_NE(all.find("waluty"), std::string::npos);
  EXPECT_NE(all.find("średni"), std::string::npos);
  EXPECT_NE(all.find("Złoty polski"), std::string::npos);
  EXPECT_NE(all.find("Firma Próbna Sp. z o.o.  od:01-01-2024"), std::string::npos) << all;
  EXPECT_NE(all.find("17-05-2024"), std::string::npos);
  // 70 x 1,25 = 87,50, four decimals of the field.
  EXPECT_NE(all.find("87,5000"), std::string::npos) << all;
  EXPECT_NE(all.find("070"), std::string::npos);
}

TEST_F(BrowseTest, TemplatePagesTakeValuesAtRowAndColumn) {
  PrintBuffer *work = nullptr, *page = nullptr;
  ASSERT_EQ(print_alloc(&work, &page, 234, form_template, 78), 0);
  EXPECT_EQ(print_rows(work), 3);
  add_row(t, "PLN", "Złoty polski", "20240510", 1.0, " ", 1);
  d4go(t.data, 1);
  MemPrintFieldFmt(work, 0, 14, t.kod, 0, PRINT_LEFT);
  MemPrintFieldFmt(work, 0, 44, t.naz, 0, PRINT_LEFT);
  MemPrintFieldFmt(work, 1, 14, t.dat, 0, PRINT_LEFT);
  MemPrintDoubleFmt(work, 1, 44, 1234567.891, 14, 2, PRINT_THOUSANDS);
  EXPECT_EQ(print_row(work, 0).substr(0, 19), "kod waluty....PLN  ");
  EXPECT_NE(print_row(work, 0).find("Złoty polski"), std::string::npos);
  EXPECT_EQ(print_row(work, 1).substr(14, 10), "10-05-2024");
  EXPECT_NE(print_row(work, 1).find("  1 234 567,89"), std::string::npos) << print_row(work, 1);
  // Writing past the edge is cut: the page keeps its width.
  MemPrintStringFmt(work, 2, 70, "123456789012", 0, PRINT_LEFT);
  EXPECT_EQ(skolvarin::text::utf8_length(print_row(work, 2)), 78u);
  // Rows go to the printout; the original stays clean for the next record.
  ASSERT_EQ(init_prn(&ctx, "PROBA", "Próba"), 0);
  EXPECT_EQ(print_lines(work, 40, 0, 1), 0);
  drukuj_form_feed();
  print_restore(work, page);
  print_lines(work, 78, 0, 0);
  const auto* doc = skolvarin::print::current_printout();
  ASSERT_NE(doc, nullptr);
  ASSERT_EQ(doc->pages.size(), 2u);
  EXPECT_EQ(doc->pages[0].lines[0], "kod waluty....PLN  nazwa waluty.........");  // cut at 40
  EXPECT_EQ(doc->pages[1].lines[0].find("PLN"), std::string::npos);
  char words[256];
  slownie(123.45, words, sizeof words);
  EXPECT_STREQ(words, "sto dwadzieścia trzy złote czterdzieści pięć groszy");
  EXPECT_EQ(pisz_slownie(work, 2, 0, 123.45, 30, 3), 2);
  EXPECT_EQ(print_row(work, 2).rfind("sto dwadzieścia trzy", 0), 0u);
  deinit_prn(-1);
  EXPECT_EQ(prn_active(), 0);
  print_free(&work, &page);
  EXPECT_EQ(work, nullptr);
}

TEST_F(BrowseTest, UserRightsDefaultToEverythingAndCanBeDenied) {
  EXPECT_EQ(pass_tab_test(&ctx, 6110), 1);
  ASSERT_EQ(set_pass_inf(&ctx, 6110, 0), 0);
  EXPECT_EQ(pass_tab_test(&ctx, 6110), 0);
  EXPECT_EQ(pass_tab_test(&ctx, 6120), 1);
  ctx.user_number = 2;  // another user is not limited
  EXPECT_EQ(pass_tab_test(&ctx, 6110), 1);
  ctx.user_number = 1;
  ASSERT_EQ(set_pass_inf(&ctx, 6110, 1), 0);
  EXPECT_EQ(pass_tab_test(&ctx, 6110), 1);
}

}  // namespace
}  // namespace browsetest
