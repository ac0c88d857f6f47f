#pragma once

#include <string_view>

#include "templates/records.h"
#include "writers/idf_lines.h"
#include "writers/vrf_version.h"

namespace vak {

// The terminal unit class banner that opens the indoor units of each outdoor unit.
void writeTerminalUnitBanner(IdfLines& out);

// The terminal units and their fans, their lines joined once for the run's layout and line
// terminator.
class TerminalUnitWriter {
 public:
  TerminalUnitWriter(VrfVersion version, std::string_view eol);

  // First half of an indoor unit block: an empty line, the ZoneHVAC terminal unit, an empty
  // line, its supply fan under its class banner, an empty line.
  void write(IdfLines& out, const VRVUnidadInterior& unit) const;

 private:
  // The whole first half, joined once for each fan mode.
  JoinedLines<VRVUnidadInterior> cycling_, constant_;
};

// Exactly "Auto" runs the fan cycling with the coils; anything else runs it continuously.
bool hasCyclingFan(const VRVUnidadInterior& unit);

// The class of the unit's supply fan: Fan:OnOff for a cycling fan, else Fan:ConstantVolume.
std::string_view fanObjectType(const VRVUnidadInterior& unit);

}  // namespace vak
