// A fresh data directory in the temporary directory for one test, with the
// host context pointed at it and the module state reset.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "data/data_directory.h"
#include "data/module_state.h"
#include "host/api/db_api.h"

namespace skolvarin::data::testing {

class DataDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    namespace fs = std::filesystem;
    root_ = (fs::temp_directory_path() /
             ("skolvarin_data_" + std::to_string(::getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                .string() +
            "/";
    fs::remove_all(root_);
    for (const char* d : {kCommonSubdir, kSharedSubdir, kFirmsSubdir}) fs::create_directories(root_ + d);
    fs::create_directories(root_ + kFirmsSubdir + "F1/");
    reset_state();
    ctx_.today = HostDate{2024, 5, 15};
    ctx_.data_root = root_;
    ctx_.common_dir = root_ + kCommonSubdir;
    ctx_.shared_dir = root_ + kSharedSubdir;
    ctx_.firms_dir = root_ + kFirmsSubdir;
    ctx_.firm_dir = ctx_.firms_dir + "F1/";
    ctx_.current_dir = ctx_.firm_dir;
    state().ctx = &ctx_;
    state().options.working_year = 2024;
  }
  void TearDown() override {
    close_all_tables(&ctx_);
    reset_state();
    std::filesystem::remove_all(root_);
  }
  std::string firm(const std::string& name) const { return ctx_.firm_dir + name; }
  bool exists(const std::string& path) const { return std::filesystem::exists(path); }

  std::string root_;
  HostContext ctx_;
};

}  // namespace skolvarin::data::testing
