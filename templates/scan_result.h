#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "templates/records.h"

namespace vak {

// A Version object of the input: the line of its class name, and its value as EnergyPlus
// reads it (blanks at the ends removed, cut after kVersionKept characters).
struct VersionObject {
  std::size_t line = 0;
  std::string value;
  friend bool operator==(const VersionObject&, const VersionObject&) = default;
};

inline constexpr std::size_t kVersionKept = 256;

// What the first pass over the input collected.
struct ScanResult {
  TemplateLists templates;
  std::vector<VersionObject> versions;  // in input order; the last one counts

  // The value of the last Version object, "" when there is none.
  std::string_view version() const {
    return versions.empty() ? std::string_view() : versions.back().value;
  }
};

}  // namespace vak
