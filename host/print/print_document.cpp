#include "host/print/print_document.h"

#include "host/text/utf8.h"

namespace skolvarin::print {

size_t text_width(const std::string& s) { return text::utf8_length(s); }

std::string to_text(const PrintDocument& doc) {
  std::string out;
  for (size_t p = 0; p < doc.pages.size(); ++p) {
    if (p > 0) out += '\f';
    for (const std::string& line : doc.pages[p].lines) {
      out += line;
      out += '\n';
    }
  }
  return out;
}

int widest_line(const PrintDocument& doc) {
  size_t w = doc.width > 0 ? static_cast<size_t>(doc.width) : 1;
  for (const auto& page : doc.pages)
    for (const auto& line : page.lines) w = std::max(w, text_width(line));
  return static_cast<int>(w);
}

}  // namespace skolvarin::print
