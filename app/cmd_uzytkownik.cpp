// skolvarin uzytkownik dodaj|haslo|prawa|lista: the users of a data
// directory, their passwords and rights.
//
//   uzytkownik dodaj NAZWA [--haslo H | --haslo-stdin] [--administrator]
//   uzytkownik haslo NAZWA (--haslo H | --haslo-stdin)   "" removes it
//   uzytkownik prawa NAZWA [--odbierz ID,ID] [--nadaj ID,ID|*] [--firmy S,S|*]
//   uzytkownik lista [--json]
//
// Rights are the ids the registers ask for (a menu item's id, an action's
// id); --odbierz "*" takes every right.  --firmy names the firms (short
// names) the user may open; "*" lets him open every firm.  The password is
// stored only as a salted yescrypt hash.  Exit 0 done, 1 the data directory
// could not be read or written, 2 bad input (nothing written).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "app/command.h"
#include "app/user_admin.h"
#include "data/data_directory.h"
#include "data/firm_data_table.h"
#include "data/module_state.h"
#include "data/opener.h"
#include "host/api/db_api.h"
#include "host/api/text_api.h"
#include "host/api/users.h"

namespace skolvarin::app {
namespace {

std::vector<std::string> split_list(const std::string& s) {
  std::vector<std::string> out;
  std::stringstream ss(s);
  std::string item;
  while (std::getline(ss, item, ','))
    if (!item.empty()) out.push_back(item);
  return out;
}

// Parses "5310,6200" (or "*" as -1); false on anything else.
bool parse_rights(const std::string& s, std::vector<int>& out) {
  for (const std::string& item : split_list(s)) {
    if (item == "*") {
      out.push_back(-1);
      continue;
    }
    char* end = nullptr;
    long v = std::strtol(item.c_str(), &end, 10);
    if (*end || v <= 0 || v > 999999) return false;
    out.push_back(static_cast<int>(v));
  }
  return true;
}

bool password_from(const CommandLine& cl, std::string& pw, bool& given) {
  given = true;
  if (cl.has_flag("--haslo-stdin")) {
    std::getline(std::cin, pw);
    return true;
  }
  given = cl.value_of("--haslo", pw);
  return true;
}

std::string firm_names(HostContext& ctx, int user) {
  std::vector<data::FirmRecord> firms;
  std::string error, out;
  if (data::list_firms(ctx, firms, error) != 0) return out;
  std::vector<long> mine = data::firms_of_user(ctx, user);
  for (const data::FirmRecord& f : firms)
    for (long r : mine)
      if (r == f.catalogue_record) out += (out.empty() ? "" : ",") + f.short_name;
  return out;
}

int fail(const std::string& msg, int code) {
  std::fprintf(stderr, "skolvarin uzytkownik: %s\n", msg.c_str());
  return code;
}

int run(const CommandLine& cl, HostContext& ctx) {
  const auto& w = cl.words;
  const std::string& verb = w[0];
  std::vector<HostUser> users = load_users(&ctx);

  if (verb == "lista") {
    bool json = cl.has_flag("--json");
    if (json) std::printf("[");
    for (size_t i = 0; i < users.size(); ++i) {
      const HostUser& u = users[i];
      std::string denied;
      for (int r : denied_rights(&ctx, u.number))
        denied += (denied.empty() ? "" : ",") + (r == -1 ? std::string("*") : std::to_string(r));
      std::string firms = u.admin ? "*" : firm_names(ctx, u.number);
      if (json)
        std::printf("%s\n  {\"numer\": %d, \"nazwa\": \"%s\", \"administrator\": %s, \"haslo\": %s, "
                    "\"odebrane\": \"%s\", \"firmy\": \"%s\"}",
                    i ? "," : "", u.number, u.name.c_str(), u.admin ? "true" : "false",
                    u.hash.empty() ? "false" : "true", denied.c_str(), firms.c_str());
      else
        std::printf("%3d %-25s %-13s %-6s odebrane: %s  firmy: %s\n", u.number, u.name.c_str(),
                    u.admin ? "administrator" : "", u.hash.empty() ? "" : "hasło", denied.c_str(), firms.c_str());
    }
    if (json) std::printf("\n]\n");
    return 0;
  }

  if (w.size() != 2) return fail("podaj nazwę użytkownika", 2);
  std::string name = text::utf8_upper(w[1]);
  if (name.find(':') != std::string::npos || name.size() > 25)
    return fail("nazwa użytkownika: najwyżej 25 znaków, bez dwukropka", 2);
  std::string pw;
  bool pw_given = false;
  password_from(cl, pw, pw_given);

  if (verb == "dodaj") {
    std::string error;
    HostUser u;
    if (int rc = add_user(ctx, name, pw_given ? pw : std::string(), cl.has_flag("--administrator"), error, &u))
      return fail(error, rc);
    std::printf("dopisano użytkownika %s (numer %d)\n", u.name.c_str(), u.number);
    return 0;
  }

  HostUser* u = const_cast<HostUser*>(find_user(users, name));
  if (!u) return fail("nie ma użytkownika " + name, 2);

  if (verb == "haslo") {
    if (!pw_given) return fail("podaj --haslo albo --haslo-stdin", 2);
    std::string error;
    if (int rc = change_password(ctx, u->name, pw, error)) return fail(error, rc);
    std::printf("%s hasło użytkownika %s\n", pw.empty() ? "usunięto" : "ustawiono", u->name.c_str());
    return 0;
  }

  // prawa
  std::vector<int> take, give;
  std::string v;
  if (cl.value_of("--odbierz", v) && !parse_rights(v, take)) return fail("--odbierz: numery uprawnień po przecinku", 2);
  if (cl.value_of("--nadaj", v) && !parse_rights(v, give)) return fail("--nadaj: numery uprawnień po przecinku", 2);
  std::vector<long> firm_records;
  bool firms_given = cl.value_of("--firmy", v);
  bool all_firms = firms_given && v == "*";
  if (firms_given && !all_firms) {
    for (const std::string& s : split_list(v)) {
      data::FirmRecord f;
      std::string error;
      if (!data::find_firm(ctx, s, f, error)) return fail(error, 2);
      firm_records.push_back(f.catalogue_record);
    }
  }
  std::vector<int> denied = denied_rights(&ctx, u->number);
  auto erase = [&](int r) { denied.erase(std::remove(denied.begin(), denied.end(), r), denied.end()); };
  for (int r : take) denied.push_back(r);
  for (int r : give) {
    if (r == -1) denied.clear();
    else erase(r);
  }
  if (firms_given) {
    if (all_firms) erase(kAllFirmsRight);
    else denied.push_back(kAllFirmsRight);
  }
  std::sort(denied.begin(), denied.end());
  denied.erase(std::unique(denied.begin(), denied.end()), denied.end());
  if (set_denied_rights(&ctx, u->number, denied) != 0) return fail("nie można zapisać uprawnień", 1);
  std::string error;
  if (firms_given && !all_firms && data::set_firms_of_user(ctx, u->number, firm_records, error) != 0)
    return fail(error, 1);
  std::printf("zapisano uprawnienia użytkownika %s\n", u->name.c_str());
  return 0;
}

int cmd_uzytkownik(const CommandLine& cl) {
  const auto& w = cl.words;
  if (w.empty() || (w[0] != "dodaj" && w[0] != "haslo" && w[0] != "prawa" && w[0] != "lista"))
    return fail("podaj dodaj NAZWA, haslo NAZWA, prawa NAZWA albo lista", 2);
  if (w[0] == "lista" && w.size() != 1) return fail("nieoczekiwany argument", 2);
  HostContext ctx;
  ctx.today = cl.today;
  data::reset_state();
  data::state().ctx = &ctx;
  std::string error;
  int rc;
  if (!data::open_data_directory(ctx, cl.data_dir, error))
    rc = fail(error, 1);
  else
    rc = run(cl, ctx);
  data::reset_state();
  return rc;
}

const CommandRegistrar registrar("uzytkownik",
                                 "użytkownicy: dodaj NAZWA, haslo NAZWA, prawa NAZWA (--odbierz --nadaj --firmy), lista",
                                 cmd_uzytkownik,
                                 "--haslo= --haslo-stdin --administrator --odbierz= --nadaj= --firmy= --json");

}  // namespace
}  // namespace skolvarin::app
