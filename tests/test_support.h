#pragma once

#include <sstream>
#include <string>
#include <string_view>

#include "driver/convert.h"

namespace vak::test {

// One in-memory conversion: the output file, and what went to each console stream.
struct Run {
  std::string output;
  std::string console;
  std::string diagnostics;
};

inline Run expand(std::string_view input) {
  std::istringstream in{std::string(input)};
  std::ostringstream out, console, diagnostics;
  convert(in, out, console, diagnostics);
  return {out.str(), console.str(), diagnostics.str()};
}

// Joins lines, each followed by "\n", so that expected texts read line by line.
template <class... Lines>
std::string lines(const Lines&... l) {
  std::string text;
  ((text += l, text += '\n'), ...);
  return text;
}

}  // namespace vak::test
