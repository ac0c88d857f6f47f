#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "writers/idf_lines.h"

namespace vak {

// The two object layouts that the VRF writer produces.
enum class VrfVersion { V7_1, V8_0 };

// The layout that a Version value selects: exactly "7.1" or "8.0", else none.
inline std::optional<VrfVersion> vrfVersionFor(std::string_view version) {
  if (version == "7.1") return VrfVersion::V7_1;
  if (version == "8.0") return VrfVersion::V8_0;
  return std::nullopt;
}

// How a line of the "8.0" layout stands in the "7.1" layout.
enum class In71 { Same, Omitted, Replaced };

// A line of a table that holds both layouts: the "8.0" line and, where they differ, what
// "7.1" writes instead.
template <class R>
struct VersionedLine {
  Line<R> line;
  In71 in71 = In71::Same;
  Line<R> line71 = {};
};

template <class R>
void writeLines(IdfLines& out, const R& record, std::span<const VersionedLine<R>> table,
                VrfVersion version) {
  for (const VersionedLine<R>& v : table) {
    if (version == VrfVersion::V8_0 || v.in71 == In71::Same) {
      out.line(record, v.line);
    } else if (v.in71 == In71::Replaced) {
      out.line(record, v.line71);
    }
  }
}

}  // namespace vak
