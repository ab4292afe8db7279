// Table layouts: the fields and index tags of every table the module keeps,
// described once as data.  Openers, creators and checks all work from these
// descriptions; nothing else in the module spells out a table's fields.
//
// Invariants:
//  - fields are in layout order; the i-th field handle of an open table is
//    the i-th FieldDef of its layout;
//  - tags are in definition order; a tag with a filter or a non-zero flag is
//    defined through DefineTag_, every other tag through DefineTag;
//  - field names are upper case, one to four characters; widths are the
//    on-disk widths (a date is 8, a logical 1);
//  - `stated_fields` is the field count the layout is documented with and
//    always equals fields.size() (checked by the tests).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "host/api/field_type.h"

namespace skolvarin::data {

struct FieldDef {
  const char* name;
  skolvarin::db::FieldType type;
  int width;
  int decimals;
};

struct TagDef {
  const char* expression;  // key expression exactly as the index stores it
  const char* filter;      // "" for none
  int flag;                // 0 for a plain tag, 10 for the host's tag flag 10
  bool plain() const { return filter[0] == 0 && flag == 0; }
};

struct Layout {
  const char* file;  // the file the layout is documented under ("W3PENS  .DBF")
  const char* role;
  std::span<const FieldDef> fields;
  std::span<const TagDef> tags;
  int stated_fields;

  // Index of the field named `name` (case-sensitive, upper case), or -1.
  int field_index(std::string_view name) const;
  // Record length on disk: deletion flag plus the field widths.
  int record_length() const;
};

// Every layout, payroll tables first, then the bookkeeping and dictionary
// tables, then the firm and settings tables.
std::span<const Layout> all_layouts();

// The layout documented under `file` ("W3PRAC.DBF", "W3PENS  .DBF"), or
// nullptr.  Per-year names are looked up with their two blanks.
const Layout* find_layout(std::string_view file);

// Field definition as passed to the host's DefineField: the name packed
// into 32 bits (first letter in the highest byte, unused low bytes 0) and
// the field format word (width << 8) + (decimals << 4) + type code, with the
// type codes 1 numeric, 2 character, 3 date, 4 logical.
constexpr std::uint32_t pack_field_name(std::string_view name) {
  std::uint32_t packed = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    unsigned char c = i < name.size() ? static_cast<unsigned char>(name[i]) : 0;
    packed = (packed << 8) | c;
  }
  return packed;
}

constexpr int field_type_code(skolvarin::db::FieldType t) {
  switch (t) {
    case skolvarin::db::FieldType::Numeric: return 1;
    case skolvarin::db::FieldType::Character: return 2;
    case skolvarin::db::FieldType::Date: return 3;
    case skolvarin::db::FieldType::Logical: return 4;
  }
  return 0;
}

constexpr std::uint32_t field_format(const FieldDef& f) {
  return (static_cast<std::uint32_t>(f.width) << 8) + (static_cast<std::uint32_t>(f.decimals) << 4) +
         static_cast<std::uint32_t>(field_type_code(f.type));
}

// Inverse of the two encodings above (for the host side and for checks).
std::string_view unpack_field_name(std::uint32_t packed, char (&buffer)[5]);
bool unpack_field_format(std::uint32_t format, skolvarin::db::FieldType& type, int& width, int& decimals);

// The layout tables of the three groups (defined in layouts_*.cpp).
extern const Layout kPayrollLayouts[];
extern const std::size_t kPayrollLayoutCount;
extern const Layout kBooksLayouts[];
extern const std::size_t kBooksLayoutCount;
extern const Layout kFirmLayouts[];
extern const std::size_t kFirmLayoutCount;

}  // namespace skolvarin::data
