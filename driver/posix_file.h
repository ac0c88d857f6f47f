#pragma once

#include <streambuf>

namespace vak {

// Stream buffers over a file descriptor that remember why a read or write failed, so that
// the message can say so. The descriptor stays the caller's.
class FdReadBuf : public std::streambuf {
 public:
  explicit FdReadBuf(int fd) : fd_(fd) {}
  int error() const { return error_; }

 protected:
  int_type underflow() override;
  std::streamsize xsgetn(char* s, std::streamsize n) override;

 private:
  long readSome(char* s, std::streamsize n);

  int fd_;
  int error_ = 0;
  char buf_[4096];
};

// Unbuffered: the line sink in front of it already collects large blocks.
class FdWriteBuf : public std::streambuf {
 public:
  explicit FdWriteBuf(int fd) : fd_(fd) {}
  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;

 private:
  int fd_;
  int error_ = 0;
};

}  // namespace vak
