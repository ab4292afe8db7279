// The reference CSV files and their loaders: every year has a scale, the
// rate tables are ordered and agree with the formulas of the law, keys are
// unique, and malformed files are refused with the line named.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/reference_data.h"

namespace skolvarin::app::reference {
namespace {

const std::string kDir = std::string(SKOLVARIN_SOURCE_DIR) + "/data/reference/";

const ReferenceSet& set() {
  static ReferenceSet s = [] {
    ReferenceSet r;
    std::string error;
    EXPECT_TRUE(load_reference_set(kDir, r, error)) << error;
    return r;
  }();
  return s;
}

Date d(int y, int m, int day) { return Date{y, m, day}; }

// The rate in force on a day: the row with the latest date not after it.
double rate_on(const std::vector<RateRow>& rows, const Date& day) {
  double rate = -1;
  for (const auto& r : rows)
    if (!(day < r.from)) rate = r.rate;
  return rate;
}

TEST(ReferenceFiles, EveryYearFrom2009To2026HasATaxScaleStartingAtZero) {
  for (int year = 2009; year <= 2026; ++year) {
    auto it = set().tax_scales.find(year);
    ASSERT_NE(it, set().tax_scales.end()) << year;
    const auto& b = it->second;
    ASSERT_EQ(b.size(), 2u) << year;
    EXPECT_EQ(b[0].from, 0.0) << year;
    EXPECT_EQ(b[0].tax_at, 0.0) << year;
    EXPECT_EQ(b[1].rate, 32.0) << year;
    // PROC is N4.1: one decimal must hold the rate exactly.
    for (const auto& x : b) EXPECT_DOUBLE_EQ(std::round(x.rate * 10) / 10, x.rate) << year;
  }
}

TEST(ReferenceFiles, TaxScaleFiguresOfTheAct) {
  struct Case { int year; double threshold, tax_at, low_rate; };
  const Case cases[] = {
      {2009, 85528, 14839.02, 18}, {2016, 85528, 14839.02, 18}, {2017, 85528, 15395.04, 18},
      {2020, 85528, 14539.76, 17}, {2022, 120000, 10800, 12},   {2025, 120000, 10800, 12},
      {2026, 120000, 10800, 12}};
  for (const auto& c : cases) {
    const auto& b = set().tax_scales.at(c.year);
    EXPECT_EQ(b[0].rate, c.low_rate) << c.year;
    EXPECT_EQ(b[1].from, c.threshold) << c.year;
    EXPECT_DOUBLE_EQ(b[1].tax_at, c.tax_at) << c.year;
  }
  // From 2022 the tax at the threshold is the low rate on the threshold less
  // the yearly reducing amount 3600 (tax-free amount 30000 at 12%).
  for (int year = 2023; year <= 2026; ++year) {
    const auto& b = set().tax_scales.at(year);
    EXPECT_DOUBLE_EQ(b[1].tax_at, b[1].from * b[0].rate / 100 - 30000 * b[0].rate / 100) << year;
  }
}

TEST(ReferenceFiles, RateTablesAreOrderedWithoutDuplicatesAndAnnual) {
  for (const auto* rows : {&set().statutory, &set().tax_arrears}) {
    ASSERT_GT(rows->size(), 10u);
    for (size_t i = 1; i < rows->size(); ++i) EXPECT_LT((*rows)[i - 1].from, (*rows)[i].from);
    for (const auto& r : *rows) {
      EXPECT_EQ(r.type, 'R');
      EXPECT_GE(r.from.year, 1993);
      // STO is N6.3.
      EXPECT_DOUBLE_EQ(std::round(r.rate * 1000) / 1000, r.rate);
    }
  }
  EXPECT_EQ(set().statutory.front().from, d(1993, 1, 1));
}

TEST(ReferenceFiles, RatesInForceOnPublishedDays) {
  struct Case { Date day; double statutory, tax; };
  const Case cases[] = {
      {d(1993, 1, 1), 60, -1},       {d(1993, 5, 1), 54, -1},        {d(2001, 8, 23), 30, 37},
      {d(2002, 10, 24), 16, 18},     {d(2006, 3, 1), 11.5, 11},      {d(2014, 12, 23), 8, 8},
      {d(2016, 1, 1), 7, 8},         {d(2023, 10, 5), 11.25, 14.5},  {d(2024, 6, 30), 11.25, 14.5},
      {d(2025, 10, 9), 10, 12},      {d(2026, 12, 5), 9.25, 10.5}};
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(rate_on(set().statutory, c.day), c.statutory) << to_iso(c.day);
    EXPECT_DOUBLE_EQ(rate_on(set().tax_arrears, c.day), c.tax) << to_iso(c.day);
  }
}

// Since 2016 both rates follow the NBP rates: delay interest = reference +
// 5.5 pp, tax arrears = 2 x (reference + 0.5) + 2, at least 8.  So on every
// day the tax-arrears rate is max(8, 2 x statutory - 8).  The two tables come
// from different sources; this ties them together day by day.
TEST(ReferenceFiles, TaxArrearsFollowStatutoryRateSince2016) {
  std::vector<Date> days;
  for (const auto* rows : {&set().statutory, &set().tax_arrears})
    for (const auto& r : *rows)
      if (!(r.from < d(2016, 1, 1))) days.push_back(r.from);
  ASSERT_GT(days.size(), 20u);
  for (const Date& day : days) {
    double stat = rate_on(set().statutory, day);
    EXPECT_DOUBLE_EQ(rate_on(set().tax_arrears, day), std::max(8.0, 2 * stat - 8)) << to_iso(day);
  }
}

TEST(ReferenceFiles, TaxOfficesHaveUniqueFourDigitCodes) {
  ASSERT_EQ(set().offices.size(), 400u);
  for (const auto& o : set().offices) {
    EXPECT_EQ(o.code_text.size(), 4u);
    EXPECT_EQ(std::stoi(o.code_text), o.code);
    EXPECT_LE(utf8_length(o.short_name), 30);
  }
  bool found = false;
  for (const auto& o : set().offices)
    if (o.code == 1471) {
      found = true;
      EXPECT_EQ(o.name, "PIERWSZY MAZOWIECKI URZĄD SKARBOWY W WARSZAWIE");
    }
  EXPECT_TRUE(found);
}

TEST(ReferenceFiles, CountriesWithCurrencies) {
  ASSERT_EQ(set().countries.size(), 248u);
  int eu = 0;
  for (const auto& k : set().countries) {
    eu += k.eu;
    if (k.code == "PL") {
      EXPECT_EQ(k.name, "Polska");
      EXPECT_EQ(k.currency, "PLN");
      EXPECT_TRUE(k.eu);
      EXPECT_EQ(k.numeric, 616);
    }
    if (k.code == "BG") {
      EXPECT_EQ(k.currency, "EUR");  // euro since 2026-01-01
    }
    if (k.code == "GB") {
      EXPECT_FALSE(k.eu);
    }
  }
  EXPECT_EQ(eu, 27);
}

TEST(ReferenceFiles, ZusCodesCoverTheSpecialWorkGroups) {
  int special1 = 0, special2 = 0, titles = 0;
  for (const auto& z : set().zus_codes) {
    if (z.main_group == 2 && z.group == "1") ++special1;
    if (z.main_group == 2 && z.group == "2") ++special2;
    if (z.main_group == 1 && z.group == "1") {
      ++titles;
      EXPECT_EQ(z.code.size(), 4u) << z.code;
    }
    for (const auto& t : z.text) EXPECT_LE(utf8_length(t), 70);
  }
  EXPECT_EQ(special1, 40);
  EXPECT_EQ(special2, 24);
  EXPECT_GE(titles, 7);
}

TEST(ReferenceHolidays, WeekdayHolidaysOf2024And2025) {
  auto days = weekday_holidays(2024, 2025);
  auto has = [&](const Date& x) { return std::find(days.begin(), days.end(), x) != days.end(); };
  EXPECT_TRUE(has(d(2024, 4, 1)));    // Easter Monday
  EXPECT_TRUE(has(d(2024, 5, 30)));   // Corpus Christi
  EXPECT_TRUE(has(d(2024, 5, 1)));
  EXPECT_FALSE(has(d(2024, 3, 31)));  // Easter Sunday: Sundays are off anyway
  EXPECT_FALSE(has(d(2024, 5, 19)));  // Pentecost Sunday
  EXPECT_FALSE(has(d(2024, 12, 24))); // not a holiday before 2025
  EXPECT_TRUE(has(d(2025, 12, 24)));  // Christmas Eve from 2025, a Wednesday
  EXPECT_FALSE(has(d(2025, 11, 1)));  // a Saturday
  for (const auto& x : days) EXPECT_LE(weekday(x), 5);
  // 2024: of the 13 holidays, 6 January fell on a Saturday and Easter and
  // Pentecost on Sundays, which leaves 10 working days off.
  int n2024 = 0;
  for (const auto& x : days) n2024 += x.year == 2024;
  EXPECT_EQ(n2024, 10);
}

TEST(ReferenceCsv, QuotedFieldsAndLineEnds) {
  CsvTable t;
  std::string error;
  ASSERT_TRUE(parse_csv("a,b,c\r\n1,\"x, y\",\"he said \"\"hi\"\"\"\r\n\r\n2,,\n", t, error)) << error;
  ASSERT_EQ(t.rows.size(), 2u);
  EXPECT_EQ(t.rows[0][1], "x, y");
  EXPECT_EQ(t.rows[0][2], "he said \"hi\"");
  EXPECT_EQ(t.rows[1][1], "");
  EXPECT_EQ(t.lines[1], 4);
  EXPECT_EQ(t.column("c"), 2);
  EXPECT_EQ(t.column("d"), -1);
}

TEST(ReferenceCsv, MalformedFilesAreRefusedWithTheLine) {
  CsvTable t;
  std::string error;
  EXPECT_FALSE(parse_csv("a,b\n1,2\n3\n", t, error));
  EXPECT_NE(error.find("wiersz 3"), std::string::npos) << error;
  EXPECT_FALSE(parse_csv("a,b\n1,\"2\n", t, error));
  EXPECT_FALSE(parse_csv("", t, error));

  // Rates out of order, a zero rate, a bad type, a year before 1993.
  for (const char* text : {"dat,sto,typ\n2020-01-01,5,R\n2019-01-01,6,R\n", "dat,sto,typ\n2020-01-01,0,R\n",
                           "dat,sto,typ\n2020-01-01,5,X\n", "dat,sto,typ\n1992-12-31,5,R\n",
                           "dat,sto,typ\n2020-01-01,5,R\n2020-01-01,6,R\n"}) {
    std::vector<RateRow> rows;
    ASSERT_TRUE(parse_csv(text, t, error));
    EXPECT_FALSE(load_rates(t, rows, error)) << text;
  }
  std::vector<TaxOffice> offices;
  ASSERT_TRUE(parse_csv("kod,nazwa,nazwa_skrocona,uwagi\n0202,A,A,\n0202,B,B,\n", t, error));
  EXPECT_FALSE(load_offices(t, offices, error));
  ASSERT_TRUE(parse_csv("kod,nazwa,nazwa_skrocona,uwagi\n202,A,A,\n", t, error));
  EXPECT_FALSE(load_offices(t, offices, error));
  std::map<int, std::vector<TaxBracket>> scales;
  ASSERT_TRUE(parse_csv("rok,lp,pods,poda,proc\n2020,1,0,0,17\n2020,1,85528,14539.76,32\n", t, error));
  EXPECT_FALSE(load_tax_scales(t, scales, error));
}

TEST(ReferenceText, SplitAtBlanksIntoLinesOfSeventy) {
  std::vector<std::string> parts;
  std::string word = "słowo ";  // 6 characters, 7 bytes
  std::string text;
  for (int i = 0; i < 30; ++i) text += word;  // 180 characters
  ASSERT_TRUE(split_text(text, 70, 3, parts));
  ASSERT_EQ(parts.size(), 3u);
  for (const auto& p : parts) {
    EXPECT_LE(utf8_length(p), 70);
    EXPECT_NE(p.back(), ' ');
    EXPECT_EQ(p.substr(0, 5), "słow");
  }
  EXPECT_EQ(utf8_length(parts[0]) + utf8_length(parts[1]) + utf8_length(parts[2]) + 2, 179);
  EXPECT_FALSE(split_text(std::string(211, 'x'), 70, 3, parts));
  ASSERT_TRUE(split_text(std::string(75, 'x'), 70, 3, parts));  // no blank: cut at 70
  EXPECT_EQ(parts[0].size(), 70u);
  EXPECT_EQ(parts[1].size(), 5u);
}

}  // namespace
}  // namespace skolvarin::app::reference
