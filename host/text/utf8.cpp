#include "host/text/utf8.h"

namespace skolvarin::text {

bool utf8_next(std::string_view s, size_t& pos, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  if (b0 < 0x80) {
    ++pos;
    cp = b0;
    return true;
  }
  int len = 0;
  char32_t v = 0;
  char32_t min = 0;
  if ((b0 & 0xE0) == 0xC0) {
    len = 2, v = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3, v = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4, v = b0 & 0x07, min = 0x10000;
  }
  bool ok = len > 0 && pos + len <= s.size();
  for (int i = 1; ok && i < len; ++i) {
    const auto b = static_cast<unsigned char>(s[pos + i]);
    ok = (b & 0xC0) == 0x80;
    v = (v << 6) | (b & 0x3F);
  }
  if (!ok || v < min || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) {
    ++pos;
    cp = kReplacementChar;
    return false;
  }
  pos += len;
  cp = v;
  return true;
}

void utf8_append(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::u32string utf8_decode(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  char32_t cp = 0;
  while (pos < utf8.size()) {
    utf8_next(utf8, pos, cp);
    out.push_back(cp);
  }
  return out;
}

std::string utf8_encode(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t cp : text) utf8_append(out, cp);
  return out;
}

size_t utf8_length(std::string_view utf8) {
  size_t n = 0;
  size_t pos = 0;
  char32_t cp = 0;
  while (pos < utf8.size()) {
    utf8_next(utf8, pos, cp);
    ++n;
  }
  return n;
}

size_t utf8_offset(std::string_view utf8, size_t chars) {
  size_t pos = 0;
  char32_t cp = 0;
  for (size_t i = 0; i < chars && pos < utf8.size(); ++i) utf8_next(utf8, pos, cp);
  return pos;
}

std::string_view utf8_substr(std::string_view utf8, size_t start, size_t count) {
  const size_t from = utf8_offset(utf8, start);
  std::string_view rest = utf8.substr(from);
  if (count == std::string_view::npos) return rest;
  return rest.substr(0, utf8_offset(rest, count));
}

std::string utf8_pad_right(std::string_view utf8, size_t width) {
  std::string out(utf8_substr(utf8, 0, width));
  out.append(width - utf8_length(out), ' ');
  return out;
}

std::string utf8_pad_left(std::string_view utf8, size_t width) {
  std::string_view cut = utf8_substr(utf8, 0, width);
  std::string out(width - utf8_length(cut), ' ');
  out.append(cut);
  return out;
}

}  // namespace skolvarin::text
