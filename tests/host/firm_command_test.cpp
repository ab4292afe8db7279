// `skolvarin firma`: firms set up by script, read back by the list and by
// the firm data table itself.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "tests/support/files.h"
#include "tests/support/program_run.h"

namespace skolvarin {
namespace {

using testing_support::make_temp_dir;
using testing_support::program;
using testing_support::read_file;
using testing_support::run_command;

class FirmCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = make_temp_dir("firma");
    ASSERT_EQ(run_command(program() + " init --data " + dir_ + " >/dev/null").status, 0);
  }
  testing_support::ProgramRun firma(const std::string& args) {
    return run_command(program() + " firma " + args + " --data " + dir_ + " 2>&1");
  }
  static bool exists(const std::string& p) {
    struct stat st {};
    return stat(p.c_str(), &st) == 0;
  }
  std::string dir_;
};

TEST_F(FirmCommand, AddedFirmIsListedWithItsOfficeAndStoredInItsDirectory) {
  auto r = firma("dodaj --skrot ABC --nazwa 'ABC Sp. z o.o.' --katalog ABC --nip 526-025-02-74 --regon 123456785 "
                 "--urzad 1471 --ewidencja R --rachunek '61109010140000071219812874' --miasto Kraków");
  ASSERT_EQ(r.status, 0) << r.out;
  auto list = firma("lista --json");
  ASSERT_EQ(list.status, 0);
  EXPECT_NE(list.out.find("\"skrot\": \"ABC\", \"katalog\": \"ABC\", \"nazwa\": \"ABC Sp. z o.o.\""), std::string::npos)
      << list.out;
  EXPECT_NE(list.out.find("\"urzad\": 1471, \"urzad_nazwa\": \"PIERWSZY MAZOWIECKI"), std::string::npos) << list.out;
  EXPECT_NE(list.out.find("\"ewidencja\": \"R\""), std::string::npos);
  // The firm data table holds the name in Mazovia: "Kraków" with ó = 0xA2.
  std::string pawl = read_file(dir_ + "/firmy/ABC/W3PAWL.DBF");
  EXPECT_NE(pawl.find("ABC Sp. z o.o."), std::string::npos);
  EXPECT_NE(pawl.find("Krak\xA2w"), std::string::npos);

  // Modify changes only what is given.
  ASSERT_EQ(firma("zmien abc --nazwa 'ABC S.A.'").status, 0);
  list = firma("lista --json");
  EXPECT_NE(list.out.find("\"nazwa\": \"ABC S.A.\", \"nazwa2\": \"\", \"nip\": \"526-025-02-74\""), std::string::npos)
      << list.out;
  // Two firms may not share a short name or a directory.
  EXPECT_EQ(firma("dodaj --skrot abc --nazwa X --katalog X2").status, 2);
  EXPECT_EQ(firma("dodaj --skrot X2 --nazwa X --katalog abc").status, 2);
}

TEST_F(FirmCommand, BadInputExitsTwoAndWritesNothing) {
  std::string before = read_file(dir_ + "/wspolne/W3KATA.DBF");
  struct Bad {
    const char* args;
    const char* message;
  };
  for (Bad b : {Bad{"--nip 5260250275", "błędna cyfra kontrolna NIP"},
                {"--regon 123456786", "błędna cyfra kontrolna REGON"},
                {"--rachunek 61109010140000071219812875", "błędna cyfra kontrolna numeru rachunku"},
                {"--osoba-fizyczna T", "osoba fizyczna wymaga numeru PESEL"},
                {"--urzad 999999", "nie ma urzędu skarbowego o kodzie 999999"}}) {
    auto r = firma(std::string("dodaj --skrot NOWA --nazwa Nowa --katalog NOWA ") + b.args);
    EXPECT_EQ(r.status, 2) << b.args;
    EXPECT_NE(r.out.find(b.message), std::string::npos) << r.out;
    EXPECT_FALSE(exists(dir_ + "/firmy/NOWA")) << b.args;
  }
  for (const char* d : {"../POZA", "/tmp/POZA", "..", "A/B"}) {
    EXPECT_EQ(firma(std::string("dodaj --skrot NOWA --nazwa Nowa --katalog '") + d + "'").status, 2) << d;
  }
  EXPECT_FALSE(exists(dir_ + "/POZA"));
  EXPECT_EQ(read_file(dir_ + "/wspolne/W3KATA.DBF"), before);
}

TEST_F(FirmCommand, OnlyAFirmWithoutDataIsDeleted) {
  ASSERT_EQ(firma("dodaj --skrot PUSTA --nazwa Pusta --katalog PUSTA").status, 0);
  ASSERT_EQ(firma("usun PUSTA").status, 0);
  EXPECT_FALSE(exists(dir_ + "/firmy/PUSTA"));
  EXPECT_EQ(firma("lista").out.find("PUSTA"), std::string::npos);
  ASSERT_EQ(firma("dodaj --skrot PELNA --nazwa Pelna --katalog PELNA").status, 0);
  { std::ofstream(dir_ + "/firmy/PELNA/W3KHNT.DBF") << "x"; }
  auto r = firma("usun PELNA");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.out.find("W3KHNT.DBF"), std::string::npos) << r.out;
  EXPECT_NE(firma("lista").out.find("PELNA"), std::string::npos);
}

}  // namespace
}  // namespace skolvarin
