// ByteSource: where the key decoder gets the bytes a terminal sends.
//
// next(timeout_ms) returns the next byte (0..255), or -1 when none comes in
// time (timeout_ms < 0 waits for ever; a source that has run dry returns -1
// at once).  The ncurses adapter reads standard input; tests feed strings.
#pragma once

#include <string>
#include <string_view>

namespace skolvarin::term {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual int next(int timeout_ms) = 0;
};

class StringByteSource : public ByteSource {
 public:
  explicit StringByteSource(std::string_view bytes) : bytes_(bytes) {}
  int next(int) override {
    if (pos_ >= bytes_.size()) return -1;
    return static_cast<unsigned char>(bytes_[pos_++]);
  }
  bool empty() const { return pos_ >= bytes_.size(); }

 private:
  std::string bytes_;
  std::size_t pos_ = 0;
};

}  // namespace skolvarin::term
