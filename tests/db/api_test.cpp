// The smaller host calls: per-year names, directories, dates, bulk field
// helpers, filtered scans and prefix scans, handle binding.
#include <sys/wait.h>

#include <cerrno>
#include <cstring>

#include "tests/db/db_fixture.h"

namespace {

using dbtest::DbTest;
namespace fs = std::filesystem;

TEST(DbNames, SetDbfYearWritesTheYearOverTheTwoCharacters) {
  struct Case {
    const char* name;
    int year;
    const char* result;
  } cases[] = {{"W3PENS  .DBF", 2024, "W3PENS24.DBF"}, {"W3PENS99.DBF", 2005, "W3PENS05.DBF"},
               {"W3PRAC.DBF", 2024, "W3PRAC.DBF"},     {"W3AMOR  .dbf", 2100, "W3AMOR00.dbf"},
               {"W3PENS  .TXT", 2024, "W3PENS  .TXT"}};
  for (const Case& c : cases) {
    char buf[32];
    std::strcpy(buf, c.name);
    EXPECT_EQ(SetDbfYear(buf, c.year), buf);
    EXPECT_STREQ(buf, c.result) << c.name;
  }
}

TEST(DbNames, NameExtension) {
  char a[16] = "W3PLEW25.DBF";
  EXPECT_EQ(u4name_ext(a, sizeof a, "CNV", 1), 0);
  EXPECT_STREQ(a, "W3PLEW25.CNV");
  EXPECT_EQ(u4name_ext(a, sizeof a, "DBF", 0), 0);
  EXPECT_STREQ(a, "W3PLEW25.CNV");
  char b[16] = "RMUAP";
  EXPECT_EQ(u4name_ext(b, sizeof b, ".DBF", 0), 0);
  EXPECT_STREQ(b, "RMUAP.DBF");
  char c[8] = "ABCDEFG";
  EXPECT_EQ(u4name_ext(c, sizeof c, "DBF", 0), e4param);
}

TEST(DbDates, ConversionsOfFieldDates) {
  EXPECT_EQ(date4year("20240229"), 2024);
  EXPECT_EQ(date4month("20240229"), 2);
  EXPECT_EQ(date4day("20240229"), 29);
  EXPECT_EQ(date4year("        "), 0);
  EXPECT_EQ(date4long("20240301") - date4long("20240228"), 2);
  EXPECT_EQ(date4long("20250301") - date4long("20250228"), 1);
  EXPECT_EQ(c4dt_julian(2024, 3, 1), date4long("20240301"));
  EXPECT_EQ(c4dt_julian(2023, 2, 29), 0);
  char out[9];
  EXPECT_STREQ(date4assign(out, date4long("19991231") + 1), "20000101");
  EXPECT_STREQ(date4assign(out, 0), "        ");
  char n[16];
  EXPECT_STREQ(c4ltoa(42, n, 5), "   42");
  EXPECT_STREQ(c4ltoa(42, n, -5), "00042");
  EXPECT_STREQ(c4ltoa(123456, n, 3), "***");
  EXPECT_EQ(c4atoi("  123xyz", 5), 123);
  EXPECT_EQ(c4atoi("98765", 2), 98);
  HostContext ctx;
  ctx.today = HostDate{2026, 3, 9};
  char buf[9];
  EXPECT_STREQ(get_cur_das(&ctx, buf), "20260309");
  EXPECT_DOUBLE_EQ(ROUND(2.675, 2), 2.68);
}

class Api : public DbTest {};

TEST_F(Api, DirectoriesOfTheContext) {
  fs::create_directories(dir / "firma");
  fs::create_directories(dir / "wspolne");
  fs::create_directories(dir / "host");
  ctx.firms_dir = dir.string() + "/";
  ctx.firm_dir = (dir / "firma").string() + "/";
  ctx.shared_dir = (dir / "wspolne").string() + "/";
  ctx.common_dir = (dir / "host").string() + "/";
  ctx.current_dir = ctx.firm_dir;
  EXPECT_EQ(SaveDir(&ctx), 0);
  EXPECT_EQ(SwitchDir(&ctx, 3), 0);
  EXPECT_EQ(ctx.current_dir, ctx.shared_dir);
  EXPECT_EQ(RestoreDir(&ctx), 0);
  EXPECT_EQ(ctx.current_dir, ctx.firm_dir);
  EXPECT_EQ(RestoreDir(&ctx), e4dir);
  EXPECT_EQ(ChangeDir(&ctx, ctx.common_dir.c_str(), 18), 0);
  EXPECT_EQ(ctx.current_dir, ctx.common_dir);
  EXPECT_EQ(ChangeDir(&ctx, "", 20), 0);
  EXPECT_EQ(ctx.current_dir, ctx.common_dir);
  // Change of firm: 14 remembers, 12 moves to the chosen firm, 15 goes back.
  ctx.current_dir = ctx.firm_dir;
  EXPECT_EQ(ChangeDir(&ctx, nullptr, 14), 0);
  EXPECT_EQ(ctx.current_dir, ctx.firms_dir);
  EXPECT_EQ(ChangeDir(&ctx, "nie_ma_takiej", 12), e4dir);
  EXPECT_NE(last_message().find("nie_ma_takiej"), std::string::npos);
  EXPECT_EQ(ChangeDir(&ctx, nullptr, 13), 0);
  EXPECT_EQ(ctx.current_dir, ctx.firm_dir);
  EXPECT_EQ(ChangeDir(&ctx, nullptr, 15), 0);
  EXPECT_EQ(ctx.current_dir, (dir / "firma").string() + "/");
  fs::create_directories(dir / "druga");
  EXPECT_EQ(ChangeDir(&ctx, "druga", 12), 0);
  EXPECT_EQ(ctx.firm_dir, (dir / "druga").string() + "/");
  EXPECT_EQ(ctx.current_dir, ctx.firm_dir);
  EXPECT_EQ(ChangeDir(&ctx, nullptr, 99), e4dir);
  ctx.shared_dir.clear();
  EXPECT_EQ(SwitchDir(&ctx, 3), e4dir);
}

TEST_F(Api, BindingFollowsDefinitionOrderAndReportsExtraCalls) {
  define({{"KWO", 'N', 9, 2}, {"NAZ", 'C', 10, 0}}, {{"NAZ"}, {"KWO"}});
  DATA4* d = nullptr;
  TAG4INFO* tags = nullptr;
  ASSERT_EQ(open_dbf(&ctx, "BIND.DBF", &d, GetFieldsInfo(&ctx, &tags, GetTagsInfo(&ctx, 0))), 0);
  ASSERT_EQ(ResetDbfActivation(d, tags), 0);
  FIELD4* kwo = ActivateField(d);
  FIELD4* naz = ActivateField(d);
  EXPECT_STREQ(f4name(kwo), "KWO");
  EXPECT_STREQ(f4name(naz), "NAZ");
  EXPECT_EQ(ActivateField(d), nullptr);
  EXPECT_NE(ctx.error_code, 0);
  TAG4* t1 = ActivateTag(d);
  TAG4* t2 = ActivateTag(d);
  EXPECT_STREQ(t4expr(t1), "NAZ");
  EXPECT_STREQ(t4expr(t2), "KWO");
  EXPECT_EQ(ActivateTag(d), nullptr);
  ReleaseDbfDefinition(&ctx);
  // A table opened by d4open gets its tags from a definition at binding.
  d4close(d);
  define({{"KWO", 'N', 9, 2}, {"NAZ", 'C', 10, 0}}, {{"NAZ"}});
  d = d4open(&ctx, "BIND.DBF");
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d4num_tags(d), 0);
  ASSERT_EQ(ResetDbfActivation(d, GetTagsInfo(&ctx, 0)), 0);
  EXPECT_EQ(d4num_tags(d), 1);
  ReleaseDbfDefinition(&ctx);
  EXPECT_EQ(DefineField(&ctx, PackFieldName("X"), (5 << 8) + 1), e4param);  // no definition
  AllocDbfDefinition(&ctx);
  EXPECT_EQ(DefineField(&ctx, PackFieldName("BAD"), (5 << 8) + 7), e4param);
  EXPECT_EQ(DefineField(&ctx, PackFieldName("BIG"), (300 << 8) + 2), e4param);
  DATA4* none = nullptr;
  EXPECT_NE(open_dbf(&ctx, "BAD.DBF", &none, GetFieldsInfo(&ctx, &tags, GetTagsInfo(&ctx, 0))), 0);
  EXPECT_EQ(EnvFileExists(&ctx, "BAD.DBF"), 0);
}

