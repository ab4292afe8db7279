// Choosers: the T/N pop-up, the " WYBIERZ " list of texts, and the
// coded-field list over a table.
#include <algorithm>
#include <set>

#include "host/text/utf8.h"
#include "host/browse/browse_internal.h"
#include "host/print/page_template.h"
#include "host/text/mazovia.h"

using namespace skolvarin::browse;
namespace sk = skolvarin;
namespace k = skolvarin::keys;

namespace {

// Type-to-search over a list of texts: `typed` (upper case) grows with
// each letter; the first item from the top that starts with it is the hit.
// A letter that extends no item starts a new search with itself.  -1: no hit.
int typed_hit(const std::vector<std::string>& items, std::string& typed, int key) {
  if (key == k::Backspace) {
    if (!typed.empty()) typed = sk::text::utf8_substr(typed, 0, sk::text::utf8_length(typed) - 1);
  } else if (key >= 32 && key < 0x250) {
    typed += sk::text::utf8_upper(sk::text::utf8_encode(std::u32string(1, static_cast<char32_t>(key))));
  } else {
    return -1;
  }
  auto find = [&](const std::string& prefix) {
    if (prefix.empty()) return -1;
    for (size_t i = 0; i < items.size(); ++i)
      if (sk::text::utf8_upper(std::string(sk::text::trim(items[i]))).rfind(prefix, 0) == 0) return static_cast<int>(i);
    return -1;
  };
  int hit = find(typed);
  if (hit < 0 && key != k::Backspace) {
    typed = sk::text::utf8_upper(sk::text::utf8_encode(std::u32string(1, static_cast<char32_t>(key))));
    hit = find(typed);
    if (hit < 0) typed.clear();
  }
  return hit;
}

}  // namespace

int wybierz_z_listy(const std::vector<std::string>& items, int current, const char* title) {
  if (items.empty() || !screen()) return -1;
  int n = static_cast<int>(items.size());
  int w = static_cast<int>(sk::text::utf8_length(title ? title : ""));
  for (const auto& it : items) w = std::max(w, static_cast<int>(sk::text::utf8_length(it)) + 2);
  w = std::min(w, w4screen_cols() - 4);
  int h = std::min(n, w4screen_rows() - 6);
  int top = std::max(2, (w4screen_rows() - h - 2) / 2);
  int left = (w4screen_cols() - w - 2) / 2;
  int win = w4define(top, left, top + h + 1, left + w + 1);
  w4border(win, 2);
  w4title(win, title ? title : " WYBIERZ ");
  int saved = w4select(win);
  w4activate(win);
  int cur = std::clamp(current, 0, n - 1), first = 0, result = -1;
  std::string typed;
  for (;;) {
    if (cur < first) first = cur;
    if (cur >= first + h) first = cur - h + 1;
    w4select(win);
    w4clear(0);
    for (int r = 0; r < h && first + r < n; ++r)
      put_text(r, 0, sk::text::utf8_pad_right(" " + items[static_cast<size_t>(first + r)], static_cast<size_t>(w)),
               first + r == cur ? 1 : 0);
    int key = g4char();
    if (key == k::Esc) break;
    if (key == k::Enter) {
      result = cur;
      break;
    }
    if (key == k::Up) cur = (cur + n - 1) % n;
    else if (key == k::Down) cur = (cur + 1) % n;
    else if (key == k::Home || key == k::PgUp) cur = 0;
    else if (key == k::End || key == k::PgDn) cur = n - 1;
    else if (int hit = typed_hit(items, typed, key); hit >= 0) cur = hit;
    if (key == k::Up || key == k::Down || key == k::Home || key == k::End || key == k::PgUp || key == k::PgDn)
      typed.clear();
  }
  w4close(win);
  w4select(saved);
  return result;
}

