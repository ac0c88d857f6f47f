#include "templates/line_source.h"

#include <cstring>

namespace vak {

LineSource::LineSource(std::istream& in, std::size_t chunk)
    : in_(in), buf_(chunk < 2 ? 2 : chunk) {}

bool LineSource::fill() {
  if (eof_) return false;
  in_.read(buf_.data(), static_cast<std::streamsize>(buf_.size()));
  if (in_.bad()) throw IoError("read error");
  begin_ = 0;
  end_ = static_cast<std::size_t>(in_.gcount());
  if (end_ < buf_.size()) eof_ = true;
  return end_ > 0;
}

bool LineSource::next(std::string_view& line) {
  long_.clear();
  bool spans = false;  // the line's text is in long_, not in buf_
  for (;;) {
    if (begin_ == end_ && !fill()) {
      ended_ = true;
      line = spans ? std::string_view(long_) : std::string_view();
      if (spans) ++lineNumber_;  // a last line without terminator; no line, no number
      return spans;
    }
    const char* start = buf_.data() + begin_;
    const std::size_t avail = end_ - begin_;
    const auto* nl = static_cast<const char*>(std::memchr(start, '\n', avail));
    if (nl == nullptr) {
      long_.append(start, avail);
      spans = true;
      begin_ = end_;
      continue;
    }
    const std::size_t len = static_cast<std::size_t>(nl - start);
    begin_ += len + 1;
    ++lineNumber_;
    if (spans) {
      long_.append(start, len);
      line = long_;
    } else {
      line = std::string_view(start, len);
    }
    const bool crlf = !line.empty() && line.back() == '\r';
    if (crlf) line.remove_suffix(1);
    if (lineNumber_ == 1) firstCrlf_ = crlf;
    return true;
  }
}

}  // namespace vak
