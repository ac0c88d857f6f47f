#pragma once

#include <cstddef>
#include <cstring>
#include <ostream>
#include <string_view>

#include "templates/byte_buffer.h"
#include "templates/copy_sink.h"

namespace vak {

// Buffered, error-checked output of whole lines, each followed by the run's line terminator;
// for the first pass, where the input's copied lines go.
class LineSink : public CopySink {
 public:
  explicit LineSink(std::ostream& out, std::size_t capacity = std::size_t{1} << 16);
  LineSink(const LineSink&) = delete;
  LineSink& operator=(const LineSink&) = delete;

  // Buffers up to `capacity` bytes from now on, if that is more than so far.
  void growTo(std::size_t capacity);

  // "\r\n" instead of "\n" after every line written from now on.
  void setCrlf(bool crlf) { eol_ = crlf ? "\r\n" : "\n"; }

  // Writes text followed by the terminator. Throws IoError when the stream refuses it.
  void writeLine(std::string_view text);

  // Writes the pieces of one line, one after the other, followed by the terminator.
  void writeLine(std::string_view before, std::string_view field, std::string_view after) {
    putHeldCr();
    put(before);
    put(field);
    put(after);
    put(eol_);
  }

  // Writes generated text as it is: pieces that together make whole lines, each terminator
  // already the chosen one (see eol).
  void writeText(std::string_view text) {
    putHeldCr();
    put(text);
  }

  // Writes a stretch of generated text and the value that follows it: the pair that a joined
  // table is made of. As writeText of each, with one test for room instead of four.
  void writeTextAndValue(std::string_view text, std::string_view value) {
    const std::size_t n = text.size() + value.size();
    if (heldCr_ || n > buf_.size() - used_) {
      writeText(text);
      writeText(value);
      return;
    }
    char* const to = buf_.data() + used_;
    copyBytes(to, text.data(), text.size());
    copyBytes(to + text.size(), value.data(), value.size());
    used_ += n;
  }

  // The terminator written after every line.
  std::string_view eol() const { return eol_; }

  // Writes text copied from the input, lines with their terminators, each terminator ("\n" or
  // "\r\n") as the chosen one. Consecutive calls continue one text: a "\r" at the end of one
  // waits for the next.
  void writeInput(std::string_view text);

  // Hands everything buffered to the stream and flushes it. Throws IoError on failure.
  void flush();

  void copy(std::string_view bytes, bool crlf) override {
    setCrlf(crlf);
    writeInput(bytes);
  }
  void endInput(bool crlf) override {
    setCrlf(crlf);
    writeLine({});
  }

 private:
  // Most pieces fit the buffer: that case stays inline.
  void put(std::string_view bytes) {
    if (bytes.size() > buf_.size() - used_) {
      putLarge(bytes);
    } else if (!bytes.empty()) {
      std::memcpy(buf_.data() + used_, bytes.data(), bytes.size());
      used_ += bytes.size();
    }
  }
  void putLarge(std::string_view bytes);

  // Most values and many stretches of fixed text are short: those are copied without a call,
  // by two moves that may overlap, and never read or write outside their n bytes.
  static void copyBytes(char* to, const char* from, std::size_t n) {
    if (n > 32) {
      std::memcpy(to, from, n);
    } else if (n >= 16) {
      moveTwo<16>(to, from, n);
    } else if (n >= 8) {
      moveTwo<8>(to, from, n);
    } else if (n >= 4) {
      moveTwo<4>(to, from, n);
    } else if (n > 0) {
      to[0] = from[0];
      to[n / 2] = from[n / 2];
      to[n - 1] = from[n - 1];
    }
  }
  // The first and the last `k` of n bytes, k <= n <= 2k.
  template <std::size_t k>
  static void moveTwo(char* to, const char* from, std::size_t n) {
    char head[k], tail[k];
    std::memcpy(head, from, k);
    std::memcpy(tail, from + n - k, k);
    std::memcpy(to, head, k);
    std::memcpy(to + n - k, tail, k);
  }
  void drain();
  void putHeldCr() {
    if (heldCr_) put("\r");
    heldCr_ = false;
  }

  std::ostream& out_;
  ByteBuffer buf_;
  std::size_t used_ = 0;
  std::string_view eol_ = "\n";
  bool heldCr_ = false;  // copied input ended with "\r"
};

}  // namespace vak
