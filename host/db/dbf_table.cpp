#include "host/db/dbf_table.h"

#include <time.h>

#include <algorithm>
#include <cstring>

namespace skolvarin::db {

namespace {

constexpr long kReadAheadBytes = 256 * 1024;

template <typename F>
bool retry(int wait_ms, F attempt) {
  if (attempt()) return true;
  struct timespec start {};
  clock_gettime(CLOCK_MONOTONIC, &start);
  while (true) {
    struct timespec nap {0, 20 * 1000 * 1000};
    nanosleep(&nap, nullptr);
    if (attempt()) return true;
    struct timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    long elapsed = (now.tv_sec - start.tv_sec) * 1000 + (now.tv_nsec - start.tv_nsec) / 1000000;
    if (elapsed >= wait_ms) return false;
  }
}

std::string in_file(const std::string& path, const std::string& what) {
  return "tabela " + path + ": " + what;
}

}  // namespace

Table::~Table() {
  if (file_) file_->unlock_all(this);
}

std::unique_ptr<Table> Table::create(const std::string& path, std::vector<FieldDesc> fields,
                                     const HostDate& today, std::string& error) {
  int record_length = lay_out_fields(fields, error);
  if (record_length == 0) return nullptr;
  std::unique_ptr<Table> t(new Table());
  t->file_ = DbFile::open(path, true, error);
  if (!t->file_) return nullptr;
  if (t->file_->read_only()) {
    error = "plik tylko do odczytu";
    return nullptr;
  }
  // Another handle of this process (or another process) using the file
  // would see it vanish under it: refuse while anyone holds a lock on it.
  if (!t->file_->try_lock(t.get(), kLockBase, kTableLockSpan)) {
    error = "plik jest używany przez innego użytkownika";
    return nullptr;
  }
  t->today_ = today;
  t->fields_ = fields;
  t->header_ = DbfHeader{};
  t->header_.updated = today;
  t->header_.header_length = static_cast<std::uint16_t>(kHeaderSize + kDescriptorSize * fields.size() + 1);
  t->header_.record_length = static_cast<std::uint16_t>(record_length);
  std::vector<unsigned char> bytes = encode_header(t->header_, fields);
  bytes.push_back(kEndOfFile);
  bool ok = t->file_->truncate(0) && t->file_->write_at(0, bytes.data(), bytes.size());
  t->file_->unlock(t.get(), kLockBase, kTableLockSpan);
  if (!ok) {
    error = "nie można zapisać nagłówka nowej tabeli";
    return nullptr;
  }
  t->count_ = 0;
  return t;
}

std::unique_ptr<Table> Table::open(const std::string& path, const HostDate& today, std::string& error) {
  std::unique_ptr<Table> t(new Table());
  t->file_ = DbFile::open(path, false, error);
  if (!t->file_) return nullptr;
  t->today_ = today;
  if (!t->load(error)) return nullptr;
  return t;
}

bool Table::load(std::string& error) {
  unsigned char fixed[kHeaderSize];
  long got = file_->read_at(0, fixed, kHeaderSize);
  if (got < 0) {
    error = "błąd odczytu nagłówka";
    return false;
  }
  if (!decode_fixed_header({fixed, static_cast<size_t>(got)}, header_, error)) return false;
  std::vector<unsigned char> full(header_.header_length);
  got = file_->read_at(0, full.data(), full.size());
  if (got < 0) {
    error = "błąd odczytu nagłówka";
    return false;
  }
  if (got < header_.header_length) {
    error = "plik jest krótszy niż jego nagłówek (" + std::to_string(got) + " z " +
            std::to_string(header_.header_length) + " bajtów)";
    return false;
  }
  if (!decode_fields(full, header_, fields_, error)) return false;
  long long size = file_->size();
  if (size < 0) {
    error = "nie można odczytać długości pliku";
    return false;
  }
  count_ = effective_count(header_.record_count, size);
  long long expected = header_.header_length + static_cast<long long>(count_) * header_.record_length;
  if (!file_->read_only() && (header_.record_count != static_cast<std::uint32_t>(count_) ||
                              size != expected + 1 || !end_mark_at(expected)))
    repair(size);
  return true;
}

bool Table::end_mark_at(long long offset) {
  unsigned char mark = 0;
  return file_->read_at(static_cast<std::uint64_t>(offset), &mark, 1) == 1 && mark == kEndOfFile;
}

long Table::whole_records(long long size) const {
  if (size <= header_.header_length) return 0;
  long long n = (size - header_.header_length) / header_.record_length;
  return n > 0xFFFFFFFFLL ? 0xFFFFFFFFL : static_cast<long>(n);
}

long Table::effective_count(std::uint32_t header_count, long long size) {
  long whole = whole_records(size);
  if (static_cast<long long>(header_count) >= whole) return whole;
  // Fewer records in the header than in the file: trust the header only
  // when an end mark stands right after its last record.
  unsigned char mark = 0;
  long long at = header_.header_length + static_cast<long long>(header_count) * header_.record_length;
  if (file_->read_at(static_cast<std::uint64_t>(at), &mark, 1) == 1 && mark == kEndOfFile)
    return static_cast<long>(header_count);
  return whole;
}

void Table::repair(long long size) {
  bool taken = false;
  if (!file_->try_lock(this, kLockBase, 1)) return;  // someone is appending: leave it to them
  taken = true;
  // Re-read under the lock: the other side may have finished meanwhile.
  unsigned char fixed[kHeaderSize];
  if (file_->read_at(0, fixed, kHeaderSize) == kHeaderSize) {
    std::uint32_t header_count = get_le32(fixed + 4);
    size = file_->size();
    count_ = effective_count(header_count, size);
    long long end = header_.header_length + static_cast<long long>(count_) * header_.record_length;
    bool ok = true;
    if (size != end + 1 || !end_mark_at(end)) {
      unsigned char eof = kEndOfFile;
      ok = file_->truncate(static_cast<std::uint64_t>(end)) && file_->write_at(static_cast<std::uint64_t>(end), &eof, 1);
    }
    if (ok && header_count != static_cast<std::uint32_t>(count_)) {
      unsigned char c[4];
      put_le32(c, static_cast<std::uint32_t>(count_));
      file_->write_at(4, c, 4);
    }
    header_.record_count = static_cast<std::uint32_t>(count_);
  }
  release_header(taken);
}

bool Table::refresh(bool& changed, std::string& error) {
  unsigned char fixed[kHeaderSize];
  if (file_->read_at(0, fixed, kHeaderSize) != kHeaderSize) {
    error = in_file(path(), "błąd odczytu nagłówka");
    return false;
  }
  std::uint32_t counter = get_le32(fixed + 16);
  std::uint32_t header_count = get_le32(fixed + 4);
  long long size = file_->size();
  long count = effective_count(header_count, size);
  changed = counter != header_.change_counter || count != count_;
  if (changed) drop_read_ahead();
  header_.change_counter = counter;
  header_.record_count = header_count;
  count_ = count;
  return true;
}

int Table::field_index(const std::string& upper_name) const {
  for (size_t i = 0; i < fields_.size(); ++i)
    if (fields_[i].name == upper_name) return static_cast<int>(i);
  return -1;
}

bool Table::read_record(long recno, char* buf, bool sequential, std::string& error) {
  const long rl = header_.record_length;
  if (recno < 1 || recno > count_) {
    error = in_file(path(), "brak rekordu " + std::to_string(recno));
    return false;
  }
  if (recno >= ahead_first_ && recno < ahead_first_ + ahead_count_) {
    std::memcpy(buf, ahead_.data() + (recno - ahead_first_) * rl, static_cast<size_t>(rl));
    return true;
  }
  std::uint64_t offset = static_cast<std::uint64_t>(header_.header_length) + static_cast<std::uint64_t>(recno - 1) * rl;
  if (sequential) {
    long n = std::max(1L, std::min(kReadAheadBytes / rl, count_ - recno + 1));
    ahead_.resize(static_cast<size_t>(n * rl));
    long got = file_->read_at(offset, ahead_.data(), ahead_.size());
    if (got >= rl) {
      ahead_first_ = recno;
      ahead_count_ = got / rl;
      std::memcpy(buf, ahead_.data(), static_cast<size_t>(rl));
      return true;
    }
    drop_read_ahead();
  }
  long got = file_->read_at(offset, buf, static_cast<size_t>(rl));
  if (got != rl) {
    error = in_file(path(), got < 0 ? "błąd odczytu rekordu " + std::to_string(recno)
                                    : "rekord " + std::to_string(recno) + " jest niepełny");
    return false;
  }
  return true;
}

bool Table::lock_header(int wait_ms, bool& taken) {
  taken = false;
  if (file_->holds(this, kLockBase, 1) || file_->holds(this, kLockBase, kTableLockSpan)) return true;
  if (!retry(wait_ms, [&] { return file_->try_lock(this, kLockBase, 1); })) return false;
  taken = true;
  return true;
}

void Table::release_header(bool taken) {
  if (taken) file_->unlock(this, kLockBase, 1);
}

bool Table::bump_counter(std::string& error) {
  bool taken = false;
  if (!lock_header(header_wait_ms_, taken)) {
    error = in_file(path(), "nagłówek tabeli jest zablokowany przez innego użytkownika");
    return false;
  }
  unsigned char fixed[kHeaderSize];
  bool ok = file_->read_at(0, fixed, kHeaderSize) == kHeaderSize;
  std::uint32_t counter = ok ? get_le32(fixed + 16) + 1 : 0;
  unsigned char date[3] = {static_cast<unsigned char>(today_.year >= 1900 ? today_.year - 1900 : 0),
                           static_cast<unsigned char>(today_.month), static_cast<unsigned char>(today_.day)};
  unsigned char c[4];
  put_le32(c, counter);
  ok = ok && file_->write_at(16, c, 4);
  if (ok && !today_.empty()) ok = file_->write_at(1, date, 3);
  release_header(taken);
  if (!ok) {
    error = in_file(path(), "błąd zapisu nagłówka");
    return false;
  }
  // Our own change: note the counter so this handle does not rebuild for it
  // (a change by someone else in between would have bumped it too, and the
  // count check still catches their appends).
  if (counter == header_.change_counter + 1) header_.change_counter = counter;
  return true;
}

bool Table::write_record(long recno, const char* buf, std::string& error) {
  const long rl = header_.record_length;
  if (recno < 1 || recno > count_) {
    error = in_file(path(), "zapis do nieistniejącego rekordu " + std::to_string(recno));
    return false;
  }
  if (file_->read_only()) {
    error = in_file(path(), "tabela jest tylko do odczytu");
    return false;
  }
  std::uint64_t offset = static_cast<std::uint64_t>(header_.header_length) + static_cast<std::uint64_t>(recno - 1) * rl;
  if (!file_->write_at(offset, buf, static_cast<size_t>(rl))) {
    error = in_file(path(), "błąd zapisu rekordu " + std::to_string(recno));
    return false;
  }
  if (recno >= ahead_first_ && recno < ahead_first_ + ahead_count_)
    std::memcpy(ahead_.data() + (recno - ahead_first_) * rl, buf, static_cast<size_t>(rl));
  return bump_counter(error);
}

bool Table::append_record(const char* buf, long& recno, std::string& error) {
  if (file_->read_only()) {
    error = in_file(path(), "tabela jest tylko do odczytu");
    return false;
  }
  bool taken = false;
  if (!lock_header(header_wait_ms_, taken)) {
    error = in_file(path(), "nie można dopisać rekordu: tabela jest zablokowana przez innego użytkownika");
    return false;
  }
  bool ok = true;
  unsigned char fixed[kHeaderSize];
  if (file_->read_at(0, fixed, kHeaderSize) != kHeaderSize) {
    error = in_file(path(), "błąd odczytu nagłówka");
    ok = false;
  }
  if (ok) {
    std::uint32_t header_count = get_le32(fixed + 4);
    std::uint32_t counter = get_le32(fixed + 16);
    long count = effective_count(header_count, file_->size());
    if (count >= 0xFFFFFFFEL) {
      error = in_file(path(), "tabela osiągnęła największą liczbę rekordów");
      ok = false;
    } else {
      const long rl = header_.record_length;
      std::vector<char> out(static_cast<size_t>(rl + 1));
      std::memcpy(out.data(), buf, static_cast<size_t>(rl));
      out[static_cast<size_t>(rl)] = static_cast<char>(kEndOfFile);
      std::uint64_t offset = static_cast<std::uint64_t>(header_.header_length) + static_cast<std::uint64_t>(count) * rl;
      // Record and end mark first, header after: see the header comment.
      if (!file_->write_at(offset, out.data(), out.size())) {
        error = in_file(path(), "błąd zapisu nowego rekordu");
        ok = false;
      } else {
        DbfHeader h = header_;
        h.record_count = static_cast<std::uint32_t>(count + 1);
        h.change_counter = counter + 1;
        h.updated = today_.empty() ? HostDate{fixed[1] + 1900, fixed[2], fixed[3]} : today_;
        unsigned char head[kHeaderSize];
        encode_fixed_header(h, head);
        head[0] = fixed[0];
        head[29] = fixed[29];
        if (!file_->write_at(1, head + 1, 19)) {
          error = in_file(path(), "błąd zapisu nagłówka po dopisaniu rekordu");
          ok = false;
        } else {
          bool ours = counter == header_.change_counter && count == count_;
          header_.record_count = h.record_count;
          count_ = count + 1;
          if (ours) header_.change_counter = h.change_counter;
          recno = count_;
        }
      }
    }
  }
  release_header(taken);
  return ok;
}

bool Table::flush(std::string& error) {
  if (file_->read_only()) return true;
  if (!file_->sync()) {
    error = in_file(path(), "nie można zapisać zmian na dysk");
    return false;
  }
  return true;
}

bool Table::lock_table(int wait_ms) {
  return retry(wait_ms, [&] { return file_->try_lock(this, kLockBase, kTableLockSpan); });
}

bool Table::lock_record(long recno, int wait_ms) {
  if (table_locked()) return true;
  return retry(wait_ms, [&] { return file_->try_lock(this, kLockBase + static_cast<std::uint64_t>(recno), 1); });
}

void Table::unlock_table() { file_->unlock(this, kLockBase, kTableLockSpan); }
void Table::unlock_record(long recno) { file_->unlock(this, kLockBase + static_cast<std::uint64_t>(recno), 1); }
void Table::unlock_all() { file_->unlock_all(this); }
bool Table::table_locked() const { return file_->holds(this, kLockBase, kTableLockSpan); }
bool Table::record_locked(long recno) const {
  return table_locked() || file_->holds(this, kLockBase + static_cast<std::uint64_t>(recno), 1);
}

}  // namespace skolvarin::db
