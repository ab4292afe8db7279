#include "host/core/amount_words.h"

#include <cmath>
#include <cstdio>

#include "host/api/rounding.h"

namespace skolvarin {

namespace {

const char* const kUnits[] = {"",      "jeden",  "dwa",     "trzy",  "cztery",
                              "pięć",  "sześć",  "siedem",  "osiem", "dziewięć"};
const char* const kTeens[] = {"dziesięć",     "jedenaście",    "dwanaście",    "trzynaście",
                              "czternaście",  "piętnaście",    "szesnaście",   "siedemnaście",
                              "osiemnaście",  "dziewiętnaście"};
const char* const kTens[] = {"",              "",              "dwadzieścia",  "trzydzieści",
                             "czterdzieści",  "pięćdziesiąt",  "sześćdziesiąt", "siedemdziesiąt",
                             "osiemdziesiąt", "dziewięćdziesiąt"};
const char* const kHundreds[] = {"",         "sto",      "dwieście", "trzysta",  "czterysta",
                                 "pięćset",  "sześćset", "siedemset", "osiemset", "dziewięćset"};
const char* const kDigitAbbrev[] = {"zer", "jed", "dwa", "trz", "czt",
                                    "pię", "sze", "sie", "osi", "dzi"};

constexpr long long kMaxWords = 999'999'999;

void append_word(std::string& out, const char* word) {
  if (!*word) return;
  if (!out.empty()) out += ' ';
  out += word;
}

// Words of 1..999 appended to out.
void append_hundreds(std::string& out, int n) {
  append_word(out, kHundreds[n / 100]);
  int rest = n % 100;
  if (rest >= 10 && rest < 20) {
    append_word(out, kTeens[rest - 10]);
  } else {
    append_word(out, kTens[rest / 10]);
    append_word(out, kUnits[rest % 10]);
  }
}

const char* pick(long long n, const char* one, const char* few, const char* many) {
  switch (plural_form(n)) {
    case PluralForm::One: return one;
    case PluralForm::Few: return few;
    default: return many;
  }
}

// Splits |amount| rounded to the grosz into whole złoty and grosze.
bool split_amount(double amount, bool& negative, long long& zloty, int& grosze) {
  double r = R(amount, 2);
  if (!std::isfinite(r)) return false;
  negative = r < 0;
  // The range is checked on the double itself: llround of a value beyond
  // long long has no defined result.
  if (std::fabs(r) >= static_cast<double>(kMaxWords + 1)) return false;
  long long c = std::llround(std::fabs(r) * 100.0);
  zloty = c / 100;
  grosze = static_cast<int>(c % 100);
  return true;
}

}  // namespace

PluralForm plural_form(long long n) {
  if (n < 0) n = -n;
  if (n == 1) return PluralForm::One;
  int last = static_cast<int>(n % 10), last2 = static_cast<int>(n % 100);
  if (last >= 2 && last <= 4 && !(last2 >= 12 && last2 <= 14)) return PluralForm::Few;
  return PluralForm::Many;
}

std::string number_in_words(long long n) {
  if (n < 0 || n > kMaxWords) return {};
  if (n == 0) return "zero";
  std::string out;
  int millions = static_cast<int>(n / 1'000'000);
  int thousands = static_cast<int>(n / 1000 % 1000);
  int rest = static_cast<int>(n % 1000);
  if (millions) {
    if (millions != 1) append_hundreds(out, millions);
    append_word(out, pick(millions, "milion", "miliony", "milionów"));
  }
  if (thousands) {
    if (thousands != 1) append_hundreds(out, thousands);
    append_word(out, pick(thousands, "tysiąc", "tysiące", "tysięcy"));
  }
  if (rest) append_hundreds(out, rest);
  return out;
}

const char* zloty_word(long long n) { return pick(n, "złoty", "złote", "złotych"); }
const char* grosz_word(long long n) { return pick(n, "grosz", "grosze", "groszy"); }

std::string slownie(double amount) {
  bool negative;
  long long zloty;
  int grosze;
  if (!split_amount(amount, negative, zloty, grosze)) return {};
  std::string out = negative ? "minus " : "";
  out += number_in_words(zloty);
  out += ' ';
  out += zloty_word(zloty);
  out += ' ';
  out += number_in_words(grosze);
  out += ' ';
  out += grosz_word(grosze);
  return out;
}

std::string slownie_3(double amount) {
  bool negative;
  long long zloty;
  int grosze;
  if (!split_amount(amount, negative, zloty, grosze)) return {};
  std::string out = negative ? "minus" : "";
  std::string digits = std::to_string(zloty);
  for (char d : digits) append_word(out, kDigitAbbrev[d - '0']);
  char frac[16];
  std::snprintf(frac, sizeof frac, "%02d/100", grosze);
  append_word(out, frac);
  return out;
}

std::vector<std::string> wrap_words(const std::string& text, int width) {
  std::vector<std::string> lines;
  if (width < 1) width = 1;
  auto chars = [](const std::string& s) {
    int n = 0;
    for (unsigned char c : s)
      if ((c & 0xC0) != 0x80) ++n;
    return n;
  };
  std::string line;
  int line_len = 0;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    if (i >= text.size()) break;
    size_t j = text.find(' ', i);
    if (j == std::string::npos) j = text.size();
    std::string word = text.substr(i, j - i);
    int wl = chars(word);
    if (line_len > 0 && line_len + 1 + wl > width) {
      lines.push_back(line);
      line.clear();
      line_len = 0;
    }
    if (line_len > 0) {
      line += ' ';
      ++line_len;
    }
    line += word;
    line_len += wl;
    i = j;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::vector<std::string> pisz_slownie(double amount, int width) {
  std::string text = slownie(amount);
  if (text.empty()) return {};
  return wrap_words(text, width);
}

}  // namespace skolvarin
