#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "templates/records.h"
#include "writers/vrf_version.h"

namespace vak {

// The value of a field as EnergyPlus reads a number: blanks at the ends, an optional sign,
// digits with at most one decimal point, and an optional exponent (E or D). Nothing else.
// Sets `number` and returns true when the text is one.
bool energyPlusNumber(std::string_view text, double& number);
inline std::optional<double> energyPlusNumber(std::string_view text) {
  double number = 0;
  if (!energyPlusNumber(text, number)) return std::nullopt;
  return number;
}

// One end of a numeric range.
struct Bound {
  double value;
  bool exclusive;
};

// What EnergyPlus accepts in the output fields that one template field is written to: the
// narrowest of their limits, and autosize/autocalculate only where all of them take it.
struct NumericLimits {
  std::optional<Bound> minimum;
  std::optional<Bound> maximum;
  bool autosizable = false;
  bool autocalculatable = false;
  bool required = false;  // some output field is required: a blank one stops EnergyPlus
};

// The layouts, in the order of the limit columns.
inline constexpr std::array kLayouts = {VrfVersion::V7_1, VrfVersion::V8_0, VrfVersion::Current};

// A numeric template field: where the record keeps it, what it is written to (for messages),
// and the limits of those output fields for each layout.
template <class R>
struct NumericField {
  constexpr NumericField(std::string R::*member, std::string_view writtenTo,
                         std::array<NumericLimits, kLayouts.size()> limits)
      : member(member), position(positionOf<R>(member)), writtenTo(writtenTo), limits(limits) {}

  std::string R::*member;
  std::size_t position;  // in the class's field order
  std::string_view writtenTo;
  std::array<NumericLimits, kLayouts.size()> limits;

  const NumericLimits& in(VrfVersion version) const {
    for (std::size_t i = 0; i < kLayouts.size(); ++i) {
      if (kLayouts[i] == version) return limits[i];
    }
    return limits[0];
  }
};

std::span<const NumericField<VRVUnidadInterior>> indoorNumericFields();
std::span<const NumericField<VRVUnidadExterior>> outdoorNumericFields();

// The limits as people read them: "above 0 and at most 1".
std::string describe(const NumericLimits& limits);

// Whether a number lies within the limits.
inline bool within(double value, const NumericLimits& limits) {
  if (const auto& lo = limits.minimum) {
    if (lo->exclusive ? value <= lo->value : value < lo->value) return false;
  }
  if (const auto& hi = limits.maximum) {
    if (hi->exclusive ? value >= hi->value : value > hi->value) return false;
  }
  return true;
}

// The ranges that a VRF design is held against before EnergyPlus runs: what EnergyPlus expects,
// and what the program's fixed curves and values allow (a test holds these against the written
// objects). A design outside them runs, with results nobody meant.
struct DesignRange {
  double low;
  double high;
};

struct DesignLimits {
  // The indoor units' total rated capacity over the outdoor unit's. The CoolingCombRatio and
  // HeatingCombRatio curves take 1 to 1.5; manufacturers allow about 0.5 to 1.3.
  DesignRange combinationRatio;
  // m: the length range of the CoolingLengthCorrectionFactor curve (its other input, the
  // combination ratio, is limited to `combinationRatio`); EnergyPlus takes the nearest end.
  DesignRange pipingLength;
  double heightCoefficient;  // 1/m: the piping correction for height in cooling
  // m3/s of rated air flow per W of rated capacity that EnergyPlus's DX coil sizing expects.
  DesignRange coolingFlowPerWatt;
  double heatingFlowPerWattMaximum;
  // degC outdoor: the operating range written, dry-bulb in cooling, wet-bulb in heating.
  DesignRange coolingOutdoor;
  DesignRange heatingOutdoor;
};

inline constexpr DesignLimits kDesignLimits = {
    .combinationRatio = {0.5, 1.5},
    .pipingLength = {8, 175},
    .heightCoefficient = -0.000386,
    .coolingFlowPerWatt = {4.027e-5, 6.041e-5},
    .heatingFlowPerWattMaximum = 8.056e-5,
    .coolingOutdoor = {-6, 43},
    .heatingOutdoor = {-20, 16},
};

}  // namespace vak
