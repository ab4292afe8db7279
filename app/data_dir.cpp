#include "app/data_dir.h"

#include <cstdlib>

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
  return dir;
}

}  // namespace skolvarin::app
