#include "writers/vrf_outdoor_unit.h"

#include <array>

#include "writers/vrf_version.h"

namespace vak {

namespace {

using Odu = VRVUnidadExterior;  // the outdoor unit; U is always the indoor unit

// One AirConditioner:VariableRefrigerantFlow per outdoor unit, then an empty line. The heat
// pump's curves are the fixed curve set, named here by their fixed names.
constexpr VersionedLine<Odu> kHeatPump[] = {
    {{"AirConditioner:VariableRefrigerantFlow,"}},
    {{"     ", get<&Odu::name>, ",           !- Heat Pump Name"}},
    {{"     ", get<&Odu::availabilityScheduleName>, ",           !- Availability Schedule Name"}},
    {{"     ", get<&Odu::ratedCoolingCapacity>, ",           !- Rated Total Cooling Capacity {W}"}},
    {{"     ", get<&Odu::ratedCoolingCOP>, ",           !- Rated Cooling COP {W/W}"}},
    {{"     -6,                      !- Minimum Outdoor Temperature in Cooling Mode {C}"}},
    {{"     43,                      !- Maximum Outdoor Temperature in Cooling Mode {C}"}},
    {{"     VRFCoolCapFT,            !- Cooling Capacity Ratio Modifier Function of Low "
      "Temperature Curve Name"}},
    {{"     VRFCoolCapFTBoundary,    !- Cooling Capacity Ratio Boundary Curve Name"}},
    {{"     VRFCoolCapFTHi,          !- Cooling Capacity Ratio Modifier Function of High "
      "Temperature Curve Name"}},
    {{"     VRFCoolEIRFT,            !- Cooling Energy Input Ratio Modifier Function of Low "
      "Temperature Curve Name"}},
    {{"     VRFCoolEIRFTBoundary,    !- Cooling Energy Input Ratio Boundary Curve Name"}},
    {{"     VRFCoolEIRFTHi,          !- Cooling Energy Input Ratio Modifier Function of High "
      "Temperature Curve Name"}},
    {{"     CoolingEIRLowPLR,        !- Cooling Energy Input Ratio Modifier Function of Low "
      "Part-Load Ratio Curve Name"}},
    {{"     CoolingEIRHiPLR,         !- Cooling Energy Input Ratio Modifier Function of High "
      "Part-Load Ratio Curve Name"}},
    {{"     CoolingCombRatio,        !- Cooling Combination Ratio Correction Factor Curve Name"}},
    {{"     VRFCPLFFPLR,             !- Cooling Part-Load Fraction Correlation Curve Name"}},
    {{"     ", get<&Odu::ratedHeatingCapacity>, ",           !- Rated Total Heating Capacity {W}"}},
    {{"     1,                       !- Rated Total Heating Capacity Sizing Ratio {W/W}"},
     In71::Omitted},
    {{"     ", get<&Odu::ratedHeatingCOP>, ",           !- Rated Heating COP {W/W}"}},
    {{"     -20,                     !- Minimum Outdoor Temperature in Heating Mode {C}"}},
    {{"     16,                      !- Maximum Outdoor Temperature in Heating Mode {C}"}},
    {{"     VRFHeatCapFT,            !- Heating Capacity Ratio Modifier Function of Low "
      "Temperature Curve Name"}},
    {{"     VRFHeatCapFTBoundary,    !- Heating Capacity Ratio Boundary Curve Name"}},
    {{"     VRFHeatCapFTHi,          !- Heating Capacity Ratio Modifier Function of High "
      "Temperature Curve Name"}},
    {{"     VRFHeatEIRFT,            !- Heating Energy Input Ratio Modifier Function of Low "
      "Temperature Curve Name"}},
    {{"     VRFHeatEIRFTBoundary,    !- Heating Energy Input Ratio Boundary Curve Name"}},
    {{"     VRFHeatEIRFTHi,          !- Heating Energy Input Ratio Modifier Function of High "
      "Temperature Curve Name"}},
    {{"     WetBulbTemperature,      !- Heating Performance Curve Outdoor Temperature Type"}},
    {{"     HeatingEIRLowPLR,        !- Heating Energy Input Ratio Modifier Function of Low "
      "Part-Load Ratio Curve Name"}},
    {{"     HeatingEIRHiPLR,         !- Heating Energy Input Ratio Modifier Function of High "
      "Part-Load Ratio Curve Name"}},
    {{"     HeatingCombRatio,        !- Heating Combination Ratio Correction Factor Curve Name"}},
    {{"     VRFCPLFFPLR,             !- Heating Part-Load Fraction Correlation Curve Name"}},
    {{"     0.15,                    !- Minimum Heat Pump Part-Load Ratio"}},
    {{"     ", get<&Odu::masterThermostatZoneName>,
      ",           !- Zone Name for Master Thermostat Location"}},
    {{"     ", get<&Odu::masterThermostatPriorityControlType>,
      ",           !- Master Thermostat Priority Control Type"}},
    {{"     ", get<&Odu::thermostatPriorityScheduleName>,
      ",           !- Thermostat Priority Schedule Name"}},
    {{"     ", get<&Odu::name>, "ListTerminal,           !- Zone Terminal Unit List Name"}},
    {{"     No,                      !- Heat Pump Waste Heat Recovery"}},
    {{"     ", get<&Odu::equivalentPipingLength>,
      ",           !- Equivalent Piping Length used for Piping Correction Factor in Cooling Mode "
      "{m}"}},
    {{"     ", get<&Odu::verticalHeight>,
      ",           !- Vertical Height used for Piping Correction Factor {m}"}},
    {{"     CoolingLengthCorrectionFactor,  !- Piping Correction Factor for Length in Cooling Mode "
      "Curve Name"}},
    {{"     -0.000386,               !- Piping Correction Factor for Height in Cooling Mode "
      "Coefficient"}},
    {{"     ", get<&Odu::equivalentPipingLength>,
      ",           !- Equivalent Piping Length used for Piping Correction Factor in Heating Mode "
      "{m}"}},
    {{"     ,                        !- Piping Correction Factor for Length in Heating Mode Curve "
      "Name"}},
    {{"     ,                        !- Piping Correction Factor for Height in Heating Mode "
      "Coefficient"}},
    {{"     33,                      !- Crankcase Heater Power per Compressor {W}"}},
    {{"     2,                       !- Number of Compressors"}},
    // Not a typing slip: the "8.0" line has one blank fewer before "!-" than the "7.1" line, and
    // each layout's reference output has its own form.
    {{"     0.5,                    !- Ratio of Compressor Size to Total Compressor Capacity"},
     In71::Replaced,
     {"     0.5,                     !- Ratio of Compressor Size to Total Compressor Capacity"}},
    {{"     5,                       !- Maximum Outdoor Dry-bulb Temperature for Crankcase Heater "
      "{C}"}},
    {{"     ", get<&Odu::defrostStrategy>, ",           !- Defrost Strategy"}},
    {{"     OnDemand,                !- Defrost Control"}},
    {{"     VRFCoolEIRFT,            !- Defrost Energy Input Ratio Modifier Function of "
      "Temperature Curve Name"}},
    {{"     0.058333,                !- Defrost Time Period Fraction"}},
    {{"     ", get<&Odu::resistiveDefrostHeaterCapacity>,
      ",           !- Resistive Defrost Heater Capacity {W}"}},
    {{"     5,                       !- Maximum Outdoor Dry-bulb Temperature for Defrost Operation "
      "{C}"}},
    {{"     AirCooled,               !- Condenser Type"}},
    {{"     ", get<&Odu::name>, " MyVRFOANode,      !- Condenser Inlet Node Name"},
     In71::Replaced,
     {"     ", get<&Odu::name>, " MyVRFOANode,      !- Condenser Node Name"}},
    {{"     ,                        !- Condenser Outlet Node Name"}, In71::Omitted},
    {{"     ,                        !- Water Condenser Volume Flow Rate {m3/s}"}, In71::Omitted},
    {{"     0.9,                     !- Evaporative Condenser Effectiveness {dimensionless}"}},
    {{"     ,                        !- Evaporative Condenser Air Flow Rate {m3/s}"}},
    {{"     0,                       !- Evaporative Condenser Pump Rated Power Consumption {W}"}},
    {{"     ,                        !- Supply Water Storage Tank Name"}},
    {{"     0,                       !- Basin Heater Capacity {W/K}"}},
    {{"     2,                       !- Basin Heater Setpoint Temperature {C}"}},
    {{"     ,                        !- Basin Heater Operating Schedule Name"}},
    {{"     Electricity,             !- Fuel Type"},
     In71::Replaced,
     {"     Electric;                !- Fuel Type"}},
    {{"     ,                        !- Minimum Outdoor Temperature in Heat Recovery Mode {C}"},
     In71::Omitted},
    {{"     ,                        !- Maximum Outdoor Temperature in Heat Recovery Mode {C}"},
     In71::Omitted},
    {{"     ,                        !- Heat Recovery Cooling Capacity Modifier Curve Name"},
     In71::Omitted},
    {{"     0.5,                     !- Initial Heat Recovery Cooling Capacity Fraction"},
     In71::Omitted},
    {{"     0.15,                    !- Heat Recovery Cooling Capacity Time Constant {hr}"},
     In71::Omitted},
    {{"     ,                        !- Heat Recovery Cooling Energy Modifier Curve Name"},
     In71::Omitted},
    {{"     1,                       !- Initial Heat Recovery Cooling Energy Fraction"},
     In71::Omitted},
    {{"     ,                        !- Heat Recovery Cooling Energy Time Constant {hr}"},
     In71::Omitted},
    {{"     ,                        !- Heat Recovery Heating Capacity Modifier Curve Name"},
     In71::Omitted},
    {{"     1,                       !- Initial Heat Recovery Heating Capacity Fraction"},
     In71::Omitted},
    {{"     0.15,                    !- Heat Recovery Heating Capacity Time Constant {hr}"},
     In71::Omitted},
    {{"     ,                        !- Heat Recovery Heating Energy Modifier Curve Name"},
     In71::Omitted},
    {{"     1,                       !- Initial Heat Recovery Heating Energy Fraction"},
     In71::Omitted},
    {{"     0;                       !- Heat Recovery Heating Energy Time Constant {hr}"},
     In71::Omitted},
    {{""}},
};

}  // namespace

void writeOutdoorUnitBanner(IdfLines& out) {
  out.line(
      "!-   ===========  ALL OBJECTS IN CLASS: AIRCONDITIONER:VARIABLEREFRIGERANTFLOW ===========");
}

void writeOutdoorUnit(IdfLines& out, const VRVUnidadExterior& unit, VrfVersion version) {
  writeLines<Odu>(out, unit, kHeatPump, version);
}

}  // namespace vak
