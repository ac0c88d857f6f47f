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

// A deque grows without moving what it holds, which keeps long lists cheap to collect.
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
  bool anyZone = false;      // the file defines a Zone, looked for or not
  NameList zones;            // Zone
  NameList schedules;        // Schedule:Compact, :Constant, :Year, :File
  NameList thermostatZones;  // the zone (or zone list) of a ZoneControl:Thermostat
  NameList connectionZones;  // the zone of a ZoneHVAC:EquipmentConnections
  std::deque<ClassAndName> written;  // objects named like one the program writes
  NameList sizingZones;              // the zone of a Sizing:Zone, among the autosized units'
  NameList listedZones;              // those zones where a ZoneList holds them
  // Every SizingPeriod:DesignDay, for the design checks.
  std::vector<DesignDay> designDays;
};

// What the names of the classes whose names are collected begin with.
inline constexpr std::string_view kNamedClassBeginnings[] = {"Zone", "Schedule:"};

// Takes those names from the objects' lines. Only class lines and the lines of objects of the
// few classes above cost anything.
class NameCollector {
 public:
  NameCollector(FileNames& names, const NameKeys& wanted) : names_(names), wanted_(wanted) {}

  // An ordinary object opens: its class name as written before the first ",", the rest of the
  // line's code (comment removed), and the line's number.
  void open(std::string_view className, std::string_view rest, std::size_t line) {
    list_ = nullptr;
    if (const Wanted* w = wanted(className)) start(*w, rest, line);
  }

  // The code of a further line of the object opened last.
  void more(std::string_view code) {
    if (list_ != nullptr) walk(code);
  }

  // Objects of this class give a name that is collected.
  static bool collects(std::string_view className) { return wanted(className) != nullptr; }

  // The name of the object opened last is still to come.
  bool collecting() const { return list_ != nullptr; }

 private:
  struct Wanted {
    std::string_view className;
    std::size_t field;  // which field holds the name, from 1
    NameList FileNames::*list;
  };

  static const Wanted* wanted(std::string_view className);
  void start(const Wanted& w, std::string_view rest, std::size_t line);
  void walk(std::string_view code);

  FileNames& names_;
  const NameKeys& wanted_;
  NameList* list_ = nullptr;  // where the name goes; null when nothing is wanted
  std::size_t field_ = 0;     // the field being read, from 1
  std::size_t target_ = 0;
  std::size_t line_ = 0;
  std::string text_;  // the field's text so far
};

}  // namespace vak
