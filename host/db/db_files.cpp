// Directories of the context, file names and date helpers.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "host/api/calendar.h"
#include "host/db/db_handles.h"
#include "host/db/file_io.h"

using namespace skolvarin::db;

namespace {

std::string with_slash(std::string p) {
  if (!p.empty() && p.back() != '/') p += '/';
  return p;
}

bool is_dir(const std::string& p) {
  struct stat st {};
  return !p.empty() && ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int go_to(HostContext* ctx, const std::string& dir, const char* what) {
  if (!is_dir(dir))
    return fail(ctx, e4dir, std::string("Nie ma katalogu ") + what + ": " + (dir.empty() ? "(nie ustawiony)" : dir));
  ctx->current_dir = with_slash(dir);
  return succeed(ctx);
}

}  // namespace

std::string SystemErrorText(int error_number) { return errno_text(error_number); }

int EnvFileExists(HostContext* ctx, const char* name) {
  if (!ctx || !name || !*name) return 0;
  struct stat st {};
  return ::stat(EnvFilePath(ctx, name).c_str(), &st) == 0 && S_ISREG(st.st_mode) ? 1 : 0;
}

std::string EnvFilePath(HostContext* ctx, const char* name) {
  std::string n = name ? name : "";
  if (!ctx || (!n.empty() && n[0] == '/')) return n;
  return ctx->current_dir + n;
}

int EnvFileRename(HostContext* ctx, const char* from, const char* to) {
  if (!ctx || !from || !to) return e4param;
  std::string a = EnvFilePath(ctx, from), b = EnvFilePath(ctx, to);
  if (std::rename(a.c_str(), b.c_str()) != 0)
    return fail(ctx, e4write, "Nie można zmienić nazwy pliku " + a + " na " + b + ": " + errno_text(errno));
  return succeed(ctx);
}

int EnvFileRemove(HostContext* ctx, const char* name) {
  if (!ctx || !name) return e4param;
  std::string a = EnvFilePath(ctx, name);
  if (std::remove(a.c_str()) != 0)
    return fail(ctx, e4write, "Nie można usunąć pliku " + a + ": " + errno_text(errno));
  return succeed(ctx);
}

int u4name_ext(char* name, int size, const char* ext, int replace) {
  if (!name || !ext || size <= 0) return e4param;
  std::string n(name);
  size_t slash = n.rfind('/');
  size_t dot = n.rfind('.');
  bool has_ext = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  if (has_ext && !replace) return 0;
  if (has_ext) n.erase(dot);
  std::string e(ext);
  if (!e.empty() && e[0] == '.') e.erase(0, 1);
  n += "." + e;
  if (static_cast<int>(n.size()) >= size) return e4param;
  std::memcpy(name, n.c_str(), n.size() + 1);
  return 0;
}

char* SetDbfYear(char* name, int year) {
  if (!name) return name;
  size_t len = std::strlen(name);
  size_t base = 0;
  for (size_t i = 0; i < len; ++i)
    if (name[i] == '/') base = i + 1;
  const char* dot = std::strrchr(name + base, '.');
  if (!dot || static_cast<size_t>(dot - (name + base)) != 8) return name;
  if (strcasecmp(dot, ".DBF") != 0) return name;
  int yy = ((year % 100) + 100) % 100;
  char* p = const_cast<char*>(dot) - 2;
  p[0] = static_cast<char>('0' + yy / 10);
  p[1] = static_cast<char>('0' + yy % 10);
  return name;
}

std::string FirmDirPath(const HostContext* ctx, const std::string& path) {
  if (!ctx || path.empty()) return {};
  if (path[0] == '/') return with_slash(path);
  int depth = 0;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    std::string part = path.substr(start, end - start);
    if (part == "..") {
      if (--depth < 0) return {};
    } else if (!part.empty() && part != ".") {
      ++depth;
    }
    start = end + 1;
  }
  if (depth == 0) return {};
  return with_slash(ctx->firms_dir + path);
}

int SaveDir(HostContext* ctx) {
  if (!ctx) return e4param;
  ctx->saved_dirs.push_back(ctx->current_dir);
  return succeed(ctx);
}

int RestoreDir(HostContext* ctx) {
  if (!ctx) return e4param;
  if (ctx->saved_dirs.empty()) return fail(ctx, e4dir, "Przywrócenie katalogu bez wcześniejszego zapamiętania");
  ctx->current_dir = ctx->saved_dirs.back();
  ctx->saved_dirs.pop_back();
  return succeed(ctx);
}

