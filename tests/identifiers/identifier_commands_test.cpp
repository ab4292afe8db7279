// The "nip" and "pesel" commands of the program: answers and exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Outcome {
  int status = -1;
  std::string out;
};

Outcome run(const std::string& args) {
  const char* bin = std::getenv("SKOLVARIN_BIN");
  std::string cmd = std::string(bin ? bin : SKOLVARIN_BINARY_DIR "/bin") + "/skolvarin " + args + " 2>/dev/null";
  Outcome r;
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return r;
  char buf[256];
  while (std::fgets(buf, sizeof buf, p)) r.out += buf;
  int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

TEST(IdentifierCommands, ExitCodesAndAnswers) {
  const struct {
    const char* args;
    int status;
    const char* out;
  } cases[] = {
      {"nip 526-104-08-28", 0, "NIP 526-104-08-28: poprawny\n"},
      {"nip 526 104 08 28", 0, "NIP 526 104 08 28: poprawny\n"},
      {"nip PL5261040829 --json", 1, "{\"nip\": \"PL5261040829\", \"poprawny\": false, \"ostrzezenie\": 20090}\n"},
      {"nip 123", 1, "NIP 123: niepoprawny (numer NIP musi mieć 10 cyfr)\n"},
      {"nip", 2, ""},
      {"pesel 44051401359", 0, "PESEL 44051401359: poprawny\n"},
      {"pesel 44051401358 --json", 1, "{\"pesel\": \"44051401358\", \"poprawny\": false, \"ostrzezenie\": 20092}\n"},
      {"pesel 4405140135", 1, "PESEL 4405140135: niepoprawny (numer PESEL musi mieć 11 cyfr)\n"},
      {"pesel", 2, ""},
  };
  for (const auto& c : cases) {
    Outcome r = run(c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_EQ(r.out, c.out) << c.args;
  }
}

}  // namespace
