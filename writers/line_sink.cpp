#include "writers/line_sink.h"

#include <cstring>

#include "templates/io_error.h"

namespace vak {

LineSink::LineSink(std::ostream& out, std::size_t capacity)
    : out_(out), buf_(capacity ? capacity : 1) {}

void LineSink::growTo(std::size_t capacity) {
  if (capacity <= buf_.size()) return;
  drain();
  buf_ = ByteBuffer(capacity);
}

void LineSink::drain() {
  if (used_ == 0) return;
  out_.write(buf_.data(), static_cast<std::streamsize>(used_));
  used_ = 0;
  if (!out_) throw IoError("write error");
}

void LineSink::putLarge(std::string_view bytes) {
  drain();
  if (bytes.size() >= buf_.size()) {
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out_) throw IoError("write error");
    return;
  }
  std::memcpy(buf_.data(), bytes.data(), bytes.size());
  used_ = bytes.size();
}

void LineSink::writeLine(std::string_view text) {
  putHeldCr();
  put(text);
  put(eol_);
}

void LineSink::writeInput(std::string_view text) {
  if (text.empty()) return;
  if (heldCr_ && text.front() == '\n') {
    heldCr_ = false;
    put(eol_);
    text.remove_prefix(1);
  }
  putHeldCr();
  if (!text.empty() && text.back() == '\r') {
    heldCr_ = true;
    text.remove_suffix(1);
  }
  // Only the terminators that differ from the chosen one are rewritten; the runs between them
  // go out as they are.
  const bool crlf = eol_.size() == 2;
  const char mark = crlf ? '\n' : '\r';
  std::size_t from = 0;  // first byte not yet written
  for (std::size_t i = 0;; ++i) {
    const void* hit = std::memchr(text.data() + i, mark, text.size() - i);
    if (hit == nullptr) break;
    i = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
    if (crlf && (i == 0 || text[i - 1] != '\r')) {
      put(text.substr(from, i - from));
      put(eol_);
      from = i + 1;
    } else if (!crlf && text[i + 1] == '\n') {  // a held "\r" is never last
      put(text.substr(from, i - from));
      put(eol_);
      from = i + 2;
    }
  }
  put(text.substr(from));
}

void LineSink::flush() {
  putHeldCr();
  drain();
  out_.flush();
  if (!out_) throw IoError("write error");
}

}  // namespace vak
