// NcursesTerminal: the real terminal, through ncursesw.
//
// Opens the terminal in raw mode on the alternate screen, draws the back
// buffer with colours per attribute role (or bold/reverse/underline on a
// monochrome terminal), box drawing and Polish letters (UTF-8 locale; on
// another locale box lines fall back to the terminal's line set and Polish
// letters to their plain Latin letters), and decodes keys itself from the
// bytes of standard input (KeyDecoder).  NO_COLOR in the environment asks
// for the monochrome attributes.  When the terminal is resized, read_key()
// answers kResized with rows() and cols() set to the new size (never below
// the least size the terminal was opened with: a smaller terminal shows the
// part of the screen that fits), and the screen is laid out again.
//
// The terminal is always given back: by the destructor, at exit, and by the
// handlers of SIGTERM, SIGINT, SIGHUP, SIGQUIT and of the crash signals
// (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT), which restore the terminal
// modes, leave the alternate screen, show the cursor and then let the signal
// do what it would have done (terminate, or dump core).
#pragma once

#include <memory>
#include <string>

#include "host/term/terminal.h"

namespace skolvarin::term {

class NcursesTerminal : public Terminal {
 public:
  // Opens the terminal; returns nullptr with a Polish `error` when there is
  // no usable terminal (not a tty, TERM unset or "dumb", unknown TERM,
  // smaller than min_rows x min_cols).
  static std::unique_ptr<NcursesTerminal> open(int min_rows, int min_cols, std::string& error);
  ~NcursesTerminal() override;

  int rows() const override { return rows_; }
  int cols() const override { return cols_; }
  void present(const ScreenBuffer& screen, CursorState cursor) override;
  int read_key() override;
  bool key_waiting() override;
  void flush_keys() override;
  bool input_ended() const override { return esc_after_eof_ > 0; }

  bool colours() const { return colours_; }

 private:
  NcursesTerminal() = default;
  void set_up_attributes();
  void draw_cell(int row, int col, const Cell& cell);
  void redraw_after_resize();

  int rows_ = 0, cols_ = 0;
  int min_rows_ = 0, min_cols_ = 0;
  bool colours_ = false;
  bool utf8_ = true;
  std::unique_ptr<ScreenBuffer> shown_;
  CursorState last_cursor_;
  long esc_after_eof_ = 0;
  struct Input;
  std::unique_ptr<Input> input_;
};

// Restores the terminal at once (used by the signal handlers; safe to call
// more than once and when no terminal was opened).
void restore_terminal_now();

// Latin letter behind a Polish letter (ą -> a, Ł -> L); other characters
// unchanged.  Used where the terminal cannot show UTF-8.
char32_t plain_latin(char32_t ch);

}  // namespace skolvarin::term
