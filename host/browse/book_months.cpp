// The month table of the firm's book (see host/api/book_api.h).
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "host/api/book_api.h"
#include "host/api/screen_api.h"

namespace {

std::string table_path(const HostContext* ctx) {
  std::string dir = !ctx->firm_dir.empty() ? ctx->firm_dir : ctx->current_dir;
  return dir + "ksiega_miesiace.txt";
}

std::string month_key(int year, int month) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02d", year, month);
  return buf;
}

std::vector<std::string> read_lines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

int book_month_open(HostContext* ctx, int year, int month) {
  if (!ctx || month < 1 || month > 12) return 0;
  const std::string key = month_key(year, month);
  for (const std::string& l : read_lines(table_path(ctx)))
    if (l == key) return 0;
  return 1;
}

int book_set_month_closed(HostContext* ctx, int year, int month, int closed) {
  if (!ctx || month < 1 || month > 12) return -1;
  const std::string path = table_path(ctx), key = month_key(year, month);
  std::vector<std::string> lines = read_lines(path), out;
  bool listed = false;
  for (const std::string& l : lines) {
    if (l == key) {
      listed = true;
      if (!closed) continue;
    }
    out.push_back(l);
  }
  if (closed && !listed) out.push_back(key);
  std::ofstream f(path, std::ios::trunc);
  for (const std::string& l : out) f << l << '\n';
  f.flush();
  if (!f) {
    MessageWindow(3, 0, ("Nie można zapisać tabeli miesięcy księgi: " + path).c_str(), 0);
    return -1;
  }
  return 0;
}
