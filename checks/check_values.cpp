#include "checks/check_values.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <string_view>

#include "checks/check_report.h"
#include "checks/numeric_fields.h"
#include "writers/thermostat.h"
#include "writers/vrf_terminal_unit.h"

namespace vak {

namespace {

using Indoor = VRVUnidadInterior;
using Outdoor = VRVUnidadExterior;

constexpr auto kPriorityTypes =
    std::to_array<std::string_view>({"LoadPriority", "ZonePriority", "ThermostatOffsetPriority",
                                     "MasterThermostatPriority", "Scheduled"});
constexpr auto kDefrostStrategies = std::to_array<std::string_view>({"ReverseCycle", "Resistive"});

// The keyword that EnergyPlus takes the value for, comparing without regard to letter case
// and blanks at the ends; empty when none.
template <std::size_t N>
std::string_view keywordOf(std::string_view value, const std::array<std::string_view, N>& keys) {
  for (std::string_view k : keys) {
    if (equalsIgnoringCase(trimmed(value), k)) return k;
  }
  return {};
}

template <std::size_t N>
std::string listed(const std::array<std::string_view, N>& keys) {
  std::string text;
  for (std::size_t i = 0; i < N; ++i) {
    text += i == 0 ? "" : (i + 1 == N ? " or " : ", ");
    text += keys[i];
  }
  return text;
}

// What checkNumber returns for a field without a number: it compares false with any number.
constexpr double kNoNumber = std::numeric_limits<double>::quiet_NaN();

// Whether a number writes its exponent with "D", as in 4.0D-1.
bool dExponent(std::string_view number) {
  return number.find_first_of("dD") != std::string_view::npos;
}

std::string withEExponent(std::string_view number) {
  std::string e(trimmed(number));
  for (char& c : e) c = c == 'd' ? 'e' : c == 'D' ? 'E' : c;
  return e;
}

// The message on a number written with a "D" exponent, for a release that may not read it.
template <class R>
std::string dExponentMessage(const R& r, std::string_view field, const std::string& value) {
  return cat(subject(r), ": ", field, " ", quoted(value),
             " writes its exponent with \"D\", which EnergyPlus reads only up to 8.1; later "
             "releases may not take it for a number (26.1 reports a severe error); write ",
             quoted(withEExponent(value)), ", which every release reads");
}

}  // namespace

NumberChecks::NumberChecks(std::string_view fields, VrfVersion version, const Target& target,
                           Diagnostics& d)
    : version_(version),
      target_(target),
      notNumber_(d, Severity::Severe, cat(fields, " that are not numbers EnergyPlus takes")),
      outside_(d, Severity::Severe, cat(fields, " outside their limits")),
      dExponent_(d, Severity::Warning, cat(fields, " with a \"D\" exponent")) {}

template <class R>
double NumberChecks::check(const R& r, const NumericField<R>& f) {
  const std::string& value = r.*f.member;
  if (!lineGiven(r, f.position) || tabBefore(value)) return kNoNumber;
  const NumericLimits& limits = f.in(version_);
  // Most values are plain numbers within their limits: the rest is looked up only for a message.
  const auto name = [&f] { return R::kFields[f.position].name; };
  const auto line = [&r, &f] { return r.lines.lineOf(f.position); };
  // A number holds no ';' or '!': only a value that is none may have taken one in.
  if (double number = 0; energyPlusNumber(value, number)) {
    if (!within(number, limits)) {
      outside_(line(), [&] {
        // An efficiency written as a percentage is the usual slip.
        const bool percentage =
            limits.maximum && limits.maximum->value == 1 && number > 1 && number <= 100;
        return cat(subject(r), ": ", name(), " ", quoted(value), " is outside the limits of ",
                   f.writtenTo, " (", describe(limits), "); ", kStops, "; write ",
                   percentage ? "it as a fraction, such as 0.6 for 60 %"
                              : cat("a value ", describe(limits)));
      });
    } else if (!target_.readsDExponent() && dExponent(value)) {
      dExponent_(line(), [&] { return dExponentMessage(r, name(), value); });
    }
    return number;
  }
  if (holdsDelimiter(value)) return kNoNumber;
  const std::string_view word = trimmed(value);
  if (word.empty()) {
    if (limits.required) {
      notNumber_(line(), [&] {
        return cat(subject(r), ": ", name(), " is empty, but ", f.writtenTo, " must be given; ",
                   kStops, "; write a number", limits.autosizable ? " or autosize" : "");
      });
    }
  } else if (equalsIgnoringCase(word, "autosize") || equalsIgnoringCase(word, "autocalculate")) {
    const bool allowed =
        equalsIgnoringCase(word, "autosize") ? limits.autosizable : limits.autocalculatable;
    if (!allowed) {
      notNumber_(line(), [&] {
        return cat(subject(r), ": ", name(), " ", quoted(value), " is not allowed in ", f.writtenTo,
                   "; ", kStops, "; write a number");
      });
    }
  } else {
    notNumber_(line(), [&] {
      return cat(subject(r), ": ", name(), " ", quoted(value),
                 " is not a number as EnergyPlus reads one; ", kStops, "; write a number",
                 limits.autosizable ? " or autosize" : "", " such as 0.5 or 1.5E3");
    });
  }
  return kNoNumber;
}

template double NumberChecks::check(const Indoor&, const NumericField<Indoor>&);
template double NumberChecks::check(const Outdoor&, const NumericField<Outdoor>&);

namespace {

// Whether one of the outdoor unit's members serves its master thermostat zone. The zone index
// answers for a zone that no unit or only a few units serve; a zone of many units, or a blank
// name, takes a pass over the members.
bool servesMasterZone(const Outdoor& o, std::span<const Indoor* const> members,
                      const ServedZones& zones) {
  const std::string& master = o.masterThermostatZoneName;
  if (!trimmed(master).empty()) {
    const ServedZones::Zone* zone = zones.find(master);
    if (zone == nullptr) return false;
    if (zone->count <= zone->first.size()) {
      return std::any_of(zone->first.begin(), zone->first.begin() + zone->count,
                         [&o](const Indoor* u) { return u->outdoorUnitName == o.name; });
    }
  }
  return std::any_of(members.begin(), members.end(),
                     [&master](const Indoor* u) { return NameEqual{}(u->zoneName, master); });
}

}  // namespace

void checkThermostatValues(const std::deque<Termostato>& thermostats, const Target& target,
                           Diagnostics& d) {
  using T = Termostato;
  Problem neither(d, Severity::Severe,
                  "thermostat set-points with neither a schedule nor a constant");
  Problem notNumber(d, Severity::Severe, "thermostat set-points that are not numbers");
  Problem outside(d, Severity::Severe, "thermostat set-points outside the temperature limits");
  Problem exponent(d, Severity::Warning, "thermostat set-points with a \"D\" exponent");
  struct Side {
    std::string_view what;
    std::string T::*schedule;
    std::string T::*setpoint;
  };
  constexpr std::array<Side, 2> kSides = {{
      {"heating", &T::heatingScheduleName, &T::heatingSetpoint},
      {"cooling", &T::coolingScheduleName, &T::coolingSetpoint},
  }};
  for (const T& t : thermostats) {
    for (const Side& side : kSides) {
      if (!given(t, side.schedule) || !given(t, side.setpoint)) continue;
      const std::string& setpoint = t.*side.setpoint;
      if ((t.*side.schedule).empty() && setpoint.empty()) {
        neither(lineOf(t, side.setpoint), [&] {
          return cat(subject(t), ": neither ", nameOf<T>(side.schedule), " nor ",
                     nameOf<T>(side.setpoint), " is given; the dual set-point object names the ",
                     side.what, " schedule ", quoted(t.name + "_"),
                     ", which is never written, and ", kStops,
                     "; give a schedule name or a constant set-point");
        });
        continue;
      }
      if (setpoint.empty()) continue;
      double value = 0;
      if (!energyPlusNumber(setpoint, value)) {
        notNumber(lineOf(t, side.setpoint), [&] {
          return cat(subject(t), ": ", nameOf<T>(side.setpoint), " ", quoted(setpoint),
                     " is not a number as EnergyPlus reads one; the constant schedule ",
                     quoted(constantScheduleName(t, setpoint)), " holds it and ", kStops,
                     "; write a temperature in degC, such as 21.5");
        });
      } else if (value < kTemperatureLowest || value > kTemperatureHighest) {
        // A temperature in degF is the usual slip.
        outside(lineOf(t, side.setpoint), [&] {
          return cat(subject(t), ": ", nameOf<T>(side.setpoint), " ", quoted(setpoint),
                     " lies outside the limits of the schedule type limits \"Temperatura\" of "
                     "its constant schedule (",
                     std::to_string(kTemperatureLowest), " to ",
                     std::to_string(kTemperatureHighest), " degC), and ", kStops,
                     "; write the set-point in degC, such as 21.5");
        });
      } else if (!target.readsDExponent() && dExponent(setpoint)) {
        exponent(lineOf(t, side.setpoint),
                 [&] { return dExponentMessage(t, nameOf<T>(side.setpoint), setpoint); });
      }
    }
  }
}

void checkOutdoorValues(const std::deque<Outdoor>& outdoor, const ServedZones& servedZones,
                        const VrfMembership& members, const FileNames& names, VrfVersion version,
                        const Target& target, Diagnostics& d) {
  NameMap<bool> fileZoneIndex(names.zones.size());
  for (const NamedAt& z : names.zones) fileZoneIndex.try_emplace(z.name, true);
  // A file without a Zone is a part of a model: its zones are not known.
  const auto isFileZone = [&](std::string_view name) {
    return !names.anyZone || fileZoneIndex.contains(name);
  };
  const Severity stops = Severity::Severe;
  Problem priority(d, stops, "outdoor units with an unknown masterThermostatPriorityControlType");
  Problem prioritySchedule(d, stops, "outdoor units with Scheduled priority but no schedule");
  Problem master(d, stops, "outdoor units whose master thermostat zone is none of their zones");
  Problem defrost(d, stops, "outdoor units with an unknown defrostStrategy");
  NumberChecks numbers("outdoor unit fields", version, target, d);
  for (std::size_t i = 0; i < outdoor.size(); ++i) {
    const Outdoor& o = outdoor[i];
    // A blank control type is MasterThermostatPriority, the dictionary's default.
    std::string_view type = keywordOf(o.masterThermostatPriorityControlType, kPriorityTypes);
    if (trimmed(o.masterThermostatPriorityControlType).empty()) type = "MasterThermostatPriority";
    if (type.empty() && given(o, &Outdoor::masterThermostatPriorityControlType)) {
      priority(lineOf(o, &Outdoor::masterThermostatPriorityControlType), [&] {
        return cat(subject(o), ": masterThermostatPriorityControlType ",
                   quoted(o.masterThermostatPriorityControlType), " is not one of ",
                   listed(kPriorityTypes), "; ", kStops, "; write one of them");
      });
    }
    if (type == "Scheduled" && trimmed(o.thermostatPriorityScheduleName).empty() &&
        given(o, &Outdoor::thermostatPriorityScheduleName)) {
      // The current releases report it, carry on, and read a schedule that is not there.
      const bool current = target.current();
      prioritySchedule(lineOf(o, &Outdoor::thermostatPriorityScheduleName),
                       current ? Severity::Warning : Severity::Severe, [&] {
                         return cat(subject(o),
                                    ": thermostatPriorityScheduleName is empty, but the priority "
                                    "control type Scheduled takes the operating mode from it; ",
                                    current ? "EnergyPlus reports a severe error, runs on, and "
                                              "reads a missing schedule for the operating mode "
                                              "during the run"
                                            : kStops,
                                    "; write the name of the priority schedule");
                       });
    }
    const auto served = members.membersOf(i);
    // 7.1 and 8.0 read the master zone under both types; the current releases only under
    // MasterThermostatPriority.
    const bool readsMaster = type == "MasterThermostatPriority" ||
                             (type == "ThermostatOffsetPriority" && !target.current());
    if (readsMaster && !served.empty() && given(o, &Outdoor::masterThermostatZoneName) &&
        !servesMasterZone(o, served, servedZones)) {
      const std::string& masterZone = o.masterThermostatZoneName;
      const bool empty = trimmed(masterZone).empty();
      // An empty zone stops EnergyPlus, and in the current releases one that is no zone.
      const bool noZone = !empty && target.current() && !isFileZone(masterZone);
      master(lineOf(o, &Outdoor::masterThermostatZoneName),
             empty || noZone ? Severity::Severe : Severity::Warning, [&] {
               std::string zones;
               for (std::size_t k = 0; k < served.size() && k < kShownPerProblem; ++k) {
                 zones += cat(k ? ", " : "", quoted(served[k]->zoneName));
               }
               if (served.size() > kShownPerProblem) zones += ", ...";
               const ServedZones::Zone* zone = empty ? nullptr : servedZones.find(masterZone);
               const Indoor* other = zone != nullptr ? zone->first[0] : nullptr;
               const std::string named = cat("masterThermostatZoneName ", quoted(masterZone));
               std::string what;
               if (empty) {
                 what = cat("masterThermostatZoneName is empty, which ", type, " needs; ", kStops);
               } else if (noZone) {
                 what = cat(named, " names no Zone of the file; ", kStops);
               } else {
                 what = cat(named,
                            other != nullptr
                                ? cat(" is served by ", subject(*other), " of outdoor unit ",
                                      quoted(other->outdoorUnitName), ", not by one of this unit's")
                                : std::string(" is not the zone of one of its indoor units"),
                            target.current()
                                ? "; EnergyPlus runs, but the master thermostat is meant to stand "
                                  "in a zone of the unit's own"
                                : "; EnergyPlus checks only that the field is filled in, then "
                                  "reads past the end of the unit's terminal unit list, with "
                                  "undefined results");
               }
               return cat(subject(o), ": ", what, "; write one of its zones (", zones, ")");
             });
    }
    if (keywordOf(o.defrostStrategy, kDefrostStrategies).empty() &&
        !trimmed(o.defrostStrategy).empty() && given(o, &Outdoor::defrostStrategy)) {
      defrost(lineOf(o, &Outdoor::defrostStrategy), [&] {
        return cat(subject(o), ": defrostStrategy ", quoted(o.defrostStrategy), " is not ",
                   listed(kDefrostStrategies), "; ", kStops, "; write one of them");
      });
    }
    for (const NumericField<Outdoor>& f : outdoorNumericFields()) {
      numbers.check(o, f);
    }
  }
}

IndoorValueChecks::IndoorValueChecks(VrfVersion version, const Target& target, Diagnostics& d)
    : fanMode_(d, Severity::Warning,
               "indoor units whose fanOperatingMode is \"Auto\" in another form"),
      numbers_("indoor unit fields", version, target, d),
      outdoorAir_(d, Severity::Warning, "indoor units with more outdoor air than supply air") {}

void IndoorValueChecks::check(const Indoor& u) {
  if (!hasCyclingFan(u) && equalsIgnoringCase(trimmed(u.fanOperatingMode), "Auto") &&
      given(u, &Indoor::fanOperatingMode)) {
    fanMode_(lineOf(u, &Indoor::fanOperatingMode), [&] {
      return cat(subject(u), ": fanOperatingMode ", quoted(u.fanOperatingMode),
                 " is not exactly \"Auto\", so the constant fan was written (Fan:ConstantVolume, "
                 "running whenever the unit is available); write \"Auto\" for a cycling fan "
                 "(Fan:OnOff), or \"Continuous\" to keep the constant fan");
    });
  }
  double supply = kNoNumber, outdoorAirFlow = kNoNumber;
  for (const NumericField<Indoor>& f : indoorNumericFields()) {
    const double n = numbers_.check(u, f);
    if (f.member == &Indoor::supplyAirFlowRate) supply = n;
    if (f.member == &Indoor::outdoorAirFlowRate) outdoorAirFlow = n;
  }
  if (outdoorAirFlow > supply) {
    outdoorAir_(lineOf(u, &Indoor::outdoorAirFlowRate), [&] {
      return cat(subject(u), ": outdoorAirFlowRate ", quoted(u.outdoorAirFlowRate),
                 " exceeds supplyAirFlowRate ", quoted(u.supplyAirFlowRate),
                 "; EnergyPlus cuts the outdoor air flow to the supply air flow, with a "
                 "warning; write at most the supply air flow");
    });
  }
}

}  // namespace vak
