// skolvarin sprawdz [--data KATALOG] [--utworz] [--rok RRRR]: checks every
// table of the catalogue present in the data directory (the common and
// shared directories and every firm of the firm catalogue; per-year tables
// for every year found): header, layout, record count against the file
// size, and readable dates and numbers.  One Polish line per problem; exit
// 1 when there is any.  --utworz first creates every missing table (per-year
// ones for the working year, or the year of --rok) with its layout.
#include <dirent.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/command.h"
#include "data/catalogue.h"
#include "data/data_directory.h"
#include "data/firm_data_table.h"
#include "data/module_state.h"
#include "data/opener.h"
#include "data/summary_tables.h"
#include "data/table_check.h"
#include "host/api/db_api.h"

namespace skolvarin::app {

namespace {

using data::CatalogueEntry;
using data::Place;

struct Firm {
  std::string name, dir;
};

std::vector<std::string> files_in(const std::string& dir) {
  std::vector<std::string> out;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d)) out.emplace_back(e->d_name);
    closedir(d);
  }
  return out;
}

// Files of `dir` that are `entry` (for a per-year name: any two-digit year).
std::vector<std::string> present(const CatalogueEntry& entry, const std::string& dir,
                                 const std::string& options_name) {
  std::vector<std::string> out;
  std::string pattern = entry.place == Place::Common && entry.purpose == data::kPurposeMainOptions
                            ? options_name
                            : entry.file;
  size_t blanks = pattern.find("  .DBF");
  for (const auto& f : files_in(dir)) {
    if (f.size() != pattern.size()) continue;
    bool match = true;
    for (size_t i = 0; i < f.size() && match; ++i) {
      if (entry.per_year && blanks != std::string::npos && (i == blanks || i == blanks + 1))
        match = f[i] >= '0' && f[i] <= '9';
      else
        match = f[i] == pattern[i];
    }
    if (match) out.push_back(f);
  }
  return out;
}

std::vector<Firm> firms_of(HostContext& ctx) {
  std::vector<Firm> out;
  const CatalogueEntry& kata = *data::find_table("W3KATA.DBF");
  ctx.current_dir = ctx.common_dir;
  if (!EnvFileExists(&ctx, kata.file)) return out;
  data::OpenRequest r;
  r.default_tag = 0;
  if (data::open_table(&ctx, kata, r) != 0) return out;
  data::TableHandles& h = data::handles(kata);
  for (int rc = d4top(h.data); rc == 0; rc = d4skip(h.data, 1)) {
    if (d4deleted(h.data)) continue;
    std::string kat = f4trim(h.field("KAT"));
    if (!kat.empty()) out.push_back({f4trim(h.field("NAZ")), data::firm_directory(ctx, kat)});
  }
  data::close_table(kata);
  return out;
}

// The working year kept in the main options (key 3), read without changing
// the file; 0 when it cannot be read.
int stored_working_year(HostContext& ctx, const std::string& options_name) {
  ctx.current_dir = ctx.common_dir;
  if (!EnvFileExists(&ctx, options_name.c_str())) return 0;
  DATA4* data = d4open(&ctx, options_name.c_str());
  if (!data) return 0;
  int year = 0;
  FIELD4* k3 = d4field(data, "K3");
  FIELD4* ty = d4field(data, "TY");
  FIELD4* in = d4field(data, "IN");
  if (k3 && ty && in)
    for (int rc = d4top(data); rc == 0; rc = d4skip(data, 1))
      if (f4int(k3) == 3 && f4char(ty) == 'I') year = f4int(in);
  d4close(data);
  ctx.error_code = 0;
  return year;
}

