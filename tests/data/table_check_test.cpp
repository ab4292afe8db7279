// The integrity check of table files: sound files (written here and by
// python3-dbf) pass; each kind of damage gives its own Polish line.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "data/catalogue.h"
#include "data/table_check.h"
#include "host/api/db_api.h"

namespace {

namespace fs = std::filesystem;
using skolvarin::data::check_table_file;
using skolvarin::data::find_layout;

struct Col {
  std::string name;
  char type;
  int width, decimals;
};

// A dBASE III file with the given columns and raw records (without the
// deletion byte, which is `mark`).
std::vector<unsigned char> dbf_bytes(const std::vector<Col>& cols, const std::vector<std::string>& records,
                                     char mark = ' ') {
  int reclen = 1;
  for (const auto& c : cols) reclen += c.width;
  int hlen = 32 + 32 * static_cast<int>(cols.size()) + 1;
  std::vector<unsigned char> b(32, 0);
  b[0] = 0x03;
  b[1] = 124;
  b[2] = 1;
  b[3] = 1;
  uint32_t n = static_cast<uint32_t>(records.size());
  for (int i = 0; i < 4; ++i) b[4 + i] = (n >> (8 * i)) & 0xFF;
  b[8] = hlen & 0xFF;
  b[9] = hlen >> 8;
  b[10] = reclen & 0xFF;
  b[11] = reclen >> 8;
  for (const auto& c : cols) {
    unsigned char d[32] = {};
    for (size_t i = 0; i < c.name.size(); ++i) d[i] = static_cast<unsigned char>(c.name[i]);
    d[11] = static_cast<unsigned char>(c.type);
    d[16] = static_cast<unsigned char>(c.width);
    d[17] = static_cast<unsigned char>(c.decimals);
    b.insert(b.end(), d, d + 32);
  }
  b.push_back(0x0D);
  for (const auto& r : records) {
    b.push_back(static_cast<unsigned char>(mark));
    std::string rec = r;
    rec.resize(static_cast<size_t>(reclen - 1), ' ');
    b.insert(b.end(), rec.begin(), rec.end());
  }
  b.push_back(0x1A);
  return b;
}

class TableCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("skolvarin_check_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string write(const std::string& name, const std::vector<unsigned char>& bytes) {
    std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  fs::path dir_;
};

const std::vector<Col> kHolidays = {{"DAT", 'D', 8, 0}, {"INF", 'C', 32, 0}};
const std::vector<Col> kRates = {{"DAT", 'D', 8, 0}, {"STO", 'N', 6, 3}, {"TYP", 'C', 1, 0}, {"INF", 'C', 32, 0}};

bool any_contains(const std::vector<std::string>& lines, const std::string& text) {
  for (const auto& l : lines)
    if (l.find(text) != std::string::npos) return true;
  return false;
}

TEST_F(TableCheck, SoundFilesPass) {
  auto path = write("W3ODUS.DBF", dbf_bytes(kRates, {"20240101 8.250A", "20000229 0.000A", "        " + std::string(6, ' ')}));
  auto r = check_table_file(path, *find_layout("W3ODUS.DBF"));
  EXPECT_TRUE(r.problems.empty()) << r.problems.front();
  EXPECT_EQ(r.records, 3);
}

TEST_F(TableCheck, EachDamageIsReportedInPolish) {
  struct Case {
    const char* what;
    std::vector<unsigned char> bytes;
    const char* layout;
    const char* expected;
  };
  auto truncated = dbf_bytes(kHolidays, {"20240101", "20240102", "20240103"});
  truncated.resize(truncated.size() - 30);
  auto bad_version = dbf_bytes(kHolidays, {"20240101"});
  bad_version[0] = 0x30;
  auto long_tail = dbf_bytes(kHolidays, {"20240101"});
  long_tail.insert(long_tail.end(), 50, ' ');
  auto bad_reclen = dbf_bytes(kHolidays, {"20240101"});
  bad_reclen[10] = 30;
  std::vector<unsigned char> tiny = {0x03, 0, 0};
  auto encrypted = dbf_bytes(kHolidays, {"20240101"});
  encrypted[15] = 1;
  auto shifted = dbf_bytes(kHolidays, {"20240101", "20240102"});
  shifted[8] += 1;  // header length one byte too long
  auto mazovia_number = dbf_bytes(kRates, {"20240101 8.2\x86" "0A"});  // 0x86 is "ą"
  auto escape_date = dbf_bytes(kHolidays, {"2024\x1b[1m"});
  Case cases[] = {
      {"truncated", truncated, "W3DNWO.DBF", "plik obcięty"},
      {"version", bad_version, "W3DNWO.DBF", "nieznany format pliku (bajt wersji 0x30)"},
      {"tail", long_tail, "W3DNWO.DBF", "bajtów za ostatnim"},
      {"reclen", bad_reclen, "W3DNWO.DBF", "nie zgadza się z sumą szerokości pól"},
      {"tiny", tiny, "W3DNWO.DBF", "plik za krótki"},
      {"encrypted", encrypted, "W3DNWO.DBF", "tabela jest zaszyfrowana"},
      {"header length off by one", shifted, "W3DNWO.DBF", "znacznik końca stoi o bajt za wcześnie"},
      {"number in UTF-8", mazovia_number, "W3ODUS.DBF", "nieczytelna liczba ' 8.2ą0'"},
      {"control bytes escaped", escape_date, "W3DNWO.DBF", "nieczytelna data '2024\\x1B[1m'"},
      {"bad date", dbf_bytes(kHolidays, {"20241332"}), "W3DNWO.DBF", "pole DAT: nieczytelna data '20241332'"},
      {"feb 29 of a common year", dbf_bytes(kHolidays, {"20230229"}), "W3DNWO.DBF", "nieczytelna data"},
      {"bad number", dbf_bytes(kRates, {"2024010112a.00A"}), "W3ODUS.DBF", "pole STO: nieczytelna liczba"},
      {"deletion mark", dbf_bytes(kHolidays, {"20240101"}, 'X'), "W3DNWO.DBF", "błędny znacznik usunięcia"},
      {"narrower field", dbf_bytes({{"DAT", 'D', 8, 0}, {"INF", 'C', 30, 0}}, {}), "W3DNWO.DBF",
       "pole INF ma typ C30.0, oczekiwano C32.0"},
      {"missing field", dbf_bytes({{"DAT", 'D', 8, 0}}, {}), "W3DNWO.DBF", "brak pola INF"},
      {"type", dbf_bytes({{"DAT", 'C', 8, 0}, {"INF", 'C', 32, 0}}, {}), "W3DNWO.DBF", "pole DAT ma typ C8.0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto path = write("T.DBF", c.bytes);
    auto r = check_table_file(path, *find_layout(c.layout));
    ASSERT_FALSE(r.problems.empty());
    EXPECT_TRUE(any_contains(r.problems, c.expected)) << r.problems.front();
    EXPECT_EQ(r.problems.front().rfind(path + ": ", 0), 0u);  // every line names the file
  }
}

// A directory where a table should be is one problem, not an abort.
TEST_F(TableCheck, DirectoryInPlaceOfATableIsAProblemNotACrash) {
  fs::create_directories(dir_ / "W3DNWO.DBF");
  auto r = check_table_file((dir_ / "W3DNWO.DBF").string(), *find_layout("W3DNWO.DBF"));
  ASSERT_EQ(r.problems.size(), 1u);
  EXPECT_NE(r.problems[0].find("to jest katalog"), std::string::npos) << r.problems[0];
}

// While another process appends records one by one through the engine, every
// check of the table finds it sound: the file is read under its append lock.
TEST_F(TableCheck, TableBeingAppendedByAnotherProcessIsSound) {
  auto path = write("W3DNWO.DBF", dbf_bytes(kHolidays, {"20240101"}));
  int ready[2], stop[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(stop), 0);
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // Appends until the parent has made its checks (the stop pipe closes).
    ::close(stop[1]);
    ::fcntl(stop[0], F_SETFL, O_NONBLOCK);
    HostContext ctx;
    ctx.current_dir = dir_.string() + "/";
    DATA4* d = d4open(&ctx, "W3DNWO.DBF");
    char c = d ? 'Y' : 'N';
    if (::write(ready[1], &c, 1) != 1) ::_exit(3);
    char any;
    for (int i = 0; d && i < 200000 && ::read(stop[0], &any, 1) != 0; ++i) {
      d4append_start(d);
      f4assign(d4field(d, "DAT"), "20240102");
      if (d4append(d) != 0) ::_exit(4);
    }
    ::_exit(d ? 0 : 5);
  }
  ::close(stop[0]);
  char c = 0;
  ASSERT_EQ(::read(ready[0], &c, 1), 1);
  ASSERT_EQ(c, 'Y');
  int unsound = 0;
  std::string first;
  const int checks = 300;
  for (int i = 0; i < checks; ++i) {
    auto r = check_table_file(path, *find_layout("W3DNWO.DBF"));
    if (!r.problems.empty() && unsound++ == 0) first = r.problems.front();
  }
  ::close(stop[1]);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(unsound, 0) << "of " << checks << " checks; first: " << first;
}

TEST_F(TableCheck, ManyBadRecordsAreListedFiveThenCounted) {
  std::vector<std::string> recs(12, "2024xx01");
  auto path = write("W3DNWO.DBF", dbf_bytes(kHolidays, recs));
  auto r = check_table_file(path, *find_layout("W3DNWO.DBF"));
  ASSERT_EQ(r.problems.size(), 6u);
  EXPECT_NE(r.problems[4].find("rekord 5:"), std::string::npos);
  EXPECT_NE(r.problems[5].find("i 7 dalszych"), std::string::npos);
}

TEST_F(TableCheck, FileWrittenByPythonDbfPasses) {
  std::string path = (dir_ / "W3KATA.DBF").string();
  std::string script =
      "import dbf\n"
      "t = dbf.Table(r'" + path + "', 'NAZ C(20); KAT C(40); UWA C(40)', dbf_type='db3')\n"
      "t.open(dbf.READ_WRITE)\n"
      "t.append(('DEMO', 'DEMO', 'firma'))\n"
      "t.append(('INNA', '/tmp/inna', ''))\n"
      "t.close()\n";
  std::string script_path = (dir_ / "make.py").string();
  std::ofstream(script_path) << script;
  ASSERT_EQ(std::system(("/usr/bin/python3 " + script_path).c_str()), 0);
  auto r = check_table_file(path, *find_layout("W3KATA.DBF"));
  EXPECT_TRUE(r.problems.empty()) << r.problems.front();
  EXPECT_EQ(r.records, 2);
}

}  // namespace
