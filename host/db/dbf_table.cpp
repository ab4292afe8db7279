#include "host/db/dbf_table.h"

#include <time.h>

#include <algorithm>
#include <unistd.h>

#include <cstdio>
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

std::string Table::read_only_reason() const {
  if (damage_.empty()) return "tabela jest tylko do odczytu";
  return "tabela jest uszkodzona (" + damage_ + ") i otwarta tylko do odczytu; napraw ją poleceniem: skolvarin sprawdz --napraw";
}

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
  auto at = [this](long long offset) { return byte_at(offset); };
  RecordsJudgement j = judge_records(header_, size, at);
  if (j.shape != RecordsShape::Sound) {
    // Judge again under the append lock: another handle or process may be
    // half-way through an append.  When the lock stays taken, nothing can
    // be judged: the table is read as it stands.
    bool taken = false;
    if (!lock_header(header_wait_ms_, taken)) {
      count_ = effective_count(header_.record_count, size);
      return true;
    }
    unsigned char fixed[kHeaderSize];
    if (file_->read_at(0, fixed, kHeaderSize) == kHeaderSize) {
      header_.record_count = get_le32(fixed + 4);
      header_.change_counter = get_le32(fixed + 16);
    }
    size = file_->size();
    j = judge_records(header_, size, at);
    if (j.shape == RecordsShape::TornAppend && !file_->read_only()) complete_append(j.records, size);
    release_header(taken);
  }
  if (j.shape == RecordsShape::Damaged) {
    damage_ = j.why;
    count_ = effective_count(header_.record_count, size);
  } else {
    count_ = j.records;
  }
  return true;
}

int Table::byte_at(long long offset) {
  unsigned char b = 0;
  if (offset < 0 || file_->read_at(static_cast<std::uint64_t>(offset), &b, 1) != 1) return -1;
  return b;
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

// Completes a torn last append (the header lock is held): whole records
// kept, a partial one dropped, the end mark and the header's count written.
void Table::complete_append(long records, long long size) {
  long long end = header_.header_length + static_cast<long long>(records) * header_.record_length;
  bool ok = true;
  if (size != end + 1 || byte_at(end) != kEndOfFile) {
    unsigned char eof = kEndOfFile;
    ok = file_->truncate(static_cast<std::uint64_t>(end)) && file_->write_at(static_cast<std::uint64_t>(end), &eof, 1);
  }
  if (ok && header_.record_count != static_cast<std::uint32_t>(records)) {
    unsigned char c[4];
    put_le32(c, static_cast<std::uint32_t>(records));
    file_->write_at(4, c, 4);
  }
  header_.record_count = static_cast<std::uint32_t>(records);
}

bool Table::read_whole(const std::string& path, std::string& bytes, std::string& error) {
  auto file = DbFile::open(path, false, error);
  if (!file) return false;
  int owner = 0;
  bool locked = retry(2000, [&] { return file->try_lock(&owner, kLockBase, 1); });
  long long size = file->size();
  bool ok = size >= 0;
  if (ok) {
    bytes.resize(static_cast<size_t>(size));
    ok = file->read_at(0, bytes.data(), bytes.size()) == static_cast<long>(bytes.size());
  }
  if (locked) file->unlock(&owner, kLockBase, 1);
  if (!ok) error = "błąd odczytu pliku " + path;
  return ok;
}

bool Table::repair_file(const std::string& path, const HostDate& today, std::string& done, std::string& error) {
  done.clear();
  std::unique_ptr<Table> t(new Table());
  t->file_ = DbFile::open(path, false, error);
  if (!t->file_) return false;
  if (t->file_->read_only()) {
    error = "plik " + path + " jest tylko do odczytu";
    return false;
  }
  t->today_ = today;
  if (!retry(2000, [&] { return t->file_->try_lock(t.get(), kLockBase, kTableLockSpan); })) {
    error = "tabela " + path + " jest używana przez innego użytkownika; spróbuj, gdy nikt z nią nie pracuje";
    return false;
  }
  // The lock is released by ~Table.
  std::string why;
  if (!t->load(why)) {
    error = "tabela " + path + ": " + why + " (tego nie da się naprawić automatycznie)";
    return false;
  }
  long long size = t->file_->size();
  auto at = [&](long long offset) { return t->byte_at(offset); };
  DbfHeader h = t->header_;
  // A header length that does not end right after the field descriptors
  // but would make the file sound when it did: take the descriptors' end.
  std::uint16_t descriptors_end = static_cast<std::uint16_t>(kHeaderSize + kDescriptorSize * t->fields_.size() + 1);
  if (descriptors_end != h.header_length) {
    DbfHeader moved = h;
    moved.header_length = descriptors_end;
    if (judge_records(moved, size, at).shape != RecordsShape::Damaged &&
        judge_records(h, size, at).shape == RecordsShape::Damaged)
      h = moved;
  }
  RecordsJudgement j = judge_records(h, size, at);
  const std::uint16_t old_header_length = t->header_.header_length;
  const std::uint32_t old_count = t->header_.record_count;
  if (j.shape == RecordsShape::Sound && h.header_length == old_header_length) return true;
  RecordsJudgement before = judge_records(t->header_, size, at);
  t->header_ = h;
  long records = j.shape == RecordsShape::Damaged ? t->effective_count(h.record_count, size) : j.records;
  // The copy first: the damaged file as it is, beside it.
  std::string base = path;
  size_t dot = base.rfind('.');
  if (dot != std::string::npos && base.find('/', dot) == std::string::npos) base.erase(dot);
  std::string copy = base + ".USZ";
  for (int n = 1; n < 100 && ::access(copy.c_str(), F_OK) == 0; ++n)
    copy = base + ".U" + (n < 10 ? "0" : "") + std::to_string(n);
  {
    std::string bytes(static_cast<size_t>(size), '\0');
    FILE* out = std::fopen(copy.c_str(), "wbx");
    bool ok = out && t->file_->read_at(0, bytes.data(), bytes.size()) == static_cast<long>(bytes.size()) &&
              std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    if (out) ok = std::fclose(out) == 0 && ok;
    if (!ok) {
      error = "nie można zapisać kopii uszkodzonej tabeli " + copy + "; tabeli nie zmieniono";
      return false;
    }
  }
  long long end = h.header_length + static_cast<long long>(records) * h.record_length;
  unsigned char eof = kEndOfFile;
  unsigned char head[12];
  put_le32(head, static_cast<std::uint32_t>(records));
  put_le16(head + 4, h.header_length);
  bool ok = t->file_->truncate(static_cast<std::uint64_t>(end)) &&
            t->file_->write_at(static_cast<std::uint64_t>(end), &eof, 1) && t->file_->write_at(4, head, 6) &&
            t->bump_counter(error) && t->file_->sync();
  if (!ok) {
    error = "naprawa tabeli " + path + " nie powiodła się (" + (error.empty() ? "błąd zapisu" : error) +
            "); uszkodzony plik jest zachowany jako " + copy;
    return false;
  }
  done = before.why.empty() ? std::string() : before.why + "; ";
  if (h.header_length != old_header_length)
    done += "długość nagłówka " + std::to_string(old_header_length) + " -> " + std::to_string(h.header_length) + "; ";
  done += "liczba rekordów " + std::to_string(old_count) + " -> " + std::to_string(records) + ", plik skrócony do " +
          std::to_string(end + 1) + " bajtów (było " + std::to_string(size) + ")";
  done += "; kopia pliku sprzed naprawy: " + copy;
  return true;
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
  if (read_only()) {
    error = in_file(path(), read_only_reason());
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
  if (read_only()) {
    error = in_file(path(), read_only_reason());
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
