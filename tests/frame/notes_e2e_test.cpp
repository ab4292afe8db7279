// End to end through the real program: the notes editor of Shift+F2 keeps
// one note per module and working year in the firm's directory, and prints
// it into the firm's print folder.
#include <gtest/gtest.h>

#include "tests/frame/e2e_support.h"

using namespace frame_e2e;
namespace fs = std::filesystem;

namespace {

// Lines of a text, without their ends.
std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> out;
  size_t from = 0;
  while (from < text.size()) {
    size_t end = text.find('\n', from);
    if (end == std::string::npos) end = text.size();
    out.push_back(text.substr(from, end - from));
    from = end + 1;
  }
  return out;
}

}  // namespace

TEST(NotesEndToEnd, OneNotePerModuleAndWorkingYear) {
  DataDir d("notes_years", 2025);
  // Main bar: the registers' note; inside " Płace ": the payroll note.
  KeyRun r = run_keys(d.root(),
                      "<S-F2><dump>Zadzwonić do ZUS<Enter>żółw<F2>"
                      "p<S-F2><dump>Lista płac w piątek<F2><Esc><Esc>");
  EXPECT_EQ(r.exit_code, 0);
  ASSERT_EQ(r.screens.size(), 2u);
  EXPECT_TRUE(has_row(r.screens[0], " Notatki: kartoteki 2025 ")) << screen_text(r.screens[0]);
  EXPECT_EQ(r.screens[0][24].rfind("F2-Zapisz  F9-Drukuj  Esc-Wyjście ", 0), 0u) << r.screens[0][24];
  EXPECT_TRUE(has_row(r.screens[1], " Notatki: płace 2025 ")) << screen_text(r.screens[1]);
  EXPECT_EQ(read_text(d.firm("DEMO") / "KAN2025.TXT"), "Zadzwonić do ZUS\nżółw\n");
  EXPECT_EQ(read_text(d.firm("DEMO") / "PLA2025.TXT"), "Lista płac w piątek\n");

  // Another working year starts an empty note and leaves the old one.
  d.set_working_year(2026);
  KeyRun next = run_keys(d.root(), "<S-F2><dump>rok 2026<F2><S-F2><dump><Esc><Esc>");
  ASSERT_EQ(next.screens.size(), 2u);
  EXPECT_TRUE(has_row(next.screens[0], " Notatki: kartoteki 2026 ")) << screen_text(next.screens[0]);
  EXPECT_FALSE(has_row(next.screens[0], "Zadzwonić")) << screen_text(next.screens[0]);
  EXPECT_TRUE(has_row(next.screens[1], "║rok 2026 ")) << screen_text(next.screens[1]);
  EXPECT_EQ(read_text(d.firm("DEMO") / "KAN2026.TXT"), "rok 2026\n");
  EXPECT_EQ(read_text(d.firm("DEMO") / "KAN2025.TXT"), "Zadzwonić do ZUS\nżółw\n");
}

TEST(NotesEndToEnd, EscAsksBeforeDroppingChanges) {
  DataDir d("notes_esc");
  // Esc, the question answered "no": nothing written; answered "yes"
  // (Enter): saved.
  KeyRun r = run_keys(d.root(), "<S-F2>pierwsza<Esc><dump>N<S-F2>druga<Esc><Enter><Esc>");
  EXPECT_EQ(r.exit_code, 0);
  ASSERT_EQ(r.screens.size(), 1u);
  EXPECT_TRUE(has_row(r.screens[0], "Zapisać zmiany w notatkach?")) << screen_text(r.screens[0]);
  EXPECT_EQ(read_text(d.firm("DEMO") / "KAN2026.TXT"), "druga\n");
}

