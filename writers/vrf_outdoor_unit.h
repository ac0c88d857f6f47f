#pragma once

#include "templates/records.h"
#include "writers/idf_lines.h"
#include "writers/vrf_version.h"

namespace vak {

// The AirConditioner:VariableRefrigerantFlow class banner, written once before the first unit.
void writeOutdoorUnitBanner(IdfLines& out);

// The heat pump object of one outdoor unit, followed by one empty line.
void writeOutdoorUnit(IdfLines& out, const VRVUnidadExterior& unit, VrfVersion version);

}  // namespace vak
