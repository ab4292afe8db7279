// KeyDecoder: terminal bytes -> PC extended key codes.
//
// Understands what xterm-like terminals, the Linux console, rxvt and tmux
// send: CSI sequences (ESC [ ... with xterm modifier parameters 2 Shift,
// 3 Alt, 5 Ctrl), SS3 sequences (ESC O P = F1), ESC + letter as Alt+letter,
// UTF-8 characters (returned as their code point), DEL/BS as Backspace and
// LF/CR as Enter.  A lone ESC (nothing more within the escape delay) is Esc.
// An unknown sequence is swallowed whole and gives no key, so stray bytes
// never reach a form as text.
#pragma once

#include <deque>

#include "host/term/byte_source.h"

namespace skolvarin::term {

class KeyDecoder {
 public:
  // escape_delay_ms: how long to wait after ESC for the rest of a sequence.
  explicit KeyDecoder(ByteSource& source, int escape_delay_ms = 50)
      : source_(source), delay_(escape_delay_ms) {}

  // The next key (PC code), or -1 when the source has nothing within
  // timeout_ms (-1 = wait for ever).
  int next_key(int timeout_ms = -1);

 private:
  int byte(int timeout_ms);
  int decode_escape();
  int decode_csi();
  int decode_ss3();
  int decode_utf8(int lead);

  ByteSource& source_;
  int delay_;
  std::deque<int> pending_;
};

// Key code of xterm's modified function key n (1..12) with modifier
// parameter m (1 none, 2 Shift, 3 Alt, 5 Ctrl, others as the nearest).
int function_key_code(int n, int modifier);

}  // namespace skolvarin::term
