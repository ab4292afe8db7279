// Field values: reading as text or numbers, assigning, and the bulk helpers.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "host/api/calendar.h"
#include "host/api/rounding.h"
#include "host/db/db_handles.h"
#include "host/db/field_value.h"
#include "host/text/mazovia.h"
#include "host/text/utf8.h"

using namespace skolvarin::db;

namespace {

std::string_view raw(FIELD4* f) { return {f->bytes(), static_cast<size_t>(f->desc().width)}; }

void touched(FIELD4* f) { f->data->changed = true; }

std::string label(FIELD4* f) {
  const FieldDesc& d = f->desc();
  std::string s = f->data->alias + "." + d.name + " (" + static_cast<char>(d.type) + std::to_string(d.width);
  if (d.decimals) s += "." + std::to_string(d.decimals);
  return s + ")";
}

std::string number_text(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  return buf;
}

int assign_number(FIELD4* f, double value) {
  const FieldDesc& d = f->desc();
  if (!format_numeric(value, d.width, d.decimals, f->bytes()))
    return fail(f->data->ctx, e4overflow,
                "Liczba " + number_text(value) + " nie mieści się w polu " + label(f) + ".");
  touched(f);
  return succeed(f->data->ctx);
}

// First code point of a UTF-8 text.
int first_code_point(std::string_view s) {
  if (s.empty()) return 0;
  size_t pos = 0;
  char32_t cp = 0;
  skolvarin::text::utf8_next(s, pos, cp);
  return static_cast<int>(cp);
}

// A code point outside Unicode stores as one unknown character ('?').
std::string utf8_of(int cp) {
  std::string s;
  const bool in_range = cp >= 0 && cp <= 0x10FFFF;
  skolvarin::text::utf8_append(s, in_range ? static_cast<char32_t>(cp) : skolvarin::text::kReplacementChar);
  return s;
}

bool valid_date_text(std::string_view s) {
  if (s.find_first_not_of(' ') == std::string_view::npos) return true;
  skolvarin::Date d;
  return s.size() >= 8 && skolvarin::from_dbf(s.substr(0, 8), d);
}

}  // namespace

const char* f4ptr(FIELD4* field) {
  if (!field) return "";
  if (field->desc().type == FieldType::Character) field->text = load_text(raw(field));
  else field->text.assign(raw(field));
  return field->text.c_str();
}

const char* f4str(FIELD4* field) { return f4ptr(field); }

int f4offset(FIELD4* field) { return field ? field->desc().offset : 0; }

std::string StoredText(std::string_view bytes) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (char c : load_text(bytes)) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) {
      out += "\\x";
      out += hex[b >> 4];
      out += hex[b & 15];
    } else {
      out += c;
    }
  }
  return out;
}

