// A screen on a virtual 80 x 25 terminal, bound for the screen calls.
#pragma once

#include <memory>

#include "host/term/virtual_terminal.h"
#include "host/ui/screen.h"

namespace skolvarin::testing_ui {

struct VirtualScreen {
  term::VirtualTerminal terminal{25, 80};
  host::Screen screen{terminal};
  host::ScreenBinding binding{screen};

  std::string row(int r) const { return screen.compose().row_text(r); }
  std::string text() const { return screen.compose().text(); }
};

}  // namespace skolvarin::testing_ui
