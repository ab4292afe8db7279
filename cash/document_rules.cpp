#include "cash/document_rules.h"

#include "host/api/rounding.h"

namespace skolvarin::cash {

namespace {

constexpr std::array<const char*, 7> kTypes = {"1. WEWNĘTRZNY", "2. KSIĘGOWY", "3. DOSTAWY", "4. WYKSIĘGOWANIA",
                                               "5. ZMNIEJSZENIA KOSZTÓW", "6. ZWIĘKSZENIA KOSZTÓW",
                                               "7. ZWIĘKSZENIA PRZYCHODÓW"};
constexpr std::array<const char*, 6> kBookColumns = {"1. TOWARY i MATERIAŁY", "2. KOSZTY ZAKUPU",
                                                     "3. WYNAGRODZENIA",       "4. INNE",
                                                     "5. SPRZEDAŻ TOW. i USŁUG", "6. POZOSTAŁE PRZYCHODY"};
constexpr std::array<const char*, 7> kLumpSumColumns = {"1. USŁUGA",      "2. PRODUKCJA",   "3. HANDEL",
                                                        "4. USŁUGI INNE", "5. WOLNY ZAWÓD", "6. NIERUCHOMOŚĆ",
                                                        "7. PROD. ROLNE"};

bool continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

size_t characters(std::string_view s) {
  size_t n = 0;
  for (char c : s)
    if (!continuation(c)) ++n;
  return n;
}

// The first `count` characters of s.
std::string_view first_characters(std::string_view s, size_t count) {
  size_t n = 0, i = 0;
  for (; i < s.size(); ++i) {
    if (!continuation(s[i])) {
      if (n == count) break;
      ++n;
    }
  }
  return s.substr(0, i);
}

std::string_view trimmed(std::string_view s) {
  size_t b = s.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  size_t e = s.find_last_not_of(' ');
  return s.substr(b, e - b + 1);
}

// Upper case as UPPER() keys it: ASCII and the Polish letters.
std::string upper(std::string_view s) {
  static const char* const kPairs[][2] = {{"ą", "Ą"}, {"ć", "Ć"}, {"ę", "Ę"}, {"ł", "Ł"}, {"ń", "Ń"},
                                          {"ó", "Ó"}, {"ś", "Ś"}, {"ź", "Ź"}, {"ż", "Ż"}};
  std::string out;
  for (size_t i = 0; i < s.size();) {
    bool done = false;
    for (const auto& p : kPairs) {
      std::string_view lower = p[0];
      if (s.substr(i, lower.size()) == lower) {
        out += p[1];
        i += lower.size();
        done = true;
        break;
      }
    }
    if (done) continue;
    char c = s[i++];
    out += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return out;
}

}  // namespace

std::vector<std::string> document_type_names(int form) {
  return {kTypes.begin(), kTypes.begin() + (keeps_tax_book(form) ? 7 : 4)};
}

std::string document_type_name(int type) {
  if (type < 1 || type > 7) return "";
  return std::string(trimmed(std::string_view(kTypes[static_cast<size_t>(type - 1)]).substr(3)));
}

bool is_correction(int type) { return type >= 5 && type <= 7; }

std::vector<std::string> position_column_names(int form) {
  if (keeps_tax_book(form)) return {kBookColumns.begin(), kBookColumns.end()};
  return {kLumpSumColumns.begin(), kLumpSumColumns.end()};
}

std::string align_number(std::string_view number) {
  std::string_view t = first_characters(trimmed(number), kNumberWidth);
  return std::string(kNumberWidth - characters(t), ' ') + std::string(t);
}

std::string document_key(int type, std::string_view number) {
  return std::to_string(type % 10) + upper(align_number(number));
}

int new_position_column(int type) { return type == 7 ? 5 : 1; }

bool position_value(double quantity, double price, double& value) {
  const double v = R(quantity * price, 2);
  if (v > kMaxPositionValue) return false;
  value = v;
  return true;
}

DocumentSums document_sums(int form, const std::vector<PositionAmount>& positions) {
  DocumentSums s;
  const int last = keeps_tax_book(form) ? 6 : 7;
  for (size_t i = 0; i < positions.size(); ++i) {
    const PositionAmount& p = positions[i];
    s.total = R(s.total + p.value, 2);
    if (p.column >= 1 && p.column <= last) {
      s.by_column[static_cast<size_t>(p.column)] = R(s.by_column[static_cast<size_t>(p.column)] + p.value, 2);
    } else if (keeps_tax_book(form)) {
      s.unassigned.push_back(i);
    }
  }
  return s;
}

int chosen_column(int choice) { return choice >= 1 && choice <= 6 ? choice : 4; }

BookAmounts book_amounts_of(const DocumentSums& s) {
  const auto& c = s.by_column;
  return {c[5], c[6], c[1], c[2], c[3], c[4]};
}

std::array<double, 7> lump_sum_amounts_of(const DocumentSums& s) {
  std::array<double, 7> out{};
  for (size_t i = 0; i < 7; ++i) out[i] = s.by_column[i + 1];
  return out;
}

char booking_status(int type) { return is_correction(type) ? 'K' : ' '; }

std::array<std::string, 2> split_lines(std::string_view text, size_t width) {
  text = trimmed(text);
  if (characters(text) <= width) return {std::string(text), ""};
  std::string_view head = first_characters(text, width);
  size_t cut = head.find_last_of(' ');
  if (cut == std::string_view::npos || cut < head.size() / 2) cut = head.size();
  std::string_view rest = trimmed(text.substr(cut));
  return {std::string(trimmed(text.substr(0, cut))), std::string(first_characters(rest, width))};
}

}  // namespace skolvarin::cash
