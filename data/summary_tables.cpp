#include "data/summary_tables.h"

#include <string>

#include "data/module_state.h"
#include "data/opener.h"

namespace skolvarin::data {

namespace {

constexpr long kSummaryRecords = 13;

// Creates the table anew in the current directory with its 13 records.
int create_summary(HostContext* ctx, const Layout& layout, const std::string& name) {
  if (define_layout(ctx, layout) != 0) {
    ReleaseDbfDefinition(ctx);
    return -1;
  }
  TAG4INFO* tags = nullptr;
  DATA4* data = d4create(ctx, name.c_str(), GetFieldsInfo(ctx, &tags, GetTagsInfo(ctx, 0)), tags);
  ReleaseDbfDefinition(ctx);
  if (!data) return -1;
  FIELD4* mie = d4field(data, "MIE");
  FIELD4* sta = d4field(data, "STA");
  FIELD4* fil = d4field(data, "FIL");
  int rc = (mie && sta && fil) ? 0 : -1;
  for (int month = 1; rc == 0 && month <= 13; ++month) {
    if (d4append_start(data) != 0) rc = -1;
    if (rc == 0 && month <= 12) {
      rc |= f4assign(mie, std::to_string(month).c_str());
      rc |= f4assign(sta, "A");
      rc |= f4assign(fil, " ");
    } else if (rc == 0) {
      rc |= f4assign(mie, "**");
    }
    if (rc == 0 && d4append(data) != 0) rc = -1;
  }
  if (d4close(data) != 0) rc = -1;
  return rc == 0 ? 0 : -1;
}

}  // namespace

int open_summary_table(HostContext* ctx, const CatalogueEntry& entry, int year) {
  close_table(entry);
  std::string name = table_file_name(ctx, entry, year);
  if (enter_place(ctx, entry) != 0) return -1;
  bool recreate = !EnvFileExists(ctx, name.c_str());
  int rc = 0;
  if (!recreate) {
    DATA4* old = d4open(ctx, name.c_str());
    if (!old) {
      rc = -1;  // a damaged file is reported by the host and left alone
    } else {
      recreate = d4reccount(old) != kSummaryRecords;
      d4close(old);
    }
  }
  if (rc == 0 && recreate) rc = create_summary(ctx, entry.layout(), name);
  RestoreDir(ctx);
  if (rc != 0) return -1;

  OpenRequest request;
  request.year = year;
  request.default_tag = 0;
  if (open_table(ctx, entry, request) != 0) return -1;
  if (set_lock(handles(entry).data, -1) != 0) {
    close_table(entry);
    return -1;
  }
  return 0;
}

int open_w3stak(int, int year) { return open_summary_table(state().ctx, *find_table("W3STAK  .DBF"), year); }
int open_w3stry(int, int year) { return open_summary_table(state().ctx, *find_table("W3STRY  .DBF"), year); }

}  // namespace skolvarin::data
