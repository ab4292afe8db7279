// Where the registers plug into the frame.
//
// The menu tree and the dispatchers know every register by a RegisterId;
// the folder that implements a register provides its main function with a
// static RegisterProvider, and the folder that owns a settings group
// provides its loader with a static SettingsLoaderProvider.  The module is
// linked from whole libraries, so every provider present in the module has
// run before ModuleProc is called.
//
// A register without a provider is "not yet available": its menu item shows
// an information box naming it.  A settings file without a loader is opened
// and closed again by the generic opener (so a missing or damaged file still
// stops the chain), but no keys are read.
//
// Register main functions take nothing and return 0; they find their tables
// open and their settings loaded (dispatcher chains), except the interest
// calculator, started from the menu with both dates today and amount 0, and
// the registers that open their own tables (settlements, interest notes).
#pragma once

#include <string_view>

#include "host/api/context.h"

namespace skolvarin::frame {

enum class RegisterId {
  // general dispatcher
  Documents, Equipment, FixedAssets, Accounts, Contractors, Descriptions, TaxOffices,
  ZusCodes, BankTransfers, TransportBills, Trips, Vehicles, Countries, ExchangeRates,
  CashBook,
  // own handlers of the main tree
  Settlements, InterestNotes, InterestCalculator, StatutoryRates, TaxArrearsRates, Holidays,
  // payroll dispatcher
  PayrollLists, ZusDeclarations, Contracts, Employees, Absences, Averages, PayComponents,
  SocialFund, PayrollParameters, PayrollCalculator,
  Count
};

using RegisterMain = int (*)();
// Loads one settings group into the module's globals and closes its file;
// 0 or non-zero (the reader has told the user).
using SettingsLoader = int (*)(HostContext* ctx);

void provide_register(RegisterId id, RegisterMain main);
RegisterMain find_register(RegisterId id);

// `file` as the catalogue spells it ("W3PAPL  .DBF").
void provide_settings_loader(std::string_view file, SettingsLoader loader);
SettingsLoader find_settings_loader(std::string_view file);

// Name of a register as the user knows it (its menu label without blanks).
const char* register_name(RegisterId id);

struct RegisterProvider {
  RegisterProvider(RegisterId id, RegisterMain main) { provide_register(id, main); }
};
struct SettingsLoaderProvider {
  SettingsLoaderProvider(std::string_view file, SettingsLoader loader) {
    provide_settings_loader(file, loader);
  }
};

// Forgets every provider (tests).
void clear_providers();

}  // namespace skolvarin::frame
