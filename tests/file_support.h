#pragma once

// Whole files in and out, byte for byte, for the tests that work on real files. Header-only and
// free of the program's code, so the process tests of either platform can use it too.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace vak::test {

inline std::string slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void spit(const std::filesystem::path& p, const std::string& text) {
  std::ofstream(p, std::ios::binary) << text;
}

}  // namespace vak::test
