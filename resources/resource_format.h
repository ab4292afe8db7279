// Formats of the module's resources: the message table (resource 1) and the
// templates (screen forms, print pages, position tables), and the readable
// source files they are built from.
//
// Message table, as stored (all numbers little-endian):
//   offset 0, 2 bytes: total size of the resource in bytes, these 2 included
//   offset 2 ...     : entries one after the other: id (2 bytes), then the
//                      text (Mazovia) ended by one NUL byte
// Invariants of a valid table: ids strictly ascending, every text ends with
// its NUL inside the table, no NUL inside a text, the size field equals the
// byte count.  The module's own table holds exactly the ids 1 to 290.
//
// Templates, three kinds:
//   - screen form: rows of exactly 78 characters, no line ends;
//   - print page: rows of one fixed width without line ends, or rows ended
//     by CR LF;
//   - position table: byte pairs (row, column) of the places where values
//     are printed; a zero pair marks an empty slot.
//
// Source files (UTF-8, converted to Mazovia at build time):
//   messages: one message a line, "id<TAB>text"; '#' starts a comment line;
//             in a text "\n" is a line feed and "\\" a backslash.
//   template: header lines "@id N", "@kind form|page|page-crlf|positions",
//             "@width W" (form and page), "@rows R" (form and page, optional
//             for page-crlf), "@size S" (positions, optional); then one line
//             per row starting with '|' (the rest of the line is the row,
//             padded with blanks to the width), or for positions one line
//             "row col" per pair.  '#' lines are comments.
// Nothing here throws: every function reports a damaged input through its
// result and an error text.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skolvarin::resources {

inline constexpr int kMessageTableId = 1;
inline constexpr int kFirstMessageId = 1;
inline constexpr int kLastMessageId = 290;
inline constexpr int kLastResourceId = 203;
inline constexpr int kScreenFormWidth = 78;

struct Message {
  int id = 0;
  std::string text;  // as the caller holds it: UTF-8 from a source, Mazovia from a table
};

// --- messages ---------------------------------------------------------------

// Reads a message source file.  Refuses a bad line, an id out of 1..65535,
// ids not strictly ascending and an unknown escape.
bool parse_message_source(std::string_view source, std::vector<Message>& out,
                          std::string& error);

// Builds the stored table from messages whose texts are already Mazovia.
// Refuses unordered ids, a NUL inside a text and a table over 65535 bytes.
bool encode_message_table(std::span<const Message> messages, std::vector<std::uint8_t>& out,
                          std::string& error);

// Reads a stored table back; refuses any damage (see the invariants above).
bool decode_message_table(std::span<const std::uint8_t> table, std::vector<Message>& out,
                          std::string& error);

// Text (Mazovia) of message `id` in a stored table, or nothing when the id
// is missing or the table is damaged before reaching it.
std::optional<std::string_view> find_message(std::span<const std::uint8_t> table, int id);

// --- templates --------------------------------------------------------------

enum class TemplateKind { ScreenForm, PrintPage, PrintPageLines, PositionTable };

struct TemplateSource {
  int id = 0;
  TemplateKind kind = TemplateKind::ScreenForm;
  int width = 0;                 // row width (forms and pages)
  int rows = -1;                 // declared row count, -1 when not given
  int size = -1;                 // declared byte size of a position table, -1 when not given
  std::vector<std::string> text_rows;           // rows as written (UTF-8 in a source)
  std::vector<std::pair<int, int>> positions;   // (row, column) pairs
};

// Reads a template source file.
bool parse_template_source(std::string_view source, TemplateSource& out, std::string& error);

// True for the row widths a print page may have.
bool is_print_page_width(int width);

// Builds the stored bytes of a template whose text rows are already
// Mazovia (one byte per character): rows padded to the width, a row longer
// than the width refused, the declared row count and size checked.
bool build_template(const TemplateSource& source, std::vector<std::uint8_t>& out,
                    std::string& error);

}  // namespace skolvarin::resources