// Messages of failed file operations are Polish and name the real reason:
// a table that cannot be created for lack of the right to write in its
// directory is not called missing, and no English system text slips in.
// Run as an ordinary user (a child process leaves root's rights when the
// tests run as root).
TEST_F(Api, FailedCreateSaysWhyInPolish) {
  int pipe_fds[2];
  ASSERT_EQ(::pipe(pipe_fds), 0);
  fs::permissions(dir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                           fs::perms::others_read | fs::perms::others_exec);
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(pipe_fds[0]);
    std::error_code ignored;
    if (::geteuid() != 0) fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec, ignored);
    else if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
    define({{"NAZ", 'C', 10, 0}});
    DATA4* d = nullptr;
    std::string report = open("NOWA.DBF", &d) != 0 ? last_message() : "otwarto";
    report += "\n" + SystemErrorText(ENOSPC) + "\n" + SystemErrorText(EROFS) + "\n" + SystemErrorText(EISDIR) +
              "\n" + SystemErrorText(ENOENT) + "\n" + SystemErrorText(EACCES);
    if (::write(pipe_fds[1], report.data(), report.size()) < 0) ::_exit(4);
    ::_exit(0);
  }
  ::close(pipe_fds[1]);
  std::string got;
  char buf[512];
  for (ssize_t n; (n = ::read(pipe_fds[0], buf, sizeof buf)) > 0;) got.append(buf, static_cast<size_t>(n));
  ::close(pipe_fds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  fs::permissions(dir, fs::perms::owner_all);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << got;
  EXPECT_NE(got.find("nie można utworzyć pliku"), std::string::npos) << got;
  EXPECT_NE(got.find("brak prawa zapisu w jego katalogu"), std::string::npos) << got;
  const std::string message = got.substr(0, got.find('\n'));
  EXPECT_EQ(message.find("nie istnieje"), std::string::npos) << message;
  EXPECT_EQ(message.find("nie ma takiego"), std::string::npos) << message;
  for (const char* english : {"No ", "Permission", "denied", "directory", "space", "Read-only"})
    EXPECT_EQ(got.find(english), std::string::npos) << english << " in " << got;
}

