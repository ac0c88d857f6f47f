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

// Each field of the record is filled from one input position, so no member may appear twice.
template <class R, std::size_t N>
constexpr bool distinct(const std::array<std::string R::*, N>& fields) {
  for (std::size_t i = 0; i < N; ++i) {
    for (std::size_t j = i + 1; j < N; ++j) {
      if (fields[i] == fields[j]) return false;
    }
  }
  return true;
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
  using T = Termostato;
  static constexpr auto kFields =
      std::to_array<std::string T::*>({&T::name, &T::heatingScheduleName, &T::heatingSetpoint,
                                       &T::coolingScheduleName, &T::coolingSetpoint});
  static_assert(kFields.size() == 5 && distinct(kFields));
  readFields(*this, kFields, in);
}

VRVUnidadInterior::VRVUnidadInterior(TemplateInput& in) {
  using U = VRVUnidadInterior;
  static constexpr auto kFields = std::to_array<std::string U::*>({
      &U::name,
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
      &U::outdoorUnitName,
  });
  static_assert(kFields.size() == 16 && distinct(kFields));
  readFields(*this, kFields, in);
}

VRVUnidadExterior::VRVUnidadExterior(TemplateInput& in) {
  using Odu = VRVUnidadExterior;
  static constexpr auto kFields = std::to_array<std::string Odu::*>({
      &Odu::name,
      &Odu::availabilityScheduleName,
      &Odu::ratedCoolingCapacity,
      &Odu::ratedCoolingCOP,
      &Odu::ratedHeatingCapacity,
      &Odu::ratedHeatingCOP,
      &Odu::masterThermostatZoneName,
      &Odu::masterThermostatPriorityControlType,
      &Odu::thermostatPriorityScheduleName,
      &Odu::equivalentPipingLength,
      &Odu::verticalHeight,
      &Odu::defrostStrategy,
      &Odu::resistiveDefrostHeaterCapacity,
  });
  static_assert(kFields.size() == 13 && distinct(kFields));
  readFields(*this, kFields, in);
}

}  // namespace vak
