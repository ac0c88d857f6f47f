#pragma once

#include <cstddef>
#include <memory>

namespace vak {

// A fixed block of bytes that is not cleared when made: the pages of a large buffer are touched
// only as they are used, so a run on a small file does not pay for the whole buffer.
class ByteBuffer {
 public:
  explicit ByteBuffer(std::size_t size)
      : bytes_(std::make_unique_for_overwrite<char[]>(size)), size_(size) {}

  char* data() { return bytes_.get(); }
  const char* data() const { return bytes_.get(); }
  std::size_t size() const { return size_; }
  char& operator[](std::size_t i) { return bytes_[i]; }
  char operator[](std::size_t i) const { return bytes_[i]; }

 private:
  std::unique_ptr<char[]> bytes_;
  std::size_t size_;
};

}  // namespace vak
