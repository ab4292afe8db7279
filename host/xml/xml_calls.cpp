#include <map>
#include <memory>
#include <string>

#include "host/api/xml_api.h"
#include "host/core/errors.h"
#include "host/xml/xml_writer.h"

namespace {

using skolvarin::xml::XmlWriter;

struct OpenFile {
  std::unique_ptr<XmlWriter> writer;
};

std::map<int, OpenFile>& files() {
  static std::map<int, OpenFile> f;
  return f;
}
int next_handle = 1;

OpenFile* find(int handle) {
  auto it = files().find(handle);
  return it == files().end() ? nullptr : &it->second;
}

int level_mismatch(OpenFile& f, int expected, int given, const char* name) {
  f.writer->fail("Element " + std::string(name ? name : "") + " na poziomie " + std::to_string(given) +
                 ", oczekiwano poziomu " + std::to_string(expected));
  return -1;
}

}  // namespace

int XmlOpen(const char* path) {
  if (!path) return 0;
  auto writer = std::make_unique<XmlWriter>(path);
  if (!writer->ok()) {
    skolvarin::host::report_error(nullptr, -1, writer->error());
    return 0;
  }
  int h = next_handle++;
  files()[h] = OpenFile{std::move(writer)};
  return h;
}

int XmlElement(int handle, int level, int open, const char* tag) {
  OpenFile* f = find(handle);
  if (!f || !tag) return -1;
  if (open) {
    if (level != f->writer->depth()) return level_mismatch(*f, f->writer->depth(), level, tag);
    std::string name;
    skolvarin::xml::Attributes attrs;
    if (!skolvarin::xml::parse_tag(tag, name, attrs)) {
      f->writer->fail(std::string("Błędny znacznik XML: ") + tag);
      return -1;
    }
    return f->writer->start(name, attrs) ? 0 : -1;
  }
  if (level != f->writer->depth() - 1) return level_mismatch(*f, f->writer->depth() - 1, level, tag);
  return f->writer->end(tag) ? 0 : -1;
}

int XmlString(int handle, int level, const char* name, const char* text) {
  OpenFile* f = find(handle);
  if (!f || !name) return -1;
  if (level != f->writer->depth()) return level_mismatch(*f, f->writer->depth(), level, name);
  return f->writer->text_element(name, text ? text : "") ? 0 : -1;
}

int XmlText(int handle, int level, const char* text) {
  OpenFile* f = find(handle);
  if (!f) return -1;
  if (level != f->writer->depth()) return level_mismatch(*f, f->writer->depth(), level, "(tekst)");
  return f->writer->text(text ? text : "") ? 0 : -1;
}

const char* XmlAttrTag(const char* name, const char* attributes) {
  static std::string ring[16];
  static int at = 0;
  std::string& out = ring[at++ % 16];
  out = name ? name : "";
  if (attributes && *attributes) {
    out += ' ';
    out += attributes;
  }
  return out.c_str();
}

int XmlClose(int handle) {
  OpenFile* f = find(handle);
  if (!f) return -1;
  bool ok = f->writer->close();
  if (!ok) skolvarin::host::report_error(nullptr, -1, f->writer->error());
  files().erase(handle);
  return ok ? 0 : -1;
}

const char* XmlError(int handle) {
  OpenFile* f = find(handle);
  if (!f) return "";
  return f->writer->error().c_str();
}
