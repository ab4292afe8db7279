#include "app/table_csv.h"

#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#include "host/text/mazovia.h"

namespace skolvarin::app {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool is_control(unsigned char b) { return b < 0x20 || b == 0x7F; }

// The UTF-8 bytes of every Mazovia byte, looked up once per character.
struct Utf8Of {
  unsigned char len[256];
  char bytes[256][4];
  Utf8Of() {
    for (int b = 0; b < 256; ++b) {
      std::string_view s = skolvarin::text::mazovia_char_utf8(static_cast<unsigned char>(b));
      len[b] = static_cast<unsigned char>(s.size());
      std::memcpy(bytes[b], s.data(), s.size());
    }
  }
};

const Utf8Of& utf8_of() {
  static const Utf8Of table;
  return table;
}

// What a byte asks of the writer, looked up once per byte.
enum : unsigned char { kQuote = 1, kNul = 2, kControl = 4, kHigh = 8 };
struct ByteKinds {
  unsigned char kind[256] = {};
  constexpr ByteKinds() {
    for (int b = 0; b < 256; ++b) {
      unsigned char k = 0;
      if (b == ';' || b == '"' || b == '\n') k |= kQuote;
      if (b == 0) k |= kNul;
      if (b < 0x20 || b == 0x7F) k |= kControl;
      if (b >= 0x80) k |= kHigh;
      kind[b] = k;
    }
  }
};
constexpr ByteKinds kKinds;

// The kinds of every byte of [p, end) together.
unsigned char kinds_of(const unsigned char* p, const unsigned char* end) {
  const unsigned char* k = kKinds.kind;
  unsigned char all = 0;
  for (; p < end; ++p) all |= k[*p];
  return all;
}

// Whether a record holds only bytes that are copied as they stand: no
// control byte, NUL, byte above 0x7F, ';' or '"' (eight bytes at a time).
bool plain_record(const unsigned char* p, size_t n) {
  constexpr std::uint64_t ones = 0x0101010101010101ULL, highs = 0x8080808080808080ULL;
  auto has_zero = [](std::uint64_t v) { return (v - ones) & ~v & highs; };
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t v;
    std::memcpy(&v, p + i, 8);
    // high bytes; bytes below 0x20 (v - 0x20 borrows into the high bit
    // of a byte that was below 0x20 and had it clear); DEL; ';'; '"'
    if ((v & highs) || ((v - 0x2020202020202020ULL) & ~v & highs) || has_zero(v ^ 0x7F7F7F7F7F7F7F7FULL) ||
        has_zero(v ^ 0x3B3B3B3B3B3B3B3BULL) || has_zero(v ^ 0x2222222222222222ULL))
      return false;
  }
  for (; i < n; ++i)
    if (kKinds.kind[p[i]] || p[i] == 0x7F) return false;
  return true;
}

// A field of a plain record: its bytes without the blanks at both ends.
inline char* put_trimmed(char* o, const unsigned char* p, const unsigned char* end) {
  while (end > p && end[-1] == ' ') --end;
  while (p < end && *p == ' ') ++p;
  while (p < end) *o++ = static_cast<char>(*p++);
  return o;
}

// Output in big blocks straight to the descriptor.
class Sink {
 public:
  explicit Sink(int fd) : fd_(fd), buf_(kSize) {}
  // Room for n more bytes (n is at most a few field widths).
  char* room(size_t n) {
    if (used_ + n > buf_.size()) {
      flush();
      if (n > buf_.size()) buf_.resize(n);
    }
    return buf_.data() + used_;
  }
  void advance(size_t n) { used_ += n; }
  bool flush() {
    size_t done = 0;
    while (ok_ && done < used_) {
      ssize_t w = ::write(fd_, buf_.data() + done, used_ - done);
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) {
        ok_ = false;
        errno_ = errno;
        break;
      }
      done += static_cast<size_t>(w);
    }
    used_ = 0;
    return ok_;
  }
  bool ok() const { return ok_; }
  int error_number() const { return errno_; }

 private:
  static constexpr size_t kSize = 1 << 20;
  int fd_;
  std::vector<char> buf_;
  size_t used_ = 0;
  bool ok_ = true;
  int errno_ = 0;
};

struct Column {
  int offset, width;
  bool character;
};

