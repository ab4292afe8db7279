// A recording stand-in for the host's menu calls, so tests can check the
// order of the start-up and of the way out.
#pragma once

#include <string>
#include <vector>

#include "frame/menu_builder.h"
#include "frame/module_entry.h"

namespace frame_test {

struct Recorder {
  std::vector<std::string> log;
  int next_window = 10;
  int fail_window_number = -1;  // the n-th DefineMenuWindow (0-based) fails
  int windows_defined = 0;
  std::vector<int> activate_results;  // popped front; 27 when empty
  struct Item {
    int window;
    std::string label;
    int menu_id;
    signed char key;
    int code;
    MenuHandler handler;
    int* submenu;
  };
  std::vector<Item> items;
};

inline Recorder* rec = nullptr;

inline skolvarin::frame::MenuHost fake_menu_host() {
  skolvarin::frame::MenuHost h{};
  h.select = [](int w) {
    rec->log.push_back("select " + std::to_string(w));
    return w == -1 ? 7 : 7;
  };
  h.define_menu = [](int, int) {
    int n = rec->windows_defined++;
    if (n == rec->fail_window_number) {
      rec->log.push_back("menu -1");
      return -1;
    }
    int handle = rec->next_window++;
    rec->log.push_back("menu " + std::to_string(handle));
    return handle;
  };
  h.define_item = [](const char* label, int id, signed char key, int code, MenuHandler handler, int* sub) {
    rec->items.push_back({rec->next_window - 1, label, id, key, code, handler, sub});
    rec->log.push_back("item");
    return 0;
  };
  h.lotus = [](int w) {
    rec->log.push_back("lotus " + std::to_string(w));
    return 0;
  };
  h.activate = [](int w, int a, int b, int c, int d) {
    rec->log.push_back("activate " + std::to_string(w) + " " + std::to_string(a) + std::to_string(b) +
                       std::to_string(c) + std::to_string(d));
    if (rec->activate_results.empty()) return 27;
    int r = rec->activate_results.front();
    rec->activate_results.erase(rec->activate_results.begin());
    return r;
  };
  h.close = [](int w) {
    rec->log.push_back("close " + std::to_string(w));
    return 0;
  };
  h.char_routine = [](HostKeyReader r) { rec->log.push_back(r ? "reader on" : "reader off"); };
  h.set_key = [](int key, HostKeyHandler handler) {
    rec->log.push_back("key " + std::to_string(key) + (handler ? " on" : " off"));
    return 0;
  };
  return h;
}

inline skolvarin::frame::EntryHost fake_entry_host() {
  return {[](HostContext*) {
            rec->log.push_back("resources");
            return 0;
          },
          [](HostContext*) {
            rec->log.push_back("options");
            return 0;
          }};
}

// The log without the "item" lines.
inline std::vector<std::string> without_items(const std::vector<std::string>& log) {
  std::vector<std::string> out;
  for (const auto& l : log)
    if (l != "item") out.push_back(l);
  return out;
}

}  // namespace frame_test
