// skolvarin sprawdz [--data KATALOG] [--utworz] [--rok RRRR]: checks every
// table of the catalogue present in the data directory (the common and
// shared directories and every firm of the firm catalogue; per-year tables
// for every year found): header, layout, record count against the file
// size, and readable dates and numbers.  One Polish line per problem; exit
// 1 when there is any.  --utworz first creates every missing table (per-year
// ones for the working year, or the year of --rok) with its layout.
// --napraw repairs what can be repaired of a damaged table file (header
// length, record count, end mark; every whole record kept), after keeping
// the damaged file beside it as NAME.USZ and writing what was done to the
// host log; it is the only place where a table is repaired.  Exit 0 then
// when no problem remains.
#include <dirent.h>
#include <sys/stat.h>

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

bool is_directory(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool is_regular(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Every firm directory: those of the firm catalogue (when it can be read)
// and every directory under firmy/, each once.
std::vector<Firm> firms_of(HostContext& ctx, bool catalogue_sound) {
  std::vector<Firm> out;
  auto add = [&](const std::string& name, const std::string& dir) {
    for (const auto& f : out)
      if (f.dir == dir) return;
    if (is_directory(dir)) out.push_back({name, dir});
  };
  const CatalogueEntry& kata = *data::find_table("W3KATA.DBF");
  ctx.current_dir = ctx.common_dir;
  DATA4* data = catalogue_sound && EnvFileExists(&ctx, kata.file) ? d4open(&ctx, kata.file) : nullptr;
  if (data) {
    FIELD4* naz = d4field(data, "NAZ");
    FIELD4* kat = d4field(data, "KAT");
    for (int rc = d4top(data); naz && kat && rc == 0; rc = d4skip(data, 1)) {
      std::string k = f4trim(kat);
      if (!d4deleted(data) && !k.empty()) add(f4trim(naz), data::firm_directory(ctx, k));
    }
    d4close(data);
  }
  ctx.error_code = 0;
  for (const auto& f : files_in(ctx.firms_dir))
    if (f != "." && f != "..") add(f, ctx.firms_dir + f + "/");
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
  int year = cl.year;
  for (const auto& a : cl.words) {
    std::fprintf(stderr, "skolvarin sprawdz: nieoczekiwany argument: %s\n", a.c_str());
    return 2;
  }

  HostContext ctx;
  ctx.today = cl.today;
  data::reset_state();
  data::state().ctx = &ctx;
  // The directory is taken apart here rather than opened for work, so a
  // damaged firm catalogue or user list is checked like any other table.
  data::set_data_directories(ctx, cl.data_dir);
  if (!is_directory(ctx.common_dir)) {
    std::fprintf(stderr, "skolvarin sprawdz: %s nie jest katalogiem danych (brak %s); utwórz go poleceniem: "
                 "skolvarin init --data %s\n", ctx.data_root.c_str(), data::kCommonSubdir, ctx.data_root.c_str());
    return 1;
  }
  const CatalogueEntry& options = *data::find_table("W3PABV%s.DBF");
  std::string options_name = data::table_file_name(&ctx, options, 0);
  // The firm catalogue and the main options are read through the engine
  // below; a damaged one is left unread (and reported by the check) so
  // that nothing touches it before it was looked at.
  auto sound = [&](const std::string& name, const char* file) {
    std::string path = ctx.common_dir + name;
    return !is_regular(path) || data::check_table_file(path, data::find_table(file)->layout()).problems.empty();
  };
  if (year == 0 && sound(options_name, "W3PABV%s.DBF")) year = stored_working_year(ctx, options_name);
  if (year == 0) year = ctx.today.year;
  std::vector<Firm> firms = firms_of(ctx, sound("W3KATA.DBF", "W3KATA.DBF"));

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

  const bool repair = cl.has_flag("--napraw");
  int tables = 0, repaired = 0;
  long problems = 0, remaining = 0;
  auto check_dir = [&](const CatalogueEntry& entry, const std::string& dir) {
    for (const auto& f : present(entry, dir, options_name)) {
      ++tables;
      auto result = data::check_table_file(dir + f, entry.layout());
      for (const auto& p : result.problems) std::printf("%s\n", p.c_str());
      problems += static_cast<long>(result.problems.size());
      if (!repair || result.problems.empty()) continue;
      // The one place that repairs: a copy of the damaged file is kept
      // beside it and what was done goes to the host log.
      std::string done;
      ctx.current_dir = dir;
      if (d4repair(&ctx, f.c_str(), done) == 0 && !done.empty()) {
        ++repaired;
        std::printf("naprawiono %s%s: %s\n", dir.c_str(), f.c_str(), done.c_str());
      }
      ctx.error_code = 0;
      auto after = data::check_table_file(dir + f, entry.layout());
      for (const auto& p : after.problems) std::printf("nadal: %s\n", p.c_str());
      remaining += static_cast<long>(after.problems.size());
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
  if (repair) {
    std::printf("sprawdzono tabel: %d, problemów: %ld, naprawiono tabel: %d, pozostało problemów: %ld\n", tables,
                problems, repaired, remaining);
    return remaining == 0 ? 0 : 1;
  }
  std::printf("sprawdzono tabel: %d, problemów: %ld\n", tables, problems);
  if (problems > 0) std::printf("tabele z błędami budowy pliku naprawia: skolvarin sprawdz --napraw\n");
  return problems == 0 ? 0 : 1;
}

const CommandRegistrar registrar("sprawdz",
                                 "sprawdza tabele katalogu danych (--utworz tworzy brakujące, --napraw naprawia "
                                 "uszkodzone z kopią, --rok RRRR)",
                                 cmd_sprawdz, "--utworz --napraw");

}  // namespace

}  // namespace skolvarin::app
