#include "checks/checks.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "checks/check_lines.h"
#include "checks/check_names.h"
#include "checks/check_report.h"
#include "checks/check_values.h"
#include "templates/diagnostics.h"

namespace vak {

namespace {

using Indoor = VRVUnidadInterior;
using Outdoor = VRVUnidadExterior;

// Why no VRF object is written for the outdoor units: the file's Version names no release whose
// layout the program writes.
void checkVersion(const ScanResult& scanned, Diagnostics& d) {
  // EnergyPlus runs, without the system.
  const Severity s = Severity::Warning;
  const std::string what = cat("no VRF object is written for the ",
                               counted(scanned.templates.outdoorUnits.size(), "outdoor unit"),
                               " and the zones get no HVAC");
  if (scanned.versions.empty()) {
    d.warning(s, 0,
              cat("the file has no Version object, so ", what,
                  "; add one that names the EnergyPlus release of the model, such as "
                  "\"Version, 24.1;\""));
    return;
  }
  const VersionObject& v = scanned.versions.back();
  if (v.value.empty()) {
    d.warning(s, v.line,
              cat("the Version object holds no value, so ", what,
                  "; write the EnergyPlus release of the model, such as \"Version, 24.1;\""));
    return;
  }
  d.warning(s, v.line,
            cat("the Version value ", quoted(v.value),
                " names no release whose object layout the program writes, so ", what,
                "; the supported releases are ", supportedReleases(),
                " (with any patch or build part, such as \"24.1.0\"); declare one of them and "
                "write the file's objects for that release, carrying a model of another release "
                "forward with EnergyPlus's version updater"));
}

// EnergyPlus takes one Version object; the program, the last.
void checkVersionObjects(const std::vector<VersionObject>& versions, Diagnostics& d) {
  Problem again(d, Severity::Warning, "further Version objects");
  for (std::size_t i = 1; i < versions.size(); ++i) {
    again(versions[i].line, [&] {
      return cat("another Version object, after the one at line ", versions[0].line,
                 "; EnergyPlus accepts only one, and the program writes its objects for the "
                 "last one, ",
                 quoted(versions.back().value), "; keep one Version object");
    });
  }
}

// The blanks and tabs at the end of a name.
std::string_view endBlanksOf(std::string_view name) {
  const std::size_t last = name.find_last_not_of(" \t");
  return last == std::string_view::npos ? std::string_view() : name.substr(last + 1);
}

// The outdoor unit that EnergyPlus would take for this name, to tell a near miss from a
// missing unit.
const Outdoor* outdoorNamedAlike(const std::deque<Outdoor>& outdoor, std::string_view name) {
  for (const Outdoor& o : outdoor) {
    if (NameEqual{}(o.name, name)) return &o;
  }
  return nullptr;
}

void checkMembership(const Indoor& u, const std::deque<Outdoor>& outdoor, Problem& dangling) {
  if (!given(u, &Indoor::outdoorUnitName) &&
      (u.outdoorUnitName.empty() || tabBefore(u.outdoorUnitName))) {
    return;
  }
  const Outdoor* alike =
      u.outdoorUnitName.empty() ? nullptr : outdoorNamedAlike(outdoor, u.outdoorUnitName);
  // A tab before the outdoor unit's name is reported with that unit.
  if (alike != nullptr && tabBefore(alike->name)) return;
  dangling(lineOf(u, &Indoor::outdoorUnitName), [&] {
    const std::string what =
        alike != nullptr
            ? cat(" differs from the outdoor unit ", quoted(alike->name), " (line ",
                  alike->lines.classLine,
                  ") only in letter case or in blanks at its ends, and the program matches these "
                  "names exactly")
            : (u.outdoorUnitName.empty() ? std::string(" is empty")
                                         : std::string(" names no outdoor unit"));
    return cat(subject(u), ": outdoorUnitName ", quoted(u.outdoorUnitName), what,
               "; the unit's terminal unit, fan, coils and zone control are not written, and ",
               kStops, " because the zone's equipment list names the missing terminal unit; write ",
               alike != nullptr ? quoted(alike->name) : "the name of its outdoor unit");
  });
}

// The units' own checks, and `values` of those that are written, in one pass over the units.
void checkIndoorUnits(const ScanResult& scanned, const VrfMembership& members, VrfVersion version,
                      IndoorValueChecks& values, Diagnostics& d) {
  const auto& thermostats = scanned.templates.thermostats;
  // EnergyPlus finds the DualSetPoint object whatever the letter case of its name.
  NameMap<const Termostato*> thermostatByKey(thermostats.size());
  for (const Termostato& t : thermostats) thermostatByKey.try_emplace(t.name, &t);

  const Severity stops = Severity::Severe;
  Problem emptyName(d, stops, "indoor units with an empty name");
  Problem emptyZone(d, stops, "indoor units with an empty zoneName");
  Problem dangling(d, stops, "indoor units naming an outdoor unit that does not exist");
  Problem noThermostat(d, stops, "indoor units naming a thermostat that does not exist");
  Problem endBlanks(d, stops, "thermostat names that end in blanks where their references do not");
  std::vector<const Termostato*> reported;  // thermostats whose own name was reported
  Problem placement(d, stops, "indoor units whose fanPlacement is not DrawThrough");
  Problem availability(d, stops, "indoor units with an empty availabilityScheduleName");
  const std::deque<Indoor>& indoor = scanned.templates.indoorUnits;
  for (std::size_t i = 0; i < indoor.size(); ++i) {
    const Indoor& u = indoor[i];
    if (u.name.empty() && given(u, &Indoor::name)) {
      emptyName(lineOf(u, &Indoor::name), [&] {
        return cat(subject(u),
                   ": name is empty; its terminal unit, fan, mixer and coils are written without "
                   "a name and ",
                   kStops, "; give the unit a name");
      });
    }
    if (u.zoneName.empty() && given(u, &Indoor::zoneName)) {
      emptyZone(lineOf(u, &Indoor::zoneName), [&] {
        return cat(subject(u),
                   ": zoneName is empty; its zone objects are written for a zone without a name "
                   "and ",
                   kStops, "; write the name of the Zone that the unit serves");
      });
    }
    if (!members.isMember(i)) {
      checkMembership(u, scanned.templates.outdoorUnits, dangling);
      continue;  // nothing more of it is written
    }
    const auto found = thermostats.empty() || !given(u, &Indoor::thermostatName)
                           ? thermostatByKey.end()
                           : thermostatByKey.find(u.thermostatName);
    const Termostato* const* named = found == thermostatByKey.end() ? nullptr : &found->second;
    if (!thermostats.empty() && named == nullptr && given(u, &Indoor::thermostatName)) {
      noThermostat(lineOf(u, &Indoor::thermostatName), [&] {
        return cat(subject(u), ": thermostatName ", quoted(u.thermostatName),
                   " names no thermostat; its zone control names ",
                   quoted(u.thermostatName + " DualSetPoint"), ", which is never written, and ",
                   kStops, "; write the name of a ", Termostato::kClassName);
      });
    } else if (named != nullptr && endBlanksOf((*named)->name) != endBlanksOf(u.thermostatName)) {
      // EnergyPlus trims the ends of the names written, not the blanks before " DualSetPoint".
      const Termostato& t = **named;
      const bool theirs = !endBlanksOf(t.name).empty() && endBlanksOf(u.thermostatName).empty();
      if (!theirs || std::find(reported.begin(), reported.end(), &t) == reported.end()) {
        if (theirs) reported.push_back(&t);
        endBlanks(theirs ? lineOf(t, &Termostato::name) : lineOf(u, &Indoor::thermostatName), [&] {
          const std::string written = quoted(t.name + " DualSetPoint");
          const std::string wanted = quoted(u.thermostatName + " DualSetPoint");
          const std::string what =
              theirs ? cat("the name ", quoted(t.name),
                           " ends in blanks, which stay inside the name of its set-point object, ",
                           written, ", while the zone control of ", subject(u), " (line ",
                           u.lines.classLine, ") names ", wanted)
                     : cat("thermostatName ", quoted(u.thermostatName),
                           " ends in other blanks than the thermostat's name, and they stay inside "
                           "the name its zone control gives, ",
                           wanted, ", while the thermostat at line ", t.lines.classLine,
                           " writes its set-point object as ", written);
          return cat(theirs ? subject(t) : subject(u), ": ", what, "; ", kStops,
                     " because it does not find the set-point object; remove the blanks at the "
                     "end of the name");
        });
      }
    }
    if (!equalsIgnoringCase(trimmed(u.fanPlacement), "DrawThrough") &&
        given(u, &Indoor::fanPlacement)) {
      placement(lineOf(u, &Indoor::fanPlacement), [&] {
        return cat(subject(u), ": fanPlacement ", quoted(u.fanPlacement),
                   " is not DrawThrough; the generated air path puts the fan after the heating "
                   "coil, a draw-through arrangement, and EnergyPlus stops when the fan "
                   "placement does not fit the nodes; write DrawThrough");
      });
    }
    if (version == VrfVersion::V7_1 && u.availabilityScheduleName.empty() &&
        given(u, &Indoor::availabilityScheduleName)) {
      availability(lineOf(u, &Indoor::availabilityScheduleName), [&] {
        return cat(subject(u),
                   ": availabilityScheduleName is empty, which the \"7.1\" coils require; ", kStops,
                   "; write the name of a schedule");
      });
    }
    values.check(u);
  }
  if (thermostats.empty()) {
    d.warning(Severity::Severe, 0,
              cat("VRF objects are written but there is no thermostat template, so "
                  "\"CualquierValor\", \"Siempre 4\" and the zone controls' DualSetPoint "
                  "objects are never defined and ",
                  kStops, "; add a ", Termostato::kClassName));
  }
}

void checkZones(const ServedZones& served, Diagnostics& d) {
  Problem shared(d, Severity::Severe, "zones served by more than one indoor unit");
  for (const ServedZones::Zone& zone : served.zones()) {
    if (zone.count < 2) continue;
    shared(lineOf(*zone.first[1], &Indoor::zoneName), [&] {
      std::string list;
      for (std::size_t k = 0; k < zone.first.size() && k < zone.count; ++k) {
        const Indoor& u = *zone.first[k];
        list += k ? ", " : "";
        list += u.name.empty() ? cat("line ", u.lines.classLine) : quoted(u.name);
      }
      return cat("zone ", quoted(zone.first[0]->zoneName), " is served by ", zone.count,
                 " indoor units (", list, zone.count > kShownPerProblem ? ", ...)" : ")",
                 "; its node lists, equipment connections, equipment list and zone control are "
                 "written once per unit under one name, and ",
                 kStops, " on the duplicate names; serve each zone by one indoor unit");
    });
  }
}

void checkOutdoorUnits(const std::deque<Outdoor>& outdoor, const VrfMembership& members,
                       const Target& target, Diagnostics& d) {
  Problem emptyName(d, Severity::Severe, "outdoor units with an empty name");
  // The current releases run on without simulating it.
  Problem unused(d, target.current() ? Severity::Warning : Severity::Severe,
                 "outdoor units that serve no indoor unit");
  for (std::size_t i = 0; i < outdoor.size(); ++i) {
    const Outdoor& o = outdoor[i];
    const std::size_t served = members.membersOf(i).size();
    if (o.name.empty() && given(o, &Outdoor::name)) {
      emptyName(lineOf(o, &Outdoor::name), [&] {
        return cat(subject(o),
                   ": name is empty; its heat pump, terminal unit list and condenser node are "
                   "written without a name and ",
                   kStops, "; give it a name and write that name into the outdoorUnitName of ",
                   served == 0
                       ? std::string("its indoor units")
                       : cat("the ", counted(served, "indoor unit"), " that leave it empty"));
      });
    } else if (served == 0 && given(o, &Outdoor::name) && !members.repeatsName(i)) {
      unused(o.lines.classLine, [&] {
        return cat(subject(o),
                   ": no indoor unit names it in its outdoorUnitName; its terminal unit list is "
                   "written empty and ",
                   target.current() ? "EnergyPlus runs, but never simulates the unit" : kStops,
                   "; name it in the outdoorUnitName of the indoor units it serves, or remove it");
      });
    }
  }
}

}  // namespace

void checkTemplates(const ScanResult& scanned, const FileNames& names, const VrfMembership& members,
                    std::optional<VrfLayout> layout, Diagnostics& diagnostics) {
  const TemplateLists& t = scanned.templates;
  const bool anyTemplate =
      !t.thermostats.empty() || !t.indoorUnits.empty() || !t.outdoorUnits.empty();
  if (anyTemplate) checkVersionObjects(scanned.versions, diagnostics);
  checkObjectLines(t, diagnostics);
  checkTabs(t, layout ? &members : nullptr, diagnostics);
  if (!t.outdoorUnits.empty() && !layout) checkVersion(scanned, diagnostics);
  if (!t.indoorUnits.empty() && t.outdoorUnits.empty()) {
    diagnostics.warning(Severity::Warning, 0,
                        cat(counted(t.indoorUnits.size(), "indoor unit"),
                            " but no outdoor unit; nothing is generated for them, so their zones "
                            "get no HVAC; add a ",
                            Outdoor::kClassName, " and name it in their outdoorUnitName"));
  }
  const Target target{releaseOf(scanned.version())};
  checkThermostatValues(t.thermostats, target, diagnostics);
  checkNames(t, names, members, layout.has_value(), target, diagnostics);
  if (!layout) return;
  const VrfVersion vrf = layout->objects;
  checkOutdoorUnits(t.outdoorUnits, members, target, diagnostics);
  const ServedZones zones(t.indoorUnits);
  checkOutdoorValues(t.outdoorUnits, zones, members, names, vrf, target, diagnostics);
  // The values of the indoor units are checked in the same pass over them; their messages
  // follow those of the units.
  Diagnostics valueMessages;
  {
    IndoorValueChecks values(vrf, target, valueMessages);
    checkIndoorUnits(scanned, members, vrf, values, diagnostics);
  }
  diagnostics.add(valueMessages);
  checkZones(zones, diagnostics);
}

}  // namespace vak
