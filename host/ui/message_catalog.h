// MessageCatalog: texts behind message ids.
//
// Ids 1..999 are the module's texts, read from its message table (resource
// 1); ids 20000..20999 and 50000..50999 are the host's own Polish texts
// (host_messages.cpp).  Any other id has no text.
//
// The module's message table, as stored (Mazovia text):
//   offset 0, 2 bytes: total size of the table in bytes, little-endian,
//                      counting these two bytes (it may be smaller than the
//                      resource, never larger);
//   offset 2 .. size:  entries one after another: the id (2 bytes,
//                      little-endian), then the text ended by one NUL byte.
// A table that is shorter than its size, or whose last entry has no NUL
// before the end, is damaged and refused as a whole.
#pragma once

#include <map>
#include <span>
#include <string>

namespace skolvarin::host {

// Parses a module message table; texts come out in UTF-8.  Returns false
// with a Polish `error` for a damaged table (out is then left empty).
bool parse_message_table(std::span<const unsigned char> table, std::map<int, std::string>& out,
                         std::string& error);

// The host's own message texts (ids 20000.., 50000..); nullptr when unknown.
const char* host_message(int id);
// Every host message id with its text, for checks and listings.
const std::map<int, const char*>& host_messages();
// The host's log texts (ErrLogMessage), printf formats; nullptr when unknown.
const char* host_log_text(int id);

class MessageCatalog {
 public:
  void set_module_table(std::map<int, std::string> table) { module_ = std::move(table); }
  bool has_module_table() const { return !module_.empty(); }
  // Text of an id; false when the id has no text.
  bool find(int id, std::string& text) const;
  // Stable C string for RcQStr: "" when the id has no text.
  const char* c_str(int id) const;

 private:
  std::map<int, std::string> module_;
};

// The run's catalog: the module registers its table once per process
// (EnvAddRcsObj), whether or not a screen exists.
MessageCatalog& message_catalog();

}  // namespace skolvarin::host
