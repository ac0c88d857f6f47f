#pragma once

#include <deque>

#include "templates/records.h"
#include "writers/idf_lines.h"
#include "writers/vrf_membership.h"
#include "writers/vrf_version.h"

namespace vak {

// Fan schedules, outdoor air node lists, each indoor unit's zone node lists, equipment
// connections and equipment list, and each outdoor unit's terminal unit list.
void writeAirPath(IdfLines& out, const std::deque<VRVUnidadInterior>& indoor,
                  const std::deque<VRVUnidadExterior>& outdoor, const VrfMembership& members,
                  VrfLayout layout);

}  // namespace vak
