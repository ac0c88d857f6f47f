#include "checks/check_names.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "checks/check_report.h"
#include "checks/written_names.h"
#include "writers/thermostat.h"

namespace vak {

namespace {

using Indoor = VRVUnidadInterior;
using Outdoor = VRVUnidadExterior;

// Names as EnergyPlus compares them, and the first line that gave each.
using NameIndex = NameMap<std::size_t>;

NameIndex indexOf(const NameList& named) {
  NameIndex index(named.size());
  for (const NamedAt& n : named) index.try_emplace(n.name, n.line);
  return index;
}

// What EnergyPlus does with two objects whose names differ only in letter case or in blanks at
// their ends, where it does not stop on them; none where it does.
struct CaseOnly {
  Severity severity;
  std::string consequence;
};

// Templates of one class sharing a name: EnergyPlus stops on the objects written twice, unless
// `caseOnly` says otherwise for names that differ only in letter case or end blanks.
// `spelledAlike` adds what a name spelled exactly as the earlier one changes.
template <class R, class CaseOnlyOf>
void checkDuplicates(const std::deque<R>& records, std::string_view kind,
                     std::string_view writtenTwice, Diagnostics& d, CaseOnlyOf caseOnlyOf,
                     std::string_view spelledAlike = {}) {
  Problem duplicate(d, Severity::Severe, cat(kind, "s that share a name"));
  NameMap<const R*> seen(records.size());
  for (const R& r : records) {
    if (r.name.empty() || !given(r, &R::name)) continue;
    const auto [found, first] = seen.try_emplace(r.name, &r);
    if (first) continue;
    const R& earlier = *found->second;
    const std::optional<CaseOnly> caseOnly =
        earlier.name == r.name ? std::nullopt : caseOnlyOf(r, earlier);
    if (caseOnly) {
      duplicate(lineOf(r, &R::name), caseOnly->severity, [&] {
        return cat(subject(r),
                   ": the name differs only in letter case or in blanks at its ends "
                   "from ",
                   quoted(earlier.name), ", the ", kind, " at line ", earlier.lines.classLine, "; ",
                   caseOnly->consequence, "; give each ", kind, " its own name");
      });
      continue;
    }
    duplicate(lineOf(r, &R::name), [&] {
      const std::string same =
          earlier.name == r.name
              ? cat("the name is already used by the ", kind, " at line ", earlier.lines.classLine)
              : cat("the name differs only in letter case or in blanks at its ends from ",
                    quoted(earlier.name), ", the ", kind, " at line ", earlier.lines.classLine,
                    ", and EnergyPlus does not tell such names apart");
      return cat(subject(r), ": ", same, "; ", writtenTwice,
                 earlier.name == r.name ? spelledAlike : "", " and ", kStops,
                 " on the duplicate names; give each ", kind, " its own name");
    });
  }
}

// The schedules that the program itself writes, by name.
NameKeys writtenSchedules(const TemplateLists& t, bool vrf) {
  NameKeys written;
  if (!t.thermostats.empty()) written.insert("Siempre 4");
  for (const Termostato& th : t.thermostats) {
    for (const std::string* setpoint : {&th.heatingSetpoint, &th.coolingSetpoint}) {
      if (!setpoint->empty()) written.keep(constantScheduleName(th, *setpoint));
    }
  }
  if (vrf) {
    written.insert("Fancycling");
    written.insert("Fan vrv on");
  }
  return written;
}

class References {
 public:
  References(const TemplateLists& t, const FileNames& names, bool vrf, Diagnostics& d)
      : zones_(indexOf(names.zones)),
        schedules_(indexOf(names.schedules)),
        written_(writtenSchedules(t, vrf)),
        noZone_(d, Severity::Severe, "template fields naming a zone that no Zone defines"),
        noSchedule_(d, Severity::Severe, "template fields naming a schedule that nothing defines") {
  }

  template <class R>
  void zone(const R& r, std::string R::*member) {
    const std::string& value = r.*member;
    if (value.empty() || !given(r, member) || zones_.contains(value)) return;
    noZone_(lineOf(r, member), [&] {
      return cat(subject(r), ": ", nameOf<R>(member), " ", quoted(value),
                 " names no Zone of the file; the equipment connections and zone control written "
                 "for it name a zone that does not exist and ",
                 kStops, "; define Zone ", quoted(value), " or write the name of one of its zones");
    });
  }

