// The data directory: init builds a working directory and is idempotent,
// open fills the context, and the commands init and sprawdz run end to end
// through the built program.
#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/catalogue.h"
#include "data/data_directory.h"
#include "data/module_state.h"
#include "host/api/db_api.h"
#include "tests/support/program_run.h"

namespace skolvarin::data {
namespace {

namespace fs = std::filesystem;

class DataDirectory : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = (fs::temp_directory_path() /
             ("skolvarin_dd_" + std::to_string(::getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                .string() +
            "/";
    fs::remove_all(root_);
    reset_state();
    ctx_.today = HostDate{2025, 3, 10};
    state().ctx = &ctx_;
  }
  void TearDown() override {
    close_all_tables(&ctx_);
    reset_state();
    fs::remove_all(root_);
  }
  std::string root_;
  HostContext ctx_;
};

std::string bytes_of(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST_F(DataDirectory, InitMakesAWorkingDirectoryWithTheDemoFirm) {
  std::vector<std::string> created;
  std::string error;
  ASSERT_EQ(init_data_directory(ctx_, root_ + "a/b", created, error), 0) << error;
  std::string root = root_ + "a/b/";
  EXPECT_EQ(ctx_.data_root, root);
  EXPECT_EQ(ctx_.common_dir, root + "wspolne/");
  EXPECT_EQ(ctx_.shared_dir, root + "dzielone/");
  EXPECT_EQ(ctx_.firm_dir, root + "firmy/DEMO/");
  EXPECT_EQ(ctx_.current_dir, ctx_.firm_dir);
  EXPECT_EQ(ctx_.firm_name1, kDemoFirmName);
  EXPECT_EQ(ctx_.user_name, "ADMINISTRATOR");
  EXPECT_EQ(ctx_.user_number, 1);
  for (const char* f : {"wspolne/W3KATA.DBF", "wspolne/W3KAPA.DBF", "wspolne/W3PAOS.DBF",
                        "wspolne/W3PABVKA.DBF", "firmy/DEMO/W3PAWL.DBF"})
    EXPECT_TRUE(fs::exists(root + f)) << f;

  // The main options hold the run's year as the working year.
  ctx_.current_dir = ctx_.common_dir;
  DATA4* opts = d4open(&ctx_, "W3PABVKA.DBF");
  ASSERT_NE(opts, nullptr);
  int year = 0;
  for (int rc = d4top(opts); rc == 0; rc = d4skip(opts, 1))
    if (f4int(d4field(opts, "K3")) == 3) year = f4int(d4field(opts, "IN"));
  d4close(opts);
  EXPECT_EQ(year, 2025);
}

TEST_F(DataDirectory, InitTwiceChangesNothing) {
  std::vector<std::string> created;
  std::string error;
  ASSERT_EQ(init_data_directory(ctx_, root_, created, error), 0) << error;
  EXPECT_GE(created.size(), 9u);
  std::map<std::string, std::string> before;
  for (auto& e : fs::recursive_directory_iterator(root_))
    if (e.is_regular_file() && e.path().extension() == ".DBF") before[e.path()] = bytes_of(e.path());

  HostContext again;
  again.today = HostDate{2026, 1, 2};  // another day must not change the options either
  state().ctx = &again;
  std::vector<std::string> created2;
  ASSERT_EQ(init_data_directory(again, root_, created2, error), 0) << error;
  EXPECT_TRUE(created2.empty());
  for (const auto& [path, bytes] : before) EXPECT_EQ(bytes_of(path), bytes) << path;
  close_all_tables(&again);
}

TEST_F(DataDirectory, OpenReportsAMissingDirectoryInPolish) {
  std::string error;
  EXPECT_FALSE(open_data_directory(ctx_, root_ + "nie_ma", error));
  EXPECT_NE(error.find("nie istnieje"), std::string::npos);
  EXPECT_NE(error.find("skolvarin init"), std::string::npos);
}

TEST_F(DataDirectory, OpenChoosesAFirmByNameAndResolvesItsDirectory) {
  std::vector<std::string> created;
  std::string error;
  ASSERT_EQ(init_data_directory(ctx_, root_, created, error), 0) << error;
  EXPECT_EQ(firm_directory(ctx_, "X"), root_ + "firmy/X/");
  EXPECT_EQ(firm_directory(ctx_, "/abs/dir"), "/abs/dir/");
  EXPECT_EQ(firm_directory(ctx_, "KAT\\SUB  "), root_ + "firmy/KAT/SUB/");
  HostContext other;
  state().ctx = &other;
  ASSERT_TRUE(open_data_directory(other, root_, error, "demo")) << error;
  EXPECT_EQ(other.firm_dir, root_ + "firmy/DEMO/");
  EXPECT_EQ(other.firm_name_part, "DEMO");
  EXPECT_FALSE(open_data_directory(other, root_, error, "INNA"));
  EXPECT_NE(error.find("INNA"), std::string::npos);
}

// A relative firm directory that climbs out of firmy/ is refused by the
// module's resolution, by the host's change to a firm directory and when the
// catalogue names such a firm; nothing is created outside the data directory.
TEST_F(DataDirectory, RelativeFirmDirectoryLeavingTheFirmsDirectoryIsRefused) {
  std::vector<std::string> created;
  std::string error;
  ASSERT_EQ(init_data_directory(ctx_, root_, created, error), 0) << error;
  for (const char* bad : {"../../x", "..", "A/../..", "./../firmy/DEMO", "A/.."})
    EXPECT_EQ(firm_directory(ctx_, bad), "") << bad;
  EXPECT_EQ(firm_directory(ctx_, "A/../B"), root_ + "firmy/A/../B/");
  fs::create_directories(root_ + "x");
  EXPECT_NE(ChangeDir(&ctx_, "../x", 12), 0);
  EXPECT_NE(ctx_.firm_dir, root_ + "firmy/../x/");
  close_all_tables(&ctx_);

  ctx_.current_dir = ctx_.common_dir;
  DATA4* kata = d4open(&ctx_, "W3KATA.DBF");
  ASSERT_NE(kata, nullptr);
  ASSERT_EQ(d4go(kata, 1), 0);
  f4assign(d4field(kata, "KAT"), "../../ucieczka");
  ASSERT_EQ(d4close(kata), 0);
  HostContext other;
  state().ctx = &other;
  EXPECT_FALSE(open_data_directory(other, root_, error));
  EXPECT_NE(error.find("wychodzi poza katalog firm"), std::string::npos) << error;
  EXPECT_TRUE(other.firm_dir.empty()) << other.firm_dir;
}

// Runs the built program; returns its exit code and output.
int run(const std::string& args, std::string& output) {
  skolvarin::testing_support::ProgramRun r = skolvarin::testing_support::run_command(
      skolvarin::testing_support::program() + " --dzis 2024-06-30 " + args + " 2>&1");
  output = r.out;
  return r.status;
}

TEST_F(DataDirectory, CommandsInitAndSprawdzEndToEnd) {
  std::string out;
  ASSERT_EQ(run("init --data " + root_, out), 0) << out;
  EXPECT_NE(out.find("utworzono wspolne/W3KATA.DBF"), std::string::npos) << out;
  ASSERT_EQ(run("init --data " + root_, out), 0) << out;
  EXPECT_NE(out.find("nic nie zmieniono"), std::string::npos) << out;

  ASSERT_EQ(run("sprawdz --data " + root_, out), 0) << out;
  EXPECT_NE(out.find("problemów: 0"), std::string::npos) << out;

  // --utworz makes every missing table, per-year ones for --rok.
  ASSERT_EQ(run("sprawdz --utworz --rok 2023 --data " + root_, out), 0) << out;
  EXPECT_TRUE(fs::exists(root_ + "firmy/DEMO/W3PENS23.DBF"));
  EXPECT_TRUE(fs::exists(root_ + "dzielone/W3PAPL23.DBF"));
  EXPECT_TRUE(fs::exists(root_ + "dzielone/W3KRAJ.DBF"));
  EXPECT_FALSE(fs::exists(root_ + "firmy/DEMO/TmpPLEW.DBF"));

  // A damaged table: cut in the middle of its records.
  std::string path = root_ + "wspolne/W3KATA.DBF";
  auto size = fs::file_size(path);
  fs::resize_file(path, size - 30);
  EXPECT_EQ(run("sprawdz --data " + root_, out), 1) << out;
  EXPECT_NE(out.find("W3KATA.DBF: nagłówek podaje 1 rekordów"), std::string::npos) << out;

  // Reading the damaged table changes nothing: sprawdz still sees the damage.
  // Only sprawdz --napraw repairs, keeping the damaged file and logging it.
  const std::string damaged = bytes_of(path);
  EXPECT_EQ(run("tabela " + path, out), 1) << out;
  EXPECT_NE(out.find("jest uszkodzona"), std::string::npos) << out;
  EXPECT_EQ(run("sprawdz --data " + root_, out), 1) << out;
  EXPECT_EQ(bytes_of(path), damaged);
  EXPECT_EQ(run("sprawdz --napraw --data " + root_, out), 0) << out;
  EXPECT_NE(out.find("naprawiono " + path), std::string::npos) << out;
  EXPECT_NE(out.find("pozostało problemów: 0"), std::string::npos) << out;
  EXPECT_EQ(bytes_of(root_ + "wspolne/W3KATA.USZ"), damaged);
  EXPECT_NE(bytes_of(root_ + "wspolne/skolvarin.log").find("naprawiono tabelę " + path), std::string::npos);
  EXPECT_EQ(run("sprawdz --data " + root_, out), 0) << out;

  EXPECT_EQ(run("sprawdz --rok abc --data " + root_, out), 2) << out;
  EXPECT_NE(out.find("błędny rok"), std::string::npos) << out;
}

}  // namespace
}  // namespace skolvarin::data
