#pragma once

#include "templates/diagnostics.h"
#include "templates/records.h"
#include "writers/vrf_membership.h"

namespace vak {

// Warns about template lines that the format reads otherwise than the modeller meant: a line
// without delimiter, an object cut off by the end of the input, an object that reads the
// lines after it as extra fields, and values that took in a ';' or '!'.
void checkObjectLines(const TemplateLists& templates, Diagnostics& diagnostics);

// One warning for each template object whose field lines hold a tab before a value, which the
// field reader keeps, with what that changes in what is written (`members` is null when no VRF
// object is written). The other checks pass over those values.
void checkTabs(const TemplateLists& templates, const VrfMembership* members,
               Diagnostics& diagnostics);

}  // namespace vak
