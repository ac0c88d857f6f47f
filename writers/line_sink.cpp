#include "writers/line_sink.h"

#include <cstring>

#include "templates/io_error.h"

namespace vak {

LineSink::LineSink(std::ostream& out, std::size_t capacity)
    : out_(out), buf_(capacity ? capacity : 1) {}

void LineSink::drain() {
  if (used_ == 0) return;
  out_.write(buf_.data(), static_cast<std::streamsize>(used_));
  used_ = 0;
  if (!out_) throw IoError("write error");
}

void LineSink::put(std::string_view bytes) {
  if (bytes.empty()) return;
  if (bytes.size() > buf_.size() - used_) {
    drain();
    if (bytes.size() >= buf_.size()) {
      out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      if (!out_) throw IoError("write error");
      return;
    }
  }
  std::memcpy(buf_.data() + used_, bytes.data(), bytes.size());
  used_ += bytes.size();
}

void LineSink::writeLine(std::string_view text) {
  put(text);
  put(eol_);
}

void LineSink::flush() {
  drain();
  out_.flush();
  if (!out_) throw IoError("write error");
}

}  // namespace vak