  // The outdoor unit's checks report a master thermostat zone that is no zone.
  void masterZone(const Outdoor&) {}

  template <class R>
  void schedule(const R& r, std::string R::*member) {
    const std::string& value = r.*member;
    if (value.empty() || !given(r, member)) return;
    if (schedules_.contains(value) || written_.contains(value)) return;
    noSchedule_(lineOf(r, member), [&] {
      return cat(subject(r), ": ", nameOf<R>(member), " ", quoted(value),
                 " names no schedule: no Schedule:Compact, Schedule:Constant, Schedule:Year or "
                 "Schedule:File of the file has that name, nor does the program write one; ",
                 kStops, "; define the schedule or correct the name");
    });
  }

 private:
  NameIndex zones_;
  NameIndex schedules_;
  NameKeys written_;
  Problem noZone_;
  Problem noSchedule_;
};

// The template fields that name a zone or a schedule of the file, as EnergyPlus looks them up:
// `refs.zone(record, member)` or `refs.schedule(record, member)` for each.
template <class Refs>
void visitReferences(const TemplateLists& t, const VrfMembership& members, bool vrf, Refs& refs) {
  for (const Termostato& th : t.thermostats) {
    refs.schedule(th, &Termostato::heatingScheduleName);
    refs.schedule(th, &Termostato::coolingScheduleName);
  }
  if (!vrf) return;
  for (const Outdoor& o : t.outdoorUnits) {
    refs.schedule(o, &Outdoor::availabilityScheduleName);
    refs.masterZone(o);
    // EnergyPlus looks the priority schedule up only for the Scheduled control type.
    if (equalsIgnoringCase(trimmed(o.masterThermostatPriorityControlType), "Scheduled")) {
      refs.schedule(o, &Outdoor::thermostatPriorityScheduleName);
    }
  }
  for (std::size_t i = 0; i < t.indoorUnits.size(); ++i) {
    const Indoor& u = t.indoorUnits[i];
    refs.zone(u, &Indoor::zoneName);
    if (members.isMember(i)) refs.schedule(u, &Indoor::availabilityScheduleName);
  }
}

// The names that those fields give, for the names pass.
struct NamesReferred {
  NameKeys& keys;

