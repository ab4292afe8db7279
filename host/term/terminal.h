// Terminal: what the screen layer needs from a display and a keyboard.
//
// The screen composes its windows into a ScreenBuffer and hands it to
// present(); keys come back as PC codes.  Two adapters: NcursesTerminal (a
// real terminal, for people) and VirtualTerminal (no device; scripted keys
// and text dumps, for tests and headless runs).
#pragma once

#include "host/term/screen_buffer.h"

namespace skolvarin::term {

// Not a key: read_key() answers it once after the terminal changed its
// size (rows() and cols() give the new one), so the screen is laid out again.
inline constexpr int kResized = 0x7FFF0000;

class Terminal {
 public:
  virtual ~Terminal() = default;
  virtual int rows() const = 0;
  virtual int cols() const = 0;
  // Shows the buffer (same size as rows() x cols()) and the cursor.
  virtual void present(const ScreenBuffer& screen, CursorState cursor) = 0;
  // The next key; blocks until there is one.
  virtual int read_key() = 0;
  // True when a key can be read without waiting.
  virtual bool key_waiting() = 0;
  // Drops keys typed ahead (a script's keys are never dropped: they stand
  // for keys typed after the program asked for them).
  virtual void flush_keys() = 0;
  // True once the keys have run out (a script ended, the terminal closed):
  // the Esc that read_key() answers from then on was pressed by nobody.
  virtual bool input_ended() const { return false; }
};

}  // namespace skolvarin::term
