// Running the built program (or any shell command line) from a test.
//
// run_command() runs a command line through the shell and returns what it
// wrote on stdout with its exit code; a redirection such as " 2>&1" or
// " 2>/dev/null" in the command decides what happens to stderr.  The status
// is the exit code 0..255, or -1 when the command could not start or was
// killed by a signal.
//
// run_python_oracle() feeds lines to a Python script of the source tree (run
// by Debian's /usr/bin/python3 with its python3-* packages) and returns the
// lines it answers, one per input line when the script keeps to that.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace skolvarin::testing_support {

struct ProgramRun {
  int status = -1;
  std::string out;
};

inline ProgramRun run_command(const std::string& command) {
  ProgramRun r;
  FILE* p = popen(command.c_str(), "r");
  if (!p) return r;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
  const int st = pclose(p);
  r.status = st != -1 && WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

// The folder with the built skolvarin and its libraries.
inline std::string program_dir() {
  const char* bin = std::getenv("SKOLVARIN_BIN");
  return bin ? bin : std::string(SKOLVARIN_BINARY_DIR) + "/bin";
}

// The built skolvarin executable.
inline std::string program() { return program_dir() + "/skolvarin"; }

// Runs tests/<script> (a path below the source root's tests/) with `input`
// on stdin, one line each; returns its output split at '\n'.
inline std::vector<std::string> run_python_oracle(const std::string& script,
                                                  const std::vector<std::string>& input) {
  std::string name = script;
  for (char& c : name)
    if (c == '/') c = '_';
  const std::string in_path =
      std::string(SKOLVARIN_BINARY_DIR) + "/" + name + "_input_" + std::to_string(::getpid()) + ".txt";
  {
    std::ofstream f(in_path);
    for (const auto& line : input) f << line << '\n';
  }
  const ProgramRun r = run_command(std::string("/usr/bin/python3 ") + SKOLVARIN_SOURCE_DIR + "/tests/" +
                                   script + " < " + in_path);
  std::remove(in_path.c_str());
  std::vector<std::string> out;
  size_t start = 0;
  for (size_t nl; (nl = r.out.find('\n', start)) != std::string::npos; start = nl + 1)
    out.push_back(r.out.substr(start, nl - start));
  if (start < r.out.size()) out.push_back(r.out.substr(start));
  return out;
}

}  // namespace skolvarin::testing_support
