#include "writers/vrf_curves.h"

#include <array>
#include <cstddef>
#include <iterator>
#include <string_view>

namespace vak {

namespace {

using V = std::string_view;

// The values of one curve, one per label. A row with a value too few or too many does not
// compile, instead of shifting every later curve.
template <std::size_t N>
struct Row {
  template <class... Values>
  requires(sizeof...(Values) == N) consteval Row(Values... v) : values{V(v)...} {}

  std::array<V, N> values;
};

constexpr auto kLinearLabels = std::to_array<V>({
    "Name",
    "Coefficient1 Constant",
    "Coefficient2 x",
    "Minimum Value of x",
    "Maximum Value of x",
    "Minimum Curve Output",
    "Maximum Curve Output",
    "Input Unit Type for X",
    "Output Unit Type",
});

constexpr auto kQuadraticLabels = std::to_array<V>({
    "Name",
    "Coefficient1 Constant",
    "Coefficient2 x",
    "Coefficient3 x**2",
    "Minimum Value of x",
    "Maximum Value of x",
    "Minimum Curve Output",
    "Maximum Curve Output",
    "Input Unit Type for X",
    "Output Unit Type",
});

constexpr auto kCubicLabels = std::to_array<V>({
    "Name",
    "Coefficient1 Constant",
    "Coefficient2 x",
    "Coefficient3 x**2",
    "Coefficient4 x**3",
    "Minimum Value of x",
    "Maximum Value of x",
    "Minimum Curve Output",
    "Maximum Curve Output",
    "Input Unit Type for X",
    "Output Unit Type",
});

constexpr auto kBiquadraticLabels = std::to_array<V>({
    "Name",
    "Coefficient1 Constant",
    "Coefficient2 x",
    "Coefficient3 x**2",
    "Coefficient4 y",
    "Coefficient5 y**2",
    "Coefficient6 x*y",
    "Minimum Value of x",
    "Maximum Value of x",
    "Minimum Value of y",
    "Maximum Value of y",
    "Minimum Curve Output",
    "Maximum Curve Output",
    "Input Unit Type for X",
    "Input Unit Type for Y",
    "Output Unit Type",
});

// One curve a row, values in label order, exactly as written ("" is an empty field).
// clang-format off
constexpr Row<kLinearLabels.size()> kLinear[] = {
    {"CoolingCombRatio", "0.618055", "0.381945", "1.0", "1.5", "1.0", "1.2", "Dimensionless", "Dimensionless"},
    {"HeatingCombRatio", "0.96034", "0.03966", "1.0", "1.5", "1.0", "1.023", "Dimensionless", "Dimensionless"},
};

constexpr Row<kQuadraticLabels.size()> kQuadratic[] = {
    {"CoolingEIRHiPLR", "1.0", "0.0", "0.0", "1.0", "1.5", "", "", "Dimensionless", "Dimensionless"},
    {"VRFCPLFFPLR", "0.85", "0.15", "0.0", "0.0", "1.0", "0.85", "1.0", "Dimensionless", "Dimensionless"},
    {"HeatingEIRHiPLR", "2.4294355", "-2.235887", "0.8064516", "1.0", "1.5", "", "", "Dimensionless", "Dimensionless"},
};

constexpr Row<kCubicLabels.size()> kCubic[] = {
    {"VRFCoolCapFTBoundary", "25.73473775", "-0.03150043", "-0.01416595", "0", "11", "30", "", "", "Temperature", "Dimensionless"},
    {"VRFCoolEIRFTBoundary", "25.73473775", "-0.03150043", "-0.01416595", "0", "15", "24", "", "", "Temperature", "Dimensionless"},
    {"CoolingEIRLowPLR", "0.4628123", "-1.0402406", "2.17491", "-0.5974817", "0", "1", "", "", "Temperature", "Dimensionless"},
    {"VRFHeatCapFTBoundary", "-7.6000882", "3.05090016", "-0.1162844", "0.0", "15", "27", "", "", "Temperature", "Dimensionless"},
    {"VRFHeatEIRFTBoundary", "-7.6000882", "3.05090016", "-0.1162844", "0.0", "15", "27", "-20", "15", "Temperature", "Dimensionless"},
    {"HeatingEIRLowPLR", "0.1400093", "0.6415002", "0.1339047", "0.0845859", "0", "1", "", "", "Dimensionless", "Dimensionless"},
};

constexpr Row<kBiquadraticLabels.size()> kBiquadratic[] = {
    {"VRFCoolCapFT", "0.576856477", "0.017450222", "0.00058326", "1.15563E-07", "7.61504E-09", "-1.1503E-08", "15", "24", "-5", "23", "", "", "Temperature", "Temperature", "Dimensionless"},
    {"VRFCoolCapFTHi", "0.6861551", "0.0207869", "0.0005445", "-0.0016098", "-6.254E-07", "-0.000339", "15", "24", "16", "43", "", "", "Temperature", "Temperature", "Dimensionless"},
    {"VRFCoolEIRFT", "0.989010541", "-0.02347967", "0.000199711", "0.005968336", "-1.0289E-07", "-0.00015686", "15", "24", "-5", "23", "", "", "Temperature", "Temperature", "Dimensionless"},
    {"VRFCoolEIRFTHi", "0.18293171", "0.01635442", "-0.0003505", "0.02375694", "0.00017854", "-0.0006177", "15", "24", "16", "43", "", "", "Temperature", "Temperature", "Dimensionless"},
    {"VRFHeatCapFT", "1.014599599", "-0.002506703", "-0.000141599", "0.026931595", "1.83538E-06", "-0.000358147", "15", "27", "-20", "15", "", "", "Temperature", "Temperature", "Dimensionless"},
    {"VRFHeatCapFTHi", "1.161134821", "0.027478868", "-0.00168795", "0.001783378", "2.03208E-06", "-6.8969E-05", "15", "27", "-10", "15", "", "", "Temperature", "Temperature", "Dimensionless"},
    {"VRFHeatEIRFT", "0.87465501", "-0.01319754", "0.00110307", "-0.0133118", "0.00089017", "-0.00012766", "15", "27", "-20", "12", "", "", "Temperature", "Temperature", "Dimensionless"},
    {"VRFHeatEIRFTHi", "2.504005146", "-0.05736767", "4.07336E-05", "-0.12959669", "0.00135839", "0.00317047", "15", "27", "-10", "15", "", "", "Temperature", "Temperature", "Dimensionless"},
    {"CoolingLengthCorrectionFactor", "1.0693794", "-0.0014951", "2.56E-06", "-0.1151104", "0.0511169", "-0.0004369", "8", "175", "0.5", "1.5", "", "", "Temperature", "Temperature", "Dimensionless"},
};
// clang-format on

// The twenty curves that the outdoor units name.
static_assert(std::size(kLinear) + std::size(kQuadratic) + std::size(kCubic) +
                  std::size(kBiquadratic) ==
              20);

// Field lines that do not follow the column rule.
struct ExactLine {
  V curve;
  V label;
  V line;
};

constexpr ExactLine kExactLines[] = {
    {"VRFCPLFFPLR", "Name", "     VRFCPLFFPLR,         !- Name"},
    {"VRFCoolCapFTBoundary", "Output Unit Type",
     "     Dimensionless;             !- Output Unit Type"},
    {"VRFCoolEIRFTBoundary", "Output Unit Type",
     "     Dimensionless;             !- Output Unit Type"},
    {"CoolingEIRLowPLR", "Output Unit Type", "     Dimensionless;             !- Output Unit Type"},
    {"VRFHeatCapFTBoundary", "Output Unit Type",
     "     Dimensionless;             !- Output Unit Type"},
    {"VRFHeatEIRFTBoundary", "Output Unit Type",
     "     Dimensionless;             !- Output Unit Type"},
    {"CoolingLengthCorrectionFactor", "Name", "     CoolingLengthCorrectionFactor,  !- Name"},
};

const ExactLine* exactLine(V curve, V label) {
  for (const ExactLine& e : kExactLines) {
    if (e.curve == curve && e.label == label) return &e;
  }
  return nullptr;
}

void writeFieldLine(IdfLines& out, V curve, V value, V label, bool last) {
  if (const ExactLine* e = exactLine(curve, label)) {
    out.line(e->line);
    return;
  }
  out.field(value, label, last);
}

// A class banner, then each curve as one object followed by an empty line.
template <std::size_t N, std::size_t M>
void writeCurveClass(IdfLines& out, V banner, V head, const std::array<V, N>& labels,
                     const Row<N> (&curves)[M]) {
  out.line(banner);
  out.blankLine();
  for (const Row<N>& curve : curves) {
    out.line(head);
    for (std::size_t i = 0; i < N; ++i) {
      writeFieldLine(out, curve.values[0], curve.values[i], labels[i], i + 1 == N);
    }
    out.blankLine();
  }
}

// The values of the row of `rows` named `name`, if any.
template <std::size_t N, std::size_t M>
std::span<const V> rowNamed(const Row<N> (&rows)[M], V name) {
  for (const Row<N>& row : rows) {
    if (row.values[0] == name) return row.values;
  }
  return {};
}

}  // namespace

std::span<const std::string_view> curveFields(std::string_view name) {
  for (const std::span<const V> row : {rowNamed(kLinear, name), rowNamed(kQuadratic, name),
                                       rowNamed(kCubic, name), rowNamed(kBiquadratic, name)}) {
    if (!row.empty()) return row;
  }
  return {};
}

void writeCurveSet(IdfLines& out) {
  out.blankLine();
  writeCurveClass(out, "!-   ===========  ALL OBJECTS IN CLASS: CURVE:LINEAR ===========",
                  "Curve:Linear,", kLinearLabels, kLinear);
  writeCurveClass(out, "!-   ===========  ALL OBJECTS IN CLASS: CURVE:QUADRATIC ===========",
                  "Curve:Quadratic,", kQuadraticLabels, kQuadratic);
  writeCurveClass(out,
                  "!-   ===========  ALL OBJECTS IN CLASS: CURVE:CUBIC ===========", "Curve:Cubic,",
                  kCubicLabels, kCubic);
  writeCurveClass(out, "!-   ===========  ALL OBJECTS IN CLASS: CURVE:BIQUADRATIC ===========",
                  "Curve:Biquadratic,", kBiquadraticLabels, kBiquadratic);
}

}  // namespace vak
