#pragma once

#include <ostream>

#include "checks/file_names.h"
#include "templates/line_source.h"
#include "templates/scan_result.h"
#include "writers/line_sink.h"

namespace vak {

// Reads the input once: copies every line to the output except the lines of template objects,
// which become records, and takes the Version object's value.
ScanResult scan(LineSource& in, LineSink& out, std::ostream& console);

// Reads the input again, from its start, for the names of zones, schedules and the modeller's
// own zone controls and connections, keeping those whose key is in `wanted`, and for the
// design days. Made only when there are templates, so that memory grows with the templates and
// not with the file.
FileNames collectNames(LineSource& in, const NamesWanted& wanted);

}  // namespace vak
