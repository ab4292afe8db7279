// A printout as the host renders it once and then sends to its outputs
// (preview, text file, PDF, printer): a code naming the kind of printout, a
// title, the page width in characters and the pages, each a list of text
// lines in UTF-8.  Lines never hold line ends or form feeds; a line longer
// than the width is printed as it stands (the PDF writer sizes the page for
// the widest line).
#pragma once

#include <string>
#include <vector>

namespace skolvarin::print {

struct PrintedPage {
  std::vector<std::string> lines;
};

struct PrintDocument {
  std::string code;   // short name of the printout, used in file names ("LISTA", "KHNT")
  std::string title;  // shown in the preview and in the PDF's metadata
  int width = 80;     // characters per line the page was laid out for
  std::vector<PrintedPage> pages;
};

// Characters (not bytes) in a UTF-8 text.
size_t text_width(const std::string& utf8);

// The document as plain text: lines ended by '\n', pages separated by a form
// feed ('\f') at the start of every page after the first.
std::string to_text(const PrintDocument& doc);

// Widest line of the document in characters (at least doc.width).
int widest_line(const PrintDocument& doc);

}  // namespace skolvarin::print
