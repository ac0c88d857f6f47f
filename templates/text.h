#pragma once

#include <cstddef>
#include <string_view>

namespace vak {

// Blanks and tabs at either end removed, as EnergyPlus reads a field.
inline std::string_view trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && blank(text[first])) ++first;
  while (last > first && blank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

}  // namespace vak
