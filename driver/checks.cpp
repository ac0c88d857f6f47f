#include "driver/checks.h"

#include <cctype>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "templates/diagnostics.h"

namespace vak {

namespace {

using U = VRVUnidadInterior;
using O = VRVUnidadExterior;

constexpr std::size_t kShownPerProblem = 3;

// One kind of problem: the first few occurrences in full, then how many more there were.
class Problem {
 public:
  Problem(std::ostream& diagnostics, std::string_view more)
      : diagnostics_(diagnostics), more_(more) {}
  Problem(const Problem&) = delete;
  Problem& operator=(const Problem&) = delete;
  ~Problem() {
    if (count_ > kShownPerProblem) {
      warning(diagnostics_) << count_ - kShownPerProblem << " more " << more_ << '\n';
    }
  }

  void operator()(const std::string& message) {
    if (++count_ <= kShownPerProblem) warning(diagnostics_) << message << '\n';
  }

 private:
  std::ostream& diagnostics_;
  std::string_view more_;
  std::size_t count_ = 0;
};

// A unit by its name, or by its place in its list when the name is empty.
std::string label(const std::string& name, std::size_t index) {
  if (!name.empty()) return quoted(name);
  std::string position(1, '#');
  position += std::to_string(index + 1);
  return position;
}

std::string indoorUnit(const U& u, std::size_t index) {
  return "indoor unit " + label(u.name, index);
}
std::string outdoorUnit(const O& o, std::size_t index) {
  return "outdoor unit " + label(o.name, index);
}

std::string units(std::size_t count, std::string_view what) {
  std::string text = std::to_string(count);
  text.append(" ").append(what);
  if (count != 1) text += 's';
  return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

void checkVersion(const ScanResult& scanned, std::ostream& d) {
  const std::size_t count = scanned.templates.outdoorUnits.size();
  if (scanned.version.empty()) {
    warning(d) << units(count, "outdoor unit")
               << " but no Version value was read; no VRF object is written\n";
  } else {
    warning(d) << units(count, "outdoor unit") << " but the Version value is "
               << quoted(scanned.version) << ", not \"7.1\" or \"8.0\"; no VRF object is written\n";
  }
  Problem notTaken(d, "Version objects not read as the version");
  for (std::size_t line : scanned.versionObjectsNotTaken) {
    notTaken("line " + std::to_string(line) +
             ": this Version object is not read as the version; write \"Version,\" at the start of "
             "its own "
             "line and the value on the next line, such as \"  8.0;\"");
  }
}

void checkIndoorUnits(const ScanResult& scanned, const VrfMembership& members, VrfVersion version,
                      std::ostream& d) {
  const auto& indoor = scanned.templates.indoorUnits;
  const auto& thermostats = scanned.templates.thermostats;
  std::unordered_set<std::string_view> thermostatNames;
  for (const Termostato& t : thermostats) thermostatNames.insert(t.name);

  Problem emptyName(d, "indoor units with an empty name");
  Problem emptyZone(d, "indoor units with an empty zoneName");
  Problem emptyOutdoor(d, "indoor units with an empty outdoorUnitName");
  Problem dangling(d, "indoor units naming an outdoor unit that does not exist");
  Problem noThermostat(d, "indoor units naming a thermostat that does not exist");
  Problem placement(d, "indoor units whose fanPlacement is not DrawThrough");
  Problem availability(d, "indoor units with an empty availabilityScheduleName");
  for (std::size_t i = 0; i < indoor.size(); ++i) {
    const U& u = indoor[i];
    if (u.name.empty()) emptyName(indoorUnit(u, i) + " has an empty name");
    if (u.zoneName.empty()) emptyZone(indoorUnit(u, i) + " has an empty zoneName");
    if (u.outdoorUnitName.empty()) emptyOutdoor(indoorUnit(u, i) + " has an empty outdoorUnitName");
    if (!members.hasOutdoorUnit(u.outdoorUnitName)) {
      if (!u.outdoorUnitName.empty()) {
        dangling(indoorUnit(u, i) + " names outdoor unit " + quoted(u.outdoorUnitName) +
                 ", which does not exist; its equipment list names a terminal unit that is never "
                 "written");
      }
      continue;  // nothing more of it is written
    }
    if (!thermostats.empty() && thermostatNames.count(u.thermostatName) == 0) {
      noThermostat(indoorUnit(u, i) + " names thermostat " + quoted(u.thermostatName) +
                   ", which does not exist; its zone control names " +
                   quoted(u.thermostatName + " DualSetPoint") + ", which is never written");
    }
    if (!equalsIgnoringCase(u.fanPlacement, "DrawThrough")) {
      placement(indoorUnit(u, i) + " has fanPlacement " + quoted(u.fanPlacement) +
                "; the generated air path puts the fan after the heating coil, a draw-through "
                "arrangement, so "
                "write DrawThrough");
    }
    if (version == VrfVersion::V7_1 && u.availabilityScheduleName.empty()) {
      availability(indoorUnit(u, i) +
                   " has an empty availabilityScheduleName, which the \"7.1\" coils require");
    }
  }
  if (thermostats.empty()) {
    warning(d)
        << "VRF objects are written but there is no thermostat template, so \"CualquierValor\", "
           "\"Siempre 4\" and the zone controls' DualSetPoint objects are never defined\n";
  }
}

void checkZones(const std::deque<U>& indoor, std::ostream& d) {
  std::unordered_map<std::string_view, std::vector<std::size_t>> byZone;
  std::vector<std::string_view> zones;  // in order of first appearance
  for (std::size_t i = 0; i < indoor.size(); ++i) {
    auto& units = byZone[indoor[i].zoneName];
    if (units.empty()) zones.push_back(indoor[i].zoneName);
    units.push_back(i);
  }
  Problem shared(d, "zones served by more than one indoor unit");
  for (std::string_view zone : zones) {
    const std::vector<std::size_t>& units = byZone[zone];
    if (units.size() < 2) continue;
    std::string message = "zone " + quoted(zone) + " is served by " + std::to_string(units.size()) +
                          " indoor units (";
    for (std::size_t k = 0; k < units.size() && k < kShownPerProblem; ++k) {
      message += (k ? ", " : "") + label(indoor[units[k]].name, units[k]);
    }
    message += units.size() > kShownPerProblem ? ", ...)" : ")";
    shared(
        message +
        "; its node lists, equipment connections, equipment list and zone control are written once "
        "per unit under one name");
  }
}

void checkOutdoorUnits(const std::deque<O>& outdoor, const VrfMembership& members,
                       std::ostream& d) {
  Problem emptyName(d, "outdoor units with an empty name");
  Problem unused(d, "outdoor units that serve no indoor unit");
  for (std::size_t i = 0; i < outdoor.size(); ++i) {
    if (outdoor[i].name.empty()) emptyName(outdoorUnit(outdoor[i], i) + " has an empty name");
    if (members.membersOf(i).empty()) {
      unused(outdoorUnit(outdoor[i], i) +
             " serves no indoor unit; its terminal unit list is written empty");
    }
  }
}

}  // namespace

void checkTemplates(const ScanResult& scanned, const VrfMembership& members,
                    std::optional<VrfVersion> vrf, std::ostream& diagnostics) {
  const TemplateLists& t = scanned.templates;
  if (!t.outdoorUnits.empty() && !vrf) checkVersion(scanned, diagnostics);
  if (!t.indoorUnits.empty() && t.outdoorUnits.empty()) {
    warning(diagnostics) << units(t.indoorUnits.size(), "indoor unit")
                         << " but no outdoor unit; nothing is generated for them\n";
  }
  if (!vrf) return;
  checkOutdoorUnits(t.outdoorUnits, members, diagnostics);
  checkIndoorUnits(scanned, members, *vrf, diagnostics);
  checkZones(t.indoorUnits, diagnostics);
}

}  // namespace vak
