// The interest computation over the module's open tables: the days-off,
// statutory-rate and tax-arrears-rate tables read into plain rows, the
// computation run on them, and its alarms shown to the user.
//
// Tables that are not open are opened for the length of one call and closed
// again; tables already open (a register running on them) keep their
// position.
#pragma once

#include <set>
#include <vector>

#include "host/api/db_api.h"
#include "interest/interest_calc.h"

namespace skolvarin::interest {

// Every live row of an open rate table (DAT, STO, TYP); rows without a date
// are left out.
std::vector<RateRow> read_rate_rows(DATA4* data);
// Every live date of an open days-off table, as day numbers.
std::set<long> read_days_off(DATA4* data);

// Opens what is missing of W3DNWO, W3ODUS and W3ZAPO, computes and closes
// what it opened.  False when a table could not be opened (the host told
// the user; nothing is computed).  The computation's alarms are shown.
bool compute_from_tables(const Date& due, const Date& payment, double amount, InterestResult& out);

}  // namespace skolvarin::interest
