// The module's table handles and loaded options: one object, one owner.
//
// Every open table of the catalogue has a data handle, one field handle per
// field in layout order and one tag handle per tag in definition order.
// Handles are valid from a successful open until the table is closed;
// close_all_tables() closes every table of the context and forgets every
// handle, so a stale handle is never used after a register ends.
//
// Invariants: handles(entry).fields.size() is 0 (closed) or the layout's
// field count; the per-year name buffer of a table keeps the year last
// written into it (as the host's SetDbfYear leaves it).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/catalogue.h"
#include "data/main_options.h"
#include "host/api/context.h"
#include "host/api/db_api.h"

namespace skolvarin::data {

struct TableHandles {
  DATA4* data = nullptr;
  std::vector<FIELD4*> fields;  // layout order
  std::vector<TAG4*> tags;      // definition order
  const Layout* layout = nullptr;

  bool open() const { return data != nullptr; }
  // The handle of field `name` (upper case), or nullptr.
  FIELD4* field(std::string_view name) const;
  // The i-th tag (1-based), or nullptr.
  TAG4* tag(int i) const;
  void clear();
};

struct ModuleState {
  HostContext* ctx = nullptr;
  MainOptions options;
  std::vector<TableHandles> tables;       // one per catalogue entry
  std::vector<std::string> name_buffers;  // per-year names as last filled

  ModuleState();
};

// The module's one state object.
ModuleState& state();
// Forgets every handle and option and detaches the context (tests, and a
// new call of ModuleProc).  Tables still open are not closed here.
void reset_state();

// Handles of a catalogue entry.
TableHandles& handles(const CatalogueEntry& entry);
// Handles by catalogue name ("W3PRAC.DBF"); aborts on an unknown name
// (a programming error, caught by every test that opens the table).
TableHandles& handles(std::string_view file);

// Closes every table of ctx (d4close_all) and forgets all handles.
int close_all_tables(HostContext* ctx);
// Closes one table and forgets its handles.
int close_table(const CatalogueEntry& entry);

// The working year the per-year tables are opened for: the main options'
// year, else the context's module year, else today's year.
int working_year(const HostContext* ctx);

}  // namespace skolvarin::data
