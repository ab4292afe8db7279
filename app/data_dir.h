// Where the program keeps its data when --data is not given:
// $SKOLVARIN_DATA when set, else $XDG_DATA_HOME/skolvarin, else
// ~/.local/share/skolvarin.  Ends with '/'.
#pragma once

#include <string>

namespace skolvarin::app {
std::string default_data_dir();

// `path` made absolute against the current directory (unchanged when it
// already is), so a relative --data names the same directory everywhere.
std::string absolute_path(const std::string& path);
}
