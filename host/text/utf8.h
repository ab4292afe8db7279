// UTF-8, the encoding of all text in memory: code points and characters.
//
// One decoder serves the whole host (screen, print, tables, case mapping).
// A byte that does not start a valid sequence (a stray continuation byte, a
// truncated, overlong or surrogate sequence, a value past U+10FFFF) is one
// character on its own and decodes to U+FFFD; decoding goes on with the next
// byte, so damaged text still shows and never shifts the rest of a line by
// more than its bad bytes.
//
// Invariants, for every byte string s:
//  - utf8_decode(s).size() == utf8_length(s);
//  - utf8_encode(utf8_decode(s)) == s when s is valid UTF-8;
//  - utf8_offset(s, n) never cuts a valid sequence in two.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace skolvarin::text {

inline constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes the character at s[pos] (pos < s.size()) into cp and moves pos past
// it.  Returns false for an invalid byte: cp is then U+FFFD and pos moves by
// one byte.
bool utf8_next(std::string_view s, size_t& pos, char32_t& cp);
// Appends the UTF-8 form of cp (cp < 0x110000).
void utf8_append(std::string& out, char32_t cp);

std::u32string utf8_decode(std::string_view utf8);
std::string utf8_encode(std::u32string_view text);

// Length in characters.
size_t utf8_length(std::string_view utf8);
// Byte offset of character number `chars` (or utf8.size() past the end).
size_t utf8_offset(std::string_view utf8, size_t chars);
// `count` characters starting at character `start` (clipped to the text).
std::string_view utf8_substr(std::string_view utf8, size_t start,
                             size_t count = std::string_view::npos);
// Cut to at most `width` characters, then padded with blanks to exactly
// `width` characters (on the right; pad_left pads on the left).
std::string utf8_pad_right(std::string_view utf8, size_t width);
std::string utf8_pad_left(std::string_view utf8, size_t width);

}  // namespace skolvarin::text
