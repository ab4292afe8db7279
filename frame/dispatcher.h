// The two register dispatchers and the Odsetki table items.
//
// A dispatcher run (the same for both dispatchers):
//   1. open the firm data table; on failure return 0 at once (nothing runs,
//      nothing is closed);
//   2. the chain of the code, in order, stopping at the first step that
//      fails (the step has told the user);
//   3. when all succeeded, the register's main function, or an information
//      box naming a register that is not available yet;
//   4. install the key-reader routine and close every table of the context.
// A code without a chain runs nothing but still does step 4.  Every path
// returns 0.
//
// The host calls go through DispatchHost so tests can watch the order.
#pragma once

#include "frame/dispatch_chains.h"
#include "host/api/context.h"
#include "host/api/screen_api.h"

namespace skolvarin::frame {

struct DispatchHost {
  int (*open_firm_data)(HostContext* ctx);
  int (*open_table)(HostContext* ctx, const ChainStep& step);
  int (*load_settings)(HostContext* ctx, const char* file);
  int (*close_all)(HostContext* ctx);
  void (*char_routine)(HostKeyReader reader);
  RegisterMain (*find_register)(RegisterId id);
  void (*not_available)(RegisterId id);  // tells the user the register is missing
};

// The calls of the real host and module.
const DispatchHost& real_dispatch_host();

// The key-reader routine of the menus: one key (g4char), then the keyboard
// buffer emptied (clr_key_buf).
int menu_key_reader();

int run_dispatcher(const DispatchHost& host, HostContext* ctx, Dispatcher d, int code);

// Odsetki items " Ustawowe ", " Podatkowe ", " Dni wolne ": open the table,
// run the register when the open succeeded, close every table, remove the
// character routine.  No firm data table.  Returns 0.
int run_direct_register(const DispatchHost& host, HostContext* ctx, RegisterId id);

// The text of the box shown for a register that is not available yet.
std::string not_available_text(RegisterId id);

// Menu handlers (the host calls them with the item's code).
int general_dispatcher(int code);
int payroll_dispatcher(int code);
int statutory_rates_item(int code);
int tax_arrears_rates_item(int code);
int holidays_item(int code);
int settlements_item(int code);
int interest_notes_item(int code);
int interest_calculator_item(int code);

}  // namespace skolvarin::frame
