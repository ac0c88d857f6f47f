#pragma once

#include <cstddef>
#include <string>

// Generated inputs for measuring the conversion.
namespace vak::bench {

// An ordinary model of about `megabytes` MB: objects, comments and blank lines.
inline std::string ordinaryModel(std::size_t megabytes) {
  std::string text;
  text.reserve(megabytes << 20);
  for (int i = 0; text.size() < (megabytes << 20); ++i) {
    text += "BuildingSurface:Detailed,\n    Wall " + std::to_string(i) +
            ",                !- Name\n    Wall,                    !- Surface Type\n"
            "    Exterior Wall,           !- Construction Name\n    Zone " +
            std::to_string(i % 50) +
            ",                  !- Zone Name\n    Outdoors;                !- Outside Boundary "
            "Condition\n\n"
            "! ------------------------------------------------------------------\n";
  }
  return text;
}

// A model of about `megabytes` MB made only of the objects whose names the scan collects:
// zones, schedules, zone controls and equipment connections, fields on several lines.
inline std::string namedObjectsModel(std::size_t megabytes) {
  std::string text;
  text.reserve(megabytes << 20);
  for (int i = 0; text.size() < (megabytes << 20); ++i) {
    const std::string n = std::to_string(i);
    text +=
        "Zone,\n    Zone " + n +
        ",                !- Name\n    0,                       !- "
        "Direction of Relative North {deg}\n    0, 0, 0;                 !- X,Y,Z Origin {m}\n\n"
        "Schedule:Compact,\n    Sched " +
        n +
        ",     !- Name\n    Fraction,   !- Limits\n"
        "    Through: 12/31,  !- Field 1\n    For: AllDays,  !- Field 2\n"
        "    Until: 24:00, 1;  !- Field 3\n\n"
        "ZoneControl:Thermostat,\n    Zone " +
        n + " Control,  !- Name\n    Zone " + n +
        ",   !- Zone or ZoneList Name\n    Control Type Sch,  !- Control Type Schedule Name\n"
        "    ThermostatSetpoint:DualSetpoint,  !- Control 1 Object Type\n    Dual SP;\n\n";
  }
  return text;
}

// A model with `outdoor` outdoor units and `indoor` indoor units spread over them in turn, so
// that every outdoor unit's members are scattered through the indoor list.
inline std::string vrfModel(int outdoor, int indoor) {
  std::string text =
      "Version,\n  8.0;\nHVACVAKTemplate:Thermostat,\n  T1,\n  ,\n  21,\n  ,\n  25;\n";
  for (int o = 0; o < outdoor; ++o) {
    text +=
        "HVACVAKTemplate:VRVUnidadExterior,\n  OU" + std::to_string(o) +
        ",\n  AlwaysOn,\n  14000,\n  3.28,\n  15500,\n  3.55,\n  Z1,\n  MasterThermostatPriority,\n"
        "  ,\n  30,\n  8,\n  Resistive,\n  0;\n";
  }
  for (int i = 0; i < indoor; ++i) {
    text += "HVACVAKTemplate:VRVUnidadInterior,\n  U" + std::to_string(i) + ",\n  Z" +
            std::to_string(i) + ",\n  T1,\n  AlwaysOn,\n  " + (i % 2 ? "Auto" : "Constant") +
            ",\n  DrawThrough,\n  0.6,\n  75,\n  0.9,\n  1.0,\n  0.3,\n  3500,\n  0.75,\n  4000,\n "
            " 0.05,\n  OU" +
            std::to_string(i % outdoor) + ";\n";
  }
  return text;
}

}  // namespace vak::bench
