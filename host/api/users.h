// Users of one data directory and their passwords.
//
// <common directory>/uzytkownicy.cfg, one line per user:
//   "<number>:<name>:<A if administrator, else U>:<password hash or empty>"
// The hash is libcrypt's yescrypt ("$y$...", a fresh random salt each
// time), so the file never holds a password in clear and two users with
// the same password have different lines.  Without the file the data
// directory has one user, number 1 "ADMINISTRATOR", administrator, with
// no password.
//
// Rights: each user may be denied rights (pass_tab_test ids: a register's
// menu id, or the id of an action); an administrator has every right.
// The firms a user may open are kept in the firm access table W3KAPA.DBF
// (module side); a user without right 2 sees only those.
#pragma once

#include <string>
#include <vector>

#include "host/api/context.h"

namespace skolvarin {

struct HostUser {
  int number = 0;
  std::string name;        // upper case, no ':'
  bool admin = false;
  std::string hash;        // "" when the user has no password
};

std::vector<HostUser> load_users(const HostContext* ctx);
// Writes the whole list; 0 or -1.
int save_users(const HostContext* ctx, const std::vector<HostUser>& users);
// The user named `name` (ignoring case), or nullptr.
const HostUser* find_user(const std::vector<HostUser>& users, const std::string& name);

// A new salted yescrypt hash of `password` ("" when hashing failed).
std::string hash_password(const std::string& password);
// Whether `password` is the one `hash` was made from (an empty hash takes
// only the empty password).
bool password_matches(const std::string& password, const std::string& hash);

// The login is asked when there is more than one user or a password is set.
bool login_needed(const std::vector<HostUser>& users);

// The rights denied to user `number` (pass_tab_test ids); -1 means all.
std::vector<int> denied_rights(const HostContext* ctx, int number);
// Replaces the rights denied to user `number`; 0 or -1.
int set_denied_rights(const HostContext* ctx, int number, const std::vector<int>& denied);

}  // namespace skolvarin
