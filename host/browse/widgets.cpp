// Input and choice windows with their widgets.
#include <algorithm>
#include <cstdlib>
#include <map>

#include "host/text/utf8.h"
#include "host/browse/browse_internal.h"
#include "host/browse/edit_line.h"
#include "host/print/page_template.h"
#include "host/text/mazovia.h"
#include "host/ui/screen.h"

using namespace skolvarin::browse;
namespace sk = skolvarin;
namespace k = skolvarin::keys;

namespace {

int define_centred(int rows, int cols, const char* title) {
  if (!screen()) return -1;
  rows = std::clamp(rows, 1, w4screen_rows() - 4);
  cols = std::clamp(cols, 1, w4screen_cols() - 2);
  int top = std::max(2, (w4screen_rows() - rows - 2) / 2);
  int left = (w4screen_cols() - cols - 2) / 2;
  int win = w4define(top, left, top + rows + 1, left + cols + 1);
  if (win < 0) return -1;
  w4border(win, 2);
  std::string t = title && *title ? std::string(" ") + title + " " : std::string();
  w4title(win, t.c_str());
  return win;
}

Picture widget_picture(const Widget& w) {
  switch (w.kind) {
    case WIDGET_NUMBER: return Picture(w.picture, 'N', w.width, 0);
    case WIDGET_DATE: return Picture(w.picture.empty() ? "DD-MM-CCYY" : w.picture, 'D', 8, 0);
    case WIDGET_YESNO: return Picture("!", 'C', 1, 0);
    default: return Picture(w.picture, 'C', w.width, 0);
  }
}

std::u32string widget_text(const Widget& w, const Picture& p) {
  if (w.kind == WIDGET_DATE) return p.shown(w.value.empty() ? "        " : w.value);
  if (w.kind == WIDGET_NUMBER) return p.shown(w.value);
  if (w.kind == WIDGET_CHOICE) {
    int i = std::atoi(w.value.c_str()) - 1;
    if (i >= 0 && i < static_cast<int>(w.choices.size())) return sk::text::utf8_decode(w.choices[static_cast<size_t>(i)]);
    return U"";
  }
  return sk::text::utf8_decode(w.value);
}

}  // namespace

int DefineWprowadzWindow(int rows, int cols, const char* title) { return define_centred(rows, cols, title); }
int DefineWyboruWindow(int rows, int cols, const char* title) { return define_centred(rows, cols, title); }

int ResetWigetsDefinition(WidgetSet* set) {
  if (!set) return -1;
  set->widgets.clear();
  return 0;
}

Widget* DefineWigetEx(WidgetSet* set, int row, int col, const char* label, int width, int kind, const char* picture) {
  if (!set) return nullptr;
  auto w = std::make_unique<Widget>();
  w->row = row;
  w->col = col;
  w->label = label ? label : "";
  w->width = width > 0 ? width : 1;
  w->kind = kind;
  w->picture = picture ? picture : "";
  if (kind == WIDGET_YESNO) w->value = "T";
  set->widgets.push_back(std::move(w));
  return set->widgets.back().get();
}

long WigetAsLong(const Widget* w) { return w ? std::atol(w->value.c_str()) : 0; }
double WigetAsDouble(const Widget* w) {
  if (!w) return 0;
  std::string s = w->value;
  std::replace(s.begin(), s.end(), ',', '.');
  return std::strtod(s.c_str(), nullptr);
}

int WigetSetString(Widget* w, const char* value) {
  if (!w) return -1;
  w->value = value ? value : "";
  return 0;
}

void FreeWigets(WidgetSet* set) {
  if (set) set->widgets.clear();
}

