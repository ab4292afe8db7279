// End-to-end runs of the real skolvarin: headless with key scripts, and
// full screen inside tmux (the test is skipped when tmux is missing).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/files.h"
#include "tests/support/program_run.h"

namespace {

std::string bin_dir() { return skolvarin::testing_support::program_dir(); }
std::string skolvarin() { return bin_dir() + "/skolvarin"; }
std::string probe() { return bin_dir() + "/libprobe_module.so"; }

std::string temp_dir() {
  const std::string d = skolvarin::testing_support::make_temp_dir("skolvarin-e2e");
  return d.empty() ? "/tmp" : d;
}

using skolvarin::testing_support::read_file;

void write_file(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

struct Result {
  int status = -1;
  std::string out, err;
};

// Runs a shell command with stdout and stderr captured.
Result run(const std::string& cmd, const std::string& dir) {
  Result r;
  std::string full = cmd + " >" + dir + "/stdout 2>" + dir + "/stderr </dev/null";
  int s = std::system(full.c_str());
  r.status = WIFEXITED(s) ? WEXITSTATUS(s) : 128 + (WIFSIGNALED(s) ? WTERMSIG(s) : 0);
  r.out = read_file(dir + "/stdout");
  r.err = read_file(dir + "/stderr");
  return r;
}

std::vector<std::string> dumps_of(const std::string& text) {
  std::vector<std::string> out;
  std::string sep(80, '=');
  size_t pos = 0;
  for (;;) {
    size_t e = text.find(sep + "\n", pos);
    if (e == std::string::npos) break;
    out.push_back(text.substr(pos, e - pos));
    pos = e + sep.size() + 1;
  }
  return out;
}

int count_lines(const std::string& s) {
  int n = 0;
  for (char c : s) n += c == '\n';
  return n;
}

// ------------------------------------------------------------ headless

std::string headless(const std::string& dir, const std::string& module, const std::string& script) {
  write_file(dir + "/keys.txt", script);
  std::string env = module.empty() ? "" : "SKOLVARIN_MODULE=" + module + " ";
  return env + "timeout 60 " + skolvarin() + " --data " + dir + "/dane --dzis 2024-05-10 --keys " + dir +
         "/keys.txt --screen " + dir + "/screen.txt";
}

TEST(Headless, ScriptDumpsTheScreenAndTheRunEndsWhenItRunsOut) {
  std::string dir = temp_dir();
  Result r = run(headless(dir, probe(), "<dump>p<dump><Enter>y<dump>n<dump>"), dir);
  EXPECT_EQ(r.status, 0) << r.err;
  auto d = dumps_of(read_file(dir + "/screen.txt"));
  ASSERT_EQ(d.size(), 4u) << read_file(dir + "/screen.txt");
  for (const auto& one : d) EXPECT_EQ(count_lines(one), 25);
  EXPECT_NE(d[0].find(" Pierwsza  Pytanie  Awaria  Uparta  Pomocnicze "), std::string::npos) << d[0];
  EXPECT_NE(d[1].find("Próba modułu"), std::string::npos) << d[1];       // module message 1
  EXPECT_NE(d[2].find("Czy kończyć?"), std::string::npos) << d[2];        // question box
  EXPECT_NE(d[3].find("odpowiedź: nie"), std::string::npos) << d[3];      // Pytanie gave 27
  EXPECT_EQ(d[3].find("Czy kończyć?"), std::string::npos) << d[3];        // box gone
}

TEST(Headless, AModuleThatIgnoresEscIsStopped) {
  std::string dir = temp_dir();
  Result r = run(headless(dir, probe(), "u"), dir);
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.err.find("Esc"), std::string::npos) << r.err;
}

TEST(Headless, BadScriptsAndOptionsAreRefused) {
  std::string dir = temp_dir();
  Result r = run(headless(dir, probe(), "ab\n<Entr>"), dir);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("nieznany klawisz <Entr>"), std::string::npos) << r.err;
  r = run(skolvarin() + " --data " + dir + "/dane --keys " + dir + "/keys.txt", dir);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("--screen"), std::string::npos) << r.err;
}

