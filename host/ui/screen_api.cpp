// The module's screen, key, menu and message calls, acting on the bound
// Screen.  Without a screen they keep the promises of screen_api.h:
// messages go to the error sink's standard-error path, questions answer 27,
// key reads answer Esc.
#include "host/api/screen_api.h"

#include <cstdarg>
#include <cstdio>
#include <map>
#include <string>

#include "host/core/errors.h"
#include "host/ui/message_box.h"
#include "host/ui/screen.h"

using skolvarin::host::Attr;
using skolvarin::host::current_screen;
using skolvarin::host::Screen;

namespace {

Screen* S() { return current_screen(); }

HostContext*& log_context() {
  static HostContext* c = nullptr;
  return c;
}

// Text of a message id for a box, with a visible mark for a missing id.
std::string message_text(int id) {
  std::string text;
  if (skolvarin::host::message_catalog().find(id, text)) return text;
  return "Brak tekstu komunikatu nr " + std::to_string(id);
}

int box(int kind, int id, bool question) {
  std::string text = message_text(id);
  Screen* s = S();
  if (!s) {
    std::fprintf(stderr, "skolvarin: %s\n", text.c_str());
    return skolvarin::keys::Esc;
  }
  return skolvarin::host::show_message(*s, kind, text, {}, question);
}

// Module resources registered with EnvAddRcsObj.
RcsFunction& resources() {
  static RcsFunction f = nullptr;
  return f;
}

std::string& export_dir() {
  static std::string d;
  return d;
}

}  // namespace

// ---------------------------------------------------------------- windows
int w4screen_rows() { return S() ? S()->rows() : 25; }
int w4screen_cols() { return S() ? S()->cols() : 80; }

int w4define(int row1, int col1, int row2, int col2) {
  return S() ? S()->windows().define(row1, col1, row2, col2, 1) : -1;
}

void w4border(int window, int style) {
  if (S()) S()->windows().set_border(window, style < 0 ? 0 : style > 2 ? 2 : style);
}

void w4title(int window, const char* text) {
  if (!S()) return;
  if (auto* w = S()->windows().get(window)) w->title = text ? text : "";
}

int w4select(int window) {
  if (!S()) return -1;
  if (window < 0) return S()->windows().selected();
  return S()->windows().select(window);
}

int w4activate(int window) { return S() && S()->windows().show(window) ? 0 : -1; }
int w4deactivate(int window) { return S() && S()->windows().hide(window) ? 0 : -1; }

int w4close(int window) {
  if (!S()) return -1;
  S()->menus().remove(window);
  return S()->windows().close(window) ? 0 : -1;
}

void w4clear(int from_row) {
  if (S()) S()->windows().clear(S()->windows().selected(), from_row);
}

void w4write(int row, int col, const char* text) {
  if (!S() || !text) return;
  auto& wm = S()->windows();
  if (auto* w = wm.get(wm.selected())) wm.write(wm.selected(), row, col, std::string_view(text), w->attr);
}

void w4centre(int row, const char* text) {
  if (!S() || !text) return;
  auto& wm = S()->windows();
  if (auto* w = wm.get(wm.selected())) wm.centre(wm.selected(), row, text, w->attr);
}

void w4attr(int role) {
  if (!S()) return;
  auto& wm = S()->windows();
  if (auto* w = wm.get(wm.selected()))
    w->attr = (role >= 0 && role < skolvarin::term::kAttrCount) ? static_cast<Attr>(role) : Attr::Normal;
}

int w4width() {
  if (!S()) return 0;
  auto* w = S()->windows().get(S()->windows().selected());
  return w ? w->inner_cols() : 0;
}

int w4height() {
  if (!S()) return 0;
  auto* w = S()->windows().get(S()->windows().selected());
  return w ? w->inner_rows() : 0;
}

void w4cursor(int row, int col) {
  if (!S()) return;
  auto* w = S()->windows().get(S()->windows().selected());
  if (!w) return;
  if (row < 0 || col < 0) w->cursor.visible = false;
  else w->cursor = {row, col, true};
}

// ---------------------------------------------------------------- keys
int g4char() { return S() ? S()->read_key(true) : skolvarin::keys::Esc; }
void clr_key_buf() {
  if (S()) S()->flush_keys();
}
int KeyPressed() { return S() && S()->key_waiting() ? 1 : 0; }

int WaitFor(const int* keys, int count) {
  for (;;) {
    int key = g4char();
    if (key == skolvarin::keys::Esc) return key;
    for (int i = 0; i < count && keys; ++i)
      if (keys[i] == key) return key;
  }
}

int g4set_key_to(int key, HostKeyHandler handler) {
  if (S()) S()->bind_key(key, handler);
  return 0;
}

void n4char_routine(HostKeyReader reader) {
  if (S()) S()->set_char_routine(reader);
}

// ---------------------------------------------------------------- menus
int DefineMenuWindow(int row, int col) {
  if (!S()) return -1;
  int h = S()->windows().define(0, 0, 0, 0, 0);
  if (h < 0) return -1;
  S()->menus().add(h, row, col, false);
  return h;
}

int DefineMainMenuWindow() {
  if (!S()) return -1;
  int h = S()->windows().define(1, 0, 1, S()->cols() - 1, 0);
  if (h < 0) return -1;
  S()->menus().add(h, 1, 0, true);
  return h;
}

