#include "app/reference_data.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "host/text/utf8.h"
#include "interest/holidays.h"

namespace skolvarin::app::reference {

namespace {

std::string where(const CsvTable& t, size_t row) {
  return "wiersz " + std::to_string(row < t.lines.size() ? t.lines[row] : 0);
}

bool to_double(const std::string& s, double& out) {
  if (s.empty()) return false;
  errno = 0;
  char* end = nullptr;
  out = std::strtod(s.c_str(), &end);
  return errno == 0 && end && *end == 0;
}

bool to_int(const std::string& s, int& out) {
  if (s.empty()) return false;
  errno = 0;
  char* end = nullptr;
  long v = std::strtol(s.c_str(), &end, 10);
  if (errno != 0 || !end || *end != 0) return false;
  out = static_cast<int>(v);
  return true;
}

bool all_digits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// Finds the named columns; false with a message naming the first missing.
bool columns(const CsvTable& t, std::initializer_list<const char*> names, std::vector<int>& idx,
             std::string& error) {
  idx.clear();
  for (const char* n : names) {
    int c = t.column(n);
    if (c < 0) {
      error = std::string("brak kolumny \"") + n + "\"";
      return false;
    }
    idx.push_back(c);
  }
  return true;
}

}  // namespace

int CsvTable::column(std::string_view name) const {
  for (size_t i = 0; i < header.size(); ++i)
    if (header[i] == name) return static_cast<int>(i);
  return -1;
}

int utf8_length(std::string_view text) { return static_cast<int>(skolvarin::text::utf8_length(text)); }

bool parse_csv(std::string_view text, CsvTable& out, std::string& error) {
  out = CsvTable{};
  std::vector<std::string> fields;
  std::string field;
  bool quoted = false, in_quotes = false, row_has_content = false;
  int line = 1, row_line = 1;
  auto end_row = [&]() -> bool {
    fields.push_back(field);
    field.clear();
    bool blank = !row_has_content && fields.size() == 1 && fields[0].empty();
    if (!blank) {
      if (out.header.empty()) {
        out.header = fields;
      } else if (fields.size() != out.header.size()) {
        error = "wiersz " + std::to_string(row_line) + ": " + std::to_string(fields.size()) + " pól zamiast " +
                std::to_string(out.header.size());
        return false;
      } else {
        out.rows.push_back(fields);
        out.lines.push_back(row_line);
      }
    }
    fields.clear();
    row_has_content = false;
    quoted = false;
    return true;
  };
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (in_quotes) {
      if (c == '"') {
        if (i + 1 < text.size() && text[i + 1] == '"') {
          field += '"';
          ++i;
        } else {
          in_quotes = false;
        }
      } else {
        if (c == '\n') ++line;
        field += c;
      }
      continue;
    }
    if (c == '"' && field.empty() && !quoted) {
      in_quotes = quoted = row_has_content = true;
    } else if (c == ',') {
      fields.push_back(field);
      field.clear();
      quoted = false;
      row_has_content = true;
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      // the LF ends the row
    } else if (c == '\n') {
      if (!end_row()) return false;
      ++line;
      row_line = line;
    } else {
      field += c;
      row_has_content = true;
    }
  }
  if (in_quotes) {
    error = "wiersz " + std::to_string(row_line) + ": niezamknięty cudzysłów";
    return false;
  }
  if (!field.empty() || !fields.empty() || row_has_content) {
    if (!end_row()) return false;
  }
  if (out.header.empty()) {
    error = "plik pusty (brak wiersza nagłówka)";
    return false;
  }
  return true;
}

bool read_csv_file(const std::string& path, CsvTable& out, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "nie można odczytać pliku " + path;
    return false;
  }
  std::ostringstream ss;
  ss << in.rdbuf();
  std::string text = ss.str();
  if (text.size() >= 3 && static_cast<unsigned char>(text[0]) == 0xEF) text.erase(0, 3);  // BOM
  if (!parse_csv(text, out, error)) {
    error = path + ": " + error;
    return false;
  }
  return true;
}

