// The dictionaries' screen forms as built into the module: sizes, row
// count, the words each form starts with, and the leader dots that end each
// label where the field begins.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/text/mazovia.h"
#include "resources/module_resources.h"

namespace {

std::vector<std::string> rows_of(int id) {
  auto bytes = skolvarin::resources::module_resource(id);
  std::vector<std::string> rows;
  for (size_t off = 0; off + 78 <= bytes.size(); off += 78)
    rows.push_back(skolvarin::text::mazovia_to_utf8(
        std::string_view(reinterpret_cast<const char*>(bytes.data()) + off, 78)));
  return rows;
}

// The form's words in order, with runs of blanks and of dots collapsed.
std::string first_words(const std::vector<std::string>& rows, size_t count) {
  std::string all;
  for (const auto& r : rows) all += r + " ";
  std::string words;
  std::string word;
  auto flush = [&] {
    if (word.empty()) return;
    while (word.size() > 1 && word.ends_with("..")) word.pop_back();
    if (!words.empty()) words += ' ';
    words += word;
    word.clear();
  };
  for (char c : all) {
    if (c == ' ') flush();
    else word += c;
  }
  flush();
  return words.substr(0, count);
}

}  // namespace

TEST(DictionaryForms, SizesRowsAndFirstWords) {
  struct Case {
    int id;
    size_t bytes;
    const char* starts_with;
  } cases[] = {
      {38, 156, "numer konta. nazwa konta"},
      {40, 1872, "typ. czy podatnik VAT?. kod. NIP. nazwa. . kod,miasto."},
      {41, 1794, "Ilość naklejek w rzędzie. A. Odległość w znakach"},
      {45, 312, "czy kraj należy do UE ?. nazwa kraju. kod waluty."},
      {47, 234, "kod waluty. data. kurs."},
      {48, 624, "kod główny. kod grupy. nazwa grupy."},
      {67, 234, "kod. opis."},
      {186, 858, "kod urzędu. urząd. nazwa skrócona. ulica. nr. domu."},
  };
  for (const Case& c : cases) {
    auto bytes = skolvarin::resources::module_resource(c.id);
    EXPECT_EQ(bytes.size(), c.bytes) << c.id;
    auto rows = rows_of(c.id);
    EXPECT_EQ(rows.size() * 78, c.bytes) << c.id;
    std::string want = c.starts_with;
    EXPECT_EQ(first_words(rows, want.size()), want) << c.id;
  }
}

TEST(DictionaryForms, LabelsEndWithLeaderDotsRightBeforeTheirField) {
  // (form, row, column where the field starts): the character before is a
  // dot and the field's own place is blank for the width of the field.
  struct Case {
    int id, row, col, width;
  } cases[] = {
      {38, 0, 18, 8},   {38, 1, 18, 34},  {45, 0, 26, 1},   {45, 1, 26, 30},  {45, 2, 26, 3},
      {47, 0, 16, 3},   {47, 1, 16, 8},   {47, 2, 16, 10},  {48, 0, 14, 2},   {48, 1, 14, 10},
      {48, 1, 37, 30},  {48, 3, 14, 10},  {48, 4, 8, 70},   {48, 7, 8, 70},   {67, 0, 10, 5},
      {67, 2, 10, 20},  {186, 0, 18, 4},  {186, 1, 18, 54}, {186, 8, 18, 54}, {186, 10, 18, 30},
      {40, 0, 8, 11},   {40, 0, 58, 1},   {40, 1, 58, 20},  {40, 2, 8, 70},   {40, 6, 14, 64},
      {40, 19, 8, 70},  {40, 23, 58, 11},
  };
  for (const Case& c : cases) {
    auto rows = rows_of(c.id);
    ASSERT_LT(static_cast<size_t>(c.row), rows.size()) << c.id;
    // Rows hold Polish letters (2 UTF-8 bytes): go by code points.
    std::u32string r;
    for (size_t i = 0; i < rows[c.row].size();) {
      unsigned char b = rows[c.row][i];
      int len = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
      r.push_back(b);  // the value is irrelevant beyond '.' and ' '
      i += len;
    }
    ASSERT_EQ(r.size(), 78u) << c.id;
    EXPECT_EQ(r[c.col - 1], U'.') << c.id << " row " << c.row;
    for (int k = 0; k < c.width; ++k) EXPECT_EQ(r[c.col + k], U' ') << c.id << " row " << c.row;
  }
}
