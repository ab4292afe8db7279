// End to end: `skolvarin tabela` prints a table written by the engine, Polish
// letters in UTF-8, as a listing and as CSV; a damaged file exits with 1.
#include "tests/db/db_fixture.h"
#include "tests/support/program_run.h"

namespace {

using dbtest::DbTest;

using skolvarin::testing_support::program;

std::string run(const std::string& command, int& status) {
  skolvarin::testing_support::ProgramRun r = skolvarin::testing_support::run_command(command);
  status = r.status;
  return r.out;
}

class TabelaCommand : public DbTest {};

TEST_F(TabelaCommand, PrintsStructureAndRecordsInUtf8) {
  define({{"NAZ", 'C', 12, 0}, {"KWO", 'N', 9, 2}, {"DAT", 'D', 8, 0}});
  DATA4* d = nullptr;
  std::vector<FIELD4*> f;
  ASSERT_EQ(open("W3KHNT.DBF", &d, &f), 0);
  const char* names[] = {"Łąka; sp.j.", "Źródło", "usunięty"};
  for (int i = 0; i < 3; ++i) {
    d4append_start(d);
    f4assign(f[0], names[i]);
    f4assign_double(f[1], 10.5 * (i + 1));
    f4assign(f[2], "20240105");
    d4append(d);
  }
  d4delete(d);
  d4close_all(&ctx);
  int status = 0;
  std::string csv = run(program() + " tabela " + path("W3KHNT.DBF") + " --csv", status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(csv, "NAZ;KWO;DAT\n\"Łąka; sp.j.\";10.50;20240105\nŹródło;21.00;20240105\n");
  std::string listing = run(program() + " tabela " + path("W3KHNT.DBF"), status);
  EXPECT_EQ(status, 0);
  EXPECT_NE(listing.find("3 rekordów, 3 pól"), std::string::npos) << listing;
  EXPECT_NE(listing.find("KWO        N   9.2"), std::string::npos) << listing;
  EXPECT_NE(listing.find("      3* usunięty     |     31.50 | 20240105"), std::string::npos) << listing;
}

TEST_F(TabelaCommand, DamagedFileExitsWithOneAndAMessage) {
  write_bytes("ZLE.DBF", {'n', 'i', 'e'});
  int status = 0;
  std::string out = run(program() + " tabela " + path("ZLE.DBF") + " 2>&1", status);
  EXPECT_NE(status, 0);
  EXPECT_NE(out.find("za krótki"), std::string::npos) << out;
}

}  // namespace
