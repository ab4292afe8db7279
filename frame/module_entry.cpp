#include "frame/module_entry.h"

#include "data/module_state.h"
#include "frame/dispatcher.h"
#include "frame/hot_keys.h"
#include "frame/main_options_step.h"
#include "host/api/screen_api.h"
#include "resources/module_resources.h"

namespace skolvarin::frame {

namespace {

// What the keys at menu level do, on the help line under the menus.
constexpr const char* kMenuHelpLine = "F1-Pomoc  Shift+F2-Notatki  Shift+F3-Firma  Shift+F4-Rok  Esc-Koniec";

void unbind_hot_keys(const MenuHost& menus) {
  menus.set_key(keys::ShiftF2, nullptr);
  menus.set_key(keys::ShiftF3, nullptr);
  menus.set_key(keys::ShiftF4, nullptr);
}

// Registers the module's messages and templates with the host (kind 3).
int register_resources(HostContext* ctx) { return EnvAddRcsObj(ctx, &resources::module_rcs, 3); }

}  // namespace

const EntryHost& real_entry_host() {
  static const EntryHost host{&register_resources, &load_main_options_step};
  return host;
}

int run_module(const EntryHost& entry, const MenuHost& menus, HostContext* context, int flag) {
  if (flag != 0) return -1;
  reset_module();
  data::state().ctx = context;
  entry.register_resources(context);
  entry.load_main_options(context);

  FrameState& fs = frame_state();
  fs.saved_window = menus.select(-1);
  menus.set_key(keys::ShiftF2, &register_notes_key);
  menus.set_key(keys::ShiftF3, &change_firm_key);
  menus.set_key(keys::ShiftF4, &working_year_key);

  if (!build_menu_tree(menus, main_menu_tree(), fs.main_menus)) {
    menus.select(fs.saved_window);
    unbind_hot_keys(menus);
    return 0;
  }
  menus.char_routine(&menu_key_reader);
  set_fun_help(kMenuHelpLine);
  run_menu_bar(menus, fs.main_menus);
  remove_fun_help();
  menus.char_routine(nullptr);
  close_menu_tree(menus, fs.main_menus);
  menus.select(fs.saved_window);
  unbind_hot_keys(menus);
  return 0;
}

int module_proc(HostContext* context, int flag) {
  return run_module(real_entry_host(), real_menu_host(), context, flag);
}

}  // namespace skolvarin::frame
