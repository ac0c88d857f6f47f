#pragma once

#include <deque>

#include "checks/check_report.h"
#include "checks/served_zones.h"
#include "templates/records.h"
#include "writers/vrf_membership.h"
#include "writers/vrf_version.h"

namespace vak {

// Thermostats: a set-point that is neither a schedule nor a constant, and constants that are
// not numbers.
void checkThermostatValues(const std::deque<Termostato>& thermostats, Diagnostics& diagnostics);

// Outdoor units: keywords, the master thermostat zone, and numbers within the limits of the
// fields they are written to.
void checkOutdoorValues(const std::deque<VRVUnidadExterior>& outdoor, const ServedZones& zones,
                        const VrfMembership& members, VrfVersion version, Diagnostics& diagnostics);

// Indoor units that are written, one at a time: the fan operating mode, numbers within the
// limits of the fields they are written to, and the outdoor air flow against the supply air
// flow. The first few messages of each kind are written as they come, the count of the rest
// at the end.
class IndoorValueChecks {
 public:
  IndoorValueChecks(VrfVersion version, Diagnostics& diagnostics);
  void check(const VRVUnidadInterior& unit);

 private:
  VrfVersion version_;
  Problem fanMode_;
  Problem notNumber_;
  Problem outside_;
  Problem outdoorAir_;
};

}  // namespace vak