void run_row_list(const char* title, const char* help, int width, int current, const std::function<int()>& count,
                  const std::function<std::string(int)>& row, const std::function<bool(int, int&)>& on_key,
                  const std::string& empty) {
  if (!screen()) return;
  width = std::min(width, w4screen_cols() - 2);
  int rows = std::min(15, w4screen_rows() - 8);
  int top = (w4screen_rows() - rows - 2) / 2, left = (w4screen_cols() - width - 2) / 2;
  int win = w4define(top, left, top + rows + 1, left + width + 1);
  if (win < 0) return;
  w4border(win, 2);
  w4title(win, title);
  int saved = w4select(win);
  w4activate(win);
  set_fun_help(help);
  int cur = current, first = 0;
  for (;;) {
    int n = count();
    cur = n ? std::clamp(cur, 0, n - 1) : 0;
    if (cur < first) first = cur;
    if (cur >= first + rows) first = cur - rows + 1;
    w4select(win);
    w4clear(0);
    if (n == 0) put_text(0, 1, empty, 0);
    for (int r = 0; r < rows && first + r < n; ++r)
      put_text(r, 0, sk::text::utf8_pad_right(row(first + r), static_cast<size_t>(width)), first + r == cur ? 1 : 0);
    int key = g4char();
    if (key == k::Up && cur > 0) --cur;
    else if (key == k::Down && cur + 1 < n) ++cur;
    else if (key == k::Home || key == k::PgUp) cur = key == k::Home ? 0 : std::max(0, cur - rows);
    else if (key == k::End || key == k::PgDn) cur = key == k::End ? n - 1 : std::min(n - 1, cur + rows);
    else if (!on_key(key, cur)) break;
  }
  remove_fun_help();
  w4close(win);
  w4select(saved);
}

int wybierz_tak_nie(EditControl* ctrl) {
  std::vector<std::string> items = {"TAK", "NIE"};
  int current = 0;
  if (ctrl && !ctrl->buffer.empty() && (ctrl->buffer[0] == 'N' || ctrl->buffer[0] == 'n')) current = 1;
  int c = wybierz_z_listy(items, current, " WYBIERZ ");
  if (c < 0) return k::Esc;
  if (ctrl) ctrl->buffer = c == 0 ? "T" : "N";
  return 0;
}

ChooserFunction lista_wyboru(std::vector<std::string> items) {
  return [items = std::move(items)](EditControl* ctrl) -> int {
    int current = 0;
    bool numeric = ctrl && ctrl->field && f4type(ctrl->field) == 'N';
    if (ctrl) {
      std::string b(sk::text::trim(ctrl->buffer));
      if (numeric) current = std::max(0, std::atoi(b.c_str()) - 1);
      else
        for (size_t i = 0; i < items.size(); ++i)
          if (!b.empty() && sk::text::trim(items[i]).substr(0, 1) == b.substr(0, 1)) current = static_cast<int>(i);
    }
    int c = wybierz_z_listy(items, current, " WYBIERZ ");
    if (c < 0) return k::Esc;
    if (ctrl) {
      if (numeric) ctrl->buffer = std::to_string(c + 1);
      else ctrl->buffer = std::string(sk::text::utf8_substr(sk::text::trim(items[static_cast<size_t>(c)]), 0, 1));
    }
    return 0;
  };
}

namespace {

struct CodedScan {
  const CodedFieldChoice* choice;
  // Records that repeat the code of the row before them: choosing them
  // would give the same value, so the list shows each code once.
  std::set<long> repeats;
  std::set<long> grouped;  // first records of codes that stand for several
};

int coded_pass(void* arg) {
  auto* scan = static_cast<CodedScan*>(arg);
  auto* c = scan->choice;
  if (d4deleted(c->data)) return r4ignore;
  if (c->row_check && c->row_check() != ROW_PASSES) return r4ignore;
  if (scan->repeats.count(d4recno(c->data))) return r4ignore;
  return r4keep;
}

void find_repeats(CodedScan& arg, X4FILTER& scan) {
  std::string last;
  long first_of_last = 0;
  for (int rc = x4top(&scan); rc == r4success; rc = x4skip(&scan, 1)) {
    std::string code = field_display(arg.choice->code);
    long rec = d4recno(arg.choice->data);
    if (first_of_last && code == last) {
      arg.repeats.insert(rec);
      arg.grouped.insert(first_of_last);
    } else {
      last = code;
      first_of_last = rec;
    }
  }
}

std::string coded_row(const CodedFieldChoice& c) {
  std::string line;
  if (c.shown.empty()) return field_display(c.code);
  for (FIELD4* f : c.shown) {
    if (!line.empty()) line += ' ';
    std::string v = field_display(f);
    line += f4type(f) == 'C' ? sk::text::utf8_pad_right(v, static_cast<size_t>(std::min(f4len(f), 40))) : v;
  }
  return line;
}

}  // namespace

