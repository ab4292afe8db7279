#include "resources/resource_format.h"

#include <charconv>

namespace skolvarin::resources {

namespace {

bool to_int(std::string_view s, int& out) {
  if (s.empty()) return false;
  auto r = std::from_chars(s.data(), s.data() + s.size(), out);
  return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

std::string line_error(int line, std::string_view what) {
  return "wiersz " + std::to_string(line) + ": " + std::string(what);
}

// Splits into lines; a trailing CR of a line is dropped.
std::vector<std::string_view> split_lines(std::string_view s) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < s.size()) {
    size_t end = s.find('\n', start);
    if (end == std::string_view::npos) end = s.size();
    std::string_view line = s.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

void put16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

unsigned get16(std::span<const std::uint8_t> b, size_t at) {
  return static_cast<unsigned>(b[at]) | (static_cast<unsigned>(b[at + 1]) << 8);
}

}  // namespace

bool parse_message_source(std::string_view source, std::vector<Message>& out,
                          std::string& error) {
  out.clear();
  auto lines = split_lines(source);
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    int no = static_cast<int>(i) + 1;
    if (line.empty() || line[0] == '#') continue;
    size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
      error = line_error(no, "brak tabulatora między numerem a tekstem");
      return false;
    }
    Message m;
    if (!to_int(line.substr(0, tab), m.id) || m.id < 1 || m.id > 0xFFFF) {
      error = line_error(no, "błędny numer komunikatu");
      return false;
    }
    if (!out.empty() && m.id <= out.back().id) {
      error = line_error(no, "numery komunikatów nie rosną");
      return false;
    }
    std::string_view text = line.substr(tab + 1);
    for (size_t k = 0; k < text.size(); ++k) {
      char c = text[k];
      if (c != '\\') {
        m.text += c;
        continue;
      }
      if (k + 1 >= text.size()) {
        error = line_error(no, "samotny znak \\ na końcu tekstu");
        return false;
      }
      char e = text[++k];
      if (e == 'n') {
        m.text += '\n';
      } else if (e == '\\') {
        m.text += '\\';
      } else {
        error = line_error(no, std::string("nieznana sekwencja \\") + e);
        return false;
      }
    }
    out.push_back(std::move(m));
  }
  return true;
}

bool encode_message_table(std::span<const Message> messages, std::vector<std::uint8_t>& out,
                          std::string& error) {
  out.clear();
  out.push_back(0);
  out.push_back(0);
  int last = 0;
  for (const Message& m : messages) {
    if (m.id <= last || m.id > 0xFFFF) {
      error = "komunikat " + std::to_string(m.id) + ": numery muszą rosnąć w zakresie 1..65535";
      return false;
    }
    if (m.text.find('\0') != std::string::npos) {
      error = "komunikat " + std::to_string(m.id) + ": znak NUL w tekście";
      return false;
    }
    last = m.id;
    put16(out, static_cast<unsigned>(m.id));
    out.insert(out.end(), m.text.begin(), m.text.end());
    out.push_back(0);
  }
  if (out.size() > 0xFFFF) {
    error = "tablica komunikatów przekracza 65535 bajtów";
    out.clear();
    return false;
  }
  out[0] = static_cast<std::uint8_t>(out.size() & 0xFF);
  out[1] = static_cast<std::uint8_t>(out.size() >> 8);
  return true;
}

bool decode_message_table(std::span<const std::uint8_t> table, std::vector<Message>& out,
                          std::string& error) {
  out.clear();
  if (table.size() < 2) {
    error = "tablica komunikatów krótsza niż 2 bajty";
    return false;
  }
  size_t size = get16(table, 0);
  if (size != table.size()) {
    error = "rozmiar zapisany w tablicy (" + std::to_string(size) + ") różni się od " +
            std::to_string(table.size());
    return false;
  }
  size_t at = 2;
  int last = 0;
  while (at < size) {
    if (at + 2 > size) {
      error = "ucięty numer komunikatu na pozycji " + std::to_string(at);
      return false;
    }
    int id = static_cast<int>(get16(table, at));
    if (id <= last) {
      error = "numer komunikatu " + std::to_string(id) + " nie rośnie";
      return false;
    }
    at += 2;
    size_t end = at;
    while (end < size && table[end] != 0) ++end;
    if (end >= size) {
      error = "komunikat " + std::to_string(id) + " bez kończącego bajtu NUL";
      return false;
    }
    out.push_back(Message{id, std::string(reinterpret_cast<const char*>(table.data() + at), end - at)});
    last = id;
    at = end + 1;
  }
  return true;
}

std::optional<std::string_view> find_message(std::span<const std::uint8_t> table, int id) {
  if (table.size() < 2 || get16(table, 0) != table.size()) return std::nullopt;
  size_t at = 2;
  while (at + 2 <= table.size()) {
    int here = static_cast<int>(get16(table, at));
    at += 2;
    size_t end = at;
    while (end < table.size() && table[end] != 0) ++end;
    if (end >= table.size()) return std::nullopt;
    if (here == id)
      return std::string_view(reinterpret_cast<const char*>(table.data() + at), end - at);
    if (here > id) return std::nullopt;
    at = end + 1;
  }
  return std::nullopt;
}

