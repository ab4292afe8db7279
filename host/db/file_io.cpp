#include "host/db/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <utility>

namespace skolvarin::db {

namespace {

struct Registry {
  std::mutex mutex;
  std::map<std::pair<dev_t, ino_t>, std::weak_ptr<DbFile>> files;
};
// Never destroyed: tables still open at exit (in static objects) close
// after other statics are gone and must still find it.
Registry& registry() {
  static Registry* r = new Registry();
  return *r;
}

struct Faults {
  long long crash_after = -1;  // < 0: off
  long long written = 0;
  bool crashed = false;
  bool read_error = false;
  bool write_error = false;
};
Faults& faults() {
  static Faults f;
  return f;
}

bool fcntl_lock(int fd, short type, std::uint64_t start, std::uint64_t len) {
  struct flock fl {};
  fl.l_type = type;
  fl.l_whence = SEEK_SET;
  fl.l_start = static_cast<off_t>(start);
  fl.l_len = static_cast<off_t>(len);
  return fcntl(fd, F_SETLK, &fl) == 0;
}

bool overlaps(std::uint64_t a, std::uint64_t alen, std::uint64_t b, std::uint64_t blen) {
  return a < b + blen && b < a + alen;
}

}  // namespace

std::string errno_text(int e) {
  switch (e) {
    case 0: return "brak opisu błędu";
    case ENOENT: return "nie ma takiego pliku ani katalogu";
    case EACCES: case EPERM: return "brak uprawnień";
    case EISDIR: return "to jest katalog, nie plik";
    case ENOTDIR: return "część ścieżki nie jest katalogiem";
    case ENOSPC: return "brak miejsca na dysku";
#ifdef EDQUOT
    case EDQUOT: return "przekroczony przydział miejsca na dysku";
#endif
    case EROFS: return "dysk lub katalog tylko do odczytu";
    case EIO: return "błąd wejścia-wyjścia (odczyt lub zapis dysku)";
    case EEXIST: return "plik już istnieje";
    case EMFILE: case ENFILE: return "za dużo otwartych plików";
    case ENAMETOOLONG: return "za długa nazwa pliku";
    case ELOOP: return "za dużo dowiązań symbolicznych w ścieżce";
    case EBUSY: case ETXTBSY: return "plik jest zajęty";
    case EFBIG: return "plik jest za duży";
    case ENOTEMPTY: return "katalog nie jest pusty";
    case EXDEV: return "nie można przenieść pliku na inny dysk";
    case EPIPE: return "odbiorca wyniku zakończył pracę";
    case EAGAIN: return "zasób chwilowo niedostępny";
    case EINVAL: return "błędny argument";
    case ENOMEM: return "brak pamięci";
    case ENXIO: case ENODEV: return "brak urządzenia";
    default: return "błąd systemu nr " + std::to_string(e);
  }
}

void set_write_fault(long long crash_after_bytes) {
  Faults& f = faults();
  f.crash_after = crash_after_bytes;
  f.written = 0;
  f.crashed = false;
}

void set_io_error(bool reads, bool writes) {
  faults().read_error = reads;
  faults().write_error = writes;
}

long long bytes_written_since_fault_reset() { return faults().written; }

std::shared_ptr<DbFile> DbFile::open(const std::string& path, bool create, std::string& error) {
  Registry& reg = registry();
  std::lock_guard<std::mutex> guard(reg.mutex);
  struct stat st {};
  const bool existed = ::stat(path.c_str(), &st) == 0;
  if (existed) {
    if (S_ISDIR(st.st_mode)) {
      error = "nie można otworzyć pliku " + path + ": to jest katalog";
      return nullptr;
    }
    // Join a descriptor already open in this process: opening a second one
    // and closing it later would drop our locks.
    auto it = reg.files.find({st.st_dev, st.st_ino});
    if (it != reg.files.end()) {
      if (auto existing = it->second.lock()) return existing;
      reg.files.erase(it);
    }
  } else if (!create) {
    error = "nie można otworzyć pliku " + path + ": " + errno_text(errno);
    return nullptr;
  }
  int flags = O_RDWR | O_CLOEXEC | (create ? O_CREAT : 0);
  int fd = ::open(path.c_str(), flags, 0666);
  int first_error = fd < 0 ? errno : 0;
  bool read_only = false;
  // A file we may only read is opened for reading; a file that is not there
  // is not (the reason then is the one of the first attempt: no right to
  // write in its directory, not "no such file").
  if (fd < 0 && existed && (first_error == EACCES || first_error == EROFS || first_error == EPERM)) {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    read_only = true;
  }
  if (fd < 0) {
    if (!existed && first_error == EACCES)
      error = "nie można utworzyć pliku " + path + ": brak prawa zapisu w jego katalogu";
    else
      error = std::string(existed ? "nie można otworzyć pliku " : "nie można utworzyć pliku ") + path + ": " +
              errno_text(first_error ? first_error : errno);
    return nullptr;
  }
  if (::fstat(fd, &st) != 0) {
    error = "nie można odczytać stanu pliku " + path + ": " + errno_text(errno);
    ::close(fd);
    return nullptr;
  }
  std::shared_ptr<DbFile> file(new DbFile());
  file->fd_ = fd;
  file->dev_ = st.st_dev;
  file->ino_ = st.st_ino;
  file->read_only_ = read_only;
  file->path_ = path;
  reg.files[{st.st_dev, st.st_ino}] = file;
  return file;
}

DbFile::~DbFile() {
  Registry& reg = registry();
  std::lock_guard<std::mutex> guard(reg.mutex);
  auto it = reg.files.find({dev_, ino_});
  if (it != reg.files.end() && it->second.expired()) reg.files.erase(it);
  if (fd_ >= 0) ::close(fd_);
}

long DbFile::read_at(std::uint64_t offset, void* buf, size_t n) {
  if (faults().read_error) {
    errno = EIO;
    return -1;
  }
  size_t done = 0;
  char* p = static_cast<char*>(buf);
  while (done < n) {
    ssize_t r = ::pread(fd_, p + done, n - done, static_cast<off_t>(offset + done));
    if (r < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (r == 0) break;
    done += static_cast<size_t>(r);
  }
  return static_cast<long>(done);
}

bool DbFile::write_at(std::uint64_t offset, const void* buf, size_t n) {
  Faults& f = faults();
  if (read_only_) {
    errno = EROFS;
    return false;
  }
  if (f.write_error) {
    errno = EIO;
    return false;
  }
  if (f.crashed) {
    errno = EIO;
    return false;
  }
  size_t allowed = n;
  if (f.crash_after >= 0 && f.written + static_cast<long long>(n) > f.crash_after) {
    allowed = static_cast<size_t>(std::max(0LL, f.crash_after - f.written));
    f.crashed = true;
  }
  size_t done = 0;
  const char* p = static_cast<const char*>(buf);
  while (done < allowed) {
    ssize_t w = ::pwrite(fd_, p + done, allowed - done, static_cast<off_t>(offset + done));
    if (w < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(w);
  }
  f.written += static_cast<long long>(done);
  if (allowed < n) {
    errno = EIO;
    return false;
  }
  return true;
}

bool DbFile::truncate(std::uint64_t size) {
  Faults& f = faults();
  if (read_only_ || f.write_error || f.crashed) return false;
  return ::ftruncate(fd_, static_cast<off_t>(size)) == 0;
}

bool DbFile::sync() { return ::fdatasync(fd_) == 0; }

long long DbFile::size() {
  struct stat st {};
  if (::fstat(fd_, &st) != 0) return -1;
  return static_cast<long long>(st.st_size);
}

bool DbFile::try_lock(const void* owner, std::uint64_t start, std::uint64_t len) {
  for (const Held& h : held_)
    if (h.owner != owner && overlaps(h.start, h.len, start, len)) return false;
  if (holds(owner, start, len)) return true;
  // A read-only descriptor cannot take write locks; take a read lock so
  // the rest of the scheme still sees a holder.
  if (!fcntl_lock(fd_, read_only_ ? F_RDLCK : F_WRLCK, start, len)) return false;
  held_.push_back({owner, start, len});
  return true;
}

bool DbFile::holds(const void* owner, std::uint64_t start, std::uint64_t len) const {
  for (const Held& h : held_)
    if (h.owner == owner && h.start == start && h.len == len) return true;
  return false;
}

void DbFile::release_uncovered(std::uint64_t start, std::uint64_t len) {
  // Unlock only the parts of [start, start+len) that no remaining range
  // covers: fcntl ranges of one process merge, so unlocking blindly would
  // release bytes someone else here still holds.
  std::vector<std::pair<std::uint64_t, std::uint64_t>> cover;
  for (const Held& h : held_)
    if (overlaps(h.start, h.len, start, len)) cover.emplace_back(h.start, h.start + h.len);
  std::sort(cover.begin(), cover.end());
  std::uint64_t pos = start, end = start + len;
  for (auto [a, b] : cover) {
    if (a > pos) fcntl_lock(fd_, F_UNLCK, pos, std::min(a, end) - pos);
    pos = std::max(pos, b);
    if (pos >= end) break;
  }
  if (pos < end) fcntl_lock(fd_, F_UNLCK, pos, end - pos);
}

void DbFile::unlock(const void* owner, std::uint64_t start, std::uint64_t len) {
  for (size_t i = 0; i < held_.size(); ++i)
    if (held_[i].owner == owner && held_[i].start == start && held_[i].len == len) {
      held_.erase(held_.begin() + static_cast<long>(i));
      release_uncovered(start, len);
      return;
    }
}

void DbFile::unlock_all(const void* owner) {
  std::vector<Held> mine;
  for (const Held& h : held_)
    if (h.owner == owner) mine.push_back(h);
  for (const Held& h : mine) unlock(owner, h.start, h.len);
}

}  // namespace skolvarin::db
