#include "host/ui/screen.h"

#include "host/ui/help.h"

#include <cstdio>

#include "host/core/errors.h"
#include "host/text/utf8.h"
#include "host/ui/message_box.h"

namespace skolvarin::host {

Screen::Screen(term::Terminal& terminal) : terminal_(terminal), windows_(terminal.rows(), terminal.cols()) {
  title_window_ = windows_.define(0, 0, 0, windows_.cols() - 1, 0);
  if (Window* w = windows_.get(title_window_)) {
    w->fill = Attr::Title;
    w->attr = Attr::Title;
    windows_.clear(title_window_);
  }
  windows_.show(title_window_);
  windows_.select(title_window_);
}

void Screen::set_title(const std::string& text) {
  windows_.clear(title_window_);
  windows_.centre(title_window_, 0, text, Attr::Title);
}

term::ScreenBuffer Screen::compose() const {
  term::ScreenBuffer buf(windows_.rows(), windows_.cols());
  windows_.compose(buf);
  int last = buf.rows() - 1;
  if (!fun_help_.empty() && !fun_help_.back().empty()) {
    buf.fill(last, 0, last, buf.cols() - 1, Cell{U' ', Attr::HelpLine});
    buf.put_text(last, 0, fun_help_.back(), Attr::HelpLine);
  }
  if (!hints_.empty() && !hints_.back().empty() && last > 0) {
    buf.fill(last - 1, 0, last - 1, buf.cols() - 1, Cell{U' ', Attr::HelpLine});
    buf.put_text(last - 1, 0, hints_.back(), Attr::HelpLine);
  }
  return buf;
}

void Screen::relayout() {
  windows_.resize(terminal_.rows(), terminal_.cols());
  // The title (whoever wrote it) is centred on the new width.
  if (Window* w = windows_.get(title_window_)) {
    std::u32string text;
    for (int c = 0; c < w->inner_cols(); ++c) text += w->at(0, c).ch;
    size_t b = text.find_first_not_of(U' '), e = text.find_last_not_of(U' ');
    windows_.clear(title_window_);
    if (b != std::u32string::npos)
      windows_.centre(title_window_, 0, text::utf8_encode(text.substr(b, e - b + 1)), Attr::Title);
  }
}

void Screen::refresh() { terminal_.present(compose(), windows_.cursor()); }

int Screen::read_key(bool hot_keys) {
  for (;;) {
    refresh();
    int key = terminal_.read_key();
    if (key == term::kResized) {
      relayout();
      continue;
    }
    if (key == keys::F1 && !in_help_) {
      in_help_ = true;
      int saved = windows_.selected();
      show_help(*this, help_id());
      windows_.select(saved);
      in_help_ = false;
      continue;
    }
    if (hot_keys && !in_hot_key_) {
      auto it = hot_keys_.find(key);
      if (it != hot_keys_.end() && it->second) {
        in_hot_key_ = true;
        int saved = windows_.selected();
        it->second(key);
        windows_.select(saved);
        in_hot_key_ = false;
        continue;
      }
    }
    return key;
  }
}

int Screen::menu_key() {
  if (char_routine_) return char_routine_();
  return read_key(true);
}

bool Screen::key_waiting() {
  refresh();
  return terminal_.key_waiting();
}

void Screen::flush_keys() { terminal_.flush_keys(); }

void Screen::bind_key(int key, HostKeyHandler handler) {
  if (handler) hot_keys_[key] = handler;
  else hot_keys_.erase(key);
}

// ------------------------------------------------------------ binding
namespace {
Screen*& bound() {
  static Screen* s = nullptr;
  return s;
}
}  // namespace

Screen* current_screen() { return bound(); }

struct ScreenBinding::SavedSink {
  ErrorSink sink;
};

ScreenBinding::ScreenBinding(Screen& screen) : previous_(bound()), saved_(std::make_unique<SavedSink>()) {
  bound() = &screen;
  Screen* s = &screen;
  ErrorSink previous_sink;
  saved_->sink = set_error_sink([s](HostContext*, int, const std::string& message) {
    if (s->in_error_box) {
      std::fprintf(stderr, "skolvarin: %s\n", message.c_str());
      return;
    }
    s->in_error_box = true;
    show_message(*s, 3, message, "Błąd");
    s->in_error_box = false;
  });
}

ScreenBinding::~ScreenBinding() {
  set_error_sink(std::move(saved_->sink));
  bound() = previous_;
}

}  // namespace skolvarin::host