  template <class R>
  void zone(const R& r, std::string R::*member) {
    add(r.*member);
  }
  template <class R>
  void schedule(const R& r, std::string R::*member) {
    add(r.*member);
  }
  void masterZone(const Outdoor& o) { add(o.masterThermostatZoneName); }
  void add(const std::string& name) {
    if (!name.empty()) keys.insert(name);
  }
};

// Objects of the file named like an object the program writes: EnergyPlus stops on the name
// written twice. A zone control of a zone whose control the program writes, one of
// `controlled`, is reported as such.
void checkWrittenNames(const TemplateLists& t, const FileNames& names, const VrfMembership& members,
                       bool vrf, const NameMap<const Indoor*>& controlled, Diagnostics& d) {
  if (names.written.empty()) return;
  WrittenNames written(t, members, vrf);
  std::vector<std::size_t> controlLines;
  for (const NamedAt& c : names.thermostatZones) {
    if (controlled.contains(c.name)) controlLines.push_back(c.line);
  }
  Problem twice(d, Severity::Severe, "objects of the file named like an object the program writes");
  for (const ClassAndName& o : names.written) {
    const std::optional<WrittenObject> w = written.find(o.className, o.name);
    if (!w || std::find(controlLines.begin(), controlLines.end(), o.line) != controlLines.end()) {
      continue;
    }
    twice(o.line, [&] {
      const bool sameClass = equalsIgnoringCase(o.className, w->className);
      const std::string_view group = w->className.starts_with("Curve:") ? "curve" : "schedule";
      return cat(o.className, " ", quoted(o.name), ": the program writes ",
                 sameClass ? std::string("an object of this class and name")
                           : cat("a ", w->className, " of this name, and ", group,
                                 " names must differ across all ", group, " classes"),
                 ", for ", w->cause, " (line ", w->causeLine, "); ", kStops,
                 " on the duplicate name; rename this object and what refers to it");
    });
  }
}

// The fields of an indoor unit whose autosize EnergyPlus sizes from a zone sizing run: the
// terminal unit's air flows and the coils' capacities.
constexpr std::string Indoor::*kSizedFromZone[] = {
    &Indoor::supplyAirFlowRate, &Indoor::outdoorAirFlowRate, &Indoor::ratedCoolingCapacity,
    &Indoor::ratedHeatingCapacity};

// The first field of a written indoor unit that asks for autosize, if any.
std::string Indoor::*autosized(const Indoor& u) {
  for (std::string Indoor::*member : kSizedFromZone) {
    // The word first: given() reads more, and most values are numbers.
    if (equalsIgnoringCase(trimmed(u.*member), "autosize") && given(u, member)) return member;
  }
  return nullptr;
}

// Autosized units in zones without a Sizing:Zone. A zone that a ZoneList holds may be sized
// through it, which is not followed: no message then.
void checkZoneSizing(const TemplateLists& t, const FileNames& names, const VrfMembership& members,
                     Diagnostics& d) {
  if (!names.anyZone) return;
  NameMap<bool> sized(names.sizingZones.size() + names.listedZones.size());
  for (const NamedAt& z : names.sizingZones) sized.try_emplace(z.name, true);
  for (const NamedAt& z : names.listedZones) sized.try_emplace(z.name, true);
  Problem unsized(d, Severity::Severe, "autosized indoor units in zones without Sizing:Zone");
  for (std::size_t i = 0; i < t.indoorUnits.size(); ++i) {
    const Indoor& u = t.indoorUnits[i];
    std::string Indoor::*field = members.isMember(i) ? autosized(u) : nullptr;
    if (field == nullptr || u.zoneName.empty() || sized.contains(u.zoneName)) continue;
    unsized(lineOf(u, field), [&] {
      return cat(subject(u), ": ", nameOf<Indoor>(field),
                 " is autosize, but the file has no Sizing:Zone for its zone ", quoted(u.zoneName),
                 "; EnergyPlus sizes the terminal unit's flows and the coils' capacities from a "
                 "zone sizing run, and without one ",
                 kStops, " (\"a zone sizing run must be done\"); add a Sizing:Zone for ",
                 quoted(u.zoneName),
                 " with zone sizing turned on in SimulationControl, or write "
                 "the numbers");
    });
  }
}

// The modeller's own objects that the program writes again for a served zone, and objects of
// the file that carry the name of an object the program writes.
void checkCollisions(const TemplateLists& t, const FileNames& names, const VrfMembership& members,
                     bool vrf, Diagnostics& d) {
  // Equipment connections are written for every indoor unit, zone controls for those written.
  NameMap<const Indoor*> connected, controlled;
  const bool anyZoneObject = !names.connectionZones.empty() || !names.thermostatZones.empty();
  if (vrf && anyZoneObject) {
    connected.reserve(t.indoorUnits.size());
    controlled.reserve(t.indoorUnits.size());
    for (std::size_t i = 0; i < t.indoorUnits.size(); ++i) {
      const Indoor& u = t.indoorUnits[i];
      connected.try_emplace(u.zoneName, &u);
      if (members.isMember(i)) controlled.try_emplace(u.zoneName, &u);
    }
  }
  checkWrittenNames(t, names, members, vrf, controlled, d);
  if (!vrf || !anyZoneObject) return;
  // The file's objects for a zone that the program writes the same object for.
  const auto reportZones = [](const NameList& objects, const NameMap<const Indoor*>& units,
                              Problem& problem, auto text) {
    for (const NamedAt& c : objects) {
      const auto found = units.find(c.name);
      if (found != units.end()) problem(c.line, [&] { return text(c, *found->second); });
    }
  };
  Problem connection(d, Severity::Severe,
                     "ZoneHVAC:EquipmentConnections of the file for a zone an indoor unit serves");
  reportZones(names.connectionZones, connected, connection, [](const NamedAt& c, const Indoor& u) {
    return cat("ZoneHVAC:EquipmentConnections for zone ", quoted(c.name),
               ": the program writes the zone's equipment connections as well, for ", subject(u),
               " (line ", u.lines.classLine, "); ", kStops,
               " on a zone connected twice; remove this object, or serve the zone "
               "without an indoor unit");
  });
  Problem control(d, Severity::Severe,
                  "ZoneControl:Thermostat of the file for a zone an indoor unit controls");
  reportZones(names.thermostatZones, controlled, control, [](const NamedAt& c, const Indoor& u) {
    return cat("ZoneControl:Thermostat for zone ", quoted(c.name),
               ": the program writes a zone control for it as well, for ", subject(u), " (line ",
               u.lines.classLine, "); a zone takes one thermostat, and ", kStops,
               "; remove this object and set the set-points in the thermostat template");
  });
}

}  // namespace

NameKeys autosizedZones(const TemplateLists& t, const VrfMembership& members, bool vrf) {
  NameKeys zones;
  for (std::size_t i = 0; vrf && i < t.indoorUnits.size(); ++i) {
    const Indoor& u = t.indoorUnits[i];
    if (members.isMember(i) && autosized(u) != nullptr && !u.zoneName.empty()) {
      zones.insert(u.zoneName);
    }
  }
  return zones;
}

NameKeys namesLookedUp(const TemplateLists& t, const VrfMembership& members, bool vrf) {
  NameKeys keys = writtenSchedules(t, vrf);
  NamesReferred referred{keys};
  visitReferences(t, members, vrf, referred);
  return keys;
}

void checkNames(const TemplateLists& t, const FileNames& names, const VrfMembership& members,
                bool vrf, const Target& target, Diagnostics& d) {
  // The current releases keep objects apart whose names differ in letter case, and stop only
  // on constant schedules that then share a name; a name looked up finds the first object.
  const auto thermostatCaseOnly = [&target](const Termostato& r,
                                            const Termostato& earlier) -> std::optional<CaseOnly> {
    if (!target.current()) return std::nullopt;
    for (const std::string* mine : {&r.heatingSetpoint, &r.coolingSetpoint}) {
      for (const std::string* theirs : {&earlier.heatingSetpoint, &earlier.coolingSetpoint}) {
        if (mine->empty() || theirs->empty()) continue;
        const std::string name = constantScheduleName(r, *mine);
        const std::string earlierName = constantScheduleName(earlier, *theirs);
        if (NameEqual{}(name, earlierName)) {
          return CaseOnly{Severity::Severe, cat("their constant schedules ", quoted(name), " and ",
                                                quoted(earlierName),
                                                " are written under one name "
                                                "and ",
                                                kStops)};
        }
      }
    }
    return CaseOnly{Severity::Warning,
                    cat("EnergyPlus runs, but looks up both set-point objects under the first "
                        "name, so the zones of both thermostats get the set-points of the one "
                        "at line ",
                        earlier.lines.classLine)};
  };
  const auto always = [](const auto&, const auto&) { return std::optional<CaseOnly>(); };
  checkDuplicates(t.thermostats, "thermostat",
                  "its dual set-point object and constant schedules are written twice", d,
                  thermostatCaseOnly);
  if (vrf) {
    checkDuplicates(t.outdoorUnits, "outdoor unit",
                    "its heat pump and terminal unit list are written twice", d, always,
                    ", the second time without indoor units (those that name it are written "
                    "once, under the first),");
    checkDuplicates(t.indoorUnits, "indoor unit",
                    "its terminal unit, fan, mixer, coils and nodes are written twice", d, always);
  }
  checkCollisions(t, names, members, vrf, d);
  if (vrf) checkZoneSizing(t, names, members, d);

  // Only names that the checks below would look up make a file without zones worth a note.
  bool refersToTheFile = vrf && !t.indoorUnits.empty();
  for (const Termostato& th : t.thermostats) {
    refersToTheFile =
        refersToTheFile || !th.heatingScheduleName.empty() || !th.coolingScheduleName.empty();
  }
  if (!refersToTheFile) return;
  if (!names.anyZone) {
    d.note(
        "the file defines no Zone, so it is taken for a part of a model: the zones and "
        "schedules that templates name are not checked");
    return;
  }
  References refs(t, names, vrf, d);
  visitReferences(t, members, vrf, refs);
}

}  // namespace vak
