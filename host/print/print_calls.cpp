// The host's print calls over the print core: one printout written at a
// time (pages of lines), pages filled from the module's templates, the
// printed list of a register, the preview window with F2 to print, and
// amounts in words.
#include "host/text/utf8.h"
#include "host/print/print_calls.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "host/api/screen_api.h"
#include "host/core/amount_words.h"
#include "host/api/calendar.h"
#include "host/api/rounding.h"
#include "host/db/db_handles.h"
#include "host/print/print_output.h"
#include "host/text/mazovia.h"
#include "host/ui/message_box.h"
#include "host/ui/screen.h"

namespace skolvarin::print {

namespace {

struct Printout {
  HostContext* ctx = nullptr;
  PrintDocument doc;
};

std::unique_ptr<Printout>& printout() {
  static std::unique_ptr<Printout> p;
  return p;
}

std::string& last_pdf() {
  static std::string s;
  return s;
}

PrintedPage& page() {
  auto& p = printout();
  if (p->doc.pages.empty()) p->doc.pages.emplace_back();
  return p->doc.pages.back();
}

void box(int kind, const std::string& text) {
  if (auto* s = host::current_screen()) host::show_message(*s, kind, text);
  else std::fprintf(stderr, "skolvarin: %s\n", text.c_str());
}

std::string field_text(FIELD4* f) {
  if (!f) return {};
  switch (f4type(f)) {
    case 'D': {
      return to_shown(f4date(f));
    }
    case 'N': {
      if (text::trim(f4str(f)).empty()) return {};
      return format_amount(f4double(f), f4decimals(f), false);
    }
    default:
      return f4trim(f);
  }
}

// Header split over two lines: at '\n' or '|', or wrapped at a blank when
// wider than the column.
std::pair<std::string, std::string> split_header(const std::string& h, int width) {
  size_t cut = h.find_first_of("\n|");
  if (cut != std::string::npos) return {h.substr(0, cut), h.substr(cut + 1)};
  if (static_cast<int>(text::utf8_length(h)) <= width) return {h, ""};
  std::u32string u = text::utf8_decode(h);
  for (int i = std::min(width, static_cast<int>(u.size()) - 1); i > 0; --i)
    if (u[static_cast<size_t>(i)] == U' ')
      return {text::utf8_encode(u.substr(0, static_cast<size_t>(i))), text::utf8_encode(u.substr(static_cast<size_t>(i) + 1))};
  return {h, ""};
}

std::vector<const TabuColumn*> ordered(const TabuDefinition& def) {
  std::vector<const TabuColumn*> cols;
  for (const auto& c : def.columns) cols.push_back(&c);
  std::stable_sort(cols.begin(), cols.end(), [](const TabuColumn* a, const TabuColumn* b) {
    int oa = a->order > 0 ? a->order : 1 << 20, ob = b->order > 0 ? b->order : 1 << 20;
    return oa < ob;
  });
  return cols;
}

std::string date_text(const HostContext* ctx) {
  return ctx ? to_shown(ctx->today) : std::string();
}

int publish(bool archive_only) {
  auto& p = printout();
  if (!p) return -1;
  PrintResult result;
  std::string error;
  bool ok;
  if (archive_only) ok = write_print_files(p->doc, print_folder(p->ctx), p->ctx ? p->ctx->today : HostDate{}, result, error);
  else ok = publish_print(p->ctx, p->doc, result, error);
  if (!result.pdf_path.empty()) last_pdf() = result.pdf_path;
  if (!ok) {
    box(4, error);
    return -1;
  }
  return 0;
}

// The preview window over the printout; F2 prints.  archive: the files are
// kept also when the user leaves.
int preview(const char* title, bool archive) {
  auto& p = printout();
  if (!p) return -1;
  int result = keys::Esc;
  if (!host::current_screen()) {
    if (archive) publish(true);
    p.reset();
    return result;
  }
  std::vector<std::string> lines;
  for (size_t i = 0; i < p->doc.pages.size(); ++i) {
    if (i > 0) lines.push_back("");  // a blank line between pages
    for (const auto& l : p->doc.pages[i].lines) lines.push_back(l);
  }
  int rows = w4screen_rows(), cols = w4screen_cols();
  int win = w4define(1, 0, rows - 2, cols - 1);
  w4border(win, 2);
  std::string t = std::string(" ") + (title && *title ? title : p->doc.title.c_str()) + " - podgląd wydruku ";
  w4title(win, t.c_str());
  int saved = w4select(win);
  w4activate(win);
  set_fun_help("F2-Drukuj  Esc-Wyjście  strzałki, PgUp/PgDn-Przewijanie");
  int h = w4height(), w = w4width();
  int top = 0, left = 0;
  int widest = widest_line(p->doc);
  int last_top = std::max(0, static_cast<int>(lines.size()) - h);
  for (;;) {
    w4select(win);
    w4clear(0);
    for (int r = 0; r < h && top + r < static_cast<int>(lines.size()); ++r) {
      std::string_view l = lines[static_cast<size_t>(top + r)];
      std::string part(text::utf8_substr(l, static_cast<size_t>(left), static_cast<size_t>(w)));
      w4write(r, 0, part.c_str());
    }
    int key = g4char();
    if (key == keys::Esc) {
      if (archive) publish(true);
      break;
    }
    if (key == keys::F2) {
      if (publish(false) == 0) {
        result = keys::F2;
        box(1, "Wydruk zapisano: " + last_pdf());
      }
      break;
    }
    if (key == keys::Down) top = std::min(top + 1, last_top);
    else if (key == keys::Up) top = std::max(top - 1, 0);
    else if (key == keys::PgDn) top = std::min(top + h, last_top);
    else if (key == keys::PgUp) top = std::max(top - h, 0);
    else if (key == keys::Home || key == keys::CtrlPgUp) top = 0;
    else if (key == keys::End || key == keys::CtrlPgDn) top = last_top;
    else if (key == keys::Right) left = std::min(left + 10, std::max(0, widest - w));
    else if (key == keys::Left) left = std::max(left - 10, 0);
  }
  remove_fun_help();
  w4close(win);
  w4select(saved);
  p.reset();
  return result;
}

}  // namespace

const PrintDocument* current_printout() { return printout() ? &printout()->doc : nullptr; }

std::string print_folder(const HostContext* ctx) {
  std::string firm = ctx && !ctx->firm_dir.empty() ? ctx->firm_dir : std::string("./");
  return firm + "wydruki/";
}

std::string printout_code(const std::string& title) {
  static const std::pair<const char*, char> kPolish[] = {{"ą", 'A'}, {"ć", 'C'}, {"ę", 'E'}, {"ł", 'L'}, {"ń", 'N'},
                                                        {"ó", 'O'}, {"ś", 'S'}, {"ź", 'Z'}, {"ż", 'Z'}};
  std::string up = text::utf8_upper(title), out;
  for (size_t i = 0; i < up.size();) {
    unsigned char c = static_cast<unsigned char>(up[i]);
    char put = '_';
    size_t len = 1;
    if (std::isalnum(c) && c < 0x80) {
      put = static_cast<char>(c);
    } else if (c >= 0x80) {
      len = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 1;
      for (const auto& [pl, ascii] : kPolish)
        if (up.compare(i, len, text::utf8_upper(pl)) == 0) put = ascii;
    }
    if (put != '_' || (!out.empty() && out.back() != '_')) out += put;
    i += len;
  }
  while (!out.empty() && out.back() == '_') out.pop_back();
  if (out.size() > 24) out.resize(24);
  while (!out.empty() && out.back() == '_') out.pop_back();
  return out.empty() ? std::string("LISTA") : out;
}

TableLayout tab_rap_layout(const TabuDefinition& def, const std::string& title) {
  TableLayout layout;
  layout.title = title;
  layout.code = printout_code(title);
  for (const TabuColumn* c : ordered(def)) {
    TableColumn col;
    int fw = 0;
    if (c->field) fw = f4type(c->field) == 'D' ? 10 : f4type(c->field) == 'N' ? f4len(c->field) + 2 : f4len(c->field);
    int width = (c->attributes & TABU_FIELD_WIDTH) || c->width <= 0 ? fw : c->width;
    auto [h1, h2] = split_header(c->header, std::max(width, 1));
    width = std::max({width, static_cast<int>(text::utf8_length(h1)), static_cast<int>(text::utf8_length(h2)), 1});
    col.header1 = h1;
    col.header2 = h2;
    col.width = width;
    bool numeric = c->field && f4type(c->field) == 'N';
    col.align = (numeric || (c->attributes & TABU_RIGHT)) ? Align::Right : Align::Left;
    col.summed = (c->attributes & TABU_SUM) != 0;
    col.decimals = c->field ? f4decimals(c->field) : 2;
    layout.columns.push_back(col);
  }
  return layout;
}

PrintDocument build_tab_rap(HostContext* ctx, DATA4* data, const TabuDefinition& def, const std::string& title,
                            X4FilterFn filter, void* filter_arg, const std::string& subtitle) {
  TableLayout layout = tab_rap_layout(def, title);
  std::string firm = ctx ? std::string(text::trim(ctx->firm_name1)) : std::string();
  layout.subtitle = firm + (subtitle.empty() ? "" : (firm.empty() ? "" : "  ") + std::string(text::trim(subtitle)));
  layout.date_text = date_text(ctx);
  std::vector<TableRow> rows;
  if (data) {
    long saved = d4recno(data);
    X4FILTER scan;
    x4init(&scan, data, filter, filter_arg);
    auto cols = ordered(def);
    for (int rc = x4top(&scan); rc == r4success; rc = x4skip(&scan, 1)) {
      if (!filter && d4deleted(data)) continue;
      TableRow row;
      for (const TabuColumn* c : cols) {
        TableCell cell;
        cell.text = c->show ? c->show() : field_text(c->field);
        if (c->field && (c->attributes & TABU_SUM)) cell.amount = f4double(c->field);
        row.push_back(cell);
      }
      rows.push_back(std::move(row));
    }
    if (saved > 0 && saved <= d4reccount(data)) d4go(data, saved);
  }
  return print_table(layout, rows);
}

}  // namespace skolvarin::print

