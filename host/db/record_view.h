// A record of a DBF table as the index and expression layers see it: the
// field descriptors of the table and the raw record bytes (deletion flag at
// byte 0, then the fields in order, Mazovia text, numbers as right-aligned
// ASCII, dates as "YYYYMMDD", logicals as one of "TtYyFfNn?").
//
// Invariants: offsets are absolute within the record (the first field starts
// at offset 1); offset + width of the last field == record length.
#pragma once

#include <span>
#include <string>

#include "host/api/field_type.h"

namespace skolvarin::db {

struct FieldDesc {
  std::string name;  // upper case, at most 10 characters
  FieldType type = FieldType::Character;
  int width = 0;
  int decimals = 0;
  int offset = 0;    // byte offset of the field within the record
};

struct RecordView {
  std::span<const FieldDesc> fields;
  const char* record = nullptr;  // record-length bytes; record[0] is ' ' or '*'
  long recno = 0;                // 1-based record number

  bool deleted() const { return record && record[0] == '*'; }
};

}  // namespace skolvarin::db
