// Users: passwords kept only as salted hashes, the login asked at start,
// three wrong tries end the run, rights and firms per user.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/files.h"
#include "tests/support/program_run.h"

namespace skolvarin {
namespace {

using testing_support::make_temp_dir;
using testing_support::program;
using testing_support::read_file;
using testing_support::run_command;

class Users : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = make_temp_dir("uzytkownicy");
    ASSERT_EQ(run_command(program() + " init --data " + dir_ + " >/dev/null").status, 0);
  }
  testing_support::ProgramRun cmd(const std::string& args) {
    return run_command(program() + " " + args + " --data " + dir_ + " 2>&1");
  }
  // A headless run with `keys`; the dumps come back joined.
  testing_support::ProgramRun screen(const std::string& keys, std::string& dumps) {
    { std::ofstream(dir_ + "/keys.txt") << keys; }
    auto r = run_command(program() + " --data " + dir_ + " --dzis 2026-03-02 --keys " + dir_ + "/keys.txt --screen " +
                         dir_ + "/screen.txt 2>&1");
    dumps = read_file(dir_ + "/screen.txt");
    return r;
  }
  std::string dir_;
};

TEST_F(Users, PasswordFileHoldsSaltedHashesNeverThePassword) {
  ASSERT_EQ(cmd("uzytkownik dodaj anna --haslo Wiosna2026").status, 0);
  ASSERT_EQ(cmd("uzytkownik dodaj piotr --haslo Wiosna2026").status, 0);
  std::string file = read_file(dir_ + "/wspolne/uzytkownicy.cfg");
  EXPECT_EQ(file.find("Wiosna2026"), std::string::npos) << file;
  // yescrypt hashes; the same password gives two different lines (salt).
  size_t a = file.find("2:ANNA:U:$y$"), p = file.find("3:PIOTR:U:$y$");
  ASSERT_NE(a, std::string::npos) << file;
  ASSERT_NE(p, std::string::npos) << file;
  EXPECT_NE(file.substr(a + 9, 60), file.substr(p + 10, 60));
  // The module's user list knows the new users too.
  EXPECT_NE(read_file(dir_ + "/wspolne/W3PAOS.DBF").find("ANNA"), std::string::npos);
  EXPECT_EQ(cmd("uzytkownik dodaj Anna").status, 2);  // names are unique ignoring case
  EXPECT_EQ(cmd("uzytkownik haslo nikt --haslo x").status, 2);
}

TEST_F(Users, ThreeWrongPasswordsEndTheRunWithALogLine) {
  ASSERT_EQ(cmd("uzytkownik haslo administrator --haslo dobre").status, 0);
  std::string dumps;
  auto r = screen("<dump>administrator<Enter>zle1<F2><Enter>administrator<Enter>zle2<F2><Enter>"
                  "administrator<Enter>zle3<F2><dump><Enter>",
                  dumps);
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_NE(dumps.find("Logowanie"), std::string::npos) << dumps;
  EXPECT_NE(dumps.find("Trzy błędne próby logowania - koniec pracy"), std::string::npos) << dumps;
  EXPECT_EQ(dumps.find(" Płace "), std::string::npos) << "the menu never showed\n" << dumps;
  EXPECT_NE(read_file(dir_ + "/wspolne/skolvarin.log")
                .find("Trzy błędne próby logowania (użytkownik administrator); koniec pracy"),
            std::string::npos);

  // The right password on the second try lets him in.
  r = screen("administrator<Enter>zle<F2><Enter>administrator<Enter>dobre<F2><dump><Esc>T", dumps);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(dumps.find(" Płace "), std::string::npos) << dumps;
}

TEST_F(Users, ASecondUserSeesOnlyHisFirmsAndLosesTheRightsTakenFromHim) {
  ASSERT_EQ(run_command(program() + " firma dodaj --skrot ABC --nazwa 'ABC Sp. z o.o.' --katalog ABC --data " + dir_ +
                        " >/dev/null")
                .status,
            0);
  ASSERT_EQ(cmd("uzytkownik dodaj ewa --haslo e").status, 0);
  ASSERT_EQ(cmd("uzytkownik prawa ewa --firmy ABC --odbierz 6200").status, 0);
  auto list = cmd("uzytkownik lista --json");
  EXPECT_NE(list.out.find("\"nazwa\": \"EWA\", \"administrator\": false, \"haslo\": true, \"odebrane\": \"2,6200\", "
                          "\"firmy\": \"ABC\""),
            std::string::npos)
      << list.out;
  EXPECT_EQ(cmd("uzytkownik prawa ewa --firmy NIEMA").status, 2);
  std::string dumps;
  // EWA enters ABC at once (her only firm); " Kontrahenci " (6200) is refused.
  auto r = screen("ewa<Enter>e<F2><dump>ok<dump><Esc><Esc><Esc>T", dumps);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(dumps.find("ABC Sp. z o.o.  rok "), std::string::npos) << dumps;
  EXPECT_NE(dumps.find("Brak uprawnień"), std::string::npos) << dumps;
  // The administrator, with two firms, chooses at start.
  r = screen("administrator<Enter><F2><dump><Esc><Esc>T", dumps);
  EXPECT_NE(dumps.find("DEMO "), std::string::npos) << dumps;
  EXPECT_NE(dumps.find("ABC "), std::string::npos) << dumps;
}

TEST_F(Users, TheUsersScreenAddsAUserWithHisRightsWhoThenLogsIn) {
  std::string dumps;
  // Two different passwords are refused; then EWA with "tajne", and
  // " Kontrahenci " (the 9th right) taken from her.
  auto r = screen("<A-U><Ins>ewa<Enter>tajne<Enter>inne<Enter><F2><dump><Enter><Esc>"
                  "<Ins>ewa<Enter>tajne<Enter>tajne<Enter><F2><Down><F5><Down><Down><Down><Down><Down><Down><Down><Down>"
                  "<Space><dump><F2><dump><Esc><Esc>T",
                  dumps);
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(dumps.find("Oba wpisane hasła muszą być jednakowe"), std::string::npos) << dumps;
  EXPECT_NE(dumps.find("[N] Pomocnicze / Kontrahenci"), std::string::npos) << dumps;
  EXPECT_NE(dumps.find("EWA                                     hasło  prawa ograniczone"), std::string::npos) << dumps;
  std::string file = read_file(dir_ + "/wspolne/uzytkownicy.cfg");
  EXPECT_NE(file.find("2:EWA:U:$y$"), std::string::npos) << file;
  EXPECT_EQ(file.find("tajne"), std::string::npos) << file;

  // EWA logs in, is refused " Kontrahenci " and may not open the users screen.
  r = screen("ewa<Enter>tajne<F2><dump>ok<dump><Esc><Esc><A-U><dump><Enter><Esc>T", dumps);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(dumps.find(" Płace "), std::string::npos) << dumps;
  EXPECT_NE(dumps.find("Brak uprawnień do tej funkcji !"), std::string::npos) << dumps;
  EXPECT_NE(dumps.find("Użytkownikami zarządza tylko administrator"), std::string::npos) << dumps;
}

}  // namespace
}  // namespace skolvarin
