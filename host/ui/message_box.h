// Message boxes and the wait window, drawn on a Screen.
//
// A message box is a double-framed window centred on the screen, as wide as
// its longest line (lines are wrapped at word boundaries to fit the screen),
// with the kind as its title and a key hint under the text.  It is modal:
// it reads keys (hot keys are not run inside it) until one that closes it.
#pragma once

#include <string>
#include <vector>

namespace skolvarin::host {

class Screen;

// kind: 0 plain, 1 information, 2 warning, 3 alarm, 4 error; question adds
// T/N answering.  title overrides the kind's title when not empty.
// Returns 13 (Enter / yes) or 27 (Esc / no).
int show_message(Screen& screen, int kind, const std::string& text, const std::string& title = {},
                 bool question = false);

// Lines of `text` (split at '\n') wrapped to at most `width` characters,
// breaking at blanks where possible.
std::vector<std::string> wrap_text(const std::string& text, int width);

void wait_open(Screen& screen, const std::string& text);
void wait_step(Screen& screen, long done, long total);
void wait_close(Screen& screen);

}  // namespace skolvarin::host
