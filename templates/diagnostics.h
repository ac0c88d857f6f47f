#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace vak {

inline constexpr std::string_view kProgramName = "expandVAKobjects";

// The input file, which line numbers in warnings refer to.
inline constexpr const char* kInputName = "in.idf";

// Starts a one-line warning tied to no line of the input; the caller ends it with "\n".
inline std::ostream& warning(std::ostream& diagnostics) {
  return diagnostics << kProgramName << ": warning: ";
}

// Starts a one-line warning about a line of the input, in the form editors jump to.
inline std::ostream& warningAt(std::ostream& diagnostics, std::size_t line) {
  return diagnostics << kInputName << ':' << line << ": warning: ";
}

// Starts a one-line remark that is not a fault.
inline std::ostream& note(std::ostream& diagnostics) {
  return diagnostics << kProgramName << ": note: ";
}

// Text in double quotes, cut after `limit` characters, so that blanks at either end show.
// Control characters are escaped, so that a tab or a carriage return is seen, not obeyed.
inline std::string quoted(std::string_view text, std::size_t limit = 80) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string q = "\"";
  for (const char c : text.substr(0, limit)) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '\t') {
      q += "\\t";
    } else if (c == '\r') {
      q += "\\r";
    } else if (c == '"' || c == '\\') {
      q += '\\';
      q += c;
    } else if (u < 0x20 || u == 0x7f) {
      q += "\\x";
      q += kHex[u >> 4];
      q += kHex[u & 0xf];
    } else {
      q += c;
    }
  }
  q += text.size() > limit ? "\"..." : "\"";
  return q;
}

}  // namespace vak
