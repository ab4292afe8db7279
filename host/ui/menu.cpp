#include "host/ui/menu.h"

#include <algorithm>
#include <cctype>

#include "host/text/utf8.h"
#include "host/ui/help.h"
#include "host/ui/message_box.h"
#include "host/ui/screen.h"

namespace skolvarin::host {

namespace k = skolvarin::keys;

void MenuSet::add(int window, int row, int col, bool bar) {
  Menu m;
  m.row = row;
  m.col = col;
  m.bar = bar;
  menus_[window] = std::move(m);
  last_ = window;
}

Menu* MenuSet::get(int window) {
  auto it = menus_.find(window);
  return it == menus_.end() ? nullptr : &it->second;
}

void MenuSet::remove(int window) {
  menus_.erase(window);
  if (last_ == window) last_ = -1;
}

namespace {

int label_width(const std::string& s) { return static_cast<int>(text::utf8_length(s)); }

void draw_item(WindowManager& wm, int window, int row, int col, int width, const MenuItem& item, bool selected) {
  std::u32string text = text::utf8_decode(item.label);
  if (width > static_cast<int>(text.size())) text.append(static_cast<size_t>(width - static_cast<int>(text.size())), U' ');
  Attr normal = selected ? Attr::Highlight : Attr::Normal;
  Attr hot = selected ? Attr::HighlightHot : Attr::HotLetter;
  int hot_at = -1;
  char h = item.hot();
  if (h) {
    for (size_t i = 0; i < text.size(); ++i)
      if (text[i] < 0x80 && std::tolower(static_cast<int>(text[i])) == h) {
        hot_at = static_cast<int>(i);
        break;
      }
  }
  for (size_t i = 0; i < text.size(); ++i)
    wm.write(window, row, col + static_cast<int>(i), std::u32string_view(&text[i], 1),
             static_cast<int>(i) == hot_at ? hot : normal);
}

void draw(Screen& s, int window, const Menu& m) {
  WindowManager& wm = s.windows();
  Window* w = wm.get(window);
  if (!w) return;
  w->fill = Attr::Normal;
  wm.clear(window);
  if (m.bar) {
    for (size_t i = 0; i < m.items.size(); ++i)
      draw_item(wm, window, 0, bar_item_col(m, static_cast<int>(i)), 0, m.items[i],
                static_cast<int>(i) == m.selected);
  } else {
    for (size_t i = 0; i < m.items.size(); ++i)
      draw_item(wm, window, static_cast<int>(i), 0, w->inner_cols(), m.items[i], static_cast<int>(i) == m.selected);
  }
}

void place(Screen& s, int window, const Menu& m, int prow, int pcol) {
  WindowManager& wm = s.windows();
  Window* w = wm.get(window);
  if (!w) return;
  if (m.bar) {
    int row = m.row >= 0 ? m.row : 1;
    row = std::min(row, s.rows() - 1);
    w->border = 0;
    wm.place(window, row, 0, row, s.cols() - 1);
    return;
  }
  int width = 1;
  for (const auto& it : m.items) width = std::max(width, label_width(it.label));
  width = std::min(width + 2, s.cols());
  int height = std::min(static_cast<int>(std::max<size_t>(m.items.size(), 1)) + 2, s.rows() - 1);
  int row = m.row >= 0 ? m.row : (prow >= 0 ? prow : 2);
  int col = m.col >= 0 ? m.col : (pcol >= 0 ? pcol : 0);
  if (col + width > s.cols()) col = s.cols() - width;
  if (row + height > s.rows() - 1) row = std::max(0, s.rows() - 1 - height);
  w->border = 1;
  wm.place(window, row, std::max(col, 0), row + height - 1, std::max(col, 0) + width - 1);
}

int hot_letter_of_key(int key) {
  if (key < 128 && std::isalpha(key)) return std::tolower(key);
  for (char c = 'a'; c <= 'z'; ++c)
    if (k::alt(c) == key) return c;
  return 0;
}

// What a letter does in a menu: the index to choose (>= 0), or -1 with the
// highlight moved (several items share it), or -2 when no item has it.
int letter_choice(Menu& m, int letter) {
  std::vector<int> hits;
  for (size_t i = 0; i < m.items.size(); ++i)
    if (m.items[i].hot() == letter) hits.push_back(static_cast<int>(i));
  if (hits.empty()) return -2;
  if (hits.size() == 1) return hits[0];
  for (int h : hits)
    if (h > m.selected) {
      m.selected = h;
      return -1;
    }
  m.selected = hits[0];
  return -1;
}

enum class Outcome { Chosen, Escaped, Left, Right };

struct Pending {
  MenuHandler handler = nullptr;
  int code = -1;
  int menu_id = 0;
};

// The highlighted item's id becomes the help id when it has a text; a
// register's local menu (items without texts) leaves the register's.
void note_help_id(Screen& s, int id) {
  if (has_help_text(id) || s.help_id() == 0) s.set_help_id(id);
}

// Runs the chosen item's handler with its menu id as the help id; a local
// menu item of a register (whose help id is the register's) keeps it.
void run_pending(Screen& s, const Pending& p) {
  int outer = s.help_id();
  bool keep = outer != 0 && !has_help_text(p.menu_id);
  s.push_help_id(keep ? outer : p.menu_id);
  p.handler(p.code);
  s.pop_help_id();
}

bool opens_submenu(Screen& s, const MenuItem& item) {
  return item.submenu != nullptr && s.menus().get(*item.submenu) != nullptr;
}

Outcome run_pulldown(Screen& s, int window, int prow, int pcol, bool from_bar, Pending& pending);

std::function<bool(int)>& right_check() {
  static std::function<bool(int)> check;
  return check;
}

// Chooses item i of menu m (shown in `window`).  Returns Chosen when a
// handler is due (pending is set), else how the submenu ended.
Outcome choose(Screen& s, int window, Menu& m, int i, Pending& pending) {
  const MenuItem& item = m.items[static_cast<size_t>(i)];
  if (opens_submenu(s, item)) {
    Window* w = s.windows().get(window);
    int prow, pcol;
    if (m.bar) {
      prow = w->row1 + 1;
      pcol = bar_item_col(m, i);
    } else {
      prow = w->inner_top() + i + 1;
      pcol = w->col1 + 4;
    }
    return run_pulldown(s, *item.submenu, prow, pcol, m.bar, pending);
  }
  if (item.handler) {
    if (right_check() && !right_check()(item.menu_id)) {
      show_message(s, 2, "Brak uprawnień do tej funkcji !");
      return Outcome::Escaped;
    }
    pending.handler = item.handler;
    pending.menu_id = item.menu_id;
    pending.code = item.code;
    return Outcome::Chosen;
  }
  return Outcome::Escaped;  // an item with nothing behind it
}

Outcome run_pulldown(Screen& s, int window, int prow, int pcol, bool from_bar, Pending& pending) {
  Menu* m = s.menus().get(window);
  if (!m || m->items.empty()) return Outcome::Escaped;
  int n = static_cast<int>(m->items.size());
  m->selected = std::clamp(m->selected, 0, n - 1);
  place(s, window, *m, prow, pcol);
  s.windows().show(window);
  Outcome result = Outcome::Escaped;
  for (;;) {
    draw(s, window, *m);
    note_help_id(s, m->items[static_cast<size_t>(m->selected)].menu_id);
    int key = s.menu_key();
    int pick = -2;
    if (key == k::Up) m->selected = (m->selected + n - 1) % n;
    else if (key == k::Down) m->selected = (m->selected + 1) % n;
    else if (key == k::Home || key == k::PgUp) m->selected = 0;
    else if (key == k::End || key == k::PgDn) m->selected = n - 1;
    else if (key == k::Enter) pick = m->selected;
    else if (key == k::Esc) break;
    else if (key == k::Left) {
      if (from_bar) result = Outcome::Left;
      break;  // in a nested pull-down Left closes it
    } else if (key == k::Right) {
      if (opens_submenu(s, m->items[static_cast<size_t>(m->selected)])) pick = m->selected;
      else if (from_bar) {
        result = Outcome::Right;
        break;
      }
    } else if (int letter = hot_letter_of_key(key)) {
      int c = letter_choice(*m, letter);
      if (c >= 0) {
        m->selected = c;
        pick = c;
      }
    }
    if (pick >= 0) {
      draw(s, window, *m);
      Outcome o = choose(s, window, *m, pick, pending);
      if (o == Outcome::Chosen) {
        result = Outcome::Chosen;
        break;
      }
      // A nested pull-down that ended by Esc/Left leaves this one open.
    }
  }
  s.windows().hide(window);
  return result;
}

}  // namespace

void set_menu_right_check(std::function<bool(int)> check) { right_check() = std::move(check); }

int bar_item_col(const Menu& menu, int i) {
  int col = 1;
  for (int j = 0; j < i && j < static_cast<int>(menu.items.size()); ++j) col += label_width(menu.items[static_cast<size_t>(j)].label);
  return col;
}

void show_menu(Screen& s, int window, int prow, int pcol) {
  Menu* m = s.menus().get(window);
  if (!m) return;
  place(s, window, *m, prow, pcol);
  s.windows().show(window);
  draw(s, window, *m);
}

namespace {

// Bars running now: the first is the program's main menu.
int bars_running = 0;

struct BarDepth {
  BarDepth() { ++bars_running; }
  ~BarDepth() { --bars_running; }
};

// Esc on the main menu ends the program only when the user says so; once a
// key script has run out nobody can answer, and the program just ends.
bool leave_main_menu(Screen& s) {
  if (bars_running > 1 || s.terminal().input_ended()) return true;
  return show_message(s, 0, kLeaveQuestion, " Pytanie ", true) == 13;
}

}  // namespace

int run_menu(Screen& s, int window, int remember, int start_item, int /*redraw*/) {
  Menu* m = s.menus().get(window);
  if (!m || m->items.empty()) return -1;
  int n = static_cast<int>(m->items.size());
  if (!remember) m->selected = start_item;
  m->selected = std::clamp(m->selected, 0, n - 1);
  Pending pending;
  if (!m->bar) {
    Outcome o = run_pulldown(s, window, -1, -1, false, pending);
    if (o != Outcome::Chosen) return 27;
    run_pending(s, pending);
    return 47;
  }
  place(s, window, *m, -1, -1);
  s.windows().show(window);
  BarDepth depth;
  for (;;) {
    m = s.menus().get(window);  // a hot-key handler may have changed menus
    if (!m) return -1;
    draw(s, window, *m);
    note_help_id(s, m->items[static_cast<size_t>(m->selected)].menu_id);
    int key = s.menu_key();
    int pick = -2;
    if (key == k::Left) m->selected = (m->selected + n - 1) % n;
    else if (key == k::Right) m->selected = (m->selected + 1) % n;
    else if (key == k::Home) m->selected = 0;
    else if (key == k::End) m->selected = n - 1;
    else if (key == k::Enter || key == k::Down) pick = m->selected;
    else if (key == k::Esc) {
      if (leave_main_menu(s)) return 27;
      continue;
    } else if (int letter = hot_letter_of_key(key)) {
      int c = letter_choice(*m, letter);
      if (c >= 0) {
        m->selected = c;
        pick = c;
      }
    }
    while (pick >= 0) {
      draw(s, window, *m);
      Outcome o = choose(s, window, *m, pick, pending);
      pick = -2;
      if (o == Outcome::Chosen) {
        draw(s, window, *m);
        run_pending(s, pending);
        return 47;
      }
      if (o == Outcome::Left || o == Outcome::Right) {
        m->selected = (m->selected + (o == Outcome::Left ? n - 1 : 1)) % n;
        // Walking along the bar with a pull-down open opens the next one.
        if (opens_submenu(s, m->items[static_cast<size_t>(m->selected)])) pick = m->selected;
      }
    }
  }
}

}  // namespace skolvarin::host
