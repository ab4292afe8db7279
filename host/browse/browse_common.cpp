#include <cstdio>
#include <ctime>

#include "host/text/utf8.h"
#include "host/browse/browse_internal.h"
#include "host/browse/edit_line.h"
#include <algorithm>

#include "host/api/calendar.h"
#include "host/print/page_template.h"
#include "host/text/mazovia.h"
#include "host/ui/message_box.h"
#include "host/ui/screen.h"

namespace skolvarin::browse {

host::Screen* screen() { return host::current_screen(); }

void warn(const std::string& text) {
  if (auto* s = screen()) host::show_message(*s, 2, text);
  else std::fprintf(stderr, "skolvarin: %s\n", text.c_str());
}

void inform(const std::string& text) {
  if (auto* s = screen()) host::show_message(*s, 1, text);
  else std::fprintf(stderr, "skolvarin: %s\n", text.c_str());
}

bool ask(const std::string& text) {
  if (auto* s = screen()) return host::show_message(*s, 0, text, {}, true) == keys::Enter;
  return false;
}

bool input_ended() {
  auto* s = screen();
  return s && s->terminal().input_ended();
}

std::string field_display(FIELD4* f) {
  if (!f) return {};
  switch (f4type(f)) {
    case 'D': {
      HostDate d = f4date(f);
      if (d.empty()) return {};
      char buf[16];
      std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", d.day, d.month, d.year);
      return buf;
    }
    case 'N': {
      std::string s = f4str(f);
      size_t b = s.find_first_not_of(' ');
      return b == std::string::npos ? std::string() : s.substr(b);
    }
    default:
      return f4trim(f);
  }
}

std::string form_date_picture(const BROWSE* b) {
  if (b && b->edit_controls)
    for (const auto& c : b->edit_controls->controls)
      if (c->field && f4type(c->field) == 'D' && !c->picture.empty()) return c->picture;
  return "DD-MM-CCYY";
}

std::string text_control_value(const TextControl& t, const std::string& date_picture) {
  if (!t.field) return {};
  if (t.show) return t.show(field_display(t.field));
  char type = static_cast<char>(f4type(t.field));
  if (type == 'D' && f4date(t.field).empty()) return {};
  if (t.picture.empty() && type != 'D') return field_display(t.field);
  Picture p(t.picture.empty() ? date_picture : t.picture, type, f4len(t.field), f4decimals(t.field));
  return text::utf8_encode(p.shown(f4str(t.field)));
}

RecordSnapshot take_snapshot(DATA4* d) {
  RecordSnapshot s;
  if (!d) return s;
  s.record = d->record;
  s.recno = d->recno;
  s.eof = d->eof;
  s.bof = d->bof;
  s.changed = d->changed;
  s.append_pending = d->append_pending;
  s.selected = d->selected;
  return s;
}

void put_snapshot(DATA4* d, const RecordSnapshot& s) {
  if (!d) return;
  if (s.record.size() == d->record.size()) d->record = s.record;
  d->recno = s.recno;
  d->eof = s.eof;
  d->bof = s.bof;
  d->changed = s.changed;
  d->append_pending = s.append_pending;
  d->selected = s.selected;
}

std::string stamp_text(const HostContext* ctx) {
  std::string user = ctx ? ctx->user_name : std::string();
  user = text::utf8_pad_right(user, 14);
  char buf[64];
  HostDate t = ctx ? ctx->today : HostDate{};
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  std::snprintf(buf, sizeof buf, " %02d-%02d-%04d %02d:%02d", t.day, t.month, t.year, tm.tm_hour, tm.tm_min);
  return user + buf;
}


std::vector<std::string> template_rows(TemplateIdFunction fn, int rows) {
  std::vector<std::string> out;
  std::string text;
  if (fn) {
    RcsBytes r = EnvFindRcs(fn());
    if (r.data && r.size) text = text::mazovia_to_utf8(std::string_view(reinterpret_cast<const char*>(r.data), r.size));
  }
  for (int i = 0; i < rows; ++i) {
    std::string row(text::utf8_substr(text, static_cast<size_t>(i) * 78, 78));
    out.push_back(text::utf8_pad_right(row, 78));
  }
  return out;
}

std::string browse_title(const BROWSE* b) {
  if (!b) return {};
  if (!b->title.empty()) return b->title;
  if (b->title_id) return RcQStr(b->title_id);
  return {};
}

std::string print_title(const BROWSE* b) {
  if (!b) return {};
  if (!b->print_title.empty()) return b->print_title;
  if (b->print_title_id) return RcQStr(b->print_title_id);
  return browse_title(b);
}

std::vector<BROWSE*>& running_browses() {
  static std::vector<BROWSE*> v;
  return v;
}

void put_text(int row, int col, const std::string& utf8, int role) {
  w4attr(role);
  w4write(row, col, utf8.c_str());
  w4attr(0);
}

bool read_line(int row, int col, const std::string& prompt, int width, bool upper, std::string& value) {
  if (!screen()) return false;
  Picture pic("", 'C', width, 0);
  EditLine line(pic, text::utf8_decode(value), upper, false);
  int plen = static_cast<int>(text::utf8_length(prompt));
  for (;;) {
    put_text(row, col, prompt + " ", 2);
    put_text(row, col + plen + 1, line.utf8(), 5);
    w4cursor(row, col + plen + 1 + std::min(line.cursor(), width - 1));
    int key = g4char();
    if (key == keys::Enter) {
      value = std::string(text::trim_right(line.utf8()));
      w4cursor(-1, -1);
      return true;
    }
    if (key == keys::Esc) {
      w4cursor(-1, -1);
      return false;
    }
    line.key(key);
  }
}

}  // namespace skolvarin::browse

std::string record_stamp(const HostContext* ctx) { return skolvarin::browse::stamp_text(ctx); }
