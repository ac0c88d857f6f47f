#include "platform/file_streams.h"

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

FileReadBuf::pos_type FileReadBuf::seekoff(off_type off, std::ios_base::seekdir dir,
                                           std::ios_base::openmode which) {
  if (off != 0 || dir != std::ios_base::beg) return pos_type(off_type(-1));
  return seekpos(0, which);
}

FileReadBuf::pos_type FileReadBuf::seekpos(pos_type pos, std::ios_base::openmode) {
  if (pos != pos_type(0)) return pos_type(off_type(-1));
  file_.rewind(error_);
  if (error_) throw IoError("read error");
  return pos;
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
