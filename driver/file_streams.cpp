#include "driver/file_streams.h"

#include <cstddef>

#include "templates/io_error.h"

namespace vak {

std::streamsize FileReadBuf::xsgetn(char* s, std::streamsize n) {
  std::streamsize done = 0;
  while (done < n) {
    const std::size_t got =
        file_.read(std::span<char>(s + done, static_cast<std::size_t>(n - done)), error_);
    if (error_) throw IoError("read error");
    if (got == 0) break;
    done += static_cast<std::streamsize>(got);
  }
  return done;
}

FileWriteBuf::int_type FileWriteBuf::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char ch = traits_type::to_char_type(c);
  xsputn(&ch, 1);
  return c;
}

std::streamsize FileWriteBuf::xsputn(const char* s, std::streamsize n) {
  file_.write(std::span<const char>(s, static_cast<std::size_t>(n)), error_);
  if (error_) throw IoError("write error");
  return n;
}

}  // namespace vak
