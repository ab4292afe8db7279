// Evaluation of a compiled expression over one record.  Nothing here
// allocates: character values are written into the caller's buffer or into
// the node's own scratch region.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "host/api/rounding.h"
#include "host/db/expr_program.h"
#include "host/text/collation.h"
#include "host/text/mazovia.h"

namespace skolvarin::db {
namespace {

bool digits(const char* p, int n, int& value) {
  value = 0;
  for (int i = 0; i < n; ++i) {
    if (p[i] < '0' || p[i] > '9') return false;
    value = value * 10 + (p[i] - '0');
  }
  return true;
}

int date_part(const char* d, Op op) {
  int v = 0;
  switch (op) {
    case Op::Year: return digits(d, 4, v) ? v : 0;
    case Op::Month: return digits(d + 4, 2, v) ? v : 0;
    default: return digits(d + 6, 2, v) ? v : 0;
  }
}

// Numbers are equal when they agree to 9 significant digits, so 0.1 + 0.2
// equals 0.3 in a filter.
int compare_numbers(double a, double b) {
  const double scale = std::fmax(1.0, std::fmax(std::fabs(a), std::fabs(b)));
  if (std::fabs(a - b) <= 1e-9 * scale) return 0;
  return a < b ? -1 : 1;
}

bool holds(Cmp cmp, int order) {
  switch (cmp) {
    case Cmp::Eq:
    case Cmp::ExactEq: return order == 0;
    case Cmp::NotEq: return order != 0;
    case Cmp::Less: return order < 0;
    case Cmp::Greater: return order > 0;
    case Cmp::LessEq: return order <= 0;
    case Cmp::GreaterEq: return order >= 0;
  }
  return false;
}

size_t trimmed_length(const char* p, size_t n) {
  while (n > 0 && p[n - 1] == ' ') --n;
  return n;
}

const double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                         1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace

double parse_dbase_number(const char* p, size_t n) {
  size_t i = 0;
  while (i < n && (p[i] == ' ' || p[i] == '\0')) ++i;
  bool negative = false;
  if (i < n && (p[i] == '-' || p[i] == '+')) negative = p[i++] == '-';
  unsigned long long mantissa = 0;
  int scale = 0;  // value = mantissa * 10^scale
  bool point = false;
  for (; i < n; ++i) {
    const char c = p[i];
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (c < '0' || c > '9') break;
    if (mantissa < 100000000000000000ULL) {
      mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
      if (point) --scale;
    } else if (!point) {
      ++scale;  // digits beyond 18 significant only scale the value
    }
  }
  double v = static_cast<double>(mantissa);
  if (scale < 0) {
    v = -scale <= 22 ? v / kPow10[-scale] : v * std::pow(10.0, scale);
  } else if (scale > 0) {
    v = scale <= 22 ? v * kPow10[scale] : v * std::pow(10.0, scale);
  }
  return negative ? -v : v;
}

void format_str(double value, int width, int decimals, char* out) {
  char buf[512];
  int len = 0;
  if (!std::isfinite(value)) {
    len = width + 1;  // overflow
  } else if (decimals == 0 && std::fabs(value) < 1e15 && value == std::trunc(value)) {
    // Whole numbers, the common case of keys: no rounding and no printf.
    long long v = static_cast<long long>(value);
    const bool negative = v < 0;
    unsigned long long u = negative ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    char rev[24];
    int k = 0;
    do {
      rev[k++] = static_cast<char>('0' + u % 10);
      u /= 10;
    } while (u);
    if (negative) buf[len++] = '-';
    while (k) buf[len++] = rev[--k];
  } else if (decimals <= 9 && std::fabs(value) * kPow10[decimals] < 1e9 &&
             std::fabs(value * kPow10[decimals] - std::nearbyint(value * kPow10[decimals])) < 1e-4) {
    // Clearly not half-way: the nearest integer of value * 10^d is what R
    // gives (15 significant digits leave the value within 1e-5 of it).
    const long long scaled = std::llround(value * kPow10[decimals]);
    unsigned long long u = scaled < 0 ? 0ULL - static_cast<unsigned long long>(scaled)
                                      : static_cast<unsigned long long>(scaled);
    char rev[32];
    int k = 0;
    do {
      rev[k++] = static_cast<char>('0' + u % 10);
      u /= 10;
    } while (u || k <= decimals);  // at least one digit before the point
    if (scaled < 0) buf[len++] = '-';
    while (k) {
      if (k == decimals && decimals > 0) buf[len++] = '.';
      buf[len++] = rev[--k];
    }
  } else {
    const double v = R(value, decimals) + 0.0;
    len = std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    if (len > 1 && buf[0] == '-') {  // "-0.00" after rounding is "0.00"
      bool zero = true;
      for (int i = 1; i < len; ++i) zero = zero && (buf[i] == '0' || buf[i] == '.');
      if (zero) std::memmove(buf, buf + 1, len--);
    }
  }
  if (len < 0 || len > width) {
    std::memset(out, '*', width);
    return;
  }
  std::memset(out, ' ', width - len);
  std::memcpy(out + (width - len), buf, len);
}

void ExprProgram::eval_text(int i, const RecordView& r, char* out) const {
  const ExprNode& n = nodes[i];
  switch (n.op) {
    case Op::CharField:
      if (r.record) std::memcpy(out, r.record + n.offset, n.length);
      else std::memset(out, ' ', n.length);
      return;
    case Op::DateField:
      if (r.record) {
        for (int k = 0; k < 8; ++k) {
          const char c = k < n.width ? r.record[n.offset + k] : ' ';
          out[k] = c == '\0' ? ' ' : c;
        }
      } else {
        std::memset(out, ' ', 8);
      }
      return;
    case Op::CharLiteral:
      std::memcpy(out, n.literal.data(), n.length);
      return;
    case Op::Concat:
      eval_text(n.a, r, out);
      eval_text(n.b, r, out + nodes[n.a].length);
      return;
    case Op::ConcatTrim: {  // a - b: trailing blanks of a move to the end
      const int la = nodes[n.a].length;
      const int lb = nodes[n.b].length;
      eval_text(n.a, r, out);
      eval_text(n.b, r, out + la);
      const int blanks = la - static_cast<int>(trimmed_length(out, la));
      if (blanks > 0) {
        std::memmove(out + la - blanks, out + la, lb);
        std::memset(out + la + lb - blanks, ' ', blanks);
      }
      return;
    }
    case Op::Upper:
      eval_text(n.a, r, out);
      text::mazovia_upper_in_place(out, n.length);
      return;
    case Op::Lower:
      eval_text(n.a, r, out);
      for (int k = 0; k < n.length; ++k)
        out[k] = static_cast<char>(text::mazovia_lower(static_cast<unsigned char>(out[k])));
      return;
    case Op::Str:
      format_str(eval_number(n.a, r), n.width, n.decimals, out);
      return;
    case Op::Dtos:
      eval_text(n.a, r, out);
      return;
    case Op::Substr: {
      char* buf = scratch.data() + n.scratch;
      eval_text(n.a, r, buf);
      std::memcpy(out, buf + n.offset, n.length);
      return;
    }
    case Op::CharIif: {
      const int pick = eval_logical(n.a, r) ? n.b : n.c;
      const int len = nodes[pick].length;
      eval_text(pick, r, out);
      std::memset(out + len, ' ', n.length - len);
      return;
    }
    default:
      std::memset(out, ' ', n.length);
      return;
  }
}

double ExprProgram::eval_number(int i, const RecordView& r) const {
  const ExprNode& n = nodes[i];
  switch (n.op) {
    case Op::NumField:
      return r.record ? parse_dbase_number(r.record + n.offset, n.width) : 0.0;
    case Op::NumLiteral: return n.number;
    case Op::Recno: return static_cast<double>(r.recno);
    case Op::Month:
    case Op::Year:
    case Op::Day: {
      const ExprNode& d = nodes[n.a];
      if (d.op == Op::DateField) {
        if (!r.record || d.width < 8) return 0;
        return date_part(r.record + d.offset, n.op);
      }
      char* buf = scratch.data() + n.scratch;
      eval_text(n.a, r, buf);
      return date_part(buf, n.op);
    }
    case Op::Val: {
      char* buf = scratch.data() + n.scratch;
      eval_text(n.a, r, buf);
      return parse_dbase_number(buf, nodes[n.a].length);
    }
    case Op::Neg: return -eval_number(n.a, r);
    case Op::Add: return eval_number(n.a, r) + eval_number(n.b, r);
    case Op::Sub: return eval_number(n.a, r) - eval_number(n.b, r);
    case Op::Mul: return eval_number(n.a, r) * eval_number(n.b, r);
    case Op::Div:
    case Op::Mod: {
      const double a = eval_number(n.a, r);
      const double b = eval_number(n.b, r);
      if (b == 0) return 0;  // no infinities in keys
      return n.op == Op::Div ? a / b : std::fmod(a, b);
    }
    case Op::Pow: {
      const double v = std::pow(eval_number(n.a, r), eval_number(n.b, r));
      return std::isfinite(v) ? v : 0;
    }
    case Op::Abs: return std::fabs(eval_number(n.a, r));
    case Op::Int: return std::trunc(eval_number(n.a, r));
    case Op::Round: return R(eval_number(n.a, r), n.decimals);
    case Op::NumIif: return eval_logical(n.a, r) ? eval_number(n.b, r) : eval_number(n.c, r);
    default: return 0;
  }
}

bool ExprProgram::eval_logical(int i, const RecordView& r) const {
  const ExprNode& n = nodes[i];
  switch (n.op) {
    case Op::LogField: {
      if (!r.record || n.width < 1) return false;
      const char c = r.record[n.offset];
      return c == 'T' || c == 't' || c == 'Y' || c == 'y';
    }
    case Op::LogLiteral: return n.number != 0;
    case Op::Deleted: return r.deleted();
    case Op::Not: return !eval_logical(n.a, r);
    case Op::And: return eval_logical(n.a, r) && eval_logical(n.b, r);
    case Op::Or: return eval_logical(n.a, r) || eval_logical(n.b, r);
    case Op::LogIif: return eval_logical(n.a, r) ? eval_logical(n.b, r) : eval_logical(n.c, r);
    case Op::Compare: {
      const ExprNode& a = nodes[n.a];
      switch (a.type) {
        case ValueType::Numeric:
          return holds(n.cmp, compare_numbers(eval_number(n.a, r), eval_number(n.b, r)));
        case ValueType::Logical:
          return holds(n.cmp, static_cast<int>(eval_logical(n.a, r)) - static_cast<int>(eval_logical(n.b, r)));
        case ValueType::Date:
        case ValueType::Character: {
          const ExprNode& b = nodes[n.b];
          char* pa = scratch.data() + n.scratch;
          char* pb = pa + a.length;
          eval_text(n.a, r, pa);
          eval_text(n.b, r, pb);
          const std::string_view va(pa, a.length), vb(pb, b.length);
          if (a.type == ValueType::Character && (n.cmp == Cmp::Eq || n.cmp == Cmp::NotEq)) {
            // dBASE "=": the left value begins with the right one.
            const bool begins = text::collate_compare(va.substr(0, vb.size()), vb) == 0;
            return n.cmp == Cmp::Eq ? begins : !begins;
          }
          if (n.cmp == Cmp::ExactEq)
            return va.substr(0, trimmed_length(pa, a.length)) == vb.substr(0, trimmed_length(pb, b.length));
          return holds(n.cmp, text::collate_compare(va, vb));
        }
      }
      return false;
    }
    case Op::Contains: {
      const ExprNode& a = nodes[n.a];
      const ExprNode& b = nodes[n.b];
      char* pa = scratch.data() + n.scratch;
      char* pb = pa + a.length;
      eval_text(n.a, r, pa);
      eval_text(n.b, r, pb);
      return std::string_view(pb, b.length).find(std::string_view(pa, a.length)) != std::string_view::npos;
    }
    default: return false;
  }
}

}  // namespace skolvarin::db
