#include "data/layouts.h"

#include <vector>

namespace skolvarin::data {

int Layout::field_index(std::string_view name) const {
  for (std::size_t i = 0; i < fields.size(); ++i)
    if (name == fields[i].name) return static_cast<int>(i);
  return -1;
}

int Layout::record_length() const {
  int length = 1;
  for (const auto& f : fields) length += f.width;
  return length;
}

std::span<const Layout> all_layouts() {
  static const std::vector<Layout> all = [] {
    std::vector<Layout> v;
    v.insert(v.end(), kPayrollLayouts, kPayrollLayouts + kPayrollLayoutCount);
    v.insert(v.end(), kBooksLayouts, kBooksLayouts + kBooksLayoutCount);
    v.insert(v.end(), kFirmLayouts, kFirmLayouts + kFirmLayoutCount);
    return v;
  }();
  return all;
}

const Layout* find_layout(std::string_view file) {
  for (const auto& l : all_layouts())
    if (file == l.file) return &l;
  return nullptr;
}

std::string_view unpack_field_name(std::uint32_t packed, char (&buffer)[5]) {
  std::size_t n = 0;
  for (int shift = 24; shift >= 0; shift -= 8) {
    char c = static_cast<char>((packed >> shift) & 0xFF);
    if (c == 0) break;
    buffer[n++] = c;
  }
  buffer[n] = 0;
  return std::string_view(buffer, n);
}

bool unpack_field_format(std::uint32_t format, skolvarin::db::FieldType& type, int& width, int& decimals) {
  using skolvarin::db::FieldType;
  switch (format & 0xF) {
    case 1: type = FieldType::Numeric; break;
    case 2: type = FieldType::Character; break;
    case 3: type = FieldType::Date; break;
    case 4: type = FieldType::Logical; break;
    default: return false;
  }
  decimals = static_cast<int>((format >> 4) & 0xF);
  width = static_cast<int>(format >> 8);
  return width > 0 || type == FieldType::Logical;
}

}  // namespace skolvarin::data