namespace sp = skolvarin::print;
namespace st = skolvarin::text;

// ---------------------------------------------------------------- the printout
int ResetTabuDefinition(TabuDefinition* def) {
  if (!def) return -1;
  def->columns.clear();
  return 0;
}

TabuColumn* DefineTabuColumn(TabuDefinition* def, const char* header, int flags, FIELD4* field, int attributes,
                             int order) {
  if (!def) return nullptr;
  TabuColumn c;
  c.header = header ? header : "";
  c.flags = flags;
  c.field = field;
  c.attributes = attributes;
  c.order = order;
  def->columns.push_back(std::move(c));
  return &def->columns.back();
}

int init_prn(HostContext* ctx, const char* code, const char* title) {
  auto& p = sp::printout();
  p = std::make_unique<sp::Printout>();
  p->ctx = ctx;
  p->doc.code = code && *code ? code : "WYDRUK";
  p->doc.title = title ? title : "";
  p->doc.width = 80;
  return 0;
}

int deinit_prn(int preview) {
  auto& p = sp::printout();
  if (!p) return -1;
  if (preview < 0) {
    p.reset();
    return skolvarin::keys::Esc;
  }
  if (preview == 0) {
    int rc = sp::publish(false);
    p.reset();
    return rc == 0 ? skolvarin::keys::F2 : -1;
  }
  return sp::preview(nullptr, false);
}

