#include "templates/class_search.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace vak {

namespace {

unsigned char folded(char c) {
  return static_cast<unsigned char>(c & ~0x20);
}

// Sixteen bytes in the compiler's vector type, which every target of the build has.
using Lanes = unsigned char __attribute__((vector_size(16)));
constexpr std::size_t kWidth = sizeof(Lanes);

// The search for N beginnings, the loops over them unrolled.
template <std::size_t N>
std::size_t search(std::string_view text, std::size_t from, std::size_t to,
                   const ClassNameEnds* ends) {
  const char* const bytes = text.data();
  // The characters in every lane, made once: the loop then only loads and compares.
  Lanes firsts[N], lasts[N];
  std::size_t lastAt[N];
  // A step reads this far beyond its first offset.
  std::size_t reach = kWidth;
  for (std::size_t k = 0; k < N; ++k) {
    firsts[k] = Lanes{} + ends[k].first;
    lasts[k] = Lanes{} + ends[k].last;
    lastAt[k] = ends[k].lastAt;
    reach = std::max(reach, lastAt[k] + kWidth);
  }
  constexpr std::size_t kStep = 4 * kWidth;  // one test for four vectors
  std::size_t i = from;
  for (; i + kStep <= to && i + kStep - kWidth + reach <= text.size(); i += kStep) {
    Lanes hit{};
    for (std::size_t part = 0; part < 4; ++part) {
      Lanes first;
      std::memcpy(&first, bytes + i + part * kWidth, kWidth);
      first &= 0xdf;
      for (std::size_t k = 0; k < N; ++k) {
        Lanes last;
        std::memcpy(&last, bytes + i + part * kWidth + lastAt[k], kWidth);
        hit |= (Lanes)((first == firsts[k]) & ((last & 0xdf) == lasts[k]));
      }
    }
    std::uint64_t words[2];
    std::memcpy(words, &hit, kWidth);
    if ((words[0] | words[1]) != 0) break;
  }
  // From the step that hit, or the rest, one offset at a time.
  for (; i < to; ++i) {
    for (std::size_t k = 0; k < N; ++k) {
      if (folded(bytes[i]) == ends[k].first && i + ends[k].lastAt < text.size() &&
          folded(bytes[i + ends[k].lastAt]) == ends[k].last) {
        return i;
      }
    }
  }
  return std::string_view::npos;
}

}  // namespace

ClassNameEnds endsOf(std::string_view beginning) {
  return {folded(beginning.front()), folded(beginning.back()), beginning.size() - 1};
}

std::size_t findClassNameCandidate(std::string_view text, std::size_t from, std::size_t to,
                                   std::span<const ClassNameEnds> wanted) {
  switch (wanted.size()) {
    case 1:
      return search<1>(text, from, to, wanted.data());
    case 2:
      return search<2>(text, from, to, wanted.data());
    case 3:
      return search<3>(text, from, to, wanted.data());
    default:
      return std::string_view::npos;
  }
}

}  // namespace vak
