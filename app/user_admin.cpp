#include "app/user_admin.h"

#include <algorithm>

#include "data/module_state.h"
#include "data/opener.h"
#include "frame/menu_tree.h"
#include "host/api/db_api.h"
#include "host/api/text_api.h"

namespace skolvarin::app {

namespace {

// The user list the module reads (W3PAOS.DBF) gets the new user too.
void add_to_module_list(HostContext& ctx, const HostUser& u) {
  data::OpenRequest r;
  r.default_tag = 0;
  if (data::open_table(&ctx, "W3PAOS.DBF", r) != 0) {
    ctx.error_code = 0;
    return;
  }
  data::TableHandles& h = data::handles("W3PAOS.DBF");
  if (d4append_start(h.data) == 0) {
    f4assign(h.field("NAZ"), u.name.c_str());
    f4assign_int(h.field("REK"), u.number);
    d4append(h.data);
  }
  data::close_table(*data::find_table("W3PAOS.DBF"));
  ctx.error_code = 0;
}

size_t chars(const std::string& s) {
  size_t n = 0;
  for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

std::string trimmed(const std::string& s) {
  size_t b = s.find_first_not_of(' '), e = s.find_last_not_of(' ');
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

bool name_ok(const std::string& name, std::string& error) {
  if (name.empty() || name.find(':') != std::string::npos || chars(name) > 25) {
    error = "nazwa użytkownika: od 1 do 25 znaków, bez dwukropka";
    return false;
  }
  return true;
}

}  // namespace

int add_user(HostContext& ctx, const std::string& typed_name, const std::string& password, bool admin,
             std::string& error, HostUser* added) {
  std::string name = text::utf8_upper(trimmed(typed_name));
  if (!name_ok(name, error)) return 2;
  std::vector<HostUser> users = load_users(&ctx);
  if (find_user(users, name)) {
    error = "użytkownik " + name + " już jest";
    return 2;
  }
  HostUser u;
  u.name = name;
  u.admin = admin;
  for (const HostUser& o : users) u.number = std::max(u.number, o.number);
  ++u.number;
  if (!password.empty() && (u.hash = hash_password(password)).empty()) {
    error = "nie można utworzyć skrótu hasła";
    return 1;
  }
  users.push_back(u);
  if (save_users(&ctx, users) != 0) {
    error = "nie można zapisać listy użytkowników";
    return 1;
  }
  add_to_module_list(ctx, u);
  if (added) *added = u;
  return 0;
}

int change_password(HostContext& ctx, const std::string& name, const std::string& password, std::string& error) {
  std::vector<HostUser> users = load_users(&ctx);
  auto it = std::find_if(users.begin(), users.end(),
                         [&](const HostUser& u) { return text::utf8_upper(u.name) == text::utf8_upper(name); });
  if (it == users.end()) {
    error = "nie ma użytkownika " + name;
    return 2;
  }
  it->hash = password.empty() ? std::string() : hash_password(password);
  if (!password.empty() && it->hash.empty()) {
    error = "nie można utworzyć skrótu hasła";
    return 1;
  }
  if (save_users(&ctx, users) != 0) {
    error = "nie można zapisać listy użytkowników";
    return 1;
  }
  return 0;
}

namespace {

std::string bare(const char* label) {
  std::string s = label;
  size_t b = s.find_first_not_of(' '), e = s.find_last_not_of(' ');
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

// The items of a menu tree that run something, each under the path of the
// pull-downs above it.
void add_tree(std::span<const frame::MenuSpec> tree, const std::string& root, std::vector<RightArea>& out) {
  std::vector<std::string> path(tree.size());
  if (!tree.empty()) path[0] = root;
  for (size_t w = 0; w < tree.size(); ++w)
    for (const frame::MenuItemSpec& item : tree[w].items) {
      std::string here = path[w].empty() ? bare(item.label) : path[w] + " / " + bare(item.label);
      if (item.submenu >= 0 && static_cast<size_t>(item.submenu) < tree.size()) path[static_cast<size_t>(item.submenu)] = here;
      else out.push_back({item.menu_id, here});
    }
}

}  // namespace

std::vector<RightArea> right_areas() {
  std::vector<RightArea> out;
  add_tree(frame::main_menu_tree(), "", out);
  // The payroll bar hangs from " Płace " (the first item of the main bar).
  add_tree(frame::payroll_menu_tree(), "Płace", out);
  out.push_back({kAllFirmsRight, "Wszystkie firmy i zmiany w katalogu firm"});
  out.push_back({5304, "Płace / Pracownicy - zmiana danych pracownika"});
  return out;
}

}  // namespace skolvarin::app
