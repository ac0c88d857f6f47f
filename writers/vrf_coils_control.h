#pragma once

#include "templates/records.h"
#include "writers/idf_lines.h"
#include "writers/vrf_version.h"

namespace vak {

// Second half of an indoor unit block, in the order the frame calls them. The coil curves are
// shared by every coil and written once per run.
void writeMixerAndCoolingCoil(IdfLines& out, const VRVUnidadInterior& unit, VrfVersion version);
void writeCoolingCoilCurves(IdfLines& out);
void writeHeatingCoil(IdfLines& out, const VRVUnidadInterior& unit, VrfVersion version);
void writeHeatingCoilCurve(IdfLines& out);
void writeZoneControl(IdfLines& out, const VRVUnidadInterior& unit);

}  // namespace vak
