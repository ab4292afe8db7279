// Expression: key bytes, filter tests and seek keys over a compiled program.
#include "host/db/expression.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "host/db/expr_program.h"
#include "host/text/collation.h"
#include "host/text/mazovia.h"

namespace skolvarin::db {
namespace {

// Doubles as 8 big-endian bytes whose unsigned order is numeric order:
// positive numbers get the sign bit set, negative numbers are inverted.
void write_number_key(double value, char* out) {
  if (value == 0 || std::isnan(value)) value = 0.0;  // also turns -0 into +0
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  bits = (bits >> 63) ? ~bits : bits | (uint64_t{1} << 63);
  for (int i = 7; i >= 0; --i) {
    out[i] = static_cast<char>(bits & 0xFF);
    bits >>= 8;
  }
}

std::string number_text(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  return buf;
}

}  // namespace

std::string encode_number_key(double value) {
  std::string out(8, '\0');
  write_number_key(value, out.data());
  return out;
}

double decode_number_key(std::string_view key8) {
  if (key8.size() < 8) return 0;
  uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits = (bits << 8) | static_cast<unsigned char>(key8[i]);
  bits = (bits >> 63) ? bits & ~(uint64_t{1} << 63) : ~bits;
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

std::unique_ptr<Expression> Expression::compile(std::string_view text, std::span<const FieldDesc> fields,
                                                std::string& error) {
  auto program = parse_expression(text, fields, error);
  if (!program) return nullptr;
  return std::unique_ptr<Expression>(new Expression(std::move(program)));
}

Expression::Expression(std::unique_ptr<ExprProgram> program) : program_(std::move(program)) {}
Expression::~Expression() = default;

KeyKind Expression::kind() const {
  switch (program_->type()) {
    case ValueType::Character: return KeyKind::Character;
    case ValueType::Numeric: return KeyKind::Numeric;
    case ValueType::Date: return KeyKind::Date;
    case ValueType::Logical: return KeyKind::Logical;
  }
  return KeyKind::Character;
}

int Expression::key_length() const {
  switch (program_->type()) {
    case ValueType::Character: return program_->top().length;
    case ValueType::Numeric:
    case ValueType::Date: return 8;
    case ValueType::Logical: return 1;
  }
  return 0;
}

void Expression::key(const RecordView& r, std::string& out) const {
  const ExprProgram& p = *program_;
  out.resize(static_cast<size_t>(key_length()));
  switch (p.type()) {
    case ValueType::Character:
      p.eval_text(p.root, r, out.data());
      text::collate_in_place(out.data(), out.size());
      return;
    case ValueType::Date:
      p.eval_text(p.root, r, out.data());
      return;
    case ValueType::Numeric:
      write_number_key(p.eval_number(p.root, r), out.data());
      return;
    case ValueType::Logical:
      out[0] = p.eval_logical(p.root, r) ? 'T' : 'F';
      return;
  }
}

std::string Expression::key(const RecordView& r) const {
  std::string out;
  key(r, out);
  return out;
}

bool Expression::test(const RecordView& r) const {
  return program_->type() == ValueType::Logical ? program_->eval_logical(program_->root, r) : true;
}

std::string Expression::seek_key(std::string_view utf8) const {
  const size_t len = static_cast<size_t>(key_length());
  switch (program_->type()) {
    case ValueType::Character: {
      std::string bytes = text::utf8_to_mazovia(utf8);
      if (bytes.size() > len) bytes.resize(len);
      text::collate_in_place(bytes.data(), bytes.size());
      return bytes;
    }
    case ValueType::Date: {
      std::string d(utf8.substr(0, 10));
      if (d.size() == 10 && (d[4] == '-' || d[4] == '.') && d[7] == d[4]) d = d.substr(0, 4) + d.substr(5, 2) + d.substr(8, 2);
      if (d.size() > 8) d.resize(8);
      return d;
    }
    case ValueType::Numeric: {
      const std::string t(text::trim(utf8));
      return encode_number_key(parse_dbase_number(t.data(), t.size()));
    }
    case ValueType::Logical: {
      const std::string_view t = text::trim(utf8);
      const bool yes = !t.empty() && (t[0] == 'T' || t[0] == 't' || t[0] == 'Y' || t[0] == 'y' ||
                                      t.substr(0, 3) == ".T." || t.substr(0, 3) == ".t.");
      return yes ? "T" : "F";
    }
  }
  return {};
}

std::string Expression::seek_key(double value) const {
  if (program_->type() == ValueType::Numeric) return encode_number_key(value);
  return seek_key(number_text(value));
}

std::string Expression::text_value(const RecordView& r) const {
  const ExprProgram& p = *program_;
  switch (p.type()) {
    case ValueType::Character: {
      std::string raw(static_cast<size_t>(p.top().length), ' ');
      p.eval_text(p.root, r, raw.data());
      return text::mazovia_to_utf8(raw);
    }
    case ValueType::Date: {
      std::string raw(8, ' ');
      p.eval_text(p.root, r, raw.data());
      return raw;
    }
    case ValueType::Numeric: return number_text(p.eval_number(p.root, r));
    case ValueType::Logical: return p.eval_logical(p.root, r) ? ".T." : ".F.";
  }
  return {};
}

double Expression::number(const RecordView& r) const {
  return program_->type() == ValueType::Numeric ? program_->eval_number(program_->root, r) : 0.0;
}

const std::string& Expression::source() const { return program_->source; }

}  // namespace skolvarin::db
