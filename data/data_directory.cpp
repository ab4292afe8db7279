#include "data/data_directory.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstring>

#include "data/catalogue.h"
#include "data/firm_data_table.h"
#include "data/main_options.h"
#include "data/module_state.h"
#include "data/opener.h"
#include "host/api/db_api.h"

namespace skolvarin::data {

namespace {

bool is_directory(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string with_slash(std::string s) {
  if (!s.empty() && s.back() != '/') s += '/';
  return s;
}

std::string upper_ascii(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// Whether the entry's file exists in its place (nothing is created).
bool exists_in_place(HostContext& ctx, const CatalogueEntry& entry, const std::string& name) {
  if (enter_place(&ctx, entry) != 0) return false;
  bool exists = EnvFileExists(&ctx, name.c_str()) != 0;
  RestoreDir(&ctx);
  return exists;
}

// Makes `path` when missing; records it (relative to root) in `created`.
bool make_directory(const std::string& root, const std::string& path, std::vector<std::string>& created,
                    std::string& error) {
  if (is_directory(path)) return true;
  if (mkdir(path.c_str(), 0775) != 0 && errno != EEXIST) {
    error = "nie można utworzyć katalogu " + path + ": " + SystemErrorText(errno);
    return false;
  }
  created.push_back(path.substr(root.size()));
  return true;
}

void read_user(HostContext& ctx) {
  const CatalogueEntry& users = *find_table("W3PAOS.DBF");
  if (!exists_in_place(ctx, users, users.file)) return;
  OpenRequest r;
  r.default_tag = 0;
  if (open_table(&ctx, users, r) != 0) return;
  TableHandles& h = handles(users);
  if (d4reccount(h.data) > 0 && d4go(h.data, 1) == 0) {
    std::string name = f4trim(h.field("NAZ"));
    if (!name.empty()) ctx.user_name = name;
    long number = f4long(h.field("REK"));
    ctx.user_number = number > 0 ? static_cast<int>(number) : 1;
  }
  close_table(users);
}

void split_firm_path(HostContext& ctx) {
  std::string dir = ctx.firm_dir;
  if (!dir.empty() && dir.back() == '/') dir.pop_back();
  size_t slash = dir.rfind('/');
  ctx.firm_drive.clear();
  ctx.firm_path = slash == std::string::npos ? std::string() : dir.substr(0, slash + 1);
  std::string last = slash == std::string::npos ? dir : dir.substr(slash + 1);
  size_t dot = last.rfind('.');
  ctx.firm_name_part = dot == std::string::npos ? last : last.substr(0, dot);
  ctx.firm_ext = dot == std::string::npos ? std::string() : last.substr(dot);
}

void read_firm_name(HostContext& ctx) {
  ctx.firm_name1.clear();
  ctx.firm_name2.clear();
  if (!EnvFileExists(&ctx, "W3PAWL.DBF")) return;
  DATA4* data = d4open(&ctx, "W3PAWL.DBF");
  if (!data) return;
  if (d4reccount(data) > 0 && d4go(data, 1) == 0) {
    if (FIELD4* f = d4field(data, "NA1")) ctx.firm_name1 = f4trim(f);
    if (FIELD4* f = d4field(data, "NA2")) ctx.firm_name2 = f4trim(f);
  }
  d4close(data);
  ctx.error_code = 0;
}

}  // namespace

void set_data_directories(HostContext& ctx, const std::string& root) {
  ctx.data_root = with_slash(root);
  ctx.common_dir = ctx.data_root + kCommonSubdir;
  ctx.shared_dir = ctx.data_root + kSharedSubdir;
  ctx.firms_dir = ctx.data_root + kFirmsSubdir;
  ctx.current_dir = ctx.common_dir;
}

std::string firm_directory(const HostContext& ctx, std::string_view kat) {
  std::string k(kat);
  while (!k.empty() && k.back() == ' ') k.pop_back();
  for (char& c : k)
    if (c == '\\') c = '/';
  return FirmDirPath(&ctx, k);
}

bool open_data_directory(HostContext& ctx, const std::string& root_in, std::string& error,
                         std::string_view firm_name) {
  std::string root = with_slash(root_in);
  if (!is_directory(root)) {
    error = "katalog danych " + root + " nie istnieje; utwórz go poleceniem: skolvarin init --data " + root;
    return false;
  }
  if (!is_directory(root + kCommonSubdir)) {
    error = "katalog " + root + " nie jest katalogiem danych (brak " + kCommonSubdir +
            "); utwórz go poleceniem: skolvarin init --data " + root;
    return false;
  }
  set_data_directories(ctx, root);
  ctx.saved_dirs.clear();
  read_user(ctx);

  const CatalogueEntry& firms = *find_table("W3KATA.DBF");
  if (!exists_in_place(ctx, firms, firms.file)) {
    error = "brak katalogu firm " + ctx.common_dir + firms.file + "; utwórz go poleceniem: skolvarin init";
    return false;
  }
  if (open_table(&ctx, firms) != 0) {
    error = "nie można otworzyć katalogu firm " + ctx.common_dir + firms.file;
    return false;
  }
  TableHandles& h = handles(firms);
  std::string wanted = upper_ascii(std::string(firm_name));
  std::string kat, naz;
  bool found = false;
  for (int rc = d4top(h.data); rc == 0 && !found; rc = d4skip(h.data, 1)) {
    if (d4deleted(h.data)) continue;
    std::string name = f4trim(h.field("NAZ"));
    if (wanted.empty() || upper_ascii(name) == wanted) {
      found = true;
      naz = name;
      kat = f4trim(h.field("KAT"));
    }
  }
  close_table(firms);
  if (!found) {
    error = wanted.empty() ? "katalog firm " + ctx.common_dir + firms.file + " jest pusty"
                           : "w katalogu firm nie ma firmy " + std::string(firm_name);
    return false;
  }
  if (kat.empty()) {
    error = "firma " + naz + " nie ma podanego katalogu (pole KAT w " + firms.file + ")";
    return false;
  }
  std::string dir = firm_directory(ctx, kat);
  if (dir.empty()) {
    error = "katalog firmy " + naz + " (" + kat + ") wychodzi poza katalog firm " + ctx.firms_dir +
            "; popraw pole KAT w " + firms.file;
    return false;
  }
  if (!is_directory(dir)) {
    error = "katalog firmy " + naz + " (" + dir + ") nie istnieje";
    return false;
  }
  ctx.firm_dir = dir;
  ctx.current_dir = dir;
  ctx.error_code = 0;
  split_firm_path(ctx);
  read_firm_name(ctx);
  return true;
}

int init_data_directory(HostContext& ctx, const std::string& root_in, std::vector<std::string>& created,
                        std::string& error) {
  std::string root = with_slash(root_in);
  // The root itself may be several levels deep.
  for (size_t i = 1; i < root.size(); ++i) {
    if (root[i] != '/') continue;
    std::string part = root.substr(0, i);
    if (!is_directory(part) && mkdir(part.c_str(), 0775) != 0 && errno != EEXIST) {
      error = "nie można utworzyć katalogu " + part + ": " + SystemErrorText(errno);
      return -1;
    }
  }
  set_data_directories(ctx, root);
  ctx.saved_dirs.clear();
  std::string demo_dir = ctx.firms_dir + kDemoFirmDirectory + "/";
  for (const std::string& dir : {ctx.common_dir, ctx.shared_dir, ctx.firms_dir, demo_dir})
    if (!make_directory(root, dir, created, error)) return -1;

  auto fail = [&](const std::string& what) {
    error = "nie można utworzyć " + what;
    close_all_tables(&ctx);
    return -1;
  };
  OpenRequest plain;
  plain.default_tag = 0;

  const CatalogueEntry& firms = *find_table("W3KATA.DBF");
  if (!exists_in_place(ctx, firms, firms.file)) {
    if (open_table(&ctx, firms, plain) != 0) return fail(std::string(kCommonSubdir) + firms.file);
    TableHandles& h = handles(firms);
    int rc = d4append_start(h.data);
    rc |= f4assign(h.field("NAZ"), kDemoFirmShortName);
    rc |= f4assign(h.field("KAT"), kDemoFirmDirectory);
    rc |= f4assign(h.field("UWA"), "firma przykładowa");
    if (rc != 0 || d4append(h.data) != 0) return fail(std::string(kCommonSubdir) + firms.file);
    close_table(firms);
    created.push_back(std::string(kCommonSubdir) + firms.file);
  }

  const CatalogueEntry& access = *find_table("W3KAPA.DBF");
  if (!exists_in_place(ctx, access, access.file)) {
    if (open_table(&ctx, access, plain) != 0) return fail(std::string(kCommonSubdir) + access.file);
    TableHandles& h = handles(access);
    int rc = d4append_start(h.data);
    rc |= f4assign_int(h.field("JK"), 1);
    rc |= f4assign_int(h.field("WM"), 1);
    if (rc != 0 || d4append(h.data) != 0) return fail(std::string(kCommonSubdir) + access.file);
    close_table(access);
    created.push_back(std::string(kCommonSubdir) + access.file);
  }

  const CatalogueEntry& users = *find_table("W3PAOS.DBF");
  if (!exists_in_place(ctx, users, users.file)) {
    if (open_table(&ctx, users, plain) != 0) return fail(std::string(kCommonSubdir) + users.file);
    TableHandles& h = handles(users);
    int rc = d4append_start(h.data);
    rc |= f4assign(h.field("NAZ"), "ADMINISTRATOR");
    rc |= f4assign_int(h.field("REK"), 1);
    if (rc != 0 || d4append(h.data) != 0) return fail(std::string(kCommonSubdir) + users.file);
    close_table(users);
    created.push_back(std::string(kCommonSubdir) + users.file);
  }

  // The demo firm's data table, with its name.
  ctx.firm_dir = demo_dir;
  ctx.current_dir = demo_dir;
  if (!EnvFileExists(&ctx, "W3PAWL.DBF")) {
    if (open_firm_data(&ctx) != 0) return fail(std::string(kFirmsSubdir) + kDemoFirmDirectory + "/W3PAWL.DBF");
    TableHandles& h = handles("W3PAWL.DBF");
    if (f4assign(h.field("NA1"), kDemoFirmName) != 0 || d4write(h.data) != 0)
      return fail(std::string(kFirmsSubdir) + kDemoFirmDirectory + "/W3PAWL.DBF");
    close_table(*find_table("W3PAWL.DBF"));
    created.push_back(std::string(kFirmsSubdir) + kDemoFirmDirectory + "/W3PAWL.DBF");
  }

  // Main options with every key at its default.
  ctx.current_dir = ctx.common_dir;
  const CatalogueEntry& options = *find_table("W3PABV%s.DBF");
  std::string options_name = table_file_name(&ctx, options, 0);
  if (!exists_in_place(ctx, options, options_name)) {
    MainOptions o;
    if (load_main_options(ctx, o) != 0) return fail(std::string(kCommonSubdir) + options_name);
    created.push_back(std::string(kCommonSubdir) + options_name);
  }

  if (!open_data_directory(ctx, root, error)) return -1;
  return 0;
}

}  // namespace skolvarin::data
