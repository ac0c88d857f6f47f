#include "writers/vrf_terminal_unit.h"

#include <span>
#include <string_view>

namespace vak {

using U = VRVUnidadInterior;

bool hasCyclingFan(const U& unit) {
  return unit.fanOperatingMode == "Auto";
}

namespace {

constexpr Line<U> kOnOffFanHead[] = {
    {"!-   ===========  ALL OBJECTS IN CLASS: FAN:ONOFF ==========="},
    {""},
    {"Fan:OnOff,"},
};

constexpr Line<U> kConstantFanHead[] = {
    {"!-   ===========  ALL OBJECTS IN CLASS: FAN:CONSTANTVOLUME ==========="},
    {""},
    {"Fan:ConstantVolume,"},
};

// The fields both fan classes share, from the name to the outlet node.
constexpr VersionedLine<U> kFanBody[] = {
    {{"     ", get<&U::name>, " VRF Supply Fan,      !- Name"}},
    {{"     Fan vrv on,      !- Availability Schedule Name"}},
    {{"     ", get<&U::fanEfficiency>, ",      !- Fan Efficiency"}, k71 | k80},
    {{"     ", get<&U::fanEfficiency>, ",      !- Fan Total Efficiency"}, kCurrent},
    {{"     ", get<&U::fanPressureRise>, ",      !- Pressure Rise {Pa}"}},
    {{"     ", get<&U::supplyAirFlowRate>, ",      !- Maximum Flow Rate {m3/s}"}},
    {{"     ", get<&U::motorEfficiency>, ",      !- Motor Efficiency"}},
    {{"     ", get<&U::motorInAirstreamFraction>, ",      !- Motor In Airstream Fraction"}},
    {{"     ", get<&U::name>, " VRF DX HCoil Outlet Node,  !- Air Inlet Node Name"}},
    {{"     ", get<&U::name>, " Outlet Node,         !- Air Outlet Node Name"}},
};

constexpr Line<U> kOnOffFanTail[] = {
    {"     ,         !- Fan Power Ratio Function of Speed Ratio Curve Name"},
    {"     ,         !- Fan Efficiency Ratio Function of Speed Ratio Curve Name"},
    {"     General;         !- End-Use Subcategory"},
};

constexpr Line<U> kConstantFanTail[] = {
    {"     ;         !- End-Use Subcategory"},
};

// The fan mode table: what a cycling and a constant fan change in the block.
struct FanMode {
  std::string_view operatingSchedule;
  std::string_view objectType;
  std::span<const Line<U>> head;
  std::span<const Line<U>> tail;
};

constexpr FanMode kCyclingFan = {"Fancycling", "Fan:OnOff", kOnOffFanHead, kOnOffFanTail};
constexpr FanMode kConstantFan = {"Fan vrv on", "Fan:ConstantVolume", kConstantFanHead,
                                  kConstantFanTail};

const FanMode& fanMode(const U& u) {
  return hasCyclingFan(u) ? kCyclingFan : kConstantFan;
}
std::string_view fanModeSchedule(const U& u) {
  return fanMode(u).operatingSchedule;
}
constexpr VersionedLine<U> kTerminalUnit[] = {
    {{"ZoneHVAC:TerminalUnit:VariableRefrigerantFlow,"}},
    {{"     ", get<&U::name>, ",           !- Zone Terminal Unit Name"}},
    {{"     ", get<&U::availabilityScheduleName>,
      ",           !- Terminal Unit Availability schedule"},
     k71 | k80},
    {{"     ", get<&U::availabilityScheduleName>,
      ",           !- Terminal Unit Availability Schedule"},
     kCurrent},
    {{"     ", get<&U::name>, " Inlet Node,           !- Terminal Unit Air Inlet Node Name"}},
    {{"     ", get<&U::name>, " Outlet Node,           !- Terminal Unit Air Outlet Node Name"}},
    {{"     ", get<&U::supplyAirFlowRate>,
      ",           !- Supply Air Flow Rate During Cooling Operation {m3/s}"},
     k71 | k80},
    {{"     ", get<&U::supplyAirFlowRate>, ",           !- Cooling Supply Air Flow Rate {m3/s}"},
     kCurrent},
    {{"     ", get<&U::supplyAirFlowRate>,
      ",           !- Supply Air Flow Rate When No Cooling is Needed {m3/s}"},
     k71 | k80},
    {{"     ", get<&U::supplyAirFlowRate>, ",           !- No Cooling Supply Air Flow Rate {m3/s}"},
     kCurrent},
    {{"     ", get<&U::supplyAirFlowRate>,
      ",           !- Supply Air Flow Rate During Heating Operation {m3/s}"},
     k71 | k80},
    {{"     ", get<&U::supplyAirFlowRate>, ",           !- Heating Supply Air Flow Rate {m3/s}"},
     kCurrent},
    {{"     ", get<&U::supplyAirFlowRate>,
      ",           !- Supply Air Flow Rate When No Heating is Needed {m3/s}"},
     k71 | k80},
    {{"     ", get<&U::supplyAirFlowRate>, ",           !- No Heating Supply Air Flow Rate {m3/s}"},
     kCurrent},
    {{"     ", get<&U::outdoorAirFlowRate>,
      ",           !- Outdoor Air Flow Rate During Cooling Operation {m3/s}"},
     k71 | k80},
    {{"     ", get<&U::outdoorAirFlowRate>, ",           !- Cooling Outdoor Air Flow Rate {m3/s}"},
     kCurrent},
    {{"     ", get<&U::outdoorAirFlowRate>,
      ",           !- Outdoor Air Flow Rate During Heating Operation {m3/s}"},
     k71 | k80},
    {{"     ", get<&U::outdoorAirFlowRate>, ",           !- Heating Outdoor Air Flow Rate {m3/s}"},
     kCurrent},
    {{"     ", get<&U::outdoorAirFlowRate>,
      ",           !- Outdoor Air Flow Rate When No Cooling or Heating is Needed {m3/s}"},
     k71 | k80},
    {{"     ", get<&U::outdoorAirFlowRate>, ",           !- No Load Outdoor Air Flow Rate {m3/s}"},
     kCurrent},
    {{"     ", fanModeSchedule, ",      !- Supply Air Fan Operating Mode Schedule Name"}},
    {{"     ", get<&U::fanPlacement>, ",           !- Supply Air Fan placement"}, k71 | k80},
    {{"     ", get<&U::fanPlacement>, ",           !- Supply Air Fan Placement"}, kCurrent},
    {{"     ", fanObjectType, ",      !- Supply Air Fan Object Type"}},
    {{"     ", get<&U::name>, " VRF Supply Fan,      !- Supply Air Fan Object Name"}},
    {{"     OutdoorAir:Mixer,        !- Outside Air Mixer Object Type"}},
    {{"     ", get<&U::name>, " OA Mixer,            !- Outside Air Mixer Object Name"}},
    {{"     COIL:Cooling:DX:VariableRefrigerantFlow,  !- Cooling Coil Object Type"}},
    {{"     ", get<&U::name>, " VRF DX Cooling Coil, !- Cooling Coil Object Name"}},
    {{"     COIL:Heating:DX:VariableRefrigerantFlow,  !- Heating Coil Object Type"}},
    {{"     ", get<&U::name>, " VRF DX Heating Coil, !- Heating Coil Object Name"}},
    {{"     30,                      !- Zone Terminal Unit On Parasitic Electric Energy Use {W}"}},
    {{"     20,                      !- Zone Terminal Unit Off Parasitic Electric Energy Use {W}"},
     k80 | kCurrent},
    {{"     20;                      !- Zone Terminal Unit Off Parasitic Electric Energy Use {W}"},
     k71},
    {{"     1;                       !- Rated Total Heating Capacity Sizing Ratio {W/W}"}, k80},
    {{"     1,                       !- Rated Heating Capacity Sizing Ratio {W/W}"}, kCurrent},
    // Fields added in 9.2. Field 29 has no default; before 24.1 a blank field 30 was read as 0.
    {{"     ,                        !- Availability Manager List Name"}, kCurrent},
    // Field 26 under a shortened label; EnergyPlus reads nothing after "!".
    {{"     ,                        !- Design Spec ZoneHVAC Sizing Object Name"}, kCurrent},
    {{"     ,                        !- Supplemental Heating Coil Object Type"}, kCurrent},
    {{"     ,                        !- Supplemental Heating Coil Name"}, kCurrent},
    {{"     autosize,                !- Maximum Supply Air Temperature from Supplemental Heater "
      "{C}"},
     kCurrent},
    {{"     21;                      !- Maximum Outdoor Dry-Bulb Temperature for Supplemental "
      "Heater Operation {C}"},
     kCurrent},
};

}  // namespace

std::string_view fanObjectType(const U& u) {
  return fanMode(u).objectType;
}

void writeTerminalUnitBanner(IdfLines& out) {
  out.line(
      "!-   ===========  ALL OBJECTS IN CLASS: ZONEHVAC:TERMINALUNIT:VARIABLEREFRIGERANTFLOW "
      "===========");
}

namespace {

// An empty line, the terminal unit, an empty line, the fan of one mode, an empty line.
JoinedLines<U> unitBlock(const FanMode& fan, VrfVersion version, std::string_view eol) {
  JoinedLines<U> block(eol);
  block.add({""});
  addRows<U>(block, kTerminalUnit, version);
  block.add({""});
  for (const Line<U>& l : fan.head) block.add(l);
  addRows<U>(block, kFanBody, version);
  for (const Line<U>& l : fan.tail) block.add(l);
  block.add({""});
  return block;
}

}  // namespace

TerminalUnitWriter::TerminalUnitWriter(VrfVersion version, std::string_view eol)
    : cycling_(unitBlock(kCyclingFan, version, eol)),
      constant_(unitBlock(kConstantFan, version, eol)) {}

void TerminalUnitWriter::write(IdfLines& out, const U& unit) const {
  out.lines(unit, hasCyclingFan(unit) ? cycling_ : constant_);
}

}  // namespace vak
