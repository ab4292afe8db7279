// The browse: a list of one table's records in a tag's order, filtered,
// with the register's local menu bar above it, and the calls that act on
// the innermost running browse (menu handlers, refresh, search, picker).
//
// The list is drawn from the current record: the rows above it are found by
// skipping back from it, so a table of any size opens and jumps to its end
// by reading only the rows on the screen.
#include <algorithm>
#include <cstring>

#include "host/text/utf8.h"
#include "host/api/print_api.h"
#include "host/browse/browse_internal.h"
#include "host/browse/picture.h"
#include "host/print/page_template.h"
#include "host/text/mazovia.h"
#include "host/ui/menu.h"
#include "host/ui/screen.h"

struct BrowseState {
  X4FILTER scan;
  long cur = 0;        // current record (0: none, the list is empty)
  int cur_row = 0;     // its row among the data rows
  int window = -1;
  int saved_window = -1;
  int data_rows = 1;
  bool empty = true;
  bool quit = false;
  int result = 27;
  TAG4* original_tag = nullptr;
  std::vector<int> widths;
  // The information panel (-1: none), its template rows and where they
  // come from.
  int panel = -1;
  std::vector<std::string> panel_text;
  int panel_page = 0, panel_first = 0;
};

BROWSE::BROWSE() = default;
BROWSE::~BROWSE() = default;

