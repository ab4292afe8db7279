// Commands of the skolvarin executable ("skolvarin init", "skolvarin tabela",
// ...).  Each command lives in its own app/cmd_<name>.cpp and registers
// itself with a static CommandRegistrar naming the options it accepts.
// main() is the one parser: it takes the options every command shares
// (--data, --dzis, --rok, --firma), refuses any option the command did not
// declare and any option whose value is missing (usage, exit 2), and only
// then calls the command with its options and its positional words apart.
#pragma once

#include <string>
#include <vector>

#include "host/api/context.h"

namespace skolvarin::app {

struct CommandLine {
  std::vector<std::string> args;   // words after the command name, options included
  std::vector<std::string> words;  // the positional words alone (no options, no values)
  std::string data_dir;            // --data (made absolute), or the default per-user directory
  bool data_given = false;         // --data was on the command line
  HostDate today;                  // --dzis, or the system date read once at start
  int year = 0;                    // --rok, 0 when not given (commands default it)
  std::string firm;                // --firma KATALOG, empty when not given

  // Option helpers over args: "--name value" pairs and "--flag" switches.
  bool has_flag(const std::string& name) const;
  bool value_of(const std::string& name, std::string& out) const;
  // The positional words; `valued` is kept for older callers and ignored
  // (the command's declared options say which ones take a value).
  std::vector<std::string> positional(const std::vector<std::string>& valued = {}) const;
};

// Exit codes: 0 success, 1 a check found problems / identifier invalid,
// 2 bad input on the command line.
using CommandFn = int (*)(const CommandLine&);

// `options` lists the options the command accepts besides the shared ones,
// separated by blanks; a trailing '=' marks an option that takes a value:
// "--rok= --rodzaj= --json".
struct CommandRegistrar {
  CommandRegistrar(const char* name, const char* summary, CommandFn fn, const char* options = "");
};

// One option of a command, parsed from the declaration string.
struct OptionSpec {
  std::string name;  // "--rodzaj"
  bool takes_value = false;
};
std::vector<OptionSpec> parse_option_specs(const char* options);

// Splits `args` by the command's options: fills cl.words, checks that every
// option is known and has its value.  False with a Polish message in `error`.
bool split_arguments(const std::vector<OptionSpec>& specs, CommandLine& cl, std::string& error);

}  // namespace skolvarin::app
