#include "checks/numeric_fields.h"

#include <charconv>
#include <cstdint>
#include <cstdio>

#include "checks/check_report.h"

namespace vak {

bool energyPlusNumber(std::string_view text, double& number) {
  text = trimmed(text);
  const bool negative = !text.empty() && text[0] == '-';
  std::size_t i = !text.empty() && (text[0] == '+' || negative) ? 1 : 0;
  // The digits as an integer, while there are at most 15, and how many follow the point.
  std::uint64_t digits = 0;
  std::size_t count = 0, decimals = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      if (++count <= 15) digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
      decimals += point ? 1 : 0;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (count == 0) return false;
  if (i == text.size() && count <= 15) {
    // Both the digits and the power of ten are exact doubles, so their quotient is the
    // correctly rounded value, as from_chars gives it.
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double value = static_cast<double>(digits) / kPowers[decimals];
    number = negative ? -value : value;
    return true;
  }
  std::size_t exponent = text.size();  // where the exponent letter stands, if any
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    exponent = i++;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  if (i != text.size()) return false;
  // from_chars takes no "+" before the number, and an exponent only after "e" or "E": a "D"
  // exponent is read from a copy.
  const std::size_t plus = text[0] == '+' ? 1 : 0;
  std::string_view digitsText = text.substr(plus);
  std::string copy;
  if (exponent < text.size() && (text[exponent] == 'd' || text[exponent] == 'D')) {
    copy.assign(digitsText);
    copy[exponent - plus] = 'e';
    digitsText = copy;
  }
  const char* const end = digitsText.data() + digitsText.size();
  double value = 0;
  const auto [stop, error] = std::from_chars(digitsText.data(), end, value);
  if (error != std::errc() || stop != end) return false;
  number = value;
  return true;
}

namespace {

using Indoor = VRVUnidadInterior;
using Outdoor = VRVUnidadExterior;

constexpr Bound above(double v) {
  return {v, true};
}
constexpr Bound atLeast(double v) {
  return {v, false};
}
constexpr Bound atMost(double v) {
  return {v, false};
}

// Shorthands for the rows below.
constexpr NumericLimits kFraction = {above(0), atMost(1)};            // efficiencies
constexpr NumericLimits kClosedFraction = {atLeast(0), atMost(1)};    // fractions
constexpr NumericLimits kRequiredAny = {{}, {}, false, false, true};  // pressure rise
constexpr NumericLimits kPositiveSizedRequired = {above(0), {}, true, false, true};
constexpr NumericLimits kNonNegativeSized = {atLeast(0), {}, true};
constexpr NumericLimits kPositiveSized = {above(0), {}, true};
constexpr NumericLimits kSized = {{}, {}, true};
constexpr NumericLimits kPositive = {above(0), {}};
constexpr NumericLimits kAny = {};

// A field whose limits all layouts share.
template <class R>
constexpr NumericField<R> same(std::string R::*member, std::string_view writtenTo,
                               NumericLimits limits) {
  return {member, writtenTo, {limits, limits, limits}};
}

// Limits of the output fields as the EnergyPlus dictionaries of each layout state them; a
// test holds this table against the dictionaries.
constexpr auto kIndoorNumeric = std::to_array<NumericField<Indoor>>({
    same(&Indoor::fanEfficiency, "the supply fan's Fan Efficiency", kFraction),
    same(&Indoor::fanPressureRise, "the supply fan's Pressure Rise", kRequiredAny),
    same(&Indoor::motorEfficiency, "the supply fan's Motor Efficiency", kFraction),
    same(&Indoor::motorInAirstreamFraction, "the supply fan's Motor In Airstream Fraction",
         kClosedFraction),
    // The terminal unit's cooling and heating flows must be above 0, the coils' rated flows
    // too (and are required); the fan's maximum flow and the no-load flows may be 0.
    same(&Indoor::supplyAirFlowRate,
         "the terminal unit's four supply air flow rates, the fan's Maximum Flow Rate and both "
         "coils' Rated Air Flow Rate",
         kPositiveSizedRequired),
    same(&Indoor::ratedCoolingCapacity, "the cooling coil's Rated Total Cooling Capacity",
         kPositiveSizedRequired),
    same(&Indoor::ratedSensibleHeatRatio, "the cooling coil's Rated Sensible Heat Ratio",
         kPositiveSizedRequired),
    same(&Indoor::ratedHeatingCapacity, "the heating coil's Rated Total Heating Capacity",
         kPositiveSizedRequired),
    same(&Indoor::outdoorAirFlowRate, "the terminal unit's three outdoor air flow rates",
         kNonNegativeSized),
});

constexpr auto kOutdoorNumeric = std::to_array<NumericField<Outdoor>>({
    same(&Outdoor::ratedCoolingCapacity, "the heat pump's Rated Total Cooling Capacity",
         kPositiveSized),
    same(&Outdoor::ratedCoolingCOP, "the heat pump's Rated Cooling COP", kPositive),
    same(&Outdoor::ratedHeatingCapacity, "the heat pump's Rated Total Heating Capacity", kSized),
    // From 9.2 on the heating COP must be above 0, like the cooling COP.
    {&Outdoor::ratedHeatingCOP, "the heat pump's Rated Heating COP", {kAny, kAny, kPositive}},
    same(&Outdoor::equivalentPipingLength,
         "the heat pump's two Equivalent Piping Lengths used for Piping Correction Factor", kAny),
    same(&Outdoor::verticalHeight,
         "the heat pump's Vertical Height used for Piping Correction "
         "Factor",
         kAny),
    same(&Outdoor::resistiveDefrostHeaterCapacity,
         "the heat pump's Resistive Defrost Heater "
         "Capacity",
         kNonNegativeSized),
});

std::string number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", v);
  return text;
}

}  // namespace

std::span<const NumericField<Indoor>> indoorNumericFields() {
  return kIndoorNumeric;
}
std::span<const NumericField<Outdoor>> outdoorNumericFields() {
  return kOutdoorNumeric;
}

std::string describe(const NumericLimits& limits) {
  std::string text;
  if (limits.minimum) {
    text += (limits.minimum->exclusive ? "above " : "at least ") + number(limits.minimum->value);
  }
  if (limits.maximum) {
    text += text.empty() ? "" : " and ";
    text += (limits.maximum->exclusive ? "below " : "at most ") + number(limits.maximum->value);
  }
  return text.empty() ? "any number" : text;
}

}  // namespace vak
