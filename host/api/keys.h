// Key values of the host: PC extended key codes.
//
// Plain characters are their character code (ASCII, or the Unicode code
// point for Polish letters, e.g. 'ą' = 0x105), control keys are their ASCII
// control code (Enter 13, Esc 27, Tab 9, Ctrl+A..Ctrl+Z = 1..26), extended
// keys are the scan code in the high byte (F2 = 0x3C00 = 15360).  No Polish
// letter's code point has a zero low byte, so the two ranges never meet.
// The terminal layer decodes keys into these values; the screen calls and
// the module read them.
#pragma once

namespace skolvarin::keys {
// Control keys (the ASCII code).
inline constexpr int Backspace = 8;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Esc = 27;
inline constexpr int Space = 32;
// Ctrl+letter: the letter's position in the alphabet (Ctrl+A = 1).
constexpr int ctrl(char letter) { return (letter | 0x20) - 'a' + 1; }
inline constexpr int CtrlC = 3;
// Function keys: scan code in the high byte.
inline constexpr int F1 = 0x3B00, F2 = 0x3C00, F3 = 0x3D00, F4 = 0x3E00, F5 = 0x3F00;
inline constexpr int F6 = 0x4000, F7 = 0x4100, F8 = 0x4200, F9 = 0x4300, F10 = 0x4400;
inline constexpr int F11 = 0x8500, F12 = 0x8600;
inline constexpr int ShiftF1 = 0x5400, ShiftF2 = 0x5500, ShiftF3 = 0x5600, ShiftF4 = 0x5700;
inline constexpr int ShiftF5 = 0x5800, ShiftF6 = 0x5900, ShiftF7 = 0x5A00, ShiftF8 = 0x5B00;
inline constexpr int ShiftF9 = 0x5C00, ShiftF10 = 0x5D00;
inline constexpr int CtrlF1 = 0x5E00, CtrlF2 = 0x5F00, CtrlF3 = 0x6000, CtrlF4 = 0x6100;
inline constexpr int CtrlF5 = 0x6200, CtrlF6 = 0x6300, CtrlF7 = 0x6400, CtrlF8 = 0x6500;
inline constexpr int CtrlF9 = 0x6600, CtrlF10 = 0x6700;
inline constexpr int AltF1 = 0x6800, AltF2 = 0x6900, AltF3 = 0x6A00, AltF4 = 0x6B00;
inline constexpr int AltF5 = 0x6C00, AltF6 = 0x6D00, AltF7 = 0x6E00, AltF8 = 0x6F00;
inline constexpr int AltF9 = 0x7000, AltF10 = 0x7100;
// Cursor block.
inline constexpr int Home = 0x4700, Up = 0x4800, PgUp = 0x4900, Left = 0x4B00;
inline constexpr int Right = 0x4D00, End = 0x4F00, Down = 0x5000, PgDn = 0x5100;
inline constexpr int Ins = 0x5200, Del = 0x5300;
inline constexpr int ShiftTab = 0x0F00;
inline constexpr int CtrlLeft = 0x7300, CtrlRight = 0x7400, CtrlEnd = 0x7500;
inline constexpr int CtrlPgDn = 0x7600, CtrlHome = 0x7700, CtrlPgUp = 0x8400;
inline constexpr int CtrlUp = 0x8D00, CtrlDown = 0x9100;
// Alt+letter: the letter key's scan code in the high byte (Alt+A = 0x1E00).
int alt(char letter);
}  // namespace skolvarin::keys
