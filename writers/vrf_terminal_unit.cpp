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
constexpr Line<U> kFanBody[] = {
    {"     ", get<&U::name>, " VRF Supply Fan,      !- Name"},
    {"     Fan vrv on,      !- Availability Schedule Name"},
    {"     ", get<&U::fanEfficiency>, ",      !- Fan Efficiency"},
    {"     ", get<&U::fanPressureRise>, ",      !- Pressure Rise {Pa}"},
    {"     ", get<&U::supplyAirFlowRate>, ",      !- Maximum Flow Rate {m3/s}"},
    {"     ", get<&U::motorEfficiency>, ",      !- Motor Efficiency"},
    {"     ", get<&U::motorInAirstreamFraction>, ",      !- Motor In Airstream Fraction"},
    {"     ", get<&U::name>, " VRF DX HCoil Outlet Node,  !- Air Inlet Node Name"},
    {"     ", get<&U::name>, " Outlet Node,         !- Air Outlet Node Name"},
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
std::string_view fanObjectType(const U& u) {
  return fanMode(u).objectType;
}

constexpr VersionedLine<U> kTerminalUnit[] = {
    {{"ZoneHVAC:TerminalUnit:VariableRefrigerantFlow,"}},
    {{"     ", get<&U::name>, ",           !- Zone Terminal Unit Name"}},
    {{"     ", get<&U::availabilityScheduleName>,
      ",           !- Terminal Unit Availability schedule"}},
    {{"     ", get<&U::name>, " Inlet Node,           !- Terminal Unit Air Inlet Node Name"}},
    {{"     ", get<&U::name>, " Outlet Node,           !- Terminal Unit Air Outlet Node Name"}},
    {{"     ", get<&U::supplyAirFlowRate>,
      ",           !- Supply Air Flow Rate During Cooling Operation {m3/s}"}},
    {{"     ", get<&U::supplyAirFlowRate>,
      ",           !- Supply Air Flow Rate When No Cooling is Needed {m3/s}"}},
    {{"     ", get<&U::supplyAirFlowRate>,
      ",           !- Supply Air Flow Rate During Heating Operation {m3/s}"}},
    {{"     ", get<&U::supplyAirFlowRate>,
      ",           !- Supply Air Flow Rate When No Heating is Needed {m3/s}"}},
    {{"     ", get<&U::outdoorAirFlowRate>,
      ",           !- Outdoor Air Flow Rate During Cooling Operation {m3/s}"}},
    {{"     ", get<&U::outdoorAirFlowRate>,
      ",           !- Outdoor Air Flow Rate During Heating Operation {m3/s}"}},
    {{"     ", get<&U::outdoorAirFlowRate>,
      ",           !- Outdoor Air Flow Rate When No Cooling or Heating is Needed {m3/s}"}},
    {{"     ", fanModeSchedule, ",      !- Supply Air Fan Operating Mode Schedule Name"}},
    {{"     ", get<&U::fanPlacement>, ",           !- Supply Air Fan placement"}},
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
     In71::Replaced,
     {"     20;                      !- Zone Terminal Unit Off Parasitic Electric Energy Use {W}"}},
    {{"     1;                       !- Rated Total Heating Capacity Sizing Ratio {W/W}"},
     In71::Omitted},
};

}  // namespace

void writeTerminalUnitBanner(IdfLines& out) {
  out.line(
      "!-   ===========  ALL OBJECTS IN CLASS: ZONEHVAC:TERMINALUNIT:VARIABLEREFRIGERANTFLOW "
      "===========");
}

void writeTerminalUnit(IdfLines& out, const U& unit, VrfVersion version) {
  out.blankLine();
  writeLines<U>(out, unit, kTerminalUnit, version);
  out.blankLine();
  const FanMode& fan = fanMode(unit);
  out.lines(unit, fan.head);
  out.lines<U>(unit, kFanBody);
  out.lines(unit, fan.tail);
  out.blankLine();
}

}  // namespace vak
