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
  std::vector<OptionSpec> options;
};
std::map<std::string, Entry>& registry() {
  static std::map<std::string, Entry> r;
  return r;
}

bool is_option(const std::string& a) { return a.size() > 2 && a.compare(0, 2, "--") == 0; }

// Valued options that may stand before the command word: their value is
// never taken for the command.
bool valued_before_command(const std::string& a) {
  return a == "--rok" || a == "--firma" || a == "--keys" || a == "--screen";
}

// Options every command takes; --data and --dzis are consumed by main.
const std::vector<OptionSpec>& shared_options() {
  static const std::vector<OptionSpec> s = {{"--rok", true}, {"--firma", true}};
  return s;
}
}  // namespace

CommandRegistrar::CommandRegistrar(const char* name, const char* summary, CommandFn fn, const char* options) {
  registry()[name] = Entry{summary, fn, parse_option_specs(options)};
}

std::vector<OptionSpec> parse_option_specs(const char* options) {
  std::vector<OptionSpec> out;
  std::string text = options ? options : "";
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    size_t j = i;
    while (j < text.size() && text[j] != ' ') ++j;
    if (j > i) {
      std::string word = text.substr(i, j - i);
      bool valued = word.back() == '=';
      if (valued) word.pop_back();
      out.push_back(OptionSpec{word, valued});
    }
    i = j;
  }
  return out;
}

bool split_arguments(const std::vector<OptionSpec>& specs, CommandLine& cl, std::string& error) {
  cl.words.clear();
  auto find = [&](const std::string& a) -> const OptionSpec* {
    for (const auto& s : specs)
      if (s.name == a) return &s;
    for (const auto& s : shared_options())
      if (s.name == a) return &s;
    return nullptr;
  };
  for (size_t i = 0; i < cl.args.size(); ++i) {
    const std::string& a = cl.args[i];
    if (!is_option(a)) {
      cl.words.push_back(a);
      continue;
    }
    const OptionSpec* spec = find(a);
    if (!spec) {
      error = "nieznana opcja: " + a;
      return false;
    }
    if (!spec->takes_value) continue;
    if (i + 1 >= cl.args.size() || is_option(cl.args[i + 1])) {
      error = "brak wartości opcji " + a;
      return false;
    }
    const std::string& value = cl.args[++i];
    if (a == "--rok") {
      char* end = nullptr;
      long y = std::strtol(value.c_str(), &end, 10);
      if (value.empty() || !end || *end || y < 1900 || y > 2099) {
        error = "błędny rok w --rok: " + value + " (oczekiwano RRRR)";
        return false;
      }
      cl.year = static_cast<int>(y);
    } else if (a == "--firma") {
      cl.firm = value;
    }
  }
  return true;
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

std::vector<std::string> CommandLine::positional(const std::vector<std::string>&) const { return words; }

static void usage() {
  std::fprintf(stderr,
               "użycie: skolvarin [--data KATALOG] [--dzis RRRR-MM-DD] [--rok RRRR] [--firma KATALOG] "
               "[POLECENIE ...]\n"
               "bez polecenia: program pełnoekranowy na katalogu danych\n"
               "polecenia:\n");
  for (const auto& [name, e] : registry()) std::fprintf(stderr, "  %-12s %s\n", name.c_str(), e.summary);
}

static void command_usage(const std::string& name, const Entry& e) {
  std::string opts;
  for (const auto& o : e.options) opts += " [" + o.name + (o.takes_value ? " X]" : "]");
  std::fprintf(stderr, "użycie: skolvarin %s [--data KATALOG] [--dzis RRRR-MM-DD]%s\n  %s\n", name.c_str(),
               opts.c_str(), e.summary);
}

}  // namespace skolvarin::app

int main(int argc, char** argv) {
  using namespace skolvarin::app;
  CommandLine cl;
  std::string command;
  std::vector<std::string> rest;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--data" || a == "--dzis") {
      if (i + 1 >= argc || argv[i + 1][0] == '\0' || std::strncmp(argv[i + 1], "--", 2) == 0) {
        std::fprintf(stderr, "skolvarin: brak wartości opcji %s\n", a.c_str());
        return 2;
      }
      std::string value = argv[++i];
      if (a == "--data") {
        cl.data_dir = absolute_path(value);
        cl.data_given = true;
      } else if (!skolvarin::from_iso(value, cl.today)) {
        std::fprintf(stderr, "skolvarin: błędna data w --dzis: %s (oczekiwano RRRR-MM-DD)\n", value.c_str());
        return 2;
      }
    } else if (a == "--help" || a == "-h") {
      usage();
      return 0;
    } else if (command.empty() && !a.empty() && a[0] != '-') {
      command = a;
    } else {
      rest.push_back(a);
      // An option's value is never the command word.
      if (command.empty() && valued_before_command(a) && i + 1 < argc) rest.push_back(argv[++i]);
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
  std::string error;
  if (!split_arguments(it->second.options, cl, error)) {
    std::fprintf(stderr, "skolvarin %s: %s\n", command.c_str(), error.c_str());
    command_usage(command, it->second);
    return 2;
  }
  return it->second.fn(cl);
}
