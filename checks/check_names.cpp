#include "checks/check_names.h"

#include <string>
#include <string_view>

#include "checks/check_report.h"

namespace vak {

namespace {

using Indoor = VRVUnidadInterior;
using Outdoor = VRVUnidadExterior;

constexpr std::string_view kStops = "EnergyPlus stops with a severe error";

// Names as EnergyPlus compares them, and the first line that gave each.
using NameIndex = NameMap<std::size_t>;

NameIndex indexOf(const NameList& named) {
  NameIndex index(named.size());
  for (const NamedAt& n : named) index.try_emplace(n.name, n.line);
  return index;
}

// Templates of one class sharing a name: EnergyPlus stops on the objects written twice.
template <class R>
void checkDuplicates(const std::deque<R>& records, std::string_view kind,
                     std::string_view writtenTwice, std::ostream& d) {
  Problem duplicate(d, cat(kind, "s that share a name"));
  NameMap<const R*> seen(records.size());
  for (const R& r : records) {
    if (r.name.empty() || !given(r, &R::name)) continue;
    const auto [found, first] = seen.try_emplace(r.name, &r);
    if (first) continue;
    const R& earlier = *found->second;
    duplicate(lineOf(r, &R::name), [&] {
      const std::string same =
          earlier.name == r.name
              ? cat("the name is already used by the ", kind, " at line ", earlier.lines.classLine)
              : cat("the name differs only in letter case or in blanks at its ends from ",
                    quoted(earlier.name), ", the ", kind, " at line ", earlier.lines.classLine,
                    ", and EnergyPlus does not tell such names apart");
      return cat(subject(r), ": ", same, "; ", writtenTwice, " and ", kStops,
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
      if (!setpoint->empty()) written.keep(th.name + "_" + *setpoint);
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
  References(const TemplateLists& t, const FileNames& names, bool vrf, std::ostream& d)
      : zones_(indexOf(names.zones)),
        schedules_(indexOf(names.schedules)),
        written_(writtenSchedules(t, vrf)),
        noZone_(d, "template fields naming a zone that no Zone defines"),
        noSchedule_(d, "template fields naming a schedule that nothing defines") {}

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
  void add(const std::string& name) {
    if (!name.empty()) keys.insert(name);
  }
};

// The modeller's own objects that the program writes again for a served zone, and schedules
// of the file that carry the name of a schedule the program writes.
void checkCollisions(const TemplateLists& t, const FileNames& names, const VrfMembership& members,
                     bool vrf, std::ostream& d) {
  Problem schedule(d, "schedules of the file named like a schedule the program writes");
  const NameKeys written = writtenSchedules(t, vrf);
  if (written.empty()) return;  // no template writes anything
  for (const NamedAt& s : names.schedules) {
    if (!written.contains(s.name)) continue;
    schedule(s.line, [&] {
      return cat("schedule ", quoted(s.name),
                 " has the name of a schedule that the program writes; ", kStops,
                 " on the duplicate name; rename this schedule and what refers to it");
    });
  }
  if (!vrf || (names.connectionZones.empty() && names.thermostatZones.empty())) return;
  // Equipment connections are written for every indoor unit, zone controls for those written.
  NameMap<const Indoor*> connected(t.indoorUnits.size()), controlled(t.indoorUnits.size());
  for (std::size_t i = 0; i < t.indoorUnits.size(); ++i) {
    const Indoor& u = t.indoorUnits[i];
    connected.try_emplace(u.zoneName, &u);
    if (members.isMember(i)) controlled.try_emplace(u.zoneName, &u);
  }
  Problem connection(d,
                     "ZoneHVAC:EquipmentConnections of the file for a zone an indoor unit serves");
  for (const NamedAt& c : names.connectionZones) {
    const auto found = connected.find(c.name);
    if (found == connected.end()) continue;
    const Indoor* unit = found->second;
    connection(c.line, [&] {
      return cat("ZoneHVAC:EquipmentConnections for zone ", quoted(c.name),
                 ": the program writes the zone's equipment connections as well, for ",
                 subject(*unit), " (line ", unit->lines.classLine, "); ", kStops,
                 " on a zone connected twice; remove this object, or serve the zone "
                 "without an indoor unit");
    });
  }
  Problem control(d, "ZoneControl:Thermostat of the file for a zone an indoor unit controls");
  for (const NamedAt& c : names.thermostatZones) {
    const auto found = controlled.find(c.name);
    if (found == controlled.end()) continue;
    const Indoor* unit = found->second;
    control(c.line, [&] {
      return cat("ZoneControl:Thermostat for zone ", quoted(c.name),
                 ": the program writes a zone control for it as well, for ", subject(*unit),
                 " (line ", unit->lines.classLine, "); a zone takes one thermostat, and ", kStops,
                 "; remove this object and set the set-points in the thermostat template");
    });
  }
}

}  // namespace

NameKeys namesLookedUp(const TemplateLists& t, const VrfMembership& members, bool vrf) {
  NameKeys keys = writtenSchedules(t, vrf);
  NamesReferred referred{keys};
  visitReferences(t, members, vrf, referred);
  return keys;
}

void checkNames(const TemplateLists& t, const FileNames& names, const VrfMembership& members,
                bool vrf, std::ostream& d) {
  checkDuplicates(t.thermostats, "thermostat",
                  "its dual set-point object and constant schedules are written twice", d);
  if (vrf) {
    checkDuplicates(t.outdoorUnits, "outdoor unit", "the objects of that system are written twice",
                    d);
    checkDuplicates(t.indoorUnits, "indoor unit",
                    "its terminal unit, fan, mixer, coils and nodes are written twice", d);
  }
  checkCollisions(t, names, members, vrf, d);

  // Only names that the checks below would look up make a file without zones worth a note.
  bool refersToTheFile = vrf && !t.indoorUnits.empty();
  for (const Termostato& th : t.thermostats) {
    refersToTheFile =
        refersToTheFile || !th.heatingScheduleName.empty() || !th.coolingScheduleName.empty();
  }
  if (!refersToTheFile) return;
  if (!names.anyZone) {
    note(d) << "the file defines no Zone, so it is taken for a part of a model: the zones and "
               "schedules that templates name are not checked\n";
    return;
  }
  References refs(t, names, vrf, d);
  visitReferences(t, members, vrf, refs);
}

}  // namespace vak
