// Input windows with widgets, a form whose record another process holds
// locked, and filters kept from one opening of a register to the next.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/browse/browse_fixture.h"

namespace browsetest {
namespace {

TEST_F(BrowseTest, InputWindowWidgetsTakeTypedValuesOnlyOnF2) {
  WidgetSet set;
  ResetWigetsDefinition(&set);
  Widget* name = DefineWigetEx(&set, 0, 1, "Nazwa....... ", 12, WIDGET_TEXT);
  Widget* qty = DefineWigetEx(&set, 1, 1, "Ilość....... ", 5, WIDGET_NUMBER, "99999");
  Widget* date = DefineWigetEx(&set, 2, 1, "Data........ ", 10, WIDGET_DATE);
  Widget* yes = DefineWigetEx(&set, 3, 1, "Zgoda....... ", 1, WIDGET_YESNO);
  Widget* kind = DefineWigetEx(&set, 4, 1, "Rodzaj...... ", 12, WIDGET_CHOICE);
  kind->choices = {"1. GŁÓWNA", "2. POBOCZNA", "3. INNA"};
  WigetSetString(kind, "1");
  DefineWigetEx(&set, 5, 1, "F2 - zatwierdza", 0, WIDGET_LABEL);
  ASSERT_EQ(WigetSetString(name, "Ala"), 0);
  int win = DefineWprowadzWindow(6, 40, "Parametry wydruku");
  ASSERT_GE(win, 0);

  // Typed values, T/N and the kind chosen with F4; F2 (15360) accepts.
  type("<dump><C-Y>Kot<Enter>123<Enter>01052024<Enter><F4><dump><Down><Enter><Enter><F4><Down><Down><Enter><dump><F2>");
  EXPECT_EQ(ActivateWindow(win, &set), 15360);
  EXPECT_EQ(name->value, "Kot");
  EXPECT_EQ(WigetAsLong(qty), 123);
  EXPECT_DOUBLE_EQ(WigetAsDouble(qty), 123.0);
  EXPECT_EQ(date->value, "20240501");
  EXPECT_EQ(yes->value, "N");
  EXPECT_EQ(WigetAsLong(kind), 3);

  // Esc leaves every value as it was before the window opened.
  type("<C-Y>Pies<Enter><C-Y>999<Enter><Space><Esc>");
  EXPECT_EQ(ActivateWindow(win, &set), 27);
  EXPECT_EQ(name->value, "Kot");
  EXPECT_EQ(WigetAsLong(qty), 123);
  EXPECT_EQ(yes->value, "N");

  // A widget's check refuses on F2 and the window stays open on it.
  qty->valid = [](EditControl* c) {
    if (std::atol(c->buffer.c_str()) <= 500) return 0;
    MessageWindow(2, 0, "Najwyżej 500 sztuk !", 0);
    return -1;
  };
  type("<Down><C-Y>600<F2><dump><Enter><C-Y>50<F2>");
  EXPECT_EQ(ActivateWindow(win, &set), 15360);
  EXPECT_EQ(WigetAsLong(qty), 50);
  w4close(win);

  int choice = DefineWyboruWindow(3, 30, "Wybór okresu");
  ASSERT_GE(choice, 0);
  WidgetSet one;
  Widget* month = DefineWigetEx(&one, 0, 1, "Miesiąc.. ", 2, WIDGET_NUMBER, "99");
  type("<dump>7<F2>");
  EXPECT_EQ(ActivateWindow(choice, &one), 15360);
  EXPECT_EQ(WigetAsLong(month), 7);
  w4close(choice);
  FreeWigets(&set);
  FreeWigets(&one);
  EXPECT_TRUE(set.widgets.empty());

  auto d = dumps();
  ASSERT_EQ(d.size(), 5u);
  EXPECT_TRUE(contains(d[0], " Parametry wydruku ")) << d[0];
  EXPECT_TRUE(contains(d[0], "Nazwa....... Ala")) << d[0];
  EXPECT_TRUE(contains(d[0], "Rodzaj...... 1. GŁÓWNA")) << d[0];
  EXPECT_TRUE(contains(d[0], "F2 - zatwierdza")) << d[0];
  EXPECT_TRUE(contains(d[1], " WYBIERZ ")) << d[1];  // T/N on F4
  EXPECT_TRUE(contains(d[2], "Rodzaj...... 3. INNA")) << d[2];
  EXPECT_TRUE(contains(d[2], "Data........ 01-05-2024")) << d[2];
  EXPECT_TRUE(contains(d[3], "Najwyżej 500 sztuk !")) << d[3];
  EXPECT_TRUE(contains(d[4], " Wybór okresu ")) << d[4];
}

// Another process holding a lock on the test table until told to let go.
class LockHolder {
 public:
  LockHolder(const fs::path& dir, long rec) {
    int down[2], up[2];
    if (pipe(down) != 0 || pipe(up) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(down[1]);
      close(up[0]);
      HostContext c;
      c.current_dir = dir.string() + "/";
      c.firm_dir = c.current_dir;
      Table t;
      char ok = 'N';
      if (open_table(&c, t) == 0 && (rec < 0 ? set_lock(t.data, -1) : go_and_lock(t.data, rec)) == 0) ok = 'T';
      (void)!write(up[1], &ok, 1);
      char go;
      (void)!read(down[0], &go, 1);
      d4unlock(t.data);
      d4close_all(&c);
      _exit(0);
    }
    close(down[0]);
    close(up[1]);
    to_child_ = down[1];
    char ok = 'N';
    if (read(up[0], &ok, 1) == 1) locked_ = ok == 'T';
    close(up[0]);
  }
  ~LockHolder() { release(); }
  bool locked() const { return locked_; }
  void release() {
    if (pid_ <= 0) return;
    char go = 'G';
    (void)!write(to_child_, &go, 1);
    close(to_child_);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  int to_child_ = -1;
  bool locked_ = false;
};

TEST_F(BrowseTest, FormRefusedALockStaysOpenAndSavesOnTheNextF2) {
  add_row(t, "CHF", "Frank", "20240510", 4.4, " ", 1);
  add_row(t, "USD", "Dolar", "20240511", 3.9, " ", 2);
  d4flush(t.data);
  d4lock_wait(&ctx, 100);
  // Host errors shown in a box on the screen, as in the program.
  skolvarin::host::set_error_sink(previous);
  struct Case {
    long held;            // the other process's lock: a record or -1 (table)
    const char* keys;     // up to the first F2
    const char* kod;      // the record saved in the end
    const char* typed;    // what the user typed, seen after the refusal
  } cases[] = {
      {1, "<Enter><Enter><C-Y>Frank szwajcarski<F2>", "CHF", "Frank szwajcarski"},
      {-1, "<Ins>eur<Enter>Euro europejskie<Enter><Enter>4,3<F2>", "EUR", "Euro europejskie"},
      {-1, "<End><Enter><Enter><C-Y>Dolar USA<F2>", "USD", "Dolar USA"},
  };
  for (const auto& c : cases) {
    LockHolder other(dir, c.held);
    ASSERT_TRUE(other.locked()) << c.keys;
    size_t earlier = dumps().size();
    int seen = 0;
    terminal.set_dump_sink([&](const std::string&) {
      if (++seen == 2) other.release();  // the other user lets go
    });
    type(std::string(c.keys) + "<dump><Enter><dump><F2><dump><Esc>");
    run_register(&ctx, t);
    terminal.set_dump_sink({});
    auto all = dumps();
    std::vector<std::string> d(all.begin() + static_cast<long>(earlier), all.end());
    ASSERT_EQ(d.size(), 3u) << c.keys;
    EXPECT_TRUE(contains(d[0], "przez innego użytkownika")) << d[0];
    // The form is still open with everything typed.
    EXPECT_TRUE(contains(d[1], c.typed)) << d[1];
    EXPECT_TRUE(contains(d[1], "Waluty próbne - ")) << d[1];
    EXPECT_FALSE(contains(d[2], "Waluty próbne - ")) << d[2];  // closed after saving
    ASSERT_TRUE(find(t, c.kod)) << c.keys << "\n" << d[0] << d[1] << d[2];
    EXPECT_EQ(f4trim(t.naz), c.typed);
    EXPECT_FALSE(f4trim(t.inf).empty());
  }
  EXPECT_EQ(live_rows(), 3);
}

TEST_F(BrowseTest, FiltersAreKeptForTheFirmAndUserInAFile) {
  add_row(t, "CHF", "Frank", "20240510", 4.4, "*", 1);
  add_row(t, "USD", "Dolar", "20240511", 3.9, " ", 2);
  add_row(t, "EUR", "Euro", "20240512", 4.3, "*", 3);
  // Set the mark filter and a lower date bound, then leave.
  type("f11052024<Enter><Enter><Space><F2><Esc>");
  run_register(&ctx, t);
  fs::path file = dir / "filtry" / "W3WALU_1.flt";
  ASSERT_TRUE(fs::exists(file));
  std::ifstream in(file);
  std::stringstream ss;
  ss << in.rdbuf();
  EXPECT_EQ(ss.str(), "0 1 20240511\n2 2 *\n");
  // Opened again: the filters are on, the status line names them.
  type("<dump><Esc>");
  run_register(&ctx, t);
  // Another user of the same firm starts without them.
  ctx.user_number = 2;
  type("<dump><Esc>");
  run_register(&ctx, t);
  auto d = dumps();
  ASSERT_EQ(d.size(), 2u);
  // From 11-05-2024 and marked: EUR only.
  EXPECT_TRUE(contains(d[0], "od:11-05-2024 znak:*")) << d[0];
  EXPECT_TRUE(contains(d[0], "EUR Euro")) << d[0];
  EXPECT_FALSE(contains(d[0], "CHF Frank")) << d[0];
  EXPECT_FALSE(contains(d[0], "USD Dolar")) << d[0];
  EXPECT_TRUE(contains(d[1], "CHF Frank")) << d[1];
  EXPECT_TRUE(contains(d[1], "USD Dolar")) << d[1];
  EXPECT_FALSE(contains(d[1], "znak:")) << d[1];
}

}  // namespace
}  // namespace browsetest
