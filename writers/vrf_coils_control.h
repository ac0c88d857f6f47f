#pragma once

#include "templates/records.h"
#include "writers/idf_lines.h"
#include "writers/vrf_version.h"

namespace vak {

// Second half of an indoor unit block, in the order the frame calls them. The coil curves are
// shared by every coil and written once per run.
// The lines of each indoor unit are joined once for the run's layout and line terminator.
class CoilsControlWriter {
 public:
  CoilsControlWriter(VrfVersion version, std::string_view eol);

  void writeMixerAndCoolingCoil(IdfLines& out, const VRVUnidadInterior& unit) const {
    out.lines(unit, mixerAndCoolingCoil_);
  }
  void writeHeatingCoil(IdfLines& out, const VRVUnidadInterior& unit) const {
    out.lines(unit, heatingCoil_);
  }
  void writeZoneControl(IdfLines& out, const VRVUnidadInterior& unit) const {
    out.lines(unit, zoneControl_);
  }

 private:
  JoinedLines<VRVUnidadInterior> mixerAndCoolingCoil_, heatingCoil_, zoneControl_;
};
void writeCoolingCoilCurves(IdfLines& out);
void writeHeatingCoilCurve(IdfLines& out);

}  // namespace vak
