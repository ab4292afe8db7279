// The firm data table W3PAWL.DBF: one record with the firm's identity,
// addresses, offices and bank accounts, in the firm directory.  Every
// dispatcher opens it first.
//
// Invariant after open_firm_data() succeeds: the table is open, holds at
// least one record (a blank one is appended when it holds none) and record
// 1 is current.  A missing file is created with the layout.
#pragma once

#include "host/api/context.h"

namespace skolvarin::data {

// Clears ctx's error_code, error_aux1 and error_aux2, then creates or opens
// W3PAWL.DBF in the current (firm) directory, binds its fields, appends one
// blank record under a table lock when the table is empty and goes to
// record 1.  Returns 0 or -1.
int open_firm_data(HostContext* ctx);

}  // namespace skolvarin::data