// One character field: NUL bytes count as blanks (as f4ptr reads them),
// Mazovia through the table.
char* put_character(char* o, const unsigned char* p, const unsigned char* end, bool escape) {
  while (end > p && (end[-1] == ' ' || end[-1] == 0)) --end;
  while (p < end && (*p == ' ' || *p == 0)) ++p;
  const unsigned char all = kinds_of(p, end);
  if ((all & (kQuote | kNul | kHigh | (escape ? kControl : 0))) == 0) {
    std::memcpy(o, p, static_cast<size_t>(end - p));
    return o + (end - p);
  }
  const bool quoted = all & kQuote;
  const Utf8Of& t = utf8_of();
  if (quoted) *o++ = '"';
  for (; p < end; ++p) {
    const unsigned char b = *p;
    if (b >= 0x80) {
      std::memcpy(o, t.bytes[b], 4);
      o += t.len[b];
    } else if (b == 0) {
      *o++ = ' ';
    } else if (escape && is_control(b)) {
      *o++ = '\\'; *o++ = 'x'; *o++ = kHex[b >> 4]; *o++ = kHex[b & 15];
    } else {
      if (b == '"' && quoted) *o++ = '"';
      *o++ = static_cast<char>(b);
    }
  }
  if (quoted) *o++ = '"';
  return o;
}

// Numbers, dates and logicals: their bytes as they stand (they are ASCII
// text already), up to a NUL byte.
char* put_plain(char* o, const unsigned char* p, const unsigned char* end, bool escape) {
  while (end > p && end[-1] == ' ') --end;
  while (p < end && *p == ' ') ++p;
  const unsigned char all = kinds_of(p, end);
  if ((all & (kQuote | kNul | (escape ? kControl : 0))) == 0) {
    std::memcpy(o, p, static_cast<size_t>(end - p));
    return o + (end - p);
  }
  const bool quoted = all & kQuote;
  if (quoted) *o++ = '"';
  for (; p < end; ++p) {
    const unsigned char b = *p;
    if (b == 0) return o;  // the text stops at a NUL byte: no closing quote either
    if (escape && is_control(b)) {
      *o++ = '\\'; *o++ = 'x'; *o++ = kHex[b >> 4]; *o++ = kHex[b & 15];
      continue;
    }
    if (b == '"' && quoted) *o++ = '"';
    *o++ = static_cast<char>(b);
  }
  if (quoted) *o++ = '"';
  return o;
}

}  // namespace

std::string escape_controls(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (char c : utf8) {
    const auto b = static_cast<unsigned char>(c);
    if (is_control(b)) {
      out += "\\x";
      out += kHex[b >> 4];
      out += kHex[b & 15];
    } else {
      out += c;
    }
  }
  return out;
}

long write_csv(DATA4* data, int fd, bool escape, std::string& error) {
  Sink sink(fd);
  const int n = d4num_fields(data);
  std::vector<Column> columns;
  size_t worst = 2;  // the widest row a record can give
  for (int j = 1; j <= n; ++j) {
    FIELD4* f = d4field_j(data, j);
    columns.push_back({f4offset(f), f4len(f), f4type(f) == 'C'});
    worst += static_cast<size_t>(f4len(f)) * 4 + 3;
    std::string name = f4name(f);
    if (j > 1) name.insert(name.begin(), ';');
    char* o = sink.room(name.size());
    std::memcpy(o, name.data(), name.size());
    sink.advance(name.size());
  }
  *sink.room(1) = '\n';
  sink.advance(1);
  const size_t width = static_cast<size_t>(d4record_width(data));
  long rows = 0;
  int rc = d4top(data);
  for (; rc == 0 && sink.ok(); rc = d4skip(data, 1)) {
    const auto* rec = reinterpret_cast<const unsigned char*>(d4record(data));
    if (rec[0] == '*') continue;
    char* const start = sink.room(worst);
    char* o = start;
    if (plain_record(rec + 1, width - 1)) {
      for (size_t j = 0; j < columns.size(); ++j) {
        if (j > 0) *o++ = ';';
        const unsigned char* p = rec + columns[j].offset;
        o = put_trimmed(o, p, p + columns[j].width);
      }
      *o++ = '\n';
      sink.advance(static_cast<size_t>(o - start));
      ++rows;
      continue;
    }
    for (size_t j = 0; j < columns.size(); ++j) {
      const Column& c = columns[j];
      if (j > 0) *o++ = ';';
      const unsigned char* p = rec + c.offset;
      o = c.character ? put_character(o, p, p + c.width, escape) : put_plain(o, p, p + c.width, escape);
    }
    *o++ = '\n';
    sink.advance(static_cast<size_t>(o - start));
    ++rows;
  }
  if (!sink.flush()) {
    error = std::string("błąd zapisu wyniku: ") + SystemErrorText(sink.error_number());
    return -1;
  }
  if (rc < 0) {
    error = "błąd odczytu tabeli";
    return -1;
  }
  return rows;
}

}  // namespace skolvarin::app
