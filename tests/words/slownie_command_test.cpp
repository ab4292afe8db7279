// The "slownie" command of the program: answers and exit codes.
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
  char buf[512];
  while (std::fgets(buf, sizeof buf, p)) r.out += buf;
  int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

TEST(SlownieCommand, ExitCodesAndAnswers) {
  const struct {
    const char* args;
    int status;
    const char* out;
  } cases[] = {
      {"slownie 1234,56", 0, "tysiąc dwieście trzydzieści cztery złote pięćdziesiąt sześć groszy\n"},
      {"slownie 1.01", 0, "jeden złoty jeden grosz\n"},
      {"slownie 22 --json", 0,
       "{\"kwota\": 22.00, \"slownie\": \"dwadzieścia dwa złote zero groszy\", \"slownie_3\": \"dwa dwa 00/100\"}\n"},
      {"slownie -5", 0, "minus pięć złotych zero groszy\n"},
      {"slownie 12,345", 2, ""},
      {"slownie abc", 2, ""},
      {"slownie 1000000000", 2, ""},
      {"slownie", 2, ""},
  };
  for (const auto& c : cases) {
    Outcome r = run(c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_EQ(r.out, c.out) << c.args;
  }
}

}  // namespace
