// The printed list of a register: a title, columns with headers over two
// lines, one row per record, page breaks with page numbers, and for columns
// marked as summed the running totals ("Do przeniesienia" at the foot of a
// page, "Z przeniesienia" at the head of the next one, "RAZEM" at the end).
// Columns are separated by a vertical bar; every line of the list has the
// same width, the sum of the column widths plus the separators.
#pragma once

#include <string>
#include <vector>

#include "host/print/page_template.h"
#include "host/print/print_document.h"

namespace skolvarin::print {

struct TableColumn {
  std::string header1;  // first header line
  std::string header2;  // second header line (may be empty)
  int width = 10;       // characters
  Align align = Align::Left;
  bool summed = false;  // the column's amounts are totalled
  int decimals = 2;     // for summed columns
};

struct TableCell {
  std::string text;      // as printed
  double amount = 0.0;   // added to the total of a summed column
};

using TableRow = std::vector<TableCell>;

struct TableLayout {
  std::string code;       // printout code for file names
  std::string title;      // centred over the list
  std::string subtitle;   // e.g. the firm's name and the filter in force
  std::string date_text;  // printed at the right of the subtitle line ("2026-12-05")
  std::vector<TableColumn> columns;
  int lines_per_page = 64;  // lines of one page, headers and footers included
  bool row_numbers = true;  // a leading "L.p." column
};

// Lays out the list.  A table with no rows still prints its headers and
// "Brak danych do wydruku".
PrintDocument print_table(const TableLayout& layout, const std::vector<TableRow>& rows);

}  // namespace skolvarin::print