int prn_active() { return sp::printout() ? 1 : 0; }

int drukuj_form_feed() {
  auto& p = sp::printout();
  if (!p) return -1;
  p->doc.pages.emplace_back();
  return 0;
}

int drukuj_top_margin(int lines) {
  if (!sp::printout()) return -1;
  for (int i = 0; i < lines; ++i) sp::page().lines.emplace_back();
  return 0;
}

int print_line(const char* text) {
  auto& p = sp::printout();
  if (!p) return -1;
  std::string t = text ? text : "";
  p->doc.width = std::max(p->doc.width, static_cast<int>(st::utf8_length(t)));
  sp::page().lines.push_back(std::move(t));
  return 0;
}

// ---------------------------------------------------------------- template pages
namespace {

// Buffers handed out by print_alloc, until print_free.
std::vector<std::unique_ptr<PrintBuffer>>& owned() {
  static std::vector<std::unique_ptr<PrintBuffer>> v;
  return v;
}

void release(PrintBuffer* b) {
  auto& v = owned();
  v.erase(std::remove_if(v.begin(), v.end(), [b](const auto& p) { return p.get() == b; }), v.end());
}

PrintBuffer* make_buffer(const std::string& utf8, int width) {
  auto b = std::make_unique<PrintBuffer>();
  if (utf8.find("\r\n") != std::string::npos || utf8.find('\n') != std::string::npos) {
    std::vector<std::string> lines;
    size_t start = 0;
    int widest = 0;
    while (start <= utf8.size()) {
      size_t end = utf8.find('\n', start);
      std::string l = utf8.substr(start, end == std::string::npos ? std::string::npos : end - start);
      if (!l.empty() && l.back() == '\r') l.pop_back();
      widest = std::max(widest, static_cast<int>(st::utf8_length(l)));
      lines.push_back(std::move(l));
      if (end == std::string::npos) break;
      start = end + 1;
    }
    b->page = sp::PageTemplate::from_lines(lines, width > 0 ? std::max(width, widest) : widest);
  } else {
    b->page = sp::PageTemplate::from_fixed_rows(utf8, width > 0 ? width : 78);
  }
  owned().push_back(std::move(b));
  return owned().back().get();
}

}  // namespace