TEST(NotesEndToEnd, ANoteThatCannotBeWrittenKeepsTheEditorOpen) {
  DataDir d("notes_unwritable");
  // A directory where the note's file should be: nothing can be written.
  fs::create_directories(d.firm("DEMO") / "KAN2026.TXT");
  KeyRun r = run_keys(d.root(), "<S-F2>ważny tekst<F2><dump><Enter><dump><Esc>N<dump><Esc>");
  EXPECT_EQ(r.exit_code, 0);
  ASSERT_EQ(r.screens.size(), 3u);
  EXPECT_TRUE(has_row(r.screens[0], "Nie można zapisać notatek w pliku")) << screen_text(r.screens[0]);
  EXPECT_TRUE(has_row(r.screens[1], " Notatki: kartoteki 2026 ")) << screen_text(r.screens[1]);
  EXPECT_TRUE(has_row(r.screens[1], "║ważny tekst ")) << screen_text(r.screens[1]);
  EXPECT_FALSE(has_row(r.screens[2], " Notatki: kartoteki 2026 ")) << screen_text(r.screens[2]);
  EXPECT_TRUE(fs::is_directory(d.firm("DEMO") / "KAN2026.TXT"));
}

TEST(NotesEndToEnd, F9PrintsTheNoteIntoTheFirmsPrintFolder) {
  DataDir d("notes_print");
  // 61 lines: two pages of the printout.
  std::string keys = "<S-F2>";
  for (int i = 1; i <= 61; ++i) keys += "wiersz " + std::to_string(i) + (i < 61 ? "<Enter>" : "");
  keys += "<F9><dump><F2><dump><Enter><F2><Esc>";
  KeyRun r = run_keys(d.root(), keys);
  EXPECT_EQ(r.exit_code, 0);
  ASSERT_EQ(r.screens.size(), 2u);
  const Screen& preview = r.screens[0];
  EXPECT_TRUE(has_row(preview, " Notatki: kartoteki 2026 - podgląd wydruku ")) << screen_text(preview);
  EXPECT_TRUE(has_row(preview, "║FIRMA DEMONSTRACYJNA ")) << screen_text(preview);
  EXPECT_TRUE(has_row(r.screens[1], "Wydruk zapisano:")) << screen_text(r.screens[1]);

  const fs::path folder = d.firm("DEMO") / "wydruki";
  const fs::path text = folder / "NOTATKI_20261205_001.txt";
  ASSERT_TRUE(fs::exists(text));
  EXPECT_EQ(read_text(folder / "NOTATKI_20261205_001.pdf").substr(0, 5), "%PDF-");
  std::vector<std::string> lines = lines_of(read_text(text));
  std::string heading1 = "Notatki: kartoteki 2026, wydruk z dnia 05-12-2026";
  std::string page1 = heading1 + std::string(78 - heading1.size() - 10, ' ') + "strona 1/2";
  std::string page2 = heading1 + std::string(78 - heading1.size() - 10, ' ') + "strona 2/2";
  // Page 1: firm, heading, rule, lines 1-60; page 2: the same heading with
  // its number, then line 61.
  auto at = [&](const std::string& wanted) {
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i].find(wanted) != std::string::npos) return static_cast<long>(i);
    return -1L;
  };
  long p1 = at(page1), p2 = at(page2);
  ASSERT_GE(p1, 1) << read_text(text);
  ASSERT_GT(p2, p1) << read_text(text);
  EXPECT_NE(lines[static_cast<size_t>(p1 - 1)].find("FIRMA DEMONSTRACYJNA"), std::string::npos);
  EXPECT_EQ(lines[static_cast<size_t>(p1 + 2)], "wiersz 1");
  EXPECT_EQ(lines[static_cast<size_t>(p1 + 61)], "wiersz 60");
  EXPECT_LT(at("wiersz 60"), p2);
  EXPECT_GT(at("wiersz 61"), p2);
  // F2 in the editor after the print saved the note as well.
  EXPECT_EQ(lines_of(read_text(d.firm("DEMO") / "KAN2026.TXT")).size(), 61u);
}
