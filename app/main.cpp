// skolvarin: the host program.  With a command word it runs that command
// (init, tabela, sprawdz, ...); without one it opens the data directory and
// runs the module full-screen (or headless with --keys/--screen).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>

#include "app/command.h"
#include "app/data_dir.h"
#include "host/api/calendar.h"

namespace skolvarin::app {

namespace {
struct Entry {
  const char* summary;
  CommandFn fn;
};
std::map<std::string, Entry>& registry() {
  static std::map<std::string, Entry> r;
  return r;
}
}  // namespace

CommandRegistrar::CommandRegistrar(const char* name, const char* summary, CommandFn fn) {
  registry()[name] = Entry{summary, fn};
}

bool CommandLine::has_flag(const std::string& name) const {
  for (const auto& a : args)
    if (a == name) return true;
  return false;
}

bool CommandLine::value_of(const std::string& name, std::string& out) const {
  for (size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i] == name) {
      out = args[i + 1];
      return true;
    }
  return false;
}

std::vector<std::string> CommandLine::positional(const std::vector<std::string>& valued) const {
  std::vector<std::string> out;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    bool takes_value = false;
    for (const auto& v : valued)
      if (a == v) takes_value = true;
    if (takes_value) {
      ++i;
      continue;
    }
    if (a.size() > 2 && a.compare(0, 2, "--") == 0) continue;
    out.push_back(a);
  }
  return out;
}

static void usage() {
  std::fprintf(stderr,
               "użycie: skolvarin [--data KATALOG] [--dzis RRRR-MM-DD] [POLECENIE ...]\n"
               "bez polecenia: program pełnoekranowy na katalogu danych\n"
               "polecenia:\n");
  for (const auto& [name, e] : registry()) std::fprintf(stderr, "  %-12s %s\n", name.c_str(), e.summary);
}

}  // namespace skolvarin::app

int main(int argc, char** argv) {
  using namespace skolvarin::app;
  CommandLine cl;
  std::string command;
  std::vector<std::string> rest;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--data" && i + 1 < argc) {
      cl.data_dir = argv[++i];
      cl.data_given = true;
    } else if (a == "--dzis" && i + 1 < argc) {
      if (!skolvarin::from_iso(argv[++i], cl.today)) {
        std::fprintf(stderr, "skolvarin: błędna data w --dzis: %s (oczekiwano RRRR-MM-DD)\n", argv[i]);
        return 2;
      }
    } else if ((a == "--keys" || a == "--screen") && i + 1 < argc) {
      // Options of the headless run take a value that is never a command.
      rest.push_back(a);
      rest.push_back(argv[++i]);
    } else if (a == "--help" || a == "-h") {
      usage();
      return 0;
    } else if (command.empty() && !a.empty() && a[0] != '-') {
      command = a;
    } else {
      rest.push_back(a);
    }
  }
  if (cl.today.empty()) {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    cl.today = HostDate{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
  }
  if (cl.data_dir.empty()) cl.data_dir = default_data_dir();
  if (!cl.data_dir.empty() && cl.data_dir.back() != '/') cl.data_dir += '/';
  cl.args = rest;
  if (command.empty()) command = "ekran";  // the full-screen program
  auto& reg = registry();
  auto it = reg.find(command);
  if (it == reg.end()) {
    std::fprintf(stderr, "skolvarin: nieznane polecenie: %s\n", command.c_str());
    usage();
    return 2;
  }
  return it->second.fn(cl);
}
