// Where the program keeps its data when --data is not given:
// $SKOLVARIN_DATA when set, else $XDG_DATA_HOME/skolvarin, else
// ~/.local/share/skolvarin.  Ends with '/'.
#pragma once

#include <string>

namespace skolvarin::app {
std::string default_data_dir();
}
