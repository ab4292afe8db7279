// The catalogue: every table the module uses, where it lives, whether it is
// kept per year and which layout it has.
//
// Invariants:
//  - every entry's layout_file names a layout of all_layouts();
//  - per-year names carry two blanks before ".DBF" ("W3PENS  .DBF") which
//    SetDbfYear fills with the year; fixed names have none;
//  - purpose is non-zero exactly for the tables of the host common
//    directory (the ChangeDir purpose code the opener passes);
//  - the main-options file is the format "W3PABV%s.DBF", filled with the
//    host context's options_id before it is opened.
#pragma once

#include <span>
#include <string_view>

#include "data/layouts.h"

namespace skolvarin::data {

enum class Place {
  Firm,    // the selected firm's directory (the host's current directory)
  Shared,  // the directory shared by all firms (SwitchDir 3)
  Common,  // the host common directory (ChangeDir with a purpose code)
};

// ChangeDir purpose codes of the host common directory's tables.
inline constexpr int kPurposeFirmAccess = 17;
inline constexpr int kPurposeFirmCatalogue = 18;
inline constexpr int kPurposeUserList = 19;
inline constexpr int kPurposeMainOptions = 20;
inline constexpr int kPurposeUserEntries = 21;

struct CatalogueEntry {
  const char* file;         // name as the module opens it
  const char* role;
  Place place;
  int purpose;              // ChangeDir purpose for Place::Common, else 0
  bool per_year;
  const char* layout_file;  // the layout it is created with
  bool settings;            // a settings file (key/value layout)

  const Layout& layout() const;
};

std::span<const CatalogueEntry> catalogue();

// The entry of `file` as the catalogue spells it ("W3PENS  .DBF",
// "W3PABV%s.DBF"), or nullptr.
const CatalogueEntry* find_table(std::string_view file);

const char* place_name(Place place);  // Polish name of the place, for messages

}  // namespace skolvarin::data