namespace skolvarin::browse {

namespace k = skolvarin::keys;

namespace {

bool g_next_picker = false;

// Blocks handed out by allocate_browse, until free_browse.
std::vector<std::unique_ptr<BROWSE>>& allocated_browses() {
  static std::vector<std::unique_ptr<BROWSE>> v;
  return v;
}
long g_picked = 0;

// A record passes the browse when it is not deleted and passes the filters.
int browse_pass(void* arg) {
  auto* b = static_cast<BROWSE*>(arg);
  if (d4deleted(b->data)) return r4ignore;
  if (b->filter_function && b->filter_function(b->filters ? static_cast<void*>(b->filters) : nullptr) == r4ignore)
    return r4ignore;
  return r4keep;
}

int column_width(const ScrollColumn& c) {
  if (c.width > 0) return c.width;
  int w = 0;
  if (c.field) w = f4type(c.field) == 'D' ? 10 : f4len(c.field);
  int h = static_cast<int>(text::utf8_length(c.header));
  return std::max(std::max(w, h), 1);
}

std::string cell_text(const ScrollColumn& c) {
  if (c.show) return c.show();
  return field_display(c.field);
}

// Positions on the current record, or on the nearest passing one.
void anchor(BROWSE* b) {
  BrowseState& s = *b->state;
  s.empty = false;
  if (s.cur > 0 && x4go(&s.scan, s.cur) == r4success) return;
  if (s.cur > 0 && d4go(b->data, s.cur) == r4success) {
    if (x4skip(&s.scan, 1) == r4success) {
      s.cur = d4recno(b->data);
      return;
    }
  }
  if (x4bottom(&s.scan) == r4success && s.cur > 0) {
    s.cur = d4recno(b->data);
    return;
  }
  if (x4top(&s.scan) == r4success) {
    s.cur = d4recno(b->data);
    return;
  }
  s.cur = 0;
  s.empty = true;
}

int tied_columns(const BROWSE* b) {
  int n = 0;
  for (const auto& c : b->scroll->columns)
    if (c.tag) ++n;
  return n;
}

// While the help line is composed, hot_keys only says whether a key would
// run a menu item of the list (answered), and runs nothing.
struct HotKeyProbe {
  bool answered = false;
  bool runs = false;
};
HotKeyProbe* g_probe = nullptr;

// Whether `key` does something in the list: a key the register's hot-key
// handler passes to hot_keys counts only when an item of the local menu
// stands behind it; a key it handles itself counts.
bool key_works(BROWSE* b, int key) {
  HotKeyProbe probe;
  g_probe = &probe;
  int rest = b->hot_key(key);
  g_probe = nullptr;
  return probe.answered ? probe.runs : rest != key;
}

// The help line names the keys of the list: the function keys on the last
// row, the moving keys on the row above it.  Keys that do nothing in this
// list (no hot keys, a read-only or picker state, one order) are left out.
void set_help(BROWSE* b) {
  std::string h;
  auto add = [&h](const char* item) {
    if (!h.empty()) h += "  ";
    h += item;
  };
  if (b->picker) add("Enter-Wybierz");
  if (b->hot_key && !b->read_only && !b->picker) {
    if (key_works(b, k::Ins)) add("Ins-Dopisz");
    if (key_works(b, k::F5)) add("F5-Zmień");
    if (key_works(b, k::Del)) add("Del-Usuń");
  }
  if (b->edit_controls || b->text_controls) add("F2-Podgląd");
  if (b->stamp) add("Alt+I-Zmiana");
  add("F1-Pomoc");
  add("Esc-Wyjście");
  set_fun_help(h.c_str());
  std::string moves = "↑↓ PgUp PgDn Home End-Przewijanie";
  if (b->menu_window >= 0 && !b->picker) moves += "  ←→ Enter-Menu";
  if (tied_columns(b) > 1) moves += "  Tab/Shift+Tab-Kolejność";
  add_help_line(moves.c_str());
}

// The information panel: the rows of the form's template that hold text
// controls, with the current record's values, under the list.  Only when
// the register defines text controls and the list keeps its rows.
struct PanelRows {
  int page = 0, first = 0, count = 0;
};

PanelRows panel_rows(const BROWSE* b) {
  PanelRows p;
  if (!b->text_controls || b->text_controls->controls.empty()) return p;
  int rows1 = b->form_rows;
  bool two = b->form_template2 && b->form_rows2 > 0;
  int lo = 1 << 20, hi = -1;
  int page = -1;
  for (const auto& t : b->text_controls->controls) {
    int pg = two && t.row >= rows1 ? 1 : 0;
    if (page < 0) page = pg;
    if (pg != page) continue;  // the first control's page only
    int r = pg ? t.row - rows1 : t.row;
    lo = std::min(lo, r);
    hi = std::max(hi, r);
  }
  if (hi < 0) return p;
  p.page = page;
  p.first = lo;
  p.count = std::min(hi - lo + 1, 6);
  return p;
}


void open_window(BROWSE* b) {
  BrowseState& s = *b->state;
  int srows = w4screen_rows(), scols = w4screen_cols();
  int width = std::clamp(b->scroll->width, 20, scols);
  int left = (scols - width) / 2;
  int bottom = srows - 3;
  s.panel = -1;
  PanelRows p = panel_rows(b);
  // The list keeps at least 5 rows (2 borders, the headers, the status).
  if (p.count > 0 && bottom - (p.count + 2) - 2 + 1 >= 9) {
    int pw = std::min(80, scols);
    int pl = (scols - pw) / 2;
    s.panel = w4define(bottom - p.count - 1, pl, bottom, pl + pw - 1);
    w4border(s.panel, 1);
    TemplateIdFunction fn = p.page ? b->form_template2 : b->form_template;
    std::vector<std::string> all = template_rows(fn, p.first + p.count);
    s.panel_text.assign(all.begin() + p.first, all.end());
    s.panel_page = p.page;
    s.panel_first = p.first;
    bottom -= p.count + 2;
  }
  s.window = w4define(2, left, bottom, left + width - 1);
  w4border(s.window, 2);
  std::string t = browse_title(b);
  if (!t.empty()) t = " " + t + " ";
  w4title(s.window, t.c_str());
  s.saved_window = w4select(s.window);
  if (s.panel >= 0) w4activate(s.panel);
  w4activate(s.window);
  s.data_rows = std::max(1, w4height() - 2);
  s.widths.clear();
  for (const auto& c : b->scroll->columns) s.widths.push_back(column_width(c));
}

std::string status_line(BROWSE* b) {
  BrowseState& s = *b->state;
  std::string st;
  if (b->read_only) st += " PODGLĄD ";
  if (b->filters) st += FilterStatusLine(b->filters);
  std::string pos = " brak zapisów ";
  if (!s.empty) {
    // Counted as the list shows them: in its order, without deleted
    // records and records the filters leave out.
    long place = 0, shown = 0;
    X4FILTER walk;
    x4init(&walk, b->data, s.scan.filter, s.scan.arg);
    for (int rc = x4top(&walk); rc == 0; rc = x4skip(&walk, 1)) {
      ++shown;
      if (d4recno(b->data) == s.cur) place = shown;
    }
    x4go(&s.scan, s.cur);
    pos = " rek. " + std::to_string(place) + " z " + std::to_string(shown) + " ";
  }
  return st + "|" + pos;
}

// The panel with the current record's text controls (record loaded).
void draw_panel(BROWSE* b) {
  BrowseState& s = *b->state;
  if (s.panel < 0) return;
  w4select(s.panel);
  w4clear(0);
  for (size_t r = 0; r < s.panel_text.size(); ++r) put_text(static_cast<int>(r), 0, s.panel_text[r], 0);
  if (!s.empty) {
    int rows1 = b->form_rows;
    int n = static_cast<int>(s.panel_text.size());
    for (const auto& t : b->text_controls->controls) {
      bool page2 = b->form_template2 && b->form_rows2 > 0 && t.row >= rows1;
      if ((page2 ? 1 : 0) != s.panel_page || !t.field) continue;
      int r = (page2 ? t.row - rows1 : t.row) - s.panel_first;
      if (r < 0 || r >= n) continue;
      put_text(r, t.col, text_control_value(t, form_date_picture(b)), 5);
    }
  }
  w4select(s.window);
}

void draw(BROWSE* b) {
  BrowseState& s = *b->state;
  w4select(s.window);
  w4clear(0);
  int inner = w4width();
  // Headers; the ordering column's header is marked.
  int col = 1;
  for (size_t i = 0; i < b->scroll->columns.size(); ++i) {
    const auto& c = b->scroll->columns[i];
    bool ordering = c.tag && c.tag == b->tag;
    put_text(0, col, text::utf8_pad_right(c.header, static_cast<size_t>(s.widths[i])), ordering ? 3 : 2);
    col += s.widths[i] + 1;
  }
  anchor(b);
  if (s.empty) {
    put_text(1, 1, "Brak danych", 6);
  } else {
    // The window is filled: when fewer rows follow the current one than
    // fit below it (after a search, at the end), it moves down.
    int below = 0;
    while (below < s.data_rows - 1 - s.cur_row && x4skip(&s.scan, 1) == r4success) ++below;
    x4go(&s.scan, s.cur);
    s.cur_row = std::max(s.cur_row, s.data_rows - 1 - below);
    // Rows above the current one.
    int above = 0;
    while (above < s.cur_row && x4skip(&s.scan, -1) == r4success) ++above;
    s.cur_row = above;
    int row = 0;
    for (;;) {
      long rec = d4recno(b->data);
      std::string line;
      for (size_t i = 0; i < b->scroll->columns.size(); ++i) {
        line += text::utf8_pad_right(cell_text(b->scroll->columns[i]), static_cast<size_t>(s.widths[i]));
        line += ' ';
      }
      int mark = b->row_mark ? b->row_mark(b) : 0;
      int role = rec == s.cur ? 1 : 0;
      if (rec != s.cur && b->row_attr) {
        int r = b->row_attr(b);
        if (r >= 0) role = r;
      }
      std::string full = std::string(mark ? text::utf8_encode(std::u32string(1, static_cast<char32_t>(mark))) : " ") + line;
      put_text(1 + row, 0, text::utf8_pad_right(full, static_cast<size_t>(inner)), role);
      if (++row >= s.data_rows) break;
      if (x4skip(&s.scan, 1) != r4success) break;
    }
    x4go(&s.scan, s.cur);
  }
  put_text(w4height() - 1, 0, text::utf8_pad_right(status_line(b), static_cast<size_t>(inner)), 6);
  draw_panel(b);
}

void move(BROWSE* b, long n) {
  BrowseState& s = *b->state;
  if (s.empty) return;
  anchor(b);
  long moved = 0, reached = s.cur;
  long dir = n < 0 ? -1 : 1;
  for (long i = 0; i < (n < 0 ? -n : n); ++i) {
    if (x4skip(&s.scan, dir) != r4success) break;
    ++moved;
    reached = d4recno(b->data);
  }
  // Only rows really reached count: a skip past the end leaves the table off its rows.
  if (moved > 0) {
    s.cur = reached;
    s.cur_row = static_cast<int>(std::clamp<long>(s.cur_row + dir * moved, 0, s.data_rows - 1));
  }
  x4go(&s.scan, s.cur);
}

void go_end(BROWSE* b, bool last) {
  BrowseState& s = *b->state;
  int rc = last ? x4bottom(&s.scan) : x4top(&s.scan);
  if (rc == r4success) {
    s.cur = d4recno(b->data);
    s.cur_row = last ? s.data_rows - 1 : 0;
  }
}

// Next / previous column tied to a tag.
void next_order(BROWSE* b, int dir) {
  auto& cols = b->scroll->columns;
  int n = static_cast<int>(cols.size());
  if (n == 0) return;
  int at = -1;
  for (int i = 0; i < n; ++i)
    if (cols[static_cast<size_t>(i)].tag && cols[static_cast<size_t>(i)].tag == b->tag) at = i;
  for (int step = 1; step <= n; ++step) {
    int i = ((at < 0 ? (dir > 0 ? -1 : 0) : at) + dir * step % n + n) % n;
    if (cols[static_cast<size_t>(i)].tag && cols[static_cast<size_t>(i)].tag != b->tag) {
      b->tag = cols[static_cast<size_t>(i)].tag;
      d4tag_select(b->data, b->tag);
      return;
    }
  }
}

skolvarin::host::Menu* bar(BROWSE* b) {
  auto* s = screen();
  return s ? s->menus().get(b->menu_window) : nullptr;
}

void draw_bar(BROWSE* b) {
  if (auto* s = screen(); s && bar(b)) host::show_menu(*s, b->menu_window);
}

int hot_letter(int key) {
  if (key > 0 && key < 128 && std::isalpha(key)) return std::tolower(key);
  for (char c = 'a'; c <= 'z'; ++c)
    if (keys::alt(c) == key) return c;
  return 0;
}

// Runs item i of the bar: its handler, or its pull-down under it.
void run_item(BROWSE* b, int i) {
  skolvarin::host::Menu* m = bar(b);
  auto* s = screen();
  if (!m || !s || i < 0 || i >= static_cast<int>(m->items.size())) return;
  host::MenuItem item = m->items[static_cast<size_t>(i)];
  if (item.submenu && s->menus().get(*item.submenu)) {
    skolvarin::host::Menu* sub = s->menus().get(*item.submenu);
    sub->row = 2;
    sub->col = host::bar_item_col(*m, i);
    host::run_menu(*s, *item.submenu, 1, 0, 1);
  } else if (item.handler) {
    item.handler(item.code);
  }
  w4select(b->state->window);
}

}  // namespace

}  // namespace skolvarin::browse

