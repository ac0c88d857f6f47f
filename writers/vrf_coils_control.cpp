#include "writers/vrf_coils_control.h"

namespace vak {

namespace {

using U = VRVUnidadInterior;

constexpr VersionedLine<U> kMixerAndCoolingCoil[] = {
    {{"!-   ===========  ALL OBJECTS IN CLASS: OUTDOORAIR:MIXER ==========="}},
    {{""}},
    {{"OutdoorAir:Mixer,"}},
    {{"     ", get<&U::name>, " OA Mixer,            !- Name"}},
    {{"     ", get<&U::name>, " VRF DX CCoil Inlet Node,  !- Mixed Air Node Name"}},
    {{"     ", get<&U::name>, " Outside Air Inlet Node,     !- Outdoor Air Stream Node Name"}},
    {{"     ", get<&U::name>, " Relief Air Outlet Node 1,!- Relief Air Stream Node Name"}},
    {{"     ", get<&U::name>, " Inlet Node;          !- Return Air Stream Node Name"}},
    {{"!-   ===========  ALL OBJECTS IN CLASS: COIL:COOLING:DX:VARIABLEREFRIGERANTFLOW "
      "==========="}},
    {{""}},
    {{"Coil:Cooling:DX:VariableRefrigerantFlow,"}},
    {{"     ", get<&U::name>, " VRF DX Cooling Coil,            !- Name"}},
    {{"     ", get<&U::availabilityScheduleName>, ",           !- Availability Schedule Name"}},
    {{"     ", get<&U::ratedCoolingCapacity>,
      ",                !- Rated Total Cooling Capacity {W}"},
     k71 | k80},
    {{"     ", get<&U::ratedCoolingCapacity>,
      ",                !- Gross Rated Total Cooling Capacity {W}"},
     kCurrent},
    {{"     ", get<&U::ratedSensibleHeatRatio>, ",                !- Rated Sensible Heat Ratio"},
     k71 | k80},
    {{"     ", get<&U::ratedSensibleHeatRatio>,
      ",                !- Gross Rated Sensible Heat Ratio"},
     kCurrent},
    {{"     ", get<&U::supplyAirFlowRate>, ",                !- Rated Air Flow Rate {m3/s}"}},
    {{"     VRFTUCoolCapFT,          !- Cooling Capacity Ratio Modifier Function of Temperature "
      "Curve Name"}},
    {{"     VRFACCoolCapFFF,         !- Cooling Capacity Modifier Curve Function of Flow Fraction "
      "Name"}},
    {{"     ", get<&U::name>, " VRF DX CCoil Inlet Node,  !- Coil Air Inlet Node"}},
    {{"     ", get<&U::name>, " VRF DX CCoil Outlet Node;  !- Coil Air Outlet Node"}},
};

constexpr std::string_view kCoolingCoilCurves[] = {
    "",
    "Curve:Cubic,",
    "     VRFTUCoolCapFT,  !- Name",
    "     0.504547273506488,       !- Coefficient1 Constant",
    "     0.0288891279198444,      !- Coefficient2 x",
    "     -0.000010819418650677,   !- Coefficient3 x**2",
    "     0.0000101359395177008,   !- Coefficient4 x**3",
    "     0.0,                     !- Minimum Value of x",
    "     50.0,                    !- Maximum Value of x",
    "     0.5,                     !- Minimum Curve Output",
    "     1.5,                     !- Maximum Curve Output",
    "     Temperature,             !- Input Unit Type for X",
    "     Dimensionless;           !- Output Unit Type",
    "",
    "Curve:Quadratic,",
    "     VRFACCoolCapFFF,  !- Name",
    "     0.8,                     !- Coefficient1 Constant",
    "     0.2,                     !- Coefficient2 x",
    "     0.0,                     !- Coefficient3 x**2",
    "     0.5,                     !- Minimum Value of x",
    "     1.5;                     !- Maximum Value of x",
    "",
};

constexpr VersionedLine<U> kHeatingCoil[] = {
    {{"!-   ===========  ALL OBJECTS IN CLASS: COIL:HEATING:DX:VARIABLEREFRIGERANTFLOW "
      "==========="}},
    {{""}},
    {{"Coil:Heating:DX:VariableRefrigerantFlow,"}},
    {{"     ", get<&U::name>, " VRF DX Heating Coil, !- Name"}},
    {{"     ", get<&U::availabilityScheduleName>, ",           !- Availability Schedule"}},
    {{"     ", get<&U::ratedHeatingCapacity>,
      ",                !- Rated Total Heating Capacity {W}"},
     k71 | k80},
    {{"     ", get<&U::ratedHeatingCapacity>,
      ",                !- Gross Rated Heating Capacity {W}"},
     kCurrent},
    {{"     ", get<&U::supplyAirFlowRate>, ",                !- Rated Air Flow Rate {m3/s}"}},
    {{"     ", get<&U::name>, " VRF DX CCoil Outlet Node,  !- Coil Air Inlet Node"}},
    {{"     ", get<&U::name>, " VRF DX HCoil Outlet Node,  !- Coil Air Outlet Node"}},
    {{"     VRFTUHeatCapFT,          !- Heating Capacity Ratio Modifier Function of Temperature "
      "Curve Name"}},
    {{"     VRFACCoolCapFFF;         !- Heating Capacity Modifier Function of Flow Fraction Curve "
      "Name"}},
    {{""}},
};

constexpr std::string_view kHeatingCoilCurve[] = {
    "",
    "Curve:Cubic,",
    "     VRFTUHeatCapFT,  !- Name",
    "     -0.390708928227928,      !- Coefficient1 Constant",
    "     0.261815023760162,       !- Coefficient2 x",
    "     -0.0130431603151873,     !- Coefficient3 x**2",
    "     0.000178131745997821,    !- Coefficient4 x**3",
    "     0.0,                     !- Minimum Value of x",
    "     50.0,                    !- Maximum Value of x",
    "     0.5,                     !- Minimum Curve Output",
    "     1.5,                     !- Maximum Curve Output",
    "     Temperature,             !- Input Unit Type for X",
    "     Dimensionless;           !- Output Unit Type",
    "",
};

constexpr Line<U> kZoneControl[] = {
    {"!-   ===========  ALL OBJECTS IN CLASS: ZONECONTROL:THERMOSTAT ==========="},
    {""},
    {"ZoneControl:Thermostat,"},
    {"     ", get<&U::zoneName>, " Control,             !- Name"},
    {"     ", get<&U::zoneName>, ",                   !- Zone or ZoneList Name"},
    {"     Siempre 4,       !- Control Type Schedule Name"},
    {"     ThermostatSetpoint:DualSetpoint,  !- Control Object Type"},
    {"     ", get<&U::thermostatName>, " DualSetPoint;            !- Control Name"},
};

}  // namespace

CoilsControlWriter::CoilsControlWriter(VrfVersion version, std::string_view eol)
    : mixerAndCoolingCoil_(joinedRows<U>(kMixerAndCoolingCoil, version, eol)),
      heatingCoil_(joinedRows<U>(kHeatingCoil, version, eol)),
      zoneControl_(kZoneControl, eol) {}

void writeCoolingCoilCurves(IdfLines& out) {
  out.lines(kCoolingCoilCurves);
}

void writeHeatingCoilCurve(IdfLines& out) {
  out.lines(kHeatingCoilCurve);
}

}  // namespace vak
