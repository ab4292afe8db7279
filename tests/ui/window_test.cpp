// Windows on the virtual screen: frames, Polish text, and the stack.
#include <gtest/gtest.h>

#include "host/api/screen_api.h"
#include "host/text/utf8.h"
#include "tests/ui/ui_fixture.h"

namespace {

using skolvarin::text::utf8_decode;
using skolvarin::testing_ui::VirtualScreen;

char32_t cell(const VirtualScreen& vs, int r, int c) { return vs.screen.compose().at(r, c).ch; }

std::u32string cells(const VirtualScreen& vs, int r, int c, int n) {
  return utf8_decode(vs.row(r)).substr(static_cast<size_t>(c), static_cast<size_t>(n));
}

TEST(Windows, DoubleFrameTitleAndPolishLetters) {
  VirtualScreen vs;
  int w = w4define(2, 10, 5, 30);
  ASSERT_GE(w, 0);
  w4title(w, " Urzędy ");
  w4border(w, 2);
  w4select(w);
  w4activate(w);
  w4write(0, 0, "Zażółć gęślą jaźń");
  w4centre(1, "środek");
  EXPECT_EQ(cell(vs, 2, 10), U'╔');
  EXPECT_EQ(cell(vs, 2, 30), U'╗');
  EXPECT_EQ(cell(vs, 5, 10), U'╚');
  EXPECT_EQ(cell(vs, 5, 30), U'╝');
  EXPECT_EQ(cell(vs, 3, 10), U'║');
  EXPECT_EQ(cells(vs, 2, 11, 19), U"═════ Urzędy ══════");
  EXPECT_EQ(cells(vs, 3, 11, 19), U"Zażółć gęślą jaźń  ");
  EXPECT_EQ(cells(vs, 4, 11, 19), U"      środek       ");
  EXPECT_EQ(w4width(), 19);
  EXPECT_EQ(w4height(), 2);
}

TEST(Windows, SingleFrameAndTextCutAtTheEdge) {
  VirtualScreen vs;
  int w = w4define(10, 0, 12, 5);
  w4select(w);
  w4activate(w);
  w4write(0, 2, "abcdef");
  EXPECT_EQ(cells(vs, 10, 0, 6), U"┌────┐");
  EXPECT_EQ(cells(vs, 11, 0, 7), U"│  ab│ ");
  EXPECT_EQ(cells(vs, 12, 0, 6), U"└────┘");
}

TEST(Windows, HidingAndClosingRestoreWhatWasUnder) {
  VirtualScreen vs;
  int a = w4define(3, 3, 10, 40);
  w4select(a);
  w4activate(a);
  w4write(2, 2, "pod spodem");
  std::string before = vs.text();
  int b = w4define(5, 20, 15, 60);
  int previous = w4select(b);
  EXPECT_EQ(previous, a);
  w4activate(b);
  w4write(0, 0, "na wierzchu");
  EXPECT_NE(vs.text(), before);
  w4deactivate(b);
  EXPECT_EQ(vs.text(), before);
  // Shown again, it comes back with its contents.
  w4activate(b);
  EXPECT_NE(vs.text().find("na wierzchu"), std::string::npos);
  w4close(b);
  EXPECT_EQ(vs.text(), before);
  // Activating the lower window again puts it on top of a newer one.
  int c = w4define(3, 3, 4, 12);
  w4activate(c);
  w4activate(a);
  EXPECT_EQ(cell(vs, 3, 3), U'┌');
  EXPECT_NE(vs.text().find("pod spodem"), std::string::npos);
}

TEST(Windows, SelectMinusOneOnlyAsks) {
  VirtualScreen vs;
  int title = w4select(-1);
  EXPECT_EQ(title, vs.screen.title_window());
  int w = w4define(3, 3, 6, 20);
  EXPECT_EQ(w4select(-1), title);
  EXPECT_EQ(w4select(w), title);
  EXPECT_EQ(w4select(-1), w);
  // A window that does not fit the screen is refused.
  EXPECT_EQ(w4define(20, 70, 30, 90), -1);
  EXPECT_EQ(w4activate(99), -1);
}

TEST(Windows, TitleWindowShowsTheFirmCentred) {
  VirtualScreen vs;
  vs.screen.set_title("FIRMA DEMONSTRACYJNA");
  std::u32string row0 = utf8_decode(vs.row(0));
  EXPECT_EQ(row0.substr(30, 20), U"FIRMA DEMONSTRACYJNA");
  // The module rewrites it as the change of firm does.
  int saved = w4select(vs.screen.title_window());
  w4clear(0);
  w4centre(0, "Spółka Łódź");
  w4select(saved);
  EXPECT_EQ(utf8_decode(vs.row(0)).substr(34, 11), U"Spółka Łódź");
}

TEST(Windows, HelpLinesStackAtTheBottom) {
  VirtualScreen vs;
  set_fun_help("F2-Zapisz  Esc-Wyjście");
  EXPECT_EQ(vs.row(24).substr(0, 23), "F2-Zapisz  Esc-Wyjście");
  set_fun_help("Enter-Wybór");
  EXPECT_EQ(vs.row(24).substr(0, 12), "Enter-Wybór");
  remove_fun_help();
  EXPECT_EQ(vs.row(24).substr(0, 23), "F2-Zapisz  Esc-Wyjście");
  add_help_line("Nr listy = 0 - kopiowanie wszystkich list w miesiącu.");
  EXPECT_EQ(vs.row(23).substr(0, 10), "Nr listy =");
  remove_help_line();
  EXPECT_EQ(vs.row(23), std::string(80, ' '));
}

}  // namespace

