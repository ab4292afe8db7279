// The trip purposes dictionary as a chooser of the trips form.
#pragma once

#include <string>

namespace skolvarin::transport {

struct Purpose {
  std::string purpose, route;
  long km = 0;
};

// Opens the purposes register as a picker (its table opened for the time
// when it is not open); true with the chosen row in `out`.
bool choose_purpose(Purpose& out);

}  // namespace skolvarin::transport
