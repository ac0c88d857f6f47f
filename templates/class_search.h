#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace vak {

// What the search for a class name compares: the first and last characters of a beginning
// of the name, with bit 5 cleared, and how far the last stands from the first.
struct ClassNameEnds {
  unsigned char first = 0;
  unsigned char last = 0;
  std::size_t lastAt = 0;
};

// The ends of `beginning`, which is at least two characters long.
ClassNameEnds endsOf(std::string_view beginning);

// The first offset in [from, to) of `text` where one of the `wanted` beginnings (at most three)
// may start: its first and last characters stand in place, letter case aside; npos if there is
// none. Clearing bit 5 makes letters of either case one but pairs some other characters too,
// so a hit is only a candidate for a look at the whole line. Sixteen offsets at a time.
std::size_t findClassNameCandidate(std::string_view text, std::size_t from, std::size_t to,
                                   std::span<const ClassNameEnds> wanted);

}  // namespace vak
