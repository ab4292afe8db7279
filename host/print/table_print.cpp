#include "host/text/utf8.h"
#include "host/print/table_print.h"

#include <algorithm>
#include <cstdio>

namespace skolvarin::print {

namespace {

std::string fit(const std::string& text, int width, Align align) {
  std::u32string t = text::utf8_decode(text);
  if (static_cast<int>(t.size()) > width) t.resize(width);
  int pad = width - static_cast<int>(t.size());
  std::u32string out;
  switch (align) {
    case Align::Left: out = t + std::u32string(pad, U' '); break;
    case Align::Right: out = std::u32string(pad, U' ') + t; break;
    case Align::Centre: out = std::u32string(pad / 2, U' ') + t + std::u32string(pad - pad / 2, U' '); break;
  }
  return text::utf8_encode(out);
}

struct Builder {
  const TableLayout& layout;
  std::vector<TableColumn> cols;  // with the L.p. column first when asked for
  int total_width = 0;
  std::vector<double> running;    // totals so far, per column
  bool any_summed = false;

  explicit Builder(const TableLayout& l) : layout(l) {
    if (l.row_numbers) cols.push_back(TableColumn{"L.p.", "", 5, Align::Right, false, 0});
    for (const auto& c : l.columns) cols.push_back(c);
    for (const auto& c : cols) {
      total_width += c.width;
      any_summed = any_summed || c.summed;
    }
    total_width += static_cast<int>(cols.size()) + 1;  // bars
    running.assign(cols.size(), 0.0);
  }

  std::string rule(char32_t left, char32_t mid, char32_t right) const {
    std::u32string s(1, left);
    for (size_t i = 0; i < cols.size(); ++i) {
      s += std::u32string(cols[i].width, U'─');
      s += i + 1 < cols.size() ? mid : right;
    }
    return text::utf8_encode(s);
  }

  std::string cells(const std::vector<std::string>& texts) const {
    std::string s = "│";
    for (size_t i = 0; i < cols.size(); ++i) {
      s += fit(i < texts.size() ? texts[i] : "", cols[i].width, cols[i].align);
      s += "│";
    }
    return s;
  }

  // The label spans every column before the first summed one; summed
  // columns show their running totals.
  std::string totals_line(const std::string& label) const {
    size_t first = 0;
    while (first < cols.size() && !cols[first].summed) ++first;
    int span = -1;
    for (size_t i = 0; i < first; ++i) span += cols[i].width + 1;
    std::string s = "│";
    if (first > 0) s += fit(label, span, Align::Left) + "│";
    for (size_t i = first; i < cols.size(); ++i) {
      std::string text = cols[i].summed ? format_amount(running[i], cols[i].decimals) : "";
      s += fit(text, cols[i].width, cols[i].align) + "│";
    }
    return s;
  }

  std::vector<std::string> head(int page_no) const {
    std::vector<std::string> h;
    std::string pageno = "str. " + std::to_string(page_no);
    int w = std::max(total_width, static_cast<int>(text_width(layout.title)) + 12);
    h.push_back(fit(layout.title, w - static_cast<int>(pageno.size()), Align::Centre) + pageno);
    if (!layout.subtitle.empty() || !layout.date_text.empty())
      h.push_back(fit(layout.subtitle, w - static_cast<int>(text_width(layout.date_text)), Align::Left) +
                  layout.date_text);
    h.push_back(rule(U'┌', U'┬', U'┐'));
    std::vector<std::string> h1, h2;
    for (const auto& c : cols) {
      h1.push_back(c.header1);
      h2.push_back(c.header2);
    }
    h.push_back(cells(h1));
    bool second = std::any_of(h2.begin(), h2.end(), [](const std::string& s) { return !s.empty(); });
    if (second) h.push_back(cells(h2));
    h.push_back(rule(U'├', U'┼', U'┤'));
    return h;
  }
};

}  // namespace

PrintDocument print_table(const TableLayout& layout, const std::vector<TableRow>& rows) {
  Builder b(layout);
  PrintDocument doc;
  doc.code = layout.code;
  doc.title = layout.title;
  doc.width = b.total_width;

  int page_no = 1;
  PrintedPage page;
  page.lines = b.head(page_no);
  // Room for the closing rule and, with totals, the carry line.
  const int foot = b.any_summed ? 3 : 1;
  const int min_lines = static_cast<int>(page.lines.size()) + foot + 2;
  const int per_page = std::max(layout.lines_per_page, min_lines);

  auto close_page = [&](bool last) {
    if (b.any_summed) {
      page.lines.push_back(b.rule(U'├', U'┼', U'┤'));
      page.lines.push_back(b.totals_line(last ? "RAZEM" : "Do przeniesienia"));
    }
    page.lines.push_back(b.rule(U'└', U'┴', U'┘'));
    doc.pages.push_back(std::move(page));
    page = PrintedPage{};
  };

  if (rows.empty()) {
    page.lines.push_back("│" + fit("Brak danych do wydruku", b.total_width - 2, Align::Centre) + "│");
    close_page(true);
    return doc;
  }

  for (size_t r = 0; r < rows.size(); ++r) {
    if (static_cast<int>(page.lines.size()) + foot + 1 > per_page) {  // row + foot must fit
      close_page(false);
      ++page_no;
      page.lines = b.head(page_no);
      if (b.any_summed) page.lines.push_back(b.totals_line("Z przeniesienia"));
    }
    std::vector<std::string> texts;
    size_t offset = 0;
    if (layout.row_numbers) {
      texts.push_back(std::to_string(r + 1) + ".");
      offset = 1;
    }
    for (size_t i = 0; i < layout.columns.size(); ++i) {
      const TableCell* cell = i < rows[r].size() ? &rows[r][i] : nullptr;
      texts.push_back(cell ? cell->text : "");
      if (cell && b.cols[i + offset].summed) b.running[i + offset] += cell->amount;
    }
    page.lines.push_back(b.cells(texts));
  }
  close_page(true);
  return doc;
}

}  // namespace skolvarin::print
