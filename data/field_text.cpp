#include "data/field_text.h"

namespace skolvarin::data {

std::string_view trim_right_blanks(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string_view trim_blanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return trim_right_blanks(s);
}

std::string cut_chars(std::string_view s, int chars) {
  size_t i = 0;
  int n = 0;
  while (i < s.size()) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
      if (n >= chars) break;
      ++n;
    }
    ++i;
  }
  return std::string(s.substr(0, i));
}

}  // namespace skolvarin::data
