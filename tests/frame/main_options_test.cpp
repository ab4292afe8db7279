// Main options at start-up: the values taken for the working year, and the
// settings file filled with every missing key on first reading.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "data/module_state.h"
#include "frame/frame_state.h"
#include "frame/main_options_step.h"

using namespace skolvarin;

namespace {

data::MainOptions options_with_distinct_rates(int year) {
  data::MainOptions o;
  o.working_year = year;
  o.vat_until_2010 = {22.5, 7.5, 3.5, 6.5};
  o.vat_from_2011 = {23.5, 8.5, 5.5, 7.5};
  return o;
}

}  // namespace

TEST(MainOptions, VatRatesFollowTheWorkingYear) {
  struct Case {
    int year;
    std::array<double, 4> rates;
  } cases[] = {{2010, {22.5, 7.5, 3.5, 6.5}}, {2011, {23.5, 8.5, 5.5, 7.5}},
               {1999, {22.5, 7.5, 3.5, 6.5}}, {2024, {23.5, 8.5, 5.5, 7.5}}};
  for (const Case& c : cases) {
    frame::reset_module();
    HostContext ctx;
    frame::apply_main_options(ctx, options_with_distinct_rates(c.year), frame::frame_state());
    EXPECT_EQ(frame::frame_state().vat_rates, c.rates) << c.year;
    EXPECT_EQ(ctx.module_kind, 3);
    EXPECT_EQ(ctx.module_year, c.year);
  }
}

TEST(MainOptions, FebruaryFollowsTheGregorianRule) {
  struct Case {
    int year, days;
  } cases[] = {{1900, 28}, {2000, 29}, {2023, 28}, {2024, 29}, {2100, 28}};
  for (const Case& c : cases) {
    frame::reset_module();
    HostContext ctx;
    frame::apply_main_options(ctx, options_with_distinct_rates(c.year), frame::frame_state());
    EXPECT_EQ(frame::month_days(2), c.days) << c.year;
    EXPECT_EQ(frame::month_days(1), 31);
  }
}

TEST(MainOptions, FirstReadingAppendsEveryKeyWithItsDefault) {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / ("frame_options_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  frame::reset_module();
  HostContext ctx;
  ctx.common_dir = ctx.current_dir = ctx.firm_dir = dir.string() + "/";
  ctx.today = {2024, 5, 17};
  data::state().ctx = &ctx;
  ASSERT_EQ(frame::load_main_options_step(&ctx), 0);
  EXPECT_EQ(ctx.module_year, 2024);
  EXPECT_EQ(ctx.module_kind, 3);
  EXPECT_EQ(frame::month_days(2), 29);
  EXPECT_EQ(frame::frame_state().vat_rates, (std::array<double, 4>{23.0, 8.0, 5.0, 7.0}));

  // Read the file with an independent DBF reader.
  fs::path script = dir / "read.py";
  std::ofstream(script) << "import dbfread,sys\n"
                           "t=dbfread.DBF(sys.argv[1])\n"
                           "rows=[(int(r['K3']),r['TY'],r['CH'],r['IN'],r['DO']) for r in t]\n"
                           "print(len(rows))\n"
                           "for r in rows:\n"
                           "  if r[0] in (3,6,62,65,56,1): print(r[0],r[1],(r[2] or '').strip(),r[3],r[4])\n";
  std::string cmd = "/usr/bin/python3 " + script.string() + " " + (dir / "W3PABVKA.DBF").string() + " > " +
                    (dir / "out.txt").string() + " 2>&1";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  std::ifstream in(dir / "out.txt");
  std::string all((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(all.substr(0, 3), "58\n") << all;  // one record per key of the group
  EXPECT_NE(all.find("3 I  2024"), std::string::npos) << all;
  EXPECT_NE(all.find("6 C A"), std::string::npos) << all;
  EXPECT_NE(all.find("65 D  None 23.0"), std::string::npos) << all;
  EXPECT_NE(all.find("56 D  None 22.0"), std::string::npos) << all;

  // A second reading appends nothing.
  frame::reset_module();
  data::state().ctx = &ctx;
  ASSERT_EQ(frame::load_main_options_step(&ctx), 0);
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  std::ifstream again(dir / "out.txt");
  std::string second((std::istreambuf_iterator<char>(again)), {});
  EXPECT_EQ(second.substr(0, 3), "58\n");
  fs::remove_all(dir);
}
