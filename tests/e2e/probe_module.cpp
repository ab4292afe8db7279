// A small module for end-to-end tests of the host: it uses the host's
// screen calls the way the real module does (resources, a menu bar with a
// pull-down, the n4activate loop) and has items that misbehave on purpose:
// one crashes, one never gives up its key loop.
#include <csignal>
#include <vector>

#include "host/api/context.h"
#include "host/api/screen_api.h"

namespace {

HostContext* g_ctx = nullptr;

// Message table: 1 "Próba modułu", 2 "Czy kończyć?" in Mazovia (ó = 0xA2).
std::vector<unsigned char> message_table() {
  std::vector<unsigned char> t = {0, 0};
  auto add = [&](int id, std::vector<unsigned char> text) {
    t.push_back(static_cast<unsigned char>(id));
    t.push_back(0);
    t.insert(t.end(), text.begin(), text.end());
    t.push_back(0);
  };
  add(1, {'P', 'r', 0xA2, 'b', 'a', ' ', 'm', 'o', 'd', 'u', 0x92, 'u'});
  add(2, {'C', 'z', 'y', ' ', 'k', 'o', 0xA4, 'c', 'z', 'y', 0x8D, '?'});
  t[0] = static_cast<unsigned char>(t.size());
  return t;
}

RcsBytes resources(int id) {
  static const std::vector<unsigned char> table = message_table();
  if (id == 1) return {table.data(), table.size()};
  return {};
}

void show_in_title(const char* text) {
  int saved = w4select(g_ctx->title_window);
  w4clear(0);
  w4centre(0, text);
  w4select(saved);
}

int first(int) {
  Informacja(1);
  return 0;
}

int crash(int) {
  volatile int* p = nullptr;
  *p = 1;
  return 0;
}

int stubborn(int) {
  for (;;) g4char();  // ignores every key, Esc too
}

int question(int) {
  show_in_title(Pytanie(2) == 27 ? "odpowiedź: nie" : "odpowiedź: tak");
  return 0;
}

int account(int) {
  show_in_title("wybrano Konta");
  return 0;
}

int reader() {
  int key = g4char();
  clr_key_buf();
  return key;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int ModuleProc(HostContext* ctx, int flag) {
  if (flag != 0) return -1;
  g_ctx = ctx;
  EnvAddRcsObj(ctx, resources, 3);
  int saved = w4select(-1);
  int sub = -1;
  int bar = DefineMenuWindow(-1, -1);
  MenuDefineItem(" Pierwsza ", 1, static_cast<signed char>(0xF0), 1, first, nullptr);
  MenuDefineItem(" Pytanie ", 2, 0x79, 2, question, nullptr);
  MenuDefineItem(" Awaria ", 3, static_cast<signed char>(0xE1), 3, crash, nullptr);
  MenuDefineItem(" Uparta ", 4, static_cast<signed char>(0xF5), 4, stubborn, nullptr);
  MenuDefineItem(" Pomocnicze ", 5, 0x6F, -1, nullptr, &sub);
  sub = DefineMenuWindow(-1, -1);
  MenuDefineItem(" Konta ", 6, static_cast<signed char>(0xEE), 5, account, nullptr);
  n4char_routine(reader);
  n4lotus(bar);
  while (n4activate(bar, 1, 0, 0, 1) == 47) {
  }
  n4char_routine(nullptr);
  w4close(sub);
  w4close(bar);
  w4select(saved);
  return 0;
}