using namespace skolvarin::browse;
namespace k = skolvarin::keys;

int allocate_browse(BROWSE** out, DATA4* data, TAG4* tag, ScrollDefinition* scroll, int menu_window) {
  if (!out) return -1;
  *out = nullptr;
  if (!data || !scroll) return -1;
  auto& owned = allocated_browses();
  owned.push_back(std::make_unique<BROWSE>());
  BROWSE* b = owned.back().get();
  b->ctx = data->ctx;
  b->data = data;
  b->tag = tag;
  b->scroll = scroll;
  b->menu_window = menu_window;
  b->state = std::make_unique<BrowseState>();
  b->state->original_tag = d4tag_selected(data);
  *out = b;
  return 0;
}

void free_browse(BROWSE* b) {
  if (!b) return;
  if (b->state && b->data) d4tag_select(b->data, b->state->original_tag);
  auto& run = running_browses();
  run.erase(std::remove(run.begin(), run.end(), b), run.end());
  auto& owned = allocated_browses();
  owned.erase(std::remove_if(owned.begin(), owned.end(), [b](const auto& p) { return p.get() == b; }), owned.end());
}

BROWSE* current_browse() {
  auto& run = running_browses();
  return run.empty() ? nullptr : run.back();
}

int zrob_browse(BROWSE* b, int rows1, int rows2, int flag) {
  if (!b || !b->data || !b->scroll || !b->state) return -1;
  BrowseState& s = *b->state;
  if (b->form_rows == 0) b->form_rows = rows1;
  if (b->form_template2 && b->form_rows2 == 0) b->form_rows2 = rows2;
  if (g_next_picker) {
    b->picker = true;
    g_next_picker = false;
  }
  const long start = d4recno(b->data);
  d4tag_select(b->data, b->tag);
  x4init(&s.scan, b->data, browse_pass, b);
  bool placed = false;
  if (flag == 1 && start >= 1 && start <= d4reccount(b->data) && d4go(b->data, start) == 0 &&
      browse_pass(b) == r4keep) {
    s.cur = start;
    placed = true;
  }
  if (placed) {
  } else if (flag == -1) {
    if (x4bottom(&s.scan) == r4success) s.cur = d4recno(b->data);
  } else if (x4top(&s.scan) == r4success) {
    s.cur = d4recno(b->data);
  }
  if (!screen()) return k::Esc;
  running_browses().push_back(b);
  open_window(b);
  if (flag == -1) s.cur_row = s.data_rows - 1;
  set_help(b);
  if (skolvarin::host::Menu* m = bar(b)) {
    for (size_t i = 0; i < m->items.size(); ++i)
      if (m->items[i].handler == browse_modyfikuj) m->selected = static_cast<int>(i);
    if (b->start_item >= 0 && b->start_item < static_cast<int>(m->items.size())) m->selected = b->start_item;
  }
  s.quit = false;
  s.result = k::Esc;
  while (!s.quit) {
    draw_bar(b);
    draw(b);
    int key = g4char();
    skolvarin::host::Menu* m = bar(b);
    int n = m ? static_cast<int>(m->items.size()) : 0;
    if (key == k::Esc) break;
    if (key == k::Up) move(b, -1);
    else if (key == k::Down) move(b, 1);
    else if (key == k::PgUp) move(b, -(s.data_rows - 1));
    else if (key == k::PgDn) move(b, s.data_rows - 1);
    else if (key == k::Home || key == k::CtrlPgUp || key == k::CtrlHome) go_end(b, false);
    else if (key == k::End || key == k::CtrlPgDn || key == k::CtrlEnd) go_end(b, true);
    else if (key == k::Tab) next_order(b, 1);
    else if (key == k::ShiftTab) next_order(b, -1);
    else if (key == k::Left && n) m->selected = (m->selected + n - 1) % n;
    else if (key == k::Right && n) m->selected = (m->selected + 1) % n;
    else if (key == k::Enter && b->picker) {
      if (!s.empty) {
        g_picked = s.cur;
        s.result = k::F2;
        break;
      }
    } else if (key == k::Enter && n) {
      run_item(b, m->selected);
    } else {
      int rest = key;
      if (b->hot_key) rest = b->hot_key(key);
      if (rest == 0) continue;
      if (int letter = hot_letter(rest); letter && m) {
        int hit = -1;
        for (int i = 0; i < n; ++i)
          if (m->items[static_cast<size_t>(i)].hot() == letter) {
            hit = i;
            break;
          }
        if (hit >= 0) {
          run_item(b, hit);
          continue;
        }
      }
      if (b->list_key) {
        anchor(b);
        if (!s.empty) x4go(&s.scan, s.cur);
        if (b->list_key(b, rest) == 0) continue;
      }
      if (rest == k::F2 && !s.empty && (b->edit_controls || b->text_controls)) {
        x4go(&s.scan, s.cur);
        run_form(b, BROWSE_MODIFY, false, true);
        d4go(b->data, s.cur);
      }
    }
  }
  remove_help_line();
  remove_fun_help();
  if (s.panel >= 0) w4close(s.panel);
  s.panel = -1;
  w4close(s.window);
  if (auto* sc = screen(); sc && b->menu_window >= 0) sc->windows().hide(b->menu_window);
  w4select(s.saved_window);
  s.window = -1;
  auto& run = running_browses();
  run.erase(std::remove(run.begin(), run.end(), b), run.end());
  if (s.result == k::F2 && s.cur > 0) d4go(b->data, s.cur);
  return s.result;
}