TEST(Headless, RealModuleShowsItsMenuBar) {
  std::string dir = temp_dir();
  Result r = run(headless(dir, "", "<dump>o<dump>"), dir);
  EXPECT_EQ(r.status, 0) << r.err;
  auto d = dumps_of(read_file(dir + "/screen.txt"));
  ASSERT_EQ(d.size(), 2u) << r.err;
  for (const char* item : {" Płace ", " Dowody ", " Transp ", " Pomocnicze "})
    EXPECT_NE(d[0].find(item), std::string::npos) << item << "\n" << d[0];
  EXPECT_NE(d[1].find(" Konta "), std::string::npos) << d[1];
}

TEST(FullScreen, WithoutATerminalTheProgramSaysSo) {
  std::string dir = temp_dir();
  Result r = run("SKOLVARIN_MODULE=" + probe() + " " + skolvarin() + " --data " + dir + "/dane", dir);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("brak terminala"), std::string::npos) << r.err;
}

// ------------------------------------------------------------ tmux

class Tmux {
 public:
  Tmux(int width, int height)
      : socket_("skolvarin-e2e-" + std::to_string(getpid()) + "-" + std::to_string(++count_)) {
    std::string cmd = "tmux -u -L " + socket_ + " -f /dev/null new-session -d -s e2e -x " + std::to_string(width) +
                      " -y " + std::to_string(height) + " 'env PS1=\"$ \" sh'";
    ok_ = std::system(cmd.c_str()) == 0;
  }
  ~Tmux() { tmux("kill-server"); }
  bool ok() const { return ok_; }

  std::string tmux(const std::string& args) const {
    std::string cmd = "tmux -u -L " + socket_ + " " + args + " 2>/dev/null";
    std::string out;
    if (FILE* p = popen(cmd.c_str(), "r")) {
      char buf[4096];
      size_t n;
      while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
      pclose(p);
    }
    return out;
  }
  void type(const std::string& literal) const { tmux("send-keys -t e2e -l '" + literal + "'"); }
  void key(const std::string& name) const { tmux("send-keys -t e2e " + name); }
  std::string screen() const { return tmux("capture-pane -p -t e2e"); }
  std::string format(const std::string& f) const { return tmux("display -p -t e2e '" + f + "'"); }

