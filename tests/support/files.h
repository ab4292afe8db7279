// Scratch folders and whole-file reads for tests.
//
// make_temp_dir() creates a new, empty folder /tmp/<prefix>-XXXXXX that no
// other test or process shares and returns its path without a trailing '/'
// ("" when it cannot be created).  read_file() returns a file's bytes as they
// are ("" for a file that cannot be read).
#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace skolvarin::testing_support {

inline std::string make_temp_dir(const std::string& prefix) {
  std::string tmpl = "/tmp/" + prefix + "-XXXXXX";
  const char* made = mkdtemp(tmpl.data());
  return made ? std::string(made) : std::string();
}

inline std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

}  // namespace skolvarin::testing_support
