#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

#include "checks/name_keys.h"

namespace vak {

// A name that an ordinary object of the input gives, and the line of that object's class name.
struct NamedAt {
  std::string name;  // as written, blanks at the ends removed
  std::size_t line;
};

// The names of one kind, in input order.
using NameList = std::deque<NamedAt>;

// The names of the ordinary objects that templates refer to or could collide with: of each
// class, only the names among those looked for.
struct FileNames {
  bool anyZone = false;      // the file defines a Zone, looked for or not
  NameList zones;            // Zone
  NameList schedules;        // Schedule:Compact, :Constant, :Year, :File
  NameList thermostatZones;  // the zone (or zone list) of a ZoneControl:Thermostat
  NameList connectionZones;  // the zone of a ZoneHVAC:EquipmentConnections
};

// What the names of the classes whose names are collected begin with.
inline constexpr std::string_view kNamedClassBeginnings[] = {"Zone", "Schedule:"};

// Keeps the names that objects of those classes give, when they are looked for. The reader
// hands over only the field that holds the name, so that no line is held whole.
class NameCollector {
 public:
  // Where the names of one class are read and kept.
  struct Target {
    std::string_view className;
    std::size_t field;  // which field holds the name, from 1
    NameList FileNames::*list;
  };

  NameCollector(FileNames& names, const NameKeys& wanted) : names_(names), wanted_(wanted) {}

  // Where the names of objects of this class, as written before the first ",", go; null when
  // they are not collected.
  static const Target* targetOf(std::string_view className);

  // The most characters of a name worth reading: a longer name is none of those looked for.
  std::size_t longest() const { return wanted_.longest(); }

  // The name field of an object of the target's class whose class line is `line`: its value
  // as read, and whether it was cut off after longest() characters.
  void add(const Target& target, std::string_view name, bool cut, std::size_t line);

 private:
  FileNames& names_;
  const NameKeys& wanted_;
};

}  // namespace vak
