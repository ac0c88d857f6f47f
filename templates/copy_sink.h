#pragma once

#include <string_view>

namespace vak {

// Where the line source puts what it copies: the input's own bytes, in order, then one more
// line terminator after the last line. `crlf`: lines end with "\r\n", as the input's first line
// does. Text copied before the first line break is known holds no line break.
class CopySink {
 public:
  // Bytes of the input that continue those of the previous call: lines with their
  // terminators, a line maybe split between calls.
  virtual void copy(std::string_view bytes, bool crlf) = 0;

  // The input ended: its last line, complete or not, gets a terminator.
  virtual void endInput(bool crlf) = 0;

 protected:
  ~CopySink() = default;
};

}  // namespace vak
