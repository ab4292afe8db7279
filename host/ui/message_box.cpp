#include "host/ui/message_box.h"

#include <algorithm>

#include "host/api/screen_api.h"
#include "host/text/utf8.h"
#include "host/ui/screen.h"

namespace skolvarin::host {

namespace k = skolvarin::keys;

std::vector<std::string> wrap_text(const std::string& text, int width) {
  std::vector<std::string> out;
  width = std::max(width, 1);
  std::u32string all = text::utf8_decode(text);
  size_t start = 0;
  while (start <= all.size()) {
    size_t nl = all.find(U'\n', start);
    std::u32string line = all.substr(start, nl == std::u32string::npos ? std::u32string::npos : nl - start);
    while (static_cast<int>(line.size()) > width) {
      size_t cut = line.rfind(U' ', static_cast<size_t>(width));
      if (cut == std::u32string::npos || cut == 0) cut = static_cast<size_t>(width);
      out.push_back(text::utf8_encode(line.substr(0, cut)));
      line = line.substr(cut);
      while (!line.empty() && line.front() == U' ') line.erase(line.begin());
    }
    out.push_back(text::utf8_encode(line));
    if (nl == std::u32string::npos) break;
    start = nl + 1;
  }
  return out;
}

namespace {
const char* kind_title(int kind, bool question) {
  if (question) return "Pytanie";
  switch (kind) {
    case 1: return "Informacja";
    case 2: return "Uwaga";
    case 3: return "Alarm";
    case 4: return "Błąd";
    default: return "Komunikat";
  }
}
}  // namespace

int show_message(Screen& s, int kind, const std::string& text, const std::string& title, bool question) {
  WindowManager& wm = s.windows();
  int max_width = s.cols() - 6;
  std::vector<std::string> lines = wrap_text(text, max_width);
  std::string hint = question ? "T - tak   N (Esc) - nie" : "Enter - dalej";
  int width = static_cast<int>(text::utf8_length(hint));
  for (const auto& l : lines) width = std::max(width, static_cast<int>(text::utf8_length(l)));
  std::string t = " " + (title.empty() ? std::string(kind_title(kind, question)) : title) + " ";
  width = std::max(width, static_cast<int>(text::utf8_length(t)));
  int max_lines = s.rows() - 6;
  if (static_cast<int>(lines.size()) > max_lines) lines.resize(static_cast<size_t>(std::max(max_lines, 1)));
  int height = static_cast<int>(lines.size()) + 4;  // border, text, blank, hint
  int outer_w = width + 4;
  int row1 = (s.rows() - height) / 2, col1 = (s.cols() - outer_w) / 2;
  int h = wm.define(row1, col1, row1 + height - 1, col1 + outer_w - 1, 2);
  if (h < 0) return k::Esc;
  Window* w = wm.get(h);
  Attr a = (kind >= 2 && kind <= 4) ? Attr::Warning : Attr::Normal;
  w->fill = a;
  w->frame = a;
  w->title = t;
  wm.clear(h);
  for (size_t i = 0; i < lines.size(); ++i) wm.centre(h, static_cast<int>(i), lines[i], a);
  wm.centre(h, static_cast<int>(lines.size()) + 1, hint, a);
  int previous = wm.select(h);
  wm.show(h);
  int result = k::Esc;
  for (;;) {
    int key = s.read_key(false);
    if (question) {
      if (key == 'T' || key == 't' || key == k::Enter) {
        result = k::Enter;
        break;
      }
      if (key == 'N' || key == 'n' || key == k::Esc) {
        result = k::Esc;
        break;
      }
    } else if (key == k::Enter || key == k::Esc || key == k::Space) {
      result = key == k::Esc ? k::Esc : k::Enter;
      break;
    }
  }
  wm.close(h);
  wm.select(previous);
  s.refresh();
  return result;
}

void wait_open(Screen& s, const std::string& text) {
  WindowManager& wm = s.windows();
  if (s.wait_window >= 0) wait_close(s);
  int width = std::clamp(static_cast<int>(text::utf8_length(text)) + 4, 44, s.cols() - 2);
  int row1 = (s.rows() - 5) / 2, col1 = (s.cols() - width) / 2;
  int h = wm.define(row1, col1, row1 + 4, col1 + width - 1, 2);
  if (h < 0) return;
  wm.get(h)->title = " Proszę czekać ";
  wm.clear(h);
  wm.centre(h, 0, text, Attr::Normal);
  wm.show(h);
  s.wait_window = h;
  s.wait_turn = 0;
  s.wait_filled = -1;
  s.refresh();
}

void wait_step(Screen& s, long done, long total) {
  WindowManager& wm = s.windows();
  Window* w = wm.get(s.wait_window);
  if (!w) return;
  int width = w->inner_cols() - 2;
  std::u32string bar;
  if (total > 0) {
    done = std::clamp(done, 0L, total);
    int filled = static_cast<int>(static_cast<long long>(done) * width / total);
    if (filled == s.wait_filled) return;  // nothing visible changed: no redraw
    s.wait_filled = filled;
    bar.assign(static_cast<size_t>(filled), U'█');
    bar.append(static_cast<size_t>(width - filled), U'░');
    wm.write(s.wait_window, 2, 1, bar, Attr::Normal);
  } else {
    static constexpr char32_t kTurn[4] = {U'|', U'/', U'-', U'\\'};
    std::u32string mark(1, kTurn[s.wait_turn++ % 4]);
    wm.centre(s.wait_window, 2, text::utf8_encode(mark), Attr::Normal);
  }
  s.refresh();
}

void wait_close(Screen& s) {
  if (s.wait_window < 0) return;
  s.windows().close(s.wait_window);
  s.wait_window = -1;
  s.refresh();
}

}  // namespace skolvarin::host
