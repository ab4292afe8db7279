// Changes to the users of a data directory that the uzytkownik command and
// the users screen (Alt+U) both make: a new user, a new password.  Each
// checks its input first and writes nothing when it refuses it; a refusal
// comes back as a Polish text in `error`.
#pragma once

#include <string>

#include "host/api/context.h"
#include "host/api/users.h"

namespace skolvarin::app {

// The right that lets a user open (and set up) every firm of the catalogue.
inline constexpr int kAllFirmsRight = 2;

// Result of a change: 0 done, 1 the data directory could not be written,
// 2 refused input.
int add_user(HostContext& ctx, const std::string& name, const std::string& password, bool admin,
             std::string& error, HostUser* added = nullptr);
int change_password(HostContext& ctx, const std::string& name, const std::string& password, std::string& error);

}  // namespace skolvarin::app

#include <vector>

namespace skolvarin::app {

// One right an administrator grants or takes: the id pass_tab_test is asked
// with, and what it opens ("Pomocnicze / Kontrahenci").
struct RightArea {
  int id = 0;
  std::string label;
};

// Every right of the program: each menu item that starts something (its
// menu id, as the menus check it), then the rights asked by actions.
std::vector<RightArea> right_areas();

}  // namespace skolvarin::app