int MenuDefineItem(const char* label, int menu_id, signed char key, int code, MenuHandler handler, int* submenu) {
  if (!S()) return -1;
  auto* m = S()->menus().get(S()->menus().last());
  if (!m) return -1;
  skolvarin::host::MenuItem item;
  item.label = label ? label : "";
  item.menu_id = menu_id;
  item.key = static_cast<unsigned char>(key);
  item.code = code;
  item.handler = handler;
  item.submenu = submenu;
  m->items.push_back(std::move(item));
  return static_cast<int>(m->items.size()) - 1;
}

int n4lotus(int window) {
  if (!S()) return -1;
  auto* m = S()->menus().get(window);
  if (!m) return -1;
  m->bar = true;
  return 0;
}

int n4activate(int window, int remember, int start_item, int reserved, int redraw) {
  (void)reserved;
  if (!S()) return -1;
  return skolvarin::host::run_menu(*S(), window, remember, start_item, redraw);
}

// ---------------------------------------------------------------- messages
int Uwaga(int id) { return box(2, id, false); }
int Informacja(int id) { return box(1, id, false); }
int Alarm(int id) { return box(3, id, false); }
int Pytanie(int id) { return box(0, id, true); }

int MessageWindow(int style, int id, const char* text, int reserved) {
  (void)reserved;
  // Id 0: no message, the text alone.
  std::string msg = id == 0 ? std::string() : message_text(id);
  if (text && *text) {
    if (!msg.empty()) msg += (style & 16) ? "\n" : " ";
    msg += text;
  }
  bool question = (style & 8) != 0;
  Screen* s = S();
  if (!s) {
    std::fprintf(stderr, "skolvarin: %s\n", msg.c_str());
    return skolvarin::keys::Esc;
  }
  return skolvarin::host::show_message(*s, style & 7, msg, {}, question);
}

const char* RcQStr(int id) { return skolvarin::host::message_catalog().c_str(id); }

const char* PrintfQStr(const char* format, ...) {
  static std::string ring[16];
  static int next = 0;
  std::string& out = ring[next];
  next = (next + 1) % 16;
  if (!format) {
    out.clear();
    return out.c_str();
  }
  va_list ap;
  va_start(ap, format);
  va_list ap2;
  va_copy(ap2, ap);
  int n = std::vsnprintf(nullptr, 0, format, ap);
  va_end(ap);
  out.assign(n > 0 ? static_cast<size_t>(n) : 0, '\0');
  if (n > 0) std::vsnprintf(out.data(), static_cast<size_t>(n) + 1, format, ap2);
  va_end(ap2);
  return out.c_str();
}

void ErrLogMessage(int id, ...) {
  const char* fmt = skolvarin::host::host_log_text(id);
  std::string line;
  va_list ap;
  va_start(ap, id);
  if (fmt) {
    char buf[1024];
    std::vsnprintf(buf, sizeof buf, fmt, ap);
    line = buf;
  } else {
    line = "komunikat dziennika nr " + std::to_string(id);
  }
  va_end(ap);
  skolvarin::host::append_to_log(log_context(), line);
}

void WaitWindowOpen(int id) {
  if (S()) skolvarin::host::wait_open(*S(), message_text(id));
}
void WaitWindowStep(long done, long total) {
  if (S()) skolvarin::host::wait_step(*S(), done, total);
}
void WaitWindowClose() {
  if (S()) skolvarin::host::wait_close(*S());
}

// ---------------------------------------------------------------- help line
void set_fun_help(const char* text) {
  if (S()) S()->push_fun_help(text ? text : "");
}
void remove_fun_help() {
  if (S()) S()->pop_fun_help();
}
void add_help_line(const char* text) {
  if (S()) S()->push_hint(text ? text : "");
}
void remove_help_line() {
  if (S()) S()->pop_hint();
}

// ---------------------------------------------------------------- resources
void skolvarin::host::set_run_context(HostContext* ctx) {
  log_context() = ctx;
  export_dir() = ctx && !ctx->data_root.empty() ? ctx->data_root + "eksport/" : std::string();
}

int EnvAddRcsObj(HostContext* ctx, RcsFunction fn, int kind) {
  if (ctx) {
    if (!log_context()) skolvarin::host::set_run_context(ctx);
    ctx->error_code = 0;
  }
  if (kind != 3 || fn == nullptr) {
    skolvarin::host::report_error(ctx, -1, "nieznany rodzaj zasobów modułu: " + std::to_string(kind));
    return -1;
  }
  RcsBytes table = fn(1);
  std::map<int, std::string> texts;
  std::string error;
  if (table.data == nullptr || table.size == 0) {
    skolvarin::host::report_error(ctx, -1, "moduł nie ma tablicy komunikatów (zasób 1)");
    return -1;
  }
  if (!skolvarin::host::parse_message_table(std::span<const unsigned char>(table.data, table.size), texts, error)) {
    skolvarin::host::report_error(ctx, -1, error);
    return -1;
  }
  resources() = fn;
  skolvarin::host::message_catalog().set_module_table(std::move(texts));
  return 0;
}

RcsBytes EnvFindRcs(int resource_id) {
  if (!resources()) return {};
  return resources()(resource_id);
}

const char* EnvFindString(const char* name) {
  if (name && std::string_view(name) == "A:") return export_dir().c_str();
  return "";
}
