#pragma once

#include <optional>
#include <ostream>

#include "driver/scan.h"
#include "writers/vrf_membership.h"
#include "writers/vrf_version.h"

namespace vak {

// Names: templates of one class that share a name, zones and schedules that templates name
// but nothing defines, and the modeller's own objects that collide with what is written.
// `vrf` is the layout about to be written, if any.
void checkNames(const ScanResult& scanned, const VrfMembership& members,
                std::optional<VrfVersion> vrf, std::ostream& diagnostics);

}  // namespace vak
