#pragma once

#include <deque>

#include "templates/records.h"
#include "writers/idf_lines.h"
#include "writers/vrf_membership.h"
#include "writers/vrf_version.h"

namespace vak {

// The whole VRF system: zone air paths, the curve set, then each outdoor unit's heat pump
// followed by the indoor unit blocks of its members. The three coil curves are written once,
// with the first indoor unit block of the run.
void writeVrfSystem(IdfLines& out, const std::deque<VRVUnidadInterior>& indoor,
                    const std::deque<VRVUnidadExterior>& outdoor, const VrfMembership& members,
                    VrfLayout layout);

}  // namespace vak
