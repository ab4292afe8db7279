// Locks between processes and between handles: a lock held elsewhere is
// refused after a short wait with a message; closing another handle on the
// same file keeps our locks; record and table locks exclude each other.
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include "tests/db/db_fixture.h"

namespace {

using dbtest::DbTest;

// A child process that takes a lock on a table, says so through a pipe, and
// holds it until the parent writes to a second pipe.
class Holder {
 public:
  // rec: -1 table lock, n > 0 record lock.
  Holder(const std::string& dir, const char* name, long rec) {
    if (pipe(ready_) != 0 || pipe(release_) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(ready_[0]);
      close(release_[1]);
      HostContext child;
      child.current_dir = dir;
      DATA4* d = d4open(&child, name);
      char ok = d && set_lock(d, rec) == 0 ? 'Y' : 'N';
      if (write(ready_[1], &ok, 1) != 1) _exit(3);
      char c;
      if (read(release_[0], &c, 1) != 1) _exit(4);
      d4close_all(&child);
      _exit(0);
    }
    close(ready_[1]);
    close(release_[0]);
    char c = 0;
    locked_ = read(ready_[0], &c, 1) == 1 && c == 'Y';
  }
  ~Holder() { release(); }
  bool locked() const { return locked_; }
  void release() {
    if (pid_ <= 0) return;
    char c = 'x';
    if (write(release_[1], &c, 1) != 1) {}
    int status = 0;
    waitpid(pid_, &status, 0);
    close(release_[1]);
    close(ready_[0]);
    pid_ = -1;
  }

