#include "dictionaries/info_panel.h"

#include <algorithm>
#include <memory>

#include "dictionaries/register_frame.h"
#include "host/api/print_api.h"

namespace skolvarin::dictionaries {

namespace {

constexpr int kWidth = 78, kMaxRows = 6;

// Byte offset of character `n` of a UTF-8 text (its size when shorter).
size_t char_offset(const std::string& s, int n) {
  size_t i = 0;
  for (int k = 0; i < s.size() && k < n; ++k)
    do ++i; while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80);
  return i;
}

int char_count(const std::string& s) {
  int n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

}  // namespace

std::vector<std::string> panel_template_rows(int template_id, int rows) {
  std::vector<std::string> out;
  PrintBuffer *work = nullptr, *orig = nullptr;
  if (print_alloc(&work, &orig, kWidth * rows, dictionaries::template_id(template_id), kWidth) == 0) {
    for (int r = 0; r < rows && r < print_rows(work); ++r) out.push_back(print_row(work, r));
    print_free(&work, &orig);
  }
  return out;
}

std::string write_over(std::string row, int col, int width, const std::string& value) {
  std::string v = value.substr(0, char_offset(value, width));
  v += std::string(static_cast<size_t>(width - char_count(v)), ' ');
  if (char_count(row) < col + width) row += std::string(static_cast<size_t>(col + width - char_count(row)), ' ');
  size_t from = char_offset(row, col), to = char_offset(row, col + width);
  return row.replace(from, to - from, v);
}

void define_info_panel(TextCtrlDefinition* texts, FIELD4* field, int first_row, int template_id,
                       std::vector<PanelValue> values) {
  auto rows = std::make_shared<std::vector<std::string>>(panel_template_rows(template_id, kMaxRows));
  auto all = std::make_shared<std::vector<PanelValue>>(std::move(values));
  for (int r = 0; r < static_cast<int>(rows->size()); ++r) {
    TextControl* t = DefineTextCtrl(texts, first_row + r, 0, field, 0);
    t->show = [rows, all, r](const std::string&) {
      std::string line = (*rows)[static_cast<size_t>(r)];
      for (const PanelValue& v : *all)
        if (v.row == r) line = write_over(line, v.col, v.width, v.text ? v.text() : std::string());
      return line;
    };
  }
}

}  // namespace skolvarin::dictionaries
