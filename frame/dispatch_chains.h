// The two register dispatchers' chains as data: for every register code the
// register it runs and the settings loaders and table openers it calls
// first, in order.  Files are named as the catalogue spells them; a per-year
// name (two blanks before ".DBF") is opened for the working year.
#pragma once

#include <span>

#include "frame/register_hooks.h"

namespace skolvarin::frame {

// A step is a settings group (loaded, file closed again) or a table opened
// by its named opener (left open for the register).
using TableOpener = int (*)(int tag_option);

struct ChainStep {
  const char* file;
  bool settings;
  TableOpener open;  // tables only; called with the tag option 0
};

struct RegisterChain {
  int code;
  RegisterId register_id;
  std::span<const ChainStep> steps;
};

enum class Dispatcher { General, Payroll };

std::span<const RegisterChain> chains(Dispatcher d);
// The chain of `code`, or nullptr for a code with none.
const RegisterChain* find_chain(Dispatcher d, int code);

// Registers of the Odsetki submenu other than " Oblicz ": their one table.
struct DirectRegister {
  RegisterId register_id;
  ChainStep table;
};
std::span<const DirectRegister> direct_registers();

}  // namespace skolvarin::frame
