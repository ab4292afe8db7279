// Crash safety: an append cut off at any byte (by the fault hook or by
// cutting the file) leaves a table that opens with every earlier record
// intact, and the open repairs the header and the end mark.
#include "host/db/file_io.h"
#include "tests/db/db_fixture.h"

namespace {

using dbtest::DbTest;

constexpr int kHeader = 32 + 2 * 32 + 1;
constexpr int kRecord = 1 + 12 + 9;

class Crash : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    define({{"NAZ", 'C', 12, 0}, {"KWO", 'N', 9, 2}});
    DATA4* d = nullptr;
    std::vector<FIELD4*> f;
    ASSERT_EQ(open("CR.DBF", &d, &f), 0);
    for (int i = 1; i <= 3; ++i) append(d, f[0], f[1], i);
    d4close_all(&ctx);
    before = bytes("CR.DBF");
  }
  void TearDown() override {
    skolvarin::db::set_write_fault(-1);
    DbTest::TearDown();
  }
  static std::string name_of(int i) { return "Wpis " + std::to_string(i) + " żółw"; }
  static int append(DATA4* d, FIELD4* naz, FIELD4* kwo, int i) {
    d4append_start(d);
    f4assign(naz, name_of(i).c_str());
    f4assign_double(kwo, i * 100.25);
    return d4append(d);
  }
  // Opens CR.DBF and checks records 1..n; returns the record count.
  long check_records(const std::string& what) {
    DATA4* d = d4open(&ctx, "CR.DBF");
    EXPECT_NE(d, nullptr) << what << ": " << last_message();
    if (!d) return -1;
    FIELD4* naz = d4field(d, "NAZ");
    FIELD4* kwo = d4field(d, "KWO");
    long n = d4reccount(d);
    for (long r = 1; r <= n; ++r) {
      EXPECT_EQ(d4go(d, r), 0) << what;
      EXPECT_EQ(f4trim(naz), name_of(static_cast<int>(r))) << what << " record " << r;
      EXPECT_DOUBLE_EQ(f4double(kwo), r * 100.25) << what << " record " << r;
    }
    d4close(d);
    return n;
  }
  std::vector<unsigned char> before;
};

TEST_F(Crash, AppendCutOffAtEveryByteKeepsEarlierRecords) {
  // How many bytes one append writes.
  skolvarin::db::set_write_fault(1 << 30);
  {
    DATA4* d = d4open(&ctx, "CR.DBF");
    ASSERT_EQ(append(d, d4field(d, "NAZ"), d4field(d, "KWO"), 4), 0);
    d4close(d);
  }
  long long total = skolvarin::db::bytes_written_since_fault_reset();
  ASSERT_GT(total, kRecord);
  int complete = 0;
  for (long long k = 0; k <= total; ++k) {
    write_bytes("CR.DBF", before);
    std::string what = "cut after " + std::to_string(k) + " bytes";
    DATA4* d = d4open(&ctx, "CR.DBF");
    ASSERT_NE(d, nullptr) << what;
    skolvarin::db::set_write_fault(k);
    int rc = append(d, d4field(d, "NAZ"), d4field(d, "KWO"), 4);
    d4close_all(&ctx);
    skolvarin::db::set_write_fault(-1);
    if (k < total) {
      EXPECT_NE(rc, 0) << what;
    }
    long n = check_records(what);
    EXPECT_TRUE(n == 3 || n == 4) << what << ": " << n << " records";
    if (k < kRecord) {
      EXPECT_EQ(n, 3) << what;
    }
    if (n == 4) ++complete;
    // The opened table was repaired: header count, length and end mark agree.
    auto b = bytes("CR.DBF");
    ASSERT_EQ(b.size(), static_cast<size_t>(kHeader + n * kRecord + 1)) << what;
    EXPECT_EQ(b.back(), 0x1A) << what;
    EXPECT_EQ(b[4], n) << what;
    // And it takes the next append normally.
    d = d4open(&ctx, "CR.DBF");
    ASSERT_EQ(append(d, d4field(d, "NAZ"), d4field(d, "KWO"), static_cast<int>(n) + 1), 0) << what;
    d4close(d);
    EXPECT_EQ(check_records(what + ", appended again"), n + 1);
  }
  EXPECT_GT(complete, 0);
}

TEST_F(Crash, FileCutAtEveryOffsetOpensWithWholeRecords) {
  DATA4* d = d4open(&ctx, "CR.DBF");
  ASSERT_EQ(append(d, d4field(d, "NAZ"), d4field(d, "KWO"), 4), 0);
  d4close(d);
  auto after = bytes("CR.DBF");
  for (size_t len = 0; len <= after.size(); ++len) {
    std::vector<unsigned char> cut(after.begin(), after.begin() + static_cast<long>(len));
    write_bytes("CR.DBF", cut);
    std::string what = "file cut to " + std::to_string(len) + " bytes";
    messages.clear();
    if (len < static_cast<size_t>(kHeader)) {
      // Not even the header: a clear error, no crash.
      EXPECT_EQ(d4open(&ctx, "CR.DBF"), nullptr) << what;
      EXPECT_FALSE(messages.empty()) << what;
      continue;
    }
    long whole = static_cast<long>((len - kHeader) / kRecord);
    EXPECT_EQ(check_records(what), std::min(whole, 4L)) << what;
  }
}

TEST_F(Crash, ReadOnlyFileIsReadWithoutRepair) {
  auto cut = before;
  cut.resize(cut.size() - 5);  // last record cut short
  write_bytes("CR.DBF", cut);
  std::filesystem::permissions(path("CR.DBF"), std::filesystem::perms::owner_read);
  if (::access(path("CR.DBF").c_str(), W_OK) == 0) GTEST_SKIP() << "running with rights that ignore file modes";
  EXPECT_EQ(check_records("read-only"), 2);
  EXPECT_EQ(bytes("CR.DBF"), cut);
}

}  // namespace
