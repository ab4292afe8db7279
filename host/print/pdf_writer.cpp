#include "host/print/pdf_writer.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <memory>

namespace skolvarin::print {

namespace {
constexpr double kA4Short = 595.28;  // points
constexpr double kA4Long = 841.89;
constexpr double kMargin = 36.0;     // half an inch on every side
constexpr double kAdvance = 0.6021;  // advance of a DejaVu Sans Mono glyph per point of size
constexpr const char* kFont = "DejaVu Sans Mono";

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};
}  // namespace

PdfLayout pdf_layout_for(int width_chars) {
  PdfLayout l;
  width_chars = std::max(width_chars, 1);
  double portrait_usable = kA4Short - 2 * kMargin;
  double landscape_usable = kA4Long - 2 * kMargin;
  double size = portrait_usable / (width_chars * kAdvance);
  if (size >= 8.0) {
    l.landscape = false;
  } else {
    l.landscape = true;
    size = landscape_usable / (width_chars * kAdvance);
  }
  l.font_size = std::min(size, 10.0);
  l.line_height = l.font_size * 1.15;
  double usable_height = (l.landscape ? kA4Short : kA4Long) - 2 * kMargin;
  l.lines_per_sheet = std::max(1, static_cast<int>(usable_height / l.line_height));
  return l;
}

bool write_pdf(const PrintDocument& doc, const std::string& path, std::string& error) {
  PdfLayout layout = pdf_layout_for(widest_line(doc));
  double w = layout.landscape ? kA4Long : kA4Short;
  double h = layout.landscape ? kA4Short : kA4Long;
  std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(
      cairo_pdf_surface_create(path.c_str(), w, h));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    error = "Nie można utworzyć pliku wydruku " + path;
    return false;
  }
  if (!doc.title.empty())
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, doc.title.c_str());
  cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "SKOLVARIN");
  std::unique_ptr<cairo_t, ContextDeleter> cr(cairo_create(surface.get()));
  cairo_select_font_face(cr.get(), kFont, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr.get(), layout.font_size);
  cairo_set_source_rgb(cr.get(), 0, 0, 0);

  bool any = false;
  for (const PrintedPage& page : doc.pages) {
    size_t i = 0;
    do {
      // One sheet: as many lines of this page as fit.
      double y = kMargin + layout.font_size;
      for (int k = 0; k < layout.lines_per_sheet && i < page.lines.size(); ++k, ++i) {
        if (!page.lines[i].empty()) {
          cairo_move_to(cr.get(), kMargin, y);
          cairo_show_text(cr.get(), page.lines[i].c_str());
        }
        y += layout.line_height;
      }
      cairo_show_page(cr.get());
      any = true;
    } while (i < page.lines.size());
  }
  if (!any) cairo_show_page(cr.get());  // an empty printout is one blank sheet
  cr.reset();
  cairo_surface_finish(surface.get());
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    error = "Błąd zapisu pliku wydruku " + path;
    return false;
  }
  return true;
}

}  // namespace skolvarin::print
