#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace vak {

// Blanks and tabs at either end removed, as EnergyPlus reads a field.
std::string_view trimmed(std::string_view text);
// Equal letter for letter, A to Z matching a to z.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// Names as EnergyPlus tells them apart: without regard to letter case or blanks at the ends.
// Hashing and comparing fold as they go, so that looking a name up allocates nothing.
struct NameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view name) const;
};
struct NameEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const {
    return equalsIgnoringCase(trimmed(a), trimmed(b));
  }
};

// A set of names that owns them, and a map keyed by views of names that outlive it, such as
// the fields of records, which never change once read.
using NameKeys = std::unordered_set<std::string, NameHash, NameEqual>;
template <class T>
using NameMap = std::unordered_map<std::string_view, T, NameHash, NameEqual>;

}  // namespace vak
