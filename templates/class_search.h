#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace vak {

// What the search for class names compares: for each wanted beginning of a name, its first
// character and the one `distance` further on, with bit 5 cleared. The distance is the same for
// every beginning, so that one look at the text serves them all.
struct ClassNamePattern {
  std::array<unsigned char, 3> first{};
  std::array<unsigned char, 3> further{};
  std::size_t count = 0;  // beginnings, at most three
  std::size_t distance = 0;
};

// The pattern of these beginnings, empty ones left out; the others are at least two characters
// long.
ClassNamePattern patternOf(std::span<const std::string_view> beginnings);

// The first offset in [from, to) of `text` where one of the pattern's beginnings may start: its
// two characters stand in place, letter case aside; npos if there is none. Clearing bit 5 makes
// letters of either case one but pairs some other characters too, so a hit is only a candidate
// for a look at the whole line. Sixteen offsets at a time.
std::size_t findClassNameCandidate(std::string_view text, std::size_t from, std::size_t to,
                                   const ClassNamePattern& pattern);

}  // namespace vak
