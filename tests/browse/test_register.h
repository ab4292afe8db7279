// A small register used by the browse tests: currencies with a code, a
// name, a date, a rate, a mark and a kind, built on the host's register
// services exactly as a module register is.  Its table W3WALU.DBF is
// created in the context's current directory.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/api/browse_api.h"

namespace browsetest {

struct Table {
  DATA4* data = nullptr;
  FIELD4 *kod = nullptr, *naz = nullptr, *dat = nullptr, *kur = nullptr, *zna = nullptr, *typ = nullptr,
         *inf = nullptr;
  TAG4 *t_kod = nullptr, *t_naz = nullptr, *t_dat = nullptr;
};

// Opens (creating) the table in ctx->current_dir.  0 or the engine's error.
int open_table(HostContext* ctx, Table& t);
// Appends a record with the given values (no lock needed in tests).
void add_row(Table& t, const char* kod, const char* naz, const char* yyyymmdd, double kur, const char* zna,
             int typ);

// The module resources of the test register: message table (resource 1),
// the form template (resource 2, 3 rows of 78 characters) and a second form
// page (resource 3, 2 rows) for the two-page variants.
RcsBytes resources(int id);
int form_template();   // 2
int form_template2();  // 3

// What a test may change in the register before its browse runs: the
// block (hooks, states, second page), the edit controls and text controls.
struct RegisterParts {
  BROWSE* browse;
  EditCtrlDefinition& edits;
  TextCtrlDefinition& texts;
  FiltersDefinition& filters;
};
using Configure = std::function<void(RegisterParts&)>;

// Runs the register over `t` until the user leaves it.  `configure` runs
// after the block is filled and before the browse starts.
int run_register(HostContext* ctx, Table& t, const Configure& configure = {});

}  // namespace browsetest
