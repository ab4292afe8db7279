#include "transfers/transfer_rules.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "host/api/rounding.h"

namespace skolvarin::transfers {

namespace {
constexpr std::array<const char*, 3> kTypes = {"ZWYKŁY", "ZUS", "PODATEK"};
constexpr std::array<const char*, 7> kKinds = {"KONTRAHENT", "URZĄD", "ZUS", "PRACOWNIK",
                                               "FIRMA", "WSPÓLNIK", "INNY"};
}  // namespace

const std::array<const char*, 3>& type_names() { return kTypes; }
std::string type_name(int t) { return t >= 1 && t <= 3 ? kTypes[static_cast<size_t>(t - 1)] : ""; }
const std::array<const char*, 7>& party_kind_names() { return kKinds; }
std::string party_kind_name(int k) { return k >= 1 && k <= 7 ? kKinds[static_cast<size_t>(k - 1)] : ""; }

std::string zus_period(int year, int month, int number) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", year % 10000, month % 100, number % 100);
  return buf;
}

std::string tax_period(int year, int month) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02dM%02d", year % 100, month % 100);
  return buf;
}

TransferDefaults new_transfer_defaults(int type, const HostDate& today, char form) {
  TransferDefaults d;
  d.type = type;
  d.form = form == 'W' ? 'W' : 'P';
  if (type == kZus) {
    d.beneficiary_kind = kZusOffice;
    d.beneficiary_name = "ZUS";
    d.payment_type = "S";
    d.symbol = "ZUSSP";
    d.period = zus_period(today.year, today.month);
  } else if (type == kTax) {
    d.beneficiary_kind = kTaxOffice;
    d.period = tax_period(today.year, today.month);
  }
  return d;
}

bool parts_allowed(int parts) { return parts == 2 || parts == 4; }

bool line_length_allowed(int length, bool boxes) {
  return boxes ? length >= 24 && length <= 27 : length >= 48 && length <= 54;
}

int line_length_after_box_switch(int length, bool boxes) {
  if (line_length_allowed(length, boxes)) return length;
  return boxes ? 27 : 54;
}

std::string nrb_digits(const std::string& text) {
  std::string t = text, digits;
  size_t start = t.find_first_not_of(' ');
  if (start != std::string::npos && t.size() >= start + 2 && std::toupper(static_cast<unsigned char>(t[start])) == 'P' &&
      std::toupper(static_cast<unsigned char>(t[start + 1])) == 'L')
    t = t.substr(start + 2);
  for (char c : t) {
    if (std::isdigit(static_cast<unsigned char>(c))) digits += c;
    else if (c != ' ' && c != '-') return "";
  }
  return digits.size() == 26 ? digits : "";
}

bool nrb_valid(const std::string& text) {
  std::string d = nrb_digits(text);
  if (d.empty()) return false;
  // IBAN check: the BBAN, then "PL" as 25 21, then the two check digits.
  std::string moved = d.substr(2) + "2521" + d.substr(0, 2);
  int rest = 0;
  for (char c : moved) rest = (rest * 10 + (c - '0')) % 97;
  return rest == 1;
}

std::string nrb_sort_code(const std::string& nrb) {
  std::string d = nrb_digits(nrb);
  return d.empty() ? "" : d.substr(2, 8);
}

long long grosze(double amount) { return std::llround(R(amount, 2) * 100.0); }

namespace {

// The first `n` characters of a UTF-8 text (at most), and the rest.
std::pair<std::string, std::string> cut(const std::string& s, int n) {
  size_t i = 0;
  for (int k = 0; i < s.size() && k < n; ++k)
    do ++i; while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80);
  return {s.substr(0, i), s.substr(i)};
}

// One line of a field as printed: a blank after each character in boxes.
std::string boxed(std::string line, bool boxes) {
  while (!line.empty() && line.back() == ' ') line.pop_back();
  if (!boxes) return line;
  std::string out;
  for (size_t i = 0; i < line.size();) {
    size_t n = 1;
    while (i + n < line.size() && (static_cast<unsigned char>(line[i + n]) & 0xC0) == 0x80) ++n;
    out += line.substr(i, n) + " ";
    i += n;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

}  // namespace

std::vector<std::string> preprinted_rows(const PreprintedTransfer& t, int line_chars, bool boxes) {
  const int n = line_chars > 0 ? line_chars : 27;
  std::vector<std::string> rows;
  auto field = [&](const std::string& text, int lines) {
    std::string rest = text;
    for (int i = 0; i < lines; ++i) {
      auto [line, more] = cut(rest, n);
      rows.push_back(boxed(line, boxes));
      rest = more;
    }
  };
  field(t.beneficiary, 2);
  field(t.beneficiary_account, 1);
  field("PLN " + t.amount, 1);
  field(t.payer_account, 1);
  field(t.words, 1);
  field(t.payer, 2);
  if (t.type == kZus) {
    field(t.nip, 1);
    field(t.id_type + " " + t.id_number, 1);
    field(t.payment_type + " " + t.period + " " + t.obligation, 1);
  } else if (t.type == kTax) {
    field(t.id_type.empty() ? "N " + t.nip : t.id_type + " " + t.id_number, 1);
    field(t.period + " " + t.symbol, 1);
    field(t.obligation, 1);
  } else {
    field(t.title, 2);
  }
  return rows;
}

}  // namespace skolvarin::transfers

