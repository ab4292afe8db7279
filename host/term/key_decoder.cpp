#include "host/term/key_decoder.h"

#include <string>
#include <vector>

#include "host/api/keys.h"

namespace skolvarin::term {

namespace k = skolvarin::keys;

namespace {
int modifier_kind(int m) {
  // xterm: 1 + (Shift 1 | Alt 2 | Ctrl 4).  Ctrl wins over Alt over Shift.
  if (m <= 1) return 0;
  int bits = m - 1;
  if (bits & 4) return 3;  // Ctrl
  if (bits & 2) return 2;  // Alt
  return 1;                // Shift
}

int cursor_key(char final, int modifier) {
  int kind = modifier_kind(modifier);
  switch (final) {
    case 'A': return kind == 3 ? k::CtrlUp : kind == 2 ? 0x9800 : k::Up;
    case 'B': return kind == 3 ? k::CtrlDown : kind == 2 ? 0xA000 : k::Down;
    case 'C': return kind == 3 ? k::CtrlRight : kind == 2 ? 0x9D00 : k::Right;
    case 'D': return kind == 3 ? k::CtrlLeft : kind == 2 ? 0x9B00 : k::Left;
    case 'H': return kind == 3 ? k::CtrlHome : k::Home;
    case 'F': return kind == 3 ? k::CtrlEnd : k::End;
    case 'P': return function_key_code(1, modifier);
    case 'Q': return function_key_code(2, modifier);
    case 'R': return function_key_code(3, modifier);
    case 'S': return function_key_code(4, modifier);
    case 'Z': return k::ShiftTab;
    default: return -2;
  }
}

int tilde_key(int n, int modifier) {
  int kind = modifier_kind(modifier);
  switch (n) {
    case 1: case 7: return kind == 3 ? k::CtrlHome : k::Home;
    case 2: return k::Ins;
    case 3: return k::Del;
    case 4: case 8: return kind == 3 ? k::CtrlEnd : k::End;
    case 5: return kind == 3 ? k::CtrlPgUp : k::PgUp;
    case 6: return kind == 3 ? k::CtrlPgDn : k::PgDn;
    case 11: case 12: case 13: case 14: case 15: return function_key_code(n - 10, modifier);
    case 17: case 18: case 19: case 20: case 21: return function_key_code(n - 11, modifier);
    case 23: case 24: return function_key_code(n - 12, modifier);
    // rxvt: Shift+F3..F10 without a modifier parameter.
    case 25: case 26: return function_key_code(n - 22, 2);
    case 28: case 29: return function_key_code(n - 23, 2);
    case 31: case 32: case 33: case 34: return function_key_code(n - 24, 2);
    default: return -2;
  }
}
}  // namespace

int function_key_code(int n, int modifier) {
  int kind = modifier_kind(modifier);
  if (n >= 1 && n <= 10) {
    static constexpr int kBase[4] = {0x3B, 0x54, 0x68, 0x5E};  // none, Shift, Alt, Ctrl
    return (kBase[kind] + n - 1) << 8;
  }
  if (n == 11 || n == 12) {
    static constexpr int kBase[4] = {0x85, 0x87, 0x8B, 0x89};
    return (kBase[kind] + n - 11) << 8;
  }
  return -2;
}

int KeyDecoder::byte(int timeout_ms) {
  if (!pending_.empty()) {
    int b = pending_.front();
    pending_.pop_front();
    return b;
  }
  return source_.next(timeout_ms);
}

int KeyDecoder::next_key(int timeout_ms) {
  for (;;) {
    int b = byte(timeout_ms);
    if (b < 0) return -1;
    int key;
    if (b == 27) {
      key = decode_escape();
    } else if (b == 0x7F || b == 0x08) {
      key = k::Backspace;
    } else if (b == '\r' || b == '\n') {
      key = k::Enter;
    } else if (b >= 0x80) {
      key = decode_utf8(b);
    } else {
      key = b;
    }
    if (key != -2) return key;  // -2: a sequence we swallow
  }
}

int KeyDecoder::decode_escape() {
  int b = byte(delay_);
  if (b < 0) return k::Esc;
  if (b == '[') return decode_csi();
  if (b == 'O') return decode_ss3();
  if (b == 27) {  // ESC ESC: the first is Esc, the second starts again
    pending_.push_front(27);
    return k::Esc;
  }
  if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z')) return k::alt(static_cast<char>(b));
  pending_.push_front(b);
  return k::Esc;
}

int KeyDecoder::decode_csi() {
  // Linux console F1..F5: ESC [ [ A..E
  std::vector<int> params;
  int cur = -1;
  for (int guard = 0; guard < 32; ++guard) {
    int b = byte(delay_);
    if (b < 0) return -2;
    if (b == '[' && params.empty() && cur < 0) {
      int f = byte(delay_);
      if (f >= 'A' && f <= 'E') return function_key_code(f - 'A' + 1, 1);
      return -2;
    }
    if (b >= '0' && b <= '9') {
      cur = (cur < 0 ? 0 : cur) * 10 + (b - '0');
      continue;
    }
    if (b == ';') {
      params.push_back(cur < 0 ? 1 : cur);
      cur = -1;
      continue;
    }
    if (b >= 0x40 && b <= 0x7E) {
      if (cur >= 0) params.push_back(cur);
      int modifier = params.size() >= 2 ? params[1] : 1;
      if (b == '~') return params.empty() ? -2 : tilde_key(params[0], modifier);
      // rxvt: ESC [ a..d = Shift+arrows (same as plain arrows here)
      if (b >= 'a' && b <= 'd') return cursor_key(static_cast<char>(b - 'a' + 'A'), 1);
      return cursor_key(static_cast<char>(b), modifier);
    }
    if (b == '?' || b == '>' || b == '<' || b == '=') continue;  // private markers
    return -2;
  }
  return -2;
}

int KeyDecoder::decode_ss3() {
  int b = byte(delay_);
  if (b < 0) return -2;
  int modifier = 1;
  if (b >= '2' && b <= '8') {  // ESC O 2 Q (some terminals put the modifier here)
    modifier = b - '0';
    b = byte(delay_);
    if (b < 0) return -2;
  }
  if (b == 'M') return k::Enter;  // keypad Enter
  return cursor_key(static_cast<char>(b), modifier);
}

int KeyDecoder::decode_utf8(int lead) {
  int extra = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
  if (extra < 0) return -2;
  int cp = lead & (0x3F >> extra);
  for (int i = 0; i < extra; ++i) {
    int b = byte(delay_);
    if (b < 0 || (b & 0xC0) != 0x80) {
      if (b >= 0) pending_.push_front(b);
      return -2;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  return cp;
}

}  // namespace skolvarin::term
