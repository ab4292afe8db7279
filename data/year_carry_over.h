// Carrying a per-year table over into a new working year.
//
// The first time a register whose table is kept per year is opened for a
// year that has no file yet while the previous year has one, the user is
// asked whether to carry the data over ("Nie ma jeszcze danych na bieżący
// rok." / "Czy przenieść dane z poprzedniego roku ?").  On consent the
// previous year's table file is copied byte for byte under the new year's
// name (the index is rebuilt when the table is opened) and the table is
// opened; the previous year's file is never changed.  Declining, the table
// is opened as any missing table is: empty.  The register that owns the
// table then runs its own year-closing pass over the copy (take_carried_over
// tells it to).
#pragma once

#include <string_view>

#include "host/api/context.h"

namespace skolvarin::data {

// Opens catalogue table `file` for `year` (0: the working year) after the
// carry-over check.  0 on success; non-zero when the copy failed (the user
// was told: 20054 the source cannot be read, 20053 the target cannot be
// created) or the open failed.
int open_with_carry_over(HostContext* ctx, std::string_view file, int tag_option, int year);

// True once after open_with_carry_over copied `file`: the owner's closing
// pass is due.
bool take_carried_over(std::string_view file);

}  // namespace skolvarin::data
