// One open DBF table: its header, fields and records on a shared DbFile,
// the change counter, record count repair, and the lock scheme.
//
// Lock scheme (advisory fcntl write locks far beyond the data, so readers
// and other programs are never blocked from reading):
//   kLockBase               header byte: held while the record count or the
//                           change counter is read-modified-written (append,
//                           counter bump, repair); short-lived
//   kLockBase + n           record n (n = 1 .. 2^32-1)
//   [kLockBase, +2^32)      whole table: covers the header byte and every
//                           record byte, so it excludes appends and record
//                           locks of everyone else
// Every lock call retries for wait_ms and then fails; nothing waits forever.
// Locks belong to one Table object (one DATA4), never to the process as a
// whole, so two handles of one process exclude each other too.
//
// Record count: the header's count is checked against the file size at open
// and at every refresh.  Appends write the record (with the 0x1A end mark)
// first and the header count after, so an append cut off at any byte leaves
// either the old count of whole records or the new one.  At open the file is
// judged under the header lock (judge_records in dbf_format.h): a torn last
// append is completed (a writable file) or read as it stands; any other
// disagreement marks the table damaged: it is opened read-only, nothing in it
// is changed, and damage() says why.  Only repair_file changes such a file,
// and it keeps the damaged file as a copy beside it first.  The count read
// from a damaged file is the number of whole records, unless the header's
// smaller count is confirmed by an end mark at its place.
//
// Invariants: 0 <= count_ <= whole records in the file as last seen;
// record buffers are record_length() bytes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/db/dbf_format.h"
#include "host/db/file_io.h"

namespace skolvarin::db {

inline constexpr std::uint64_t kLockBase = 1ULL << 40;
inline constexpr std::uint64_t kTableLockSpan = 1ULL << 32;

class Table {
 public:
  // Creates path anew (replacing a file there) with these fields (offsets
  // are filled in) and opens it.
  static std::unique_ptr<Table> create(const std::string& path, std::vector<FieldDesc> fields,
                                       const HostDate& today, std::string& error);
  // Opens an existing table; a damaged or foreign file gives nullptr and a
  // Polish error naming the file.
  static std::unique_ptr<Table> open(const std::string& path, const HostDate& today, std::string& error);
  ~Table();

  const std::vector<FieldDesc>& fields() const { return fields_; }
  int record_length() const { return header_.record_length; }
  int header_length() const { return header_.header_length; }
  long record_count() const { return count_; }
  std::uint32_t change_counter() const { return header_.change_counter; }
  const std::string& path() const { return file_->path(); }
  // Read-only: the file could only be opened for reading, or it is damaged.
  bool read_only() const { return file_->read_only() || !damage_.empty(); }
  // Why the file is damaged ("" when it is not).
  const std::string& damage() const { return damage_; }

  // Repairs a damaged file at path under the whole-table lock: keeps a
  // copy of it beside it (NAME.USZ, or NAME.U01 ... when taken), then puts
  // the header length, the record count and the end mark right, keeping
  // every whole record.  done: what was done, "" when the file needed
  // nothing.  false with a Polish error when it could not be done.
  static bool repair_file(const std::string& path, const HostDate& today, std::string& done, std::string& error);
  // Reads the whole file at path under its header lock, so that no append
  // of another handle or process is seen half-way.  Changes nothing.
  static bool read_whole(const std::string& path, std::string& bytes, std::string& error);
  int field_index(const std::string& upper_name) const;  // -1 when missing

  // Re-reads the header and size.  changed: the change counter or record
  // count differs from the last refresh.  false on a read error.
  bool refresh(bool& changed, std::string& error);

  // Reads record recno (1..record_count()) into buf.  sequential: the caller
  // walks in record order; reads are then served from a read-ahead block.
  bool read_record(long recno, char* buf, bool sequential, std::string& error);
  // Overwrites record recno and bumps the change counter.
  bool write_record(long recno, const char* buf, std::string& error);
  // Appends buf as a new record (taking the header lock unless held);
  // recno receives its number.
  bool append_record(const char* buf, long& recno, std::string& error);
  bool flush(std::string& error);

  // Locks (see above).  Return false when held elsewhere after wait_ms.
  bool lock_table(int wait_ms);
  bool lock_record(long recno, int wait_ms);
  void unlock_table();
  void unlock_record(long recno);
  void unlock_all();
  bool table_locked() const;
  // Holds the header byte (the append lock) across several steps, so that
  // a record number read meanwhile stays the next one; append_record and
  // write_record use the held lock.  false when held elsewhere after wait_ms.
  bool hold_appends(int wait_ms, bool& taken) { return lock_header(wait_ms, taken); }
  void release_appends(bool taken) { release_header(taken); }
  // How long appends and counter updates wait for the header byte.
  void set_header_wait(int ms) { header_wait_ms_ = ms; }
  bool record_locked(long recno) const;

 private:
  Table() = default;
  bool load(std::string& error);
  bool bump_counter(std::string& error);
  bool lock_header(int wait_ms, bool& taken);
  void release_header(bool taken);
  long whole_records(long long size) const;
  bool end_mark_at(long long offset);
  long effective_count(std::uint32_t header_count, long long size);
  void complete_append(long records, long long size);
  std::string read_only_reason() const;
  int byte_at(long long offset);
  void drop_read_ahead() { ahead_first_ = 0; ahead_count_ = 0; }

  std::shared_ptr<DbFile> file_;
  DbfHeader header_;
  std::vector<FieldDesc> fields_;
  long count_ = 0;
  HostDate today_;
  std::vector<char> ahead_;   // read-ahead block of whole records
  long ahead_first_ = 0, ahead_count_ = 0;
  int header_wait_ms_ = 2000;
  std::string damage_;
};

}  // namespace skolvarin::db
