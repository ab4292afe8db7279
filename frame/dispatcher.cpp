#include "frame/dispatcher.h"

#include <string>

#include "data/catalogue.h"
#include "data/firm_data_table.h"
#include "data/module_state.h"
#include "data/opener.h"

namespace skolvarin::frame {

namespace {

int open_chain_table(HostContext*, const ChainStep& step) {
  return step.open ? step.open(0) : -1;
}

// A settings group without a loader of its own: the file is opened and
// closed again, so a file that cannot be opened still stops the chain.
int load_settings_group(HostContext* ctx, const char* file) {
  if (SettingsLoader loader = find_settings_loader(file)) return loader(ctx);
  const data::CatalogueEntry* entry = data::find_table(file);
  if (!entry) return -1;
  int rc = data::open_table(ctx, *entry);
  if (rc == 0) data::close_table(*entry);
  return rc;
}

void tell_not_available(RegisterId id) {
  std::string text = not_available_text(id);
  MessageWindow(1, 0, text.c_str(), 0);
}

int run_register(const DispatchHost& host, RegisterId id) {
  if (RegisterMain main = host.find_register(id)) return main();
  host.not_available(id);
  return 0;
}

// Handlers of the items whose registers open their own tables.
int run_own_handler(RegisterId id) {
  HostContext* ctx = data::state().ctx;
  const DispatchHost& host = real_dispatch_host();
  run_register(host, id);
  host.char_routine(&menu_key_reader);
  host.close_all(ctx);
  return 0;
}

}  // namespace

const DispatchHost& real_dispatch_host() {
  static const DispatchHost host{
      &data::open_firm_data, &open_chain_table, &load_settings_group, &data::close_all_tables,
      &n4char_routine,       &find_register,        &tell_not_available};
  return host;
}

int menu_key_reader() {
  int key = g4char();
  clr_key_buf();
  return key;
}

std::string not_available_text(RegisterId id) {
  return std::string("Rejestr „") + register_name(id) + "” nie jest jeszcze dostępny";
}

int run_dispatcher(const DispatchHost& host, HostContext* ctx, Dispatcher d, int code) {
  if (host.open_firm_data(ctx) != 0) return 0;
  if (const RegisterChain* chain = find_chain(d, code)) {
    bool ready = true;
    for (const ChainStep& step : chain->steps) {
      int rc = step.settings ? host.load_settings(ctx, step.file) : host.open_table(ctx, step);
      if (rc != 0) {
        ready = false;
        break;
      }
    }
    if (ready) run_register(host, chain->register_id);
  }
  host.char_routine(&menu_key_reader);
  host.close_all(ctx);
  return 0;
}

int run_direct_register(const DispatchHost& host, HostContext* ctx, RegisterId id) {
  for (const DirectRegister& r : direct_registers()) {
    if (r.register_id != id) continue;
    if (host.open_table(ctx, r.table) == 0) run_register(host, id);
    break;
  }
  host.close_all(ctx);
  host.char_routine(nullptr);
  return 0;
}

int general_dispatcher(int code) {
  return run_dispatcher(real_dispatch_host(), data::state().ctx, Dispatcher::General, code);
}

int payroll_dispatcher(int code) {
  return run_dispatcher(real_dispatch_host(), data::state().ctx, Dispatcher::Payroll, code);
}

int statutory_rates_item(int) {
  return run_direct_register(real_dispatch_host(), data::state().ctx, RegisterId::StatutoryRates);
}

int tax_arrears_rates_item(int) {
  return run_direct_register(real_dispatch_host(), data::state().ctx, RegisterId::TaxArrearsRates);
}

int holidays_item(int) {
  return run_direct_register(real_dispatch_host(), data::state().ctx, RegisterId::Holidays);
}

int settlements_item(int) { return run_own_handler(RegisterId::Settlements); }
int interest_notes_item(int) { return run_own_handler(RegisterId::InterestNotes); }
int interest_calculator_item(int) { return run_own_handler(RegisterId::InterestCalculator); }

}  // namespace skolvarin::frame
