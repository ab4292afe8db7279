// Settings groups over real settings files: defaults appended once per key,
// values read back and written, uniqueness by key, and the main options.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "data/catalogue.h"
#include "data/main_options.h"
#include "data/opener.h"
#include "data/settings.h"
#include "data_fixture.h"
#include "host/api/screen_api.h"
#include "host/core/errors.h"

namespace skolvarin::data {
namespace {

using testing::DataDirTest;

struct Values {
  char flag = 0;
  int number = 0;
  std::string text;
  double amount = 0;
};

SettingsGroup group_of(Values& v) {
  SettingsGroup g;
  g.label = "ZUS";
  g.table = find_table("W3PAZU.DBF");
  g.keys = {SettingKey::flag(1, &v.flag, 'T'), SettingKey::integer(2, &v.number, 42),
            SettingKey::text(3, &v.text, 10, "Łódź wschód i zachód"), SettingKey::number(7, &v.amount, 12.34)};
  return g;
}

long records_of(HostContext* ctx, const char* file) {
  EXPECT_EQ(open_table(ctx, file), 0);
  long n = d4reccount(handles(file).data);
  close_table(*find_table(file));
  return n;
}

TEST(Settings, SeekKeyIsRightAlignedNumbersAndTheTypeLetter) {
  EXPECT_EQ(settings_seek_key(1, 1, 3, 'I'), "  1  1  3I");
  EXPECT_EQ(settings_seek_key(1, 1, 125, 'C'), "  1  1125C");
  EXPECT_EQ(type_letter(SettingType::Flag), 'C');
  EXPECT_EQ(type_letter(SettingType::Text), 'C');
  EXPECT_EQ(type_letter(SettingType::Double), 'D');
}

TEST(Settings, EverySettingsFileHasItsLabel) {
  int labelled = 0;
  for (const auto& e : catalogue()) {
    EXPECT_EQ(settings_label(e.file)[0] != 0, e.settings) << e.file;
    labelled += e.settings;
  }
  EXPECT_EQ(labelled, 7);
  EXPECT_STREQ(settings_label("W3PAPL  .DBF"), "PARAMETRY PŁACOWE");
  EXPECT_STREQ(settings_label("W3PABV%s.DBF"), "OPCJE GŁÓWNE");
}

TEST_F(DataDirTest, EmptySettingsFileGetsOneRecordPerKeyWithDefaults) {
  Values v;
  ASSERT_EQ(read_settings(&ctx_, group_of(v), 0), 0);
  EXPECT_EQ(v.flag, 'T');
  EXPECT_EQ(v.number, 42);
  EXPECT_EQ(v.text, "Łódź wschó");  // cut to 10 characters
  EXPECT_DOUBLE_EQ(v.amount, 12.34);
  EXPECT_EQ(records_of(&ctx_, "W3PAZU.DBF"), 4);
  EXPECT_FALSE(handles("W3PAZU.DBF").open());  // the group closes its file

  // Read back into fresh variables: the stored values, and nothing appended.
  Values again;
  ASSERT_EQ(read_settings(&ctx_, group_of(again), 0), 0);
  EXPECT_EQ(again.flag, 'T');
  EXPECT_EQ(again.number, 42);
  EXPECT_EQ(again.text, "Łódź wschó");
  EXPECT_DOUBLE_EQ(again.amount, 12.34);
  EXPECT_EQ(records_of(&ctx_, "W3PAZU.DBF"), 4);
}

TEST_F(DataDirTest, WrittenSettingsAreReadBackAndStayUniqueByKey) {
  Values v;
  ASSERT_EQ(read_settings(&ctx_, group_of(v), 0), 0);
  v.flag = 'N';
  v.number = -7;
  v.text = "Gdańsk";
  v.amount = 99999999.99;
  ASSERT_EQ(write_settings(&ctx_, group_of(v), 0), 0);
  ASSERT_EQ(write_settings(&ctx_, group_of(v), 0), 0);
  EXPECT_EQ(records_of(&ctx_, "W3PAZU.DBF"), 4);
  Values back;
  ASSERT_EQ(read_settings(&ctx_, group_of(back), 0), 0);
  EXPECT_EQ(back.flag, 'N');
  EXPECT_EQ(back.number, -7);
  EXPECT_EQ(back.text, "Gdańsk");
  EXPECT_DOUBLE_EQ(back.amount, 99999999.99);

  // The file seen by another tool: one record per (K3, TY), values in place.
  std::string script = std::string(SKOLVARIN_SOURCE_DIR) + "/tests/data/dump_settings.py";
  std::string out_path = firm("dump.txt");
  std::string cmd = "/usr/bin/python3 " + script + " " + firm("W3PAZU.DBF") + " > " + out_path;
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  std::ifstream in(out_path);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(),
            "1 1 1 C N\n"
            "1 1 2 I -7\n"
            "1 1 3 C Gdańsk\n"
            "1 1 7 D 99999999.99\n");
}

TEST_F(DataDirTest, GroupThatCannotBeReadKeepsDefaultsAndShowsItsLabel) {
  std::filesystem::remove_all(ctx_.firm_dir);  // nowhere to open the file
  std::vector<std::string> messages;
  auto old = host::set_error_sink(
      [&](HostContext*, int, const std::string& m) { messages.push_back(m); });
  Values v;
  v.number = 5;
  ::testing::internal::CaptureStderr();  // without a screen the box text goes to stderr
  int rc = read_settings(&ctx_, group_of(v), 0);
  messages.push_back(::testing::internal::GetCapturedStderr());
  host::set_error_sink(old);
  EXPECT_EQ(rc, -1);
  EXPECT_EQ(v.number, 42);  // the default is in place
  EXPECT_EQ(v.flag, 'T');
  bool labelled = false;
  for (const auto& m : messages) labelled |= m.find("ustawień ZUS") != std::string::npos;
  EXPECT_TRUE(labelled);
}

TEST_F(DataDirTest, MainOptionsGetTheirDefaultsAndWorkingYear) {
  MainOptions o;
  ASSERT_EQ(load_main_options(ctx_, o), 0);
  EXPECT_EQ(o.working_year, 2024);  // today's year
  EXPECT_EQ(o.key6, 'A');
  EXPECT_EQ(o.key39, 54);
  EXPECT_EQ(o.export_directory, EnvFindString("A:"));
  EXPECT_DOUBLE_EQ(o.flat_tax_rate, 19.0);
  EXPECT_EQ(ctx_.option_flags[2], 'N');  // key 25
  EXPECT_EQ(current_vat_rates(o), (std::array<double, 4>{23.0, 8.0, 5.0, 7.0}));
  o.working_year = 2010;
  EXPECT_EQ(current_vat_rates(o), (std::array<double, 4>{22.0, 7.0, 3.0, 6.0}));
  EXPECT_TRUE(exists(ctx_.common_dir + "W3PABVKA.DBF"));
  EXPECT_EQ(records_of(&ctx_, "W3PABV%s.DBF"), 58);

  o.working_year = 2011;
  o.vat_from_2011[0] = 24.0;
  ASSERT_EQ(save_main_options(ctx_, o), 0);
  MainOptions back;
  ASSERT_EQ(load_main_options(ctx_, back), 0);
  EXPECT_EQ(back.working_year, 2011);
  EXPECT_DOUBLE_EQ(current_vat_rates(back)[0], 24.0);
}

TEST(MainOptions, FebruaryFollowsTheGregorianRule) {
  struct {
    int year, days;
  } cases[] = {{1900, 28}, {2000, 29}, {2023, 28}, {2024, 29}, {2100, 28}};
  for (auto c : cases) EXPECT_EQ(february_days(c.year), c.days) << c.year;
}

}  // namespace
}  // namespace skolvarin::data
