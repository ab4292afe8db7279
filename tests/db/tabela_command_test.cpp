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

// Header 32 + 4 fields x 32 + 1, then record 1: flag, "  Łąka; sp.j." -> 5th byte of NAZ.
constexpr size_t kNulAt = 32 + 4 * 32 + 1 + 1 + 4;

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

// Values that take every road of the CSV writer: Polish letters, the three
// characters that need quotes, NUL and ESC bytes, blanks at both ends,
// negative and empty numbers, a deleted record between live ones.  The rows
// must be exactly those python3-dbfread gives; the listing shows ESC as \x1B.
TEST_F(TabelaCommand, CsvIsWhatDbfreadReadsAndTheListingShowsControlsEscaped) {
  define({{"NAZ", 'C', 14, 0}, {"KWO", 'N', 9, 2}, {"DAT", 'D', 8, 0}, {"CZY", 'L', 1, 0}});
  DATA4* d = nullptr;
  std::vector<FIELD4*> f;
  ASSERT_EQ(open("W3KHNT.DBF", &d, &f), 0);
  struct Row {
    const char* naz;
    double kwo;
    const char* dat;
    bool deleted;
  };
  const Row rows[] = {{"  Łąka; sp.j.", -12.5, "20240105", false}, {"\"Źródło\" ż", 0, "", false},
                      {"usunięty", 1, "", true},                  {"dwa\nwiersze", 99999.99, "20241231", false},
                      {"", 0, "", false},                            {"esc\x1b[31m", 3, "", false},
                      {"ASCII tylko", 7.01, "19991231", false}};
  for (const Row& r : rows) {
    d4append_start(d);
    f4assign(f[0], r.naz);
    if (r.kwo != 0) f4assign_double(f[1], r.kwo);
    f4assign(f[2], r.dat);
    f4assign(f[3], r.deleted ? "F" : "T");
    if (r.deleted) d4delete(d);
    d4append(d);
  }
  d4close_all(&ctx);
  auto b = bytes("W3KHNT.DBF");
  b[kNulAt] = 0;  // a NUL byte inside the first record's name
  write_bytes("W3KHNT.DBF", b);
  int status = 0;
  std::string csv = run(program() + " tabela " + path("W3KHNT.DBF") + " --csv", status);
  EXPECT_EQ(status, 0);
  std::string oracle = run("/usr/bin/python3 " SKOLVARIN_SOURCE_DIR "/tests/db/dbf_oracle.py csv " +
                               path("W3KHNT.DBF"), status);
  ASSERT_EQ(status, 0) << oracle;
  EXPECT_EQ(csv, oracle);
  EXPECT_NE(csv.find("esc\x1b[31m"), std::string::npos) << "CSV into a file keeps every byte";
  std::string listing = run(program() + " tabela " + path("W3KHNT.DBF"), status);
  EXPECT_EQ(listing.find('\x1b'), std::string::npos) << listing;
  EXPECT_NE(listing.find("esc\\x1B[31m"), std::string::npos) << listing;
  EXPECT_NE(listing.find("dwa\\x0Awiersze"), std::string::npos) << listing;
}

TEST_F(TabelaCommand, DamagedFileExitsWithOneAndAMessage) {
  write_bytes("ZLE.DBF", {'n', 'i', 'e'});
  int status = 0;
  std::string out = run(program() + " tabela " + path("ZLE.DBF") + " 2>&1", status);
  EXPECT_NE(status, 0);
  EXPECT_NE(out.find("za krótki"), std::string::npos) << out;
}

}  // namespace
