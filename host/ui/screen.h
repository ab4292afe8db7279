// Screen: the host's screen service for one run.
//
// Owns the window stack, the menus, the help lines and
// the hot keys, and draws through a Terminal it is given (ncurses or the
// virtual one).  The screen is recomposed and presented before every key
// read, so what a user (or a <dump>) sees is always the state the program
// waits in.  Row 0 is the title window (the firm's name); the last row
// shows the function-key help line, the row above it the hint line.
//
// The module reaches the screen through the calls of host/api/screen_api.h,
// which act on the screen bound with ScreenBinding; everything else gets the
// Screen passed in.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/api/screen_api.h"
#include "host/term/terminal.h"
#include "host/ui/menu.h"
#include "host/ui/message_catalog.h"
#include "host/ui/window_manager.h"

namespace skolvarin::host {

class Screen {
 public:
  explicit Screen(term::Terminal& terminal);
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  term::Terminal& terminal() { return terminal_; }
  WindowManager& windows() { return windows_; }
  MenuSet& menus() { return menus_; }
  int rows() const { return windows_.rows(); }
  int cols() const { return windows_.cols(); }

  // The title window (row 0); writes the title centred in it.
  int title_window() const { return title_window_; }
  void set_title(const std::string& text);

  // Lays the screen out again for the terminal's size (after the terminal
  // was resized): windows move with the edges they belong to, the title is
  // centred anew.
  void relayout();

  // Composes windows and help lines and shows them.
  void refresh();
  // The composed screen as it would be shown now.
  term::ScreenBuffer compose() const;

  // Reads a key (after a refresh).  With hot_keys, a key bound by
  // bind_key runs its handler and is not returned.
  int read_key(bool hot_keys = true);
  // The key the menus read: through the char routine when one is set.
  int menu_key();
  bool key_waiting();
  void flush_keys();

  void bind_key(int key, HostKeyHandler handler);
  void set_char_routine(HostKeyReader reader) { char_routine_ = reader; }

  void push_fun_help(std::string text) { fun_help_.push_back(std::move(text)); }
  void pop_fun_help() { if (!fun_help_.empty()) fun_help_.pop_back(); }
  void push_hint(std::string text) { hints_.push_back(std::move(text)); }
  void pop_hint() { if (!hints_.empty()) hints_.pop_back(); }

  // Wait window state (host/ui/wait_window.cpp).
  int wait_window = -1;
  long wait_turn = 0;
  int wait_filled = -1;

  // Help (F1, read by read_key everywhere): the help id of what the user
  // works in now.  A menu sets it for its highlighted item; a register
  // keeps the id of the item that started it (HelpScope).
  int help_id() const { return help_ids_.empty() ? 0 : help_ids_.back(); }
  void set_help_id(int id) {
    if (help_ids_.empty()) help_ids_.push_back(id);
    else help_ids_.back() = id;
  }
  void push_help_id(int id) { help_ids_.push_back(id); }
  void pop_help_id() { if (!help_ids_.empty()) help_ids_.pop_back(); }

  // Set while a message box is up, so errors inside it go elsewhere.
  bool in_error_box = false;

 private:
  term::Terminal& terminal_;
  WindowManager windows_;
  MenuSet menus_;
  int title_window_ = -1;
  std::map<int, HostKeyHandler> hot_keys_;
  bool in_hot_key_ = false;
  HostKeyReader char_routine_ = nullptr;
  std::vector<std::string> fun_help_, hints_;
  std::vector<int> help_ids_;
  bool in_help_ = false;
};

// The host context of the run: where ErrLogMessage writes (its common
// directory's log) and what EnvFindString("A:") is based on.  Set by the
// program at start; nullptr forgets it.
void set_run_context(HostContext* ctx);

// The screen the screen_api calls act on (nullptr: no screen).
Screen* current_screen();

// Binds a screen for the life of the object: the screen_api calls act on it
// and host errors show in a box on it.  Restores the previous binding and
// error sink when destroyed.
class ScreenBinding {
 public:
  explicit ScreenBinding(Screen& screen);
  ~ScreenBinding();
  ScreenBinding(const ScreenBinding&) = delete;
  ScreenBinding& operator=(const ScreenBinding&) = delete;

 private:
  Screen* previous_;
  struct SavedSink;
  std::unique_ptr<SavedSink> saved_;
};

}  // namespace skolvarin::host