namespace {

TEST(Windows, CursorShowsOnlyInTheTopWindow) {
  VirtualScreen vs;
  int a = w4define(3, 3, 10, 40);
  w4select(a);
  w4activate(a);
  w4cursor(1, 2);
  EXPECT_TRUE(vs.screen.windows().cursor().visible);
  EXPECT_EQ(vs.screen.windows().cursor().row, 5);
  EXPECT_EQ(vs.screen.windows().cursor().col, 6);
  int b = w4define(5, 5, 8, 20);
  w4activate(b);
  EXPECT_FALSE(vs.screen.windows().cursor().visible);
  w4deactivate(b);
  EXPECT_TRUE(vs.screen.windows().cursor().visible);
  w4cursor(-1, -1);
  EXPECT_FALSE(vs.screen.windows().cursor().visible);
}

}  // namespace

namespace {

using skolvarin::host::WindowManager;

TEST(Windows, ANewScreenSizeMovesEachWindowWithItsEdge) {
  struct Case {
    const char* what;
    int r1, c1, r2, c2;       // on 25 x 80
    int rows, cols;           // the new size
    int e1, f1, e2, f2;       // expected
  };
  const Case cases[] = {
      {"title line stretches", 0, 0, 0, 79, 30, 100, 0, 0, 0, 99},
      {"list at the top stays up, keeps to the middle", 2, 0, 22, 77, 30, 100, 2, 10, 22, 87},
      {"form above the help lines goes down", 10, 0, 22, 79, 30, 100, 15, 0, 27, 99},
      {"pop-up keeps to the middle", 8, 30, 12, 50, 35, 90, 13, 35, 17, 55},
      {"a narrower screen pulls a window back in", 8, 0, 12, 10, 25, 70, 8, 0, 12, 10},
  };
  for (const Case& c : cases) {
    WindowManager wm(25, 80);
    int h = wm.define(c.r1, c.c1, c.r2, c.c2, 0);
    ASSERT_GE(h, 0) << c.what;
    wm.write(h, 0, 0, std::string_view("Kowalski"), skolvarin::host::Attr::Normal);
    wm.resize(c.rows, c.cols);
    const auto* w = wm.get(h);
    EXPECT_EQ((std::vector<int>{w->row1, w->col1, w->row2, w->col2}), (std::vector<int>{c.e1, c.f1, c.e2, c.f2}))
        << c.what;
    EXPECT_EQ(w->at(0, 0).ch, U'K') << c.what << ": contents are kept";
  }
}

}  // namespace