std::string f4trim(FIELD4* field) {
  if (!field) return {};
  std::string s = f4ptr(field);
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

int f4char(FIELD4* field) {
  if (!field) return 0;
  if (field->desc().type == FieldType::Character)
    return first_code_point(skolvarin::text::mazovia_char_utf8(static_cast<unsigned char>(field->bytes()[0])));
  return static_cast<unsigned char>(field->bytes()[0]);
}

double f4double(FIELD4* field) {
  if (!field) return 0;
  const FieldDesc& d = field->desc();
  switch (d.type) {
    case FieldType::Logical: return f4true(field);
    default: return numeric_value(raw(field));
  }
}

long f4long(FIELD4* field) {
  double v = f4double(field);
  if (v > 2147483647.0 * 4294967296.0 || v < -2147483647.0 * 4294967296.0) return 0;
  return static_cast<long>(v);
}

int f4int(FIELD4* field) {
  long v = f4long(field);
  if (v > 2147483647L || v < -2147483647L) return 0;
  return static_cast<int>(v);
}

int f4true(FIELD4* field) {
  if (!field) return 0;
  char c = field->bytes()[0];
  return c == 'T' || c == 't' || c == 'Y' || c == 'y' ? 1 : 0;
}

int f4len(FIELD4* field) { return field ? field->desc().width : 0; }
int f4decimals(FIELD4* field) { return field ? field->desc().decimals : 0; }
int f4type(FIELD4* field) { return field ? static_cast<char>(field->desc().type) : 0; }
const char* f4name(FIELD4* field) { return field ? field->desc().name.c_str() : ""; }
DATA4* f4data(FIELD4* field) { return field ? field->data : nullptr; }

int f4assign(FIELD4* field, const char* value) {
  if (!field) return e4param;
  return f4assign_n(field, value ? value : "", value ? static_cast<int>(std::strlen(value)) : 0);
}

int f4assign_n(FIELD4* field, const char* value, int len) {
  if (!field) return e4param;
  if (!value || len < 0) len = 0;
  std::string_view v(value ? value : "", static_cast<size_t>(len));
  const FieldDesc& d = field->desc();
  HostContext* ctx = field->data->ctx;
  switch (d.type) {
    case FieldType::Character:
      store_text(v, d.width, field->bytes());
      touched(field);
      return succeed(ctx);
    case FieldType::Numeric: {
      double x = 0;
      if (!parse_number(v, x))
        return fail(ctx, e4param, "\"" + std::string(v) + "\" nie jest liczbą (pole " + label(field) + ").");
      if (v.find_first_not_of(' ') == std::string_view::npos) {
        store_blank(d, field->data->record.data());
        touched(field);
        return succeed(ctx);
      }
      return assign_number(field, x);
    }
    case FieldType::Date:
      if (!valid_date_text(v))
        return fail(ctx, e4param, "\"" + std::string(v) + "\" nie jest datą RRRRMMDD (pole " + label(field) + ").");
      std::memset(field->bytes(), ' ', 8);
      if (v.find_first_not_of(' ') != std::string_view::npos) std::memcpy(field->bytes(), v.data(), 8);
      touched(field);
      return succeed(ctx);
    case FieldType::Logical: {
      char c = v.empty() ? ' ' : v[0];
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      if (c != ' ' && c != 'T' && c != 'F' && c != 'Y' && c != 'N' && c != '?')
        return fail(ctx, e4param, "\"" + std::string(v) + "\" nie jest wartością logiczną (pole " + label(field) + ").");
      field->bytes()[0] = c == 'Y' ? 'T' : c == 'N' ? 'F' : c;
      touched(field);
      return succeed(ctx);
    }
  }
  return e4param;
}

int f4assign_char(FIELD4* field, int code_point) {
  if (!field) return e4param;
  std::string s = utf8_of(code_point);
  return f4assign(field, s.c_str());
}

int f4assign_int(FIELD4* field, int value) { return f4assign_double(field, value); }
int f4assign_long(FIELD4* field, long value) { return f4assign_double(field, static_cast<double>(value)); }

int f4assign_double(FIELD4* field, double value) {
  if (!field) return e4param;
  const FieldDesc& d = field->desc();
  switch (d.type) {
    case FieldType::Numeric: return assign_number(field, value);
    case FieldType::Logical: return f4assign_logical(field, value != 0);
    case FieldType::Character: {
      char buf[64];
      if (d.decimals > 0) std::snprintf(buf, sizeof buf, "%.*f", d.decimals, skolvarin::R(value, d.decimals));
      else std::snprintf(buf, sizeof buf, "%.15g", value);
      if (static_cast<int>(std::strlen(buf)) > d.width)
        return fail(field->data->ctx, e4overflow, "Liczba " + number_text(value) + " nie mieści się w polu " + label(field) + ".");
      return f4assign(field, buf);
    }
    case FieldType::Date: {
      if (value == 0) return f4assign(field, "");
      char buf[32];
      std::snprintf(buf, sizeof buf, "%08.0f", value);
      return f4assign(field, buf);
    }
  }
  return e4param;
}

int f4assign_logical(FIELD4* field, int value) { return f4assign(field, value ? "T" : "F"); }

int f4assign_date(FIELD4* field, const HostDate& date) {
  if (!field) return e4param;
  return f4assign(field, skolvarin::to_dbf(date).c_str());
}

HostDate f4date(FIELD4* field) {
  HostDate d;
  if (field && !skolvarin::from_dbf(raw(field), d)) d = HostDate{};
  return d;
}

int f4assign_field(FIELD4* to, FIELD4* from) {
  if (!to || !from) return e4param;
  const FieldDesc& a = to->desc();
  const FieldDesc& b = from->desc();
  if (a.type == FieldType::Numeric && b.type == FieldType::Numeric) {
    if (raw(from).find_first_not_of(' ') == std::string_view::npos) return f4blank(to);
    return assign_number(to, f4double(from));
  }
  if (a.type == b.type && a.type != FieldType::Character) {
    std::string s(raw(from));
    return f4assign(to, s.c_str());
  }
  std::string s = f4trim(from);
  if (a.type == FieldType::Numeric) {
    double x = 0;
    parse_number(s, x);
    return assign_number(to, x);
  }
  return f4assign(to, s.c_str());
}

int f4blank(FIELD4* field) {
  if (!field) return e4param;
  store_blank(field->desc(), field->data->record.data());
  touched(field);
  return succeed(field->data->ctx);
}

// ---------------------------------------------------------------- bulk helpers

int ToFieldCopyDouble(FIELD4* const* fields, const double* values, int count) {
  int first = 0;
  for (int i = 0; fields && values && i < count; ++i) {
    int rc = f4assign_double(fields[i], values[i]);
    if (rc && !first) first = rc;
  }
  return first;
}

int ToFieldCopyLongint(FIELD4* const* fields, const long* values, int count) {
  int first = 0;
  for (int i = 0; fields && values && i < count; ++i) {
    int rc = f4assign_long(fields[i], values[i]);
    if (rc && !first) first = rc;
  }
  return first;
}

int ToMemCopyMaxString(char* dest, const char* src, int size) {
  if (!dest || size <= 0) return 0;
  if (!src) src = "";
  size_t n = std::strlen(src);
  if (n > static_cast<size_t>(size - 1)) {
    n = static_cast<size_t>(size - 1);
    while (n > 0 && (static_cast<unsigned char>(src[n]) & 0xC0) == 0x80) --n;  // keep characters whole
  }
  std::memcpy(dest, src, n);
  dest[n] = 0;
  return static_cast<int>(n);
}

int ToMemCopyMaxField(char* dest, FIELD4* field, int size) {
  std::string s = f4trim(field);
  return ToMemCopyMaxString(dest, s.c_str(), size);
}

const char* FldQStr(FIELD4* field) { return MaxFldQStr(field, -1); }

const char* MaxFldQStr(FIELD4* field, int max) {
  static thread_local std::string ring[8];
  static thread_local int next = 0;
  std::string& out = ring[next];
  next = (next + 1) % 8;
  out = field ? f4trim(field) : std::string();
  if (max >= 0 && skolvarin::text::utf8_length(out) > static_cast<size_t>(max))
    out.resize(skolvarin::text::utf8_offset(out, static_cast<size_t>(max)));
  return out.c_str();
}

int EmptyRecord(DATA4* data) {
  if (!data) return e4param;
  std::memset(data->record.data() + 1, ' ', data->record.size() - 1);
  data->changed = true;
  return succeed(data->ctx);
}

int ZeroFields_(FIELD4* const* fields, int count) {
  int first = 0;
  for (int i = 0; fields && i < count; ++i) {
    if (!fields[i] || fields[i]->desc().type != FieldType::Numeric) continue;
    int rc = f4assign_double(fields[i], 0);
    if (rc && !first) first = rc;
  }
  return first;
}

int ZeroFields_(std::initializer_list<FIELD4*> fields) {
  return ZeroFields_(fields.begin(), static_cast<int>(fields.size()));
}

double Suma_(FIELD4* const* fields, int count) {
  double s = 0;
  for (int i = 0; fields && i < count; ++i) s += f4double(fields[i]);
  return s;
}

double Suma_(std::initializer_list<FIELD4*> fields) { return Suma_(fields.begin(), static_cast<int>(fields.size())); }

double Suma2(FIELD4* a, FIELD4* b) { return f4double(a) + f4double(b); }

double ROUND(double x, int n) { return skolvarin::R(x, n); }
