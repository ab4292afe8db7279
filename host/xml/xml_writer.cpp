#include "host/xml/xml_writer.h"

#include <libxml/xmlwriter.h>

#include <cctype>
#include <cstdio>

namespace skolvarin::xml {

namespace {
const xmlChar* X(const std::string& s) { return reinterpret_cast<const xmlChar*>(s.c_str()); }

bool is_name_char(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.' || c == ':' ||
         (static_cast<unsigned char>(c) >= 0x80);
}
}  // namespace

bool parse_tag(std::string_view tag, std::string& name, Attributes& attributes) {
  attributes.clear();
  size_t i = 0;
  auto skip = [&] {
    while (i < tag.size() && std::isspace(static_cast<unsigned char>(tag[i]))) ++i;
  };
  skip();
  size_t start = i;
  while (i < tag.size() && is_name_char(tag[i])) ++i;
  name = std::string(tag.substr(start, i - start));
  if (name.empty()) return false;
  for (;;) {
    skip();
    if (i >= tag.size()) return true;
    size_t a = i;
    while (i < tag.size() && is_name_char(tag[i])) ++i;
    std::string attr(tag.substr(a, i - a));
    if (attr.empty()) return false;
    skip();
    if (i >= tag.size() || tag[i] != '=') return false;
    ++i;
    skip();
    if (i >= tag.size() || (tag[i] != '"' && tag[i] != '\'')) return false;
    char q = tag[i++];
    size_t v = i;
    while (i < tag.size() && tag[i] != q) ++i;
    if (i >= tag.size()) return false;
    attributes.emplace_back(attr, std::string(tag.substr(v, i - v)));
    ++i;
  }
}

struct XmlWriter::Impl {
  xmlTextWriterPtr w = nullptr;
  ~Impl() {
    if (w) xmlFreeTextWriter(w);
  }
};

namespace {
// libxml2 prints its own messages on standard error, which would scribble
// over the full-screen display; the writer reports its failures itself.
void quiet(void*, const char*, ...) {}
}  // namespace

XmlWriter::XmlWriter(const std::string& path) : impl_(std::make_unique<Impl>()), path_(path) {
  xmlSetGenericErrorFunc(nullptr, quiet);
  impl_->w = xmlNewTextWriterFilename(path.c_str(), 0);
  if (!impl_->w) {
    error_ = "Nie można utworzyć pliku XML " + path;
    return;
  }
  xmlTextWriterSetIndent(impl_->w, 1);
  xmlTextWriterSetIndentString(impl_->w, BAD_CAST "  ");
  if (xmlTextWriterStartDocument(impl_->w, "1.0", "UTF-8", nullptr) < 0)
    error_ = "Błąd zapisu pliku XML " + path;
}

XmlWriter::~XmlWriter() {
  if (!closed_) close();
}

bool XmlWriter::fail(std::string message) {
  if (error_.empty()) error_ = std::move(message);
  return false;
}

bool XmlWriter::start(std::string_view name, const Attributes& attributes) {
  if (!ok()) return false;
  if (open_.empty() && root_done_) return fail("Drugi element główny w pliku XML " + path_);
  std::string n(name);
  if (xmlTextWriterStartElement(impl_->w, X(n)) < 0) return fail("Błąd zapisu pliku XML " + path_);
  for (const auto& [k, v] : attributes)
    if (xmlTextWriterWriteAttribute(impl_->w, X(k), X(v)) < 0) return fail("Błąd zapisu pliku XML " + path_);
  open_.push_back(n);
  return true;
}

bool XmlWriter::end(std::string_view name) {
  if (!ok()) return false;
  if (open_.empty() || open_.back() != name)
    return fail("Zamknięcie elementu " + std::string(name) + " w złym miejscu pliku XML " + path_);
  if (xmlTextWriterEndElement(impl_->w) < 0) return fail("Błąd zapisu pliku XML " + path_);
  open_.pop_back();
  if (open_.empty()) root_done_ = true;
  return true;
}

bool XmlWriter::text(std::string_view text) {
  if (!ok()) return false;
  if (open_.empty()) return fail("Tekst poza elementem głównym pliku XML " + path_);
  std::string t(text);
  if (xmlTextWriterWriteString(impl_->w, X(t)) < 0) return fail("Błąd zapisu pliku XML " + path_);
  return true;
}

bool XmlWriter::text_element(std::string_view name, std::string_view text) {
  if (!ok()) return false;
  if (open_.empty()) return fail("Element " + std::string(name) + " poza elementem głównym pliku XML");
  std::string n(name), t(text);
  if (xmlTextWriterWriteElement(impl_->w, X(n), X(t)) < 0) return fail("Błąd zapisu pliku XML " + path_);
  return true;
}

bool XmlWriter::close() {
  if (closed_) return ok();
  closed_ = true;
  if (impl_->w) {
    if (ok() && !open_.empty()) fail("Plik XML zamknięty z otwartym elementem " + open_.back());
    if (ok() && xmlTextWriterEndDocument(impl_->w) < 0) fail("Błąd zapisu pliku XML " + path_);
    xmlFreeTextWriter(impl_->w);
    impl_->w = nullptr;
  }
  if (!ok()) std::remove(path_.c_str());
  return ok();
}

}  // namespace skolvarin::xml
