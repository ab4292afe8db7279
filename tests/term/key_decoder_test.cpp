// Terminal byte sequences -> PC key codes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/api/screen_api.h"
#include "host/term/key_decoder.h"

namespace {

namespace k = skolvarin::keys;
using skolvarin::term::KeyDecoder;
using skolvarin::term::StringByteSource;

std::vector<int> decode_all(const std::string& bytes) {
  StringByteSource src(bytes);
  KeyDecoder dec(src, 0);
  std::vector<int> keys;
  for (int key; (key = dec.next_key(0)) >= 0;) keys.push_back(key);
  return keys;
}

struct Case {
  const char* what;
  std::string bytes;
  int key;
};

TEST(KeyDecoder, SequencesGivePcCodes) {
  const Case cases[] = {
      {"F1 ss3", "\x1bOP", 0x3B00},        {"F2 ss3", "\x1bOQ", 15360},
      {"F3 ss3", "\x1bOR", 15616},         {"F4 ss3", "\x1bOS", 15872},
      {"F5", "\x1b[15~", 0x3F00},          {"F6", "\x1b[17~", 0x4000},
      {"F7", "\x1b[18~", 0x4100},          {"F8", "\x1b[19~", 0x4200},
      {"F9", "\x1b[20~", 0x4300},          {"F10", "\x1b[21~", 0x4400},
      {"F11", "\x1b[23~", 0x8500},         {"F12", "\x1b[24~", 0x8600},
      {"F1 vt", "\x1b[11~", 0x3B00},       {"F2 linux", "\x1b[[B", 15360},
      {"Shift+F2 xterm", "\x1b[1;2Q", 0x5500}, {"Shift+F3 xterm", "\x1b[1;2R", 0x5600},
      {"Shift+F2 ss3 modifier", "\x1bO2Q", 0x5500},
      {"Shift+F5", "\x1b[15;2~", 0x5800},  {"Ctrl+F2", "\x1b[1;5Q", 0x5F00},
      {"Alt+F4", "\x1b[1;3S", 0x6B00},     {"Shift+F3 rxvt", "\x1b[25~", 0x5600},
      {"Up", "\x1b[A", k::Up},             {"Down", "\x1b[B", k::Down},
      {"Right", "\x1b[C", k::Right},       {"Left", "\x1b[D", k::Left},
      {"Up app mode", "\x1bOA", k::Up},    {"Home", "\x1b[H", k::Home},
      {"End", "\x1b[F", k::End},           {"Home vt", "\x1b[1~", k::Home},
      {"End vt", "\x1b[4~", k::End},       {"Ins", "\x1b[2~", k::Ins},
      {"Del", "\x1b[3~", k::Del},          {"PgUp", "\x1b[5~", k::PgUp},
      {"PgDn", "\x1b[6~", k::PgDn},        {"Ctrl+Left", "\x1b[1;5D", k::CtrlLeft},
      {"Ctrl+Right", "\x1b[1;5C", k::CtrlRight}, {"Ctrl+PgDn", "\x1b[6;5~", k::CtrlPgDn},
      {"Shift+Tab", "\x1b[Z", k::ShiftTab}, {"Alt+x", "\x1bx", 0x2D00},
      {"Enter CR", "\r", 13},              {"Enter LF", "\n", 13},
      {"Backspace DEL", "\x7f", 8},        {"Tab", "\t", 9},
      {"Ctrl+C", "\x03", 3},               {"lone Esc", "\x1b", 27},
      {"letter", "a", 'a'},                {"ą", "\xc4\x85", 0x105},
      {"Ż", "\xc5\xbb", 0x17B},            {"ó", "\xc3\xb3", 0xF3},
  };
  for (const auto& c : cases) {
    auto keys = decode_all(c.bytes);
    ASSERT_EQ(keys.size(), 1u) << c.what;
    EXPECT_EQ(keys[0], c.key) << c.what;
  }
}

TEST(KeyDecoder, KeysFollowOneAnother) {
  EXPECT_EQ(decode_all("ab\x1b[B\r"), (std::vector<int>{'a', 'b', k::Down, 13}));
  // Esc Esc is two Escs; Esc then '[' then nothing is swallowed as a broken sequence.
  EXPECT_EQ(decode_all("\x1b\x1b"), (std::vector<int>{27, 27}));
  EXPECT_EQ(decode_all("\x1b[Ax"), (std::vector<int>{k::Up, 'x'}));
  // Esc followed by a non-letter: Esc, then the character.
  EXPECT_EQ(decode_all("\x1b" "5"), (std::vector<int>{27, '5'}));
}

TEST(KeyDecoder, UnknownAndBrokenSequencesGiveNoText) {
  EXPECT_TRUE(decode_all("\x1b[99~").empty());
  EXPECT_TRUE(decode_all("\x1b[1;2").empty());  // cut short
  // A broken UTF-8 sequence is dropped, the following key survives.
  EXPECT_EQ(decode_all("\xc4" "a"), (std::vector<int>{'a'}));
}

TEST(KeyDecoder, PolishLettersNeverLookLikeExtendedKeys) {
  for (char32_t c : std::u32string(U"ąćęłńóśźżĄĆĘŁŃÓŚŹŻ")) EXPECT_NE(static_cast<int>(c) & 0xFF, 0) << int(c);
}

}  // namespace
