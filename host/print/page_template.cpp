#include "host/print/page_template.h"

#include <cmath>
#include <cstdio>

#include "host/api/rounding.h"
#include "host/text/utf8.h"

namespace skolvarin::print {

using text::utf8_decode;
using text::utf8_encode;

PageTemplate PageTemplate::from_fixed_rows(std::string_view utf8, int width) {
  PageTemplate t;
  t.width_ = width > 0 ? width : 1;
  std::u32string all = utf8_decode(utf8);
  for (size_t pos = 0; pos < all.size(); pos += t.width_) {
    std::u32string row = all.substr(pos, t.width_);
    row.resize(t.width_, U' ');
    t.rows_.push_back(std::move(row));
  }
  return t;
}

PageTemplate PageTemplate::from_lines(const std::vector<std::string>& lines, int width) {
  PageTemplate t;
  t.width_ = width > 0 ? width : 1;
  for (const std::string& l : lines) {
    std::u32string row = utf8_decode(l);
    row.resize(t.width_, U' ');
    t.rows_.push_back(std::move(row));
  }
  return t;
}

void PageTemplate::put(int row, int col, std::string_view utf8, int field_width, Align align) {
  if (row < 0 || row >= rows() || col < 0 || col >= width_) return;
  std::u32string text = utf8_decode(utf8);
  int fw = field_width > 0 ? field_width : static_cast<int>(text.size());
  if (static_cast<int>(text.size()) > fw) text.resize(fw);
  int pad = fw - static_cast<int>(text.size());
  std::u32string cell;
  switch (align) {
    case Align::Left: cell = text + std::u32string(pad, U' '); break;
    case Align::Right: cell = std::u32string(pad, U' ') + text; break;
    case Align::Centre:
      cell = std::u32string(pad / 2, U' ') + text + std::u32string(pad - pad / 2, U' ');
      break;
  }
  // A left-aligned value without a set width does not blank the rest.
  if (field_width <= 0) cell = text;
  std::u32string& r = rows_[row];
  for (size_t k = 0; k < cell.size() && col + static_cast<int>(k) < width_; ++k) r[col + k] = cell[k];
}

void PageTemplate::put_amount(int row, int col, double value, int field_width, int decimals,
                              bool thousands) {
  put(row, col, format_amount(value, decimals, thousands), field_width, Align::Right);
}

std::string PageTemplate::line(int row) const {
  if (row < 0 || row >= rows()) return {};
  return utf8_encode(rows_[row]);
}

std::vector<std::string> PageTemplate::lines(int first, int last) const {
  std::vector<std::string> out;
  if (first < 0) first = 0;
  if (last >= rows()) last = rows() - 1;
  for (int r = first; r <= last; ++r) {
    std::u32string row = rows_[r];
    while (!row.empty() && row.back() == U' ') row.pop_back();
    out.push_back(utf8_encode(row));
  }
  return out;
}

std::string format_amount(double value, int decimals, bool thousands) {
  double v = R(value, decimals);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, std::fabs(v));
  std::string digits = buf;
  std::string frac;
  if (auto dot = digits.find('.'); dot != std::string::npos) {
    frac = "," + digits.substr(dot + 1);
    digits.resize(dot);
  }
  if (thousands) {
    std::string grouped;
    int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
      grouped += digits[i];
      int left = n - 1 - i;
      if (left > 0 && left % 3 == 0) grouped += ' ';
    }
    digits = grouped;
  }
  bool negative = v < 0.0;
  return (negative ? "-" : "") + digits + frac;
}

}  // namespace skolvarin::print