int browse_call(int what, long arg) {
  BROWSE* b = current_browse();
  if (!b) return -1;
  BrowseState& s = *b->state;
  if (what == 1 && arg > 0) s.cur = arg;
  else if (what == 2) go_end(b, false);
  else if (what == 3) go_end(b, true);
  else if (what == 4) s.quit = true;
  anchor(b);
  return 0;
}

int browse_dopisz(int /*code*/) {
  BROWSE* b = current_browse();
  if (!b) return -1;
  if (b->read_only) {
    warn("Podgląd: dopisywanie jest niedostępne !");
    return -1;
  }
  BrowseState& s = *b->state;
  long before = s.cur;
  DATA4* d = b->data;
  d4append_start(d);
  b->mode = BROWSE_ADD;
  if (b->new_record) b->new_record(b);
  if (b->numbering) b->numbering(b);
  d->changed = false;
  int rc = run_form(b, BROWSE_ADD, true, false);
  if (rc == k::F2) {
    s.cur = d4recno(d);
    s.cur_row = std::min(s.cur_row + 1, s.data_rows - 1);
  } else {
    d->changed = false;
    d->append_pending = false;
    if (before > 0) d4go(d, before);
  }
  b->mode = BROWSE_IDLE;
  anchor(b);
  return 0;
}