bool split_text(std::string_view text, int width, int parts, std::vector<std::string>& out) {
  out.clear();
  std::string_view rest = text;
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
  while (!rest.empty()) {
    if (static_cast<int>(out.size()) == parts) return false;
    if (utf8_length(rest) <= width) {
      out.emplace_back(rest);
      break;
    }
    // Byte offset just after `width` characters.
    const size_t cut = skolvarin::text::utf8_offset(rest, static_cast<size_t>(width));
    size_t blank = rest.substr(0, cut + 1).rfind(' ');
    size_t take = (blank != std::string_view::npos && blank > 0) ? blank : cut;
    std::string_view piece = rest.substr(0, take);
    while (!piece.empty() && piece.back() == ' ') piece.remove_suffix(1);
    out.emplace_back(piece);
    rest.remove_prefix(take);
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  }
  return true;
}

bool load_tax_scales(const CsvTable& t, std::map<int, std::vector<TaxBracket>>& out, std::string& error) {
  std::vector<int> c;
  if (!columns(t, {"rok", "lp", "pods", "poda", "proc"}, c, error)) return false;
  out.clear();
  std::map<int, int> last_lp;
  for (size_t i = 0; i < t.rows.size(); ++i) {
    const auto& r = t.rows[i];
    int year = 0, lp = 0;
    TaxBracket b;
    if (!to_int(r[c[0]], year) || !to_int(r[c[1]], lp) || !to_double(r[c[2]], b.from) ||
        !to_double(r[c[3]], b.tax_at) || !to_double(r[c[4]], b.rate) || year < 1990 || year > 2099 ||
        b.rate <= 0 || b.rate >= 100 || b.from < 0) {
      error = where(t, i) + ": błędny wiersz skali podatkowej";
      return false;
    }
    auto& brackets = out[year];
    if (lp != static_cast<int>(brackets.size()) + 1 || (!brackets.empty() && b.from <= brackets.back().from)) {
      error = where(t, i) + ": progi roku " + std::to_string(year) + " nie są kolejne";
      return false;
    }
    brackets.push_back(b);
  }
  return true;
}

bool load_rates(const CsvTable& t, std::vector<RateRow>& out, std::string& error) {
  std::vector<int> c;
  if (!columns(t, {"dat", "sto", "typ"}, c, error)) return false;
  out.clear();
  for (size_t i = 0; i < t.rows.size(); ++i) {
    const auto& r = t.rows[i];
    RateRow row;
    if (!from_iso(r[c[0]], row.from) || row.from.year < 1993 || !to_double(r[c[1]], row.rate) || row.rate <= 0 ||
        row.rate >= 1000 || r[c[2]].size() != 1 || (r[c[2]][0] != 'R' && r[c[2]][0] != 'D')) {
      error = where(t, i) + ": błędny wiersz stawki (data od 1993, stopa > 0, typ R lub D)";
      return false;
    }
    row.type = r[c[2]][0];
    if (!out.empty() && !(out.back().from < row.from)) {
      error = where(t, i) + ": daty nie rosną (" + to_iso(row.from) + ")";
      return false;
    }
    out.push_back(row);
  }
  return true;
}

bool load_countries(const CsvTable& t, std::vector<Country>& out, std::string& error) {
  std::vector<int> c;
  if (!columns(t, {"kod_kraju", "nazwa", "waluta", "czlonek_ue", "kod_numeryczny"}, c, error)) return false;
  out.clear();
  std::set<std::string> codes, names;
  for (size_t i = 0; i < t.rows.size(); ++i) {
    const auto& r = t.rows[i];
    Country k{r[c[0]], r[c[1]], r[c[2]], r[c[3]] == "T", 0};
    bool letters = k.currency.size() == 3;
    for (char ch : k.currency) letters = letters && ch >= 'A' && ch <= 'Z';
    if (k.code.size() != 2 || k.name.empty() || utf8_length(k.name) > 30 || !letters ||
        (r[c[3]] != "T" && r[c[3]] != "N") || !to_int(r[c[4]], k.numeric) || k.numeric <= 0 || k.numeric > 9999) {
      error = where(t, i) + ": błędny wiersz kraju";
      return false;
    }
    if (!codes.insert(k.code).second || !names.insert(k.name).second) {
      error = where(t, i) + ": powtórzony kod lub nazwa kraju (" + k.code + ")";
      return false;
    }
    out.push_back(k);
  }
  return true;
}

