#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "checks/design_days.h"
#include "checks/name_keys.h"

namespace vak {

// A name that an ordinary object of the input gives, and the line of that object's class name.
struct NamedAt {
  std::string name;  // as written, blanks at the ends removed
  std::size_t line;
};

// The names of one kind, in input order.
using NameList = std::deque<NamedAt>;

// An object of the input that carries the name of an object the program writes.
struct ClassAndName {
  std::string className;  // as written, blanks at the ends removed
  std::string name;
  std::size_t line;
};

// The names of the ordinary objects that templates refer to or could collide with: of each
// class, only the names among those looked for.
struct FileNames {
  bool anyZone = false;              // the file defines a Zone, looked for or not
  NameList zones;                    // Zone
  NameList schedules;                // Schedule:Compact, :Constant, :Year, :File
  NameList thermostatZones;          // the zone (or zone list) of a ZoneControl:Thermostat
  NameList connectionZones;          // the zone of a ZoneHVAC:EquipmentConnections
  std::deque<ClassAndName> written;  // objects named like one the program writes
  NameList sizingZones;              // the zone of a Sizing:Zone, among the autosized units'
  NameList listedZones;              // those zones where a ZoneList holds them
  // Every SizingPeriod:DesignDay, for the design checks.
  std::vector<DesignDay> designDays;
};

class WrittenNames;

// What the names pass looks for: the names that templates use, among them the zones whose
// units ask for autosize, and the objects named like one the program writes.
struct NamesWanted {
  NameKeys names;                // zones and schedules that templates name, schedules written
  NameKeys autosizedZones = {};  // the zones of written indoor units with an autosized field
  const WrittenNames* written = nullptr;  // null when the program writes nothing
};

// Keeps the names that objects of a few classes give, when they are looked for, and the objects
// that carry the name of one the program writes. The reader hands over one field at a time, so
// that no line is held whole.
class NameCollector {
 public:
  // Where the names of one class are read and kept: from one field, or from every field from
  // that one on (the zones of a ZoneList).
  struct Target {
    std::string_view className;
    std::size_t field;  // which field holds the name, from 1
    NameList FileNames::*list;
    NameKeys NamesWanted::*keys;  // the names kept
    bool everyFieldOn = false;
  };

  NameCollector(FileNames& names, const NamesWanted& wanted) : names_(names), wanted_(wanted) {}

  // Where the names of objects of this class, as written before the first ",", go; null when
  // they are not collected.
  static const Target* targetOf(std::string_view className);

  // Whether an object of this class may carry the name of one the program writes.
  bool mayCollide(std::string_view className) const;

  // The most characters of field `field` of an object of the class worth reading: no longer
  // value is one looked for.
  std::size_t longest(const Target* target, bool collides, std::size_t field) const;

  // Field `field` of an object of the class whose class line is `line`: its value as read, and
  // whether it was cut off after longest() characters.
  void add(std::string_view className, const Target* target, bool collides, std::size_t field,
           std::string_view value, bool cut, std::size_t line);

 private:
  FileNames& names_;
  const NamesWanted& wanted_;
};

}  // namespace vak
