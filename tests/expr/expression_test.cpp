// Values, keys and filters of compiled expressions over sample records.
#include "host/db/expression.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "sample_table.h"

namespace skolvarin::db {
namespace {

using testing::SampleTable;

const SampleTable& table() {
  static const SampleTable t{{"NAZ", FieldType::Character, 10}, {"IMI", FieldType::Character, 8},
                             {"KOD", FieldType::Numeric, 5},    {"KWO", FieldType::Numeric, 11, 2},
                             {"DAT", FieldType::Date, 8},       {"AKT", FieldType::Logical, 1},
                             {"KDE", FieldType::Numeric, 3}};
  return t;
}

std::unique_ptr<Expression> compile(const std::string& text) {
  std::string error;
  auto e = Expression::compile(text, table().fields, error);
  EXPECT_TRUE(e) << text << ": " << error;
  return e;
}

struct ValueCase {
  const char* expression;
  std::map<std::string, std::string> record;
  const char* expected;  // text_value, UTF-8
  long recno = 1;
};

TEST(Expression, ValuesOfFunctionsAndOperators) {
  const ValueCase cases[] = {
      {"STR(KOD,5,0)", {{"KOD", "42"}}, "   42"},
      {"STR(KOD)", {{"KOD", "42"}}, "        42"},
      {"STR(KOD,2)", {{"KOD", "-7"}}, "-7"},
      {"STR(KOD,3)", {{"KOD", "12345"}}, "***"},  // does not fit: asterisks, as dBASE gives
      {"STR(KWO,9,2)", {{"KWO", "1234.5"}}, "  1234.50"},
      {"STR(KWO,6,1)", {{"KWO", "2.25"}}, "   2.3"},  // half away from zero
      {"STR(KWO,6,1)", {{"KWO", "-2.25"}}, "  -2.3"},
      {"STR(KWO,3)", {{"KWO", "2.50"}}, "  3"},
      {"STR(KWO,3)", {{"KWO", "-2.50"}}, " -3"},
      {"STR(KWO,8,2)", {{"KWO", "-0.001"}}, "    0.00"},  // no "-0.00"
      {"STR(KWO,4,0)", {{"KWO", "12345.00"}}, "****"},
      {"STR(KWO,10,3)", {{"KWO", "1.01"}}, "     1.010"},
      {"STR(KOD,5,0)", {}, "    0"},  // blank number is 0
      {"DTOS(DAT)", {{"DAT", "20240131"}}, "20240131"},
      {"DTOS(DAT)", {}, "        "},
      {"STR(MONTH(DAT),2,0)", {{"DAT", "20241105"}}, "11"},
      {"MONTH(DAT)", {{"DAT", "20240131"}}, "1"},
      {"YEAR(DAT)", {{"DAT", "20240131"}}, "2024"},
      {"DAY(DAT)", {{"DAT", "20240131"}}, "31"},
      {"MONTH(DAT)", {}, "0"},
      {"RECNO()", {}, "17", 17},
      {"STR(RECNO(),7,0)", {}, "     17", 17},
      {"UPPER(NAZ)", {{"NAZ", "Łukasiewicz"}}, "ŁUKASIEWIC"},
      {"UPPER (NAZ)", {{"NAZ", "żółć"}}, "ŻÓŁĆ      "},
      {"upper(naz)+lower(IMI)", {{"NAZ", "ąb"}, {"IMI", "ĘĆ"}}, "ĄB        ęć      "},
      {"NAZ+IMI", {{"NAZ", "Lis"}, {"IMI", "Jan"}}, "Lis       Jan     "},
      {"NAZ-IMI", {{"NAZ", "Lis"}, {"IMI", "Jan"}}, "LisJan            "},
      {"UPPER(NAZ+IMI)", {{"NAZ", "śliwa"}, {"IMI", "ewa"}}, "ŚLIWA     EWA     "},
      {"'Nr '+STR(KOD,3)", {{"KOD", "5"}}, "Nr   5"},
      {"SUBSTR(NAZ,2,3)", {{"NAZ", "Kowalski"}}, "owa"},
      {"SUBS(NAZ,7)", {{"NAZ", "Kowalski"}}, "ki  "},
      {"LEFT(NAZ,3)+RIGHT(IMI,2)", {{"NAZ", "Kowalski"}, {"IMI", "Jan"}}, "Kow  "},
      {"VAL(NAZ)*2", {{"NAZ", " 12.5"}}, "25"},
      {"KWO*100+KOD", {{"KWO", "1.25"}, {"KOD", "3"}}, "128"},
      {"(KOD-10)/4", {{"KOD", "20"}}, "2.5"},
      {"2^10", {}, "1024"},
      {"-KOD", {{"KOD", "3"}}, "-3"},
      {"ROUND(KWO,1)", {{"KWO", "0.25"}}, "0.3"},
      {"IIF(KOD>0,'dodatni','ujemny')", {{"KOD", "3"}}, "dodatni"},
      {"IIF(KOD>0,'tak','ujemny')", {{"KOD", "3"}}, "tak   "},
      {"ABS(KOD)+INT(KWO)", {{"KOD", "-3"}, {"KWO", "-2.7"}}, "1"},
  };
  for (const auto& c : cases) {
    auto e = compile(c.expression);
    ASSERT_TRUE(e);
    const std::string rec = table().record(c.record);
    EXPECT_EQ(e->text_value(table().view(rec, c.recno)), c.expected) << c.expression;
  }
}

struct FilterCase {
  const char* expression;
  std::map<std::string, std::string> record;
  bool deleted;
  bool expected;
};

TEST(Expression, FiltersWithNotAndOrDeletedAndComparisons) {
  const FilterCase cases[] = {
      {".NOT.DELETED() .AND. KDE<100", {{"KDE", "99"}}, false, true},
      {".NOT.DELETED() .AND. KDE<100", {{"KDE", "99"}}, true, false},
      {".NOT.DELETED() .AND. KDE<100", {{"KDE", "100"}}, false, false},
      {".NOT.DELETED() .AND. KDE>=100", {{"KDE", "100"}}, false, true},
      {".not.deleted().and.KDE>=100", {{"KDE", "5"}}, false, false},
      {"DELETED() .OR. KDE=5", {{"KDE", "5"}}, false, true},
      {"DELETED() .OR. KDE#5", {{"KDE", "5"}}, false, false},
      {"KDE<>5 .OR. .F.", {{"KDE", "6"}}, false, true},
      {"KDE<=5 .AND. KDE>4", {{"KDE", "5"}}, false, true},
      {"!AKT", {{"AKT", "T"}}, false, false},
      {"AKT", {{"AKT", "y"}}, false, true},
      {"AKT", {}, false, false},
      {".NOT. .NOT. AKT = .T.", {{"AKT", "T"}}, false, true},
      {"NAZ = 'Kow'", {{"NAZ", "Kowalski"}}, false, true},  // begins with
      {"NAZ = 'Kowalski  x'", {{"NAZ", "Kowalski"}}, false, false},
      {"NAZ == 'Kowalski'", {{"NAZ", "Kowalski"}}, false, true},
      {"NAZ == 'Kow'", {{"NAZ", "Kowalski"}}, false, false},
      {"NAZ < 'Ł'", {{"NAZ", "Lis"}}, false, true},  // Polish order
      {"NAZ > 'Z'", {{"NAZ", "Żak"}}, false, true},
      {"'wal' $ NAZ", {{"NAZ", "Kowalski"}}, false, true},
      {"'xyz' $ NAZ", {{"NAZ", "Kowalski"}}, false, false},
      {"DAT >= DAT .AND. DTOS(DAT) > '2023'", {{"DAT", "20240101"}}, false, true},
      {"MONTH(DAT) = 2 .AND. YEAR(DAT) = 2024", {{"DAT", "20240229"}}, false, true},
      {"KWO = 0.3", {{"KWO", "0.30"}}, false, true},
      {"KWO + 0.1 = 0.4", {{"KWO", "0.30"}}, false, true},
      {"(KDE < 10 .OR. KDE > 20) .AND. .NOT. DELETED()", {{"KDE", "15"}}, false, false},
  };
  for (const auto& c : cases) {
    auto e = compile(c.expression);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->kind(), KeyKind::Logical) << c.expression;
    const std::string rec = table().record(c.record, c.deleted);
    EXPECT_EQ(e->test(table().view(rec)), c.expected) << c.expression;
  }
}

TEST(Expression, NumericKeysSortByValue) {
  auto e = compile("KWO");
  ASSERT_EQ(e->kind(), KeyKind::Numeric);
  const std::vector<std::string> values = {"-1000000", "-5", "-0.5", "-0.01", "0", "", "0.01", "2", "10", "99999999.99"};
  std::vector<std::string> keys;
  for (const auto& v : values) keys.push_back(e->key(table().view(table().record({{"KWO", v}}))));
  for (size_t i = 0; i + 1 < keys.size(); ++i) {
    if (values[i] == "0" && values[i + 1].empty()) {
      EXPECT_EQ(keys[i], keys[i + 1]) << "blank equals 0";
    } else {
      EXPECT_LT(keys[i], keys[i + 1]) << values[i] << " < " << values[i + 1];
    }
  }
  EXPECT_EQ(encode_number_key(-0.0), encode_number_key(0.0));
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> d(-1e12, 1e12);
  for (int i = 0; i < 2000; ++i) {
    const double a = d(rng) / (1 + i % 1000), b = d(rng);
    EXPECT_EQ(a < b, encode_number_key(a) < encode_number_key(b)) << a << " " << b;
    EXPECT_EQ(decode_number_key(encode_number_key(a)), a);
  }
  EXPECT_EQ(e->seek_key(2.0), e->key(table().view(table().record({{"KWO", "2.00"}}))));
  EXPECT_EQ(e->seek_key("  -0.5"), encode_number_key(-0.5));
}

TEST(Expression, DateKeysPutBlankDatesFirst) {
  auto e = compile("DAT");
  ASSERT_EQ(e->kind(), KeyKind::Date);
  const std::string blank = e->key(table().view(table().record({})));
  const std::string jan = e->key(table().view(table().record({{"DAT", "20240131"}})));
  const std::string feb = e->key(table().view(table().record({{"DAT", "20240201"}})));
  EXPECT_EQ(blank, "        ");
  EXPECT_EQ(jan, "20240131");
  EXPECT_LT(blank, jan);
  EXPECT_LT(jan, feb);
  EXPECT_EQ(e->seek_key("2024-01-31"), "20240131");
  EXPECT_EQ(e->seek_key("202401"), "202401");
  std::string nul_date = table().record({});
  std::fill_n(nul_date.begin() + table().fields[4].offset, 8, '\0');
  EXPECT_EQ(e->key(table().view(nul_date)), blank);
}

TEST(Expression, CharacterKeysSortInPolishOrderAndSeekByPrefix) {
  auto e = compile("UPPER(NAZ)+UPPER(IMI)");
  ASSERT_EQ(e->key_length(), 18);
  const std::vector<std::pair<std::string, std::string>> people = {
      {"Zając", "Ewa"}, {"Lis", "Zofia"}, {"Żak", "Jan"}, {"Łukasiewicz", "Ada"}, {"ćwik", "Piotr"},
      {"Czarnecki", "Jan"}, {"Śliwa", "Anna"}, {"Sowa", "Ola"}, {"lis", "Adam"}, {"Kowal", "Jan"},
      {"Kowalski", "Jan"}};
  std::vector<std::pair<std::string, std::string>> sorted = people;
  auto key_of = [&](const std::pair<std::string, std::string>& p) {
    return e->key(table().view(table().record({{"NAZ", p.first}, {"IMI", p.second}})));
  };
  std::stable_sort(sorted.begin(), sorted.end(), [&](const auto& a, const auto& b) { return key_of(a) < key_of(b); });
  std::vector<std::string> names;
  for (const auto& p : sorted) names.push_back(p.first + " " + p.second);
  EXPECT_EQ(names, (std::vector<std::string>{"Czarnecki Jan", "ćwik Piotr", "Kowal Jan", "Kowalski Jan", "lis Adam",
                                             "Lis Zofia", "Łukasiewicz Ada", "Sowa Ola", "Śliwa Anna", "Zając Ewa",
                                             "Żak Jan"}));
  const std::string kowalski = key_of({"Kowalski", "Jan"});
  const std::string seek = e->seek_key("KOWALS");
  EXPECT_EQ(seek.size(), 6u);
  EXPECT_EQ(kowalski.compare(0, seek.size(), seek), 0);
  EXPECT_LT(key_of({"Kowal", "Jan"}), seek);
  EXPECT_EQ(e->seek_key("ŁUKASIEWICZ ADA ZBYT DŁUGIE").size(), 18u);
  EXPECT_EQ(e->seek_key("ŻAK"), key_of({"Żak", "Jan"}).substr(0, 3));
}

TEST(Expression, LogicalKeysPutFalseFirst) {
  auto e = compile("AKT");
  ASSERT_EQ(e->kind(), KeyKind::Logical);
  EXPECT_EQ(e->key(table().view(table().record({{"AKT", "F"}}))), "F");
  EXPECT_EQ(e->key(table().view(table().record({{"AKT", "T"}}))), "T");
  EXPECT_EQ(e->seek_key(".T."), "T");
}

TEST(Expression, KeyIntoReusedBufferEqualsFreshKey) {
  auto e = compile("DTOS(DAT)+STR(RECNO(),7,0)+UPPER(NAZ)");
  std::string buffer = "leftover text that is longer than the key itself";
  const std::string rec = table().record({{"NAZ", "Ćwik"}, {"DAT", "20230615"}});
  e->key(table().view(rec, 5), buffer);
  EXPECT_EQ(buffer, e->key(table().view(rec, 5)));
  EXPECT_EQ(buffer.size(), 25u);
  // Digits keep their byte values in character keys; blanks rank lowest.
  EXPECT_EQ(buffer.substr(0, 15), "20230615" + std::string(6, '\x01') + "5");
}

}  // namespace
}  // namespace skolvarin::db
