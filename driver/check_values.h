#pragma once

#include <deque>
#include <ostream>

#include "driver/served_zones.h"
#include "templates/records.h"
#include "writers/vrf_membership.h"
#include "writers/vrf_version.h"

namespace vak {

// Thermostats: a set-point that is neither a schedule nor a constant, and constants that are
// not numbers.
void checkThermostatValues(const std::deque<Termostato>& thermostats, std::ostream& diagnostics);

// Outdoor units: keywords, the master thermostat zone, and numbers within the limits of the
// fields they are written to.
void checkOutdoorValues(const std::deque<VRVUnidadExterior>& outdoor, const ServedZones& zones,
                        const VrfMembership& members, VrfVersion version,
                        std::ostream& diagnostics);

// Indoor units that are written: the fan operating mode, numbers within the limits of the
// fields they are written to, and the outdoor air flow against the supply air flow.
void checkIndoorValues(const std::deque<VRVUnidadInterior>& indoor, const VrfMembership& members,
                       VrfVersion version, std::ostream& diagnostics);

}  // namespace vak
