// Text of character fields as the module handles it (module code has no
// host text library): blanks around a value and cutting UTF-8 text to a
// field's width in characters.
//
// Invariants: cut_chars(s, n) is a prefix of s that never ends inside a
// character and has at most n characters (none for n <= 0); the trims
// remove blanks (' ') only.
#pragma once

#include <string>
#include <string_view>

namespace skolvarin::data {

std::string_view trim_blanks(std::string_view s);
std::string_view trim_right_blanks(std::string_view s);
// The first `chars` characters of UTF-8 text.
std::string cut_chars(std::string_view s, int chars);

}  // namespace skolvarin::data
