// End to end through the real program: what the dispatchers do around a
// register (a register not built yet, a table that will not open) and the
// change-of-firm key while a register has its tables open.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/frame/e2e_support.h"

using namespace frame_e2e;
namespace fs = std::filesystem;

namespace {

const char* const kMainBar = "  Płace  Dowody  Transp  Wyposażenie  Amort  Kasa  Rozlicz  Noty  Pomocnicze    ";

bool is_bare_menu(const Screen& s) {
  if (s.size() != 25 || s[1] != kMainBar) return false;
  for (size_t r = 2; r < 24; ++r)
    if (s[r].find_first_not_of(' ') != std::string::npos) return false;
  return true;
}

}  // namespace

TEST(DispatchEndToEnd, RegisterNotBuiltShowsItsNameAfterItsChainAndTheMenuGoesOn) {
  DataDir d("not_built");
  // In the payroll bar (p), " ZUS " (z): a box, Enter closes it, the bar
  // is there again.
  KeyRun r = run_keys(d.root(), "pz<dump><Enter><dump><Esc><Esc>");
  EXPECT_EQ(r.exit_code, 0);
  ASSERT_EQ(r.screens.size(), 2u);
  EXPECT_TRUE(has_row(r.screens[0], "║ Rejestr „ZUS” nie jest jeszcze dostępny ║")) << screen_text(r.screens[0]);
  EXPECT_TRUE(has_row(r.screens[0], " Informacja ")) << screen_text(r.screens[0]);
  EXPECT_FALSE(has_row(r.screens[1], "Rejestr")) << screen_text(r.screens[1]);
  EXPECT_TRUE(has_row(r.screens[1], "  Lista  ZUS  Umowy  Pracownicy")) << screen_text(r.screens[1]);
}

TEST(DispatchEndToEnd, TheDocumentsChainOpensItsYearTablesBeforeTheRegister) {
  DataDir d("documents_chain");
  KeyRun r = run_keys(d.root(), "d<dump><Esc><dump><Esc>");
  EXPECT_EQ(r.exit_code, 0);
  ASSERT_EQ(r.screens.size(), 2u);
  EXPECT_TRUE(has_row(r.screens[0], "Ewidencja dowodów wewnętrznych")) << screen_text(r.screens[0]);
  EXPECT_TRUE(is_bare_menu(r.screens[1])) << screen_text(r.screens[1]);
  // The per-year tables of the working year were opened (and so made) in
  // the firm's directory.
  EXPECT_TRUE(fs::exists(d.firm("DEMO") / "W3DOWO26.DBF"));
  EXPECT_TRUE(fs::exists(d.firm("DEMO") / "W3DOWE26.DBF"));
}

TEST(DispatchEndToEnd, ShiftF3InsideARegisterDoesNothing) {
  DataDir d("f3_in_register");
  d.add_firm("DRUGA", "DRUGA", "", "DRUGA FIRMA", "", true);
  // Pomocnicze (o) -> Konta (n); Shift+F3 in the list; leave the list;
  // Shift+F3 at the menu opens the firm list.
  KeyRun r = run_keys(d.root(), "on<dump><S-F3><dump><Esc><dump><S-F3><dump><Esc><Esc>", "2026-12-05", "--firma DEMO");
  EXPECT_EQ(r.exit_code, 0);
  ASSERT_EQ(r.screens.size(), 4u);
  EXPECT_TRUE(has_row(r.screens[0], " Plan kont ")) << screen_text(r.screens[0]);
  EXPECT_EQ(r.screens[1], r.screens[0]) << screen_text(r.screens[1]);
  EXPECT_TRUE(is_bare_menu(r.screens[2])) << screen_text(r.screens[2]);
  EXPECT_NE(r.screens[2][0].find("FIRMA DEMONSTRACYJNA"), std::string::npos) << r.screens[2][0];
  EXPECT_TRUE(has_row(r.screens[3], " Wybierz firmę ")) << screen_text(r.screens[3]);
  EXPECT_EQ(d.log().find("Zmiana firmy"), std::string::npos) << d.log();
}

TEST(DispatchEndToEnd, FailingOpenerSkipsTheRegisterAndClosesTheTablesOpenedBeforeIt) {
  DataDir d("failing_opener");
  // " Rachunki " opens vehicles, trips, then the transport bills of the
  // working year: the last one is not a table.
  const std::string damaged = "to nie jest tabela dBASE\n";
  std::ofstream(d.firm("DEMO") / "W3RASA26.DBF", std::ios::binary) << damaged;
  KeyRun r = run_keys(d.root(), "t<Enter><dump><Enter><dump><S-F3><dump><Esc><Esc>");
  EXPECT_EQ(r.exit_code, 0);
  ASSERT_EQ(r.screens.size(), 3u);
  const Screen& error = r.screens[0];
  EXPECT_TRUE(has_row(error, " Błąd ")) << screen_text(error);
  EXPECT_TRUE(has_row(error, "W3RASA26.DBF")) << screen_text(error);
  EXPECT_FALSE(has_row(error, "nie jest jeszcze dostępny")) << screen_text(error);
  EXPECT_TRUE(is_bare_menu(r.screens[1])) << screen_text(r.screens[1]);
  // The openers before it did run, and their tables were closed again:
  // the change of firm, which refuses while any table is open, works.
  EXPECT_TRUE(fs::exists(d.firm("DEMO") / "W3SAMO.DBF"));
  EXPECT_TRUE(fs::exists(d.firm("DEMO") / "W3PRZE26.DBF"));
  EXPECT_TRUE(has_row(r.screens[2], " Wybierz firmę ")) << screen_text(r.screens[2]);
  EXPECT_TRUE(has_row(r.screens[2], " DEMO ")) << screen_text(r.screens[2]);
  // The damaged file is left as it was.
  EXPECT_EQ(read_text(d.firm("DEMO") / "W3RASA26.DBF"), damaged);
}
