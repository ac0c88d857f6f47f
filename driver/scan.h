#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "checks/file_names.h"
#include "templates/line_source.h"
#include "templates/records.h"
#include "writers/line_sink.h"

namespace vak {

// A Version object of the input: the line of its class name, and its value as EnergyPlus
// reads it (blanks at the ends removed, cut after kVersionKept characters).
struct VersionObject {
  std::size_t line = 0;
  std::string value;
  friend bool operator==(const VersionObject&, const VersionObject&) = default;
};

inline constexpr std::size_t kVersionKept = 256;

// What the scan collected from the input.
struct ScanResult {
  TemplateLists templates;
  std::vector<VersionObject> versions;  // in input order; the last one counts

  // The value of the last Version object, "" when there is none.
  std::string_view version() const {
    return versions.empty() ? std::string_view() : versions.back().value;
  }
};

// Reads the input once: copies every line to the output except the lines of template objects,
// which become records, and takes the Version object's value.
ScanResult scan(LineSource& in, LineSink& out, std::ostream& console);

// Reads the input again, from its start, for the names of zones, schedules and the modeller's
// own zone controls and connections, keeping those whose key is in `wanted`, and for the
// design days. Made only when there are templates, so that memory grows with the templates and
// not with the file.
FileNames collectNames(LineSource& in, const NameKeys& wanted);

}  // namespace vak
