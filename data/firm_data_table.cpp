#include "data/firm_data_table.h"

#include "data/module_state.h"
#include "data/opener.h"

namespace skolvarin::data {

int open_firm_data(HostContext* ctx) {
  ctx->error_code = 0;
  ctx->error_aux1 = 0;
  ctx->error_aux2 = 0;
  const CatalogueEntry& entry = *find_table("W3PAWL.DBF");
  TableHandles& h = handles(entry);
  h.clear();
  const Layout& layout = entry.layout();
  if (define_layout(ctx, layout) != 0) {
    ReleaseDbfDefinition(ctx);
    return -1;
  }
  TAG4INFO* tags = nullptr;
  FIELD4INFO* fields = GetFieldsInfo(ctx, &tags, GetTagsInfo(ctx, 0));
  DATA4* data = EnvFileExists(ctx, entry.file) ? d4open(ctx, entry.file)
                                               : d4create(ctx, entry.file, fields, tags);
  int rc = data ? 0 : -1;
  if (data) {
    ResetDbfActivation(data, tags);
    h.data = data;
    for (size_t i = 0; i < layout.fields.size(); ++i) h.fields.push_back(ActivateField(data));
    if (ctx->error_code != 0) rc = -1;
  }
  ReleaseDbfDefinition(ctx);
  if (rc == 0 && set_lock(data, -1) != 0) rc = -1;
  if (rc == 0) {
    if (d4reccount(data) == 0 && d4append_blank(data) != 0) rc = -1;
    if (d4unlock(data) != 0) rc = -1;
  }
  if (rc == 0 && d4go(data, 1) != 0) rc = -1;
  if (rc != 0 && h.data) {
    d4close(h.data);
    h.clear();
  }
  return rc;
}

}  // namespace skolvarin::data
