// One character cell of the screen and the attribute roles it can carry.
//
// A cell holds one Unicode character (never a control character; blank is
// U+0020) and an attribute role.  Roles say what a cell is, not which colour
// it has: the terminal adapter picks colours (or, on a monochrome terminal,
// bold/reverse/underline) for each role, so the same screen reads well
// everywhere and a text dump of the screen does not depend on colours.
#pragma once

#include <cstdint>

namespace skolvarin::term {

enum class Attr : std::uint8_t {
  Normal = 0,     // window text
  Highlight = 1,  // the selected menu item, the current row
  Title = 2,      // title line and window titles
  HotLetter = 3,  // an item's hot letter
  Warning = 4,    // warning and alarm boxes
  Input = 5,      // an input field
  Dim = 6,        // disabled or background text
  Desktop = 7,    // the screen under all windows
  Border = 8,     // window frames
  HelpLine = 9,   // the help lines at the bottom
  HighlightHot = 10,  // hot letter inside the selected item
};
inline constexpr int kAttrCount = 11;

struct Cell {
  char32_t ch = U' ';
  Attr attr = Attr::Normal;
  bool operator==(const Cell&) const = default;
};

}  // namespace skolvarin::term
