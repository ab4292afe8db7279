// The bank transfer table W3PLEW  .DBF (per year) and its conversion from
// the older layout, in which field SYP was 6 characters wide (now 7).
//
// Conversion, when the existing table's SYP is 6 wide: the old table is
// locked whole; the work file TmpPLEW.DBF is created with the current
// layout; every record is copied field by field in field order (deleted
// marks kept); both are closed; the old file is renamed to the same name
// with the extension "CNV" (replacing an older copy) and TmpPLEW.DBF takes
// the table's name; then the table is opened with the current layout.
// Invariant: the old data survive in the "CNV" file; a conversion that
// fails before the exchange leaves the old table in place and the open
// fails.
#pragma once

#include "host/api/context.h"

namespace skolvarin::data {

// Opens the transfer table for `year` (0: the working year), converting it
// first when needed.  0 on success.
int open_w3plew(int tag_option, int year = 0);
int open_transfer_table(HostContext* ctx, int tag_option, int year = 0);

}  // namespace skolvarin::data
