#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

// Values by name, keyed by views of names that outlive the map, such as the fields of records,
// which never change once read. The checks index tens of thousands of unit names at a time: a
// flat table with a piece of each name's hash beside its place finds a name while touching
// the text of others only on a hash match, and adds one without allocating once sized.
template <class T>
class NameMap {
 public:
  explicit NameMap(std::size_t expected = 0) { resize(expected); }

  // The value under `name`, with `value` stored under it first if there was none, valid until
  // the next name is added; and whether it was stored now.
  std::pair<const T&, bool> tryEmplace(std::string_view name, const T& value) {
    if (2 * (entries_.size() + 1) > slots_.size()) resize(2 * entries_.size() + 1);
    const std::uint64_t hash = mixed(name);
    for (std::size_t i = hash >> shift_;; i = (i + 1) & (slots_.size() - 1)) {
      Slot& slot = slots_[i];
      if (slot.entry == 0) {
        entries_.push_back({name, value});
        slot = {static_cast<std::uint32_t>(entries_.size()), static_cast<std::uint32_t>(hash)};
        return {entries_.back().value, true};
      }
      if (const Entry* e = match(slot, hash, name)) return {e->value, false};
    }
  }

  // The value under `name`, or null.
  const T* find(std::string_view name) const {
    const std::uint64_t hash = mixed(name);
    for (std::size_t i = hash >> shift_;; i = (i + 1) & (slots_.size() - 1)) {
      const Slot& slot = slots_[i];
      if (slot.entry == 0) return nullptr;
      if (const Entry* e = match(slot, hash, name)) return &e->value;
    }
  }
  bool contains(std::string_view name) const { return find(name) != nullptr; }

 private:
  struct Slot {
    std::uint32_t entry = 0;  // 1 + the index into entries_; 0 for a free slot
    std::uint32_t tag = 0;    // the low half of the name's mixed hash
  };
  struct Entry {
    std::string_view name;
    T value;
  };

  // The hash spread over all its bits, so that the top ones can pick the slot.
  static std::uint64_t mixed(std::string_view name) {
    return static_cast<std::uint64_t>(NameHash{}(name)) * 0x9E3779B97F4A7C15u;
  }

  const Entry* match(const Slot& slot, std::uint64_t hash, std::string_view name) const {
    if (slot.tag != static_cast<std::uint32_t>(hash)) return nullptr;
    const Entry& e = entries_[slot.entry - 1];
    return NameEqual{}(e.name, name) ? &e : nullptr;
  }

  // Room for `names` names with at least half of the slots free.
  void resize(std::size_t names) {
    std::size_t size = 16;
    shift_ = 60;
    while (size < 2 * names) {
      size *= 2;
      --shift_;
    }
    slots_.assign(size, Slot{});
    entries_.reserve(names);
    for (std::size_t k = 0; k < entries_.size(); ++k) {
      std::size_t i = mixed(entries_[k].name) >> shift_;
      while (slots_[i].entry != 0) i = (i + 1) & (size - 1);
      slots_[i] = {static_cast<std::uint32_t>(k + 1),
                   static_cast<std::uint32_t>(mixed(entries_[k].name))};
    }
  }

  std::vector<Slot> slots_;  // a power of two of them
  int shift_ = 60;           // 64 less the bits of a slot index
  std::vector<Entry> entries_;
};

// A set of names, as EnergyPlus tells them apart. Names given as views must outlive the set,
// as the fields of records do; names made up on the way are kept in the set.
class NameKeys {
 public:
  NameKeys() = default;
  NameKeys(std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) keep(std::string(name));
  }

  void insert(std::string_view name) {
    map_.tryEmplace(name, true);
    any_ = true;
  }
  void keep(std::string name) { insert(kept_.emplace_back(std::move(name))); }
  bool contains(std::string_view name) const { return map_.contains(name); }
  bool empty() const { return !any_; }

 private:
  std::deque<std::string> kept_;  // a deque: what it holds never moves
  NameMap<bool> map_;
  bool any_ = false;
};

}  // namespace vak
