#include "writers/vrf.h"

#include "writers/vrf_air_path.h"
#include "writers/vrf_coils_control.h"
#include "writers/vrf_curves.h"
#include "writers/vrf_outdoor_unit.h"
#include "writers/vrf_terminal_unit.h"

namespace vak {

void writeVrfSystem(IdfLines& out, const std::deque<VRVUnidadInterior>& indoor,
                    const std::deque<VRVUnidadExterior>& outdoor, const VrfMembership& members,
                    VrfLayout layout) {
  const VrfVersion version = layout.objects;
  writeAirPath(out, indoor, outdoor, members, layout);
  writeCurveSet(out);
  writeOutdoorUnitBanner(out);
  bool coilCurvesWritten = false;
  for (std::size_t i = 0; i < outdoor.size(); ++i) {
    writeOutdoorUnit(out, outdoor[i], version);
    writeTerminalUnitBanner(out);
    for (const VRVUnidadInterior* unit : members.membersOf(i)) {
      writeTerminalUnit(out, *unit, version);
      writeMixerAndCoolingCoil(out, *unit, version);
      if (!coilCurvesWritten) writeCoolingCoilCurves(out);
      writeHeatingCoil(out, *unit, version);
      if (!coilCurvesWritten) writeHeatingCoilCurve(out);
      writeZoneControl(out, *unit);
      coilCurvesWritten = true;
    }
  }
}

}  // namespace vak
