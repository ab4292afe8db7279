#include "app/amount_argument.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace skolvarin::app {

bool parse_amount_argument(std::string_view text, const AmountRules& rules, double& out) {
  std::string s;
  bool point = false, digit = false;
  int decimals = 0;
  for (char c : text) {
    if (c == ' ' && rules.blanks) continue;
    if (c == '-' && rules.negative && s.empty()) {
      s += c;
    } else if (c >= '0' && c <= '9') {
      s += c;
      digit = true;
      if (point && ++decimals > 2) return false;
    } else if ((c == ',' || c == '.') && !point) {
      s += '.';
      point = true;
    } else {
      return false;
    }
  }
  if (!digit || s.size() > rules.max_length) return false;
  const double value = std::strtod(s.c_str(), nullptr);
  if (!std::isfinite(value)) return false;
  out = value;
  return true;
}

}  // namespace skolvarin::app
