// PDF output of a printout: one PDF page per printed page, the text set in a
// monospaced font (DejaVu Sans Mono, which has every Polish letter and the
// box-drawing characters) so that columns stay aligned.  The paper is A4;
// pages up to about 90 characters wide are set portrait, wider ones
// landscape, and the font size is chosen so that the widest line fits between
// the margins (never above 10 pt).  Text is real text in the PDF: a reader or
// pdftotext gets the Polish letters back.
#pragma once

#include <string>

#include "host/print/print_document.h"

namespace skolvarin::print {

struct PdfLayout {
  bool landscape = false;
  double font_size = 10.0;    // points
  double line_height = 11.5;  // points
  int lines_per_sheet = 0;    // how many lines fit on one sheet
};

// The layout the writer uses for a document of this width.
PdfLayout pdf_layout_for(int width_chars);

// Writes the PDF.  A printed page longer than a sheet continues on the next
// sheet.  Returns false with a Polish message in `error` when the file cannot
// be written.
bool write_pdf(const PrintDocument& doc, const std::string& path, std::string& error);

}  // namespace skolvarin::print
