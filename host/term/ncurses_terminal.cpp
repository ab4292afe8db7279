#include "host/term/ncurses_terminal.h"

#include <fcntl.h>
#include <langinfo.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifndef NCURSES_WIDECHAR
#define NCURSES_WIDECHAR 1
#endif
#include <ncursesw/curses.h>
#include <ncursesw/term.h>

#include "host/term/key_decoder.h"

namespace skolvarin::term {

// ------------------------------------------------------------ restoring
namespace {
// Everything the signal handlers need is prepared while the terminal opens,
// so the handlers only call write() and tcsetattr().
struct RestoreState {
  volatile sig_atomic_t active = 0;
  struct termios saved {};
  bool have_saved = false;
  char exit_seq[256] = {0};
  size_t exit_len = 0;
};
RestoreState g_restore;

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
struct sigaction g_old_actions[sizeof kSignals / sizeof kSignals[0]];

void append_cap(const char* cap) {
  char* s = tigetstr(const_cast<char*>(cap));
  if (s == nullptr || s == reinterpret_cast<char*>(-1)) return;
  size_t n = std::strlen(s);
  if (g_restore.exit_len + n >= sizeof g_restore.exit_seq) return;
  std::memcpy(g_restore.exit_seq + g_restore.exit_len, s, n);
  g_restore.exit_len += n;
}

void on_fatal_signal(int sig) {
  restore_terminal_now();
  // Give the signal its usual effect: the handler was installed with
  // SA_RESETHAND, so the default action is back in place.
  signal(sig, SIG_DFL);
  raise(sig);
}

void install_handlers() {
  for (size_t i = 0; i < sizeof kSignals / sizeof kSignals[0]; ++i) {
    struct sigaction sa {};
    sa.sa_handler = on_fatal_signal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESETHAND;
    sigaction(kSignals[i], &sa, &g_old_actions[i]);
  }
}

void remove_handlers() {
  for (size_t i = 0; i < sizeof kSignals / sizeof kSignals[0]; ++i) sigaction(kSignals[i], &g_old_actions[i], nullptr);
}

void restore_at_exit() { restore_terminal_now(); }

// Window size changes: the handler only notes them; the key loop redraws.
volatile sig_atomic_t g_resized = 0;
struct sigaction g_old_winch;
void on_winch(int) { g_resized = 1; }
}  // namespace

void restore_terminal_now() {
  if (!g_restore.active) return;
  g_restore.active = 0;
  if (g_restore.exit_len > 0) {
    ssize_t r = write(STDOUT_FILENO, g_restore.exit_seq, g_restore.exit_len);
    (void)r;
  }
  if (g_restore.have_saved) tcsetattr(STDIN_FILENO, TCSADRAIN, &g_restore.saved);
}

char32_t plain_latin(char32_t ch) {
  switch (ch) {
    case U'ą': return U'a'; case U'ć': return U'c'; case U'ę': return U'e'; case U'ł': return U'l';
    case U'ń': return U'n'; case U'ó': return U'o'; case U'ś': return U's'; case U'ź': return U'z';
    case U'ż': return U'z'; case U'Ą': return U'A'; case U'Ć': return U'C'; case U'Ę': return U'E';
    case U'Ł': return U'L'; case U'Ń': return U'N'; case U'Ó': return U'O'; case U'Ś': return U'S';
    case U'Ź': return U'Z'; case U'Ż': return U'Z';
    default: return ch;
  }
}

// ------------------------------------------------------------ input
struct NcursesTerminal::Input : ByteSource {
  int next(int timeout_ms) override {
    unsigned char b;
    for (;;) {
      struct pollfd p {STDIN_FILENO, POLLIN, 0};
      int r = poll(&p, 1, timeout_ms);
      if (r < 0) {
        if (errno == EINTR && !g_resized) continue;
        return -1;  // a resize interrupts the wait so the screen is redrawn
      }
      if (r == 0) return -1;
      ssize_t n = read(STDIN_FILENO, &b, 1);
      if (n == 1) return b;
      if (n < 0 && errno == EINTR) continue;
      eof = true;  // the terminal went away
      return -1;
    }
  }
  bool eof = false;
  KeyDecoder decoder{*this, 50};
};

// ------------------------------------------------------------ opening
std::unique_ptr<NcursesTerminal> NcursesTerminal::open(int min_rows, int min_cols, std::string& error) {
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
    error = "brak terminala: program pełnoekranowy wymaga terminala na wejściu i wyjściu "
            "(do pracy bez terminala służą opcje --keys i --screen)";
    return nullptr;
  }
  const char* term = std::getenv("TERM");
  if (term == nullptr || *term == 0 || std::strcmp(term, "dumb") == 0) {
    error = "nieobsługiwany terminal (zmienna TERM jest pusta lub równa \"dumb\"); "
            "ustaw TERM, np. TERM=xterm-256color";
    return nullptr;
  }
  std::setlocale(LC_ALL, "");
  int err = 0;
  if (setupterm(nullptr, STDOUT_FILENO, &err) != OK) {
    error = std::string("nieznany typ terminala: ") + term;
    return nullptr;
  }
  std::unique_ptr<NcursesTerminal> t(new NcursesTerminal());
  g_restore.have_saved = tcgetattr(STDIN_FILENO, &g_restore.saved) == 0;
  g_restore.exit_len = 0;
  append_cap("sgr0");
  append_cap("cnorm");
  append_cap("rmkx");
  append_cap("rmcup");
  SCREEN* scr = newterm(nullptr, stdout, stdin);
  if (scr == nullptr) {
    error = std::string("nie można otworzyć terminala ") + term;
    return nullptr;
  }
  set_term(scr);
  g_restore.active = 1;
  install_handlers();
  {
    struct sigaction sa {};
    sa.sa_handler = on_winch;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGWINCH, &sa, &g_old_winch);
  }
  static bool at_exit_set = false;
  if (!at_exit_set) {
    std::atexit(restore_at_exit);
    at_exit_set = true;
  }
  if (LINES < min_rows || COLS < min_cols) {
    int rows = LINES, cols = COLS;
    endwin();
    remove_handlers();
    sigaction(SIGWINCH, &g_old_winch, nullptr);
    g_restore.active = 0;
    delscreen(scr);
    error = "za mały terminal: " + std::to_string(cols) + " x " + std::to_string(rows) +
            " znaków, potrzeba co najmniej " + std::to_string(min_cols) + " x " + std::to_string(min_rows);
    return nullptr;
  }
  raw();
  noecho();
  nonl();
  keypad(stdscr, FALSE);
  leaveok(stdscr, FALSE);
  curs_set(0);
  const char* cs = nl_langinfo(CODESET);
  t->utf8_ = cs != nullptr && (std::strcmp(cs, "UTF-8") == 0 || std::strcmp(cs, "utf8") == 0);
  t->rows_ = LINES;
  t->cols_ = COLS;
  t->min_rows_ = min_rows;
  t->min_cols_ = min_cols;
  // NO_COLOR (any value) asks for the monochrome attributes.
  const char* no_colour = std::getenv("NO_COLOR");
  t->colours_ = has_colors() && !(no_colour && *no_colour);
  t->set_up_attributes();
  t->input_ = std::make_unique<Input>();
  clear();
  refresh();
  return t;
}

