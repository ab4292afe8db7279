// skolvarin wzorce [--data KATALOG] [--zrodla KATALOG]: fills the shared
// directory of a data directory with the reference tables (tax scales,
// days off, interest rates, countries, tax offices, ZUS codes).  Adds only
// what is missing; rows already there, changed by the user or not, stay.
#include <unistd.h>

#include <cstdio>

#include "app/command.h"
#include "app/reference_import.h"
#include "data/data_directory.h"
#include "data/module_state.h"
#include "payroll/standard_components.h"

namespace skolvarin::app {

namespace {

int cmd_wzorce(const CommandLine& cl) {
  for (const auto& a : cl.positional({"--zrodla"})) {
    std::fprintf(stderr, "skolvarin wzorce: nieoczekiwany argument: %s\n", a.c_str());
    return 2;
  }
  std::string source;
  if (!cl.value_of("--zrodla", source)) source = default_reference_dir();
  if (source.empty()) {
    std::fprintf(stderr,
                 "skolvarin wzorce: nie znaleziono plików tabel wzorcowych; podaj katalog opcją --zrodla "
                 "lub zmienną SKOLVARIN_WZORCE\n");
    return 1;
  }

  HostContext ctx;
  ctx.today = cl.today;
  data::reset_state();
  data::state().ctx = &ctx;
  std::string error;
  if (!data::open_data_directory(ctx, cl.data_dir, error)) {
    data::reset_state();
    std::fprintf(stderr, "skolvarin wzorce: %s\n", error.c_str());
    return 1;
  }

  const bool tty = isatty(2) != 0;
  ReferenceProgress progress;
  if (tty)
    progress = [](const std::string& table, int done, int total) {
      if (done == total || done % 25 == 0) std::fprintf(stderr, "\r  %-14s %5d/%-5d", table.c_str(), done, total);
      if (done == total) std::fprintf(stderr, "\r%40s\r", "");
    };
  ReferenceImportResult result;
  int rc = import_reference_tables(ctx, source, result, error, progress);
  // The standard dictionary of pay components, so a new firm can pay at once.
  int components_added = 0, components_present = 0;
  if (rc == 0 && payroll::add_standard_components(&ctx, components_added, components_present) != 0) {
    rc = -1;
    error = "nie można uzupełnić słownika składników płacowych (W3PELI.DBF)";
  }
  data::reset_state();

  for (const auto& t : result.tables)
    std::printf("%-14s dodano %5d, było już %5d\n", t.table.c_str(), t.added, t.present);
  if (rc != 0) {
    std::fprintf(stderr, "skolvarin wzorce: %s\n", error.c_str());
    return 1;
  }
  std::printf("%-14s dodano %5d, było już %5d\n", "W3PELI.DBF", components_added, components_present);
  std::printf("razem dodano %d wierszy w katalogu %s\n", result.total_added() + components_added,
              ctx.shared_dir.c_str());
  return 0;
}

const CommandRegistrar registrar("wzorce", "uzupełnia tabele wzorcowe w katalogu wspólnym (--zrodla KATALOG)",
                                 cmd_wzorce, "--zrodla=");

}  // namespace

}  // namespace skolvarin::app
