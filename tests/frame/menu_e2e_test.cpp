// End to end: the real skolvarin executable loads the module and is driven
// by a key script on its virtual screen; the screen dumps are checked line
// by line.
#include <gtest/gtest.h>

#include "tests/frame/e2e_support.h"

using namespace frame_e2e;

namespace {

const char* const kMainBar = "  Płace  Dowody  Transp  Wyposażenie  Amort  Kasa  Rozlicz  Noty  Pomocnicze    ";

}  // namespace

TEST(FrameEndToEnd, MainBarShowsItsLabelsAndEscLeaves) {
  DataDir d("menu_bar");
  KeyRun r = run_keys(d.root(), "<dump><Esc>", "2024-05-17");
  EXPECT_EQ(r.exit_code, 0);
  ASSERT_EQ(r.screens.size(), 1u);
  ASSERT_GE(r.screens[0].size(), 2u);
  EXPECT_EQ(r.screens[0][1], kMainBar);
}

TEST(FrameEndToEnd, PullDownsOpenWithTheirExactLabels) {
  // Transp by its hot letter, Pomocnicze by its hot letter, then Odsetki
  // (the last item of Pomocnicze) with End and Enter.
  DataDir d("pull_downs");
  KeyRun r = run_keys(d.root(), "t<dump><Esc>o<dump><End><Enter><dump><Esc><Esc><Esc><Esc>", "2024-05-17");
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
  DataDir d("payroll_bar");
  KeyRun r = run_keys(d.root(), "p<dump><End><Enter><dump><Esc><Esc><dump><Esc>", "2024-05-17");
  EXPECT_EQ(r.exit_code, 0);
  ASSERT_EQ(r.screens.size(), 3u);
  EXPECT_TRUE(has_row(r.screens[0], " Lista  ZUS  Umowy  Pracownicy  Nieobecność  Średnie  ZFŚS  Pomocnicze "))
      << r.screens[0][1];
  for (const char* label : {" Składniki ", " Parametry ", " Kalkulator "})
    EXPECT_TRUE(has_row(r.screens[1], label)) << label;
  EXPECT_EQ(r.screens[2][1], kMainBar);
}
