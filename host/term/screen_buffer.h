// ScreenBuffer: the back buffer of the screen, rows x cols cells.
//
// Everything the program shows is composed here first; a terminal adapter
// then shows the buffer (ncurses) or keeps it for a text dump (virtual
// screen).  Invariants: every cell holds a printable character; writes
// outside the buffer are cut off silently, never wrapped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/term/cell.h"

namespace skolvarin::term {

struct CursorState {
  int row = 0, col = 0;
  bool visible = false;
};

class ScreenBuffer {
 public:
  ScreenBuffer(int rows, int cols);

  int rows() const { return rows_; }
  int cols() const { return cols_; }

  const Cell& at(int row, int col) const { return cells_[index(row, col)]; }
  void set(int row, int col, Cell cell);
  // Writes UTF-8 text from (row, col) to the right, cut at the right edge.
  // Returns the number of cells written.  Control characters show as blanks.
  int put_text(int row, int col, std::string_view utf8, Attr attr);
  int put_text(int row, int col, std::u32string_view text, Attr attr);
  void fill(int row1, int col1, int row2, int col2, Cell cell);
  void clear(Attr attr = Attr::Normal) { fill(0, 0, rows_ - 1, cols_ - 1, Cell{U' ', attr}); }

  // One row as UTF-8 text (trailing blanks kept: every row is cols() wide).
  std::string row_text(int row) const;
  // The whole screen: rows() lines, each ended with '\n'.
  std::string text() const;

  bool operator==(const ScreenBuffer&) const = default;

 private:
  std::size_t index(int row, int col) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col);
  }
  bool inside(int row, int col) const { return row >= 0 && row < rows_ && col >= 0 && col < cols_; }

  int rows_, cols_;
  std::vector<Cell> cells_;
};

}  // namespace skolvarin::term
