#pragma once

#include <optional>

#include "checks/check_report.h"
#include "checks/file_names.h"
#include "templates/diagnostics.h"
#include "templates/records.h"
#include "writers/vrf_membership.h"
#include "writers/vrf_version.h"

namespace vak {

// The keys of every name of the file that checkNames looks up: the names of the zones and
// schedules that templates name and of the schedules the program writes.
NameKeys namesLookedUp(const TemplateLists& templates, const VrfMembership& members, bool vrf);

// The zones of written indoor units that ask for autosize where EnergyPlus sizes from a zone
// sizing run: their Sizing:Zone objects are looked for.
NameKeys autosizedZones(const TemplateLists& templates, const VrfMembership& members, bool vrf);

// Names: templates of one class that share a name, zones and schedules that templates name
// but nothing defines, and the modeller's own objects that collide with what is written.
// `vrf`: VRF objects are about to be written, for `target`.
void checkNames(const TemplateLists& templates, const FileNames& names,
                const VrfMembership& members, bool vrf, const Target& target,
                Diagnostics& diagnostics);

}  // namespace vak
