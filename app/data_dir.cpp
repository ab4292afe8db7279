#include "app/data_dir.h"

#include <cstdlib>
#include <filesystem>

namespace skolvarin::app {

std::string default_data_dir() {
  std::string dir;
  if (const char* s = std::getenv("SKOLVARIN_DATA"); s && *s) {
    dir = s;
  } else if (const char* x = std::getenv("XDG_DATA_HOME"); x && *x) {
    dir = std::string(x) + "/skolvarin";
  } else if (const char* h = std::getenv("HOME"); h && *h) {
    dir = std::string(h) + "/.local/share/skolvarin";
  } else {
    dir = "./skolvarin-dane";
  }
  if (dir.back() != '/') dir += '/';
  return absolute_path(dir);
}

std::string absolute_path(const std::string& path) {
  if (path.empty() || path[0] == '/') return path;
  std::error_code ec;
  auto abs = std::filesystem::absolute(path, ec);
  return ec ? path : abs.string();
}

}  // namespace skolvarin::app
