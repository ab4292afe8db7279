// Integrity check of one table file against its catalogue layout, reading
// the file's bytes under its append lock (never through an open that could
// create or change it).  Anything unreadable, a directory in the table's
// place included, is one problem line, never a crash.
//
// Checks, each problem reported as one Polish line:
//  - the header: long enough, a dBASE III version byte, not encrypted,
//    header and record lengths consistent with the field descriptors;
//  - the layout: every field of the catalogue layout present with the same
//    type, width and decimals (extra fields are allowed);
//  - the size: the header's record count against the bytes present, and the
//    end mark where the header puts the end of the records;
//  - the records: deletion marks, dates (blank or a real day), numbers
//    (blank or a right-aligned number) and logicals readable; a bad value is
//    quoted in UTF-8 with control characters as \xHH.
// At most `max_record_problems` record problems are listed one by one; the
// rest are counted in one closing line.
#pragma once

#include <string>
#include <vector>

#include "data/layouts.h"

namespace skolvarin::data {

struct TableCheck {
  std::vector<std::string> problems;  // empty when the file is sound
  long records = 0;                   // records in the header
};

TableCheck check_table_file(const std::string& path, const Layout& layout, int max_record_problems = 5);

}  // namespace skolvarin::data
