// Work tables made fresh when a register needs them: the temporary copy of
// payroll rows W3PETM  .DBF (per year, payroll-row layout) and the RMUA work
// table RMUAP.DBF with its two tags.  Both live in the firm directory and
// replace whatever file had their name; their handles are bound like any
// opened table's (fields by name, in layout order).
// The export tables W3PENSEX.DBF and W3PESKEX.DBF are opened (and created
// when missing) by their named openers.
#pragma once

#include "host/api/context.h"

namespace skolvarin::data {

// Creates W3PETM for `year` (0: the working year).  0 or -1.
int create_w3petm(HostContext* ctx, int year = 0);
// Creates RMUAP.DBF with its tags, first tag selected.  0 or -1.
int create_rmuap(HostContext* ctx);

}  // namespace skolvarin::data
