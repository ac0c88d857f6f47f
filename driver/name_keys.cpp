#include "driver/name_keys.h"

#include <cstdint>

namespace vak {

namespace {

// Letter case as the "C" locale has it, which the program never leaves: only A to Z change.
char upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool blank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::string_view trimmed(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && blank(text[first])) ++first;
  while (last > first && blank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

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
