#include "driver/check_report.h"

namespace vak {

std::string counted(std::size_t count, std::string_view what) {
  std::string text = std::to_string(count);
  text.append(" ").append(what);
  if (count != 1) text += 's';
  return text;
}

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

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

std::string nameKey(std::string_view name) {
  std::string key(trimmed(name));
  for (char& c : key) c = upper(c);
  return key;
}

}  // namespace vak
