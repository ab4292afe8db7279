// Mazovia <-> UTF-8 conversion, blanks and Polish case.
#include "host/text/mazovia.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace skolvarin::text {
namespace {

// Unicode code points of the Mazovia bytes 0x80-0xFF.
constexpr std::array<char32_t, 128> kHigh = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x0105, 0x00E7,  // 80 Çüéâäàąç
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x0107, 0x00C4, 0x0104,  // 88 êëèïîćÄĄ
    0x0118, 0x0119, 0x0142, 0x00F4, 0x00F6, 0x0106, 0x00FB, 0x00F9,  // 90 ĘęłôöĆûù
    0x015A, 0x00D6, 0x00DC, 0x00A2, 0x0141, 0x00A5, 0x015B, 0x0192,  // 98 ŚÖÜ¢Ł¥śƒ
    0x0179, 0x017B, 0x00F3, 0x00D3, 0x0144, 0x0143, 0x017A, 0x017C,  // A0 ŹŻóÓńŃźż
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // A8 ¿⌐¬½¼¡«»
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,  // B0 ░▒▓│┤╡╢╖
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,  // B8 ╕╣║╗╝╜╛┐
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,  // C0 └┴┬├─┼╞╟
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,  // C8 ╚╔╩╦╠═╬╧
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,  // D0 ╨╤╥╙╘╒╓╫
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,  // D8 ╪┘┌█▄▌▐▀
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,  // E0 αßΓπΣσµτ
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,  // E8 ΦΘΩδ∞φε∩
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,  // F0 ≡±≥≤⌠⌡÷≈
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,  // F8 °∙·√ⁿ²■(nbsp)
};

char32_t byte_code_point(unsigned char b) { return b < 0x80 ? b : kHigh[b - 0x80]; }

char32_t upper_code_point(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  if (c >= 0x100 && c <= 0x137 && (c & 1) && c != 0x131) return c - 1;
  if (c >= 0x139 && c <= 0x148 && !(c & 1)) return c - 1;
  if (c >= 0x14A && c <= 0x177 && (c & 1)) return c - 1;
  if (c >= 0x17A && c <= 0x17E && !(c & 1)) return c - 1;
  return c;
}

char32_t lower_code_point(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if (c >= 0x100 && c <= 0x137 && !(c & 1) && c != 0x130) return c + 1;
  if (c >= 0x139 && c <= 0x148 && (c & 1)) return c + 1;
  if (c >= 0x14A && c <= 0x177 && !(c & 1)) return c + 1;
  if (c >= 0x179 && c <= 0x17E && (c & 1)) return c + 1;
  return c;
}

// Tables built once: UTF-8 text of every byte, code point -> byte for the
// upper half, and the byte case maps.
struct Tables {
  std::array<std::string, 256> utf8;
  std::array<std::pair<char32_t, unsigned char>, 128> reverse{};
  std::array<unsigned char, 256> upper{};
  std::array<unsigned char, 256> lower{};

  Tables() {
    for (int b = 0; b < 256; ++b) utf8_append(utf8[b], byte_code_point(static_cast<unsigned char>(b)));
    for (int i = 0; i < 128; ++i) reverse[i] = {kHigh[i], static_cast<unsigned char>(0x80 + i)};
    std::sort(reverse.begin(), reverse.end());
    for (int b = 0; b < 256; ++b) {
      const char32_t cp = byte_code_point(static_cast<unsigned char>(b));
      const int u = byte_of(upper_code_point(cp));
      const int l = byte_of(lower_code_point(cp));
      upper[b] = static_cast<unsigned char>(u < 0 ? b : u);
      lower[b] = static_cast<unsigned char>(l < 0 ? b : l);
    }
  }

  // The Mazovia byte of a code point, or -1.
  int byte_of(char32_t cp) const {
    if (cp < 0x80) return static_cast<int>(cp);
    auto it = std::lower_bound(reverse.begin(), reverse.end(), std::pair<char32_t, unsigned char>{cp, 0});
    if (it != reverse.end() && it->first == cp) return it->second;
    return -1;
  }
};

const Tables& tables() {
  static const Tables t;
  return t;
}

template <class Map>
std::string map_utf8(std::string_view utf8, Map map) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    const size_t start = pos;
    char32_t cp = 0;
    if (utf8_next(utf8, pos, cp)) {
      utf8_append(out, map(cp));
    } else {
      out.append(utf8.substr(start, pos - start));  // kept as it was
    }
  }
  return out;
}

}  // namespace

std::string mazovia_to_utf8(std::string_view bytes) {
  const Tables& t = tables();
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out.push_back(c);
    } else {
      out.append(t.utf8[b]);
    }
  }
  return out;
}

const char* ascii_form(char32_t cp) {
  switch (cp) {
    case 0x2010: case 0x2011: case 0x2012: case 0x2013: case 0x2014: case 0x2015: case 0x2212: return "-";
    case 0x201E: case 0x201C: case 0x201D: case 0x201F: case 0x00AB: case 0x00BB: case 0x2033: return "\"";
    case 0x2018: case 0x2019: case 0x201A: case 0x201B: case 0x2032: case 0x00B4: case 0x0060: return "'";
    case 0x2026: return "...";
    case 0x20AC: return "EUR";
    case 0x00A0: case 0x2002: case 0x2003: case 0x2009: case 0x202F: return " ";
    case 0x2022: case 0x00B7: return "*";
    case 0x00D7: return "x";
    case 0x2116: return "Nr";
    default: return nullptr;
  }
}

std::string utf8_to_mazovia(std::string_view utf8) {
  const Tables& t = tables();
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t cp = 0;
    const bool ok = utf8_next(utf8, pos, cp);
    const int b = ok ? t.byte_of(cp) : -1;
    if (b >= 0) {
      out.push_back(static_cast<char>(b));
    } else if (const char* a = ok ? ascii_form(cp) : nullptr) {
      out += a;
    } else {
      out.push_back('?');
    }
  }
  return out;
}

std::string mazovia_storable(std::string_view utf8) { return mazovia_to_utf8(utf8_to_mazovia(utf8)); }

std::string_view mazovia_char_utf8(unsigned char byte) { return tables().utf8[byte]; }

std::string_view trim_right(std::string_view text) {
  const size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

std::string_view trim_left(std::string_view text) {
  const size_t start = text.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string_view{} : text.substr(start);
}

std::string_view trim(std::string_view text) { return trim_left(trim_right(text)); }

std::string utf8_upper(std::string_view utf8) { return map_utf8(utf8, upper_code_point); }
std::string utf8_lower(std::string_view utf8) { return map_utf8(utf8, lower_code_point); }
char32_t upper_char(char32_t c) { return upper_code_point(c); }
char32_t lower_char(char32_t c) { return lower_code_point(c); }

unsigned char mazovia_upper(unsigned char byte) { return tables().upper[byte]; }
unsigned char mazovia_lower(unsigned char byte) { return tables().lower[byte]; }

void mazovia_upper_in_place(char* bytes, size_t n) {
  const auto& up = tables().upper;
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>(up[static_cast<unsigned char>(bytes[i])]);
}

std::string mazovia_upper(std::string_view bytes) {
  std::string out(bytes);
  mazovia_upper_in_place(out.data(), out.size());
  return out;
}

}  // namespace skolvarin::text
