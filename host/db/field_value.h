// Field values between their dBASE bytes and the values callers use.
//
// Numbers are stored right-aligned in ASCII with exactly `decimals`
// digits after the point; a value is first rounded with skolvarin::R and
// must then fit the width, sign included: a value that does not fit is
// refused (never cut, never shown as asterisks).  Character fields hold
// Mazovia bytes padded with blanks; callers speak UTF-8.
//
// Pure functions: no table, no handle, no error sink.
#pragma once

#include <string>
#include <string_view>

#include "host/db/record_view.h"

namespace skolvarin::db {

// Writes value into out[0..width-1]; false (out untouched) when it does not
// fit or is not finite.
bool format_numeric(double value, int width, int decimals, char* out);
// Value of stored number bytes (blanks give 0; stops at the first byte that
// cannot continue a number).
double numeric_value(std::string_view bytes);
// Reads a typed number: blanks around, ',' or '.' as the decimal point,
// blanks or '.' grouping thousands before a ',' ("1 234,50").  false for
// anything else.
bool parse_number(std::string_view text, double& value);
// Stores UTF-8 text into a character field of `width` bytes (Mazovia, cut
// or padded with blanks).
void store_text(std::string_view utf8, int width, char* out);
// The UTF-8 text of a character field's bytes (NUL bytes read as blanks).
std::string load_text(std::string_view bytes);
// Blank value of a field: all blanks.
void store_blank(const FieldDesc& f, char* record);

}  // namespace skolvarin::db
