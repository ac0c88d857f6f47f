#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace vak {

inline constexpr std::string_view kProgramName = "expandVAKobjects";

// Starts a one-line warning for the user; the caller ends it with "\n".
inline std::ostream& warning(std::ostream& diagnostics) {
  return diagnostics << kProgramName << ": warning: ";
}

// Text in double quotes, cut after `limit` characters, so that blanks at either end show.
inline std::string quoted(std::string_view text, std::size_t limit = 80) {
  std::string q = "\"";
  q += text.substr(0, limit);
  q += text.size() > limit ? "\"..." : "\"";
  return q;
}

}  // namespace vak
