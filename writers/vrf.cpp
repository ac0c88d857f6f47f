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
  const OutdoorUnitWriter heatPump(version, out.eol());
  const TerminalUnitWriter terminalUnit(version, out.eol());
  const CoilsControlWriter coils(version, out.eol());
  bool coilCurvesWritten = false;
  for (std::size_t i = 0; i < outdoor.size(); ++i) {
    heatPump.write(out, outdoor[i]);
    writeTerminalUnitBanner(out);
    for (const VRVUnidadInterior* unit : members.membersOf(i)) {
      terminalUnit.write(out, *unit);
      coils.writeMixerAndCoolingCoil(out, *unit);
      if (!coilCurvesWritten) writeCoolingCoilCurves(out);
      coils.writeHeatingCoil(out, *unit);
      if (!coilCurvesWritten) writeHeatingCoilCurve(out);
      coils.writeZoneControl(out, *unit);
      coilCurvesWritten = true;
    }
  }
}

}  // namespace vak
