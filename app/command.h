// Commands of the skolvarin executable ("skolvarin init", "skolvarin tabela",
// ...).  Each command lives in its own app/cmd_<name>.cpp and registers
// itself with a static CommandRegistrar; main() parses the options every
// command shares and calls the chosen one.
#pragma once

#include <string>
#include <vector>

#include "host/api/context.h"

namespace skolvarin::app {

struct CommandLine {
  std::vector<std::string> args;  // words after the command name, options included
  std::string data_dir;           // --data, or the default per-user directory
  bool data_given = false;        // --data was on the command line
  HostDate today;                 // --dzis, or the system date read once at start

  // Option helpers over args: "--name value" pairs and "--flag" switches.
  bool has_flag(const std::string& name) const;
  bool value_of(const std::string& name, std::string& out) const;
  // Words that are neither options nor option values of `valued` options.
  std::vector<std::string> positional(const std::vector<std::string>& valued) const;
};

// Exit codes: 0 success, 1 a check found problems / identifier invalid,
// 2 bad input on the command line.
using CommandFn = int (*)(const CommandLine&);

struct CommandRegistrar {
  CommandRegistrar(const char* name, const char* summary, CommandFn fn);
};

}  // namespace skolvarin::app
