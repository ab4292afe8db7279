#include "data/transfer_table.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "data/module_state.h"
#include "data/opener.h"

namespace skolvarin::data {

namespace {

constexpr const char* kWorkFile = "TmpPLEW.DBF";
constexpr int kOldSypWidth = 6;

// Copies every record of `from` into a new work file with the current
// layout.  Returns 0, or -1 with the work file removed.
int copy_into_work_file(HostContext* ctx, DATA4* from, const Layout& layout) {
  if (define_layout(ctx, layout) != 0) {
    ReleaseDbfDefinition(ctx);
    return -1;
  }
  TAG4INFO* tags = nullptr;
  DATA4* to = d4create(ctx, kWorkFile, GetFieldsInfo(ctx, &tags, GetTagsInfo(ctx, 0)), nullptr);
  ReleaseDbfDefinition(ctx);
  if (!to) return -1;
  int rc = 0;
  int fields = std::min(d4num_fields(from), d4num_fields(to));
  long count = d4reccount(from);
  for (long rec = 1; rc == 0 && rec <= count; ++rec) {
    if (d4go(from, rec) != 0 || d4append_start(to) != 0) {
      rc = -1;
      break;
    }
    for (int j = 1; rc == 0 && j <= fields; ++j)
      if (f4assign_field(d4field_j(to, j), d4field_j(from, j)) != 0) rc = -1;
    if (rc == 0 && d4append(to) != 0) rc = -1;
    if (rc == 0 && d4deleted(from) && (d4delete(to) != 0 || d4write(to) != 0)) rc = -1;
  }
  if (d4close(to) != 0) rc = -1;
  if (rc != 0) EnvFileRemove(ctx, kWorkFile);
  return rc;
}

// In the current (firm) directory: converts `name` when its SYP field has
// the old width.  0 when nothing was needed or the conversion succeeded.
int convert_if_old(HostContext* ctx, const std::string& name, const Layout& layout) {
  if (!EnvFileExists(ctx, name.c_str())) return 0;
  DATA4* old = d4open(ctx, name.c_str());
  if (!old) return -1;
  FIELD4* syp = d4field(old, "SYP");
  ctx->error_code = 0;  // a table without SYP is not the old layout
  if (!syp || f4len(syp) != kOldSypWidth) {
    d4close(old);
    return 0;
  }
  if (set_lock(old, -1) != 0) {
    d4close(old);
    return -1;
  }
  int rc = copy_into_work_file(ctx, old, layout);
  if (d4close(old) != 0 && rc == 0) {
    EnvFileRemove(ctx, kWorkFile);
    rc = -1;
  }
  if (rc != 0) return -1;

  char cnv[32];
  std::snprintf(cnv, sizeof cnv, "%s", name.c_str());
  if (u4name_ext(cnv, sizeof cnv, "CNV", 1) != 0) return -1;
  if (EnvFileExists(ctx, cnv) && EnvFileRemove(ctx, cnv) != 0) return -1;
  if (EnvFileRename(ctx, name.c_str(), cnv) != 0) return -1;
  if (EnvFileRename(ctx, kWorkFile, name.c_str()) != 0) {
    EnvFileRename(ctx, cnv, name.c_str());  // put the old table back
    return -1;
  }
  return 0;
}

}  // namespace

int open_transfer_table(HostContext* ctx, int tag_option, int year) {
  const CatalogueEntry& entry = *find_table("W3PLEW  .DBF");
  close_table(entry);
  std::string name = table_file_name(ctx, entry, year);
  if (enter_place(ctx, entry) != 0) return -1;
  int rc = convert_if_old(ctx, name, entry.layout());
  RestoreDir(ctx);
  if (rc != 0) return -1;
  OpenRequest request;
  request.tag_option = tag_option;
  request.year = year;
  return open_table(ctx, entry, request);
}

int open_w3plew(int tag_option, int year) { return open_transfer_table(state().ctx, tag_option, year); }

}  // namespace skolvarin::data