NcursesTerminal::~NcursesTerminal() {
  if (g_restore.active) {
    curs_set(1);
    endwin();
    g_restore.active = 0;
    remove_handlers();
    sigaction(SIGWINCH, &g_old_winch, nullptr);
    // endwin leaves the modes as they were before newterm; make sure.
    if (g_restore.have_saved) tcsetattr(STDIN_FILENO, TCSADRAIN, &g_restore.saved);
  }
}

// ------------------------------------------------------------ drawing
namespace {
attr_t g_attrs[kAttrCount];
short g_pairs[kAttrCount];
}  // namespace

void NcursesTerminal::set_up_attributes() {
  if (colours_) {
    start_color();
    struct Spec {
      short fg, bg;
      attr_t extra;
    };
    // Index = Attr role.
    const Spec spec[kAttrCount] = {
        {COLOR_BLACK, COLOR_WHITE, A_NORMAL},   // Normal
        {COLOR_WHITE, COLOR_BLUE, A_BOLD},      // Highlight
        {COLOR_YELLOW, COLOR_BLUE, A_BOLD},     // Title
        {COLOR_RED, COLOR_WHITE, A_NORMAL},     // HotLetter
        {COLOR_WHITE, COLOR_RED, A_BOLD},       // Warning
        {COLOR_YELLOW, COLOR_BLACK, A_BOLD},    // Input
        {COLOR_BLACK, COLOR_WHITE, A_DIM},      // Dim
        {COLOR_WHITE, COLOR_BLUE, A_NORMAL},    // Desktop
        {COLOR_BLACK, COLOR_WHITE, A_NORMAL},   // Border
        {COLOR_BLACK, COLOR_CYAN, A_NORMAL},    // HelpLine
        {COLOR_YELLOW, COLOR_BLUE, A_BOLD},     // HighlightHot
    };
    for (int i = 0; i < kAttrCount; ++i) {
      init_pair(static_cast<short>(i + 1), spec[i].fg, spec[i].bg);
      g_pairs[i] = static_cast<short>(i + 1);
      g_attrs[i] = spec[i].extra;
    }
  } else {
    const attr_t mono[kAttrCount] = {
        A_NORMAL,                 // Normal
        A_REVERSE,                // Highlight
        A_BOLD,                   // Title
        A_BOLD | A_UNDERLINE,     // HotLetter
        A_BOLD | A_REVERSE,       // Warning
        A_UNDERLINE,              // Input
        A_DIM,                    // Dim
        A_NORMAL,                 // Desktop
        A_NORMAL,                 // Border
        A_REVERSE,                // HelpLine
        A_REVERSE | A_UNDERLINE,  // HighlightHot
    };
    for (int i = 0; i < kAttrCount; ++i) {
      g_pairs[i] = 0;
      g_attrs[i] = mono[i];
    }
  }
}

