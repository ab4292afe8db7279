// The monthly summary tables W3STAK  .DBF and W3STRY  .DBF (per year): one
// record per month with MIE "1" to "12" and a 13th total record "**".
//
// Invariant after open_summary_table() succeeds: the table holds exactly 13
// records in that order, is open with its handles bound, and is locked
// whole for the register.  A table that is missing or does not hold exactly
// 13 records is created anew with 12 month records (STA 'A', FIL blank) and
// the total record.
#pragma once

#include "data/catalogue.h"
#include "host/api/context.h"

namespace skolvarin::data {

// `entry` is W3STAK  .DBF or W3STRY  .DBF; year 0 is the working year.
int open_summary_table(HostContext* ctx, const CatalogueEntry& entry, int year = 0);
int open_w3stak(int tag_option, int year = 0);
int open_w3stry(int tag_option, int year = 0);

}  // namespace skolvarin::data
