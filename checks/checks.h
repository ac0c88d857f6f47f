#pragma once

#include <optional>

#include "checks/file_names.h"
#include "templates/diagnostics.h"
#include "templates/scan_result.h"
#include "writers/vrf_membership.h"
#include "writers/vrf_version.h"

namespace vak {

// Warns, one line per problem, about template content that would be dropped without a word or
// that refers to something the program never writes, `names` holding what the file defines of
// the names that the templates use (see namesLookedUp). `layout` is the one about to be written,
// if any. Many units with the same problem are summarised, not listed.
void checkTemplates(const ScanResult& scanned, const FileNames& names, const VrfMembership& members,
                    std::optional<VrfLayout> layout, Diagnostics& diagnostics);

}  // namespace vak