bool is_print_page_width(int width) {
  for (int w : {78, 80, 113, 114, 120, 126, 129, 131, 136})
    if (w == width) return true;
  return false;
}

bool parse_template_source(std::string_view source, TemplateSource& out, std::string& error) {
  out = TemplateSource{};
  bool have_kind = false;
  auto lines = split_lines(source);
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    int no = static_cast<int>(i) + 1;
    if (line.empty() && !have_kind) continue;
    if (!line.empty() && line[0] == '#') continue;
    if (!line.empty() && line[0] == '@') {
      size_t sp = line.find(' ');
      std::string_view key = line.substr(1, sp == std::string_view::npos ? line.size() : sp - 1);
      std::string_view value = sp == std::string_view::npos ? std::string_view() : line.substr(sp + 1);
      int n = 0;
      if (key == "kind") {
        if (value == "form") out.kind = TemplateKind::ScreenForm;
        else if (value == "page") out.kind = TemplateKind::PrintPage;
        else if (value == "page-crlf") out.kind = TemplateKind::PrintPageLines;
        else if (value == "positions") out.kind = TemplateKind::PositionTable;
        else {
          error = line_error(no, "nieznany rodzaj szablonu");
          return false;
        }
        have_kind = true;
      } else if (key == "id" || key == "width" || key == "rows" || key == "size") {
        if (!to_int(value, n) || n < 0) {
          error = line_error(no, "błędna liczba w nagłówku");
          return false;
        }
        if (key == "id") out.id = n;
        else if (key == "width") out.width = n;
        else if (key == "rows") out.rows = n;
        else out.size = n;
      } else {
        error = line_error(no, "nieznany nagłówek");
        return false;
      }
      continue;
    }
    if (out.kind == TemplateKind::PositionTable) {
      if (line.empty()) continue;
      size_t sp = line.find(' ');
      int r = 0, c = 0;
      if (sp == std::string_view::npos || !to_int(line.substr(0, sp), r) ||
          !to_int(line.substr(sp + 1), c) || r < 0 || r > 255 || c < 0 || c > 255) {
        error = line_error(no, "oczekiwano pary \"wiersz kolumna\" (0..255)");
        return false;
      }
      out.positions.emplace_back(r, c);
      continue;
    }
    if (line.empty() || line[0] != '|') {
      error = line_error(no, "wiersz szablonu musi zaczynać się znakiem |");
      return false;
    }
    out.text_rows.emplace_back(line.substr(1));
  }
  if (out.id < 2 || out.id > kLastResourceId) {
    error = "numer szablonu poza zakresem 2.." + std::to_string(kLastResourceId);
    return false;
  }
  if (!have_kind) {
    error = "brak nagłówka @kind";
    return false;
  }
  return true;
}

bool build_template(const TemplateSource& src, std::vector<std::uint8_t>& out,
                    std::string& error) {
  out.clear();
  const std::string where = "szablon " + std::to_string(src.id) + ": ";
  if (src.kind == TemplateKind::PositionTable) {
    for (auto [r, c] : src.positions) {
      out.push_back(static_cast<std::uint8_t>(r));
      out.push_back(static_cast<std::uint8_t>(c));
    }
    if (src.size >= 0) {
      if (static_cast<size_t>(src.size) < out.size() || src.size % 2 != 0) {
        error = where + "rozmiar tablicy pozycji nieparzysty lub za mały";
        out.clear();
        return false;
      }
      out.resize(static_cast<size_t>(src.size), 0);  // empty slots are zero pairs
    }
    return true;
  }
  if (src.kind == TemplateKind::ScreenForm && src.width != kScreenFormWidth) {
    error = where + "formularz ekranowy musi mieć wiersze po 78 znaków";
    return false;
  }
  if (src.kind == TemplateKind::PrintPage && !is_print_page_width(src.width)) {
    error = where + "niedozwolona szerokość strony wydruku";
    return false;
  }
  if (src.rows >= 0 && static_cast<size_t>(src.rows) != src.text_rows.size()) {
    error = where + "zadeklarowano " + std::to_string(src.rows) + " wierszy, jest " +
            std::to_string(src.text_rows.size());
    return false;
  }
  for (size_t i = 0; i < src.text_rows.size(); ++i) {
    const std::string& row = src.text_rows[i];
    if (src.kind == TemplateKind::PrintPageLines) {
      out.insert(out.end(), row.begin(), row.end());
      out.push_back('\r');
      out.push_back('\n');
      continue;
    }
    if (row.size() > static_cast<size_t>(src.width)) {
      error = where + "wiersz " + std::to_string(i) + " dłuższy niż " + std::to_string(src.width) +
              " znaków";
      out.clear();
      return false;
    }
    out.insert(out.end(), row.begin(), row.end());
    out.insert(out.end(), static_cast<size_t>(src.width) - row.size(), ' ');
  }
  return true;
}

}  // namespace skolvarin::resources
