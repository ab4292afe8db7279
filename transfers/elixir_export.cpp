#include "transfers/elixir_export.h"

#include <cstdio>

#include "host/api/rounding.h"
#include "transfers/transfer_rules.h"

namespace skolvarin::transfers {

namespace {

// Code points of a UTF-8 text (a damaged byte counts as '?').
std::u32string code_points(const std::string& s) {
  std::u32string out;
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + static_cast<size_t>(n) > s.size()) {
      out += U'?';
      ++i;
      continue;
    }
    char32_t cp = n == 1 ? c : c & (0x7F >> n);
    for (int k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + static_cast<size_t>(k)]) & 0x3F);
    out += cp;
    i += static_cast<size_t>(n);
  }
  return out;
}

std::string to_utf8(const std::u32string& s) {
  std::string out;
  for (char32_t c : s) {
    if (c < 0x80) out += static_cast<char>(c);
    else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::u32string trimmed(std::u32string s) {
  while (!s.empty() && s.back() == U' ') s.pop_back();
  size_t b = s.find_first_not_of(U' ');
  return b == std::u32string::npos ? std::u32string() : s.substr(b);
}

// A text the format allows: no double quotes (turned into apostrophes) and
// no line separators of its own.
std::u32string clean(const std::string& text) {
  std::u32string s = code_points(text);
  for (char32_t& c : s) {
    if (c == U'"') c = U'\'';
    else if (c == U'|' || c < 0x20) c = U' ';
  }
  return trimmed(s);
}

// Up to four lines of 35 characters: each given line is cut to 35, empty
// lines dropped.
std::string lines_field(const std::vector<std::string>& lines) {
  std::vector<std::u32string> kept;
  for (const std::string& l : lines)
    if (std::u32string c = clean(l).substr(0, 35); !c.empty()) kept.push_back(c);
  if (kept.size() > 4) kept.resize(4);
  std::u32string out;
  for (size_t i = 0; i < kept.size(); ++i) out += (i ? U"|" : U"") + kept[i];
  return to_utf8(out);
}

// A long text cut into lines of 35 characters (at most four).
std::string wrapped_field(const std::string& text) {
  std::u32string s = clean(text), out;
  for (size_t at = 0, n = 0; at < s.size() && n < 4; at += 35, ++n) out += (n ? U"|" : U"") + s.substr(at, 35);
  return to_utf8(out);
}

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

std::string trim(const std::string& s) { return to_utf8(clean(s)); }

}  // namespace

std::string zus_title(const TransferOrder& o) {
  std::string nip;
  for (char c : o.nip)
    if (c >= '0' && c <= '9') nip += c;
  return nip + "|" + trim(o.id_type) + "|" + trim(o.id_number) + "|" + trim(o.payment_type) + "|" + trim(o.period) +
         "|" + trim(o.obligation);
}

std::string tax_title(const TransferOrder& o) {
  std::string id_type = trim(o.id_type), id = trim(o.id_number);
  if (id.empty()) {
    id_type = "N";
    for (char c : o.nip)
      if (c >= '0' && c <= '9') id += c;
  }
  return "/TI/" + id_type + id + "/OKR/" + trim(o.period) + "/SFP/" + trim(o.symbol) + "/TXT/" + trim(o.obligation);
}

std::string elixir_line(const TransferOrder& o) {
  const std::string payer = nrb_digits(o.payer_account), payee = nrb_digits(o.payee_account);
  std::string title;
  if (o.type == kZus) {
    title = zus_title(o);
  } else if (o.type == kTax) {
    title = wrapped_field(tax_title(o));
  } else {
    title = lines_field({o.title1, o.title2});
  }
  char amount[32];
  std::snprintf(amount, sizeof amount, "%lld", grosze(o.amount));
  std::string line = "110," + o.date.substr(0, 8) + "," + amount + "," + nrb_sort_code(payer) + ",0," + quoted(payer) +
                     "," + quoted(payee) + "," +
                     quoted(lines_field({o.payer_name1, o.payer_name2, o.payer_address1, o.payer_address2})) + "," +
                     quoted(lines_field({o.payee_name1, o.payee_name2, o.payee_address1, o.payee_address2})) +
                     ",0," + nrb_sort_code(payee) + "," + quoted(title) + ",\"\",\"\"," +
                     quoted(o.type == kOrdinary ? "51" : "71") + ",\"\"";
  return line;
}

std::string refusal(const TransferOrder& o) {
  auto side = [](const std::string& acc, const char* who) -> std::string {
    if (acc.find_first_of("0123456789") == std::string::npos) return std::string("brak numeru rachunku ") + who;
    if (nrb_digits(acc).empty()) return std::string("numer rachunku ") + who + " nie ma 26 cyfr";
    if (!nrb_valid(acc)) return std::string("błędna suma kontrolna rachunku ") + who;
    return "";
  };
  std::string why = side(o.payer_account, "zleceniodawcy");
  if (why.empty()) why = side(o.payee_account, "odbiorcy");
  if (why.empty() && grosze(o.amount) <= 0) why = "kwota nie jest większa od zera";
  return why;
}

ElixirFile elixir_file(const std::vector<TransferOrder>& orders) {
  ElixirFile f;
  for (const TransferOrder& o : orders) {
    std::string why = refusal(o);
    if (!why.empty()) {
      char buf[64];
      std::snprintf(buf, sizeof buf, "%ld", o.record);
      std::string date = o.date.size() >= 8 ? o.date.substr(6, 2) + "-" + o.date.substr(4, 2) + "-" + o.date.substr(0, 4) : o.date;
      char amount[32];
      std::snprintf(amount, sizeof amount, "%.2f", R(o.amount, 2));
      f.refused.push_back(std::string("przelew nr ") + buf + " z " + date + " na " + amount + " zł (" +
                          trim(o.payee_name1) + "): " + why);
      continue;
    }
    f.bytes += to_windows1250(elixir_line(o)) + "\r\n";
    ++f.written;
  }
  return f;
}

std::string to_windows1250(const std::string& utf8) {
  std::string out;
  for (char32_t c : code_points(utf8)) {
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    unsigned char b = '?';
    switch (c) {
      case U'ą': b = 0xB9; break; case U'Ą': b = 0xA5; break;
      case U'ć': b = 0xE6; break; case U'Ć': b = 0xC6; break;
      case U'ę': b = 0xEA; break; case U'Ę': b = 0xCA; break;
      case U'ł': b = 0xB3; break; case U'Ł': b = 0xA3; break;
      case U'ń': b = 0xF1; break; case U'Ń': b = 0xD1; break;
      case U'ó': b = 0xF3; break; case U'Ó': b = 0xD3; break;
      case U'ś': b = 0x9C; break; case U'Ś': b = 0x8C; break;
      case U'ź': b = 0x9F; break; case U'Ź': b = 0x8F; break;
      case U'ż': b = 0xBF; break; case U'Ż': b = 0xAF; break;
      default: break;
    }
    out += static_cast<char>(b);
  }
  return out;
}

}  // namespace skolvarin::transfers
