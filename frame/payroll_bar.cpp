#include "frame/payroll_bar.h"

#include "frame/hot_keys.h"

namespace skolvarin::frame {

int run_payroll_bar(const MenuHost& host) {
  FrameState& fs = frame_state();
  fs.payroll_saved_window = host.select(-1);
  host.set_key(keys::ShiftF2, &payroll_notes_key);
  if (build_menu_tree(host, payroll_menu_tree(), fs.payroll_menus))
    run_menu_bar(host, fs.payroll_menus);
  close_menu_tree(host, fs.payroll_menus);
  host.set_key(keys::ShiftF2, &register_notes_key);
  host.select(fs.payroll_saved_window);
  return 0;
}

int payroll_bar(int) { return run_payroll_bar(real_menu_host()); }

}  // namespace skolvarin::frame
