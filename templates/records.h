#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "templates/line_source.h"

namespace vak {

// Where a template object's lines come from, and where the field reader prints "error".
struct TemplateInput {
  LineSource& lines;
  std::ostream& console;  // takes "error\n" for a field line without delimiter
};

// How the line of one field ended.
enum class FieldEnd {
  More,         // at a ",": more fields follow
  Last,         // at a ";" on a line without ",": the object ends
  NoDelimiter,  // the line holds neither; the field is empty and the object goes on
  EndOfInput,   // there was no line left; the object ends
};

// What the field reader takes from one line.
struct FieldLine {
  std::string_view value;  // valid until the next read, as the line
  FieldEnd end = FieldEnd::More;
  std::string_view line;  // the whole line read, valid until the next read
};

// A line of a template object that did not hold what the format asks for.
struct MalformedLine {
  std::size_t position;  // field position, counting from 0
  std::string text;      // the line, cut for display
};

// Where a template object stood in the input and how its lines were read. Field position p
// stands on line classLine + 1 + p, because every line after the class line is one field.
struct ObjectLines {
  std::size_t classLine = 0;
  std::size_t fieldLines = 0;              // lines read after the class line, extra ones included
  bool cutOff = false;                     // the input ended before a line closed the object
  std::vector<MalformedLine> undelimited;  // lines with neither "," nor ";"
  std::string firstExtra;                  // the first line beyond the class's fields, cut

  std::size_t lineOf(std::size_t position) const { return classLine + 1 + position; }
  std::size_t lastLine() const { return classLine + fieldLines; }
  // The line of this field was read and gave its value (maybe an empty one) as written.
  bool read(std::size_t position) const;
};

// Common base of the template records. Records are built once from the input and never
// copied or changed afterwards.
class ObjetosVAK {
 public:
  ObjetosVAK(const ObjetosVAK&) = delete;
  ObjetosVAK& operator=(const ObjetosVAK&) = delete;

  // Takes the field value from the next input line: the text from the first non-blank
  // character up to the first "," or, when the line has no ",", up to the first ";". A line
  // with neither prints "error" and yields the empty text.
  static FieldLine leerCampo(TemplateInput& in);

  // Passes over the field lines of a template object, after its class line, up to the line
  // that ends it for leerCampo. For a reader that needs none of its fields.
  static void skipFields(LineSource& lines);

  ObjectLines lines;

 protected:
  ObjetosVAK() = default;
  ~ObjetosVAK() = default;
};

// One template field: where the record keeps it, and its name in the modeller reference.
template <class R>
struct FieldOfRecord {
  std::string R::*member;
  std::string_view name;
};

// The position of a field in its class's field order.
template <class R>
constexpr std::size_t positionOf(std::string R::*member) {
  for (std::size_t i = 0; i < R::kFields.size(); ++i) {
    if (R::kFields[i].member == member) return i;
  }
  return R::kFields.size();
}

struct Termostato : ObjetosVAK {
  static constexpr std::string_view kClassName = "HVACVAKTemplate:Thermostat";
  explicit Termostato(TemplateInput& in);

  std::string name;
  std::string heatingScheduleName;
  std::string heatingSetpoint;
  std::string coolingScheduleName;
  std::string coolingSetpoint;

  static constexpr auto kFields = std::to_array<FieldOfRecord<Termostato>>({
      {&Termostato::name, "name"},
      {&Termostato::heatingScheduleName, "heatingScheduleName"},
      {&Termostato::heatingSetpoint, "heatingSetpoint"},
      {&Termostato::coolingScheduleName, "coolingScheduleName"},
      {&Termostato::coolingSetpoint, "coolingSetpoint"},
  });
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

  static constexpr auto kFields = std::to_array<FieldOfRecord<VRVUnidadInterior>>({
      {&VRVUnidadInterior::name, "name"},
      {&VRVUnidadInterior::zoneName, "zoneName"},
      {&VRVUnidadInterior::thermostatName, "thermostatName"},
      {&VRVUnidadInterior::availabilityScheduleName, "availabilityScheduleName"},
      {&VRVUnidadInterior::fanOperatingMode, "fanOperatingMode"},
      {&VRVUnidadInterior::fanPlacement, "fanPlacement"},
      {&VRVUnidadInterior::fanEfficiency, "fanEfficiency"},
      {&VRVUnidadInterior::fanPressureRise, "fanPressureRise"},
      {&VRVUnidadInterior::motorEfficiency, "motorEfficiency"},
      {&VRVUnidadInterior::motorInAirstreamFraction, "motorInAirstreamFraction"},
      {&VRVUnidadInterior::supplyAirFlowRate, "supplyAirFlowRate"},
      {&VRVUnidadInterior::ratedCoolingCapacity, "ratedCoolingCapacity"},
      {&VRVUnidadInterior::ratedSensibleHeatRatio, "ratedSensibleHeatRatio"},
      {&VRVUnidadInterior::ratedHeatingCapacity, "ratedHeatingCapacity"},
      {&VRVUnidadInterior::outdoorAirFlowRate, "outdoorAirFlowRate"},
      {&VRVUnidadInterior::outdoorUnitName, "outdoorUnitName"},
  });
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

  static constexpr auto kFields = std::to_array<FieldOfRecord<VRVUnidadExterior>>({
      {&VRVUnidadExterior::name, "name"},
      {&VRVUnidadExterior::availabilityScheduleName, "availabilityScheduleName"},
      {&VRVUnidadExterior::ratedCoolingCapacity, "ratedCoolingCapacity"},
      {&VRVUnidadExterior::ratedCoolingCOP, "ratedCoolingCOP"},
      {&VRVUnidadExterior::ratedHeatingCapacity, "ratedHeatingCapacity"},
      {&VRVUnidadExterior::ratedHeatingCOP, "ratedHeatingCOP"},
      {&VRVUnidadExterior::masterThermostatZoneName, "masterThermostatZoneName"},
      {&VRVUnidadExterior::masterThermostatPriorityControlType,
       "masterThermostatPriorityControlType"},
      {&VRVUnidadExterior::thermostatPriorityScheduleName, "thermostatPriorityScheduleName"},
      {&VRVUnidadExterior::equivalentPipingLength, "equivalentPipingLength"},
      {&VRVUnidadExterior::verticalHeight, "verticalHeight"},
      {&VRVUnidadExterior::defrostStrategy, "defrostStrategy"},
      {&VRVUnidadExterior::resistiveDefrostHeaterCapacity, "resistiveDefrostHeaterCapacity"},
  });
};

static_assert(Termostato::kFields.size() == 5);
static_assert(VRVUnidadInterior::kFields.size() == 16);
static_assert(VRVUnidadExterior::kFields.size() == 13);

// The records of one input, each list in input order and of one class only. Deques keep
// every record in place as the lists grow.
struct TemplateLists {
  std::deque<Termostato> thermostats;
  std::deque<VRVUnidadInterior> indoorUnits;
  std::deque<VRVUnidadExterior> outdoorUnits;
};

}  // namespace vak