int browse_modyfikuj(int /*code*/) {
  BROWSE* b = current_browse();
  if (!b) return -1;
  BrowseState& s = *b->state;
  anchor(b);
  if (s.empty) {
    warn("Brak zapisów do zmiany !");
    return -1;
  }
  x4go(&s.scan, s.cur);
  if (b->read_only) {
    run_form(b, BROWSE_MODIFY, false, true);
    d4go(b->data, s.cur);
    return 0;
  }
  b->mode = BROWSE_MODIFY;
  if (b->before_edit && b->before_edit(b) != 0) {
    b->mode = BROWSE_IDLE;
    b->data->changed = false;
    d4refresh_record(b->data);
    return 0;
  }
  b->data->changed = false;
  run_form(b, BROWSE_MODIFY, true, false);
  b->mode = BROWSE_IDLE;
  b->data->changed = false;
  d4go(b->data, s.cur);
  return 0;
}

int browse_skasuj(int code) {
  BROWSE* b = current_browse();
  if (!b) return -1;
  BrowseState& s = *b->state;
  anchor(b);
  if (s.empty) {
    warn("Brak zapisów do usunięcia !");
    return -1;
  }
  if (b->read_only) {
    warn("Podgląd: usuwanie jest niedostępne !");
    return -1;
  }
  if (code == 1 && !ask("Czy usunąć bieżący zapis ?")) return 0;
  long rec = s.cur;
  if (go_and_lock(b->data, rec) != 0) return -1;
  d4delete(b->data);
  if (b->stamp) f4assign(b->stamp, stamp_text(b->ctx).c_str());
  if (write_and_unlock(b->data) != 0) {
    d4unlock(b->data);
    return -1;
  }
  // The next row takes the deleted one's place (or the previous at the end).
  if (x4skip(&s.scan, 1) == r4success) s.cur = d4recno(b->data);
  else if (d4go(b->data, rec) == 0 && x4skip(&s.scan, -1) == r4success && d4recno(b->data) != rec) {
    s.cur = d4recno(b->data);
    s.cur_row = std::max(0, s.cur_row - 1);
  } else {
    s.cur = 0;
  }
  anchor(b);
  return 0;
}

