#include "dictionaries/identifiers.h"

#include <string>

namespace skolvarin::dictionaries {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::string_view trim_right(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string_view trim(std::string_view s) {
  s = trim_right(s);
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return s;
}

IdentifierCheck invalid(int warning) { return IdentifierCheck{false, warning}; }

}  // namespace

IdentifierCheck check_nip(std::string_view text, bool check_on) {
  if (!check_on) return {};
  std::string_view s = trim_right(text);
  if (s.empty()) return {};
  char first = s[0];
  if (first != 'P' && first != ' ' && !is_digit(first)) return {};
  if (first == 'P' && (s.size() < 2 || s[1] != 'L')) return {};
  int digits[10];
  int count = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (is_digit(c)) {
      if (count < 10) digits[count] = c - '0';
      ++count;
    } else if (i >= 2 && c != ' ' && c != '-') {
      return invalid(kWarnNipInvalid);
    }
  }
  if (count != 10) return invalid(kWarnNipLength);
  static const int weights[9] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
  int sum = 0;
  for (int i = 0; i < 9; ++i) sum += weights[i] * digits[i];
  if (sum % 11 != digits[9]) return invalid(kWarnNipInvalid);
  return {};
}

IdentifierCheck check_pesel(std::string_view text, bool check_on) {
  if (!check_on) return {};
  std::string_view s = trim_right(text);
  if (s.empty()) return {};
  int digits[11];
  int count = 0;
  for (char c : s) {
    if (is_digit(c)) {
      if (count < 11) digits[count] = c - '0';
      ++count;
    } else if (c != ' ') {
      return invalid(kWarnPeselInvalid);
    }
  }
  if (count != 11) return invalid(kWarnPeselLength);
  static const int weights[10] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
  int sum = 0;
  for (int i = 0; i < 10; ++i) sum += weights[i] * digits[i];
  int c = 10 - sum % 10;
  if (c == digits[10] || (c == 10 && digits[10] == 0)) return {};
  return invalid(kWarnPeselInvalid);
}

char contractor_vat_flag(std::string_view text, bool nip_check_on, bool pesel_check_on) {
  std::string_view s = trim(text);
  if (s.size() < 5) return 'N';
  bool tested = (s.size() >= 2 && s[0] == 'P' && s[1] == 'L') || is_digit(s[0]);
  if (!tested) return 0;
  if (check_nip(s, nip_check_on).valid) return 'T';
  if (check_pesel(s, pesel_check_on).valid) return 'N';
  return 0;
}

}  // namespace skolvarin::dictionaries
