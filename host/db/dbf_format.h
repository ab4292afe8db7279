// The dBASE III table file format as this engine writes and reads it.
//
// File header (32 bytes, little-endian numbers):
//   offset size meaning
//        0    1 version: 0x03 (dBASE III, no memo) written; read also
//               0x04, 0x05 (dBASE IV/V without memo) and 0x83, 0x8B, 0xF5
//               (with a memo file, which this engine does not read: memo
//               fields are refused with a message)
//        1    3 date of the last update: year - 1900, month, day
//        4    4 number of records
//        8    2 header length in bytes (32 + 32 x fields + 1)
//       10    2 record length in bytes (1 + sum of field widths)
//       12    2 reserved (0)
//       14    1 incomplete-transaction flag (0)
//       15    1 encryption flag (0; anything else is refused)
//       16    4 change counter of this engine: +1 at every write or append,
//               so index tags built in memory notice changes made by other
//               handles and processes (other programs leave it alone; a
//               change of record count is noticed too)
//       20    8 reserved (0)
//       28    1 production-index flag (0: no index file)
//       29    1 language driver: 0x69 (Mazovia) written; any value read
//       30    2 reserved (0)
// Field descriptors, 32 bytes each, one per field in record order:
//        0   11 name, upper-case ASCII, padded with NUL bytes
//       11    1 type: 'C', 'N', 'D', 'L' ('F' is read as 'N')
//       12    4 reserved (0)
//       16    1 width: C 1..254, N 1..20, D 8, L 1
//       17    1 decimals (N only)
//       18   14 reserved (0)
// Then the byte 0x0D ends the descriptors (the header length may leave
// further bytes, which are skipped).
// Records follow at the header length, each record-length bytes: byte 0
// is ' ' (live) or '*' (deleted), then the fields in order.  After the last
// record one byte 0x1A marks the end of file.
//
// Invariants kept by decode_header: every offset and width read is checked
// against the bytes present; the sum of field widths + 1 equals the record
// length; names are non-empty and unique.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "host/api/context.h"
#include "host/db/record_view.h"

namespace skolvarin::db {

inline constexpr int kHeaderSize = 32;
inline constexpr int kDescriptorSize = 32;
inline constexpr unsigned char kVersionDbase3 = 0x03;
inline constexpr unsigned char kLanguageMazovia = 0x69;
inline constexpr unsigned char kDescriptorEnd = 0x0D;
inline constexpr unsigned char kEndOfFile = 0x1A;
inline constexpr int kMaxFields = 1024;

struct DbfHeader {
  unsigned char version = kVersionDbase3;
  HostDate updated;
  std::uint32_t record_count = 0;
  std::uint16_t header_length = 0;
  std::uint16_t record_length = 0;
  std::uint32_t change_counter = 0;
  unsigned char language = kLanguageMazovia;
};

// The 32 fixed bytes.  decode returns false (with a Polish reason) for
// fewer than 32 bytes or values out of range.
void encode_fixed_header(const DbfHeader& h, unsigned char out[kHeaderSize]);
bool decode_fixed_header(std::span<const unsigned char> bytes, DbfHeader& h, std::string& error);

// Whole header: fixed part, descriptors, terminator.
std::vector<unsigned char> encode_header(const DbfHeader& h, std::span<const FieldDesc> fields);
// Reads descriptors from the full header bytes (header_length of them).
bool decode_fields(std::span<const unsigned char> header, const DbfHeader& h,
                   std::vector<FieldDesc>& fields, std::string& error);

// Checks a layout to be written (names, types, widths, decimals) and
// fills offsets; returns the record length or 0 with an error.
int lay_out_fields(std::vector<FieldDesc>& fields, std::string& error);

// How the records part of a file stands against its header (H records of
// the header, L the record length, E = header length + H x L):
//   Sound       E + 1 bytes, the end mark at E;
//   TornAppend  what an append cut off by a crash leaves (records and end
//               mark are written before the header's count): no end mark
//               (E bytes), part of one more record after E, or one more
//               whole record; completing it loses nothing that was ever
//               committed, so the open completes it without a word;
//   Damaged     anything else: fewer whole records than the header says,
//               bytes after the end mark, several records more than the
//               header says, or the end mark one byte early (a header length
//               or count that would shift every record).  Fixing that drops
//               or shifts data: only an explicit repair does it.
enum class RecordsShape { Sound, TornAppend, Damaged };
struct RecordsJudgement {
  RecordsShape shape = RecordsShape::Sound;
  long records = 0;  // records to use: whole ones a torn append leaves, or the header's
  std::string why;   // Damaged: what is wrong, in Polish
};
// byte_at(offset): the byte at offset, or -1 when it cannot be read.
template <typename ByteAt>
RecordsJudgement judge_records(const DbfHeader& h, long long size, ByteAt byte_at);

// Reading and writing of 16/32-bit little-endian numbers.
inline std::uint32_t get_le32(const unsigned char* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}
inline std::uint16_t get_le16(const unsigned char* p) { return std::uint16_t(p[0] | p[1] << 8); }
inline void put_le32(unsigned char* p, std::uint32_t v) {
  p[0] = v & 0xFF; p[1] = (v >> 8) & 0xFF; p[2] = (v >> 16) & 0xFF; p[3] = (v >> 24) & 0xFF;
}
inline void put_le16(unsigned char* p, std::uint16_t v) { p[0] = v & 0xFF; p[1] = (v >> 8) & 0xFF; }

template <typename ByteAt>
RecordsJudgement judge_records(const DbfHeader& h, long long size, ByteAt byte_at) {
  RecordsJudgement j;
  const long long rl = h.record_length;
  const long long count = h.record_count;
  const long long end = h.header_length + count * rl;
  const long long whole = size > h.header_length ? (size - h.header_length) / rl : 0;
  j.records = static_cast<long>(count);
  auto damaged = [&](std::string why) {
    j.shape = RecordsShape::Damaged;
    j.why = std::move(why);
    return j;
  };
  if (size == end + 1 && byte_at(end) == kEndOfFile) return j;
  if (size < end)
    return damaged("nagłówek podaje " + std::to_string(count) + " rekordów, a w pliku jest pełnych " +
                   std::to_string(whole) + " (plik obcięty)");
  if (size == end) {
    if (count > 0 && byte_at(size - 1) == kEndOfFile)
      return damaged("znacznik końca stoi o bajt za wcześnie: długość nagłówka (" + std::to_string(h.header_length) +
                     ") albo liczba rekordów nie zgadza się z długością pliku, rekordy byłyby przesunięte");
    j.shape = RecordsShape::TornAppend;  // only the end mark is missing
    return j;
  }
  const long long extra = size - end;
  const int first = byte_at(end);
  if (first == kEndOfFile)
    return damaged("za znacznikiem końca po " + std::to_string(count) + " rekordach jest jeszcze " +
                   std::to_string(extra - 1) + " bajtów");
  if ((first == ' ' || first == '*') && extra <= rl + 1) {
    if (extra < rl || extra == rl || byte_at(size - 1) == kEndOfFile) {
      j.shape = RecordsShape::TornAppend;
      j.records = static_cast<long>(extra >= rl ? count + 1 : count);
      return j;
    }
  }
  return damaged("nagłówek podaje " + std::to_string(count) + " rekordów, a w pliku jest " + std::to_string(whole) +
                 " pełnych rekordów i " + std::to_string((size - h.header_length) % rl) + " bajtów więcej");
}

}  // namespace skolvarin::db