void NcursesTerminal::draw_cell(int row, int col, const Cell& cell) {
  int role = static_cast<int>(cell.attr);
  if (role < 0 || role >= kAttrCount) role = 0;
  attr_t a = g_attrs[role];
  short pair = g_pairs[role];
  char32_t ch = cell.ch;
  if (!utf8_) {
    chtype line = 0;
    switch (ch) {
      case U'─': case U'═': line = ACS_HLINE; break;
      case U'│': case U'║': line = ACS_VLINE; break;
      case U'┌': case U'╔': line = ACS_ULCORNER; break;
      case U'┐': case U'╗': line = ACS_URCORNER; break;
      case U'└': case U'╚': line = ACS_LLCORNER; break;
      case U'┘': case U'╝': line = ACS_LRCORNER; break;
      case U'█': case U'▓': case U'▒': case U'░': line = ACS_CKBOARD; break;
      default: break;
    }
    if (line) {
      mvaddch(row, col, line | a | COLOR_PAIR(pair));
      return;
    }
    ch = plain_latin(ch);
    if (ch >= 0x80) ch = U'?';
  }
  wchar_t w[2] = {static_cast<wchar_t>(ch), 0};
  cchar_t cc;
  setcchar(&cc, w, a, pair, nullptr);
  mvadd_wch(row, col, &cc);
}

void NcursesTerminal::present(const ScreenBuffer& screen, CursorState cursor) {
  bool full = !shown_ || shown_->rows() != screen.rows() || shown_->cols() != screen.cols();
  int rows = std::min(screen.rows(), LINES), cols = std::min(screen.cols(), COLS);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const Cell& cell = screen.at(r, c);
      if (full || !(shown_->at(r, c) == cell)) {
        // The bottom-right cell of the screen is written last and may
        // scroll on some terminals; ncurses takes care of that.
        draw_cell(r, c, cell);
      }
    }
  if (full) shown_ = std::make_unique<ScreenBuffer>(screen);
  else *shown_ = screen;
  last_cursor_ = cursor;
  if (cursor.visible && cursor.row >= 0 && cursor.row < rows && cursor.col >= 0 && cursor.col < cols) {
    move(cursor.row, cursor.col);
    curs_set(1);
  } else {
    curs_set(0);
  }
  refresh();
}

void NcursesTerminal::redraw_after_resize() {
  g_resized = 0;
  struct winsize ws {};
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &ws) == 0 && ws.ws_row > 0 && ws.ws_col > 0)
    resizeterm(ws.ws_row, ws.ws_col);
  // The screen takes the new size; a terminal smaller than the least size
  // shows the part of the screen that fits.
  rows_ = std::max(LINES, min_rows_);
  cols_ = std::max(COLS, min_cols_);
  clear();
  shown_.reset();  // the next present() draws everything
}

int NcursesTerminal::read_key() {
  for (;;) {
    if (g_resized) {
      redraw_after_resize();
      return kResized;
    }
    int key = input_->decoder.next_key(-1);
    if (key >= 0) return key;
    if (input_->eof) {
      // The terminal is gone: answer Esc so every loop ends, and stop a
      // program that ignores them instead of spinning for ever.
      if (++esc_after_eof_ > 10000) {
        restore_terminal_now();
        std::fprintf(stderr, "skolvarin: terminal zamknięty, a program nie kończy pracy; przerywam\n");
        std::_Exit(3);
      }
      return 27;
    }
  }
}

bool NcursesTerminal::key_waiting() {
  struct pollfd p {STDIN_FILENO, POLLIN, 0};
  return poll(&p, 1, 0) > 0;
}

void NcursesTerminal::flush_keys() {
  while (key_waiting()) {
    unsigned char b;
    if (read(STDIN_FILENO, &b, 1) != 1) break;
  }
}

}  // namespace skolvarin::term
