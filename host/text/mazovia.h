// Polish text in its two encodings: UTF-8 in memory, the Mazovia code page on
// disk (DBF character fields, resource files).
//
// The Mazovia code page is code page 437 with eighteen positions replaced by
// the Polish letters:
//   0x86 ą  0x8D ć  0x8F Ą  0x90 Ę  0x91 ę  0x92 ł  0x95 Ć  0x98 Ś  0x9C Ł
//   0x9E ś  0xA0 Ź  0xA1 Ż  0xA2 ó  0xA3 Ó  0xA4 ń  0xA5 Ń  0xA6 ź  0xA7 ż
// Bytes 0x00-0x7F are ASCII; every other byte above 0x7F is its code page 437
// character (accented Latin letters, box drawing, Greek and math signs).
//
// Invariants:
//  - utf8_to_mazovia(mazovia_to_utf8(b)) == b for every byte string b;
//  - every function here is total: any byte string, including invalid UTF-8,
//    gives a result and never a crash.  Invalid UTF-8 sequences count as one
//    character per byte; they convert to '?' in Mazovia and are left as they
//    are by the UTF-8 case functions.
#pragma once

#include "host/api/text_api.h"

#include <cstddef>
#include <string>
#include <string_view>

#include "host/text/utf8.h"  // the UTF-8 helpers by characters

namespace skolvarin::text {

// --- conversion -----------------------------------------------------------

std::string mazovia_to_utf8(std::string_view bytes);
// Characters outside the code page become their closest ASCII form (dashes
// "-", typographic quotes '"' and "'", the ellipsis "...", the euro sign
// "EUR", special blanks " ", see ascii_form); others '?'.
std::string utf8_to_mazovia(std::string_view utf8);
// The ASCII form of a character the code page lacks, or nullptr.
const char* ascii_form(char32_t code_point);
// The text as it will read back after being stored in Mazovia (UTF-8).
std::string mazovia_storable(std::string_view utf8);

// The UTF-8 text of one Mazovia byte (1 to 3 bytes).
std::string_view mazovia_char_utf8(unsigned char byte);

// --- blanks ---------------------------------------------------------------

// Without leading / trailing blanks.
std::string_view trim_right(std::string_view text);
std::string_view trim_left(std::string_view text);
std::string_view trim(std::string_view text);

// --- case -----------------------------------------------------------------

// utf8_upper and utf8_lower: host/api/text_api.h.  The same for one character:
char32_t upper_char(char32_t c);
char32_t lower_char(char32_t c);

// Upper / lower case of one Mazovia byte: ASCII, the Polish letters and the
// few code page 437 letters whose pair is also in the code page (ä ö ü ç).
unsigned char mazovia_upper(unsigned char byte);
unsigned char mazovia_lower(unsigned char byte);
// The same over a byte string, in place.
void mazovia_upper_in_place(char* bytes, size_t n);
std::string mazovia_upper(std::string_view bytes);

}  // namespace skolvarin::text
