#pragma once

#include "writers/idf_lines.h"

namespace vak {

// The twenty performance curves that every outdoor unit names, written once per run under
// their four class banners, each object followed by an empty line.
void writeCurveSet(IdfLines& out);

}  // namespace vak