int ActivateWindow(int window, WidgetSet* set) {
  if (!set || !screen() || window < 0) return k::Esc;
  int saved = w4select(window);
  w4activate(window);
  // F4 is offered only when some field has something to choose from.
  bool choosers = std::any_of(set->widgets.begin(), set->widgets.end(), [](const auto& w) {
    return w->chooser || w->kind == WIDGET_CHOICE || w->kind == WIDGET_YESNO;
  });
  set_fun_help(choosers ? "F2-Zatwierdź  F4-Wybór  Esc-Wyjście" : "F2-Zatwierdź  Esc-Wyjście");
  std::vector<Widget*> ws;
  std::vector<EditLine> lines;
  for (auto& w : set->widgets) {
    ws.push_back(w.get());
    Picture p = widget_picture(*w);
    lines.emplace_back(p, widget_text(*w, p), w->kind == WIDGET_YESNO, false);
  }
  std::vector<std::string> before;
  for (const Widget* w : ws) before.push_back(w->value);
  int n = static_cast<int>(ws.size());
  auto editable = [&](int i) { return ws[static_cast<size_t>(i)]->kind != WIDGET_LABEL; };
  auto store = [&](int i, bool validate) {
    Widget& w = *ws[static_cast<size_t>(i)];
    EditLine& l = lines[static_cast<size_t>(i)];
    if (w.kind == WIDGET_CHOICE || w.kind == WIDGET_LABEL) return true;
    std::string stored, error;
    if (!l.picture().parse(l.text(), stored, error)) {
      warn(error);
      return false;
    }
    if (validate && w.valid) {
      EditControl c;
      c.buffer = l.utf8();
      c.len = l.picture().width();
      std::vector<std::string> values;
      for (const Widget* o : ws) values.push_back(o->value);
      if (w.valid(&c) != 0) return false;
      // A check may set other widgets (WigetSetString): show their new values.
      for (int j = 0; j < n; ++j) {
        Widget& o = *ws[static_cast<size_t>(j)];
        if (j != i && o.value != values[static_cast<size_t>(j)])
          lines[static_cast<size_t>(j)].set_text(widget_text(o, lines[static_cast<size_t>(j)].picture()));
      }
    }
    w.value = w.kind == WIDGET_DATE ? (sk::text::trim(stored).empty() ? std::string() : stored)
                                    : std::string(sk::text::trim(stored));
    return true;
  };
  int cur = 0;
  while (cur < n && !editable(cur)) ++cur;
  int result = k::Esc;
  for (;;) {
    w4select(window);
    w4clear(0);
    for (int i = 0; i < n; ++i) {
      const Widget& w = *ws[static_cast<size_t>(i)];
      put_text(w.row, w.col, w.label, 0);
      if (w.kind == WIDGET_LABEL) continue;
      int vc = w.col + static_cast<int>(sk::text::utf8_length(w.label));
      std::string shown = lines[static_cast<size_t>(i)].utf8();
      if (w.kind == WIDGET_SECRET) {
        size_t typed = sk::text::utf8_length(sk::text::trim(shown));
        shown = std::string(typed, '*') + std::string(static_cast<size_t>(w.width) - std::min(typed, static_cast<size_t>(w.width)), ' ');
      }
      put_text(w.row, vc, shown, i == cur ? 1 : 5);
    }
    if (cur < n) {
      const Widget& w = *ws[static_cast<size_t>(cur)];
      int vc = w.col + static_cast<int>(sk::text::utf8_length(w.label));
      w4cursor(w.row, vc + std::min(lines[static_cast<size_t>(cur)].cursor(), lines[static_cast<size_t>(cur)].picture().width() - 1));
    }
    int key = g4char();
    if (key == k::Esc) {
      for (int i = 0; i < n; ++i) ws[static_cast<size_t>(i)]->value = before[static_cast<size_t>(i)];
      break;
    }
    if (cur >= n) {
      if (key == k::F2 || key == k::Enter) {
        result = k::F2;
        break;
      }
      continue;
    }
    Widget& w = *ws[static_cast<size_t>(cur)];
    if (key == k::F2) {
      bool ok = true;
      for (int i = 0; i < n && ok; ++i)
        if (!store(i, true)) ok = false, cur = i;
      if (ok) {
        result = k::F2;
        break;
      }
      continue;
    }
    auto next = [&](int dir) {
      int i = cur;
      for (int s = 0; s < n; ++s) {
        i = (i + dir + n) % n;
        if (editable(i)) return i;
      }
      return cur;
    };
    if (key == k::Enter || key == k::Tab || key == k::Down) {
      if (store(cur, true)) cur = next(1);
      continue;
    }
    if (key == k::Up || key == k::ShiftTab) {
      if (store(cur, false)) cur = next(-1);
      continue;
    }
    if (w.kind == WIDGET_CHOICE && (key == k::F4 || key == k::Space)) {
      int c = wybierz_z_listy(w.choices, std::max(0, std::atoi(w.value.c_str()) - 1));
      if (c >= 0) {
        w.value = std::to_string(c + 1);
        lines[static_cast<size_t>(cur)].set_text(widget_text(w, lines[static_cast<size_t>(cur)].picture()));
      }
      continue;
    }
    if (w.kind == WIDGET_YESNO && key == k::Space) {
      w.value = w.value == "T" ? "N" : "T";
      lines[static_cast<size_t>(cur)].set_text(sk::text::utf8_decode(w.value));
      continue;
    }
    if (w.kind == WIDGET_YESNO && key == k::F4 && !w.chooser) {
      EditControl c;
      c.buffer = w.value;
      if (wybierz_tak_nie(&c) == 0) {
        w.value = c.buffer;
        lines[static_cast<size_t>(cur)].set_text(sk::text::utf8_decode(w.value));
      }
      continue;
    }
    if (key == k::F4 && w.chooser) {
      EditControl c;
      c.buffer = lines[static_cast<size_t>(cur)].utf8();
      if (w.chooser(&c) == 0) {
        lines[static_cast<size_t>(cur)].set_text(sk::text::utf8_decode(c.buffer));
        store(cur, false);
      }
      continue;
    }
    if (w.kind == WIDGET_CHOICE) continue;
    lines[static_cast<size_t>(cur)].key(key);
  }
  remove_fun_help();
  w4cursor(-1, -1);
  w4deactivate(window);
  w4select(saved);
  return result;
}
