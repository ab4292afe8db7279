#include "assets/asset_table.h"

#include "host/api/browse_api.h"
#include "host/api/rounding.h"

namespace skolvarin::assets {

bool AssetFields::bind(DATA4* data) {
  if (!data) return false;
  FIELD4** slots[] = {&lpo, &naz, &kst, &dan, &dpu, &dap, &wap, &wpz, &dwu,
                      &wuz, &sta, &rso, &rmo, &awo, &dli, &nri, &inf};
  const char* names[] = {"LPO", "NAZ", "KST", "DAN", "DPU", "DAP", "WAP", "WPZ", "DWU",
                         "WUZ", "STA", "RSO", "RMO", "AWO", "DLI", "NRI", "INF"};
  bool ok = true;
  for (size_t i = 0; i < std::size(slots); ++i) {
    *slots[i] = d4field(data, names[i]);
    ok = ok && *slots[i];
  }
  return ok;
}

AssetValues read_values(const AssetFields& f) {
  AssetValues v;
  v.handed_over = f4date(f.dpu);
  v.wpz = f4double(f.wpz);
  v.dwu = f4double(f.dwu);
  v.wuz = f4double(f.wuz);
  v.rso = f4double(f.rso);
  v.rmo = f4double(f.rmo);
  v.awo = f4double(f.awo);
  return v;
}

void store_values(const AssetFields& f, const AssetValues& v) {
  f4assign_double(f.dwu, v.dwu);
  f4assign_double(f.wuz, v.wuz);
  f4assign_double(f.rso, v.rso);
  f4assign_double(f.rmo, v.rmo);
  f4assign_double(f.awo, v.awo);
}

std::vector<AssetRow> read_assets(DATA4* data, const AssetFields& f) {
  std::vector<AssetRow> rows;
  for (int rc = d4top(data); rc == 0 && !d4eof(data); rc = d4skip(data, 1)) {
    if (d4deleted(data)) continue;
    AssetRow r;
    r.recno = d4recno(data);
    r.name = f4trim(f.naz);
    r.inventory = f4trim(f.nri);
    r.acquired = f4date(f.dan);
    r.handed_over = f4date(f.dpu);
    r.rate = f4double(f.sta);
    r.values = read_values(f);
    rows.push_back(std::move(r));
  }
  return rows;
}

LedgerView read_ledger(HostContext* ctx, const std::string& ledger_path) {
  LedgerView view;
  if (!EnvFileExists(ctx, ledger_path.c_str())) {
    view.ok = true;  // no ledger yet: an empty one
    return view;
  }
  DATA4* t = d4open(ctx, ledger_path.c_str());
  if (!t) return view;
  FIELD4* dat = d4field(t, "DAT");
  FIELD4* zrk = d4field(t, "ZRK");
  FIELD4* anu = d4field(t, "ANU");
  if (dat && zrk && anu) {
    view.ok = true;
    for (int rc = d4top(t); rc == 0 && !d4eof(t); rc = d4skip(t, 1)) {
      if (d4deleted(t)) continue;
      LedgerMark m;
      m.date = f4date(dat);
      if (m.date.empty()) continue;
      m.source = f4int(zrk);
      m.cancelled = !f4trim(anu).empty();
      if (!view.last_entry || *view.last_entry < m.date) view.last_entry = m.date;
      view.entries.push_back(m);
    }
  }
  d4close(t);
  return view;
}

long apply_month(DATA4* data, const AssetFields& f, int year, int month, HostContext* stamp_ctx,
                 void (*progress)(long, long)) {
  const long total = d4reccount(data);
  long written = 0, done = 0;
  for (int rc = d4top(data); rc == 0 && !d4eof(data); rc = d4skip(data, 1)) {
    ++done;
    if (progress) progress(done, total);
    if (d4deleted(data)) continue;
    AssetValues v = read_values(f);
    if (!apply_booking(v, year, month)) continue;
    f4assign_double(f.awo, v.awo);
    if (stamp_ctx) f4assign(f.inf, record_stamp(stamp_ctx).c_str());
    if (d4write(data, 0) != 0 || d4flush(data) != 0) return -1;
    ++written;
  }
  return written;
}

long close_year_pass(DATA4* data, const AssetFields& f) {
  long written = 0;
  for (int rc = d4top(data); rc == 0 && !d4eof(data); rc = d4skip(data, 1)) {
    AssetValues v = read_values(f);
    close_year(v);
    store_values(f, v);
    if (d4write(data, 0) != 0) return -1;
    ++written;
  }
  d4flush(data);
  return written;
}

}  // namespace skolvarin::assets