int print_alloc_text(PrintBuffer** work, PrintBuffer** original, const std::string& text, int width) {
  if (!work) return -1;
  *work = make_buffer(text, width);
  if (original) *original = make_buffer(text, width);
  return 0;
}

int print_alloc(PrintBuffer** work, PrintBuffer** original, int /*size*/, TemplateIdFunction template_id, int width) {
  if (!work || !template_id) return -1;
  RcsBytes r = EnvFindRcs(template_id());
  if (!r.data || !r.size) {
    sp::box(4, "Brak wzoru wydruku nr " + std::to_string(template_id()));
    return -1;
  }
  std::string utf8 = st::mazovia_to_utf8(std::string_view(reinterpret_cast<const char*>(r.data), r.size));
  return print_alloc_text(work, original, utf8, width);
}

int print_restore(PrintBuffer* work, const PrintBuffer* original) {
  if (!work || !original) return -1;
  work->page = original->page;
  return 0;
}

void print_free(PrintBuffer** work, PrintBuffer** original) {
  if (work && *work) {
    release(*work);
    *work = nullptr;
  }
  if (original && *original) {
    release(*original);
    *original = nullptr;
  }
}

int print_rows(const PrintBuffer* b) { return b ? b->page.rows() : 0; }
int print_width(const PrintBuffer* b) { return b ? b->page.width() : 0; }
std::string print_row(const PrintBuffer* b, int row) {
  return b && row >= 0 && row < b->page.rows() ? b->page.line(row) : std::string();
}

namespace {
sp::Align align_of(int flags) {
  if (flags & PRINT_CENTRE) return sp::Align::Centre;
  if (flags & PRINT_RIGHT) return sp::Align::Right;
  return sp::Align::Left;
}
}  // namespace

