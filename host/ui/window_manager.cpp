#include "host/ui/window_manager.h"

#include <algorithm>

#include "host/text/utf8.h"

namespace skolvarin::host {

namespace {
struct Frame {
  char32_t h, v, tl, tr, bl, br;
};
constexpr Frame kSingle{U'─', U'│', U'┌', U'┐', U'└', U'┘'};
constexpr Frame kDouble{U'═', U'║', U'╔', U'╗', U'╚', U'╝'};

bool rect_ok(int rows, int cols, int r1, int c1, int r2, int c2) {
  return r1 >= 0 && c1 >= 0 && r2 < rows && c2 < cols && r1 <= r2 && c1 <= c2;
}
}  // namespace

int WindowManager::define(int row1, int col1, int row2, int col2, int border) {
  if (!rect_ok(rows_, cols_, row1, col1, row2, col2)) return -1;
  Window w;
  w.row1 = row1;
  w.col1 = col1;
  w.row2 = row2;
  w.col2 = col2;
  w.border = border;
  // A border needs room inside it.
  if (w.inner_rows() < 1 || w.inner_cols() < 1) w.border = 0;
  w.cells.assign(static_cast<size_t>(w.inner_rows()) * static_cast<size_t>(w.inner_cols()), Cell{});
  for (size_t i = 0; i < slots_.size(); ++i)
    if (!used_[i]) {
      slots_[i] = std::move(w);
      used_[i] = true;
      return static_cast<int>(i);
    }
  slots_.push_back(std::move(w));
  used_.push_back(true);
  return static_cast<int>(slots_.size() - 1);
}

bool WindowManager::valid(int h) const { return h >= 0 && h < static_cast<int>(slots_.size()) && used_[h]; }
Window* WindowManager::get(int h) { return valid(h) ? &slots_[h] : nullptr; }
const Window* WindowManager::get(int h) const { return valid(h) ? &slots_[h] : nullptr; }

bool WindowManager::place(int h, int row1, int col1, int row2, int col2) {
  Window* w = get(h);
  if (!w || !rect_ok(rows_, cols_, row1, col1, row2, col2)) return false;
  w->row1 = row1;
  w->col1 = col1;
  w->row2 = row2;
  w->col2 = col2;
  if (w->inner_rows() < 1 || w->inner_cols() < 1) w->border = 0;
  w->cells.assign(static_cast<size_t>(w->inner_rows()) * static_cast<size_t>(w->inner_cols()), Cell{U' ', w->fill});
  return true;
}

void WindowManager::set_border(int h, int border) {
  Window* w = get(h);
  if (!w || w->border == border) return;
  w->border = border;
  if (w->inner_rows() < 1 || w->inner_cols() < 1) w->border = 0;
  w->cells.assign(static_cast<size_t>(w->inner_rows()) * static_cast<size_t>(w->inner_cols()), Cell{U' ', w->fill});
}

int WindowManager::select(int h) {
  int old = selected_;
  if (valid(h)) selected_ = h;
  return old;
}

bool WindowManager::show(int h) {
  if (!valid(h)) return false;
  stack_.erase(std::remove(stack_.begin(), stack_.end(), h), stack_.end());
  stack_.push_back(h);
  return true;
}

bool WindowManager::hide(int h) {
  if (!valid(h)) return false;
  stack_.erase(std::remove(stack_.begin(), stack_.end(), h), stack_.end());
  return true;
}

bool WindowManager::close(int h) {
  if (!valid(h)) return false;
  hide(h);
  used_[h] = false;
  slots_[h] = Window{};
  if (selected_ == h) selected_ = stack_.empty() ? -1 : stack_.back();
  return true;
}

bool WindowManager::shown(int h) const { return std::find(stack_.begin(), stack_.end(), h) != stack_.end(); }

void WindowManager::clear(int h, int from_row) {
  Window* w = get(h);
  if (!w) return;
  for (int r = std::max(from_row, 0); r < w->inner_rows(); ++r)
    for (int c = 0; c < w->inner_cols(); ++c) w->at(r, c) = Cell{U' ', w->fill};
}

void WindowManager::write(int h, int row, int col, std::u32string_view text, Attr attr) {
  Window* w = get(h);
  if (!w || row < 0 || row >= w->inner_rows()) return;
  for (char32_t ch : text) {
    if (col >= w->inner_cols()) break;
    if (col >= 0) w->at(row, col) = Cell{ch < 0x20 ? U' ' : ch, attr};
    ++col;
  }
}

void WindowManager::write(int h, int row, int col, std::string_view utf8, Attr attr) {
  write(h, row, col, text::utf8_decode(utf8), attr);
}

void WindowManager::centre(int h, int row, std::string_view utf8, Attr attr) {
  Window* w = get(h);
  if (!w) return;
  std::u32string t = text::utf8_decode(utf8);
  if (static_cast<int>(t.size()) > w->inner_cols()) t.resize(static_cast<size_t>(w->inner_cols()));
  int col = (w->inner_cols() - static_cast<int>(t.size())) / 2;
  write(h, row, col, t, attr);
}

void WindowManager::resize(int rows, int cols) {
  if (rows < 1 || cols < 1 || (rows == rows_ && cols == cols_)) return;
  const int dr = rows - rows_, dc = cols - cols_;
  for (size_t i = 0; i < slots_.size(); ++i) {
    if (!used_[i]) continue;
    Window& w = slots_[i];
    const Window old = w;
    // Columns: full width stretches, the rest moves with the middle.
    if (w.col1 == 0 && w.col2 == cols_ - 1) w.col2 = cols - 1;
    else {
      w.col1 += dc / 2;
      w.col2 += dc / 2;
    }
    // Rows: the top stays, the bottom goes with the bottom, the middle
    // with the middle.
    if (w.row1 > 2) {
      int shift = w.row2 >= rows_ - 3 ? dr : dr / 2;
      w.row1 += shift;
      w.row2 += shift;
    }
    // Whatever would leave the screen is pulled back, then cut.
    auto fit = [](int& a, int& b, int size) {
      if (a < 0) {
        b -= a;
        a = 0;
      }
      if (b >= size) {
        a = std::max(0, a - (b - (size - 1)));
        b = size - 1;
      }
    };
    fit(w.col1, w.col2, cols);
    fit(w.row1, w.row2, rows);
    if (w.inner_rows() < 1 || w.inner_cols() < 1) w.border = 0;
    w.cells.assign(static_cast<size_t>(w.inner_rows()) * static_cast<size_t>(w.inner_cols()), Cell{U' ', w.fill});
    for (int r = 0; r < std::min(old.inner_rows(), w.inner_rows()); ++r)
      for (int c = 0; c < std::min(old.inner_cols(), w.inner_cols()); ++c) w.at(r, c) = old.at(r, c);
    w.cursor.row = std::min(w.cursor.row, w.inner_rows() - 1);
    w.cursor.col = std::min(w.cursor.col, w.inner_cols() - 1);
  }
  rows_ = rows;
  cols_ = cols;
}

void WindowManager::draw_window(term::ScreenBuffer& out, const Window& w) const {
  if (w.border) {
    const Frame& f = w.border == 2 ? kDouble : kSingle;
    for (int c = w.col1 + 1; c < w.col2; ++c) {
      out.set(w.row1, c, Cell{f.h, w.frame});
      out.set(w.row2, c, Cell{f.h, w.frame});
    }
    for (int r = w.row1 + 1; r < w.row2; ++r) {
      out.set(r, w.col1, Cell{f.v, w.frame});
      out.set(r, w.col2, Cell{f.v, w.frame});
    }
    out.set(w.row1, w.col1, Cell{f.tl, w.frame});
    out.set(w.row1, w.col2, Cell{f.tr, w.frame});
    out.set(w.row2, w.col1, Cell{f.bl, w.frame});
    out.set(w.row2, w.col2, Cell{f.br, w.frame});
    if (!w.title.empty()) {
      std::u32string t = text::utf8_decode(w.title);
      int room = w.col2 - w.col1 - 1;
      if (static_cast<int>(t.size()) > room) t.resize(static_cast<size_t>(std::max(room, 0)));
      int col = w.col1 + 1 + (room - static_cast<int>(t.size())) / 2;
      out.put_text(w.row1, col, t, Attr::Title);
    }
  }
  int top = w.inner_top(), left = w.inner_left();
  for (int r = 0; r < w.inner_rows(); ++r)
    for (int c = 0; c < w.inner_cols(); ++c) out.set(top + r, left + c, w.at(r, c));
}

void WindowManager::compose(term::ScreenBuffer& out) const {
  out.clear(Attr::Desktop);
  for (int h : stack_) draw_window(out, slots_[h]);
}

term::CursorState WindowManager::cursor() const {
  // Only the top window may show a cursor: one in a covered window would
  // blink in the middle of another window.
  if (stack_.empty()) return {};
  const Window& w = slots_[stack_.back()];
  if (!w.cursor.visible || w.cursor.row >= w.inner_rows() || w.cursor.col >= w.inner_cols()) return {};
  return term::CursorState{w.inner_top() + w.cursor.row, w.inner_left() + w.cursor.col, true};
}

}  // namespace skolvarin::host
