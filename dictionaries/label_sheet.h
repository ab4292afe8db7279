// Address labels laid out on a printed sheet: a few labels side by side in
// a row, rows one under another, with the distances of the label layout
// dialog (screen form 41).  Pure layout: addresses in, text lines out.
//
// Invariants: every label takes exactly `height` lines and `width`
// characters (cut or padded); a page holds `rows_per_page` rows of labels
// after `top` blank lines, and pages are separated by a form feed '\f'
// line.
#pragma once

#include <string>
#include <vector>

namespace skolvarin::dictionaries {

struct LabelLayout {
  int per_row = 3;         // labels in a row
  int left = 0;            // A: characters before the first label
  int width = 26;          // B: characters of one label
  int gap = 1;             // C: characters between labels of a row
  int top = 1;             // D: lines before the first row of a page
  int height = 6;          // E: lines of one label
  int row_gap = 1;         // F: lines between rows
  int rows_per_page = 8;   // rows of labels on a page
  bool with_code = false;  // the contractor's code as the first line
};

// One label: its lines (name, name continued, street, postal code and city).
using LabelText = std::vector<std::string>;

// The printed lines ("\f" starts a new page).  A layout with a count or
// size below 1 gives no lines.
std::vector<std::string> lay_out_labels(const LabelLayout& layout, const std::vector<LabelText>& labels);

}  // namespace skolvarin::dictionaries
