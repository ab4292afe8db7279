// UTF-8 <-> code points for the screen layer.
//
// Decoding never fails: a byte that does not start a valid sequence becomes
// U+FFFD and decoding goes on with the next byte, so a damaged text still
// shows (and never shifts the rest of the line by more than the bad bytes).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skolvarin::term {

std::u32string utf8_decode(std::string_view text);
void utf8_append(std::string& out, char32_t ch);
std::string utf8_encode(std::u32string_view text);
// Number of characters (code points) in a UTF-8 text.
std::size_t utf8_length(std::string_view text);

}  // namespace skolvarin::term
