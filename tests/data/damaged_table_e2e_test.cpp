// End to end: a register whose table is damaged does not open in the
// program; a window says what is wrong and how to repair it, and the file
// is left exactly as it was.
#include <gtest/gtest.h>

#include "tests/dictionaries/e2e_support.h"

namespace {

namespace fs = std::filesystem;
using dict_e2e::DataDir;
using dict_e2e::dump;
using dict_e2e::has_row;

std::string file_bytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(DamagedTableEndToEnd, RegisterOnADamagedTableShowsAWindowAndChangesNothing) {
  DataDir dir("uszkodzona");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  // The accounts register makes its table on first use; two records in it.
  auto made = dir.keys("ond1111111<Enter>Pierwsze<F2>d2222222<Enter>Drugie<F2><Esc><Esc><Esc>");
  ASSERT_EQ(made.exit_code, 0);
  fs::path table = dir.table("W3KONT.DBF");
  ASSERT_FALSE(table.empty());
  ASSERT_EQ(dir.records("W3KONT.DBF").size(), 2u);
  // The header says 9 records: 7 of them are not there.
  std::string damaged = file_bytes(table);
  damaged[4] = 9;
  std::ofstream(table, std::ios::binary | std::ios::trunc) << damaged;

  auto run = dir.keys("on<dump><Enter><Esc><Esc><Esc>");
  ASSERT_FALSE(run.screens.empty());
  EXPECT_TRUE(has_row(run.screens[0], "uszkodzona")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[0], "napraw")) << dump(run.screens[0]);
  EXPECT_FALSE(has_row(run.screens[0], "Pierwsze")) << dump(run.screens[0]);
  EXPECT_EQ(file_bytes(table), damaged);
}

}  // namespace