int browse_drukuj(int /*code*/) {
  BROWSE* b = current_browse();
  if (!b) return -1;
  TabuDefinition fallback;
  const TabuDefinition* cols = b->print_columns;
  if (!cols || cols->columns.empty()) {
    for (const auto& c : b->scroll->columns) {
      TabuColumn t;
      t.header = c.header;
      t.field = c.field;
      t.show = c.show;
      fallback.columns.push_back(t);
    }
    cols = &fallback;
  }
  std::string sub = b->filters ? FilterStatusLine(b->filters) : std::string();
  std::string title = print_title(b);
  int rc = prn_tab_rap(b->ctx, b->data, cols, title.c_str(), browse_pass, b, sub.c_str());
  anchor(b);
  return rc;
}

int hot_keys(int key, int add_code, int add_id, int modify_code, int modify_id, int delete_code, int delete_id,
             FIELD4* stamp) {
  BROWSE* b = current_browse();
  auto run_id = [&](int id, int code) {
    if (g_probe) g_probe->answered = true;
    if (id == 0 || code == 27 || !b) return 0;
    auto* s = screen();
    skolvarin::host::Menu* m = s ? s->menus().get(b->menu_window) : nullptr;
    if (!m) return 0;
    for (auto& it : m->items)
      if (it.menu_id == id && it.handler) {
        if (g_probe) g_probe->runs = true;
        else it.handler(code);
        return 0;
      }
    return 0;
  };
  if (key == k::Ins) return run_id(add_id, add_code);
  if (key == k::F5) return run_id(modify_id, modify_code);
  if (key == k::Del) return run_id(delete_id, delete_code);
  if (key == k::alt('i') && stamp) {
    if (b && !b->state->empty) {
      x4go(&b->state->scan, b->state->cur);
      std::string t = f4trim(stamp);
      inform(t.empty() ? "Zapis nie ma jeszcze informacji o zmianie." : "Ostatnia zmiana: " + t);
    }
    return 0;
  }
  return key;
}

int browse_szukaj(const char* prompt, int width, TAG4* tag) {
  BROWSE* b = current_browse();
  if (!b || !screen()) return k::Esc;
  BrowseState& s = *b->state;
  w4select(s.window);
  std::string value;
  if (!read_line(0, 1, prompt ? prompt : "Szukaj -", width, true, value)) return k::Esc;
  if (tag) {
    b->tag = tag;
    d4tag_select(b->data, tag);
  }
  int rc = x4seek(&s.scan, value.c_str());
  if (rc != r4success) {
    // No record holds the text: the list says so and stays where it was.
    if (!s.empty) x4go(&s.scan, s.cur);
    inform("Nie znaleziono: " + std::string(skolvarin::text::trim(value)));
    return 0;
  }
  s.cur = d4recno(b->data);
  s.cur_row = 0;
  return 0;
}

int browse_picker(int (*register_main)(), long* recno) {
  if (!register_main) return k::Esc;
  int saved = w4select(-1);
  g_next_picker = true;
  g_picked = 0;
  register_main();
  g_next_picker = false;
  w4select(saved);
  if (recno) *recno = g_picked;
  return g_picked > 0 ? 0 : k::Esc;
}
