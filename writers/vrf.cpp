#include "writers/vrf.h"

#include "writers/vrf_air_path.h"
#include "writers/vrf_coils_control.h"
#include "writers/vrf_curves.h"
#include "writers/vrf_outdoor_unit.h"
#include "writers/vrf_terminal_unit.h"

namespace vak {

namespace {

// Asks for a record's memory ahead of its use. An outdoor unit's members lie far apart in the
// list, and each is read for a few KiB of output: without this, every line of every record
// would be a wait on main memory.
void prefetch(const VRVUnidadInterior& unit) {
#if defined(__GNUC__)
  const char* const bytes = reinterpret_cast<const char*>(&unit);
  for (std::size_t at = 0; at < sizeof unit; at += 64) __builtin_prefetch(bytes + at);
#else
  (void)unit;
#endif
}

}  // namespace

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
    const auto units = members.membersOf(i);
    for (std::size_t k = 0; k < units.size(); ++k) {
      if (k + 1 < units.size()) prefetch(*units[k + 1]);
      const VRVUnidadInterior* unit = units[k];
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
