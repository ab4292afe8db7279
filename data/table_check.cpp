#include "data/table_check.h"

#include <cstdint>
#include <cstdio>
#include <map>

#include "host/api/db_api.h"

namespace skolvarin::data {

namespace {

using skolvarin::db::FieldType;

struct FileField {
  std::string name;
  char type;
  int width, decimals, offset;
};

unsigned le16(const unsigned char* p) { return p[0] | (p[1] << 8); }
std::uint32_t le32(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool valid_date(const char* s) {
  bool blank = true;
  for (int i = 0; i < 8; ++i)
    if (s[i] != ' ') blank = false;
  if (blank) return true;
  int v[8];
  for (int i = 0; i < 8; ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    v[i] = s[i] - '0';
  }
  int y = v[0] * 1000 + v[1] * 100 + v[2] * 10 + v[3];
  int m = v[4] * 10 + v[5], d = v[6] * 10 + v[7];
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (y < 1 || m < 1 || m > 12 || d < 1) return false;
  int limit = days[m - 1] + (m == 2 && ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0));
  return d <= limit;
}

// Blank, or: blanks, optional '-', digits with at most one '.', nothing after.
bool valid_number(const char* s, int width) {
  int i = 0;
  while (i < width && s[i] == ' ') ++i;
  if (i == width) return true;
  if (s[i] == '-' || s[i] == '+') ++i;
  int digits = 0, dots = 0;
  for (; i < width; ++i) {
    if (s[i] >= '0' && s[i] <= '9') ++digits;
    else if (s[i] == '.' && dots == 0) ++dots;
    else return false;
  }
  return digits > 0;
}

bool valid_logical(char c) {
  for (char ok : std::string("TtYyFfNn? ")) if (c == ok) return true;
  return false;
}

char type_char(FieldType t) { return static_cast<char>(t); }

}  // namespace

TableCheck check_table_file(const std::string& path, const Layout& layout, int max_record_problems) {
  TableCheck r;
  auto problem = [&](const std::string& text) { r.problems.push_back(path + ": " + text); };
  // Read under the table's append lock: a record another process is
  // appending right now is never seen half-way.
  std::string file, error;
  if (!ReadTableFile(path, file, error)) {
    problem(error);
    return r;
  }
  std::vector<unsigned char> bytes(file.begin(), file.end());
  file.clear();
  if (bytes.size() < 32) {
    problem("plik za krótki na nagłówek tabeli (" + std::to_string(bytes.size()) + " bajtów)");
    return r;
  }
  unsigned char version = bytes[0];
  if (version != 0x03 && version != 0x04 && version != 0x05 && version != 0x83 && version != 0x8B &&
      version != 0xF5) {
    char buf[80];
    std::snprintf(buf, sizeof buf, "nieznany format pliku (bajt wersji 0x%02X)", version);
    problem(buf);
    return r;
  }
  if (bytes[15] != 0) {
    char buf[120];
    std::snprintf(buf, sizeof buf, "tabela jest zaszyfrowana (bajt 15 nagłówka: 0x%02X); program jej nie otworzy",
                  bytes[15]);
    problem(buf);
    return r;
  }
  r.records = static_cast<long>(le32(&bytes[4]));
  unsigned header_length = le16(&bytes[8]);
  unsigned record_length = le16(&bytes[10]);
  if (header_length < 33 || header_length > bytes.size()) {
    problem("błędna długość nagłówka: " + std::to_string(header_length));
    return r;
  }
  // Field descriptors up to the 0x0D terminator.
  std::vector<FileField> fields;
  unsigned pos = 32, offset = 1;
  while (pos < header_length && bytes[pos] != 0x0D) {
    if (pos + 32 > header_length) {
      problem("uszkodzony opis pól w nagłówku");
      return r;
    }
    const unsigned char* d = &bytes[pos];
    std::string name;
    for (int i = 0; i < 11 && d[i]; ++i) name += static_cast<char>(d[i]);
    FileField f{name, static_cast<char>(d[11]), d[16], d[17], static_cast<int>(offset)};
    if (f.type == 'F') f.type = 'N';
    offset += f.width;
    fields.push_back(f);
    pos += 32;
  }
  if (pos >= header_length) {
    problem("brak znacznika końca opisu pól w nagłówku");
    return r;
  }
  if (offset != record_length) {
    problem("długość rekordu w nagłówku (" + std::to_string(record_length) +
            ") nie zgadza się z sumą szerokości pól (" + std::to_string(offset) + ")");
    return r;
  }

  // Layout against the catalogue.
  std::map<std::string, const FileField*> by_name;
  for (const auto& f : fields) by_name[f.name] = &f;
  bool layout_ok = true;
  for (const auto& want : layout.fields) {
    auto it = by_name.find(want.name);
    if (it == by_name.end()) {
      problem(std::string("brak pola ") + want.name);
      layout_ok = false;
      continue;
    }
    const FileField& got = *it->second;
    if (got.type != type_char(want.type) || got.width != want.width || got.decimals != want.decimals) {
      char buf[160];
      std::snprintf(buf, sizeof buf, "pole %s ma typ %c%d.%d, oczekiwano %c%d.%d", want.name, got.type,
                    got.width, got.decimals, type_char(want.type), want.width, want.decimals);
      problem(buf);
      layout_ok = false;
    }
  }

  // Size against the record count.
  std::uint64_t data_bytes = bytes.size() - header_length;
  std::uint64_t full = record_length ? data_bytes / record_length : 0;
  std::uint64_t expected = static_cast<std::uint64_t>(r.records) * record_length;
  if (full < static_cast<std::uint64_t>(r.records)) {
    problem("nagłówek podaje " + std::to_string(r.records) + " rekordów, a w pliku jest pełnych " +
            std::to_string(full) + " (plik obcięty)");
  } else if (data_bytes > expected + 1) {
    problem("plik ma " + std::to_string(data_bytes - expected) + " bajtów za ostatnim z " +
            std::to_string(r.records) + " rekordów nagłówka");
  } else if (data_bytes == expected && r.records > 0 && bytes.back() == 0x1A) {
    problem("znacznik końca stoi o bajt za wcześnie: długość nagłówka (" + std::to_string(header_length) +
            ") albo liczba rekordów nie zgadza się z długością pliku, rekordy byłyby przesunięte");
  }
  if (!layout_ok) return r;

  // Records.
  long readable = static_cast<long>(std::min<std::uint64_t>(full, r.records));
  int listed = 0;
  long more = 0;
  auto record_problem = [&](long rec, const std::string& text) {
    if (listed < max_record_problems) {
      problem("rekord " + std::to_string(rec) + ": " + text);
      ++listed;
    } else {
      ++more;
    }
  };
  for (long rec = 1; rec <= readable; ++rec) {
    const char* p = reinterpret_cast<const char*>(&bytes[header_length + (rec - 1) * record_length]);
    if (p[0] != ' ' && p[0] != '*') record_problem(rec, "błędny znacznik usunięcia");
    for (const auto& f : fields) {
      const char* v = p + f.offset;
      if (f.type == 'D' && (f.width != 8 || !valid_date(v)))
        record_problem(rec, "pole " + f.name + ": nieczytelna data '" + StoredText({v, static_cast<size_t>(f.width)}) + "'");
      else if (f.type == 'N' && !valid_number(v, f.width))
        record_problem(rec, "pole " + f.name + ": nieczytelna liczba '" + StoredText({v, static_cast<size_t>(f.width)}) + "'");
      else if (f.type == 'L' && !valid_logical(v[0]))
        record_problem(rec, "pole " + f.name + ": nieczytelna wartość logiczna '" + StoredText({v, 1}) + "'");
    }
  }
  if (more > 0) problem("i " + std::to_string(more) + " dalszych błędów w rekordach");
  return r;
}

}  // namespace skolvarin::data
