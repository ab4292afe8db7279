// End to end through the real program: change of firm with Shift+F3 at the
// main menu over a catalogue of several firms.
#include <gtest/gtest.h>

#include "tests/frame/e2e_support.h"

using namespace frame_e2e;
namespace fs = std::filesystem;

namespace {

// Row 0 as the title window shows a name and the working year: centred in
// 80 columns.
std::string centred(const std::string& name, size_t name_chars) {
  const std::string text = name + "  rok 2026";
  const size_t chars = name_chars + 10;
  size_t left = (80 - chars) / 2;
  return std::string(left, ' ') + text + std::string(80 - left - chars, ' ');
}

const char* const kDemoTitle = "FIRMA DEMONSTRACYJNA";

}  // namespace

TEST(ChangeFirmEndToEnd, ChosenFirmBecomesCurrentAndTheTitleShowsItsName) {
  DataDir d("choose");
  d.add_firm("DRUGA", "DRUGA", "spółka z Radomia", "Druga Spółka", "z o.o.", true);
  // The list is in name order (DEMO, DRUGA) and opens on the current firm.
  // Then the notes go into the new firm's directory, and Konta (Pomocnicze,
  // n) works on its tables.
  KeyRun r = run_keys(d.root(), "<S-F3><dump><Down><Enter><dump><S-F2>notatka<F2>on<dump><Esc>", "2026-12-05", "--firma DEMO");
  EXPECT_EQ(r.exit_code, 0);
  ASSERT_EQ(r.screens.size(), 3u);
  const Screen& list = r.screens[0];
  EXPECT_TRUE(has_row(list, " Wybierz firmę ")) << screen_text(list);
  EXPECT_TRUE(has_row(list, "║ DEMO                 firma przykładowa ")) << screen_text(list);
  EXPECT_TRUE(has_row(list, "║ DRUGA                spółka z Radomia ")) << screen_text(list);
  EXPECT_EQ(r.screens[1][0], centred("Druga Spółka z o.o.", 19));
  EXPECT_EQ(r.screens[2][0], centred("Druga Spółka z o.o.", 19));
  EXPECT_TRUE(has_row(r.screens[2], " Plan kont ")) << screen_text(r.screens[2]);

  EXPECT_TRUE(fs::exists(d.firm("DRUGA") / "W3KONT.DBF"));
  EXPECT_FALSE(fs::exists(d.firm("DEMO") / "W3KONT.DBF"));
  EXPECT_EQ(read_text(d.firm("DRUGA") / "KAN2026.TXT"), "notatka\n");
  EXPECT_FALSE(fs::exists(d.firm("DEMO") / "KAN2026.TXT"));
  EXPECT_NE(d.log().find("Zmiana firmy: katalog " + d.firm("DRUGA").string() + "/"), std::string::npos)
      << d.log();
}

TEST(ChangeFirmEndToEnd, EscKeepsTheFirmAndTheListOpensOnTheCurrentFirm) {
  DataDir d("esc");
  d.add_firm("DRUGA", "DRUGA", "", "DRUGA FIRMA", "", true);
  d.add_firm("Łąka", "LAKA", "", "Łąka Sp. j.", "", true);
  // Esc in the list: nothing changes, Konta opens in DEMO.  Then Łąka (the
  // last in name order) is chosen, and Shift+F3 with Enter at once keeps
  // it: the list stood on it.
  KeyRun r = run_keys(d.root(), "<S-F3><Esc><dump>on<Esc><S-F3><End><Enter><dump><S-F3><Enter><dump><Esc>", "2026-12-05", "--firma DEMO");
  EXPECT_EQ(r.exit_code, 0);
  ASSERT_EQ(r.screens.size(), 3u);
  EXPECT_EQ(r.screens[0][0], centred(kDemoTitle, 20));
  EXPECT_TRUE(fs::exists(d.firm("DEMO") / "W3KONT.DBF"));
  EXPECT_EQ(r.screens[1][0], centred("Łąka Sp. j.", 11));
  EXPECT_EQ(r.screens[2][0], centred("Łąka Sp. j.", 11));
  const std::string log = d.log();
  const std::string to_laka = "Zmiana firmy: katalog " + d.firm("LAKA").string() + "/";
  size_t first = log.find(to_laka);
  ASSERT_NE(first, std::string::npos) << log;
  EXPECT_NE(log.find(to_laka, first + 1), std::string::npos) << log;
  EXPECT_EQ(log.find("katalog " + d.firm("DRUGA").string()), std::string::npos) << log;
}

