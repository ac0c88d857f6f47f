#pragma once

#include <initializer_list>
#include <string_view>

#include "writers/idf_lines.h"

namespace vak {

// A Schedule:Compact holding one value all year. The name is its parts joined as they are.
void writeConstantSchedule(IdfLines& out, std::initializer_list<std::string_view> name,
                           std::string_view limits, std::string_view value);

}  // namespace vak
