#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "templates/io_error.h"

namespace vak {

// Whole input lines of any length. "\n" ends a line; a "\r" right before it belongs to the
// terminator. Reads in large chunks so that scanning costs about as much as copying.
class LineSource {
 public:
  explicit LineSource(std::istream& in, std::size_t chunk = std::size_t{1} << 16);

  // Reads the next line. The view stays valid until the next call. Returns false when the
  // input had no character left; the line is then empty. Throws IoError on a read error.
  bool next(std::string_view& line);

  // End of input was met: by a line without terminator or by a read that found nothing.
  bool atEnd() const { return ended_; }

  // The first line read ended with "\r\n".
  bool firstLineCrlf() const { return firstCrlf_; }

  // Number of the line returned last, counting from 1; 0 before the first. A call that finds
  // no line leaves it as it was, so that it always names a line of the input.
  std::size_t lineNumber() const { return lineNumber_; }

 private:
  bool fill();

  std::istream& in_;
  std::vector<char> buf_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  std::string long_;  // a line that spans chunk boundaries
  bool eof_ = false;
  bool ended_ = false;
  bool firstCrlf_ = false;
  std::size_t lineNumber_ = 0;
};

}  // namespace vak
