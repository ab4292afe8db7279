// Running the real program for the dictionaries' end-to-end tests: a fresh
// data directory made by `skolvarin init`, headless key scripts with their
// screen dumps, and the tables read back by `skolvarin tabela --csv`.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace dict_e2e {

namespace fs = std::filesystem;

inline std::string bin_dir() {
  const char* bin = std::getenv("SKOLVARIN_BIN");
  return bin ? bin : SKOLVARIN_BINARY_DIR "/bin";
}

inline std::string run_capture(const std::string& cmd, int* exit_code = nullptr) {
  std::string out;
  FILE* p = ::popen(cmd.c_str(), "r");
  if (!p) return out;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  int rc = ::pclose(p);
  if (exit_code) *exit_code = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  return out;
}

using Screen = std::vector<std::string>;

struct KeyRun {
  int exit_code = -1;
  std::vector<Screen> screens;  // each <dump>, by rows
  std::string all() const {
    std::string s;
    for (const auto& sc : screens)
      for (const auto& r : sc) s += r + "\n";
    return s;
  }
};

inline bool has_row(const Screen& screen, const std::string& text) {
  for (const auto& row : screen)
    if (row.find(text) != std::string::npos) return true;
  return false;
}

inline std::string dump(const Screen& screen) {
  std::string s;
  for (const auto& r : screen) s += r + "\n";
  return s;
}

// One data directory per test: created by `skolvarin init`, removed at the end.
class DataDir {
 public:
  // `today` (RRRR-MM-DD, optional): the date the data directory is made on,
  // which gives its working year.
  explicit DataDir(const std::string& name, const std::string& today = "") {
    root_ = fs::temp_directory_path() / ("dicts_e2e_" + std::to_string(::getpid()) + "_" + name);
    fs::remove_all(root_);
    fs::create_directories(root_);
    int rc = -1;
    init_output_ = run_capture(bin_dir() + "/skolvarin init --data " + data().string() +
                                   (today.empty() ? "" : " --dzis " + today) + " 2>&1",
                               &rc);
    init_ok_ = rc == 0;
  }
  ~DataDir() {
    if (!std::getenv("DICTS_E2E_KEEP")) fs::remove_all(root_);
  }
  bool ok() const { return init_ok_; }
  const std::string& init_output() const { return init_output_; }
  fs::path data() const { return root_ / "data"; }
  fs::path root() const { return root_; }

  // Types `keys` into the program (main menu first); dumps where <dump> is.
  KeyRun keys(const std::string& keys, const std::string& today = "2026-12-05") const {
    fs::path script = root_ / "keys.txt", screen = root_ / "screen.txt";
    std::ofstream(script) << keys;
    fs::remove(screen);
    std::string cmd = bin_dir() + "/skolvarin --data " + data().string() + " --dzis " + today + " --keys " +
                      script.string() + " --screen " + screen.string() + " > " + (root_ / "run.log").string() +
                      " 2>&1";
    KeyRun run;
    int rc = std::system(cmd.c_str());
    run.exit_code = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    std::ifstream in(screen);
    std::string line;
    run.screens.emplace_back();
    while (std::getline(in, line)) {
      if (line.rfind("=====", 0) == 0) {
        run.screens.emplace_back();
        continue;
      }
      run.screens.back().push_back(line);
    }
    if (run.screens.back().empty()) run.screens.pop_back();
    return run;
  }

  // Path of a table: firm tables under the firm directory, shared ones under
  // the shared directory (found by name under the data directory).
  fs::path table(const std::string& name) const {
    for (auto& e : fs::recursive_directory_iterator(data()))
      if (e.is_regular_file() && e.path().filename() == name) return e.path();
    return {};
  }

  // Live records of a table as maps field -> trimmed text.
  std::vector<std::map<std::string, std::string>> records(const std::string& name) const {
    std::vector<std::map<std::string, std::string>> out;
    fs::path p = table(name);
    if (p.empty()) return out;
    std::string csv = run_capture(bin_dir() + "/skolvarin tabela " + p.string() + " --csv 2>/dev/null");
    std::istringstream in(csv);
    std::string line;
    std::vector<std::string> header;
    auto split = [](const std::string& l) {
      std::vector<std::string> cells;
      std::string cell;
      bool quoted = false;
      for (size_t i = 0; i < l.size(); ++i) {
        char c = l[i];
        if (quoted) {
          if (c == '"' && i + 1 < l.size() && l[i + 1] == '"') { cell += '"'; ++i; }
          else if (c == '"') quoted = false;
          else cell += c;
        } else if (c == '"') {
          quoted = true;
        } else if (c == ';') {
          cells.push_back(cell);
          cell.clear();
        } else {
          cell += c;
        }
      }
      cells.push_back(cell);
      for (auto& s : cells) {
        size_t b = s.find_first_not_of(' '), e = s.find_last_not_of(' ');
        s = b == std::string::npos ? "" : s.substr(b, e - b + 1);
      }
      return cells;
    };
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      auto cells = split(line);
      if (header.empty()) {
        header = cells;
        continue;
      }
      std::map<std::string, std::string> rec;
      for (size_t i = 0; i < header.size() && i < cells.size(); ++i) rec[header[i]] = cells[i];
      out.push_back(rec);
    }
    return out;
  }

 private:
  fs::path root_;
  std::string init_output_;
  bool init_ok_ = false;
};

// Live records whose field `name` equals `value`, and the first of them.
inline size_t count_where(const std::vector<std::map<std::string, std::string>>& recs, const std::string& name,
                          const std::string& value) {
  size_t n = 0;
  for (const auto& r : recs)
    if (r.count(name) && r.at(name) == value) ++n;
  return n;
}
inline const std::map<std::string, std::string>* find_where(const std::vector<std::map<std::string, std::string>>& recs,
                                                            const std::string& name, const std::string& value) {
  for (const auto& r : recs)
    if (r.count(name) && r.at(name) == value) return &r;
  return nullptr;
}

// Sets main option `key` of the data directory (tests/dictionaries/set_main_option.py).
inline bool set_option(const DataDir& dir, int key, const std::string& value) {
  std::string cmd = "/usr/bin/python3 " SKOLVARIN_SOURCE_DIR "/tests/dictionaries/set_main_option.py " +
                    dir.data().string() + " " + std::to_string(key) + " " + value;
  return std::system(cmd.c_str()) == 0;
}

}  // namespace dict_e2e
