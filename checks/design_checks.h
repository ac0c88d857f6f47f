#pragma once

#include <optional>
#include <ostream>
#include <span>

#include "checks/design_days.h"
#include "templates/diagnostics.h"
#include "templates/records.h"
#include "writers/vrf_membership.h"
#include "writers/vrf_version.h"

namespace vak {

// Designs that EnergyPlus runs, with results nobody meant, held against kDesignLimits: the
// combination ratios, piping and air flow per capacity of the VRF systems written, design days
// outside their operating range, thermostats without a dead band, and a resistive defrost
// heater of 0 W. Only numbers that the other checks let pass are looked at, so that a mistake
// they report gets no second message. `vrf`: the layout about to be written, if any.
void checkDesign(const TemplateLists& templates, std::span<const DesignDay> designDays,
                 const VrfMembership& members, std::optional<VrfVersion> vrf,
                 Diagnostics& diagnostics);

// One short table per outdoor unit: its indoor units and zones, its combination ratios, its
// piping correction factor and its outdoor air as a share of the supply air.
void writeDesignSummary(std::ostream& out, const TemplateLists& templates,
                        const VrfMembership& members, VrfVersion vrf);

}  // namespace vak
