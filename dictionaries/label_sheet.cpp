#include "dictionaries/label_sheet.h"

#include <algorithm>

namespace skolvarin::dictionaries {

namespace {

// Cut or pad a UTF-8 text to n characters.
std::string fit(const std::string& s, int n) {
  std::string out;
  int count = 0;
  for (size_t i = 0; i < s.size() && count < n; ++count) {
    unsigned char c = s[i];
    size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    out.append(s, i, len);
    i += len;
  }
  out.append(static_cast<size_t>(n - count), ' ');
  return out;
}

std::string rtrim(std::string s) {
  size_t e = s.find_last_not_of(' ');
  s.erase(e == std::string::npos ? 0 : e + 1);
  return s;
}

}  // namespace

std::vector<std::string> lay_out_labels(const LabelLayout& l, const std::vector<LabelText>& labels) {
  std::vector<std::string> out;
  if (l.per_row < 1 || l.width < 1 || l.height < 1 || l.rows_per_page < 1) return out;
  size_t per_page = static_cast<size_t>(l.per_row) * static_cast<size_t>(l.rows_per_page);
  for (size_t first = 0; first < labels.size(); first += static_cast<size_t>(l.per_row)) {
    size_t row_index = first / static_cast<size_t>(l.per_row);
    bool page_start = first % per_page == 0;
    if (page_start) {
      if (first > 0) out.emplace_back("\f");
      for (int i = 0; i < l.top; ++i) out.emplace_back();
    } else {
      for (int i = 0; i < l.row_gap; ++i) out.emplace_back();
    }
    (void)row_index;
    size_t last = std::min(labels.size(), first + static_cast<size_t>(l.per_row));
    for (int line = 0; line < l.height; ++line) {
      std::string text(static_cast<size_t>(std::max(0, l.left)), ' ');
      for (size_t k = first; k < last; ++k) {
        const LabelText& lab = labels[k];
        std::string part = static_cast<size_t>(line) < lab.size() ? lab[static_cast<size_t>(line)] : std::string();
        text += fit(part, l.width);
        if (k + 1 < last) text.append(static_cast<size_t>(std::max(0, l.gap)), ' ');
      }
      out.push_back(rtrim(text));
    }
  }
  return out;
}

}  // namespace skolvarin::dictionaries
