#include "driver/posix_file.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "templates/io_error.h"

namespace vak {

long FdReadBuf::readSome(char* s, std::streamsize n) {
  for (;;) {
    const ssize_t got = ::read(fd_, s, static_cast<size_t>(n));
    if (got >= 0) return got;
    if (errno == EINTR) continue;
    error_ = errno;
    // The stream turns this into its bad state.
    throw IoError("read error");
  }
}

FdReadBuf::int_type FdReadBuf::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  const long got = readSome(buf_, sizeof buf_);
  if (got == 0) return traits_type::eof();
  setg(buf_, buf_, buf_ + got);
  return traits_type::to_int_type(*gptr());
}

std::streamsize FdReadBuf::xsgetn(char* s, std::streamsize n) {
  std::streamsize done = 0;
  if (gptr() < egptr()) {
    const std::streamsize buffered = std::min<std::streamsize>(n, egptr() - gptr());
    std::copy(gptr(), gptr() + buffered, s);
    gbump(static_cast<int>(buffered));
    done = buffered;
  }
  while (done < n) {
    const long got = readSome(s + done, n - done);
    if (got == 0) break;
    done += got;
  }
  return done;
}

FdWriteBuf::int_type FdWriteBuf::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char ch = traits_type::to_char_type(c);
  return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
}

std::streamsize FdWriteBuf::xsputn(const char* s, std::streamsize n) {
  std::streamsize done = 0;
  while (done < n) {
    const ssize_t put = ::write(fd_, s + done, static_cast<size_t>(n - done));
    if (put < 0) {
      if (errno == EINTR) continue;
      error_ = errno;
      break;
    }
    done += put;
  }
  return done;
}

}  // namespace vak
