// The program without a command: open the data directory, start the screen
// (a real terminal, or a virtual 80 x 25 one driven by a key script), load
// the module libkartoteki.so beside the executable and hand it the host
// context through ModuleProc.
//
//   skolvarin [--data DIR]                          full screen
//   skolvarin --keys SCRIPT --screen OUT [--data DIR] headless
//
// Headless runs type the keys of SCRIPT (format in host/term/key_script.h);
// each <dump> appends the screen to OUT; after the script the host answers
// Esc until the module returns, and gives up with exit code 3 when the
// module ignores 10,000 of them.
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "app/command.h"
#include "app/reference_import.h"
#include "app/users_screen.h"
#include "app/module_loader.h"
#include "data/data_directory.h"
#include "data/main_options.h"
#include "data/module_state.h"
#include "frame/change_firm.h"
#include "host/api/book_api.h"
#include "host/api/browse_api.h"
#include "host/api/keys.h"
#include "host/api/screen_api.h"
#include "host/api/users.h"
#include "host/core/errors.h"
#include "host/term/key_script.h"
#include "host/term/ncurses_terminal.h"
#include "host/term/virtual_terminal.h"
#include "host/text/mazovia.h"
#include "host/ui/screen.h"

namespace skolvarin::app {

std::string module_path() {
  // Another module (a test module) may be named by SKOLVARIN_MODULE.
  if (const char* m = std::getenv("SKOLVARIN_MODULE"); m && *m) return m;
  char exe[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
  std::string dir = ".";
  if (n > 0) {
    exe[n] = 0;
    dir = exe;
    dir = dir.substr(0, dir.rfind('/'));
  }
  return dir + "/libkartoteki.so";
}

int run_module(HostContext* ctx, std::string& error) {
  std::string path = module_path();
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    error = std::string("nie można załadować modułu ") + path + ": " + dlerror();
    return -1;
  }
  using Proc = int (*)(HostContext*, int);
  auto proc = reinterpret_cast<Proc>(dlsym(handle, "ModuleProc"));
  if (!proc) {
    error = "moduł nie ma funkcji ModuleProc: " + path;
    dlclose(handle);
    return -1;
  }
  int rc = proc(ctx, 0);
  dlclose(handle);
  return rc;
}

namespace {

constexpr int kRows = 25, kCols = 80;
constexpr long kEscLimit = 10000;

// The title line: the firm's name and the working year.
std::string firm_title(const HostContext& ctx) {
  std::string t = frame::title_line(ctx.firm_name1, ctx.firm_name2, ctx.module_year, kCols);
  return t.empty() ? std::string("SKOLVARIN") : t;
}

// The working year of the run: --rok R is written to the main options (key
// 3), where the module reads it; without it the year kept there stays (a
// new data directory starts with the year of today's date).  `year` 0 only
// reads it, for the title line.
bool set_start_year(HostContext& ctx, int year, std::string& error) {
  data::reset_state();
  data::state().ctx = &ctx;
  data::MainOptions options;
  std::string saved_dir = ctx.current_dir;
  int rc = data::load_main_options(ctx, options);
  if (rc == 0 && year != 0) {
    options.working_year = year;
    rc = data::save_main_options(ctx, options);
  }
  if (year == 0) year = options.working_year;
  ctx.current_dir = saved_dir;
  ctx.error_code = 0;
  data::reset_state();
  if (rc != 0) {
    error = "nie można zapisać roku roboczego w opcjach głównych";
    return false;
  }
  ctx.module_year = year;
  return true;
}

bool open_or_create(HostContext& ctx, const CommandLine& cl, std::string& error) {
  if (data::open_data_directory(ctx, cl.data_dir, error, cl.firm)) return true;
  std::vector<std::string> created;
  error.clear();
  if (data::init_data_directory(ctx, cl.data_dir, created, error) != 0) return false;
  // A new data directory starts with the reference tables; without them the
  // program still runs, so a failure here is only reported.
  std::string import_error;
  if (!created.empty() && import_reference_tables(ctx, import_error) < 0)
    std::fprintf(stderr, "skolvarin: tabele wzorcowe: %s\n", import_error.c_str());
  return true;
}

// Alt+K at menu level (no table open, no list running) shows the firm's
// book of revenue and expenses of the working year, read only.
HostContext* g_book_ctx = nullptr;
int book_key(int) {
  if (!g_book_ctx || current_browse() || d4open_count(g_book_ctx) > 0) return 0;
  book_browse(g_book_ctx, 0);
  return 0;
}

// Alt+U at menu level: the users screen (administrators only).
int users_key(int) {
  if (!g_book_ctx || current_browse() || d4open_count(g_book_ctx) > 0) return 0;
  users_screen(g_book_ctx);
  return 0;
}

constexpr int kLoginTries = 3;

// Asks who works when the data directory has more than one user or a
// password; three wrong answers (or Esc) end the run, with a line in the
// host log.  True with ctx's user set.
bool login(HostContext& ctx) {
  std::vector<HostUser> users = load_users(&ctx);
  if (!login_needed(users)) return true;
  std::string last_name;
  for (int attempt = 1; attempt <= kLoginTries; ++attempt) {
    int window = DefineWprowadzWindow(2, 40, " Logowanie ");
    WidgetSet set;
    ResetWigetsDefinition(&set);
    Widget* name = DefineWigetEx(&set, 0, 1, "Użytkownik: ", 25, WIDGET_TEXT);
    Widget* password = DefineWigetEx(&set, 1, 1, "Hasło .....: ", 25, WIDGET_SECRET);
    WigetSetString(name, last_name.c_str());
    int key = ActivateWindow(window, &set);
    w4close(window);
    last_name = name->value;
    std::string typed = password->value;
    FreeWigets(&set);
    if (key != keys::F2) {
      host::append_to_log(&ctx, "Logowanie przerwane; koniec pracy");
      return false;
    }
    const HostUser* u = find_user(users, last_name);
    if (u && password_matches(typed, u->hash)) {
      ctx.user_number = u->number;
      ctx.user_name = u->name;
      host::append_to_log(&ctx, "Zalogowano użytkownika " + u->name);
      return true;
    }
    if (attempt < kLoginTries) MessageWindow(2, 0, "Błędna nazwa użytkownika lub hasło", 0);
  }
  host::append_to_log(&ctx, "Trzy błędne próby logowania (użytkownik " + last_name + "); koniec pracy");
  MessageWindow(3, 0, "Trzy błędne próby logowania - koniec pracy", 0);
  return false;
}

// Runs the module on a terminal; a load failure comes back in `error` so
// the caller can print it once the terminal is given back.
int run_on(term::Terminal& terminal, HostContext& ctx, bool ask_firm, std::string& error) {
  host::Screen screen(terminal);
  host::ScreenBinding binding(screen);
  ctx.screen = &screen;
  ctx.title_window = screen.title_window();
  host::set_run_context(&ctx);
  screen.set_title(firm_title(ctx));
  int rc = 0;
  if (!login(ctx)) {
    error = "logowanie nieudane";
    rc = -1;
  } else {
    // The host's firm choice works on its own copy of the module's tables.
    data::reset_state();
    data::state().ctx = &ctx;
    int firm = frame::start_firm(&ctx, ask_firm);
    data::reset_state();
    if (firm < 0) {
      error = "użytkownik " + ctx.user_name + " nie ma dostępu do żadnej firmy";
      rc = -1;
    } else {
      screen.set_title(firm_title(ctx));
      // A menu item is a register or an action: its menu id is its right.
      host::set_menu_right_check([&ctx](int menu_id) { return pass_tab_test(&ctx, menu_id) != 0; });
      g_book_ctx = &ctx;
      g4set_key_to(keys::alt('k'), book_key);
      g4set_key_to(keys::alt('u'), users_key);
      rc = run_module(&ctx, error);
      g4set_key_to(keys::alt('u'), nullptr);
      g4set_key_to(keys::alt('k'), nullptr);
      g_book_ctx = nullptr;
      host::set_menu_right_check(nullptr);
    }
  }
  ctx.screen = nullptr;
  host::set_run_context(nullptr);
  return rc < 0 && !error.empty() ? 1 : 0;
}

int run_ekran(const CommandLine& cl) {
  std::string keys_path, screen_path;
  bool have_keys = cl.value_of("--keys", keys_path);
  bool have_screen = cl.value_of("--screen", screen_path);
  if (have_keys != have_screen) {
    std::fprintf(stderr, "skolvarin: opcje --keys i --screen podaje się razem (praca bez terminala)\n");
    return 2;
  }
  std::vector<term::ScriptStep> steps;
  if (have_keys) {
    std::ifstream in(keys_path, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "skolvarin: nie można odczytać skryptu klawiszy %s\n", keys_path.c_str());
      return 2;
    }
    std::stringstream ss;
    ss << in.rdbuf();
    std::string error;
    if (!term::parse_key_script(ss.str(), steps, error)) {
      std::fprintf(stderr, "skolvarin: skrypt klawiszy %s: %s\n", keys_path.c_str(), error.c_str());
      return 2;
    }
    // The dump file starts empty for each run.
    std::ofstream out(screen_path, std::ios::binary | std::ios::trunc);
    if (!out) {
      std::fprintf(stderr, "skolvarin: nie można zapisać pliku ekranu %s\n", screen_path.c_str());
      return 2;
    }
  }

