// VirtualTerminal: a terminal with no device, for tests and headless runs.
//
// Keys come from a script (ScriptStep list); a <dump> step appends the
// screen last presented to the dump text as rows() lines of UTF-8 followed
// by a line of cols() '=' characters.  When the script has run out, every
// read answers Esc, so a program driven by it always finds its way out; the
// reads after the end are counted, and past `esc_limit` of them the
// terminal calls the give-up handler (the program is stuck: it ignores Esc).
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "host/term/key_script.h"
#include "host/term/terminal.h"

namespace skolvarin::term {

class VirtualTerminal : public Terminal {
 public:
  VirtualTerminal(int rows = 25, int cols = 80);

  void add_steps(const std::vector<ScriptStep>& steps);
  void add_keys(std::initializer_list<int> keys);
  // Where dumps go as they happen (besides dump_text()); may be empty.
  void set_dump_sink(std::function<void(const std::string&)> sink) { sink_ = std::move(sink); }
  void set_esc_limit(long limit, std::function<void()> give_up) {
    esc_limit_ = limit;
    give_up_ = std::move(give_up);
  }

  int rows() const override { return screen_.rows(); }
  int cols() const override { return screen_.cols(); }
  void present(const ScreenBuffer& screen, CursorState cursor) override;
  int read_key() override;
  bool key_waiting() override;
  void flush_keys() override {}
  bool input_ended() const override { return esc_after_end_ > 0; }

  const ScreenBuffer& screen() const { return screen_; }
  CursorState cursor() const { return cursor_; }
  // Every dump so far, concatenated.
  const std::string& dump_text() const { return dumps_; }
  bool script_done() const;
  long esc_after_end() const { return esc_after_end_; }
  long presents() const { return presents_; }
  // The screen as one dump (rows, then the '=' line).
  std::string dump_now() const;

 private:
  void run_dumps();

  ScreenBuffer screen_;
  CursorState cursor_;
  std::deque<ScriptStep> steps_;
  std::string dumps_;
  std::function<void(const std::string&)> sink_;
  long esc_limit_ = 10000;
  std::function<void()> give_up_;
  long esc_after_end_ = 0;
  long presents_ = 0;
};

}  // namespace skolvarin::term
