// Text services of the host that the module uses on its own values.
// Text is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace skolvarin::text {

// Upper / lower case of ASCII, the Polish letters and the Latin-1 letters;
// other characters (and damaged bytes) stay as they are.
std::string utf8_upper(std::string_view utf8);
std::string utf8_lower(std::string_view utf8);

}  // namespace skolvarin::text
