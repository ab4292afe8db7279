// Compatibility with other DBF tools: dbfread (Debian's python3-dbfread)
// reads what the engine writes with the same structure and values, Polish
// letters included; the engine reads a table written by python3-dbf.
#include <cstdio>

#include "tests/db/db_fixture.h"

namespace {

using dbtest::DbTest;

std::string run(const std::string& command) {
  std::string out;
  FILE* p = popen(command.c_str(), "r");
  if (!p) return out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  int status = pclose(p);
  if (status != 0) out = "python failed (" + std::to_string(status) + "): " + out;
  while (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

std::string oracle(const std::string& verb, const std::string& file) {
  return run("/usr/bin/python3 " SKOLVARIN_SOURCE_DIR "/tests/db/dbf_oracle.py " + verb + " '" + file + "' 2>&1");
}

class Compat : public DbTest {};

TEST_F(Compat, DbfreadReadsWhatTheEngineWrote) {
  define({{"NAZ", 'C', 20, 0}, {"KWO", 'N', 9, 2}, {"KOD", 'N', 5, 0}, {"DAT", 'D', 8, 0}, {"CZY", 'L', 1, 0}},
         {{"UPPER(NAZ)"}});
  DATA4* d = nullptr;
  std::vector<FIELD4*> f;
  ASSERT_EQ(open("ZGODNA.DBF", &d, &f), 0);
  struct Row {
    const char* naz;
    double kwo;
    int kod;
    const char* dat;
    const char* czy;
  } rows[] = {{"Zażółć gęślą jaźń", 1234.5, 17, "20240131", "T"},
              {"do usunięcia", 1, 1, "20240101", "F"},
              {"ĄĆĘŁŃÓŚŹŻ", -99999.99, 0, "", "F"},
              {"", 0.01, 99999, "19991231", " "}};
  for (const Row& r : rows) {
    d4append_start(d);
    f4assign(f[0], r.naz);
    f4assign_double(f[1], r.kwo);
    f4assign_int(f[2], r.kod);
    f4assign(f[3], r.dat);
    f4assign(f[4], r.czy);
    ASSERT_EQ(d4append(d), 0);
  }
  d4go(d, 2);
  d4delete(d);
  d4close_all(&ctx);
  std::string expected =
      "{\"fields\": [[\"NAZ\", \"C\", 20, 0], [\"KWO\", \"N\", 9, 2], [\"KOD\", \"N\", 5, 0], "
      "[\"DAT\", \"D\", 8, 0], [\"CZY\", \"L\", 1, 0]], "
      "\"records\": [[\"Zażółć gęślą jaźń\", 1234.5, 17, \"2024-01-31\", true], "
      "[\"ĄĆĘŁŃÓŚŹŻ\", -99999.99, 0, null, false], "
      "[\"\", 0.01, 99999, \"1999-12-31\", null]], "
      "\"deleted\": 1, \"language\": 105, \"count\": 4}";
  EXPECT_EQ(oracle("read", path("ZGODNA.DBF")), expected);
}

TEST_F(Compat, EngineReadsATableWrittenByPythonDbf) {
  ASSERT_EQ(oracle("write", path("PYDBF.DBF")), "");
  DATA4* d = d4open(&ctx, "PYDBF.DBF");
  ASSERT_NE(d, nullptr) << last_message();
  ASSERT_EQ(d4reccount(d), 3);
  ASSERT_EQ(d4num_fields(d), 5);
  FIELD4* naz = d4field(d, "NAZ");
  FIELD4* kwo = d4field(d, "KWO");
  FIELD4* kod = d4field(d, "KOD");
  FIELD4* dat = d4field(d, "DAT");
  FIELD4* czy = d4field(d, "CZY");
  EXPECT_EQ(f4len(naz), 20);
  EXPECT_EQ(f4decimals(kwo), 2);
  d4top(d);
  EXPECT_EQ(f4trim(naz), "Mädchen Góra");
  EXPECT_DOUBLE_EQ(f4double(kwo), 1234.5);
  EXPECT_EQ(f4int(kod), 17);
  EXPECT_EQ(f4date(dat), (HostDate{2024, 1, 31}));
  EXPECT_EQ(f4true(czy), 1);
  d4skip(d, 1);
  EXPECT_EQ(f4trim(naz), "Ola");
  EXPECT_DOUBLE_EQ(f4double(kwo), -9999.99);
  EXPECT_TRUE(f4date(dat).empty());
  EXPECT_EQ(f4true(czy), 0);
  d4skip(d, 1);
  EXPECT_EQ(f4trim(naz), "Zenon");
  EXPECT_EQ(f4long(kod), 99999);
  EXPECT_EQ(d4skip(d, 1), r4eof);
  // The layout of python3-dbf's file matches a definition of the same fields.
  d4close(d);
  define({{"NAZ", 'C', 20, 0}, {"KWO", 'N', 9, 2}, {"KOD", 'N', 5, 0}, {"DAT", 'D', 8, 0}, {"CZY", 'L', 1, 0}},
         {{"UPPER(NAZ)"}});
  std::vector<TAG4*> t;
  ASSERT_EQ(open("PYDBF.DBF", &d, nullptr, &t), 0) << last_message();
  d4tag_select(d, t[0]);
  EXPECT_EQ(d4seek(d, "OLA"), 0);
  // Appending to it keeps it readable by dbfread.
  d4append_start(d);
  f4assign(d4field(d, "NAZ"), "Łukasz");
  ASSERT_EQ(d4append(d), 0);
  d4close(d);
  std::string read_back = oracle("read", path("PYDBF.DBF"));
  EXPECT_NE(read_back.find("[\"Łukasz\", null, null, null, null]"), std::string::npos) << read_back;
  EXPECT_NE(read_back.find("\"count\": 4"), std::string::npos) << read_back;
}

}  // namespace