int SwitchDir(HostContext* ctx, int where) {
  if (!ctx) return e4param;
  switch (where) {
    case 1: return go_to(ctx, ctx->firm_dir, "firmy");
    case 2: return go_to(ctx, ctx->common_dir, "wspólnego programu");
    case 3: return go_to(ctx, ctx->shared_dir, "wspólnego dla firm");
    default: return fail(ctx, e4dir, "Nieznany kod katalogu " + std::to_string(where));
  }
}

int ChangeDir(HostContext* ctx, const char* path, int purpose) {
  if (!ctx) return e4param;
  std::string p = path ? path : "";
  switch (purpose) {
    case 12: {
      std::string dir = FirmDirPath(ctx, p);
      if (dir.empty() && !p.empty())
        return fail(ctx, e4dir, "Katalog firmy " + p + " wychodzi poza katalog firm " + ctx->firms_dir +
                                    "; podaj nazwę katalogu wewnątrz niego albo pełną ścieżkę.");
      if (!is_dir(dir)) return fail(ctx, e4dir, "Nie ma katalogu firmy: " + (dir.empty() ? "(pusty)" : dir));
      ctx->firm_dir = with_slash(dir);
      ctx->current_dir = ctx->firm_dir;
      return succeed(ctx);
    }
    case 13: return go_to(ctx, ctx->firm_dir, "firmy");
    case 14: {
      std::string keep = ctx->current_dir;
      int rc = go_to(ctx, ctx->firms_dir.empty() ? ctx->firm_dir : ctx->firms_dir, "firm");
      if (rc == 0) session(ctx).remembered_dir = keep;
      return rc;
    }
    case 15: {
      std::string back = session(ctx).remembered_dir.empty() ? ctx->firm_dir : session(ctx).remembered_dir;
      return go_to(ctx, back, "zapamiętanego");
    }
    case 16: case 17: case 18: case 19: case 20: case 21:
      return go_to(ctx, p.empty() ? ctx->common_dir : p, "wspólnego programu");
    default:
      return fail(ctx, e4dir, "Nieznany cel zmiany katalogu " + std::to_string(purpose));
  }
}

// ---------------------------------------------------------------- dates

namespace {
skolvarin::Date parse(const char* s) {
  skolvarin::Date d;
  if (!s || std::strlen(s) < 8 || !skolvarin::from_dbf(std::string_view(s, 8), d)) return {};
  return d;
}
}  // namespace

int date4year(const char* yyyymmdd) { return parse(yyyymmdd).year; }
int date4month(const char* yyyymmdd) { return parse(yyyymmdd).month; }
int date4day(const char* yyyymmdd) { return parse(yyyymmdd).day; }
long date4long(const char* yyyymmdd) { return skolvarin::day_number(parse(yyyymmdd)); }

long c4dt_julian(int year, int month, int day) {
  skolvarin::Date d{year, month, day};
  return skolvarin::is_valid_date(d) ? skolvarin::day_number(d) : 0;
}

char* date4assign(char* out, long day_number) {
  if (!out) return out;
  std::string s = skolvarin::to_dbf(skolvarin::from_day_number(day_number));
  std::memcpy(out, s.c_str(), 9);
  return out;
}

char* c4ltoa(long value, char* out, int width) {
  if (!out) return out;
  bool zero = width < 0;
  int w = zero ? -width : width;
  char buf[32];
  int n = zero ? std::snprintf(buf, sizeof buf, "%0*ld", w, value) : std::snprintf(buf, sizeof buf, "%*ld", w, value);
  if (n > w) std::memset(out, '*', static_cast<size_t>(w));
  else std::memcpy(out, buf, static_cast<size_t>(w));
  out[w] = 0;
  return out;
}

int c4atoi(const char* s, int len) {
  if (!s || len <= 0) return 0;
  std::string t(s, strnlen(s, static_cast<size_t>(len)));
  return std::atoi(t.c_str());
}

char* get_cur_das(HostContext* ctx, char* buf) {
  if (!buf) return buf;
  std::string s = ctx ? skolvarin::to_dbf(ctx->today) : std::string(8, ' ');
  std::memcpy(buf, s.c_str(), 9);
  return buf;
}
