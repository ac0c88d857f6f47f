#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Generated inputs for measuring the conversion. Every generator is seeded, so that a size
// and a seed always give the same bytes.
namespace vak::bench {

// A small deterministic generator (xorshift64*); the standard engines' output is not fixed
// across library versions for the distributions we would need.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed * 2685821657736338717ULL + 1) {}
  std::uint64_t next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 2685821657736338717ULL;
  }
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
  // A number with two decimals, as a modeller writes coordinates.
  std::string decimal(int whole) {
    const int hundredths = below(whole * 100);
    std::string digits = std::to_string(hundredths % 100);
    return std::to_string(hundredths / 100) + (digits.size() < 2 ? ".0" : ".") + digits;
  }

 private:
  std::uint64_t state_;
};

inline constexpr std::uint64_t kSeed = 9;

// Long lines (about 35 bytes): surfaces with their vertices, every field commented with "!-",
// between comment banners. At least `bytes` long.
inline std::string longLineModel(std::size_t bytes, std::uint64_t seed = kSeed) {
  Random r(seed);
  std::string text;
  text.reserve(bytes + 4096);
  for (int i = 0; text.size() < bytes; ++i) {
    const std::string z = std::to_string(r.below(200));
    text += "BuildingSurface:Detailed,\n  Wall " + std::to_string(i) +
            ",                 !- Name\n"
            "  Wall,                    !- Surface Type\n"
            "  Exterior Wall,           !- Construction Name\n"
            "  Zone " +
            z +
            ",                !- Zone Name\n"
            "  Outdoors,                !- Outside Boundary Condition\n"
            "  ,                        !- Outside Boundary Condition Object\n"
            "  SunExposed,              !- Sun Exposure\n"
            "  WindExposed,             !- Wind Exposure\n"
            "  0.50,                    !- View Factor to Ground\n"
            "  4,                       !- Number of Vertices\n";
    for (int v = 1; v <= 4; ++v) {
      text += "  " + r.decimal(30) + "," + r.decimal(30) + "," + r.decimal(9) +
              (v < 4 ? ",  !- X,Y,Z ==> Vertex " : ";  !- X,Y,Z ==> Vertex ") + std::to_string(v) +
              " {m}\n";
    }
    text += "\n!- ===========  ALL OBJECTS IN CLASS: BUILDINGSURFACE:DETAILED ===========\n\n";
  }
  return text;
}

// Short lines (about 8 bytes): zones and materials with one value per line and no comments.
inline std::string shortLineModel(std::size_t bytes, std::uint64_t seed = kSeed) {
  Random r(seed);
  std::string text;
  text.reserve(bytes + 4096);
  for (int i = 0; text.size() < bytes; ++i) {
    text += "Zone,\n Z" + std::to_string(i) + ",\n 0,\n " + std::to_string(r.below(30)) + ",\n " +
            std::to_string(r.below(30)) + ",\n 0,\n 1,\n 1,\n ,\n ;\n";
    text += "Material:NoMass,\n M" + std::to_string(i) + ",\n Rough,\n " + r.decimal(5) +
            ",\n 0.9,\n 0.7,\n 0.7;\n";
  }
  return text;
}

// One comment line of `bytes` bytes between two ordinary objects.
inline std::string longCommentModel(std::size_t bytes) {
  std::string text = "Version,\n  8.0;\n\n! ";
  text.append(bytes, '=');
  text += "\nZone,\n  Z1;\n";
  return text;
}

// A zone whose line goes on with a comment of `bytes` bytes, in a file whose templates name the
// zone, so that the names pass reads that line too.
inline std::string zoneCommentModel(std::size_t bytes) {
  std::string text = "Zone, Z0;  ! ";
  text.append(bytes, '=');
  text += "\nSchedule:Constant, AlwaysOn, , 1;\n";
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
inline std::string vrfModel(int outdoor, int indoor, std::uint64_t seed = kSeed) {
  Random r(seed);
  std::string text =
      "Version,\n  8.0;\nHVACVAKTemplate:Thermostat,\n  T1,\n  ,\n  21,\n  ,\n  25;\n";
  for (int o = 0; o < outdoor; ++o) {
    text += "HVACVAKTemplate:VRVUnidadExterior,\n  OU" + std::to_string(o) + ",\n  AlwaysOn,\n  " +
            std::to_string(10000 + 500 * r.below(20)) + ",\n  3.28,\n  " +
            std::to_string(12000 + 500 * r.below(20)) +
            ",\n  3.55,\n  Z1,\n  MasterThermostatPriority,\n  ,\n  30,\n  8,\n  Resistive,\n  "
            "0;\n";
  }
  for (int i = 0; i < indoor; ++i) {
    text += "HVACVAKTemplate:VRVUnidadInterior,\n  U" + std::to_string(i) + ",\n  Z" +
            std::to_string(i) + ",\n  T1,\n  AlwaysOn,\n  " + (r.below(2) ? "Auto" : "Constant") +
            ",\n  DrawThrough,\n  0.6,\n  75,\n  0.9,\n  1.0,\n  " + r.decimal(1) + ",\n  " +
            std::to_string(2000 + 100 * r.below(30)) + ",\n  0.75,\n  " +
            std::to_string(2500 + 100 * r.below(30)) + ",\n  0.05,\n  OU" +
            std::to_string(i % outdoor) + ";\n";
  }
  return text;
}

// A small model's templates in front of `bytes` of long lines: a file read twice.
inline std::string withTemplatesModel(std::size_t bytes, std::uint64_t seed = kSeed) {
  return vrfModel(2, 8, seed) + longLineModel(bytes, seed);
}

// A typical small model (about 70 KB): ordinary objects, two thermostats, one VRF system.
inline std::string smallModel(std::uint64_t seed = kSeed) {
  return withTemplatesModel(68 * 1024, seed);
}

}  // namespace vak::bench
