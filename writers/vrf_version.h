#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "writers/idf_lines.h"

namespace vak {

// The object layouts that the VRF writer produces: EnergyPlus 7.1, 8.0, and the one layout
// that 9.2 through 26.1 share for every class written.
enum class VrfVersion { V7_1, V8_0, Current };

// A Version value that selects a layout. Values of the current layout are also taken with a
// ".0" patch suffix, as EnergyPlus takes them.
struct SupportedVersion {
  std::string_view value;
  VrfVersion layout;
};

inline constexpr SupportedVersion kSupportedVersions[] = {
    {"7.1", VrfVersion::V7_1},     {"8.0", VrfVersion::V8_0},     {"9.2", VrfVersion::Current},
    {"9.3", VrfVersion::Current},  {"9.4", VrfVersion::Current},  {"9.5", VrfVersion::Current},
    {"9.6", VrfVersion::Current},  {"22.1", VrfVersion::Current}, {"22.2", VrfVersion::Current},
    {"23.1", VrfVersion::Current}, {"23.2", VrfVersion::Current}, {"24.1", VrfVersion::Current},
    {"24.2", VrfVersion::Current}, {"25.1", VrfVersion::Current}, {"25.2", VrfVersion::Current},
    {"26.1", VrfVersion::Current},
};

inline constexpr std::string_view kPatchSuffix = ".0";

// The layout that a Version value selects, compared whole and case for case; else none.
inline std::optional<VrfVersion> vrfVersionFor(std::string_view version) {
  for (const SupportedVersion& s : kSupportedVersions) {
    if (version == s.value) return s.layout;
    if (s.layout == VrfVersion::Current && version.size() == s.value.size() + kPatchSuffix.size() &&
        version.starts_with(s.value) && version.ends_with(kPatchSuffix)) {
      return s.layout;
    }
  }
  return std::nullopt;
}

// A set of layouts: the columns of a line table in which a row is written.
class Layouts {
 public:
  constexpr Layouts(VrfVersion v) : bits_(bit(v)) {}  // implicit: one layout is a set of one
  constexpr Layouts operator|(Layouts other) const { return Layouts(bits_ | other.bits_); }
  constexpr bool has(VrfVersion v) const { return (bits_ & bit(v)) != 0; }

 private:
  constexpr explicit Layouts(unsigned bits) : bits_(bits) {}
  static constexpr unsigned bit(VrfVersion v) { return 1u << static_cast<unsigned>(v); }
  unsigned bits_;
};

inline constexpr Layouts k71 = VrfVersion::V7_1;
inline constexpr Layouts k80 = VrfVersion::V8_0;
inline constexpr Layouts kCurrent = VrfVersion::Current;
inline constexpr Layouts kEveryLayout = k71 | k80 | kCurrent;

// A row of a table that holds every layout: the line, and the layouts that write it. Where
// layouts differ, neighbouring rows hold each one's own line.
template <class R>
struct VersionedLine {
  Line<R> line;
  Layouts in = kEveryLayout;
};

// Writes the rows of the table that the layout has.
template <class R>
void writeLines(IdfLines& out, const R& record, std::span<const VersionedLine<R>> table,
                VrfVersion version) {
  const auto selection = static_cast<unsigned>(version) + 1;  // 0 is the whole table
  out.lines(record, out.joined<R>(table, selection, [table, version](JoinedLines<R>& j) {
    for (const VersionedLine<R>& v : table) {
      if (v.in.has(version)) j.add(v.line);
    }
  }));
}

}  // namespace vak
