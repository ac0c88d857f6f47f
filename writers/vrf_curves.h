#pragma once

#include <span>
#include <string_view>

#include "writers/idf_lines.h"

namespace vak {

// The twenty performance curves that every outdoor unit names, written once per run under
// their four class banners, each object followed by an empty line.
void writeCurveSet(IdfLines& out);

// The field values of the curve of that set named `name`, as written and in field order, its
// name first; none when the set holds no such curve. For checks that evaluate a curve.
std::span<const std::string_view> curveFields(std::string_view name);

}  // namespace vak
