// Every index tag and filter of the system's table layouts compiles and
// gives keys of its declared length on blank and on filled records.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/db/expression.h"

namespace skolvarin::db {
namespace {

struct Layout {
  std::string table;
  std::vector<FieldDesc> fields;
  int record_length = 1;
  std::vector<std::pair<std::string, std::string>> tags;  // key, filter
};

std::vector<std::string> split_tabs(const std::string& line) {
  std::vector<std::string> parts;
  std::stringstream ss(line);
  std::string part;
  while (std::getline(ss, part, '\t')) parts.push_back(part);
  return parts;
}

std::vector<Layout> read_layouts() {
  std::ifstream in(SKOLVARIN_SOURCE_DIR "/tests/expr/layout_expressions.txt");
  std::vector<Layout> layouts;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const auto p = split_tabs(line);
    if (p[0] == "table") {
      layouts.push_back({p.at(1), {}, 1, {}});
    } else if (p[0] == "field") {
      Layout& l = layouts.back();
      FieldDesc f{p.at(1), static_cast<FieldType>(p.at(2)[0]), std::stoi(p.at(3)), std::stoi(p.at(4)),
                  l.record_length};
      l.record_length += f.width;
      l.fields.push_back(f);
    } else if (p[0] == "tag") {
      layouts.back().tags.push_back({p.at(1), p.size() > 2 ? p[2] : ""});
    }
  }
  return layouts;
}

// A record with every field holding a plausible non-blank value.
std::string filled_record(const Layout& l) {
  std::string rec(static_cast<size_t>(l.record_length), ' ');
  for (const auto& f : l.fields) {
    std::string v;
    switch (f.type) {
      case FieldType::Character: v = std::string(f.width, '\x98'); break;  // Ś
      case FieldType::Numeric: v = std::string(f.width - f.decimals - (f.decimals ? 1 : 0), '9'); 
        if (f.decimals) v += "." + std::string(f.decimals, '5');
        break;
      case FieldType::Date: v = "20240229"; break;
      case FieldType::Logical: v = "T"; break;
    }
    rec.replace(f.offset, v.size(), v);
  }
  return rec;
}

TEST(LayoutExpressions, EveryTagAndFilterCompilesAndKeysHaveTheirLength) {
  const auto layouts = read_layouts();
  ASSERT_EQ(layouts.size(), 54u);
  int tags = 0, filters = 0;
  for (const auto& l : layouts) {
    const std::string blank(static_cast<size_t>(l.record_length), ' ');
    const std::string filled = filled_record(l);
    for (const auto& [key_text, filter_text] : l.tags) {
      SCOPED_TRACE(l.table + ": " + key_text);
      std::string error;
      auto key = Expression::compile(key_text, l.fields, error);
      ASSERT_TRUE(key) << error;
      EXPECT_TRUE(error.empty());
      ++tags;
      EXPECT_GT(key->key_length(), 0);
      for (const std::string* rec : {&blank, &filled}) {
        const RecordView r{l.fields, rec->data(), 123};
        EXPECT_EQ(key->key(r).size(), static_cast<size_t>(key->key_length()));
      }
      // Keys of a filled record sort after those of a blank one.
      EXPECT_LT(key->key({l.fields, blank.data(), 1}), key->key({l.fields, filled.data(), 99999}));
      if (filter_text.empty()) continue;
      auto filter = Expression::compile(filter_text, l.fields, error);
      ASSERT_TRUE(filter) << error;
      EXPECT_EQ(filter->kind(), KeyKind::Logical);
      ++filters;
    }
  }
  EXPECT_EQ(tags, 142);
  EXPECT_EQ(filters, 6);
}

// Key kinds and lengths of the forms the layouts use.
TEST(LayoutExpressions, KindsAndLengthsOfTypicalTags) {
  const std::vector<FieldDesc> fields = {
      {"NAZ", FieldType::Character, 30, 0, 1},  {"IMI", FieldType::Character, 15, 0, 31},
      {"REK", FieldType::Numeric, 5, 0, 46},    {"DAT", FieldType::Date, 8, 0, 51},
      {"KWO", FieldType::Numeric, 11, 2, 59},   {"CZA", FieldType::Logical, 1, 0, 70}};
  struct Case {
    const char* text;
    KeyKind kind;
    int length;
  } cases[] = {
      {"UPPER(NAZ)+UPPER(IMI)", KeyKind::Character, 45},
      {"DTOS(DAT)+STR(RECNO(),7,0)", KeyKind::Character, 15},
      {"STR(REK,5,0)+UPPER (NAZ)", KeyKind::Character, 35},
      {"STR(KWO)", KeyKind::Character, 10},
      {"UPPER(NAZ+IMI)", KeyKind::Character, 45},
      {"REK", KeyKind::Numeric, 8},
      {"RECNO()", KeyKind::Numeric, 8},
      {"DAT", KeyKind::Date, 8},
      {"CZA", KeyKind::Logical, 1},
      {".NOT.DELETED() .AND. REK<100", KeyKind::Logical, 1},
  };
  for (const auto& c : cases) {
    std::string error;
    auto e = Expression::compile(c.text, fields, error);
    ASSERT_TRUE(e) << c.text << ": " << error;
    EXPECT_EQ(e->kind(), c.kind) << c.text;
    EXPECT_EQ(e->key_length(), c.length) << c.text;
  }
}

}  // namespace
}  // namespace skolvarin::db
