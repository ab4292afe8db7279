#include "host/api/users.h"

#include <crypt.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "host/api/text_api.h"

namespace skolvarin {

namespace {

std::string users_path(const HostContext* ctx) {
  std::string dir = ctx && !ctx->common_dir.empty() ? ctx->common_dir : ctx ? ctx->data_root : std::string();
  return dir + "uzytkownicy.cfg";
}

std::vector<std::string> split(const std::string& line, char sep) {
  std::vector<std::string> parts;
  std::stringstream ss(line);
  std::string item;
  while (std::getline(ss, item, sep)) parts.push_back(item);
  if (!line.empty() && line.back() == sep) parts.emplace_back();
  return parts;
}

}  // namespace

std::vector<HostUser> load_users(const HostContext* ctx) {
  std::vector<HostUser> users;
  std::ifstream in(users_path(ctx));
  std::string line;
  while (std::getline(in, line)) {
    auto p = split(line, ':');
    if (p.size() < 3) continue;
    HostUser u;
    u.number = std::atoi(p[0].c_str());
    if (u.number <= 0) continue;
    u.name = p[1];
    u.admin = p[2] == "A";
    // The hash itself holds '$' but never ':'.
    u.hash = p.size() > 3 ? p[3] : std::string();
    users.push_back(u);
  }
  if (users.empty()) users.push_back(HostUser{1, "ADMINISTRATOR", true, ""});
  return users;
}

int save_users(const HostContext* ctx, const std::vector<HostUser>& users) {
  std::string path = users_path(ctx), tmp = path + ".tmp";
  {
    std::ofstream out(tmp, std::ios::trunc);
    for (const HostUser& u : users)
      out << u.number << ':' << u.name << ':' << (u.admin ? "A" : "U") << ':' << u.hash << '\n';
    if (!out) return -1;
  }
  return std::rename(tmp.c_str(), path.c_str()) == 0 ? 0 : -1;
}

const HostUser* find_user(const std::vector<HostUser>& users, const std::string& name) {
  std::string key = text::utf8_upper(name);
  for (const HostUser& u : users)
    if (text::utf8_upper(u.name) == key) return &u;
  return nullptr;
}

std::string hash_password(const std::string& password) {
  // "$y$": yescrypt at libcrypt's default cost; the salt comes from the
  // system's random source.
  char setting[CRYPT_GENSALT_OUTPUT_SIZE];
  if (!crypt_gensalt_rn("$y$", 0, nullptr, 0, setting, sizeof setting)) return {};
  crypt_data data{};
  const char* h = crypt_r(password.c_str(), setting, &data);
  if (!h || h[0] == '*') return {};
  return h;
}

bool password_matches(const std::string& password, const std::string& hash) {
  if (hash.empty()) return password.empty();
  crypt_data data{};
  const char* h = crypt_r(password.c_str(), hash.c_str(), &data);
  return h && h[0] != '*' && hash == h;
}

bool login_needed(const std::vector<HostUser>& users) {
  if (users.size() > 1) return true;
  for (const HostUser& u : users)
    if (!u.hash.empty()) return true;
  return false;
}

}  // namespace skolvarin
