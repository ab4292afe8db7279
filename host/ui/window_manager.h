// WindowManager: the host's windows and the order they are shown in.
//
// A window is a rectangle of the screen (outer corners row1,col1 -
// row2,col2, both included) with an optional border and title, and its own
// inner cells.  Shown windows form a stack; composing the screen paints the
// desktop, then each shown window bottom to top, so hiding or closing a
// window brings back exactly what was under it without redrawing anybody.
//
// Invariants: handles are indexes of the slot table and stay valid until
// w4close; a window's inner cells always match its inner size; the stack
// holds each shown handle once.
#pragma once

#include <string>
#include <vector>

#include "host/term/screen_buffer.h"

namespace skolvarin::host {

using term::Attr;
using term::Cell;

struct Window {
  int row1 = 0, col1 = 0, row2 = 0, col2 = 0;
  int border = 1;  // 0 none, 1 single, 2 double
  std::string title;
  Attr fill = Attr::Normal;    // background of the inner area
  Attr attr = Attr::Normal;    // attribute of the next writes
  Attr frame = Attr::Border;   // attribute of the border
  term::CursorState cursor;    // inside the window
  std::vector<Cell> cells;     // inner_rows() x inner_cols()

  int inner_rows() const { return row2 - row1 + 1 - 2 * (border ? 1 : 0); }
  int inner_cols() const { return col2 - col1 + 1 - 2 * (border ? 1 : 0); }
  int inner_top() const { return row1 + (border ? 1 : 0); }
  int inner_left() const { return col1 + (border ? 1 : 0); }
  Cell& at(int r, int c) { return cells[static_cast<size_t>(r) * static_cast<size_t>(inner_cols()) + static_cast<size_t>(c)]; }
  const Cell& at(int r, int c) const {
    return cells[static_cast<size_t>(r) * static_cast<size_t>(inner_cols()) + static_cast<size_t>(c)];
  }
};

class WindowManager {
 public:
  WindowManager(int rows, int cols) : rows_(rows), cols_(cols) {}

  int rows() const { return rows_; }
  int cols() const { return cols_; }

  // New hidden window; -1 when the rectangle is empty or leaves the screen.
  int define(int row1, int col1, int row2, int col2, int border = 1);
  // Moves/resizes a window; its contents are cleared.  False for a bad handle
  // or rectangle.
  bool place(int handle, int row1, int col1, int row2, int col2);
  void set_border(int handle, int border);
  bool valid(int handle) const;
  Window* get(int handle);
  const Window* get(int handle) const;

  int selected() const { return selected_; }
  // Selects `handle` (when valid); returns the previously selected window.
  int select(int handle);

  bool show(int handle);    // to the top of the stack
  bool hide(int handle);    // off the stack, contents kept
  bool close(int handle);   // hide and free
  bool shown(int handle) const;
  const std::vector<int>& stack() const { return stack_; }

  // Inner-area drawing on a window.
  void clear(int handle, int from_row = 0);
  void write(int handle, int row, int col, std::u32string_view text, Attr attr);
  void write(int handle, int row, int col, std::string_view utf8, Attr attr);
  void centre(int handle, int row, std::string_view utf8, Attr attr);

  // Lays the windows out on a screen of a new size: a window as wide as the
  // screen stays as wide, others keep their place relative to the middle;
  // a window at the top stays there, one at the bottom (above the help
  // lines) stays at the bottom, the rest keep to the middle.  Contents are
  // kept (cut where a window got narrower).
  void resize(int rows, int cols);

  // Paints the desktop and the shown windows into `out` (same size).
  void compose(term::ScreenBuffer& out) const;
  // Cursor of the top window when it shows one (screen coordinates).
  term::CursorState cursor() const;

 private:
  void draw_window(term::ScreenBuffer& out, const Window& w) const;

  int rows_, cols_;
  std::vector<Window> slots_;
  std::vector<bool> used_;
  std::vector<int> stack_;
  int selected_ = -1;
};

}  // namespace skolvarin::host