bool load_offices(const CsvTable& t, std::vector<TaxOffice>& out, std::string& error) {
  std::vector<int> c;
  if (!columns(t, {"kod", "nazwa", "nazwa_skrocona", "uwagi"}, c, error)) return false;
  out.clear();
  std::set<int> codes;
  for (size_t i = 0; i < t.rows.size(); ++i) {
    const auto& r = t.rows[i];
    TaxOffice o{0, r[c[0]], r[c[1]], r[c[2]], r[c[3]]};
    if (o.code_text.size() != 4 || !all_digits(o.code_text) || !to_int(o.code_text, o.code) || o.name.empty() ||
        utf8_length(o.name) > 54 || utf8_length(o.short_name) > 30 || utf8_length(o.remark) > 30) {
      error = where(t, i) + ": błędny wiersz urzędu skarbowego";
      return false;
    }
    if (!codes.insert(o.code).second) {
      error = where(t, i) + ": powtórzony kod urzędu " + o.code_text;
      return false;
    }
    out.push_back(o);
  }
  return true;
}

bool load_zus_codes(const CsvTable& t, std::vector<ZusCode>& out, std::string& error) {
  std::vector<int> c;
  if (!columns(t, {"kod_glowny", "kod_grupy", "nazwa_grupy", "kod", "opis_skrocony", "opis"}, c, error))
    return false;
  out.clear();
  std::set<std::string> keys;
  for (size_t i = 0; i < t.rows.size(); ++i) {
    const auto& r = t.rows[i];
    ZusCode z;
    z.group = r[c[1]];
    z.group_name = r[c[2]];
    z.code = r[c[3]];
    z.short_text = r[c[4]];
    std::vector<std::string> parts;
    if (!to_int(r[c[0]], z.main_group) || z.main_group < 0 || z.main_group > 99 || !all_digits(z.group) ||
        z.group.size() > 10 || !all_digits(z.code) || z.code.size() > 10 || utf8_length(z.group_name) > 30 ||
        utf8_length(z.short_text) > 70 || !split_text(r[c[5]], 70, 3, parts)) {
      error = where(t, i) + ": błędny wiersz kodu ZUS";
      return false;
    }
    for (size_t p = 0; p < parts.size(); ++p) z.text[p] = parts[p];
    if (!keys.insert(std::to_string(z.main_group) + "|" + z.group + "|" + z.code).second) {
      error = where(t, i) + ": powtórzony kod ZUS " + z.code;
      return false;
    }
    out.push_back(z);
  }
  return true;
}

std::vector<Date> weekday_holidays(int first_year, int last_year) {
  std::vector<Date> out;
  for (int y = first_year; y <= last_year; ++y)
    for (const Date& d : interest::public_holidays(y))
      if (weekday(d) <= 5) out.push_back(d);
  return out;
}

bool load_reference_set(const std::string& dir_in, ReferenceSet& out, std::string& error) {
  std::string dir = dir_in;
  if (!dir.empty() && dir.back() != '/') dir += '/';
  struct Step {
    const char* file;
    bool (*load)(const CsvTable&, ReferenceSet&, std::string&);
  };
  const Step steps[] = {
      {"skala_podatkowa.csv", [](const CsvTable& t, ReferenceSet& s, std::string& e) { return load_tax_scales(t, s.tax_scales, e); }},
      {"odsetki_ustawowe.csv", [](const CsvTable& t, ReferenceSet& s, std::string& e) { return load_rates(t, s.statutory, e); }},
      {"odsetki_podatkowe.csv", [](const CsvTable& t, ReferenceSet& s, std::string& e) { return load_rates(t, s.tax_arrears, e); }},
      {"kraje.csv", [](const CsvTable& t, ReferenceSet& s, std::string& e) { return load_countries(t, s.countries, e); }},
      {"urzedy_skarbowe.csv", [](const CsvTable& t, ReferenceSet& s, std::string& e) { return load_offices(t, s.offices, e); }},
      {"kody_zus.csv", [](const CsvTable& t, ReferenceSet& s, std::string& e) { return load_zus_codes(t, s.zus_codes, e); }},
  };
  ReferenceSet set;
  for (const Step& s : steps) {
    CsvTable t;
    std::string path = dir + s.file;
    if (!read_csv_file(path, t, error)) return false;
    if (!s.load(t, set, error)) {
      error = path + ": " + error;
      return false;
    }
  }
  set.days_off = weekday_holidays(kFirstHolidayYear, kLastHolidayYear);
  out = std::move(set);
  return true;
}

}  // namespace skolvarin::app::reference
