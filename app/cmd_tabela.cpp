// skolvarin tabela PLIK.DBF [--csv]: the structure and the records of a
// table in UTF-8 (text fields decoded from Mazovia).  Without --csv: the
// header line and the fields, then one line per record with its number and
// the fields separated by " | " (deleted records marked with '*').  With
// --csv: a header row of field names and one row per live record,
// separated by ';', texts quoted where needed.  Control characters of the
// fields (ESC, bells, ...) are shown as \xHH in the listing and in CSV
// written to a terminal, so the terminal never obeys them; CSV written to a
// file or a pipe keeps every byte.  A damaged table is shown as it stands
// (read-only, the engine says what is wrong on stderr) with exit 1.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "app/command.h"
#include "app/table_csv.h"
#include "host/api/db_api.h"

namespace skolvarin::app {

namespace {

int tabela(const CommandLine& cl) {
  auto words = cl.positional({});
  if (words.size() != 1) {
    std::fprintf(stderr, "użycie: skolvarin tabela PLIK.DBF [--csv]\n");
    return 2;
  }
  const std::string& file = words[0];
  HostContext ctx;
  ctx.today = cl.today;
  std::string name = file;
  if (!name.empty() && name[0] != '/') {
    size_t slash = name.rfind('/');
    ctx.current_dir = slash == std::string::npos ? "./" : name.substr(0, slash + 1);
    name = slash == std::string::npos ? name : name.substr(slash + 1);
  }
  DATA4* d = d4open(&ctx, name.c_str());
  if (!d) return 1;  // the engine has said why
  if (cl.has_flag("--csv")) {
    std::fflush(stdout);
    std::string error;
    long rows = write_csv(d, STDOUT_FILENO, ::isatty(STDOUT_FILENO) == 1, error);
    if (rows < 0) std::fprintf(stderr, "skolvarin tabela: %s\n", error.c_str());
    int rc = rows < 0 || ctx.error_code != 0 || d4damaged(d) ? 1 : 0;
    d4close_all(&ctx);
    return rc;
  }
  int n = d4num_fields(d);
  std::printf("Tabela %s: %ld rekordów, %d pól\n", escape_controls(file).c_str(), d4reccount(d), n);
  for (int j = 1; j <= n; ++j) {
    FIELD4* f = d4field_j(d, j);
    std::printf("  %3d %-10s %c %3d", j, f4name(f), f4type(f), f4len(f));
    if (f4decimals(f)) std::printf(".%d", f4decimals(f));
    std::printf("\n");
  }
  for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1)) {
    std::printf("%7ld%c ", d4recno(d), d4deleted(d) ? '*' : ' ');
    for (int j = 1; j <= n; ++j)
      std::printf("%s%s", j > 1 ? " | " : "", escape_controls(f4ptr(d4field_j(d, j))).c_str());
    std::printf("\n");
  }
  int rc = d4damaged(d) ? 1 : ctx.error_code;  // a damaged table is shown, with exit 1
  d4close_all(&ctx);
  return rc == 0 ? 0 : 1;
}

CommandRegistrar reg("tabela", "struktura i rekordy tabeli DBF (UTF-8; --csv)", tabela, "--csv");

}  // namespace
}  // namespace skolvarin::app
