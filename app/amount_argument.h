// An amount given on the command line ("1234,56", "1234.56", "1 234,5"):
// digits with at most one decimal sign (comma or point) and at most two
// decimals.  Each command says what else it takes: blanks between the
// digits, a leading minus, and how long the amount may be.
//
// Invariant: an accepted amount has at least one digit, and `out` is finite;
// on refusal `out` is left as it was.
#pragma once

#include <cstddef>
#include <string_view>

namespace skolvarin::app {

struct AmountRules {
  bool blanks = true;               // blanks are passed over
  bool negative = false;            // a '-' before the first digit
  size_t max_length = static_cast<size_t>(-1);  // characters without the blanks
};

bool parse_amount_argument(std::string_view text, const AmountRules& rules, double& out);

}  // namespace skolvarin::app
