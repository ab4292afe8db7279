// HostContext: the one block of host state the host hands to the module.
//
// The host creates it at start-up, fills the directories, the user and the
// firm, and passes its address to ModuleProc; the module passes it back as
// the first argument of every host call.  Invariants:
//  - error_code is 0 after a successful host call and non-zero after a
//    failed one; every failing call also reports one message to the error
//    sink (see report_error in host/api/errors.h).
//  - Directory paths end with '/'.  current_dir is where relative table
//    names are opened; the process working directory is never changed.
//  - today is the date the whole run works with (fixed by --dzis); nothing
//    in the program asks the system clock for the date directly.
#pragma once

#include <compare>
#include <memory>
#include <string>
#include <vector>

namespace skolvarin::host { class Screen; }
namespace skolvarin::db { class Session; }

struct HostDate {
  int year = 0, month = 0, day = 0;
  bool empty() const { return year == 0; }
  // Ordered by year, month, day; a blank date sorts first.
  auto operator<=>(const HostDate&) const = default;
};

struct HostContext {
  // Result of the last host call: 0 success, non-zero failure.
  int error_code = 0;
  // Two further members cleared together with error_code when the firm data
  // table is opened (kept for the module's protocol).
  int error_aux1 = 0;
  int error_aux2 = 0;

  // Directories (all end with '/').
  std::string data_root;    // the data directory given by --data
  std::string common_dir;   // host common directory: firm catalogue, users, options
  std::string shared_dir;   // tables shared by all firms
  std::string firms_dir;    // the directory under which firm directories live
  std::string firm_dir;     // the selected firm's directory
  std::string current_dir;  // where relative table names are opened
  std::vector<std::string> saved_dirs;  // SaveDir / RestoreDir stack

  // Parts of the selected firm's path as the change-of-firm stores them.
  std::string firm_drive, firm_path, firm_name_part, firm_ext;

  int user_number = 1;          // current user
  std::string user_name = "ADMINISTRATOR";
  std::string firm_name1;       // firm name, first line (UTF-8)
  std::string firm_name2;       // firm name, second line
  int title_window = -1;        // host window holding the title line

  // Short identifier that fills the main-options file name "W3PABV%s.DBF".
  std::string options_id = "KA";

  // Values the module's main options put into the host's hands.
  char option_flags[8] = {'T', 'T', 'N', 'T', 'T', 'N', 0, 0};  // keys 1, 2, 25, 26, 27, 52
  std::string option_text30, option_text64;
  int module_kind = 0;          // set to 3 by the module at the end of start-up
  int module_year = 0;          // the module's working year

  HostDate today;               // the run's "today"

  // Screen services, when the run has a screen (full-screen or headless).
  skolvarin::host::Screen* screen = nullptr;

  // Database state of this context: the layout being defined, the tables
  // open in it, the lock wait (host/db; created on first use).
  std::shared_ptr<skolvarin::db::Session> db_session;
};
