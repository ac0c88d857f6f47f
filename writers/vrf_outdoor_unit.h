#pragma once

#include "templates/records.h"
#include "writers/idf_lines.h"
#include "writers/vrf_version.h"

namespace vak {

// The AirConditioner:VariableRefrigerantFlow class banner, written once before the first unit.
void writeOutdoorUnitBanner(IdfLines& out);

// The heat pump objects, their lines joined once for the run's layout and line terminator.
class OutdoorUnitWriter {
 public:
  OutdoorUnitWriter(VrfVersion version, std::string_view eol);

  // The heat pump object of one outdoor unit, followed by one empty line.
  void write(IdfLines& out, const VRVUnidadExterior& unit) const { out.lines(unit, heatPump_); }

 private:
  JoinedLines<VRVUnidadExterior> heatPump_;
};

}  // namespace vak
