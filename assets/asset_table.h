// The fixed-asset table as the register, the booking and the batch commands
// read and write it: one record's values in and out of the asset fields,
// the ledger of a year as the booking sees it, and the month's booking
// applied to every asset.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "assets/depreciation.h"
#include "host/api/db_api.h"

namespace skolvarin::assets {

// The fields of an open W3AMOR table.
struct AssetFields {
  FIELD4 *lpo = nullptr, *naz = nullptr, *kst = nullptr, *dan = nullptr, *dpu = nullptr, *dap = nullptr;
  FIELD4 *wap = nullptr, *wpz = nullptr, *dwu = nullptr, *wuz = nullptr, *sta = nullptr;
  FIELD4 *rso = nullptr, *rmo = nullptr, *awo = nullptr, *dli = nullptr, *nri = nullptr, *inf = nullptr;
  bool bind(DATA4* data);  // false when a field is missing
};

// The current record's values.
AssetValues read_values(const AssetFields& f);
// Stores the values the booking and the closing pass change (DWU, WUZ, RSO,
// RMO, AWO) into the record buffer.
void store_values(const AssetFields& f, const AssetValues& v);

// One asset as listed by the batch command.
struct AssetRow {
  long recno = 0;
  std::string name, inventory;
  Date acquired, handed_over;
  double rate = 0;
  AssetValues values;
};
// Every asset not marked deleted, in the table's selected order.
std::vector<AssetRow> read_assets(DATA4* data, const AssetFields& f);

// The ledger of a year as the booking reads it: the date of its last entry
// (none for an empty ledger) and the entries of the booking month.
struct LedgerView {
  std::optional<Date> last_entry;
  std::vector<LedgerMark> entries;
  bool ok = false;  // false: the ledger could not be read
};
// Reads the year's ledger table file `ledger` (W3DANE of the year, its path
// relative to the firm directory); a missing ledger is an empty one.
LedgerView read_ledger(HostContext* ctx, const std::string& ledger_path);

// Applies the month's write-offs to every asset of the table: AWO grows by
// the asset's write-off, the record is stamped (for the user of `stamp_ctx`,
// when given) and written at once.  Returns the number of assets written, -1 when a write failed (the
// records written before stay written).  `progress` is called after each
// record with (done, total).
long apply_month(DATA4* data, const AssetFields& f, int year, int month, HostContext* stamp_ctx,
                 void (*progress)(long, long));

// The year-closing pass over every record of a table carried into a new
// year.  Returns the number of records written, -1 when a write failed.
long close_year_pass(DATA4* data, const AssetFields& f);

}  // namespace skolvarin::assets
