// End to end: the real skolvarin executable loads the module and is driven
// by a key script on its virtual screen; the screen dumps are checked line
// by line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct KeyRun {
  int exit_code = -1;
  std::vector<std::vector<std::string>> screens;  // each dump, by rows
};

KeyRun run_keys(const std::string& keys) {
  const char* bin = std::getenv("SKOLVARIN_BIN");
  fs::path dir = fs::temp_directory_path() / ("frame_e2e_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "keys.txt") << keys;
  fs::remove(dir / "screen.txt");
  std::string cmd = std::string(bin ? bin : SKOLVARIN_BINARY_DIR "/bin") + "/skolvarin --data " +
                    (dir / "data").string() + " --dzis 2024-05-17 --keys " + (dir / "keys.txt").string() +
                    " --screen " + (dir / "screen.txt").string() + " > /dev/null 2>&1";
  KeyRun run;
  int rc = std::system(cmd.c_str());
  run.exit_code = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  std::ifstream in(dir / "screen.txt");
  std::string line;
  run.screens.emplace_back();
  while (std::getline(in, line)) {
    if (line.rfind("=====", 0) == 0) {
      run.screens.emplace_back();
      continue;
    }
    run.screens.back().push_back(line);
  }
  if (run.screens.back().empty()) run.screens.pop_back();
  return run;
}

bool has_row(const std::vector<std::string>& screen, const std::string& text) {
  for (const auto& row : screen)
    if (row.find(text) != std::string::npos) return true;
  return false;
}

}  // namespace

TEST(FrameEndToEnd, MainBarShowsItsLabelsAndEscLeaves) {
  KeyRun r = run_keys("<dump><Esc>");
  EXPECT_EQ(r.exit_code, 0);
  ASSERT_EQ(r.screens.size(), 1u);
  ASSERT_GE(r.screens[0].size(), 2u);
  EXPECT_EQ(r.screens[0][1],
            "  Płace  Dowody  Transp  Wyposażenie  Amort  Kasa  Rozlicz  Noty  Pomocnicze    ");
}

TEST(FrameEndToEnd, PullDownsOpenWithTheirExactLabels) {
  // Transp by its hot letter, Pomocnicze by its hot letter, then Odsetki
  // (the last item of Pomocnicze) with End and Enter.
  KeyRun r = run_keys("t<dump><Esc>o<dump><End><Enter><dump><Esc><Esc><Esc><Esc>");
  EXPECT_EQ(r.exit_code, 0);
  ASSERT_EQ(r.screens.size(), 3u);
  for (const char* label : {"│ Rachunki  │", "│ Przejazdy │", "│ Samochody │"})
    EXPECT_TRUE(has_row(r.screens[0], label)) << label;
  for (const char* label : {" Konta ", " Kontrahenci ", " Opisy ", " Urzędy ", " Kody ", " Przelewy ",
                            " Kraje ", " Kursy ", " Odsetki "})
    EXPECT_TRUE(has_row(r.screens[1], label)) << label;
  for (const char* label : {" Oblicz ", " Ustawowe ", " Podatkowe ", " Dni wolne "})
    EXPECT_TRUE(has_row(r.screens[2], label)) << label;
}

TEST(FrameEndToEnd, PayrollBarReplacesTheMainBarUntilEsc) {
  KeyRun r = run_keys("p<dump><End><Enter><dump><Esc><Esc><dump><Esc>");
  EXPECT_EQ(r.exit_code, 0);
  ASSERT_EQ(r.screens.size(), 3u);
  EXPECT_TRUE(has_row(r.screens[0], " Lista  ZUS  Umowy  Pracownicy  Nieobecność  Średnie  ZFŚS  Pomocnicze "))
      << r.screens[0][1];
  for (const char* label : {" Składniki ", " Parametry ", " Kalkulator "})
    EXPECT_TRUE(has_row(r.screens[1], label)) << label;
  EXPECT_EQ(r.screens[2][1],
            "  Płace  Dowody  Transp  Wyposażenie  Amort  Kasa  Rozlicz  Noty  Pomocnicze    ");
}