  // Waits up to 10 s for a state of the pane (polled every 50 ms).
  template <class Check>
  bool wait_until(Check check) const {
    for (int i = 0; i < 200; ++i) {
      if (check()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }
  // ... for a text (or the other text) on the screen.
  bool wait_for(const std::string& text, const std::string& other = {}) const {
    return wait_until([&] {
      std::string s = screen();
      return s.find(text) != std::string::npos || (!other.empty() && s.find(other) != std::string::npos);
    });
  }
  // ... for a text to leave the screen.
  bool wait_gone(const std::string& text) const {
    return wait_until([&] { return screen().find(text) == std::string::npos; });
  }
  // ... for a tmux format to read `value`.
  bool wait_format(const std::string& f, const std::string& value) const {
    return wait_until([&] { return format(f) == value + "\n"; });
  }

 private:
  static inline int count_ = 0;  // one server per Tmux: a dying one is never reused
  std::string socket_;
  bool ok_ = false;
};

bool have_tmux() { return std::system("command -v tmux >/dev/null 2>&1") == 0; }

// Starts skolvarin in the pane after remembering the terminal modes; when it
// ends the pane prints EXIT=<status> and STTY=SAME or STTY=CHANGED (split by
// quotes in the typed command, so only the output can match).
void start(const Tmux& t, const std::string& dir, const std::string& module, const std::string& extra_env = "") {
  std::string env = "LANG=C.UTF-8 LC_ALL=C.UTF-8 " + extra_env + (module.empty() ? "" : " SKOLVARIN_MODULE=" + module);
  t.type("S=$(stty -g); env " + env + " " + skolvarin() + " --data " + dir + "/dane --dzis 2024-05-10; echo EX\"\"IT=$?; " +
         "if [ \"$(stty -g)\" = \"$S\" ]; then echo ST\"\"TY=SAME; else echo ST\"\"TY=CHANGED; fi");
  t.key("Enter");
}

void expect_restored(const Tmux& t, const std::string& exit_line) {
  ASSERT_TRUE(t.wait_for(exit_line)) << t.screen();
  EXPECT_TRUE(t.wait_for("STTY=SAME")) << t.screen();
  EXPECT_EQ(t.format("#{alternate_on}"), "0\n");
  EXPECT_EQ(t.format("#{cursor_flag}"), "1\n");
}

// Esc on the main menu, answered "T" to "Czy zakończyć pracę ?".
void leave(const Tmux& t) {
  t.key("Escape");
  ASSERT_TRUE(t.wait_for("Czy zakończyć pracę ?")) << t.screen();
  t.type("T");
  expect_restored(t, "EXIT=0");
}

// Row `row` of the pane (capture-pane drops trailing blanks).
std::string pane_row(const Tmux& t, size_t row) {
  std::stringstream ss(t.screen());
  std::string line;
  for (size_t i = 0; std::getline(ss, line); ++i)
    if (i == row) return line;
  return {};
}

TEST(FullScreen, RealMenuBarOpensAndLeavesCleanly) {
  if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
  std::string dir = temp_dir();
  Tmux t(100, 30);
  ASSERT_TRUE(t.ok());
  start(t, dir, "");
  // A module that cannot start ends the run at once: fail fast with its message.
  ASSERT_TRUE(t.wait_for(" Płace ", "EXIT=")) << t.screen();
  std::string s = t.screen();
  ASSERT_NE(s.find(" Płace "), std::string::npos) << s;
  EXPECT_NE(s.find(" Dowody "), std::string::npos) << s;
  EXPECT_NE(s.find(" Transp "), std::string::npos) << s;
  // The last item ends the bar's text: capture-pane drops trailing blanks.
  EXPECT_NE(s.find(" Pomocnicze"), std::string::npos) << s;
  EXPECT_EQ(t.format("#{alternate_on}"), "1\n");
  t.type("o");  // " Pomocnicze "
  EXPECT_TRUE(t.wait_for(" Kontrahenci ")) << t.screen();
  t.key("Escape");
  ASSERT_TRUE(t.wait_gone(" Kontrahenci ")) << t.screen();
  t.key("Escape");
  // Esc on the main menu asks first; "N" keeps the program running.
  ASSERT_TRUE(t.wait_for("Czy zakończyć pracę ?")) << t.screen();
  t.type("N");
  ASSERT_TRUE(t.wait_gone("Czy zakończyć pracę ?")) << t.screen();
  // A resized terminal is laid out again.
  ASSERT_EQ(pane_row(t, 29).rfind("F1-Pomoc", 0), 0u) << t.screen();
  t.tmux("resize-window -t e2e -x 120 -y 34");
  // The help line goes to the new last row, the title to the new middle.
  EXPECT_TRUE(t.wait_until([&] { return pane_row(t, 33).rfind("F1-Pomoc", 0) == 0; })) << t.screen();
  const std::string title = "FIRMA DEMONSTRACYJNA  rok 2024";
  EXPECT_EQ(pane_row(t, 0).find(title), (120 - title.size()) / 2) << t.screen();
  leave(t);
}

TEST(FullScreen, ProbeModuleDrawsPolishLettersAndBoxes) {
  if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
  std::string dir = temp_dir();
  Tmux t(100, 30);
  ASSERT_TRUE(t.ok());
  start(t, dir, probe());
  ASSERT_TRUE(t.wait_for(" Pierwsza ")) << t.screen();
  t.type("p");
  EXPECT_TRUE(t.wait_for("Próba modułu")) << t.screen();
  EXPECT_NE(t.screen().find("╔"), std::string::npos) << t.screen();
  t.key("Enter");
  t.key("F3");  // a key the menu ignores
  t.type("o");
  EXPECT_TRUE(t.wait_for("│ Konta │")) << t.screen();
  t.key("Enter");
  EXPECT_TRUE(t.wait_for("wybrano Konta")) << t.screen();
  leave(t);
}

TEST(FullScreen, ACrashingModuleLeavesTheTerminalUsable) {
  if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
  std::string dir = temp_dir();
  Tmux t(100, 30);
  ASSERT_TRUE(t.ok());
  start(t, dir, probe());
  ASSERT_TRUE(t.wait_for(" Awaria ")) << t.screen();
  t.type("a");
  expect_restored(t, "EXIT=139");  // 128 + SIGSEGV
}

TEST(FullScreen, TerminationSignalsLeaveTheTerminalUsable) {
  if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
  for (int sig : {SIGTERM, SIGHUP, SIGINT}) {
    std::string dir = temp_dir();
    Tmux t(100, 30);
    ASSERT_TRUE(t.ok());
    start(t, dir, probe());
    ASSERT_TRUE(t.wait_for(" Pierwsza ")) << t.screen();
    // The program is the child of the pane's shell.
    std::string shell = t.format("#{pane_pid}");
    FILE* p = popen(("pgrep -P " + shell).c_str(), "r");
    ASSERT_NE(p, nullptr);
    int pid = 0;
    ASSERT_EQ(fscanf(p, "%d", &pid), 1);
    pclose(p);
    ASSERT_GT(pid, 1);
    ASSERT_EQ(kill(pid, sig), 0);
    if (sig == SIGINT) {
      // The shell drops the rest of its command line after a child killed
      // by SIGINT (as after Ctrl+C), so the check is typed anew once the
      // program has left the alternate screen.
      ASSERT_TRUE(t.wait_format("#{alternate_on}", "0")) << t.screen();
      t.type("if [ \"$(stty -g)\" = \"$S\" ]; then echo ST\"\"TY=SAME; fi; echo EX\"\"IT=done");
      t.key("Enter");
      expect_restored(t, "EXIT=done");
      continue;
    }
    expect_restored(t, "EXIT=" + std::to_string(128 + sig));
  }
}

TEST(FullScreen, TooSmallOrDumbTerminalsAreRefusedInPolish) {
  if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
  std::string dir = temp_dir();
  {
    Tmux t(60, 20);
    ASSERT_TRUE(t.ok());
    start(t, dir, probe());
    EXPECT_TRUE(t.wait_for("za mały terminal")) << t.screen();
    expect_restored(t, "EXIT=1");
  }
  {
    Tmux t(100, 30);
    ASSERT_TRUE(t.ok());
    start(t, dir, probe(), "TERM=dumb");
    EXPECT_TRUE(t.wait_for("nieobsługiwany terminal")) << t.screen();
    expect_restored(t, "EXIT=1");
  }
}

}  // namespace

namespace {


TEST(FullScreen, ProgramGoesOnAfterResizing) {
  if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
  std::string dir = temp_dir();
  Tmux t(100, 30);
  ASSERT_TRUE(t.ok());
  start(t, dir, probe());
  ASSERT_TRUE(t.wait_for(" Pierwsza ")) << t.screen();
  t.tmux("resize-window -t e2e -x 90 -y 27");
  ASSERT_TRUE(t.wait_format("#{pane_width}", "90"));
  t.tmux("resize-window -t e2e -x 110 -y 32");
  ASSERT_TRUE(t.wait_format("#{pane_width}", "110"));
  EXPECT_TRUE(t.wait_for(" Pierwsza ")) << t.screen();
  t.type("o");
  EXPECT_TRUE(t.wait_for("│ Konta │")) << t.screen();
  t.key("Escape");
  ASSERT_TRUE(t.wait_gone("│ Konta │")) << t.screen();
  leave(t);
}


TEST(FullScreen, NoColorGivesAMonochromeScreen) {
  if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
  std::string dir = temp_dir();
  for (bool mono : {false, true}) {
    Tmux t(100, 30);
    ASSERT_TRUE(t.ok());
    start(t, dir, probe(), mono ? "NO_COLOR=1" : "");
    ASSERT_TRUE(t.wait_for(" Pierwsza ")) << t.screen();
    std::string bar = t.tmux("capture-pane -e -p -t e2e -S 1 -E 1");
    // Colour pairs set a background (ESC [ 40..47 m); the monochrome screen
    // marks the selected item with reverse video (ESC [ 7 m) instead.
    bool colour_background = std::regex_search(bar, std::regex("\x1b\\[4[0-7]m"));
    bool reverse = bar.find("\x1b[7m") != std::string::npos;
    EXPECT_EQ(colour_background, !mono) << bar;
    EXPECT_EQ(reverse, mono) << bar;
    leave(t);
  }
}

}  // namespace

namespace {

// A bookkeeper's first day, in a real terminal: a new data directory, a
// firm set up in the catalogue screen (NIP, tax office from the F4 list),
// the working year switched to 2026, a second user who sees only that firm,
// and Esc asked before leaving.
TEST(FullScreen, NewDataDirectoryFirmYearAndASecondUser) {
  if (!have_tmux()) GTEST_SKIP() << "tmux is not installed";
  std::string dir = temp_dir();
  std::string data = dir + "/dane";
  {
    Tmux t(100, 30);
    ASSERT_TRUE(t.ok());
    start(t, dir, "");
    ASSERT_TRUE(t.wait_for(" Płace ", "EXIT=")) << t.screen();
    EXPECT_TRUE(t.wait_for("FIRMA DEMONSTRACYJNA  rok 2024")) << t.screen();
    t.key("S-F3");
    ASSERT_TRUE(t.wait_for("Wybierz firmę")) << t.screen();
    t.key("IC");
    ASSERT_TRUE(t.wait_for("Nowa firma")) << t.screen();
    // Short name, directory, name, second line, NIP, then Enter up to the office.
    for (const char* field : {"NOWA", "NOWA", "Nowa Firma", "", "5260250274", "", "", "", "", "", ""}) {
      if (*field) t.type(field);
      t.key("Enter");
    }
    t.key("F4");
    ASSERT_TRUE(t.wait_for("Urzędy skarbowe")) << t.screen();
    t.key("Enter");
    ASSERT_TRUE(t.wait_gone("Urzędy skarbowe")) << t.screen();
    t.key("F2");
    ASSERT_TRUE(t.wait_gone("Nowa firma")) << t.screen();
    ASSERT_TRUE(t.wait_for("NOWA                 Nowa Firma")) << t.screen();
    t.key("Enter");
    ASSERT_TRUE(t.wait_for("Nowa Firma  rok 2024")) << t.screen();
    t.key("S-F4");
    ASSERT_TRUE(t.wait_for("Rok roboczy")) << t.screen();
    for (int i = 0; i < 4; ++i) t.key("BSpace");
    t.type("2026");
    t.key("F2");
    ASSERT_TRUE(t.wait_for("Nowa Firma  rok 2026")) << t.screen();
    leave(t);
  }
  Result list = run(skolvarin() + " firma lista --json --data " + data, dir);
  EXPECT_NE(list.out.find("\"skrot\": \"NOWA\", \"katalog\": \"NOWA\", \"nazwa\": \"Nowa Firma\""), std::string::npos)
      << list.out;
  EXPECT_NE(list.out.find("\"nip\": \"5260250274\""), std::string::npos) << list.out;
  size_t nowa = list.out.find("\"skrot\": \"NOWA\"");
  std::string nowa_line = list.out.substr(nowa, list.out.find('\n', nowa) - nowa);
  EXPECT_EQ(nowa_line.find("\"urzad\": 0,"), std::string::npos) << "the new firm has its tax office: " << nowa_line;
  EXPECT_EQ(nowa_line.find("\"urzad_nazwa\": \"\""), std::string::npos) << nowa_line;
  ASSERT_EQ(run(skolvarin() + " uzytkownik dodaj anna --haslo 'Tajne 1' --data " + data, dir).status, 0);
  ASSERT_EQ(run(skolvarin() + " uzytkownik prawa ANNA --firmy NOWA --data " + data, dir).status, 0);
  {
    Tmux t(100, 30);
    ASSERT_TRUE(t.ok());
    start(t, dir, "");
    ASSERT_TRUE(t.wait_for("Logowanie", "EXIT=")) << t.screen();
    t.type("anna");
    t.key("Enter");
    t.type("Tajne 1");
    EXPECT_TRUE(t.wait_for("*******")) << "the password shows as stars\n" << t.screen();
    EXPECT_EQ(t.screen().find("Tajne"), std::string::npos) << t.screen();
    t.key("F2");
    ASSERT_TRUE(t.wait_for(" Płace ", "EXIT=")) << t.screen();
    EXPECT_TRUE(t.wait_for("Nowa Firma  rok 2026")) << t.screen();
    t.key("S-F3");
    ASSERT_TRUE(t.wait_for("Wybierz firmę")) << t.screen();
    EXPECT_NE(t.screen().find("NOWA "), std::string::npos) << t.screen();
    EXPECT_EQ(t.screen().find("DEMO "), std::string::npos) << t.screen();
    EXPECT_EQ(t.screen().find("Ins-Dopisz"), std::string::npos) << "ANNA may not change the catalogue\n" << t.screen();
    t.key("Escape");
    ASSERT_TRUE(t.wait_gone("Wybierz firmę")) << t.screen();
    leave(t);
  }
}

}  // namespace