class Bulk : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    define({{"NAZ", 'C', 12, 0}, {"A", 'N', 9, 2}, {"B", 'N', 9, 2}, {"C", 'N', 5, 0}}, {{"NAZ"}});
    ASSERT_EQ(open("BULK.DBF", &d, &f, &t), 0);
  }
  DATA4* d = nullptr;
  std::vector<FIELD4*> f;
  std::vector<TAG4*> t;
};

TEST_F(Bulk, CopiesSumsAndBlanks) {
  d4append_blank(d);
  FIELD4* nums[] = {f[1], f[2], f[3]};
  double values[] = {10.125, 20.5, 7};
  EXPECT_EQ(ToFieldCopyDouble(nums, values, 3), 0);
  EXPECT_DOUBLE_EQ(f4double(f[1]), 10.13);
  EXPECT_DOUBLE_EQ(Suma_({f[1], f[2], f[3]}), 37.63);
  EXPECT_DOUBLE_EQ(Suma2(f[1], f[2]), 30.63);
  long longs[] = {1, 2, 123456};
  EXPECT_EQ(ToFieldCopyLongint(nums, longs, 3), e4overflow);
  EXPECT_DOUBLE_EQ(f4double(f[2]), 2);
  EXPECT_EQ(ZeroFields_({f[1], f[2], f[0]}), 0);
  EXPECT_STREQ(f4ptr(f[1]), "     0.00");
  f4assign(f[0], "Żółtodziób");
  char small[6];
  EXPECT_EQ(ToMemCopyMaxField(small, f[0], sizeof small), 4);  // "Żó" is 4 bytes; "Żół" would not fit
  EXPECT_STREQ(small, "Żó");
  char big[40];
  ToMemCopyMaxField(big, f[0], sizeof big);
  EXPECT_STREQ(big, "Żółtodziób");
  const char* a = FldQStr(f[0]);
  const char* b = MaxFldQStr(f[0], 3);
  EXPECT_STREQ(a, "Żółtodziób");
  EXPECT_STREQ(b, "Żół");
  EXPECT_EQ(EmptyRecord(d), 0);
  EXPECT_STREQ(FldQStr(f[0]), "");
  EXPECT_EQ(d4changed(d), 1);
}

