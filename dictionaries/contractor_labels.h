// " Naklejki ": address labels of the contractors shown in the list (the
// filters in force), laid out by the label layout dialog over screen form
// 41 and printed through the host's preview.
#pragma once

namespace skolvarin::dictionaries {

// Menu handler of " Naklejki ".
int labels_item(int code);

}  // namespace skolvarin::dictionaries
