#include "host/api/identifiers.h"

namespace skolvarin {

namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// Weighted sum of the first `n` digits.
int weighted(const std::string& d, const int* w, int n) {
  int sum = 0;
  for (int i = 0; i < n; ++i) sum += w[i] * (d[static_cast<size_t>(i)] - '0');
  return sum;
}

int digit(const std::string& d, size_t i) { return d[i] - '0'; }

std::string problem(std::string_view text, bool prefix, size_t count, const char* name,
                    bool (*valid)(std::string_view)) {
  if (trimmed(text).empty()) return {};
  std::string d = identifier_digits(text, prefix);
  if (d.empty()) return std::string(name) + " może zawierać tylko cyfry";
  if (count && d.size() != count) return std::string(name) + " musi mieć " + std::to_string(count) + " cyfr";
  if (!valid(text)) return std::string("błędna cyfra kontrolna ") + name;
  return {};
}

}  // namespace

std::string identifier_digits(std::string_view text, bool country_prefix) {
  std::string_view s = trimmed(text);
  if (country_prefix && s.size() >= 2 && (s[0] == 'P' || s[0] == 'p') && (s[1] == 'L' || s[1] == 'l'))
    s.remove_prefix(2);
  std::string out;
  for (char c : s) {
    if (c >= '0' && c <= '9') out += c;
    else if (c != ' ' && c != '-') return {};
  }
  return out;
}

bool nip_valid(std::string_view text) {
  std::string d = identifier_digits(text, true);
  if (d.size() != 10) return false;
  static const int w[9] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
  return weighted(d, w, 9) % 11 == digit(d, 9);
}

bool regon_valid(std::string_view text) {
  std::string d = identifier_digits(text, false);
  if (d.size() == 9) {
    static const int w[8] = {8, 9, 2, 3, 4, 5, 6, 7};
    return weighted(d, w, 8) % 11 % 10 == digit(d, 8);
  }
  if (d.size() == 14) {
    static const int w[13] = {2, 4, 8, 5, 0, 9, 7, 3, 6, 1, 2, 4, 8};
    // The first nine digits are themselves a REGON.
    return regon_valid(std::string_view(d).substr(0, 9)) && weighted(d, w, 13) % 11 % 10 == digit(d, 13);
  }
  return false;
}

bool pesel_valid(std::string_view text) {
  std::string d = identifier_digits(text, false);
  if (d.size() != 11) return false;
  static const int w[10] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
  return (weighted(d, w, 10) + digit(d, 10)) % 10 == 0;
}

bool nrb_valid(std::string_view text) {
  std::string d = identifier_digits(text, true);
  if (d.size() != 26) return false;
  std::string n = d.substr(2) + "2521" + d.substr(0, 2);
  int rest = 0;
  for (char c : n) rest = (rest * 10 + (c - '0')) % 97;
  return rest == 1;
}

std::string nip_problem(std::string_view t) { return problem(t, true, 10, "NIP", nip_valid); }
std::string pesel_problem(std::string_view t) { return problem(t, false, 11, "PESEL", pesel_valid); }
std::string nrb_problem(std::string_view t) { return problem(t, true, 26, "numeru rachunku", nrb_valid); }
std::string regon_problem(std::string_view t) {
  if (trimmed(t).empty()) return {};
  std::string d = identifier_digits(t, false);
  if (d.empty()) return "REGON może zawierać tylko cyfry";
  if (d.size() != 9 && d.size() != 14) return "REGON musi mieć 9 lub 14 cyfr";
  return regon_valid(t) ? std::string() : "błędna cyfra kontrolna REGON";
}

}  // namespace skolvarin
