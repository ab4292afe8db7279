#include "host/term/screen_buffer.h"

#include <algorithm>

#include "host/text/utf8.h"

namespace skolvarin::term {

ScreenBuffer::ScreenBuffer(int rows, int cols)
    : rows_(std::max(rows, 1)), cols_(std::max(cols, 1)),
      cells_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols_)) {}

void ScreenBuffer::set(int row, int col, Cell cell) {
  if (!inside(row, col)) return;
  if (cell.ch < 0x20 || (cell.ch >= 0x7F && cell.ch < 0xA0)) cell.ch = U' ';
  cells_[index(row, col)] = cell;
}

int ScreenBuffer::put_text(int row, int col, std::u32string_view text, Attr attr) {
  if (row < 0 || row >= rows_) return 0;
  int written = 0;
  for (char32_t c : text) {
    if (col >= cols_) break;
    if (col >= 0) {
      set(row, col, Cell{c, attr});
      ++written;
    }
    ++col;
  }
  return written;
}

int ScreenBuffer::put_text(int row, int col, std::string_view utf8, Attr attr) {
  return put_text(row, col, text::utf8_decode(utf8), attr);
}

void ScreenBuffer::fill(int row1, int col1, int row2, int col2, Cell cell) {
  row1 = std::max(row1, 0);
  col1 = std::max(col1, 0);
  row2 = std::min(row2, rows_ - 1);
  col2 = std::min(col2, cols_ - 1);
  for (int r = row1; r <= row2; ++r)
    for (int c = col1; c <= col2; ++c) set(r, c, cell);
}

std::string ScreenBuffer::row_text(int row) const {
  std::string out;
  if (row < 0 || row >= rows_) return out;
  for (int c = 0; c < cols_; ++c) text::utf8_append(out, at(row, c).ch);
  return out;
}

std::string ScreenBuffer::text() const {
  std::string out;
  for (int r = 0; r < rows_; ++r) {
    out += row_text(r);
    out += '\n';
  }
  return out;
}

}  // namespace skolvarin::term
