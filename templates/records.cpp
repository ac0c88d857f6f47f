#include "templates/records.h"

#include <array>
#include <cstddef>

#include "templates/diagnostics.h"

namespace vak {

namespace {

// Fills the fields in input order, one line per position. Lines beyond the last field are
// read and dropped up to the one that ends the object.
template <class R, std::size_t N>
void readFields(R& record, const std::array<std::string R::*, N>& fields, TemplateInput& in) {
  const std::size_t firstLine = in.lines.lineNumber() + 1;
  std::size_t position = 0;
  bool last = false;
  in.cutOff = false;
  while (!last) {
    std::string value = ObjetosVAK::leerCampo(in, last);
    if (in.cutOff) break;
    if (position < N) record.*fields[position] = std::move(value);
    ++position;
  }
  if (in.cutOff) {
    warning(in.diagnostics) << "line " << in.lines.lineNumber() << ": input ends inside the "
                            << R::kClassName << " object whose fields start at line " << firstLine
                            << " (" << position << " of " << N
                            << " fields read); the rest are left empty\n";
  }
}

}  // namespace

std::string ObjetosVAK::leerCampo(TemplateInput& in, bool& ultimoCampo) {
  std::string_view line;
  if (!in.lines.next(line)) {
    in.cutOff = true;
    ultimoCampo = true;
    return {};
  }
  std::size_t end = line.find(',');
  if (end != std::string_view::npos) {
    ultimoCampo = false;
  } else {
    end = line.find(';');
    if (end == std::string_view::npos) {
      in.console << "error\n";
      warning(in.diagnostics)
          << "line " << in.lines.lineNumber()
          << ": template field line has neither ',' nor ';'; its field is left empty: "
          << quoted(line) << '\n';
      return {};
    }
    ultimoCampo = true;
  }
  // The delimiter is not a blank, so the first non-blank lies at or before it.
  const std::size_t start = line.find_first_not_of(' ');
  return std::string(line.substr(start, end - start));
}

Termostato::Termostato(TemplateInput& in) {
  static constexpr std::array<std::string Termostato::*, 5> kFields = {
      &Termostato::name, &Termostato::heatingScheduleName, &Termostato::heatingSetpoint,
      &Termostato::coolingScheduleName, &Termostato::coolingSetpoint};
  readFields(*this, kFields, in);
}

VRVUnidadInterior::VRVUnidadInterior(TemplateInput& in) {
  using U = VRVUnidadInterior;
  static constexpr std::array<std::string U::*, 16> kFields = {&U::name,
                                                               &U::zoneName,
                                                               &U::thermostatName,
                                                               &U::availabilityScheduleName,
                                                               &U::fanOperatingMode,
                                                               &U::fanPlacement,
                                                               &U::fanEfficiency,
                                                               &U::fanPressureRise,
                                                               &U::motorEfficiency,
                                                               &U::motorInAirstreamFraction,
                                                               &U::supplyAirFlowRate,
                                                               &U::ratedCoolingCapacity,
                                                               &U::ratedSensibleHeatRatio,
                                                               &U::ratedHeatingCapacity,
                                                               &U::outdoorAirFlowRate,
                                                               &U::outdoorUnitName};
  readFields(*this, kFields, in);
}

VRVUnidadExterior::VRVUnidadExterior(TemplateInput& in) {
  using U = VRVUnidadExterior;
  static constexpr std::array<std::string U::*, 13> kFields = {
      &U::name,
      &U::availabilityScheduleName,
      &U::ratedCoolingCapacity,
      &U::ratedCoolingCOP,
      &U::ratedHeatingCapacity,
      &U::ratedHeatingCOP,
      &U::masterThermostatZoneName,
      &U::masterThermostatPriorityControlType,
      &U::thermostatPriorityScheduleName,
      &U::equivalentPipingLength,
      &U::verticalHeight,
      &U::defrostStrategy,
      &U::resistiveDefrostHeaterCapacity};
  readFields(*this, kFields, in);
}

}  // namespace vak
