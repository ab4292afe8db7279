// skolvarin init [--data KATALOG]: makes a data directory ready for work:
// the common, shared and firm directories, the firm catalogue with a demo
// firm, its firm data table and the main options with their defaults; a new
// directory also gets the reference tables (as `skolvarin wzorce` makes them).
// Running it again on a ready directory changes nothing.
#include <cstdio>

#include "app/command.h"
#include "app/reference_import.h"
#include "data/data_directory.h"
#include "data/module_state.h"

namespace skolvarin::app {

namespace {

int cmd_init(const CommandLine& cl) {
  for (const auto& a : cl.positional({})) {
    std::fprintf(stderr, "skolvarin init: nieoczekiwany argument: %s\n", a.c_str());
    return 2;
  }
  HostContext ctx;
  ctx.today = cl.today;
  data::reset_state();
  data::state().ctx = &ctx;
  std::vector<std::string> created;
  std::string error;
  int rc = data::init_data_directory(ctx, cl.data_dir, created, error);
  if (rc == 0 && !created.empty()) {
    // A new data directory starts with the reference tables.
    int added = import_reference_tables(ctx, error);
    if (added < 0)
      std::fprintf(stderr, "skolvarin init: tabele wzorcowe: %s\n", error.c_str());
    else
      std::printf("tabele wzorcowe: dopisano %d wierszy\n", added);
  }
  data::reset_state();
  if (rc != 0) {
    std::fprintf(stderr, "skolvarin init: %s\n", error.c_str());
    return 1;
  }
  for (const auto& c : created) std::printf("utworzono %s\n", c.c_str());
  if (created.empty())
    std::printf("katalog danych %s był już gotowy; nic nie zmieniono\n", ctx.data_root.c_str());
  else
    std::printf("katalog danych gotowy: %s (firma: %s)\n", ctx.data_root.c_str(), ctx.firm_name1.c_str());
  return 0;
}

const CommandRegistrar registrar("init", "tworzy katalog danych z firmą przykładową (--data KATALOG)", cmd_init);

}  // namespace

}  // namespace skolvarin::app