TEST(ChangeFirmEndToEnd, FirmWithoutDirectoryOrWithAMissingOneIsNotTaken) {
  DataDir d("bad_firms");
  d.add_firm("X BEZ KATALOGU", "", "", "", "", false);
  d.add_firm("ZNIKNIĘTA", "ZNIKNIETA", "", "", "", false);
  // Name order: DEMO (the run starts on the first), X BEZ KATALOGU,
  // ZNIKNIĘTA.  Both refused (the missing directory with the host's error
  // box): the title stays, and Konta still opens in DEMO.
  KeyRun r = run_keys(d.root(), "<S-F3><Down><Enter><dump><S-F3><End><Enter><dump><Enter>on<Esc>", "2026-12-05", "--firma DEMO");
  EXPECT_EQ(r.exit_code, 0);
  ASSERT_EQ(r.screens.size(), 2u);
  EXPECT_EQ(r.screens[0][0], centred(kDemoTitle, 20));
  EXPECT_EQ(r.screens[1][0], centred(kDemoTitle, 20));
  EXPECT_TRUE(has_row(r.screens[1], "Nie ma katalogu firmy:")) << screen_text(r.screens[1]);
  const std::string log = d.log();
  EXPECT_NE(log.find("Firma X BEZ KATALOGU nie ma podanego katalogu danych"), std::string::npos) << log;
  EXPECT_NE(log.find("Nie można przejść do katalogu firmy " + d.firm("ZNIKNIETA").string() + "/"),
            std::string::npos)
      << log;
  EXPECT_EQ(log.find("Zmiana firmy"), std::string::npos) << log;
  EXPECT_TRUE(fs::exists(d.firm("DEMO") / "W3KONT.DBF"));
}

TEST(ChangeFirmEndToEnd, WithoutTheRightToEveryFirmOnlyFirmsOfTheAccessTableAreListed) {
  DataDir d("rights");
  long druga = d.add_firm("DRUGA", "DRUGA", "", "DRUGA FIRMA", "", true);
  d.add_firm("TRZECIA", "TRZECIA", "", "TRZECIA FIRMA", "", true);
  d.deny_rights("2");
  KeyRun before = run_keys(d.root(), "<S-F3><dump><Esc><Esc>", "2026-12-05", "--firma DEMO");
  ASSERT_EQ(before.screens.size(), 1u);
  EXPECT_TRUE(has_row(before.screens[0], "║ DEMO ")) << screen_text(before.screens[0]);
  EXPECT_FALSE(has_row(before.screens[0], "║ DRUGA ")) << screen_text(before.screens[0]);
  EXPECT_FALSE(has_row(before.screens[0], "║ TRZECIA ")) << screen_text(before.screens[0]);

  d.add_access(1, druga);
  d.add_access(7, 3);  // another user's access does not count
  KeyRun after = run_keys(d.root(), "<S-F3><dump><End><Enter><dump><Esc>", "2026-12-05", "--firma DEMO");
  ASSERT_EQ(after.screens.size(), 2u);
  EXPECT_TRUE(has_row(after.screens[0], "║ DEMO ")) << screen_text(after.screens[0]);
  EXPECT_TRUE(has_row(after.screens[0], "║ DRUGA ")) << screen_text(after.screens[0]);
  EXPECT_FALSE(has_row(after.screens[0], "║ TRZECIA ")) << screen_text(after.screens[0]);
  EXPECT_EQ(after.screens[1][0], centred("DRUGA FIRMA", 11));
}

TEST(ChangeFirmEndToEnd, AtStartTheFirmIsChosenThenTheYearWithTodaysProposed) {
  DataDir d("start_year");
  d.add_firm("DRUGA", "DRUGA", "", "Druga Spółka", "", true);
  d.set_working_year(2024);
  // Without --firma the program starts on the firm list; the firm chosen,
  // the year of today's date is proposed (the one kept was 2024).
  KeyRun r = run_keys(d.root(), "<dump><Down><Enter><dump><F2><dump><Esc>", "2026-12-05");
  ASSERT_EQ(r.screens.size(), 3u);
  EXPECT_TRUE(has_row(r.screens[0], " Wybierz firmę ")) << screen_text(r.screens[0]);
  EXPECT_TRUE(has_row(r.screens[1], "Rok roboczy: 2026")) << screen_text(r.screens[1]);
  EXPECT_EQ(r.screens[2][0], centred("Druga Spółka", 12)) << r.screens[2][0];
}
