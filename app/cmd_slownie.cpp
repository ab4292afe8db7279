// skolvarin slownie KWOTA [--json]: the amount in Polish words, as bills and
// cash vouchers print it.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/amount_argument.h"
#include "app/command.h"
#include "host/core/amount_words.h"
#include "host/api/rounding.h"

namespace skolvarin::app {
namespace {

// "1234,56", "1234.56", "-7", "1 234,5": digits with at most one decimal
// separator and at most two decimals; blanks between digits are ignored.
bool parse_amount(const std::string& text, double& out) {
  return parse_amount_argument(text, AmountRules{.blanks = true, .negative = true}, out);
}

int run(const CommandLine& cl) {
  auto words = cl.positional({});
  if (words.size() != 1) {
    std::fprintf(stderr, "skolvarin slownie: podaj jedną kwotę, np. skolvarin slownie 1234,56\n");
    return 2;
  }
  double amount = 0;
  if (!parse_amount(words[0], amount)) {
    std::fprintf(stderr, "skolvarin slownie: błędna kwota: %s (oczekiwano liczby z najwyżej dwoma "
                 "miejscami po przecinku, np. 1234,56)\n", words[0].c_str());
    return 2;
  }
  std::string text = slownie(amount);
  if (text.empty()) {
    std::fprintf(stderr, "skolvarin slownie: kwota poza zakresem: %s (najwyżej 999 999 999,99)\n",
                 words[0].c_str());
    return 2;
  }
  if (cl.has_flag("--json")) {
    std::printf("{\"kwota\": %.2f, \"slownie\": \"%s\", \"slownie_3\": \"%s\"}\n", R(amount, 2),
                text.c_str(), slownie_3(amount).c_str());
  } else {
    std::printf("%s\n", text.c_str());
  }
  return 0;
}

CommandRegistrar reg("slownie", "kwota słownie (np. slownie 1234,56)", run, "--json");

}  // namespace
}  // namespace skolvarin::app
