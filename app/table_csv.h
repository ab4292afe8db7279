// Table contents as text for `skolvarin tabela`: CSV rows written at the
// speed of the disk, and control characters made visible for a terminal.
#pragma once

#include <string>
#include <string_view>

#include "host/api/db_api.h"

namespace skolvarin::app {

// Control characters (bytes below 0x20 and 0x7F) written as \xHH, so that a
// terminal shows them instead of obeying them (ESC sequences, bells).
std::string escape_controls(std::string_view utf8);

// Writes to fd the header row (the field names) and one row per live record
// of `data`, in record order from the first record.  Fields are separated by
// ';', blanks at both ends are dropped, character fields are in UTF-8; a
// value holding ';', '"' or a line feed is quoted, a quote doubled inside.
// escape: control characters as \xHH (for a terminal).  Returns the number
// of rows written (header excluded), or -1 with a Polish `error`.
long write_csv(DATA4* data, int fd, bool escape, std::string& error);

}  // namespace skolvarin::app