// Creates the entry's table for `year` in ctx.current_dir's place when missing.
bool create_missing(HostContext& ctx, const CatalogueEntry& entry, int year, std::vector<std::string>& made) {
  std::string name = data::table_file_name(&ctx, entry, year);
  std::string dir_before = ctx.current_dir;
  if (data::enter_place(&ctx, entry) != 0) return false;
  std::string where = ctx.current_dir;
  bool exists = EnvFileExists(&ctx, name.c_str()) != 0;
  RestoreDir(&ctx);
  if (exists) return true;
  int rc;
  std::string file = entry.file;
  if (file == "W3PAWL.DBF") {
    rc = data::open_firm_data(&ctx);
  } else if (file == "W3STAK  .DBF" || file == "W3STRY  .DBF") {
    rc = data::open_summary_table(&ctx, entry, year);
  } else {
    data::OpenRequest r;
    r.year = year;
    r.default_tag = 0;
    rc = data::open_table(&ctx, entry, r);
  }
  data::close_all_tables(&ctx);
  ctx.current_dir = dir_before;
  if (rc != 0) return false;
  made.push_back(where + name);
  return true;
}

int cmd_sprawdz(const CommandLine& cl) {
  std::string year_text;
  int year = 0;
  if (cl.value_of("--rok", year_text)) {
    char* end = nullptr;
    long y = std::strtol(year_text.c_str(), &end, 10);
    if (!end || *end || y < 1900 || y > 2099) {
      std::fprintf(stderr, "skolvarin sprawdz: błędny rok w --rok: %s (oczekiwano RRRR)\n", year_text.c_str());
      return 2;
    }
    year = static_cast<int>(y);
  }
  for (const auto& a : cl.positional({"--rok"})) {
    std::fprintf(stderr, "skolvarin sprawdz: nieoczekiwany argument: %s\n", a.c_str());
    return 2;
  }
  for (const auto& a : cl.args)
    if (a.size() > 2 && a.compare(0, 2, "--") == 0 && a != "--rok" && a != "--utworz") {
      std::fprintf(stderr, "skolvarin sprawdz: nieznana opcja: %s\n", a.c_str());
      return 2;
    }

  HostContext ctx;
  ctx.today = cl.today;
  data::reset_state();
  data::state().ctx = &ctx;
  std::string error;
  if (!data::open_data_directory(ctx, cl.data_dir, error)) {
    std::fprintf(stderr, "skolvarin sprawdz: %s\n", error.c_str());
    return 1;
  }
  const CatalogueEntry& options = *data::find_table("W3PABV%s.DBF");
  std::string options_name = data::table_file_name(&ctx, options, 0);
  if (year == 0) year = stored_working_year(ctx, options_name);
  if (year == 0) year = ctx.today.year;
  std::vector<Firm> firms = firms_of(ctx);

  if (cl.has_flag("--utworz")) {
    std::vector<std::string> made;
    bool ok = true;
    for (const auto& entry : data::catalogue()) {
      if (std::string(entry.file) == "TmpPLEW.DBF") continue;  // exists only during a conversion
      if (entry.place == Place::Firm) {
        for (const auto& f : firms) {
          ctx.firm_dir = ctx.current_dir = f.dir;
          ok &= create_missing(ctx, entry, year, made);
        }
      } else {
        ok &= create_missing(ctx, entry, year, made);
      }
    }
    for (const auto& m : made) std::printf("utworzono %s\n", m.c_str());
    if (!ok) std::fprintf(stderr, "skolvarin sprawdz: nie wszystkie brakujące tabele udało się utworzyć\n");
  }

  int tables = 0;
  long problems = 0;
  auto check_dir = [&](const CatalogueEntry& entry, const std::string& dir) {
    for (const auto& f : present(entry, dir, options_name)) {
      ++tables;
      auto result = data::check_table_file(dir + f, entry.layout());
      for (const auto& p : result.problems) std::printf("%s\n", p.c_str());
      problems += static_cast<long>(result.problems.size());
    }
  };
  for (const auto& entry : data::catalogue()) {
    switch (entry.place) {
      case Place::Common: check_dir(entry, ctx.common_dir); break;
      case Place::Shared: check_dir(entry, ctx.shared_dir); break;
      case Place::Firm:
        for (const auto& f : firms) check_dir(entry, f.dir);
        break;
    }
  }
  data::reset_state();
  std::printf("sprawdzono tabel: %d, problemów: %ld\n", tables, problems);
  return problems == 0 ? 0 : 1;
}

const CommandRegistrar registrar("sprawdz",
                                 "sprawdza tabele katalogu danych (--utworz tworzy brakujące, --rok RRRR)",
                                 cmd_sprawdz);

}  // namespace

}  // namespace skolvarin::app
