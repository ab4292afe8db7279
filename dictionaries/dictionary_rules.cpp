#include "dictionaries/dictionary_rules.h"

#include "dictionaries/identifiers.h"
#include "host/api/text_api.h"

namespace skolvarin::dictionaries {

namespace {

std::string_view trim(std::string_view s) {
  size_t b = s.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  size_t e = s.find_last_not_of(' ');
  return s.substr(b, e - b + 1);
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }


}  // namespace

const char* contractor_type_name(int typ) {
  if (typ < 1 || typ > 5) return kContractorTypes[0];
  return kContractorTypes[static_cast<size_t>(typ)];
}

const char* expense_type_name(int tko) {
  if (tko < 1 || tko > 6) return kExpenseTypes[0];
  return kExpenseTypes[static_cast<size_t>(tko - 1)];
}

ContractorFlags repair_before_edit(ContractorFlags f, std::string_view nip, bool nip_check_on) {
  if (f.tyc == ' ' || f.tyc == 0) f.tyc = 'A';
  if (f.tko < 1) f.tko = 1;
  if (f.czv == ' ' || f.czv == 0) f.czv = 'T';
  if (!check_nip(nip, nip_check_on).valid) f.czv = 'N';
  return f;
}

NipFieldVerdict nip_field_verdict(std::string_view text, bool nip_check_on, bool pesel_check_on) {
  std::string_view s = trim(text);
  if (s.size() < 5) return {'N', 0};
  bool tested = (s[0] == 'P' && s[1] == 'L') || is_digit(s[0]);
  if (!tested) return {0, 0};
  if (check_nip(s, nip_check_on).valid) return {'T', 0};
  if (check_pesel(s, pesel_check_on).valid) return {'N', 0};
  return {0, kWarnNipNorPesel};
}

char tyc_from_key(int key) {
  if (key == 'a' || key == 'A') return 'A';
  if (key == 'b' || key == 'B') return 'B';
  if (key == 'c' || key == 'C') return 'C';
  return 0;
}

bool vat_filter_matches(char filter, char czv) {
  if (filter == 'T') return czv == 'T' || czv == ' ' || czv == 0;
  return czv == filter;
}

bool letters_only(std::string_view text) {
  for (char c : text)
    if (!(c == ' ' || (c >= 'A' && c <= 'Z'))) return false;
  return true;
}

CurrencyCheck classify_currency(std::string_view code) {
  std::string_view s = trim(code);
  if (s.empty()) return CurrencyCheck::Empty;
  if (s == "PLN") return CurrencyCheck::AcceptedAtOnce;
  return CurrencyCheck::NeedsLookup;
}

std::string search_text(std::string_view typed, int width) {
  std::string up = text::utf8_upper(typed);
  std::string out;
  int n = 0;
  for (size_t i = 0; i < up.size() && n < width; ++n) {
    unsigned char c = up[i];
    size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    out.append(up, i, len);
    i += len;
  }
  return out;
}

}  // namespace skolvarin::dictionaries