int MemPrintStringFmt(PrintBuffer* b, int row, int col, const char* text, int width, int flags) {
  if (!b || !text) return -1;
  b->page.put(row, col, text, width, align_of(flags));
  return 0;
}

int MemPrintFieldFmt(PrintBuffer* b, int row, int col, FIELD4* field, int width, int flags) {
  if (!b || !field) return -1;
  std::string t = sp::field_text(field);
  if (width == 0) width = f4type(field) == 'D' ? 10 : f4len(field);
  b->page.put(row, col, t, width, align_of(flags));
  return 0;
}

int MemPrintDoubleFmt(PrintBuffer* b, int row, int col, double value, int width, int decimals, int flags) {
  if (!b) return -1;
  if ((flags & PRINT_BLANK_ZERO) && skolvarin::R(value, decimals) == 0.0) return 0;
  std::string t = sp::format_amount(value, decimals, (flags & PRINT_THOUSANDS) != 0);
  sp::Align a = (flags & PRINT_CENTRE) ? sp::Align::Centre : sp::Align::Right;
  b->page.put(row, col, t, width, a);
  return 0;
}

int print_lines(const PrintBuffer* b, int width, int first, int last) {
  if (!b || !sp::printout()) return -1;
  for (const auto& l : b->page.lines(first, last)) {
    std::string cut = width > 0 ? std::string(st::utf8_substr(l, 0, static_cast<size_t>(width))) : l;
    print_line(cut.c_str());
  }
  return 0;
}

// ---------------------------------------------------------------- printed list
int prn_tab_rap(HostContext* ctx, DATA4* data, const TabuDefinition* columns, const char* title, X4FilterFn filter,
                void* filter_arg, const char* subtitle) {
  if (!data || !columns) return -1;
  std::string t = title ? title : "";
  sp::PrintDocument doc =
      sp::build_tab_rap(ctx, data, *columns, t, filter, filter_arg, subtitle ? subtitle : "");
  init_prn(ctx, sp::printout_code(t).c_str(), t.c_str());
  sp::printout()->doc = std::move(doc);
  return sp::preview(t.c_str(), false);
}

// ---------------------------------------------------------------- preview files
int open_tmp_edit_file(HostContext* ctx, const char* code, const char* title) { return init_prn(ctx, code, title); }

int write_page_edit_file(const char* text) {
  if (!sp::printout() || !text) return -1;
  std::string s = text;
  std::string line;
  for (char c : s) {
    if (c == '\f') {
      if (!line.empty()) print_line(line.c_str()), line.clear();
      drukuj_form_feed();
    } else if (c == '\n') {
      print_line(line.c_str());
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  if (!line.empty()) print_line(line.c_str());
  return 0;
}

int close_tmp_edit_file() { return sp::printout() ? 0 : -1; }

int edytuj_i_drukuj(const char* title) { return sp::preview(title, false); }
int edytuj_i_drukuj_archiwum(const char* title) { return sp::preview(title, true); }
const char* last_print_pdf() { return sp::last_pdf().c_str(); }

// ---------------------------------------------------------------- amounts in words
namespace {
int copy_out(const std::string& s, char* out, int size) {
  if (out && size > 0) ToMemCopyMaxString(out, s.c_str(), size);
  return static_cast<int>(s.size());
}
}  // namespace

int slownie(double amount, char* out, int size) { return copy_out(skolvarin::slownie(amount), out, size); }
int slownie_3(double amount, char* out, int size) { return copy_out(skolvarin::slownie_3(amount), out, size); }

int pisz_slownie(PrintBuffer* b, int row, int col, double amount, int width, int max_lines) {
  if (!b) return 0;
  auto lines = skolvarin::pisz_slownie(amount, width);
  int n = 0;
  for (const auto& l : lines) {
    if (n >= max_lines) break;
    b->page.put(row + n, col, l, width);
    ++n;
  }
  return n;
}

int print_copies(HostContext* ctx) {
  return skolvarin::print::load_print_settings(ctx ? ctx->common_dir : std::string()).copies;
}