  HostContext ctx;
  ctx.today = cl.today;
  std::string error;
  if (!open_or_create(ctx, cl, error)) {
    std::fprintf(stderr, "skolvarin: %s\n", error.c_str());
    return 1;
  }
  if (cl.year != 0 && (cl.year < 1990 || cl.year > 2100)) {
    std::fprintf(stderr, "skolvarin: --rok: rok roboczy musi leżeć między 1990 a 2100\n");
    return 2;
  }
  if (!set_start_year(ctx, cl.year, error)) {
    std::fprintf(stderr, "skolvarin: %s\n", error.c_str());
    return 1;
  }

  if (have_keys) {
    term::VirtualTerminal terminal(kRows, kCols);
    terminal.add_steps(steps);
    terminal.set_dump_sink([screen_path](const std::string& dump) {
      std::ofstream out(screen_path, std::ios::binary | std::ios::app);
      out << dump;
    });
    terminal.set_esc_limit(kEscLimit, [] {
      std::fprintf(stderr,
                   "skolvarin: skrypt klawiszy się skończył, a moduł nie zakończył pracy mimo %ld "
                   "naciśnięć Esc; przerywam\n",
                   kEscLimit);
    });
    int rc = run_on(terminal, ctx, cl.firm.empty(), error);
    if (!error.empty()) std::fprintf(stderr, "skolvarin: %s\n", error.c_str());
    return rc;
  }

  auto terminal = term::NcursesTerminal::open(kRows, kCols, error);
  if (!terminal) {
    std::fprintf(stderr, "skolvarin: %s\n", error.c_str());
    return 1;
  }
  int rc = run_on(*terminal, ctx, cl.firm.empty(), error);
  terminal.reset();  // the terminal is given back before anything is printed
  if (!error.empty()) std::fprintf(stderr, "skolvarin: %s\n", error.c_str());
  return rc;
}

const CommandRegistrar kEkran("ekran", "program pełnoekranowy (domyślnie); --keys SKRYPT --screen PLIK bez terminala",
                              run_ekran, "--keys= --screen=");

}  // namespace
}  // namespace skolvarin::app
