#include "host/db/dbf_format.h"

#include <cstring>
#include <set>

namespace skolvarin::db {

namespace {

bool known_version(unsigned char v) {
  switch (v) {
    case 0x03: case 0x04: case 0x05: case 0x83: case 0x8B: case 0xF5: return true;
    default: return false;
  }
}

std::string hex(unsigned v) {
  static const char* d = "0123456789ABCDEF";
  return std::string("0x") + d[(v >> 4) & 15] + d[v & 15];
}

bool check_field(const FieldDesc& f, std::string& error) {
  auto bad = [&](const std::string& why) {
    error = "pole " + f.name + ": " + why;
    return false;
  };
  if (f.name.empty() || f.name.size() > 10) return bad("nazwa pola musi mieć od 1 do 10 znaków");
  for (char c : f.name)
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'))
      return bad("niedozwolony znak w nazwie pola");
  switch (f.type) {
    case FieldType::Character:
      if (f.width < 1 || f.width > 254) return bad("szerokość pola znakowego musi być od 1 do 254");
      if (f.decimals != 0) return bad("pole znakowe nie ma miejsc dziesiętnych");
      break;
    case FieldType::Numeric:
      if (f.width < 1 || f.width > 20) return bad("szerokość pola liczbowego musi być od 1 do 20");
      if (f.decimals < 0 || f.decimals > 15 || (f.decimals > 0 && f.decimals > f.width - 2))
        return bad("błędna liczba miejsc dziesiętnych");
      break;
    case FieldType::Date:
      if (f.width != 8 || f.decimals != 0) return bad("pole daty ma szerokość 8");
      break;
    case FieldType::Logical:
      if (f.width != 1 || f.decimals != 0) return bad("pole logiczne ma szerokość 1");
      break;
    default:
      return bad("nieznany typ pola");
  }
  return true;
}

}  // namespace

void encode_fixed_header(const DbfHeader& h, unsigned char out[kHeaderSize]) {
  std::memset(out, 0, kHeaderSize);
  out[0] = h.version;
  int y = h.updated.year >= 1900 ? h.updated.year - 1900 : 0;
  out[1] = static_cast<unsigned char>(y > 255 ? 255 : y);
  out[2] = static_cast<unsigned char>(h.updated.month);
  out[3] = static_cast<unsigned char>(h.updated.day);
  put_le32(out + 4, h.record_count);
  put_le16(out + 8, h.header_length);
  put_le16(out + 10, h.record_length);
  put_le32(out + 16, h.change_counter);
  out[29] = h.language;
}

bool decode_fixed_header(std::span<const unsigned char> b, DbfHeader& h, std::string& error) {
  if (b.size() < static_cast<size_t>(kHeaderSize)) {
    error = "plik jest za krótki na nagłówek tabeli (" + std::to_string(b.size()) + " bajtów)";
    return false;
  }
  if (!known_version(b[0])) {
    error = "to nie jest tabela dBASE (nieznany bajt wersji " + hex(b[0]) + ")";
    return false;
  }
  h.version = b[0];
  h.updated = HostDate{b[1] + 1900, b[2], b[3]};
  h.record_count = get_le32(b.data() + 4);
  h.header_length = get_le16(b.data() + 8);
  h.record_length = get_le16(b.data() + 10);
  h.change_counter = get_le32(b.data() + 16);
  h.language = b[29];
  if (b[15] != 0) {
    error = "tabela jest zaszyfrowana";
    return false;
  }
  if (h.header_length < kHeaderSize + kDescriptorSize + 1 ||
      (h.header_length - kHeaderSize - 1) / kDescriptorSize > kMaxFields) {
    error = "błędna długość nagłówka tabeli (" + std::to_string(h.header_length) + ")";
    return false;
  }
  if (h.record_length < 2) {
    error = "błędna długość rekordu (" + std::to_string(h.record_length) + ")";
    return false;
  }
  return true;
}

std::vector<unsigned char> encode_header(const DbfHeader& h, std::span<const FieldDesc> fields) {
  std::vector<unsigned char> out(static_cast<size_t>(kHeaderSize + kDescriptorSize * fields.size() + 1), 0);
  encode_fixed_header(h, out.data());
  unsigned char* p = out.data() + kHeaderSize;
  for (const FieldDesc& f : fields) {
    std::memcpy(p, f.name.data(), std::min<size_t>(f.name.size(), 10));
    p[11] = static_cast<unsigned char>(f.type);
    p[16] = static_cast<unsigned char>(f.width);
    p[17] = static_cast<unsigned char>(f.decimals);
    p += kDescriptorSize;
  }
  *p = kDescriptorEnd;
  return out;
}

bool decode_fields(std::span<const unsigned char> header, const DbfHeader& h, std::vector<FieldDesc>& fields,
                   std::string& error) {
  fields.clear();
  if (header.size() < h.header_length) {
    error = "plik jest krótszy niż jego nagłówek";
    return false;
  }
  std::set<std::string> names;
  int offset = 1;
  size_t pos = kHeaderSize;
  while (true) {
    if (pos >= h.header_length) {
      error = "brak znacznika końca opisu pól w nagłówku";
      return false;
    }
    if (header[pos] == kDescriptorEnd) break;
    if (pos + kDescriptorSize > h.header_length) {
      error = "opis pola wykracza poza nagłówek";
      return false;
    }
    const unsigned char* d = header.data() + pos;
    FieldDesc f;
    size_t n = 0;
    while (n < 11 && d[n] != 0) ++n;
    f.name.assign(reinterpret_cast<const char*>(d), n);
    while (!f.name.empty() && f.name.back() == ' ') f.name.pop_back();
    for (char& c : f.name)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    char type = static_cast<char>(d[11]);
    if (type == 'F') type = 'N';
    f.width = d[16];
    f.decimals = d[17];
    f.offset = offset;
    std::string field_label = f.name.empty() ? ("nr " + std::to_string(fields.size() + 1)) : f.name;
    switch (type) {
      case 'C': f.type = FieldType::Character; f.decimals = 0; break;
      case 'N': f.type = FieldType::Numeric; break;
      case 'D': f.type = FieldType::Date; break;
      case 'L': f.type = FieldType::Logical; break;
      case 'M': case 'B': case 'G':
        error = "pole " + field_label + " jest polem notatki (memo), którego ta wersja nie obsługuje";
        return false;
      default:
        error = "pole " + field_label + " ma nieznany typ '" + std::string(1, type >= 32 && type < 127 ? type : '?') + "'";
        return false;
    }
    if (f.name.empty()) {
      error = "pole nr " + std::to_string(fields.size() + 1) + " nie ma nazwy";
      return false;
    }
    if (f.width == 0 || (f.type == FieldType::Date && f.width != 8) ||
        (f.type == FieldType::Numeric && (f.width > 20 || f.decimals >= f.width)) ||
        (f.type == FieldType::Logical && f.width != 1)) {
      error = "pole " + f.name + " ma błędną szerokość (" + std::to_string(f.width) + "." +
              std::to_string(f.decimals) + ")";
      return false;
    }
    if (!names.insert(f.name).second) {
      error = "pole " + f.name + " występuje w tabeli dwa razy";
      return false;
    }
    offset += f.width;
    fields.push_back(std::move(f));
    pos += kDescriptorSize;
    if (fields.size() > static_cast<size_t>(kMaxFields)) {
      error = "za dużo pól w tabeli";
      return false;
    }
  }
  if (fields.empty()) {
    error = "tabela nie ma żadnego pola";
    return false;
  }
  if (offset != h.record_length) {
    error = "długość rekordu w nagłówku (" + std::to_string(h.record_length) +
            ") nie zgadza się z sumą szerokości pól (" + std::to_string(offset) + ")";
    return false;
  }
  return true;
}

int lay_out_fields(std::vector<FieldDesc>& fields, std::string& error) {
  if (fields.empty()) {
    error = "definicja tabeli nie ma żadnego pola";
    return 0;
  }
  std::set<std::string> names;
  int offset = 1;
  for (FieldDesc& f : fields) {
    if (!check_field(f, error)) return 0;
    if (!names.insert(f.name).second) {
      error = "pole " + f.name + " zdefiniowane dwa razy";
      return 0;
    }
    f.offset = offset;
    offset += f.width;
  }
  if (offset > 65535) {
    error = "rekord jest za długi";
    return 0;
  }
  return offset;
}

}  // namespace skolvarin::db
