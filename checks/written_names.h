#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checks/name_keys.h"
#include "templates/records.h"
#include "writers/vrf_membership.h"

namespace vak {

// An object that the program writes, as a message names it: its class and name, and the
// template that makes the program write it (its class line, 0 for none).
struct WrittenObject {
  std::string_view className;
  std::string name;
  std::string cause;
  std::size_t causeLine = 0;
};

// The names of the objects the program writes, to find the modeller's objects that carry one:
// EnergyPlus stops on the duplicate name. Names are compared as EnergyPlus compares them,
// within a class, or within all curve classes and all schedule classes, where EnergyPlus keeps
// names apart across classes. Derived names are matched by their fixed ends, so nothing is
// built per unit.
class WrittenNames {
 public:
  WrittenNames(const TemplateLists& templates, const VrfMembership& members, bool vrf);

  // Whether objects of this class may carry the name of a written object. Cheap: the names
  // pass asks it of every object.
  bool mayCollide(std::string_view className) const;

  // Whether an object of this class and name may be taken for a written one: its name is a
  // fixed one or ends as derived ones do. Cheap, for the names pass; find tells.
  bool mayBeWritten(std::string_view className, std::string_view name) const;

  // The written object that an object of the file, of `className` and named `name`, would be
  // taken for. The first call indexes the templates' names.
  std::optional<WrittenObject> find(std::string_view className, std::string_view name);

  // No longer name, blanks at its ends left out, is the name of a written object.
  std::size_t longest() const { return longest_; }

 private:
  void index();

  const TemplateLists& t_;
  const VrfMembership& members_;
  bool vrf_;
  std::size_t longest_ = 0;
  bool indexed_ = false;
  // The classes, outside the groups of curves and schedules, of the objects written; and
  // whether a fan is, whose class the unit's fan mode chooses.
  std::vector<std::string_view> classes_;
  bool fans_ = false;
  NameMap<const Termostato*> thermostats_;
  std::deque<std::string> constantNames_;  // the constant set-point schedules' names
  NameMap<const Termostato*> constants_;
  NameMap<const VRVUnidadInterior*> written_;     // indoor units whose block is written
  NameMap<const VRVUnidadInterior*> zones_;       // every indoor unit's zone, when VRF is written
  NameMap<const VRVUnidadInterior*> controlled_;  // the zones of written indoor units
  NameMap<const VRVUnidadExterior*> outdoor_;
};

}  // namespace vak
