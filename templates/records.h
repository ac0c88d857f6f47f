#pragma once

#include <deque>
#include <ostream>
#include <string>
#include <string_view>

#include "templates/line_source.h"

namespace vak {

// Where a template object's lines come from, and where the field reader reports.
struct TemplateInput {
  LineSource& lines;
  std::ostream& console;      // takes "error\n" for a field line without delimiter
  std::ostream& diagnostics;  // context for the user, one line per message
  bool cutOff = false;        // the last call met the end of input instead of a line
};

// Common base of the template records. Records are built once from the input and never
// copied or changed afterwards.
class ObjetosVAK {
 public:
  ObjetosVAK(const ObjetosVAK&) = delete;
  ObjetosVAK& operator=(const ObjetosVAK&) = delete;

  // Takes the field value from the next input line: the text from the first non-blank
  // character up to the first "," (more fields follow) or, when the line has no ",", up to
  // the first ";" (sets ultimoCampo). A line with neither prints "error" and yields the empty
  // text. At end of input there is no line: ultimoCampo is set so that the object ends.
  static std::string leerCampo(TemplateInput& in, bool& ultimoCampo);

 protected:
  ObjetosVAK() = default;
  ~ObjetosVAK() = default;
};

struct Termostato : ObjetosVAK {
  static constexpr std::string_view kClassName = "HVACVAKTemplate:Thermostat";
  explicit Termostato(TemplateInput& in);

  std::string name;
  std::string heatingScheduleName;
  std::string heatingSetpoint;
  std::string coolingScheduleName;
  std::string coolingSetpoint;
};

struct VRVUnidadInterior : ObjetosVAK {
  static constexpr std::string_view kClassName = "HVACVAKTemplate:VRVUnidadInterior";
  explicit VRVUnidadInterior(TemplateInput& in);

  std::string name;
  std::string zoneName;
  std::string thermostatName;
  std::string availabilityScheduleName;
  std::string fanOperatingMode;
  std::string fanPlacement;
  std::string fanEfficiency;
  std::string fanPressureRise;
  std::string motorEfficiency;
  std::string motorInAirstreamFraction;
  std::string supplyAirFlowRate;
  std::string ratedCoolingCapacity;
  std::string ratedSensibleHeatRatio;
  std::string ratedHeatingCapacity;
  std::string outdoorAirFlowRate;
  std::string outdoorUnitName;
};

struct VRVUnidadExterior : ObjetosVAK {
  static constexpr std::string_view kClassName = "HVACVAKTemplate:VRVUnidadExterior";
  explicit VRVUnidadExterior(TemplateInput& in);

  std::string name;
  std::string availabilityScheduleName;
  std::string ratedCoolingCapacity;
  std::string ratedCoolingCOP;
  std::string ratedHeatingCapacity;
  std::string ratedHeatingCOP;
  std::string masterThermostatZoneName;
  std::string masterThermostatPriorityControlType;
  std::string thermostatPriorityScheduleName;
  std::string equivalentPipingLength;
  std::string verticalHeight;
  std::string defrostStrategy;
  std::string resistiveDefrostHeaterCapacity;
};

// The records of one input, each list in input order and of one class only. Deques keep
// every record in place as the lists grow.
struct TemplateLists {
  std::deque<Termostato> thermostats;
  std::deque<VRVUnidadInterior> indoorUnits;
  std::deque<VRVUnidadExterior> outdoorUnits;
};

}  // namespace vak
