#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vak {

class LineSource;
class CopySink;

// The class whose objects tell the outdoor temperatures that a model is sized for.
inline constexpr std::string_view kDesignDayClass = "SizingPeriod:DesignDay";

// A SizingPeriod:DesignDay of the input: its first seven fields, which tell its outdoor
// temperatures, as EnergyPlus reads them (comments and blanks at the ends removed, cut after
// kDesignDayKept characters). They stand in this order in every release from 7.0 on.
struct DesignDay {
  std::size_t line = 0;  // of its class name
  std::string name;
  std::string month;
  std::string dayOfMonth;
  std::string dayType;
  std::string maximumDryBulb;
  std::string dailyRange;         // Daily Dry-Bulb Temperature Range
  std::string rangeModifierType;  // Dry-Bulb Temperature Range Modifier Type
};

inline constexpr std::size_t kDesignDayKept = 100;

// Whether a class name, as written before its ",", is SizingPeriod:DesignDay, in any letter
// case and with blanks around it, as EnergyPlus reads class names.
bool isDesignDay(std::string_view className);

// Reads the design day whose class line `in` found last and copies its lines to `out`, up to
// the ";" that ends it.
DesignDay readDesignDay(LineSource& in, CopySink& out);

}  // namespace vak
