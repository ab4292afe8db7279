#include "host/db/field_value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "host/api/rounding.h"
#include "host/text/mazovia.h"

namespace skolvarin::db {

bool format_numeric(double value, int width, int decimals, char* out) {
  if (!std::isfinite(value) || width <= 0 || width > 20) return false;
  double v = skolvarin::R(value, decimals);
  if (v == 0) v = 0;  // no "-0.00"
  char buf[64];
  int n = std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, v);
  if (n < 0 || n > width) return false;
  std::memcpy(out, buf, static_cast<size_t>(width));
  return true;
}

double numeric_value(std::string_view bytes) {
  char buf[40];
  size_t n = 0;
  for (char c : bytes) {
    if (c == ' ' && n == 0) continue;
    if (c == '\0' || c == ' ') break;
    if (n + 1 >= sizeof buf) break;
    buf[n++] = c == ',' ? '.' : c;
  }
  buf[n] = 0;
  if (n == 0) return 0;
  double v = std::strtod(buf, nullptr);
  return std::isfinite(v) ? v : 0;
}

bool parse_number(std::string_view text, double& value) {
  std::string s;
  size_t b = text.find_first_not_of(' '), e = text.find_last_not_of(' ');
  if (b == std::string_view::npos) {
    value = 0;
    return true;
  }
  text = text.substr(b, e - b + 1);
  bool comma = text.find(',') != std::string_view::npos;
  for (char c : text) {
    if (c == ' ') continue;               // thousands blank
    if (comma && c == '.') continue;      // thousands point before a decimal comma
    s += c == ',' ? '.' : c;
  }
  if (s.empty() || s.size() > 40) return false;
  char* end = nullptr;
  double v = std::strtod(s.c_str(), &end);
  if (end != s.c_str() + s.size() || !std::isfinite(v)) return false;
  for (char c : s)
    if (!(c == '-' || c == '+' || c == '.' || (c >= '0' && c <= '9'))) return false;  // no exponents, hex, inf
  value = v;
  return true;
}

void store_text(std::string_view utf8, int width, char* out) {
  std::string m = skolvarin::text::utf8_to_mazovia(utf8);
  size_t n = std::min(m.size(), static_cast<size_t>(width));
  std::memcpy(out, m.data(), n);
  std::memset(out + n, ' ', static_cast<size_t>(width) - n);
}

std::string load_text(std::string_view bytes) {
  if (bytes.find('\0') == std::string_view::npos) return skolvarin::text::mazovia_to_utf8(bytes);
  std::string copy(bytes);
  for (char& c : copy)
    if (c == '\0') c = ' ';
  return skolvarin::text::mazovia_to_utf8(copy);
}

void store_blank(const FieldDesc& f, char* record) {
  std::memset(record + f.offset, ' ', static_cast<size_t>(f.width));
}

}  // namespace skolvarin::db
