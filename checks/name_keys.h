#pragma once

#include <algorithm>
#include <cstddef>
#include <deque>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "templates/text.h"

namespace vak {

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

// Values by name, names told apart as EnergyPlus does. The keys are views of names that
// outlive the map, such as the fields of records, which never change once read.
template <class T>
using NameMap = std::unordered_map<std::string_view, T, NameHash, NameEqual>;

// A set of names, as EnergyPlus tells them apart. Names given as views must outlive the set,
// as the fields of records do; names made up on the way are kept in the set.
class NameKeys {
 public:
  NameKeys() = default;
  NameKeys(std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) keep(std::string(name));
  }

  void insert(std::string_view name) {
    set_.insert(name);
    longest_ = std::max(longest_, trimmed(name).size());
  }
  void keep(std::string name) { insert(kept_.emplace_back(std::move(name))); }
  bool contains(std::string_view name) const { return set_.contains(name); }
  bool empty() const { return set_.empty(); }
  // The length of the longest name, blanks at its ends left out: no longer name is in the set.
  std::size_t longest() const { return longest_; }

 private:
  std::deque<std::string> kept_;  // a deque: what it holds never moves
  std::unordered_set<std::string_view, NameHash, NameEqual> set_;
  std::size_t longest_ = 0;
};

}  // namespace vak
