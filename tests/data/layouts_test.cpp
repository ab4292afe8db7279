// Every table of the catalogue against the expected layouts extracted from
// the documented table descriptions (tests/data/expected_layouts.txt):
// fields, tags, field counts, places and per-year marks.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "data/catalogue.h"
#include "data/layouts.h"

namespace {

using skolvarin::data::CatalogueEntry;
using skolvarin::data::Layout;
using skolvarin::data::Place;
using skolvarin::db::FieldType;

struct ExpField {
  std::string name;
  char type;
  int width, decimals;
};
struct ExpTag {
  std::string expression, filter;
  int flag;
};
struct ExpLayout {
  int count = 0;
  std::vector<ExpField> fields;
  std::vector<ExpTag> tags;
};
struct ExpPlace {
  std::string place;
  int purpose;
  bool per_year;
};
struct Expected {
  std::map<std::string, ExpLayout> layouts;
  std::vector<std::string> layout_order;
  std::map<std::string, ExpPlace> catalogue;
  std::map<std::string, std::string> shares;
};

std::vector<std::string> split_tabs(const std::string& line) {
  std::vector<std::string> out;
  std::string cell;
  std::istringstream in(line);
  while (std::getline(in, cell, '\t')) out.push_back(cell);
  if (!line.empty() && line.back() == '\t') out.emplace_back();
  return out;
}

const Expected& expected() {
  static const Expected e = [] {
    Expected x;
    std::ifstream in(std::string(SKOLVARIN_SOURCE_DIR) + "/tests/data/expected_layouts.txt");
    EXPECT_TRUE(in.good());
    std::string line, current;
    while (std::getline(in, line)) {
      if (line.empty() || line[0] == '#') continue;
      auto c = split_tabs(line);
      if (c[0] == "catalogue") {
        x.catalogue[c[1]] = ExpPlace{c[2], std::stoi(c[3]), c[4] == "yes"};
      } else if (c[0] == "shares") {
        x.shares[c[1]] = c[2];
      } else if (c[0] == "layout") {
        current = c[1];
        x.layout_order.push_back(current);
        x.layouts[current].count = std::stoi(c[2]);
      } else if (c[0] == "field") {
        x.layouts[current].fields.push_back({c[1], c[2][0], std::stoi(c[3]), std::stoi(c[4])});
      } else if (c[0] == "tag") {
        x.layouts[current].tags.push_back({c[1], c.size() > 2 ? c[2] : "", std::stoi(c[3])});
      } else {
        ADD_FAILURE() << "unknown line: " << line;
      }
    }
    return x;
  }();
  return e;
}

TEST(Layouts, ExpectedFileIsComplete) {
  // The extraction found every documented layout and catalogue row.
  EXPECT_EQ(expected().layouts.size(), 62u);
  EXPECT_EQ(expected().catalogue.size(), 74u);
}

TEST(Layouts, EveryDocumentedLayoutIsInTheModuleFieldByField) {
  for (const auto& name : expected().layout_order) {
    SCOPED_TRACE(name);
    const ExpLayout& exp = expected().layouts.at(name);
    const Layout* got = skolvarin::data::find_layout(name);
    ASSERT_NE(got, nullptr);
    EXPECT_EQ(got->stated_fields, exp.count);
    ASSERT_EQ(static_cast<int>(got->fields.size()), exp.count);
    ASSERT_EQ(got->fields.size(), exp.fields.size());
    for (size_t i = 0; i < exp.fields.size(); ++i) {
      SCOPED_TRACE(exp.fields[i].name);
      EXPECT_EQ(got->fields[i].name, exp.fields[i].name);
      EXPECT_EQ(static_cast<char>(got->fields[i].type), exp.fields[i].type);
      EXPECT_EQ(got->fields[i].width, exp.fields[i].width);
      EXPECT_EQ(got->fields[i].decimals, exp.fields[i].decimals);
    }
    ASSERT_EQ(got->tags.size(), exp.tags.size());
    for (size_t i = 0; i < exp.tags.size(); ++i) {
      EXPECT_EQ(got->tags[i].expression, exp.tags[i].expression);
      EXPECT_EQ(got->tags[i].filter, exp.tags[i].filter);
      EXPECT_EQ(got->tags[i].flag, exp.tags[i].flag);
    }
  }
  EXPECT_EQ(skolvarin::data::all_layouts().size(), expected().layouts.size());
}

TEST(Layouts, FieldNamesAreUniqueAndRecordsFitTheFormat) {
  for (const auto& l : skolvarin::data::all_layouts()) {
    SCOPED_TRACE(l.file);
    std::set<std::string> names;
    for (const auto& f : l.fields) {
      EXPECT_TRUE(names.insert(f.name).second) << f.name;
      EXPECT_LE(std::string(f.name).size(), 4u);
      if (f.type == FieldType::Numeric) {
        EXPECT_LE(f.width, 19);
        EXPECT_LT(f.decimals, f.width);
      }
    }
    // dBASE III records stop at 4000 bytes; the partners table comes closest.
    EXPECT_LE(l.record_length(), 4000);
  }
  EXPECT_EQ(skolvarin::data::find_layout("W3WSPL  .DBF")->record_length(), 3950);
}

std::string place_word(Place p) {
  switch (p) {
    case Place::Firm: return "firm";
    case Place::Shared: return "shared";
    case Place::Common: return "common";
  }
  return "?";
}

TEST(Catalogue, EveryTableHasItsPlaceYearAndLayout) {
  auto cat = skolvarin::data::catalogue();
  EXPECT_EQ(cat.size(), expected().catalogue.size());
  for (const auto& [file, exp] : expected().catalogue) {
    SCOPED_TRACE(file);
    const CatalogueEntry* e = skolvarin::data::find_table(file);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(place_word(e->place), exp.place);
    EXPECT_EQ(e->purpose, exp.purpose);
    EXPECT_EQ(e->per_year, exp.per_year);
    ASSERT_NE(skolvarin::data::find_layout(e->layout_file), nullptr);
    // Per-year names carry the two blanks the year is written over.
    EXPECT_EQ(std::string(file).find("  .DBF") != std::string::npos, exp.per_year);
    auto s = expected().shares.find(file);
    if (s != expected().shares.end()) {
      EXPECT_EQ(std::string(e->layout_file), s->second);
    } else if (file != "TmpPLEW.DBF") {
      EXPECT_EQ(std::string(e->layout_file), file);  // its own documented layout
    }
  }
  // The conversion work file of the transfers takes the current transfer layout.
  EXPECT_STREQ(skolvarin::data::find_table("TmpPLEW.DBF")->layout_file, "W3PLEW  .DBF");
}

TEST(Catalogue, SettingsFilesAreExactlyTheSettingsLayoutUsers) {
  int settings = 0;
  for (const auto& e : skolvarin::data::catalogue()) {
    EXPECT_EQ(e.settings, std::string(e.layout_file) == "W3PAPL  .DBF") << e.file;
    settings += e.settings;
  }
  EXPECT_EQ(settings, 7);
}

TEST(FieldEncoding, PacksNamesAndSpecsAsTheHostExpects) {
  using skolvarin::data::FieldDef;
  using skolvarin::data::field_format;
  using skolvarin::data::pack_field_name;
  struct Case {
    FieldDef f;
    std::uint32_t name, format;
  } cases[] = {
      {{"NAZ", FieldType::Character, 30, 0}, 0x4E415A00u, 30 * 256 + 2},
      {{"BRG", FieldType::Numeric, 9, 2}, 0x42524700u, 9 * 256 + 2 * 16 + 1},
      {{"DAU", FieldType::Date, 8, 0}, 0x44415500u, 8 * 256 + 3},
      {{"B", FieldType::Logical, 1, 0}, 0x42000000u, 256 + 4},
      {{"PERP", FieldType::Numeric, 9, 2}, 0x50455250u, 2337},
      {{"KUR", FieldType::Numeric, 10, 6}, 0x4B555200u, 10 * 256 + 6 * 16 + 1},
      {{"OST", FieldType::Character, 240, 0}, 0x4F535400u, 240 * 256 + 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.f.name);
    EXPECT_EQ(pack_field_name(c.f.name), c.name);
    EXPECT_EQ(field_format(c.f), c.format);
    char buf[5];
    EXPECT_EQ(skolvarin::data::unpack_field_name(c.name, buf), c.f.name);
    FieldType t;
    int w, d;
    ASSERT_TRUE(skolvarin::data::unpack_field_format(c.format, t, w, d));
    EXPECT_EQ(t, c.f.type);
    EXPECT_EQ(w, c.f.width);
    EXPECT_EQ(d, c.f.decimals);
  }
}

}  // namespace