TEST_F(Bulk, CopyFieldByFieldBetweenTables) {
  d4append_start(d);
  f4assign(f[0], "Źródło");
  f4assign_double(f[1], 12.5);
  f4assign_double(f[3], 99);
  d4append(d);
  define({{"NAZ", 'C', 12, 0}, {"A", 'N', 11, 2}, {"B", 'C', 9, 0}, {"C", 'N', 2, 0}});
  DATA4* other = nullptr;
  std::vector<FIELD4*> g;
  ASSERT_EQ(open("CEL.DBF", &other, &g), 0);
  d4append_start(other);
  for (size_t i = 0; i < g.size(); ++i) f4assign_field(g[i], f[i]);
  d4append(other);
  EXPECT_EQ(f4trim(g[0]), "Źródło");
  EXPECT_DOUBLE_EQ(f4double(g[1]), 12.5);
  EXPECT_EQ(f4trim(g[2]), "");  // blank number copied as blank text
  EXPECT_EQ(f4int(g[3]), 99);
}

int only_even_codes(void* arg) {
  return f4int(static_cast<FIELD4*>(arg)) % 2 == 0 ? r4keep : r4ignore;
}

TEST_F(Bulk, FilteredScanAndPrefixScan) {
  const char* names[] = {"AB1", "AB2", "AC1", "AB3", "B"};
  for (int i = 0; i < 5; ++i) {
    d4append_start(d);
    f4assign(f[0], names[i]);
    f4assign_int(f[3], i + 1);
    d4append(d);
  }
  d4tag_select(d, t[0]);
  X4FILTER scan;
  x4init(&scan, d, only_even_codes, f[3]);
  std::vector<std::string> seen;
  for (int rc = x4top(&scan); rc == 0; rc = x4skip(&scan, 1)) seen.push_back(f4trim(f[0]));
  EXPECT_EQ(seen, (std::vector<std::string>{"AB2", "AB3"}));
  EXPECT_EQ(x4seek(&scan, "AB"), 0);
  EXPECT_EQ(f4trim(f[0]), "AB2");
  EXPECT_EQ(x4seek(&scan, "AC"), r4eof);
  EXPECT_EQ(x4go(&scan, 2), 0);
  EXPECT_EQ(x4go(&scan, 3), r4entry);
  EXPECT_EQ(x4bottom(&scan), 0);
  EXPECT_EQ(f4trim(f[0]), "AB3");
  EXPECT_EQ(x4skip(&scan, -1), 0);
  EXPECT_EQ(f4trim(f[0]), "AB2");
  EXPECT_EQ(x4skip(&scan, -1), r4bof);
  EXPECT_EQ(f4trim(f[0]), "AB2");

  DBSCAN ps;
  InitDbScan(&ps, d, t[0], "AB");
  seen.clear();
  while (DbScan(&ps) == 0) seen.push_back(f4trim(f[0]));
  EXPECT_EQ(seen, (std::vector<std::string>{"AB1", "AB2", "AB3"}));
  InitDbScan(&ps, d, t[0], "Z");
  EXPECT_EQ(DbScan(&ps), r4eof);
}

TEST_F(Bulk, CloseAllClosesEveryTableOfTheContext) {
  EXPECT_NE(d4open(&ctx, "BULK.DBF"), nullptr);
  EXPECT_EQ(d4open_count(&ctx), 2);
  EXPECT_EQ(d4close_all(&ctx), 0);
  EXPECT_EQ(d4open_count(&ctx), 0);
}

}  // namespace
