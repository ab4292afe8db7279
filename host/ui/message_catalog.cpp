#include "host/ui/message_catalog.h"

#include <string_view>

#include "host/text/mazovia.h"

namespace skolvarin::host {

bool parse_message_table(std::span<const unsigned char> t, std::map<int, std::string>& out, std::string& error) {
  out.clear();
  if (t.size() < 2) {
    error = "tablica komunikatów modułu jest pusta";
    return false;
  }
  std::size_t size = t[0] | (static_cast<std::size_t>(t[1]) << 8);
  if (size < 2 || size > t.size()) {
    error = "uszkodzona tablica komunikatów modułu: rozmiar " + std::to_string(size) + " przy " +
            std::to_string(t.size()) + " bajtach zasobu";
    return false;
  }
  std::map<int, std::string> result;
  std::size_t pos = 2;
  while (pos < size) {
    if (pos + 2 > size) {
      error = "uszkodzona tablica komunikatów modułu: urwany numer komunikatu na pozycji " + std::to_string(pos);
      return false;
    }
    int id = t[pos] | (t[pos + 1] << 8);
    pos += 2;
    std::size_t end = pos;
    while (end < size && t[end] != 0) ++end;
    if (end >= size) {
      error = "uszkodzona tablica komunikatów modułu: komunikat " + std::to_string(id) + " nie ma zakończenia";
      return false;
    }
    std::string_view raw(reinterpret_cast<const char*>(t.data() + pos), end - pos);
    result.emplace(id, skolvarin::text::mazovia_to_utf8(raw));
    pos = end + 1;
  }
  out = std::move(result);
  return true;
}

MessageCatalog& message_catalog() {
  static MessageCatalog catalog;
  return catalog;
}

bool MessageCatalog::find(int id, std::string& text) const {
  if (id >= 1 && id <= 999) {
    auto it = module_.find(id);
    if (it == module_.end()) return false;
    text = it->second;
    return true;
  }
  if ((id >= 20000 && id <= 20999) || (id >= 50000 && id <= 50999)) {
    const char* s = host_message(id);
    if (!s) return false;
    text = s;
    return true;
  }
  return false;
}

const char* MessageCatalog::c_str(int id) const {
  if (id >= 1 && id <= 999) {
    auto it = module_.find(id);
    return it == module_.end() ? "" : it->second.c_str();
  }
  if ((id >= 20000 && id <= 20999) || (id >= 50000 && id <= 50999)) {
    const char* s = host_message(id);
    return s ? s : "";
  }
  return "";
}

}  // namespace skolvarin::host
