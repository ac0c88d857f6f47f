#include "checks/name_keys.h"

#include <cstdint>

namespace vak {

namespace {

// Letter case as the "C" locale has it, which the program never leaves: only A to Z change.
char upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (upper(a[i]) != upper(b[i])) return false;
  }
  return true;
}

std::size_t NameHash::operator()(std::string_view name) const {
  std::uint64_t hash = 14695981039346656037u;  // FNV-1a
  for (const char c : trimmed(name)) {
    hash ^= static_cast<unsigned char>(upper(c));
    hash *= 1099511628211u;
  }
  return static_cast<std::size_t>(hash);
}

}  // namespace vak
