#include "writers/vrf_outdoor_unit.h"

#include "writers/vrf_version.h"

namespace vak {

namespace {

using O = VRVUnidadExterior;  // in every writer O is the outdoor unit, U the indoor unit

// One AirConditioner:VariableRefrigerantFlow per outdoor unit, then an empty line. The heat
// pump's curves are the fixed curve set, named here by their fixed names.
constexpr VersionedLine<O> kHeatPump[] = {
    {{"AirConditioner:VariableRefrigerantFlow,"}},
    {{"     ", get<&O::name>, ",           !- Heat Pump Name"}},
    {{"     ", get<&O::availabilityScheduleName>, ",           !- Availability Schedule Name"}},
    {{"     ", get<&O::ratedCoolingCapacity>, ",           !- Rated Total Cooling Capacity {W}"},
     k71 | k80},
    {{"     ", get<&O::ratedCoolingCapacity>,
      ",           !- Gross Rated Total Cooling Capacity {W}"},
     kCurrent},
    {{"     ", get<&O::ratedCoolingCOP>, ",           !- Rated Cooling COP {W/W}"}, k71 | k80},
    {{"     ", get<&O::ratedCoolingCOP>, ",           !- Gross Rated Cooling COP {W/W}"}, kCurrent},
    {{"     -6,                      !- Minimum Outdoor Temperature in Cooling Mode {C}"},
     k71 | k80},
    {{"     -6,                      !- Minimum Condenser Inlet Node Temperature in Cooling Mode "
      "{C}"},
     kCurrent},
    {{"     43,                      !- Maximum Outdoor Temperature in Cooling Mode {C}"},
     k71 | k80},
    {{"     43,                      !- Maximum Condenser Inlet Node Temperature in Cooling Mode "
      "{C}"},
     kCurrent},
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
    {{"     ", get<&O::ratedHeatingCapacity>, ",           !- Rated Total Heating Capacity {W}"},
     k71 | k80},
    {{"     ", get<&O::ratedHeatingCapacity>, ",           !- Gross Rated Heating Capacity {W}"},
     kCurrent},
    {{"     1,                       !- Rated Total Heating Capacity Sizing Ratio {W/W}"}, k80},
    {{"     1,                       !- Rated Heating Capacity Sizing Ratio {W/W}"}, kCurrent},
    {{"     ", get<&O::ratedHeatingCOP>, ",           !- Rated Heating COP {W/W}"}, k71 | k80},
    {{"     ", get<&O::ratedHeatingCOP>, ",           !- Gross Rated Heating COP {W/W}"}, kCurrent},
    {{"     -20,                     !- Minimum Outdoor Temperature in Heating Mode {C}"},
     k71 | k80},
    {{"     -20,                     !- Minimum Condenser Inlet Node Temperature in Heating Mode "
      "{C}"},
     kCurrent},
    {{"     16,                      !- Maximum Outdoor Temperature in Heating Mode {C}"},
     k71 | k80},
    {{"     16,                      !- Maximum Condenser Inlet Node Temperature in Heating Mode "
      "{C}"},
     kCurrent},
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
    {{"     0.15,                    !- Minimum Heat Pump Part-Load Ratio"}, k71 | k80},
    {{"     0.15,                    !- Minimum Heat Pump Part-Load Ratio {dimensionless}"},
     kCurrent},
    {{"     ", get<&O::masterThermostatZoneName>,
      ",           !- Zone Name for Master Thermostat Location"}},
    {{"     ", get<&O::masterThermostatPriorityControlType>,
      ",           !- Master Thermostat Priority Control Type"}},
    {{"     ", get<&O::thermostatPriorityScheduleName>,
      ",           !- Thermostat Priority Schedule Name"}},
    {{"     ", get<&O::name>, "ListTerminal,           !- Zone Terminal Unit List Name"}},
    {{"     No,                      !- Heat Pump Waste Heat Recovery"}},
    {{"     ", get<&O::equivalentPipingLength>,
      ",           !- Equivalent Piping Length used for Piping Correction Factor in Cooling Mode "
      "{m}"}},
    {{"     ", get<&O::verticalHeight>,
      ",           !- Vertical Height used for Piping Correction Factor {m}"}},
    {{"     CoolingLengthCorrectionFactor,  !- Piping Correction Factor for Length in Cooling Mode "
      "Curve Name"}},
    {{"     -0.000386,               !- Piping Correction Factor for Height in Cooling Mode "
      "Coefficient"},
     k71 | k80},
    {{"     -0.000386,               !- Piping Correction Factor for Height in Cooling Mode "
      "Coefficient {1/m}"},
     kCurrent},
    {{"     ", get<&O::equivalentPipingLength>,
      ",           !- Equivalent Piping Length used for Piping Correction Factor in Heating Mode "
      "{m}"}},
    {{"     ,                        !- Piping Correction Factor for Length in Heating Mode Curve "
      "Name"}},
    {{"     ,                        !- Piping Correction Factor for Height in Heating Mode "
      "Coefficient"},
     k71 | k80},
    {{"     ,                        !- Piping Correction Factor for Height in Heating Mode "
      "Coefficient {1/m}"},
     kCurrent},
    {{"     33,                      !- Crankcase Heater Power per Compressor {W}"}},
    {{"     2,                       !- Number of Compressors"}, k71 | k80},
    {{"     2,                       !- Number of Compressors {dimensionless}"}, kCurrent},
    // Not a typing slip: the "8.0" line has one blank fewer before "!-" than the "7.1" line, and
    // each layout's reference output has its own form; the current layout keeps the "8.0" one.
    {{"     0.5,                    !- Ratio of Compressor Size to Total Compressor Capacity"},
     k80},
    {{"     0.5,                    !- Ratio of Compressor Size to Total Compressor Capacity "
      "{W/W}"},
     kCurrent},
    {{"     0.5,                     !- Ratio of Compressor Size to Total Compressor Capacity"},
     k71},
    {{"     5,                       !- Maximum Outdoor Dry-bulb Temperature for Crankcase Heater "
      "{C}"},
     k71 | k80},
    {{"     5,                       !- Maximum Outdoor Dry-Bulb Temperature for Crankcase Heater "
      "{C}"},
     kCurrent},
    {{"     ", get<&O::defrostStrategy>, ",           !- Defrost Strategy"}},
    {{"     OnDemand,                !- Defrost Control"}},
    {{"     VRFCoolEIRFT,            !- Defrost Energy Input Ratio Modifier Function of "
      "Temperature Curve Name"}},
    {{"     0.058333,                !- Defrost Time Period Fraction"}, k71 | k80},
    {{"     0.058333,                !- Defrost Time Period Fraction {dimensionless}"}, kCurrent},
    {{"     ", get<&O::resistiveDefrostHeaterCapacity>,
      ",           !- Resistive Defrost Heater Capacity {W}"}},
    {{"     5,                       !- Maximum Outdoor Dry-bulb Temperature for Defrost Operation "
      "{C}"}},
    {{"     AirCooled,               !- Condenser Type"}},
    {{"     ", get<&O::name>, " MyVRFOANode,      !- Condenser Inlet Node Name"}, k80 | kCurrent},
    {{"     ", get<&O::name>, " MyVRFOANode,      !- Condenser Node Name"}, k71},
    {{"     ,                        !- Condenser Outlet Node Name"}, k80 | kCurrent},
    {{"     ,                        !- Water Condenser Volume Flow Rate {m3/s}"}, k80 | kCurrent},
    {{"     0.9,                     !- Evaporative Condenser Effectiveness {dimensionless}"}},
    {{"     ,                        !- Evaporative Condenser Air Flow Rate {m3/s}"}},
    {{"     0,                       !- Evaporative Condenser Pump Rated Power Consumption {W}"}},
    {{"     ,                        !- Supply Water Storage Tank Name"}},
    {{"     0,                       !- Basin Heater Capacity {W/K}"}},
    {{"     2,                       !- Basin Heater Setpoint Temperature {C}"}},
    {{"     ,                        !- Basin Heater Operating Schedule Name"}},
    {{"     Electricity,             !- Fuel Type"}, k80 | kCurrent},
    {{"     Electric;                !- Fuel Type"}, k71},
    {{"     ,                        !- Minimum Outdoor Temperature in Heat Recovery Mode {C}"},
     k80},
    {{"     ,                        !- Minimum Condenser Inlet Node Temperature in Heat Recovery "
      "Mode {C}"},
     kCurrent},
    {{"     ,                        !- Maximum Outdoor Temperature in Heat Recovery Mode {C}"},
     k80},
    {{"     ,                        !- Maximum Condenser Inlet Node Temperature in Heat Recovery "
      "Mode {C}"},
     kCurrent},
    {{"     ,                        !- Heat Recovery Cooling Capacity Modifier Curve Name"},
     k80 | kCurrent},
    {{"     0.5,                     !- Initial Heat Recovery Cooling Capacity Fraction"}, k80},
    {{"     0.5,                     !- Initial Heat Recovery Cooling Capacity Fraction {W/W}"},
     kCurrent},
    {{"     0.15,                    !- Heat Recovery Cooling Capacity Time Constant {hr}"},
     k80 | kCurrent},
    {{"     ,                        !- Heat Recovery Cooling Energy Modifier Curve Name"},
     k80 | kCurrent},
    {{"     1,                       !- Initial Heat Recovery Cooling Energy Fraction"}, k80},
    {{"     1,                       !- Initial Heat Recovery Cooling Energy Fraction {W/W}"},
     kCurrent},
    {{"     ,                        !- Heat Recovery Cooling Energy Time Constant {hr}"},
     k80 | kCurrent},
    {{"     ,                        !- Heat Recovery Heating Capacity Modifier Curve Name"},
     k80 | kCurrent},
    {{"     1,                       !- Initial Heat Recovery Heating Capacity Fraction"}, k80},
    {{"     1,                       !- Initial Heat Recovery Heating Capacity Fraction {W/W}"},
     kCurrent},
    {{"     0.15,                    !- Heat Recovery Heating Capacity Time Constant {hr}"},
     k80 | kCurrent},
    {{"     ,                        !- Heat Recovery Heating Energy Modifier Curve Name"},
     k80 | kCurrent},
    {{"     1,                       !- Initial Heat Recovery Heating Energy Fraction"}, k80},
    {{"     1,                       !- Initial Heat Recovery Heating Energy Fraction {W/W}"},
     kCurrent},
    {{"     0;                       !- Heat Recovery Heating Energy Time Constant {hr}"},
     k80 | kCurrent},
    {{""}},
};

}  // namespace

void writeOutdoorUnitBanner(IdfLines& out) {
  out.line(
      "!-   ===========  ALL OBJECTS IN CLASS: AIRCONDITIONER:VARIABLEREFRIGERANTFLOW ===========");
}

OutdoorUnitWriter::OutdoorUnitWriter(VrfVersion version, std::string_view eol)
    : heatPump_(joinedRows<O>(kHeatPump, version, eol)) {}

}  // namespace vak