int pole_kodowane_fun(const CodedFieldChoice& choice, std::string& value) {
  DATA4* d = choice.data;
  if (!d || !choice.code) return -1;
  TAG4* saved_tag = d4tag_selected(d);
  if (choice.tag) d4tag_select(d, choice.tag);
  CodedScan arg{&choice, {}, {}};
  X4FILTER scan;
  x4init(&scan, d, coded_pass, &arg);
  find_repeats(arg, scan);
  if (x4top(&scan) != r4success) {
    warn("Brak danych do wyboru !");
    d4tag_select(d, saved_tag);
    return -1;
  }
  long cur = d4recno(d);
  if (choice.tag && !value.empty()) {
    int rc = x4seek(&scan, value.c_str());
    if (rc == r4success || rc == r4after) cur = d4recno(d);
    else if (x4bottom(&scan) == r4success) cur = d4recno(d);
  }
  if (!screen()) {
    d4tag_select(d, saved_tag);
    return k::Esc;
  }
  int h = std::min(15, w4screen_rows() - 8);
  int w = std::min(76, w4screen_cols() - 4);
  int top = 4, left = (w4screen_cols() - w - 2) / 2;
  int win = w4define(top, left, top + h + 1, left + w + 1);
  w4border(win, 2);
  std::string title = choice.title.empty() ? std::string(" WYBIERZ ") : " " + choice.title + " ";
  w4title(win, title.c_str());
  int saved = w4select(win);
  w4activate(win);
  set_fun_help("Enter-Wybierz  Esc-Wyjście");
  int cur_row = 0, result = k::Esc;
  std::string typed;  // type-to-search in the list's order (its tag)
  for (;;) {
    x4go(&scan, cur);
    int above = 0;
    while (above < cur_row && x4skip(&scan, -1) == r4success) ++above;
    cur_row = above;
    w4select(win);
    w4clear(0);
    for (int r = 0; r < h; ++r) {
      long rec = d4recno(d);
      std::string row = coded_row(choice);
      if (arg.grouped.count(rec)) row = std::string(sk::text::trim_right(row)) + ", ...";
      put_text(r, 0, sk::text::utf8_pad_right(" " + row, static_cast<size_t>(w)), rec == cur ? 1 : 0);
      if (x4skip(&scan, 1) != r4success) break;
    }
    x4go(&scan, cur);
    int key = g4char();
    if (key == k::Esc) break;
    if (key == k::Enter) {
      value = field_display(choice.code);
      result = 0;
      break;
    }
    long step = key == k::Up ? -1 : key == k::Down ? 1 : key == k::PgUp ? -(h - 1) : key == k::PgDn ? h - 1 : 0;
    if (step) {
      // A skip past either end leaves the table off its rows: the current
      // row is the last one the skips really reached.
      long moved = 0, reached = cur;
      for (long i = 0; i < (step < 0 ? -step : step); ++i) {
        if (x4skip(&scan, step < 0 ? -1 : 1) != r4success) break;
        ++moved;
        reached = d4recno(d);
      }
      if (moved > 0) {
        cur = reached;
        cur_row = static_cast<int>(std::clamp<long>(cur_row + (step < 0 ? -moved : moved), 0, h - 1));
      }
    } else if (key == k::Home) {
      if (x4top(&scan) == r4success) cur = d4recno(d), cur_row = 0;
    } else if (key == k::End) {
      if (x4bottom(&scan) == r4success) cur = d4recno(d), cur_row = h - 1;
    } else if (choice.tag && ((key > 32 && key < 0x250) || key == k::Backspace || (key == ' ' && !typed.empty()))) {
      std::string next = typed;
      if (key == k::Backspace) {
        if (!next.empty()) next = sk::text::utf8_substr(next, 0, sk::text::utf8_length(next) - 1);
      } else {
        next += sk::text::utf8_upper(sk::text::utf8_encode(std::u32string(1, static_cast<char32_t>(key))));
      }
      if (!next.empty() && x4seek(&scan, next.c_str()) == r4success) {
        typed = next;
        cur = d4recno(d);
        cur_row = h / 2;
      } else if (next.empty()) {
        typed.clear();
      }
      x4go(&scan, cur);
    }
    if (step || key == k::Home || key == k::End) typed.clear();
  }
  remove_fun_help();
  w4close(win);
  w4select(saved);
  if (result == 0) d4go(d, cur);
  d4tag_select(d, saved_tag);
  return result;
}
