#pragma once

#include <cstddef>
#include <ostream>
#include <string_view>
#include <vector>

namespace vak {

// Buffered, error-checked output of whole lines, each followed by the run's line terminator.
class LineSink {
 public:
  explicit LineSink(std::ostream& out, std::size_t capacity = std::size_t{1} << 16);
  LineSink(const LineSink&) = delete;
  LineSink& operator=(const LineSink&) = delete;

  // "\r\n" instead of "\n" after every line written from now on.
  void setCrlf(bool crlf) { eol_ = crlf ? "\r\n" : "\n"; }

  // Writes text followed by the terminator. Throws IoError when the stream refuses it.
  void writeLine(std::string_view text);

  // Writes text copied from the input, lines with their terminators, each terminator ("\n" or
  // "\r\n") as the chosen one. Consecutive calls continue one text: a "\r" at the end of one
  // waits for the next.
  void writeInput(std::string_view text);

  // Hands everything buffered to the stream and flushes it. Throws IoError on failure.
  void flush();

 private:
  void put(std::string_view bytes);
  void drain();
  void putHeldCr();

  std::ostream& out_;
  std::vector<char> buf_;
  std::size_t used_ = 0;
  std::string_view eol_ = "\n";
  bool heldCr_ = false;  // copied input ended with "\r"
};

}  // namespace vak