 private:
  int ready_[2] = {-1, -1}, release_[2] = {-1, -1};
  pid_t pid_ = -1;
  bool locked_ = false;
};

// Whether another process can take the lock right now (it does not wait).
bool other_process_can_lock(const std::string& dir, const char* name, long rec) {
  pid_t pid = fork();
  if (pid == 0) {
    HostContext child;
    child.current_dir = dir;
    skolvarin::host::set_error_sink([](HostContext*, int, const std::string&) {});
    d4lock_wait(&child, 0);
    DATA4* d = d4open(&child, name);
    int rc = d ? set_lock(d, rec) : -1;
    _exit(rc == 0 ? 0 : 1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

long elapsed_ms(const timespec& a, const timespec& b) {
  return (b.tv_sec - a.tv_sec) * 1000 + (b.tv_nsec - a.tv_nsec) / 1000000;
}

class Locks : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    define({{"NAZ", 'C', 10, 0}});
    ASSERT_EQ(open("LOCK.DBF", &data, &f), 0);
    for (int i = 0; i < 3; ++i) d4append_blank(data);
    d4lock_wait(&ctx, 300);
  }
  DATA4* data = nullptr;
  std::vector<FIELD4*> f;
};

TEST_F(Locks, TableLockHeldByAnotherProcessIsRefusedAfterAShortWait) {
  Holder other(ctx.current_dir, "LOCK.DBF", -1);
  ASSERT_TRUE(other.locked());
  timespec a{}, b{};
  clock_gettime(CLOCK_MONOTONIC, &a);
  EXPECT_EQ(set_lock(data, -1), r4locked);
  clock_gettime(CLOCK_MONOTONIC, &b);
  EXPECT_GE(elapsed_ms(a, b), 250);
  EXPECT_LT(elapsed_ms(a, b), 2000);
  EXPECT_EQ(ctx.error_code, r4locked);
  EXPECT_NE(last_message().find("zablokowan"), std::string::npos) << last_message();
  EXPECT_EQ(set_lock(data, 2), r4locked);
  EXPECT_EQ(go_and_lock(data, 1), r4locked);
  // Appends need the header, which the table lock covers.
  d4lock_wait(&ctx, 100);
  EXPECT_NE(d4append_blank(data), 0);
  other.release();
  EXPECT_EQ(set_lock(data, -1), 0);
  EXPECT_EQ(d4append_blank(data), 0);
  EXPECT_EQ(d4reccount(data), 4);
}

TEST_F(Locks, RecordLocksExcludeOnlyTheirRecordAndTheTable) {
  Holder other(ctx.current_dir, "LOCK.DBF", 2);
  ASSERT_TRUE(other.locked());
  EXPECT_EQ(set_lock(data, 2), r4locked);
  EXPECT_EQ(set_lock(data, -1), r4locked);
  EXPECT_EQ(go_and_lock(data, 3), 0);
  EXPECT_EQ(d4recno(data), 3);
  f4assign(f[0], "zmiana");
  EXPECT_EQ(write_and_unlock(data), 0);
  EXPECT_EQ(d4lock_test(data, 3), 0);
  EXPECT_EQ(lock_and_append(data), 0);
  EXPECT_EQ(d4recno(data), 4);
  EXPECT_EQ(d4lock_test(data, 4), 1);
  EXPECT_FALSE(other_process_can_lock(ctx.current_dir, "LOCK.DBF", 4));
  f4assign(f[0], "nowy");
  EXPECT_EQ(write_and_unlock(data), 0);
  EXPECT_TRUE(other_process_can_lock(ctx.current_dir, "LOCK.DBF", 4));
  d4go(data, 4);
  EXPECT_EQ(f4trim(f[0]), "nowy");
}

TEST_F(Locks, ClosingASecondHandleOnTheFileKeepsTheLock) {
  ASSERT_EQ(set_lock(data, -1), 0);
  DATA4* second = d4open(&ctx, "LOCK.DBF");
  ASSERT_NE(second, nullptr);
  d4top(second);
  d4close(second);
  EXPECT_FALSE(other_process_can_lock(ctx.current_dir, "LOCK.DBF", -1));
  EXPECT_FALSE(other_process_can_lock(ctx.current_dir, "LOCK.DBF", 1));
  d4unlock(data);
  EXPECT_TRUE(other_process_can_lock(ctx.current_dir, "LOCK.DBF", -1));
}

TEST_F(Locks, ReleasingARecordLockKeepsTheTableLockOfTheSameHandle) {
  ASSERT_EQ(set_lock(data, 2), 0);
  ASSERT_EQ(set_lock(data, -1), 0);
  d4go(data, 2);
  EXPECT_EQ(write_and_unlock(data), 0);
  EXPECT_FALSE(other_process_can_lock(ctx.current_dir, "LOCK.DBF", 2));
  EXPECT_EQ(d4lock_test(data, -1), 1);
}

TEST_F(Locks, TwoHandlesOfOneProcessExcludeEachOther) {
  DATA4* second = d4open(&ctx, "LOCK.DBF");
  ASSERT_NE(second, nullptr);
  ASSERT_EQ(set_lock(data, 1), 0);
  d4lock_wait(&ctx, 50);
  EXPECT_EQ(set_lock(second, 1), r4locked);
  EXPECT_EQ(set_lock(second, -1), r4locked);
  EXPECT_EQ(set_lock(second, 2), 0);
  d4unlock(second);
  d4unlock(data);
  EXPECT_EQ(set_lock(second, -1), 0);
  EXPECT_EQ(set_lock(data, 1), r4locked);
}

TEST_F(Locks, WriteAndUnlockWithoutALockIsRefused) {
  d4go(data, 1);
  f4assign(f[0], "bez");
  EXPECT_EQ(write_and_unlock(data), e4unlock);
  d4refresh_record(data);
  EXPECT_EQ(f4trim(f[0]), "");
}

TEST_F(Locks, CloseReleasesLocks) {
  ASSERT_EQ(set_lock(data, -1), 0);
  d4close_all(&ctx);
  EXPECT_TRUE(other_process_can_lock(ctx.current_dir, "LOCK.DBF", -1));
}

}  // namespace

namespace {

// Two processes add 1,000 records each to one table, numbering each record
// (REC = d4reccount + 1) the way a register's numbering hook does.  Taken
// under the append lock, every number is the record's own and none repeats.
TEST_F(DbTest, NumbersTakenUnderTheAppendLockNeverRepeatAcrossProcesses) {
  define({{"REC", 'N', 7, 0}, {"KTO", 'N', 1, 0}});
  DATA4* d = nullptr;
  ASSERT_EQ(open("NUMERY.DBF", &d), 0);
  d4close_all(&ctx);
  constexpr int kAdds = 1000;
  const std::string where = ctx.current_dir;
  pid_t children[2];
  for (int who = 0; who < 2; ++who) {
    children[who] = fork();
    if (children[who] == 0) {
      HostContext child;
      child.current_dir = where;
      d4lock_wait(&child, 10000);
      DATA4* t = d4open(&child, "NUMERY.DBF");
      if (!t) _exit(3);
      FIELD4* rec = d4field(t, "REC");
      for (int i = 0; i < kAdds; ++i) {
        d4append_start(t);
        f4assign_int(d4field(t, "KTO"), who + 1);
        if (lock_and_append_numbered(t, [&] { return f4assign_long(rec, d4reccount(t) + 1); }) != 0) _exit(4);
        d4unlock(t);
      }
      d4close_all(&child);
      _exit(0);
    }
  }
  for (pid_t c : children) {
    int status = 0;
    waitpid(c, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
  }
  d = d4open(&ctx, "NUMERY.DBF");
  ASSERT_NE(d, nullptr);
  ASSERT_EQ(d4reccount(d), 2 * kAdds);
  long wrong = 0;
  int by[3] = {0, 0, 0};
  for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1)) {
    if (f4long(d4field(d, "REC")) != d4recno(d)) ++wrong;
    ++by[f4int(d4field(d, "KTO")) % 3];
  }
  EXPECT_EQ(wrong, 0) << "records whose number is not their own (a repeated number)";
  EXPECT_EQ(by[1], kAdds);
  EXPECT_EQ(by[2], kAdds);
}

}  // namespace
