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

// The search for N beginnings, the loop over them unrolled.
template <std::size_t N>
std::size_t search(std::string_view text, std::size_t from, std::size_t to,
                   const ClassNamePattern& p) {
  const char* const bytes = text.data();
  // The characters in every lane, made once: the loop then only loads and compares.
  Lanes firsts[N], furthers[N];
  for (std::size_t k = 0; k < N; ++k) {
    firsts[k] = Lanes{} + p.first[k];
    furthers[k] = Lanes{} + p.further[k];
  }
  constexpr std::size_t kStep = 4 * kWidth;  // one test for four vectors
  std::size_t i = from;
  for (; i + kStep <= to && i + kStep + p.distance <= text.size(); i += kStep) {
    Lanes hit{};
    for (std::size_t part = 0; part < 4; ++part) {
      Lanes here, there;
      std::memcpy(&here, bytes + i + part * kWidth, kWidth);
      std::memcpy(&there, bytes + i + part * kWidth + p.distance, kWidth);
      here &= 0xdf;
      there &= 0xdf;
      for (std::size_t k = 0; k < N; ++k) {
        hit |= (Lanes)((here == firsts[k]) & (there == furthers[k]));
      }
    }
    std::uint64_t words[2];
    std::memcpy(words, &hit, kWidth);
    if ((words[0] | words[1]) != 0) break;
  }
  // From the step that hit, or the rest, one offset at a time.
  for (; i < to; ++i) {
    for (std::size_t k = 0; k < N; ++k) {
      if (folded(bytes[i]) == p.first[k] && i + p.distance < text.size() &&
          folded(bytes[i + p.distance]) == p.further[k]) {
        return i;
      }
    }
  }
  return std::string_view::npos;
}

}  // namespace

ClassNamePattern patternOf(std::span<const std::string_view> beginnings) {
  ClassNamePattern p;
  p.distance = std::string_view::npos;
  for (const std::string_view b : beginnings) {
    if (!b.empty()) p.distance = std::min(p.distance, b.size() - 1);
  }
  for (const std::string_view b : beginnings) {
    if (b.empty()) continue;
    p.first[p.count] = folded(b.front());
    p.further[p.count] = folded(b[p.distance]);
    ++p.count;
  }
  return p;
}

std::size_t findClassNameCandidate(std::string_view text, std::size_t from, std::size_t to,
                                   const ClassNamePattern& pattern) {
  switch (pattern.count) {
    case 1:
      return search<1>(text, from, to, pattern);
    case 2:
      return search<2>(text, from, to, pattern);
    case 3:
      return search<3>(text, from, to, pattern);
    default:
      return std::string_view::npos;
  }
}

}  // namespace vak
