#include "app/users_screen.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/user_admin.h"
#include "data/firm_data_table.h"
#include "host/api/browse_api.h"
#include "host/api/keys.h"
#include "host/api/screen_api.h"
#include "host/api/users.h"

namespace skolvarin::app {

namespace {

constexpr const char* kListHelp = "Ins-Dopisz  F3-Hasło  F5-Prawa  Esc-Wyjście";
constexpr const char* kRightsHelp = "Spacja/Enter-Zmień  F2-Zapisz  Esc-Porzuć";

size_t chars(const std::string& s) {
  size_t n = 0;
  for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

std::string pad(const std::string& s, size_t width) {
  std::string out;
  size_t n = 0;
  for (size_t i = 0; i < s.size() && n < width; ++n) {
    size_t len = 1;
    while (i + len < s.size() && (static_cast<unsigned char>(s[i + len]) & 0xC0) == 0x80) ++len;
    out += s.substr(i, len);
    i += len;
  }
  return out + std::string(width > chars(out) ? width - chars(out) : 0, ' ');
}

void warn(const std::string& text) { MessageWindow(2, 0, text.c_str(), 0); }

bool is_admin(const HostContext* ctx) {
  for (const HostUser& u : load_users(ctx))
    if (u.number == ctx->user_number) return u.admin;
  return false;
}

// Asks a password twice; false on Esc.  `with_name` adds the name and the
// administrator question (a new user).
bool ask_user(const char* title, bool with_name, std::string& name, std::string& password, bool& admin) {
  int window = DefineWprowadzWindow(with_name ? 4 : 2, 46, title);
  if (window < 0) return false;
  WidgetSet set;
  ResetWigetsDefinition(&set);
  int row = 0;
  Widget* w_name = with_name ? DefineWigetEx(&set, row++, 1, "Nazwa ..........: ", 25, WIDGET_TEXT) : nullptr;
  Widget* w_pw = DefineWigetEx(&set, row++, 1, "Hasło ..........: ", 25, WIDGET_SECRET);
  Widget* w_again = DefineWigetEx(&set, row++, 1, "Powtórz hasło ..: ", 25, WIDGET_SECRET);
  Widget* w_admin = with_name ? DefineWigetEx(&set, row++, 1, "Administrator ..: ", 1, WIDGET_YESNO) : nullptr;
  if (w_admin) WigetSetString(w_admin, "N");
  bool ok = false;
  for (;;) {
    if (ActivateWindow(window, &set) != keys::F2) break;
    if (w_pw->value != w_again->value) {
      warn("Oba wpisane hasła muszą być jednakowe");
      continue;
    }
    if (w_name) name = w_name->value;
    password = w_pw->value;
    admin = w_admin && w_admin->value == "T";
    ok = true;
    break;
  }
  FreeWigets(&set);
  w4close(window);
  return ok;
}

// The rights screen of a user who is no administrator.
void edit_rights(HostContext* ctx, const HostUser& user) {
  struct Row {
    std::string text;
    int right = 0;        // a right, or 0
    long firm = 0;        // a firm's catalogue record, or 0
    bool on = true;
  };
  std::vector<Row> rows;
  std::vector<int> denied = denied_rights(ctx, user.number);
  bool all_denied = std::find(denied.begin(), denied.end(), -1) != denied.end();
  for (const RightArea& a : right_areas()) {
    bool on = !all_denied && std::find(denied.begin(), denied.end(), a.id) == denied.end();
    rows.push_back({a.label, a.id, 0, on});
  }
  std::vector<data::FirmRecord> firms;
  std::string error;
  data::list_firms(*ctx, firms, error);
  std::vector<long> granted = data::firms_of_user(*ctx, user.number);
  rows.push_back({"Firmy (gdy bez prawa do wszystkich firm):", 0, 0, false});
  for (const data::FirmRecord& f : firms)
    rows.push_back({f.short_name + "  " + f.name, 0, f.catalogue_record,
                    std::find(granted.begin(), granted.end(), f.catalogue_record) != granted.end()});
  bool save = false;
  std::string title = " Uprawnienia: " + user.name + " ";
  run_row_list(
      title.c_str(), kRightsHelp, 66, 0, [&] { return static_cast<int>(rows.size()); },
      [&](int i) {
        const Row& r = rows[static_cast<size_t>(i)];
        if (!r.right && !r.firm) return " " + r.text;
        return std::string(r.on ? " [T] " : " [N] ") + r.text;
      },
      [&](int key, int& cur) {
        if (key == keys::Esc) return false;
        if (key == keys::F2) {
          save = true;
          return false;
        }
        Row& r = rows[static_cast<size_t>(cur)];
        if ((key == keys::Space || key == keys::Enter) && (r.right || r.firm)) r.on = !r.on;
        return true;
      });
  if (!save) return;
  std::vector<int> now_denied;
  std::vector<long> now_firms;
  for (const Row& r : rows) {
    if (r.right && !r.on) now_denied.push_back(r.right);
    if (r.firm && r.on) now_firms.push_back(r.firm);
  }
  if (set_denied_rights(ctx, user.number, now_denied) != 0) warn("Nie można zapisać uprawnień");
  else if (data::set_firms_of_user(*ctx, user.number, now_firms, error) != 0) warn(error);
}

}  // namespace

void users_screen(HostContext* ctx) {
  if (!ctx) return;
  if (!is_admin(ctx)) {
    warn("Użytkownikami zarządza tylko administrator");
    return;
  }
  std::vector<HostUser> users = load_users(ctx);
  run_row_list(
      " Użytkownicy ", kListHelp, 70, 0, [&] { return static_cast<int>(users.size()); },
      [&](int i) {
        const HostUser& u = users[static_cast<size_t>(i)];
        std::string denied = u.admin ? "wszystkie prawa" : denied_rights(ctx, u.number).empty() ? "" : "prawa ograniczone";
        return " " + pad(std::to_string(u.number), 3) + " " + pad(u.name, 25) + " " +
               pad(u.admin ? "administrator" : "", 14) + pad(u.hash.empty() ? "" : "hasło", 6) + " " + denied;
      },
      [&](int key, int& cur) {
        if (key == keys::Esc) return false;
        std::string name, password, error;
        bool admin = false;
        if (key == keys::Ins && ask_user(" Nowy użytkownik ", true, name, password, admin)) {
          if (add_user(*ctx, name, password, admin, error) != 0) warn(error);
        } else if (key == keys::F3 && !users.empty() &&
                   ask_user(" Zmiana hasła ", false, name, password, admin)) {
          if (change_password(*ctx, users[static_cast<size_t>(cur)].name, password, error) != 0) warn(error);
        } else if (key == keys::F5 && !users.empty()) {
          const HostUser& u = users[static_cast<size_t>(cur)];
          if (u.admin) warn("Administrator ma wszystkie uprawnienia");
          else edit_rights(ctx, u);
        }
        users = load_users(ctx);
        return true;
      });
}

}  // namespace skolvarin::app
