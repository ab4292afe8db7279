// Defects of lists and forms found in use, each run through the real
// program on a fresh data directory.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/support/files.h"
#include "tests/support/program_run.h"

namespace skolvarin {
namespace {

using testing_support::make_temp_dir;
using testing_support::program;
using testing_support::read_file;
using testing_support::run_command;

using Dump = std::vector<std::string>;  // the 25 rows of one screen

class ListDefects : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = make_temp_dir("listy");
    ASSERT_EQ(run_command(program() + " init --data " + dir_ + " >/dev/null").status, 0);
  }
  std::vector<Dump> run(const std::string& keys) {
    { std::ofstream(dir_ + "/keys.txt") << keys; }
    run_command(program() + " --data " + dir_ + " --dzis 2026-03-02 --keys " + dir_ + "/keys.txt --screen " + dir_ +
                "/screen.txt >/dev/null 2>&1");
    std::vector<Dump> dumps(1);
    std::string text = read_file(dir_ + "/screen.txt"), line;
    for (size_t at = 0; at < text.size();) {
      size_t nl = text.find('\n', at);
      line = text.substr(at, nl - at);
      at = nl == std::string::npos ? text.size() : nl + 1;
      if (line == std::string(80, '=')) dumps.emplace_back();
      else dumps.back().push_back(line);
    }
    if (dumps.back().empty()) dumps.pop_back();
    return dumps;
  }
  std::string dir_;
};

TEST_F(ListDefects, HelpLineOffersOnlyKeysThatWork) {
  // Countries and exchange rates have no add, modify or delete key; tax
  // offices only modify (F5); contractors add and delete.
  auto d = run("oe<dump><Esc>oy<dump><Esc>ou<dump><Esc>ok<dump><Esc>");
  ASSERT_EQ(d.size(), 4u);
  struct Expect {
    const char* list;
    bool ins, f5, del;
  };
  const Expect expect[] = {{"countries", false, false, false},
                           {"exchange rates", false, false, false},
                           {"tax offices", false, true, false},
                           {"contractors", true, false, true}};
  for (size_t i = 0; i < 4; ++i) {
    const std::string& help = d[i].back();
    EXPECT_EQ(help.find("Ins-") != std::string::npos, expect[i].ins) << expect[i].list << ": " << help;
    EXPECT_EQ(help.find("F5-") != std::string::npos, expect[i].f5) << expect[i].list << ": " << help;
    EXPECT_EQ(help.find("Del-") != std::string::npos, expect[i].del) << expect[i].list << ": " << help;
    EXPECT_NE(help.find("Esc-Wyjście"), std::string::npos) << help;
  }
}

}  // namespace
}  // namespace skolvarin
