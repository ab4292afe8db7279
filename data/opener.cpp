#include "data/opener.h"

#include <cstdio>

#include "data/module_state.h"

namespace skolvarin::data {

std::string table_file_name(HostContext* ctx, const CatalogueEntry& entry, int year) {
  std::string& buffer = state().name_buffers[static_cast<size_t>(&entry - catalogue().data())];
  if (entry.per_year) {
    if (year <= 0) year = working_year(ctx);
    SetDbfYear(buffer.data(), year);
    return buffer;
  }
  if (entry.place == Place::Common && entry.purpose == kPurposeMainOptions) {
    char id[14] = {};
    if (ctx) std::snprintf(id, sizeof id, "%s", ctx->options_id.c_str());
    char name[32];
    std::snprintf(name, sizeof name, entry.file, id);
    buffer = name;
  }
  return buffer;
}

int define_layout(HostContext* ctx, const Layout& layout) {
  int rc = AllocDbfDefinition(ctx);
  if (rc != 0) return rc;
  for (const auto& f : layout.fields) {
    rc = DefineField(ctx, pack_field_name(f.name), static_cast<int>(field_format(f)));
    if (rc != 0) return rc;
  }
  for (const auto& t : layout.tags) {
    rc = t.plain() ? DefineTag(ctx, t.expression) : DefineTag_(ctx, t.expression, t.filter, t.flag);
    if (rc != 0) return rc;
  }
  return 0;
}

int enter_place(HostContext* ctx, const CatalogueEntry& entry) {
  int rc = SaveDir(ctx);
  if (rc != 0) return rc;
  switch (entry.place) {
    case Place::Firm: break;
    case Place::Shared: rc = SwitchDir(ctx, 3); break;
    case Place::Common: rc = ChangeDir(ctx, "", entry.purpose); break;
  }
  if (rc != 0) RestoreDir(ctx);
  return rc;
}

int open_table(HostContext* ctx, const CatalogueEntry& entry, const OpenRequest& request) {
  TableHandles& h = handles(entry);
  h.clear();
  std::string name = table_file_name(ctx, entry, request.year);
  const Layout& layout = entry.layout();

  int rc = define_layout(ctx, layout);
  if (rc == 0) rc = enter_place(ctx, entry);
  if (rc != 0) {
    ReleaseDbfDefinition(ctx);
    return rc;
  }
  TAG4INFO* tags = nullptr;
  DATA4* data = nullptr;
  rc = open_dbf(ctx, name.c_str(), &data, GetFieldsInfo(ctx, &tags, GetTagsInfo(ctx, request.tag_option)));
  RestoreDir(ctx);

  if (rc == 0 && data) {
    ResetDbfActivation(data, tags);
    h.data = data;
    for (size_t i = 0; i < layout.fields.size(); ++i) h.fields.push_back(ActivateField(data));
    for (size_t i = 0; i < layout.tags.size(); ++i) h.tags.push_back(ActivateTag(data));
    if (ctx->error_code != 0) {
      rc = ctx->error_code;
      d4close(data);
      h.clear();
    } else if (request.default_tag > 0 && h.tag(request.default_tag)) {
      d4tag_select(data, h.tag(request.default_tag));
    }
  } else if (rc == 0) {
    rc = -1;
  }
  ReleaseDbfDefinition(ctx);
  return rc;
}

int open_table(HostContext* ctx, const char* file, const OpenRequest& request) {
  const CatalogueEntry* e = find_table(file);
  if (!e) return e4param;
  return open_table(ctx, *e, request);
}

}  // namespace skolvarin::data
