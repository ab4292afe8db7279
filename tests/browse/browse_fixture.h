// A virtual 80 x 25 screen, a fresh directory with the test register's
// table, and the test register's resources registered with the host.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/core/errors.h"
#include "host/term/key_script.h"
#include "host/term/virtual_terminal.h"
#include "host/ui/screen.h"
#include "tests/browse/test_register.h"

namespace browsetest {

namespace fs = std::filesystem;

inline bool contains(const std::string& text, const std::string& what) {
  return text.find(what) != std::string::npos;
}

// True when a live record of the test table has this code.
inline bool find(Table& t, const char* kod) {
  for (long r = 1; r <= d4reccount(t.data); ++r) {
    d4go(t.data, r);
    if (!d4deleted(t.data) && f4trim(t.kod) == kod) return true;
  }
  return false;
}

class BrowseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static int serial = 0;
    dir = fs::temp_directory_path() / ("skolvarin_browse_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
    fs::remove_all(dir);
    fs::create_directories(dir);
    ctx.current_dir = dir.string() + "/";
    ctx.firm_dir = ctx.current_dir;
    ctx.common_dir = ctx.current_dir;
    ctx.today = HostDate{2024, 5, 17};
    ctx.user_name = "KSIĘGOWA";
    ctx.firm_name1 = "Firma Próbna Sp. z o.o.";
    previous = skolvarin::host::set_error_sink(
        [this](HostContext*, int, const std::string& m) { errors.push_back(m); });
    ASSERT_EQ(EnvAddRcsObj(&ctx, resources, 3), 0);
    ASSERT_EQ(open_table(&ctx, t), 0);
  }
  void TearDown() override {
    d4close_all(&ctx);
    skolvarin::host::set_error_sink(previous);
    fs::remove_all(dir);
  }
  void type(const std::string& script) {
    std::vector<skolvarin::term::ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(skolvarin::term::parse_key_script(script, steps, error)) << error;
    terminal.add_steps(steps);
  }
  // Dumps taken by <dump> steps, one screen each.
  std::vector<std::string> dumps() const {
    std::vector<std::string> out;
    const std::string& all = terminal.dump_text();
    std::string sep(80, '=');
    size_t start = 0;
    for (;;) {
      size_t at = all.find(sep, start);
      if (at == std::string::npos) break;
      out.push_back(all.substr(start, at - start));
      start = at + sep.size() + 1;
    }
    return out;
  }
  long live_rows() {
    long n = 0;
    for (long r = 1; r <= d4reccount(t.data); ++r) {
      d4go(t.data, r);
      if (!d4deleted(t.data)) ++n;
    }
    return n;
  }

  fs::path dir;
  HostContext ctx;
  Table t;
  std::vector<std::string> errors;
  skolvarin::host::ErrorSink previous;
  skolvarin::term::VirtualTerminal terminal{25, 80};
  skolvarin::host::Screen screen{terminal};
  skolvarin::host::ScreenBinding binding{screen};
};

}  // namespace browsetest
