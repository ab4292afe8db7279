// Texts in the JSON output of the commands.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace skolvarin::app {

// `s` (UTF-8) as a JSON string, quotes included: '"' and '\' escaped,
// control characters written as \u00XX.
inline std::string json_string(std::string_view s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

}  // namespace skolvarin::app
