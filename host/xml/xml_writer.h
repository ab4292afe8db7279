// XML files for other programs (the ZUS declaration program, e-declarations),
// written through libxml2's text writer: UTF-8, declaration line first,
// indented by nesting depth, every text escaped.
//
// The writer checks what it is told: an element closed under another name
// than the one open, text outside the root, a second root, or a file closed
// with elements still open are refused with a Polish message, and the file
// is then reported as failed (and removed when closed), never left looking
// complete.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace skolvarin::xml {

using Attributes = std::vector<std::pair<std::string, std::string>>;

// Splits an opening-tag text such as
//   KEDU wersja_schematu="1" xmlns="http://www.zus.pl/2013/KEDU_4"
// into the element name and its attributes.  Values may be in double or
// single quotes; returns false on a malformed text.
bool parse_tag(std::string_view tag, std::string& name, Attributes& attributes);

class XmlWriter {
 public:
  // Opens `path` for writing (replacing it).  ok() tells whether it worked.
  explicit XmlWriter(const std::string& path);
  ~XmlWriter();
  XmlWriter(const XmlWriter&) = delete;
  XmlWriter& operator=(const XmlWriter&) = delete;

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  int depth() const { return static_cast<int>(open_.size()); }

  bool start(std::string_view name, const Attributes& attributes = {});
  bool end(std::string_view name);
  // Text inside the element open last.
  bool text(std::string_view text);
  // <name>text</name>
  bool text_element(std::string_view name, std::string_view text);
  // Finishes the document; false when anything failed before or now.  A
  // failed file is removed.
  bool close();
  // Marks the file as failed with `message` (the first failure is kept);
  // returns false.
  bool fail(std::string message);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::string path_;
  std::vector<std::string> open_;
  bool root_done_ = false;
  bool closed_ = false;
  std::string error_;
};

}  // namespace skolvarin::xml
