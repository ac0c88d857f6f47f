#pragma once

#include "templates/diagnostics.h"
#include "templates/records.h"

namespace vak {

// Warns about template lines that the format reads otherwise than the modeller meant: a line
// without delimiter, an object cut off by the end of the input, an object that reads the
// lines after it as extra fields, and values that took in a ';' or '!'.
void checkObjectLines(const TemplateLists& templates, Diagnostics& diagnostics);

}  // namespace vak
