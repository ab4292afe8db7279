// Menus through the module's calls: a bar with pull-downs run by the
// n4activate loop, as the module's main menu uses it.
#include <gtest/gtest.h>

#include <vector>

#include "host/api/screen_api.h"
#include "host/text/utf8.h"
#include "tests/ui/ui_fixture.h"

namespace {

namespace k = skolvarin::keys;
using skolvarin::testing_ui::VirtualScreen;

std::vector<int> g_calls;
int record(int code) {
  g_calls.push_back(code);
  return 0;
}
int record_other(int code) {
  g_calls.push_back(1000 + code);
  return 0;
}

// A small tree shaped like the module's main menu:
// bar: " Płace "(handler 100) " Dowody "(1) " Transp "(sub) " Pomocnicze "(sub)
// Transp: " Rachunki "(10) " Przejazdy "(11) " Samochody "(12)
// Pomocnicze: " Konta "(4, 'n') " Opisy "(6, 'o') " Odsetki "(sub, 'o')
// Odsetki: " Oblicz "(other 1) " Ustawowe "(other 2)
struct Tree {
  int bar = -1, transp = -1, pomocnicze = -1, odsetki = -1;
  Tree() {
    bar = DefineMenuWindow(-1, -1);
    MenuDefineItem(" Płace ", 5300, 0x70, 101, record, nullptr);
    MenuDefineItem(" Dowody ", 5100, static_cast<signed char>(0xE4), 1, record, nullptr);
    MenuDefineItem(" Transp ", 5200, 0x74, -1, nullptr, &transp);
    MenuDefineItem(" Pomocnicze ", 6000, 0x6F, -1, nullptr, &pomocnicze);
    pomocnicze = DefineMenuWindow(-1, -1);
    MenuDefineItem(" Konta ", 6100, static_cast<signed char>(0xEE), 4, record, nullptr);
    MenuDefineItem(" Opisy ", 6300, static_cast<signed char>(0xEF), 6, record, nullptr);
    MenuDefineItem(" Odsetki ", 950, 0x6F, -1, nullptr, &odsetki);
    transp = DefineMenuWindow(-1, -1);
    MenuDefineItem(" Rachunki ", 5220, static_cast<signed char>(0xF2), 10, record, nullptr);
    MenuDefineItem(" Przejazdy ", 5210, static_cast<signed char>(0xF0), 11, record, nullptr);
    MenuDefineItem(" Samochody ", 5230, static_cast<signed char>(0xF3), 12, record, nullptr);
    odsetki = DefineMenuWindow(-1, -1);
    MenuDefineItem(" Oblicz ", 951, 0x6F, 1, record_other, nullptr);
    MenuDefineItem(" Ustawowe ", 952, static_cast<signed char>(0xF5), 2, record_other, nullptr);
    n4lotus(bar);
  }
};

// Runs the module's loop: n4activate while it answers 47.  Returns how
// many times it answered 47 and the value that ended the loop.
std::pair<int, int> loop(int bar) {
  int rounds = 0, rc;
  while ((rc = n4activate(bar, 1, 0, 0, 1)) == 47) ++rounds;
  return {rounds, rc};
}

struct Case {
  const char* what;
  std::vector<int> keys;
  std::vector<int> calls;
};

TEST(Menus, KeysChooseItemsAndTheLoopEndsOnEsc) {
  const Case cases[] = {
      {"Esc on the bar ends at once", {k::Esc}, {}},
      {"Enter on the first item", {k::Enter, k::Esc}, {101}},
      {"hot letter d with bit 7 set", {'d', k::Esc}, {1}},
      {"upper-case hot letter", {'D', k::Esc}, {1}},
      {"Alt+letter", {k::alt('d'), k::Esc}, {1}},
      {"arrow right then Enter", {k::Right, k::Enter, k::Esc}, {1}},
      {"arrow left wraps to the last item, its pull-down opens",
       {k::Left, k::Enter, k::Enter, k::Esc}, {4}},
      {"pull-down by letter, item by letter", {'t', 'p', k::Esc}, {11}},
      {"pull-down with Down, arrows inside", {k::Right, k::Right, k::Down, k::Down, k::Enter, k::Esc},
       {11}},
      {"Up wraps in a pull-down", {'t', k::Up, k::Enter, k::Esc}, {12}},
      {"End and Home in a pull-down", {'t', k::End, k::Home, k::Enter, k::Esc}, {10}},
      {"Esc closes only the pull-down", {'t', k::Esc, 'd', k::Esc}, {1}},
      {"submenu of a submenu", {'o', 'o', 'o', k::Enter, k::Enter, k::Esc}, {1001}},
      {"shared letter moves, does not choose", {'o', 'o', k::Enter, k::Esc}, {6}},
      {"shared letter twice reaches the second", {'o', 'o', 'o', k::Enter, 'u', k::Esc}, {1002}},
      {"Right in a pull-down walks to the next bar item's pull-down", {'t', k::Right, 'n', k::Esc}, {4}},
      {"Left from the first pull-down goes to the bar item before it", {'t', k::Left, k::Enter, k::Esc}, {1}},
      {"each 47 lets the loop go on", {'d', 'd', 't', 's', k::Esc}, {1, 1, 12}},
      {"unknown letters and keys are ignored", {'x', k::F9, 'd', k::Esc}, {1}},
  };
  for (const auto& c : cases) {
    VirtualScreen vs;
    Tree t;
    for (int key : c.keys) vs.terminal.add_keys({key});
    g_calls.clear();
    auto [rounds, rc] = loop(t.bar);
    EXPECT_EQ(rc, 27) << c.what;
    EXPECT_EQ(g_calls, c.calls) << c.what;
    EXPECT_EQ(rounds, static_cast<int>(c.calls.size())) << c.what;
    EXPECT_TRUE(vs.terminal.script_done()) << c.what;
  }
}

TEST(Menus, BarAndPullDownOnScreen) {
  VirtualScreen vs;
  Tree t;
  vs.terminal.add_steps({{skolvarin::term::ScriptStep::Dump, 0}, {skolvarin::term::ScriptStep::Key, 'o'},
                         {skolvarin::term::ScriptStep::Dump, 0}});
  loop(t.bar);
  const std::string& d = vs.terminal.dump_text();
  auto lines = [&](int dump) {
    std::vector<std::string> out;
    size_t pos = 0;
    for (int i = 0; i < dump * 26; ++i) pos = d.find('\n', pos) + 1;
    for (int i = 0; i < 26; ++i) {
      size_t e = d.find('\n', pos);
      out.push_back(d.substr(pos, e - pos));
      pos = e + 1;
    }
    return out;
  };
  auto first = lines(0), second = lines(1);
  EXPECT_EQ(skolvarin::text::utf8_decode(first[1]).substr(0, 37), U"  Płace  Dowody  Transp  Pomocnicze  ");
  EXPECT_EQ(first[25], std::string(80, '='));
  // The pull-down hangs under " Pomocnicze " (column 24), framed, as wide as its longest label.
  EXPECT_EQ(skolvarin::text::utf8_decode(second[2]).substr(24, 11), U"┌─────────┐");
  EXPECT_EQ(skolvarin::text::utf8_decode(second[3]).substr(24, 11), U"│ Konta   │");
  EXPECT_EQ(skolvarin::text::utf8_decode(second[5]).substr(24, 11), U"│ Odsetki │");
  EXPECT_EQ(skolvarin::text::utf8_decode(second[6]).substr(24, 11), U"└─────────┘");
  // After Esc the pull-down is gone and the screen under it is back.
  EXPECT_EQ(vs.row(3), first[3]);
}

TEST(Menus, HighlightAndHotLetterAttributes) {
  VirtualScreen vs;
  Tree t;
  vs.terminal.add_keys({k::Right});
  loop(t.bar);
  // The last screen shown is the one that waited for the closing Esc,
  // with " Dowody " selected.
  const auto& b = vs.terminal.screen();
  EXPECT_EQ(b.at(1, 8).attr, skolvarin::term::Attr::Highlight);
  EXPECT_EQ(b.at(1, 9).attr, skolvarin::term::Attr::HighlightHot);  // 'D' of Dowody
  EXPECT_EQ(b.at(1, 15).attr, skolvarin::term::Attr::Highlight);
  EXPECT_EQ(b.at(1, 2).attr, skolvarin::term::Attr::HotLetter);      // 'P' of Płace
  EXPECT_EQ(b.at(1, 3).attr, skolvarin::term::Attr::Normal);
  EXPECT_EQ(b.at(1, 16).attr, skolvarin::term::Attr::Normal);
}

int g_reader_calls = 0;
int counting_reader() {
  ++g_reader_calls;
  int key = g4char();
  clr_key_buf();
  return key;
}

TEST(Menus, CharRoutineReadsTheKeys) {
  VirtualScreen vs;
  Tree t;
  vs.terminal.add_keys({'d', k::Esc, 'T'});  // T answers "Czy zakończyć pracę ?"
  g_reader_calls = 0;
  g_calls.clear();
  n4char_routine(counting_reader);
  auto [rounds, rc] = loop(t.bar);
  EXPECT_EQ(rounds, 1);
  EXPECT_EQ(rc, 27);
  EXPECT_EQ(g_reader_calls, 2);
  n4char_routine(nullptr);
}

int g_hot = 0;
int hot(int key) {
  g_hot = key;
  return 0;
}

TEST(Menus, HotKeysRunInsideTheMenuAndAreNotItsKeys) {
  VirtualScreen vs;
  Tree t;
  g4set_key_to(k::ShiftF3, hot);
  vs.terminal.add_keys({k::ShiftF3, 'd', k::Esc});
  g_calls.clear();
  g_hot = 0;
  auto [rounds, rc] = loop(t.bar);
  EXPECT_EQ(rounds, 1);
  EXPECT_EQ(rc, 27);
  EXPECT_EQ(g_hot, k::ShiftF3);
  EXPECT_EQ(g_calls, std::vector<int>{1});
  g4set_key_to(k::ShiftF3, nullptr);
  vs.terminal.add_keys({k::ShiftF3});
  g_hot = 0;
  EXPECT_EQ(g4char(), k::ShiftF3);
  EXPECT_EQ(g_hot, 0);
}

TEST(Menus, ItemsGoToTheMenuDefinedLastAndBadWindowsAreRefused) {
  VirtualScreen vs;
  EXPECT_EQ(MenuDefineItem(" X ", 1, 'x', 1, record, nullptr), -1);  // no menu yet
  int a = DefineMenuWindow(-1, -1);
  EXPECT_EQ(MenuDefineItem(" A ", 1, 'a', 1, record, nullptr), 0);
  int b = DefineMenuWindow(-1, -1);
  EXPECT_EQ(MenuDefineItem(" B ", 1, 'b', 2, record, nullptr), 0);
  EXPECT_EQ(MenuDefineItem(" C ", 1, 'c', 3, record, nullptr), 1);
  EXPECT_NE(a, b);
  EXPECT_EQ(n4activate(12345, 1, 0, 0, 1), -1);
  EXPECT_EQ(n4lotus(12345), -1);
  // A vertical menu run on its own: 47 after a choice, 27 on Esc.
  vs.terminal.add_keys({'c'});
  g_calls.clear();
  EXPECT_EQ(n4activate(b, 1, 0, 0, 1), 47);
  EXPECT_EQ(g_calls, std::vector<int>{3});
  vs.terminal.add_keys({k::Esc});
  EXPECT_EQ(n4activate(b, 1, 0, 0, 1), 27);
  EXPECT_EQ(w4close(b), 0);
  EXPECT_EQ(n4activate(b, 1, 0, 0, 1), -1);
}

}  // namespace

