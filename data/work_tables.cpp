#include "data/work_tables.h"

#include <string>

#include "data/module_state.h"
#include "data/opener.h"

namespace skolvarin::data {

namespace {

int create_fresh(HostContext* ctx, const CatalogueEntry& entry, int year, bool with_tags) {
  close_table(entry);
  TableHandles& h = handles(entry);
  std::string name = table_file_name(ctx, entry, year);
  const Layout& layout = entry.layout();
  if (define_layout(ctx, layout) != 0 || enter_place(ctx, entry) != 0) {
    ReleaseDbfDefinition(ctx);
    return -1;
  }
  TAG4INFO* tags = nullptr;
  FIELD4INFO* fields = GetFieldsInfo(ctx, &tags, GetTagsInfo(ctx, 0));
  DATA4* data = d4create(ctx, name.c_str(), fields, with_tags ? tags : nullptr);
  RestoreDir(ctx);
  ReleaseDbfDefinition(ctx);
  if (!data) return -1;
  h.data = data;
  for (const auto& f : layout.fields) h.fields.push_back(d4field(data, f.name));
  if (with_tags) {
    for (int j = 1; j <= d4num_tags(data); ++j) h.tags.push_back(d4tag(data, j));
    if (!h.tags.empty()) d4tag_select(data, h.tags.front());
  }
  for (FIELD4* f : h.fields)
    if (!f) {
      close_table(entry);
      return -1;
    }
  return 0;
}

}  // namespace

int create_w3petm(HostContext* ctx, int year) {
  return create_fresh(ctx, *find_table("W3PETM  .DBF"), year, false);
}

int create_rmuap(HostContext* ctx) { return create_fresh(ctx, *find_table("RMUAP.DBF"), 0, true); }

}  // namespace skolvarin::data
