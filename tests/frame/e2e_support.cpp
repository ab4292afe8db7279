#include "tests/frame/e2e_support.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "data/data_directory.h"
#include "data/firm_data_table.h"
#include "data/main_options.h"
#include "data/module_state.h"
#include "data/openers.h"
#include "host/api/db_api.h"

namespace fs = std::filesystem;
namespace data = skolvarin::data;

namespace frame_e2e {

namespace {

std::string bin_dir() {
  const char* b = std::getenv("SKOLVARIN_BIN");
  return b ? b : SKOLVARIN_BINARY_DIR "/bin";
}

// A context on `root` for work with the table engine inside the test.
struct EngineSession {
  HostContext ctx;
  explicit EngineSession(const fs::path& root) {
    ctx.today = {2026, 12, 5};
    data::reset_state();
    data::state().ctx = &ctx;
    std::string error;
    bool opened = data::open_data_directory(ctx, root.string(), error);
    EXPECT_TRUE(opened) << error;
  }
  ~EngineSession() {
    data::close_all_tables(&ctx);
    data::reset_state();
  }
};

}  // namespace

KeyRun run_keys(const fs::path& data, const std::string& keys, const std::string& dzis, const std::string& extra) {
  fs::path work = data.parent_path() / (data.filename().string() + "_run");
  fs::create_directories(work);
  std::ofstream(work / "keys.txt", std::ios::binary) << keys;
  fs::remove(work / "screen.txt");
  std::string cmd = bin_dir() + "/skolvarin --data " + data.string() + " --dzis " + dzis + " --keys " +
                    (work / "keys.txt").string() + " --screen " + (work / "screen.txt").string() +
                    (extra.empty() ? "" : " " + extra) + " > " + (work / "out.txt").string() + " 2>&1";
  KeyRun run;
  int rc = std::system(cmd.c_str());
  run.exit_code = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  std::ifstream in(work / "screen.txt", std::ios::binary);
  std::string line;
  run.screens.emplace_back();
  while (std::getline(in, line)) {
    if (line == std::string(80, '=')) {
      run.screens.emplace_back();
      continue;
    }
    run.screens.back().push_back(line);
  }
  if (run.screens.back().empty()) run.screens.pop_back();
  return run;
}

bool has_row(const Screen& screen, const std::string& text) {
  for (const auto& row : screen)
    if (row.find(text) != std::string::npos) return true;
  return false;
}

std::string screen_text(const Screen& screen) {
  std::string out;
  for (const auto& row : screen) out += row + "\n";
  return out;
}

std::string read_text(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

DataDir::DataDir(const std::string& name, int working_year) {
  root_ = fs::temp_directory_path() / ("frame_e2e_" + name + "_" + std::to_string(::getpid())) / "dane";
  fs::remove_all(root_.parent_path());
  fs::create_directories(root_.parent_path());
  HostContext ctx;
  ctx.today = {working_year, 12, 5};
  data::reset_state();
  data::state().ctx = &ctx;
  std::vector<std::string> created;
  std::string error;
  EXPECT_EQ(data::init_data_directory(ctx, root_.string(), created, error), 0) << error;
  data::close_all_tables(&ctx);
  data::reset_state();
}

DataDir::~DataDir() { fs::remove_all(root_.parent_path()); }

long DataDir::add_firm(const std::string& naz, const std::string& kat, const std::string& uwa,
                       const std::string& name1, const std::string& name2, bool make_directory) {
  EngineSession s(root_);
  long record = 0;
  if (data::open_w3kata(0) == 0) {
    data::TableHandles& h = data::handles("W3KATA.DBF");
    EXPECT_EQ(d4append_start(h.data), 0);
    f4assign(h.field("NAZ"), naz.c_str());
    f4assign(h.field("KAT"), kat.c_str());
    f4assign(h.field("UWA"), uwa.c_str());
    EXPECT_EQ(d4append(h.data), 0);
    record = d4reccount(h.data);
    data::close_all_tables(&s.ctx);
  } else {
    ADD_FAILURE() << "the firm catalogue does not open";
  }
  if (!make_directory) return record;
  fs::create_directories(firm(kat));
  EXPECT_EQ(ChangeDir(&s.ctx, (kat + "/").c_str(), 12), 0);
  EXPECT_EQ(data::open_firm_data(&s.ctx), 0);
  data::TableHandles& firm_data = data::handles("W3PAWL.DBF");
  f4assign(firm_data.field("NA1"), name1.c_str());
  f4assign(firm_data.field("NA2"), name2.c_str());
  EXPECT_EQ(d4write(firm_data.data, 0), 0);
  return record;
}

void DataDir::add_access(int jk, long wm) {
  EngineSession s(root_);
  ASSERT_EQ(data::open_w3kapa(0), 0);
  data::TableHandles& h = data::handles("W3KAPA.DBF");
  ASSERT_EQ(d4append_start(h.data), 0);
  f4assign_int(h.field("JK"), jk);
  f4assign_long(h.field("WM"), wm);
  EXPECT_EQ(d4append(h.data), 0);
}

void DataDir::deny_rights(const std::string& rights) {
  std::ofstream(common() / "uprawnienia.cfg") << "1=" << rights << "\n";
}

void DataDir::set_working_year(int year) {
  EngineSession s(root_);
  data::MainOptions options;
  ASSERT_EQ(data::load_main_options(s.ctx, options), 0);
  options.working_year = year;
  ASSERT_EQ(data::save_main_options(s.ctx, options), 0);
}

std::string DataDir::log() const { return read_text(common() / "skolvarin.log"); }

}  // namespace frame_e2e
