// Files of the database engine: one open descriptor per file (device and
// inode) in the process, shared by every table handle on that file.
//
// Why shared: POSIX record locks (fcntl) belong to the process and the
// file, and closing ANY descriptor of a file drops all the process's locks
// on it.  So the engine never opens a second descriptor for a file it
// already has open; a DbFile is closed when its last user lets go.
//
// Locks: byte-range write locks through fcntl (F_SETLK, never waiting),
// tracked per owner inside the process, so that two handles of one process
// conflict with each other just as two processes do, and releasing one
// owner's range never releases a range another owner (or the same owner
// under another lock) still holds.
//
// Fault injection (tests only): set_write_fault() makes the writes of the
// whole process stop after a number of bytes, as if the machine stopped
// there (the write that crosses the limit is cut short, later writes do
// nothing and report failure); set_io_error() makes reads or writes fail
// with EIO.
//
// Invariants: fd_ >= 0 while the object lives; every range in held_ is
// locked with fcntl by this process.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace skolvarin::db {

class DbFile {
 public:
  // Opens (or joins) the file at path.  read_only is set when it could only
  // be opened for reading.  nullptr and a Polish error when it cannot be
  // opened.  create: make the file when missing (O_CREAT).
  static std::shared_ptr<DbFile> open(const std::string& path, bool create, std::string& error);
  ~DbFile();
  DbFile(const DbFile&) = delete;
  DbFile& operator=(const DbFile&) = delete;

  const std::string& path() const { return path_; }
  bool read_only() const { return read_only_; }

  // Reads up to n bytes at offset; returns bytes read (short at end of
  // file) or -1 on an error.
  long read_at(std::uint64_t offset, void* buf, size_t n);
  // Writes all n bytes at offset; false on any error (or injected fault).
  bool write_at(std::uint64_t offset, const void* buf, size_t n);
  bool truncate(std::uint64_t size);
  bool sync();
  // Current size of the file (-1 on error).
  long long size();

  // Locks [start, start+len) for `owner` without waiting: false when another
  // owner in this process or another process holds an overlapping range.
  bool try_lock(const void* owner, std::uint64_t start, std::uint64_t len);
  // Releases one range taken by owner with exactly these bounds.
  void unlock(const void* owner, std::uint64_t start, std::uint64_t len);
  // Releases every range of owner.
  void unlock_all(const void* owner);
  bool holds(const void* owner, std::uint64_t start, std::uint64_t len) const;

 private:
  DbFile() = default;
  struct Held {
    const void* owner;
    std::uint64_t start, len;
  };
  void release_uncovered(std::uint64_t start, std::uint64_t len);

  int fd_ = -1;
  dev_t dev_ = 0;
  ino_t ino_ = 0;
  bool read_only_ = false;
  std::string path_;
  std::vector<Held> held_;
};

// The Polish text of a system error number (errno), for messages.
std::string errno_text(int error_number);

// Test hooks (process-wide).  crash_after_bytes < 0 switches the crash off.
void set_write_fault(long long crash_after_bytes);
void set_io_error(bool reads, bool writes);
// Number of bytes the engine wrote since the last set_write_fault.
long long bytes_written_since_fault_reset();

}  // namespace skolvarin::db
