#include "checks/written_names.h"

#include <algorithm>
#include <array>

#include "checks/check_report.h"
#include "writers/thermostat.h"
#include "writers/vrf_terminal_unit.h"

namespace vak {

namespace {

using Indoor = VRVUnidadInterior;
using Outdoor = VRVUnidadExterior;

bool startsWithIgnoringCase(std::string_view text, std::string_view start) {
  return text.size() >= start.size() && equalsIgnoringCase(text.substr(0, start.size()), start);
}

// The group in which EnergyPlus keeps names apart: all curves, all schedules, else the class.
enum class Group { Curve, Schedule, Class };

Group groupOf(std::string_view className) {
  className = trimmed(className);
  if (startsWithIgnoringCase(className, "Curve:")) return Group::Curve;
  for (const std::string_view table :
       {"Table:OneIndependentVariable", "Table:TwoIndependentVariables",
        "Table:MultiVariableLookup", "Table:Lookup"}) {
    if (equalsIgnoringCase(className, table)) return Group::Curve;
  }
  for (const std::string_view schedule :
       {"Schedule:Compact", "Schedule:Constant", "Schedule:Year", "Schedule:File"}) {
    if (equalsIgnoringCase(className, schedule)) return Group::Schedule;
  }
  return Group::Class;
}

// Whether a class of the file, of group `fileGroup`, keeps its names apart from those of a
// written class: they are one class, or both curves, or both schedules.
bool sameGroup(std::string_view fileClass, Group fileGroup, std::string_view writtenClass) {
  const Group g = groupOf(writtenClass);
  return g == Group::Class ? equalsIgnoringCase(trimmed(fileClass), writtenClass) : fileGroup == g;
}

// The objects written once per run, whatever the templates hold: with the thermostats, or with
// the VRF system.
struct Fixed {
  std::string_view className;
  std::string_view name;
  bool vrf;
};

constexpr auto kFixed = std::to_array<Fixed>({
    {"ScheduleTypeLimits", "Temperatura", false},
    {"ScheduleTypeLimits", "CualquierValor", false},
    {"Schedule:Compact", "Siempre 4", false},
    {"Schedule:Compact", "Fancycling", true},
    {"Schedule:Compact", "Fan vrv on", true},
    {"NodeList", "OutsideAirInletNodes", true},
    {"Curve:Linear", "CoolingCombRatio", true},
    {"Curve:Linear", "HeatingCombRatio", true},
    {"Curve:Quadratic", "CoolingEIRHiPLR", true},
    {"Curve:Quadratic", "VRFCPLFFPLR", true},
    {"Curve:Quadratic", "HeatingEIRHiPLR", true},
    {"Curve:Cubic", "VRFCoolCapFTBoundary", true},
    {"Curve:Cubic", "VRFCoolEIRFTBoundary", true},
    {"Curve:Cubic", "CoolingEIRLowPLR", true},
    {"Curve:Cubic", "VRFHeatCapFTBoundary", true},
    {"Curve:Cubic", "VRFHeatEIRFTBoundary", true},
    {"Curve:Cubic", "HeatingEIRLowPLR", true},
    {"Curve:Biquadratic", "VRFCoolCapFT", true},
    {"Curve:Biquadratic", "VRFCoolCapFTHi", true},
    {"Curve:Biquadratic", "VRFCoolEIRFT", true},
    {"Curve:Biquadratic", "VRFCoolEIRFTHi", true},
    {"Curve:Biquadratic", "VRFHeatCapFT", true},
    {"Curve:Biquadratic", "VRFHeatCapFTHi", true},
    {"Curve:Biquadratic", "VRFHeatEIRFT", true},
    {"Curve:Biquadratic", "VRFHeatEIRFTHi", true},
    {"Curve:Biquadratic", "CoolingLengthCorrectionFactor", true},
    {"Curve:Cubic", "VRFTUCoolCapFT", true},
    {"Curve:Quadratic", "VRFACCoolCapFFF", true},
    {"Curve:Cubic", "VRFTUHeatCapFT", true},
});

// Where a derived name comes from: a template field and the fixed text after it.
enum class Source { Thermostat, WrittenUnit, Zone, ControlledZone, Outdoor };

struct Derived {
  std::string_view className;  // "" for the fan, whose class the unit's fan mode chooses
  Source source;
  std::string_view suffix;
};

constexpr auto kDerived = std::to_array<Derived>({
    {"ThermostatSetpoint:DualSetpoint", Source::Thermostat, " DualSetPoint"},
    {"ZoneHVAC:TerminalUnit:VariableRefrigerantFlow", Source::WrittenUnit, ""},
    {"", Source::WrittenUnit, " VRF Supply Fan"},
    {"OutdoorAir:Mixer", Source::WrittenUnit, " OA Mixer"},
    {"Coil:Cooling:DX:VariableRefrigerantFlow", Source::WrittenUnit, " VRF DX Cooling Coil"},
    {"Coil:Heating:DX:VariableRefrigerantFlow", Source::WrittenUnit, " VRF DX Heating Coil"},
    {"NodeList", Source::Zone, " In Nodes"},
    {"NodeList", Source::Zone, " Out Nodes"},
    {"ZoneHVAC:EquipmentList", Source::Zone, " Eq"},
    {"ZoneControl:Thermostat", Source::ControlledZone, " Control"},
    {"AirConditioner:VariableRefrigerantFlow", Source::Outdoor, ""},
    {"ZoneTerminalUnitList", Source::Outdoor, "ListTerminal"},
});

// Whether `name`, as EnergyPlus reads it, is `value` followed by `suffix`: the ends of the whole
// are trimmed, not the blanks between value and suffix.
bool derivedEquals(std::string_view value, std::string_view suffix, std::string_view name) {
  const std::string whole = std::string(value) + std::string(suffix);
  return equalsIgnoringCase(trimmed(whole), trimmed(name));
}

template <class R>
WrittenObject writtenBy(std::string_view className, std::string name, const R& r) {
  return {className, std::move(name), subject(r), r.lines.classLine};
}

}  // namespace

WrittenNames::WrittenNames(const TemplateLists& t, const VrfMembership& members, bool vrf)
    : t_(t), members_(members), vrf_(vrf) {
  const bool thermostats = !t.thermostats.empty();
  for (const Fixed& f : kFixed) {
    if ((f.vrf ? vrf : thermostats) && groupOf(f.className) == Group::Class) {
      classes_.push_back(f.className);
    }
  }
  for (const Derived& d : kDerived) {
    if (!(d.source == Source::Thermostat ? thermostats : vrf)) continue;
    if (d.className.empty()) {
      fans_ = true;
    } else {
      classes_.push_back(d.className);
    }
  }
  constexpr std::size_t kLongestSuffix = 20;  // " VRF DX Cooling Coil"
  for (const Fixed& f : kFixed) longest_ = std::max(longest_, f.name.size());
  for (const Termostato& th : t.thermostats) {
    const std::size_t setpoints = std::max(th.heatingSetpoint.size(), th.coolingSetpoint.size());
    longest_ = std::max(longest_, th.name.size() + std::max(kLongestSuffix, 1 + setpoints));
  }
  if (!vrf) return;
  for (const Indoor& u : t.indoorUnits) {
    longest_ = std::max(longest_, std::max(u.name.size(), u.zoneName.size()) + kLongestSuffix);
  }
  for (const Outdoor& o : t.outdoorUnits) {
    longest_ = std::max(longest_, o.name.size() + kLongestSuffix);
  }
}

void WrittenNames::index() {
  if (indexed_) return;
  indexed_ = true;
  for (const Termostato& th : t_.thermostats) {
    thermostats_.try_emplace(th.name, &th);
    for (const std::string* setpoint : {&th.heatingSetpoint, &th.coolingSetpoint}) {
      if (!setpoint->empty()) {
        constants_.try_emplace(constantNames_.emplace_back(constantScheduleName(th, *setpoint)),
                               &th);
      }
    }
  }
  if (!vrf_) return;
  for (std::size_t i = 0; i < t_.indoorUnits.size(); ++i) {
    const Indoor& u = t_.indoorUnits[i];
    zones_.try_emplace(u.zoneName, &u);
    if (!members_.isMember(i)) continue;
    written_.try_emplace(u.name, &u);
    controlled_.try_emplace(u.zoneName, &u);
  }
  for (const Outdoor& o : t_.outdoorUnits) outdoor_.try_emplace(o.name, &o);
}

bool WrittenNames::mayCollide(std::string_view className) const {
  className = trimmed(className);
  // Most classes of a model begin with a letter that no class written begins with.
  if (className.empty()) return false;
  switch (className[0] | 0x20) {
    case 'a':
    case 'c':
    case 'f':
    case 'n':
    case 'o':
    case 's':
    case 't':
    case 'z':
      break;
    default:
      return false;
  }
  const Group group = groupOf(className);
  if (group != Group::Class) return group == Group::Curve ? vrf_ : vrf_ || !t_.thermostats.empty();
  return std::ranges::any_of(
             classes_, [&](std::string_view c) { return equalsIgnoringCase(className, c); }) ||
         (fans_ && startsWithIgnoringCase(className, "Fan:"));
}

bool WrittenNames::mayBeWritten(std::string_view className, std::string_view name) const {
  const Group group = groupOf(className);
  for (const Fixed& f : kFixed) {
    if (sameGroup(className, group, f.className) && NameEqual{}(f.name, name)) return true;
  }
  // A constant set-point schedule's name holds "_".
  if (group == Group::Schedule) return name.find('_') != std::string_view::npos;
  const std::string_view n = trimmed(name);
  for (const Derived& d : kDerived) {
    if (d.className.empty() ? startsWithIgnoringCase(trimmed(className), "Fan:")
                            : sameGroup(className, group, d.className)) {
      if (n.size() >= d.suffix.size() &&
          equalsIgnoringCase(n.substr(n.size() - d.suffix.size()), d.suffix)) {
        return true;
      }
    }
  }
  return false;
}

std::optional<WrittenObject> WrittenNames::find(std::string_view className, std::string_view name) {
  index();
  const Group group = groupOf(className);
  for (const Fixed& f : kFixed) {
    const bool written = f.vrf ? vrf_ : !t_.thermostats.empty();
    if (!written || !sameGroup(className, group, f.className) || !NameEqual{}(f.name, name))
      continue;
    if (f.vrf) {
      return writtenBy(f.className, std::string(f.name), t_.outdoorUnits.front());
    }
    return writtenBy(f.className, std::string(f.name), t_.thermostats.front());
  }
  if (group == Group::Schedule) {
    if (const auto th = constants_.find(name); th != constants_.end()) {
      return writtenBy("Schedule:Compact", std::string(trimmed(name)), *th->second);
    }
  }
  const std::string_view n = trimmed(name);
  for (const Derived& d : kDerived) {
    if (!d.className.empty() && !sameGroup(className, group, d.className)) continue;
    if (n.size() < d.suffix.size() ||
        !equalsIgnoringCase(n.substr(n.size() - d.suffix.size()), d.suffix)) {
      continue;
    }
    const std::string_view value = n.substr(0, n.size() - d.suffix.size());
    const auto match = [&](const auto& map, auto member) -> std::optional<WrittenObject> {
      const auto r = map.find(value);
      if (r == map.end() || !derivedEquals(r->second->*member, d.suffix, name)) {
        return std::nullopt;
      }
      return writtenBy(d.className, std::string(r->second->*member) + std::string(d.suffix),
                       *r->second);
    };
    std::optional<WrittenObject> found;
    switch (d.source) {
      case Source::Thermostat:
        found = match(thermostats_, &Termostato::name);
        break;
      case Source::WrittenUnit:
        found = match(written_, &Indoor::name);
        if (found && d.className.empty()) {  // the fan: of the class the unit writes
          const std::string_view fan = fanObjectType(*written_.find(value)->second);
          if (equalsIgnoringCase(trimmed(className), fan)) {
            found->className = fan;
          } else {
            found.reset();
          }
        }
        break;
      case Source::Zone:
        found = match(zones_, &Indoor::zoneName);
        break;
      case Source::ControlledZone:
        found = match(controlled_, &Indoor::zoneName);
        break;
      case Source::Outdoor:
        found = match(outdoor_, &Outdoor::name);
        break;
    }
    if (found) return found;
  }
  return std::nullopt;
}

}  // namespace vak
