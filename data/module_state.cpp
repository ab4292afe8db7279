#include "data/module_state.h"

#include <cstdio>
#include <cstdlib>

namespace skolvarin::data {

FIELD4* TableHandles::field(std::string_view name) const {
  if (!layout) return nullptr;
  int i = layout->field_index(name);
  if (i < 0 || static_cast<size_t>(i) >= fields.size()) return nullptr;
  return fields[static_cast<size_t>(i)];
}

TAG4* TableHandles::tag(int i) const {
  if (i < 1 || static_cast<size_t>(i) > tags.size()) return nullptr;
  return tags[static_cast<size_t>(i - 1)];
}

void TableHandles::clear() {
  data = nullptr;
  fields.clear();
  tags.clear();
}

ModuleState::ModuleState() {
  auto cat = catalogue();
  tables.resize(cat.size());
  name_buffers.reserve(cat.size());
  for (size_t i = 0; i < cat.size(); ++i) {
    tables[i].layout = &cat[i].layout();
    name_buffers.emplace_back(cat[i].file);
  }
}

ModuleState& state() {
  static ModuleState s;
  return s;
}

void reset_state() { state() = ModuleState(); }

TableHandles& handles(const CatalogueEntry& entry) {
  return state().tables[static_cast<size_t>(&entry - catalogue().data())];
}

TableHandles& handles(std::string_view file) {
  const CatalogueEntry* e = find_table(file);
  if (!e) {
    std::fprintf(stderr, "skolvarin: tabela spoza katalogu: %.*s\n", static_cast<int>(file.size()),
                 file.data());
    std::abort();
  }
  return handles(*e);
}

int close_all_tables(HostContext* ctx) {
  int rc = d4close_all(ctx);
  for (auto& t : state().tables) t.clear();
  return rc;
}

int close_table(const CatalogueEntry& entry) {
  TableHandles& h = handles(entry);
  int rc = h.data ? d4close(h.data) : 0;
  h.clear();
  return rc;
}

int working_year(const HostContext* ctx) {
  if (state().options.working_year > 0) return state().options.working_year;
  if (ctx && ctx->module_year > 0) return ctx->module_year;
  return ctx ? ctx->today.year : 0;
}

}  // namespace skolvarin::data
