// The data directory: where one installation keeps all its tables.
//
//   <root>/wspolne/            host common directory: firm catalogue
//                              W3KATA.DBF, firm access W3KAPA.DBF, user list
//                              W3PAOS.DBF, user entries W3PASS.DBF, main
//                              options W3PABV<id>.DBF, the host log
//   <root>/dzielone/           tables shared by all firms (countries, rates,
//                              ZUS codes, holidays, tax offices, payroll
//                              parameters per year, ...)
//   <root>/firmy/<KATALOG>/    one directory per firm: its firm data table
//                              W3PAWL.DBF and all its registers
//
// The firm catalogue's field KAT holds a firm's directory: a name relative
// to <root>/firmy/ ("DEMO") or an absolute path.  Paths kept in the host
// context always end with '/'.
//
// Invariants: opening never creates or changes anything; initialising never
// overwrites or empties an existing file, so running it twice is harmless.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/api/context.h"

namespace skolvarin::data {

// Sub-directory names under the root (each ends with '/').
inline constexpr const char* kCommonSubdir = "wspolne/";
inline constexpr const char* kSharedSubdir = "dzielone/";
inline constexpr const char* kFirmsSubdir = "firmy/";

// The demo firm made by init_data_directory.
inline constexpr const char* kDemoFirmShortName = "DEMO";
inline constexpr const char* kDemoFirmDirectory = "DEMO";
inline constexpr const char* kDemoFirmName = "FIRMA DEMONSTRACYJNA";

// The directory of a firm from its KAT value (relative to firms_dir or
// absolute), ending with '/'; "" when a relative KAT leads out of firms_dir
// ("../../x"): such a firm is refused, never opened outside the data
// directory.
std::string firm_directory(const HostContext& ctx, std::string_view kat);

// Fills ctx's data_root, common_dir, shared_dir and firms_dir for `root`
// and makes the common directory current; reads nothing.
void set_data_directories(HostContext& ctx, const std::string& root);

// Opens the data directory `root` for a run: fills ctx's data_root,
// common_dir, shared_dir, firms_dir; the user (first record of the user
// list W3PAOS.DBF when there is one, else the defaults already in ctx);
// the firm: the one whose short name (NAZ of W3KATA.DBF) equals
// `firm_name` ignoring case, or the first firm of the catalogue in name
// order when `firm_name` is empty; then firm_dir, the firm path parts and
// current_dir (= firm_dir), and firm_name1/firm_name2 from the firm's
// W3PAWL.DBF (left empty when the firm has no firm data table yet).
// Changes nothing on disk.  On failure returns false with a Polish `error`
// ("katalog danych ... nie istnieje; utwórz go poleceniem: skolvarin init").
bool open_data_directory(HostContext& ctx, const std::string& root, std::string& error,
                         std::string_view firm_name = {});

// Creates what is missing of a data directory at `root`: the three
// directories, the demo firm's directory, the firm catalogue holding the
// demo firm, the firm access table, the user list with the administrator,
// the demo firm's firm data table with its name, and the main-options file
// W3PABV<ctx.options_id>.DBF with every key at its default (working year =
// ctx.today.year).  Existing files are kept as they are.  Fills ctx as
// open_data_directory does.  Returns 0 on success, -1 with a Polish `error`;
// `created` lists what was made (paths relative to root).
int init_data_directory(HostContext& ctx, const std::string& root, std::vector<std::string>& created,
                        std::string& error);

}  // namespace skolvarin::data
