// A print page or screen form filled from a template: rows of one fixed
// width, into which values are written at a row and a column.  The template
// arrives as UTF-8 rows (resource files are converted from Mazovia when they
// are loaded); positions count characters, not bytes.  Writing past the end
// of a row or below the last row is cut at the page's edge: a page never
// grows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skolvarin::print {

enum class Align { Left, Right, Centre };

class PageTemplate {
 public:
  PageTemplate() = default;
  // Rows of `width` characters cut from `text` (no line ends), as resource
  // pages are stored; a short last row is padded with blanks.
  static PageTemplate from_fixed_rows(std::string_view utf8, int width);
  // Rows given one by one; each is padded or cut to `width`.
  static PageTemplate from_lines(const std::vector<std::string>& lines, int width);

  int width() const { return width_; }
  int rows() const { return static_cast<int>(rows_.size()); }

  // Writes `text` into `field_width` characters at (row, col); field_width 0
  // means the text's own width.  Longer text is cut to the field.
  void put(int row, int col, std::string_view utf8, int field_width = 0,
           Align align = Align::Left);
  // Writes an amount right-aligned in `field_width` characters, formatted by
  // format_amount.
  void put_amount(int row, int col, double value, int field_width, int decimals = 2,
                  bool thousands = true);

  std::string line(int row) const;  // UTF-8, trailing blanks kept
  // Rows first..last inclusive (clamped to the page), trailing blanks cut.
  std::vector<std::string> lines(int first, int last) const;
  std::vector<std::string> all_lines() const { return lines(0, rows() - 1); }

 private:
  int width_ = 0;
  std::vector<std::u32string> rows_;
};

// An amount as printed on Polish documents: comma as the decimal sign,
// groups of thousands separated by a blank when `thousands` is set:
// format_amount(-1234567.5, 2) == "-1 234 567,50".
std::string format_amount(double value, int decimals = 2, bool thousands = true);

}  // namespace skolvarin::print