namespace {
int g_inner_rc = 0;
// A handler that runs a second bar, as the payroll item does.
int run_inner_bar(int) {
  int inner = DefineMenuWindow(-1, -1);
  MenuDefineItem(" Lista ", 5310, 0x6C, 1, record, nullptr);
  n4lotus(inner);
  g_inner_rc = n4activate(inner, 1, 0, 0, 1);
  w4close(inner);
  return 0;
}
}  // namespace

TEST(Menus, EscOnTheMainBarAsksBeforeLeavingButNotOnAnInnerBar) {
  struct Q {
    const char* what;
    std::vector<int> keys;
    int rounds;
    bool leaves_at_once;  // the loop ended before the keys ran out
  };
  for (const Q& q : {Q{"N keeps the menu, then T leaves", {k::Esc, 'N', 'd', k::Esc, 'T'}, 1, true},
                     Q{"Esc in the question keeps the menu", {k::Esc, k::Esc, k::Esc, 't'}, 0, true},
                     Q{"inner bar's Esc asks nothing", {'x', k::Esc, k::Esc, 'T'}, 1, true}}) {
    VirtualScreen vs;
    Tree t;
    int outer = DefineMenuWindow(-1, -1);
    MenuDefineItem(" Płace ", 5300, 0x78, -1, run_inner_bar, nullptr);
    MenuDefineItem(" Dowody ", 5100, static_cast<signed char>(0xE4), 1, record, nullptr);
    n4lotus(outer);
    for (int key : q.keys) vs.terminal.add_keys({key});
    g_calls.clear();
    auto [rounds, rc] = loop(outer);
    EXPECT_EQ(rc, 27) << q.what;
    EXPECT_EQ(rounds, q.rounds) << q.what;
    EXPECT_TRUE(vs.terminal.script_done()) << q.what;
    EXPECT_FALSE(vs.terminal.input_ended()) << q.what << ": the program left only by the answer T";
  }
}
