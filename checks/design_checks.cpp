#include "checks/design_checks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "checks/check_report.h"
#include "checks/name_keys.h"
#include "checks/numeric_fields.h"
#include "writers/vrf_curves.h"

namespace vak {

namespace {

using Indoor = VRVUnidadInterior;
using Outdoor = VRVUnidadExterior;
using Members = std::span<const Indoor* const>;

constexpr const DesignLimits& kLimits = kDesignLimits;

// Every design message says so: EnergyPlus takes the model as it is.
constexpr std::string_view kRuns = "EnergyPlus runs, but ";

template <class R>
std::span<const NumericField<R>> numericFieldsOf();
template <>
std::span<const NumericField<Indoor>> numericFieldsOf<Indoor>() {
  return indoorNumericFields();
}
template <>
std::span<const NumericField<Outdoor>> numericFieldsOf<Outdoor>() {
  return outdoorNumericFields();
}

// The number a numeric field holds where the other checks let it pass: its line gave it,
// EnergyPlus reads it as a number, and it lies within the limits of the fields it is written to.
template <class R>
std::optional<double> numberIn(const R& r, std::string R::*member, VrfVersion version) {
  const auto field = std::ranges::find(numericFieldsOf<R>(), member, &NumericField<R>::member);
  const std::string& value = r.*member;
  // A number holds no ";" or "!", which given() would look for.
  double number = 0;
  if (tabBefore(value) || !lineGiven(r, field->position) || !energyPlusNumber(value, number) ||
      !within(number, field->in(version))) {
    return std::nullopt;
  }
  return number;
}

bool inRange(double value, const DesignRange& range) {
  return value >= range.low && value <= range.high;
}

// Rounded as the messages show it, so that a value shown at a limit is within it.
double rounded(double value, double step) {
  return std::round(value / step) * step;
}

std::string printed(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// 1500, 0.28, -4.4
std::string plain(double value) {
  return printed("%g", value);
}

// Whole watts, as capacities are written.
std::string watts(double value) {
  return printed("%.0f", value);
}

// Air flow per watt, four digits: 6.041e-5.
std::string perWatt(double value) {
  if (!std::isfinite(value)) return plain(value);  // a huge flow over a tiny capacity
  const std::string text = printed("%.3e", value);
  const std::size_t e = text.find('e');
  return text.substr(0, e + 1) + std::to_string(std::stoi(text.substr(e + 1)));
}

double flowPerWatt(double flow, double capacity) {
  return rounded(flow / capacity, 1e-8);
}

// ---- Thermostats

void checkDeadBands(const std::deque<Termostato>& thermostats, Diagnostics& d) {
  using T = Termostato;
  Problem noDeadBand(d, Severity::Warning, "thermostats without a dead band");
  for (const T& t : thermostats) {
    // A schedule name wins over the constant: only two constants in use are compared.
    if (!t.heatingScheduleName.empty() || !t.coolingScheduleName.empty()) continue;
    if (!given(t, &T::heatingSetpoint) || !given(t, &T::coolingSetpoint)) continue;
    const std::optional<double> heating = energyPlusNumber(t.heatingSetpoint);
    const std::optional<double> cooling = energyPlusNumber(t.coolingSetpoint);
    if (!heating || !cooling || *heating < *cooling) continue;
    noDeadBand(lineOf(t, &T::heatingSetpoint), [&] {
      return cat(subject(t), ": heatingSetpoint ", quoted(t.heatingSetpoint),
                 *heating == *cooling ? " equals" : " is above", " coolingSetpoint ",
                 quoted(t.coolingSetpoint), ", which leaves no dead band; ", kRuns,
                 "the zone has no temperature at which neither heating nor cooling is called "
                 "for, so its system may switch between the two from one time step to the next, "
                 "and its energy use is overstated; "
                 "write a heating set-point below the cooling set-point (energy codes ask for a "
                 "dead band of about 3 degC)");
    });
  }
}

// ---- Outdoor units

// The numbers of an indoor unit that its design is computed from, read once for all checks.
struct IndoorFigures {
  std::optional<double> cooling;  // ratedCoolingCapacity
  std::optional<double> heating;  // ratedHeatingCapacity
  std::optional<double> supply;   // supplyAirFlowRate
};
using Figures = std::vector<IndoorFigures>;  // of an outdoor unit's members, in their order

void readFigures(Members members, VrfVersion v, Figures& figures) {
  figures.clear();
  for (const Indoor* u : members) {
    figures.push_back({numberIn(*u, &Indoor::ratedCoolingCapacity, v),
                       numberIn(*u, &Indoor::ratedHeatingCapacity, v),
                       numberIn(*u, &Indoor::supplyAirFlowRate, v)});
  }
}

// The total of one figure over the indoor units, when each of them gives a number.
std::optional<double> totalOf(const Figures& figures,
                              std::optional<double> IndoorFigures::*figure) {
  double total = 0;
  for (const IndoorFigures& f : figures) {
    const std::optional<double>& n = f.*figure;
    if (!n) return std::nullopt;
    total += *n;
  }
  return total;
}

// The total of a field over the indoor units, when each of them gives a number.
std::optional<double> totalOf(Members members, std::string Indoor::*field, VrfVersion v) {
  double total = 0;
  for (const Indoor* u : members) {
    const std::optional<double> n = numberIn(*u, field, v);
    if (!n) return std::nullopt;
    total += *n;
  }
  return total;
}

struct CapacitySide {
  std::string_view mode;
  std::string Outdoor::*outdoor;
  std::optional<double> IndoorFigures::*indoor;
  std::string_view curve;  // the combination ratio correction curve
};

constexpr CapacitySide kCapacitySides[] = {
    {"cooling", &Outdoor::ratedCoolingCapacity, &IndoorFigures::cooling, "CoolingCombRatio"},
    {"heating", &Outdoor::ratedHeatingCapacity, &IndoorFigures::heating, "HeatingCombRatio"},
};

// The indoor units' total rated capacity over the outdoor unit's, as EnergyPlus computes it once
// at start-up.
struct Combination {
  double indoor;
  double outdoor;
  double ratio;  // exact, for the piping curve
  double shown;  // to two decimals, as messages show it
};

std::optional<Combination> combinationOf(const Outdoor& o, const Figures& members,
                                         const CapacitySide& side, VrfVersion v) {
  if (members.empty()) return std::nullopt;  // reported as a unit that serves none
  const std::optional<double> outdoor = numberIn(o, side.outdoor, v);
  if (!outdoor || *outdoor <= 0) return std::nullopt;
  const std::optional<double> indoor = totalOf(members, side.indoor);
  if (!indoor) return std::nullopt;
  const double ratio = *indoor / *outdoor;
  return Combination{*indoor, *outdoor, ratio, rounded(ratio, 0.01)};
}

void checkCombination(const Outdoor& o, const Figures& members, const CapacitySide& side,
                      VrfVersion v, Problem& problem) {
  const std::optional<Combination> c = combinationOf(o, members, side, v);
  if (!c || inRange(c->shown, kLimits.combinationRatio)) return;
  problem(lineOf(o, side.outdoor), [&] {
    const bool high = c->shown > kLimits.combinationRatio.high;
    const std::string_view field = nameOf<Outdoor>(side.outdoor);
    const std::string what =
        high ? cat(kRuns, "its ", side.curve, " curve takes ratios up to ",
                   plain(kLimits.combinationRatio.high),
                   " only, and the indoor units together never get more than the outdoor unit "
                   "gives, so the zones get less ",
                   side.mode, " than their units are rated for; write a ", field, " of at least ",
                   watts(std::ceil(c->indoor / kLimits.combinationRatio.high)), " W (a ratio of ",
                   plain(kLimits.combinationRatio.high),
                   "; manufacturers allow about 1.3), or let fewer indoor units name it")
             : cat(kRuns,
                   "an outdoor unit of more than twice the capacity of its indoor units, which "
                   "manufacturers do not combine (they allow about 0.5 to 1.3), runs mostly at "
                   "low part load, with results that no real system gives; write a ",
                   field, " of at most ",
                   watts(std::floor(c->indoor / kLimits.combinationRatio.low)), " W (a ratio of ",
                   plain(kLimits.combinationRatio.low), "), or let more indoor units name it");
    return cat(subject(o), ": the ", side.mode, " combination ratio is ", printed("%.2f", c->shown),
               ": its ", counted(members.size(), "indoor unit"),
               members.size() == 1 ? " has " : " have ", watts(c->indoor), " W of rated ",
               side.mode, " capacity against its ", field, " ", quoted(o.*side.outdoor), "; ",
               what);
  });
}

void checkPiping(const Outdoor& o, VrfVersion v, Problem& problem) {
  const std::optional<double> length = numberIn(o, &Outdoor::equivalentPipingLength, v);
  if (!length) return;
  const DesignRange& range = kLimits.pipingLength;
  if (!inRange(*length, range)) {
    problem(lineOf(o, &Outdoor::equivalentPipingLength), [&] {
      const bool longer = *length > range.high;
      return cat(subject(o), ": equivalentPipingLength ", quoted(o.equivalentPipingLength),
                 " is outside the ", plain(range.low), " to ", plain(range.high),
                 " m of the CoolingLengthCorrectionFactor curve; ", kRuns, "takes it as ",
                 plain(longer ? range.high : range.low), " m, so the cooling capacity is derated ",
                 longer ? "less" : "more", " than the piping would derate it; ",
                 longer ? "check the length, and split a system whose piping is that long"
                        : "write the equivalent length, which counts bends and fittings and is "
                          "rarely below 8 m");
    });
    return;
  }
  const std::optional<double> height = numberIn(o, &Outdoor::verticalHeight, v);
  if (!height || std::abs(*height) <= *length) return;
  problem(lineOf(o, &Outdoor::verticalHeight), [&] {
    return cat(subject(o), ": verticalHeight ", quoted(o.verticalHeight), " is more than the ",
               plain(*length), " m of equivalentPipingLength, which includes the vertical run; ",
               kRuns, "corrects the cooling capacity for a height that the piping cannot have (",
               plain(kLimits.heightCoefficient),
               " per m); check both, the height being negative when the outdoor unit stands "
               "below the indoor units");
  });
}

// A blank defrost strategy is Resistive and a blank heater capacity 0, the dictionary's defaults.
void checkDefrost(const Outdoor& o, VrfVersion v, Problem& problem) {
  if (!given(o, &Outdoor::defrostStrategy) || !given(o, &Outdoor::resistiveDefrostHeaterCapacity)) {
    return;
  }
  const std::string_view strategy = trimmed(o.defrostStrategy);
  if (!strategy.empty() && !equalsIgnoringCase(strategy, "Resistive")) return;
  const bool blank = trimmed(o.resistiveDefrostHeaterCapacity).empty();
  if (!blank && numberIn(o, &Outdoor::resistiveDefrostHeaterCapacity, v) != 0.0) return;
  problem(lineOf(o, &Outdoor::resistiveDefrostHeaterCapacity), [&] {
    return cat(subject(o), ": resistiveDefrostHeaterCapacity ",
               blank ? std::string("is empty, which EnergyPlus reads as 0 W,")
                     : cat("is ", quoted(o.resistiveDefrostHeaterCapacity)),
               strategy.empty()
                   ? std::string(" and defrostStrategy is empty, which EnergyPlus reads as "
                                 "Resistive")
                   : cat(" with defrostStrategy ", quoted(o.defrostStrategy)),
               ": the defrost heater has no power; ", kRuns,
               "defrosting then takes no energy, so the heating energy is understated in cold, "
               "humid weather; write the heater's capacity in W, or ReverseCycle for a unit "
               "that defrosts by reversing its cycle");
  });
}

// ---- Indoor units

void checkFlowPerCapacity(const Indoor& u, const IndoorFigures& figures, Problem& problem) {
  const std::optional<double>& flow = figures.supply;
  if (!flow) return;
  const std::optional<double>& cooling = figures.cooling;
  const std::optional<double>& heating = figures.heating;
  const DesignRange& coolingRange = kLimits.coolingFlowPerWatt;
  const double heatingMaximum = kLimits.heatingFlowPerWattMaximum;
  const bool coolingOff = cooling && !inRange(flowPerWatt(*flow, *cooling), coolingRange);
  const bool heatingOff = heating && flowPerWatt(*flow, *heating) > heatingMaximum;
  if (!coolingOff && !heatingOff) return;
  problem(lineOf(u, &Indoor::supplyAirFlowRate), [&] {
    std::string found;
    if (coolingOff) {
      found +=
          cat(perWatt(flowPerWatt(*flow, *cooling)), " m3/s per W of ratedCoolingCapacity ",
              quoted(u.ratedCoolingCapacity), ", outside the ", perWatt(coolingRange.low), " to ",
              perWatt(coolingRange.high), " that EnergyPlus expects of a DX cooling coil");
    }
    if (heatingOff) {
      found += cat(coolingOff ? ", and " : "", perWatt(flowPerWatt(*flow, *heating)),
                   " m3/s per W of ratedHeatingCapacity ", quoted(u.ratedHeatingCapacity),
                   ", above the ", perWatt(heatingMaximum), " that ",
                   coolingOff ? "it" : "EnergyPlus", " expects of a DX heating coil");
    }
    // The flows that fit both capacities, where the other checks let them pass.
    double low = 0;
    double high = heating ? *heating * heatingMaximum : std::numeric_limits<double>::infinity();
    if (cooling) {
      low = *cooling * coolingRange.low;
      high = std::min(high, *cooling * coolingRange.high);
    }
    const std::string fix =
        low <= high ? cat("write a supplyAirFlowRate ",
                          low > 0 ? cat("of ", printed("%.3g", low), " to ") : "at most ",
                          printed("%.3g", high), " m3/s for these capacities, or change them")
                    : std::string("change the capacities, which no air flow fits both");
    return cat(subject(u), ": supplyAirFlowRate ", quoted(u.supplyAirFlowRate), " gives ", found,
               "; ", kRuns,
               "warns at sizing, and the coils work at an air flow that their performance "
               "curves were not made for; ",
               fix);
  });
}

// ---- Design days

enum class DayKind { None, Summer, Winter };

// The day's extreme outdoor dry-bulb temperature, read as EnergyPlus reads the fields: its
// maximum on a summer design day, its maximum less its daily range on a winter one. None
// where the fields do not read as expected, or where a schedule shapes the day.
struct Extreme {
  DayKind kind = DayKind::None;
  double temperature = 0;
  double maximum = 0;
  double range = 0;
};

bool wholeNumberIn(std::string_view text, double low, double high) {
  const std::optional<double> n = energyPlusNumber(text);
  return n && *n == std::floor(*n) && *n >= low && *n <= high;
}

Extreme extremeOf(const DesignDay& day) {
  const std::string_view type = trimmed(day.dayType);
  const DayKind kind = equalsIgnoringCase(type, "SummerDesignDay")   ? DayKind::Summer
                       : equalsIgnoringCase(type, "WinterDesignDay") ? DayKind::Winter
                                                                     : DayKind::None;
  // Month and day stand before the day type: a field out of place shows there too.
  if (kind == DayKind::None || !wholeNumberIn(day.month, 1, 12) ||
      !wholeNumberIn(day.dayOfMonth, 1, 31)) {
    return {};
  }
  const std::string_view modifier = trimmed(day.rangeModifierType);
  if (!modifier.empty() && !equalsIgnoringCase(modifier, "DefaultMultipliers")) return {};
  const std::optional<double> maximum = energyPlusNumber(day.maximumDryBulb);
  if (!maximum) return {};
  if (kind == DayKind::Summer) return {kind, *maximum, *maximum, 0};
  // A blank range is 0, the dictionary's default.
  const std::optional<double> range =
      trimmed(day.dailyRange).empty() ? 0.0 : energyPlusNumber(day.dailyRange);
  if (!range || *range < 0) return {};
  return {kind, rounded(*maximum - *range, 1e-6), *maximum, *range};
}

void checkDesignDays(std::span<const DesignDay> days, std::size_t systems, Diagnostics& d) {
  Problem outside(d, Severity::Warning, "design days outside the VRF operating range");
  const std::string systemsText =
      systems == 1 ? std::string("the VRF system") : cat("the ", systems, " VRF systems");
  for (const DesignDay& day : days) {
    const Extreme e = extremeOf(day);
    if (e.kind == DayKind::Summer && e.temperature > kLimits.coolingOutdoor.high) {
      outside(day.line, [&] {
        return cat(kDesignDayClass, " ", quoted(day.name), ": its Maximum Dry-Bulb Temperature, ",
                   plain(e.temperature), " degC, is above ", plain(kLimits.coolingOutdoor.high),
                   " degC, the highest outdoor temperature at which the program's VRF outdoor "
                   "units cool; ",
                   kRuns, "switches off ", systemsText, " in the hours of this day above ",
                   plain(kLimits.coolingOutdoor.high),
                   " degC (\"Limits have been exceeded and VRF system is disabled\"), so the "
                   "zones get no cooling at the peak; check the temperature, and if it is right, "
                   "expect unmet cooling hours: the program's range is fixed");
      });
    } else if (e.kind == DayKind::Winter && e.temperature < kLimits.heatingOutdoor.low) {
      outside(day.line, [&] {
        return cat(kDesignDayClass, " ", quoted(day.name), ": its lowest dry-bulb temperature, ",
                   plain(e.temperature), " degC (its Maximum Dry-Bulb Temperature ",
                   plain(e.maximum), " less its Daily Dry-Bulb Temperature Range ", plain(e.range),
                   "), is below ", plain(kLimits.heatingOutdoor.low),
                   " degC, the lowest outdoor wet-bulb temperature at which the program's VRF "
                   "outdoor units heat (the wet-bulb is never above the dry-bulb); ",
                   kRuns, "switches off ", systemsText,
                   " in the hours of this day below it (\"Limits "
                   "have been exceeded and VRF system is disabled\"), so the zones get no "
                   "heating when it is coldest; check the temperature, and if it is right, "
                   "expect unmet heating hours: the program's range is fixed");
      });
    }
  }
}

// ---- The piping correction factor, as EnergyPlus computes it

struct Biquadratic {
  double c[6];
  DesignRange x, y;

  double operator()(double xv, double yv) const {
    xv = std::clamp(xv, x.low, x.high);
    yv = std::clamp(yv, y.low, y.high);
    return c[0] + c[1] * xv + c[2] * xv * xv + c[3] * yv + c[4] * yv * yv + c[5] * xv * yv;
  }
};

// The CoolingLengthCorrectionFactor curve that the program writes, read from its own text.
const std::optional<Biquadratic>& lengthCurve() {
  static const std::optional<Biquadratic> curve = []() -> std::optional<Biquadratic> {
    const std::span<const std::string_view> f = curveFields("CoolingLengthCorrectionFactor");
    double v[10];
    for (std::size_t i = 0; i < 10; ++i) {
      if (i + 1 >= f.size() || !energyPlusNumber(f[i + 1], v[i])) return std::nullopt;
    }
    return Biquadratic{{v[0], v[1], v[2], v[3], v[4], v[5]}, {v[6], v[7]}, {v[8], v[9]}};
  }();
  return curve;
}

// The cooling piping correction factor: the length curve at the equivalent length and the
// cooling combination ratio, each taken within the curve's range, plus the height times the
// height coefficient, kept between 0.5 and 1.
std::optional<double> pipingCorrection(double length, double height, double ratio) {
  const std::optional<Biquadratic>& curve = lengthCurve();
  if (!curve) return std::nullopt;
  return std::clamp((*curve)(length, ratio) + height * kLimits.heightCoefficient, 0.5, 1.0);
}

// ---- The summary table

// Columns left-aligned up to `left`, right-aligned after, two blanks apart.
void writeTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows,
                std::size_t left) {
  std::vector<std::size_t> width;
  for (const auto& row : rows) {
    width.resize(std::max(width.size(), row.size()));
    for (std::size_t k = 0; k < row.size(); ++k) width[k] = std::max(width[k], row[k].size());
  }
  for (const auto& row : rows) {
    std::string line = "  ";
    for (std::size_t k = 0; k < row.size(); ++k) {
      const std::string pad(width[k] - row[k].size(), ' ');
      line += k == 0 ? "" : "  ";
      line += k < left ? row[k] + pad : pad + row[k];
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
  }
}

std::string orDash(const std::optional<double>& value, std::string (*show)(double)) {
  return value ? show(*value) : std::string("-");
}

std::string twoDecimals(double value) {
  return printed("%.2f", value);
}

void writeUnitSummary(std::ostream& out, const Outdoor& o, Members members, VrfVersion v,
                      Figures& figures) {
  out << "Design summary of " << subject(o) << " (" << kInputName << " line " << o.lines.classLine
      << "):\n";
  if (members.empty()) {
    out << "  no indoor unit names it\n";
    return;
  }
  std::vector<std::vector<std::string>> rows = {
      {"indoor unit", "zone", "cooling W", "heating W", "supply m3/s", "outdoor air m3/s"}};
  for (const Indoor* u : members) {
    rows.push_back({std::string(trimmed(u->name)), std::string(trimmed(u->zoneName)),
                    std::string(trimmed(u->ratedCoolingCapacity)),
                    std::string(trimmed(u->ratedHeatingCapacity)),
                    std::string(trimmed(u->supplyAirFlowRate)),
                    std::string(trimmed(u->outdoorAirFlowRate))});
  }
  readFigures(members, v, figures);
  const std::optional<double> supply = totalOf(figures, &IndoorFigures::supply);
  // Outdoor air only the summary shows: read here, not with the figures that the checks use.
  const std::optional<double> outdoorAir = totalOf(members, &Indoor::outdoorAirFlowRate, v);
  const std::optional<Combination> cooling = combinationOf(o, figures, kCapacitySides[0], v);
  const std::optional<Combination> heating = combinationOf(o, figures, kCapacitySides[1], v);
  rows.push_back({"indoor units", "", orDash(totalOf(figures, &IndoorFigures::cooling), watts),
                  orDash(totalOf(figures, &IndoorFigures::heating), watts), orDash(supply, plain),
                  orDash(outdoorAir, plain)});
  rows.push_back({"outdoor unit", "", std::string(trimmed(o.ratedCoolingCapacity)),
                  std::string(trimmed(o.ratedHeatingCapacity))});
  rows.push_back({"combination ratio", "", cooling ? twoDecimals(cooling->ratio) : std::string("-"),
                  heating ? twoDecimals(heating->ratio) : std::string("-")});
  writeTable(out, rows, 2);

  const std::optional<double> length = numberIn(o, &Outdoor::equivalentPipingLength, v);
  const std::optional<double> height = numberIn(o, &Outdoor::verticalHeight, v);
  std::optional<double> piping;
  if (length && height && cooling) piping = pipingCorrection(*length, *height, cooling->ratio);
  out << "  piping correction factor: " << (piping ? printed("%.3f", *piping) : std::string("-"))
      << " in cooling (" << trimmed(o.equivalentPipingLength) << " m equivalent length, "
      << trimmed(o.verticalHeight) << " m height), 1 in heating\n";
  out << "  outdoor air: ";
  if (supply && outdoorAir && *supply > 0) {
    out << printed("%.0f", 100 * *outdoorAir / *supply) << " % of the supply air\n";
  } else {
    out << "-\n";
  }
}

}  // namespace

void checkDesign(const TemplateLists& t, std::span<const DesignDay> designDays,
                 const VrfMembership& members, std::optional<VrfVersion> vrf, Diagnostics& d) {
  checkDeadBands(t.thermostats, d);
  if (!vrf) return;
  // An outdoor unit without a name of its own stops EnergyPlus, which is reported: its design
  // is not looked at, nor that of its indoor units.
  NameMap<bool> seen(t.outdoorUnits.size());
  std::size_t systems = 0;
  Problem ratio(d, Severity::Warning,
                cat("combination ratios outside ", plain(kLimits.combinationRatio.low), " to ",
                    plain(kLimits.combinationRatio.high)));
  Problem piping(d, Severity::Warning, "outdoor units whose piping the correction curve misses");
  Problem defrost(d, Severity::Warning, "outdoor units with a resistive defrost heater of 0 W");
  Problem flow(d, Severity::Warning,
               "indoor units whose air flow per capacity is outside EnergyPlus's range");
  Figures figures;
  for (std::size_t i = 0; i < t.outdoorUnits.size(); ++i) {
    const Outdoor& o = t.outdoorUnits[i];
    if (trimmed(o.name).empty() || !seen.try_emplace(o.name, true).second) continue;
    const Members served = members.membersOf(i);
    systems += served.empty() ? 0 : 1;
    readFigures(served, *vrf, figures);
    for (const CapacitySide& side : kCapacitySides) checkCombination(o, figures, side, *vrf, ratio);
    checkPiping(o, *vrf, piping);
    checkDefrost(o, *vrf, defrost);
    for (std::size_t k = 0; k < served.size(); ++k) {
      checkFlowPerCapacity(*served[k], figures[k], flow);
    }
  }
  if (systems > 0) checkDesignDays(designDays, systems, d);
}

void writeDesignSummary(std::ostream& out, const TemplateLists& t, const VrfMembership& members,
                        VrfVersion vrf) {
  Figures figures;
  for (std::size_t i = 0; i < t.outdoorUnits.size(); ++i) {
    writeUnitSummary(out, t.outdoorUnits[i], members.membersOf(i), vrf, figures);
  }
}

}  // namespace vak
