// Key scripts of headless runs: text, key tokens and dumps.
#include <gtest/gtest.h>

#include "host/api/screen_api.h"
#include "host/term/key_script.h"

namespace {

namespace k = skolvarin::keys;
using skolvarin::term::key_from_name;
using skolvarin::term::key_name;
using skolvarin::term::parse_key_script;
using skolvarin::term::ScriptStep;

std::vector<int> keys_of(const std::string& script) {
  std::vector<ScriptStep> steps;
  std::string error;
  EXPECT_TRUE(parse_key_script(script, steps, error)) << error;
  std::vector<int> out;
  for (auto& s : steps) out.push_back(s.kind == ScriptStep::Dump ? -100 : s.key);
  return out;
}

TEST(KeyScript, TokensAndTextInOrder) {
  EXPECT_EQ(keys_of("Ab<Enter><F2><S-F2><C-C><dump><Esc>"),
            (std::vector<int>{'A', 'b', 13, 15360, 0x5500, 3, -100, 27}));
  EXPECT_EQ(keys_of("<Up><Down><Left><Right><PgUp><PgDn><Home><End><Tab><Del><Ins>"),
            (std::vector<int>{k::Up, k::Down, k::Left, k::Right, k::PgUp, k::PgDn, k::Home, k::End, k::Tab,
                              k::Del, k::Ins}));
  // Polish letters are typed as their code points; line ends are ignored.
  EXPECT_EQ(keys_of("żó\nł\r\n<lt>"), (std::vector<int>{0x17C, 0xF3, 0x142, '<'}));
  EXPECT_EQ(keys_of("<enter><ESC><s-f3><DUMP>"), (std::vector<int>{13, 27, 0x5600, -100}));
}

TEST(KeyScript, NamesOfAllFunctionKeys) {
  const struct {
    const char* name;
    int key;
  } cases[] = {{"F1", 0x3B00}, {"F2", 15360}, {"F3", 15616}, {"F4", 15872}, {"F10", 0x4400},
               {"S-F1", 0x5400}, {"S-F2", 0x5500}, {"S-F3", 0x5600}, {"S-F10", 0x5D00},
               {"C-F1", 0x5E00}, {"A-F1", 0x6800}, {"F12", 0x8600}, {"C-A", 1}, {"C-Z", 26},
               {"A-X", 0x2D00}, {"BS", 8}, {"S-Tab", 0x0F00}, {"Space", 32}};
  for (const auto& c : cases) {
    EXPECT_EQ(key_from_name(c.name), c.key) << c.name;
    EXPECT_EQ(key_from_name(key_name(c.key)), c.key) << c.name;
  }
  EXPECT_EQ(key_from_name("F13"), -1);
  EXPECT_EQ(key_from_name("Q-F2"), -1);
}

TEST(KeyScript, ErrorsNameTheLine) {
  std::vector<ScriptStep> steps;
  std::string error;
  EXPECT_FALSE(parse_key_script("ab\n<Entr>", steps, error));
  EXPECT_NE(error.find("wiersz 2"), std::string::npos) << error;
  EXPECT_NE(error.find("<Entr>"), std::string::npos) << error;
  EXPECT_FALSE(parse_key_script("a < b", steps, error));
  EXPECT_NE(error.find("<lt>"), std::string::npos) << error;
}

}  // namespace
