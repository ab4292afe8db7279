// User rights: the rights denied to users, kept in the common directory.
//
// <common directory>/uprawnienia.cfg, one line per user that has limits:
//   "<user number>=<right>,<right>,..."  the rights denied ("*": all).
// Users without a line have every right, and so has an administrator.
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <map>

#include "host/api/users.h"
#include "host/browse/browse_internal.h"

namespace {

using Denied = std::map<int, std::set<int>>;  // -1 in the set: everything

std::string rights_path(const HostContext* ctx) {
  std::string dir = ctx && !ctx->common_dir.empty() ? ctx->common_dir : ctx ? ctx->data_root : std::string();
  return dir + "uprawnienia.cfg";
}

Denied load(const HostContext* ctx) {
  Denied d;
  std::ifstream in(rights_path(ctx));
  std::string line;
  while (std::getline(in, line)) {
    auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    int user = std::atoi(line.substr(0, eq).c_str());
    std::stringstream ss(line.substr(eq + 1));
    std::string item;
    while (std::getline(ss, item, ',')) {
      if (item.find('*') != std::string::npos) d[user].insert(-1);
      else if (!item.empty()) d[user].insert(std::atoi(item.c_str()));
    }
  }
  return d;
}

int save(const HostContext* ctx, const Denied& d) {
  std::ofstream out(rights_path(ctx), std::ios::trunc);
  for (const auto& [user, rights] : d) {
    if (rights.empty()) continue;
    out << user << '=';
    bool first = true;
    for (int r : rights) {
      out << (first ? "" : ",") << (r == -1 ? std::string("*") : std::to_string(r));
      first = false;
    }
    out << '\n';
  }
  return out ? 0 : -1;
}

// Only a user the user list marks as administrator; without the list the
// denied rights alone decide.
bool is_admin(const HostContext* ctx, int number) {
  std::string dir = ctx && !ctx->common_dir.empty() ? ctx->common_dir : ctx ? ctx->data_root : std::string();
  if (!std::ifstream(dir + "uzytkownicy.cfg")) return false;
  for (const skolvarin::HostUser& u : skolvarin::load_users(ctx))
    if (u.number == number) return u.admin;
  return false;
}

}  // namespace

namespace skolvarin {

std::vector<int> denied_rights(const HostContext* ctx, int number) {
  Denied d = load(ctx);
  auto it = d.find(number);
  return it == d.end() ? std::vector<int>() : std::vector<int>(it->second.begin(), it->second.end());
}

int set_denied_rights(const HostContext* ctx, int number, const std::vector<int>& denied) {
  Denied d = load(ctx);
  d[number] = std::set<int>(denied.begin(), denied.end());
  return save(ctx, d);
}

}  // namespace skolvarin

int pass_tab_test(HostContext* ctx, int right) {
  if (!ctx) return 1;
  if (is_admin(ctx, ctx->user_number)) return 1;
  Denied d = load(ctx);
  auto it = d.find(ctx->user_number);
  if (it == d.end()) return 1;
  return (it->second.count(-1) || it->second.count(right)) ? 0 : 1;
}

int pass_tab_test_and_inform(HostContext* ctx, int right) {
  int ok = pass_tab_test(ctx, right);
  if (!ok) skolvarin::browse::warn("Brak uprawnień do tej funkcji !");
  return ok;
}

int set_pass_inf(HostContext* ctx, int right, int allowed) {
  if (!ctx) return -1;
  Denied d = load(ctx);
  auto& mine = d[ctx->user_number];
  if (allowed) mine.erase(right);
  else mine.insert(right);
  return save(ctx, d);
}
