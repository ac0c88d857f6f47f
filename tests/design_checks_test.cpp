// The design checks: models that EnergyPlus runs, with results nobody meant. Each table holds
// rows on either side of the edge that a check keeps. Then the design summary, and the limits
// against what the writers write.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "checks/numeric_fields.h"
#include "test_support.h"
#include "writers/vrf_curves.h"
#include "writers/vrf_outdoor_unit.h"

namespace vak {
namespace {

using test::warningsFor;
using Changes = std::vector<std::pair<std::size_t, std::string>>;

// Line numbers of the inputs built below: Version 1-2, thermostat 3-8, the outdoor unit 9-22
// (field k on line 9 + k), indoor unit i (from 0) 23 + 17 i to 39 + 17 i.
constexpr std::size_t kSupplyLine = 34;  // of the first indoor unit

// An indoor unit of outdoor unit OU in zone Z(i + 1), with the given fields (from 1) changed.
std::string indoor(std::size_t i, const Changes& changed = {}) {
  test::Indoor u;
  u.name = std::string("U").append(std::to_string(i + 1));
  u.zone = std::string("Z").append(std::to_string(i + 1));
  std::vector<std::string> fields = u.fields();
  for (const auto& [field, value] : changed) fields[field - 1] = value;
  return test::templateObject(VRVUnidadInterior::kClassName, fields);
}

std::string outdoor(const Changes& changed = {}, const std::string& name = "OU") {
  std::vector<std::string> fields = test::outdoorFields(name);
  for (const auto& [field, value] : changed) fields[field - 1] = value;
  return test::templateObject(VRVUnidadExterior::kClassName, fields);
}

std::vector<std::string> units(std::size_t n) {
  std::vector<std::string> all;
  for (std::size_t i = 0; i < n; ++i) all.push_back(indoor(i));
  return all;
}

std::string system(const std::string& outdoorUnits, const std::vector<std::string>& indoorUnits) {
  std::string text = test::kVersion80 + test::thermostatText("T1") + outdoorUnits;
  for (const std::string& u : indoorUnits) text += u;
  return text;
}

std::string row(const Changes& changes) {
  std::string text;
  for (const auto& [field, value] : changes) text += std::to_string(field) + "=" + value + " ";
  return text;
}

// Silence, or one warning at `line` that holds `text`, for each entry.
struct Expected {
  std::size_t line;
  std::string text;
};

void expectWarnings(const std::string& w, const std::vector<Expected>& expected,
                    const std::string& row) {
  std::istringstream split(w);
  std::vector<std::string> got;
  for (std::string l; std::getline(split, l);) got.push_back(l);
  ASSERT_EQ(got.size(), expected.size()) << row << "\n" << w;
  for (std::size_t k = 0; k < expected.size(); ++k) {
    const std::string at = "in.idf:" + std::to_string(expected[k].line) + ": warning: ";
    EXPECT_TRUE(got[k].starts_with(at)) << row << "\n" << got[k];
    EXPECT_NE(got[k].find(expected[k].text), std::string::npos) << row << "\n" << got[k];
  }
}

TEST(Design, CombinationRatiosOutsideHalfToOneAndAHalf) {
  // Each indoor unit rates 7000 W cooling and 8000 W heating, the outdoor unit 14000 W and
  // 16000 W, so that one unit makes 0.5 and three make 1.5, exactly.
  const struct {
    std::size_t units;
    Changes outdoorChanges;
    std::vector<Expected> expected;
  } rows[] = {
      {1, {}, {}},
      {3, {}, {}},
      {4,
       {},
       {{12, "\"OU\": the cooling combination ratio is 2.00: its 4 indoor units have 28000 W"},
        {14, "heating combination ratio is 2.00: its 4 indoor units have 32000 W of rated"}}},
      {1, {{3, "14200"}}, {{12, "cooling combination ratio is 0.49: its 1 indoor unit has"}}},
      {1, {{5, "16500"}}, {{14, "runs, but an outdoor unit of more than twice the capacity"}}},
      {3, {{5, "15900"}}, {{14, "curve takes ratios up to 1.5 only"}}},
      {3, {{3, "13900"}}, {{12, "ratedCoolingCapacity of at least 14000 W (a ratio of 1.5;"}}},
      {1, {{3, "20000"}}, {{12, "ratedCoolingCapacity of at most 14000 W (a ratio of 0.5)"}}},
  };
  for (const auto& r : rows) {
    expectWarnings(warningsFor(system(outdoor(r.outdoorChanges), units(r.units))), r.expected,
                   std::to_string(r.units) + " units, " + row(r.outdoorChanges));
  }
}

TEST(Design, PipingOutsideTheLengthCorrectionCurve) {
  const struct {
    Changes changes;  // equivalentPipingLength (10), verticalHeight (11)
    std::vector<Expected> expected;
  } rows[] = {
      {{{10, "175"}, {11, "0"}}, {}},
      {{{10, "175.5"}, {11, "0"}},
       {{19,
         "the CoolingLengthCorrectionFactor curve; EnergyPlus "
         "runs, but takes it as 175 m"}}},
      {{{10, "8"}, {11, "0"}}, {}},
      {{{10, "7.9"}, {11, "0"}}, {{19, "\"7.9\" is outside the 8 to 175 m"}}},
      {{{10, "30"}, {11, "30"}}, {}},
      {{{10, "30"}, {11, "-30"}}, {}},
      {{{10, "30"}, {11, "30.5"}}, {{20, "verticalHeight \"30.5\" is more than the 30 m"}}},
      {{{10, "30"}, {11, "-31"}}, {{20, "verticalHeight \"-31\" is more than the 30 m"}}},
      {{{10, "300"}, {11, "400"}}, {{19, "\"300\" is outside"}}},  // one message for the piping
  };
  for (const auto& r : rows) {
    expectWarnings(warningsFor(system(outdoor(r.changes), units(2))), r.expected, row(r.changes));
  }
}

TEST(Design, AirFlowPerCapacityOutsideWhatEnergyPlusExpects) {
  const std::string cooling = "m3/s per W of ratedCoolingCapacity \"10000\", outside the 4.027e-5";
  const std::string heating = "per W of ratedHeatingCapacity";
  const struct {
    std::string flow, cooling, heating;
    std::vector<Expected> expected;
  } rows[] = {
      {"0.4027", "10000", "10000", {}},
      {"0.4026", "10000", "10000", {{kSupplyLine, "\"0.4026\" gives 4.026e-5 " + cooling}}},
      {"0.6041", "10000", "10000", {}},
      {"0.6042", "10000", "10000", {{kSupplyLine, "6.042e-5 " + cooling}}},
      {"0.8056", "16000", "10000", {}},
      {"0.8056", "16000", "9999", {{kSupplyLine, "8.057e-5 m3/s " + heating + " \"9999\""}}},
      {"0.5", "10000", "6000", {{kSupplyLine, "supplyAirFlowRate of 0.403 to 0.483 m3/s"}}},
      {"0.9", "10000", "10000", {{kSupplyLine, "9.000e-5 m3/s " + heating}}},
      {"0.3", "10000", "2000", {{kSupplyLine, "change the capacities, which no air flow fits"}}},
  };
  for (const auto& r : rows) {
    // The outdoor unit's capacities equal the indoor unit's.
    const std::string input = system(outdoor({{3, r.cooling}, {5, r.heating}}),
                                     {indoor(0, {{11, r.flow}, {12, r.cooling}, {14, r.heating}})});
    expectWarnings(warningsFor(input), r.expected, r.flow + " " + r.cooling + " " + r.heating);
  }
}

TEST(Design, ThermostatsWithoutADeadBand) {
  const struct {
    std::vector<std::string> fields;
    std::vector<Expected> expected;
  } rows[] = {
      {{"T1", "", "21", "", "25"}, {}},
      {{"T1", "", "23.9", "", "24"}, {}},
      {{"T1", "", "24", "", "24.0"}, {{6, "\"24\" equals coolingSetpoint \"24.0\", which leaves"}}},
      {{"T1", "", "25", "", "24"}, {{6, "heatingSetpoint \"25\" is above coolingSetpoint \"24\""}}},
      {{"T1", "AlwaysOn", "25", "", "24"}, {}},  // the schedule is used, not the constant
      {{"T1", "", "25", "AlwaysOn", "24"}, {}},
  };
  for (const auto& r : rows) {
    expectWarnings(
        warningsFor(test::kVersion80 + test::templateObject(Termostato::kClassName, r.fields)),
        r.expected, r.fields[2] + "/" + r.fields[4]);
  }
}

TEST(Design, AResistiveDefrostHeaterOfZeroWatts) {
  const std::string none = "the defrost heater has no power; EnergyPlus runs, but defrosting";
  const struct {
    Changes changes;  // defrostStrategy (12), resistiveDefrostHeaterCapacity (13)
    std::vector<Expected> expected;
  } rows[] = {
      {{{12, "Resistive"}, {13, "0"}},
       {{22, "is \"0\" with defrostStrategy \"Resistive\": " + none}}},
      {{{12, "RESISTIVE "}, {13, "0.0"}}, {{22, none}}},
      {{{12, ""}, {13, "0"}},
       {{22, "defrostStrategy is empty, which EnergyPlus reads as Resistive"}}},
      {{{12, "Resistive"}, {13, ""}}, {{22, "is empty, which EnergyPlus reads as 0 W, with"}}},
      {{{12, "ReverseCycle"}, {13, "0"}}, {}},
      {{{12, "Resistive"}, {13, "1"}}, {}},
      {{{12, "Resistive"}, {13, "autosize"}}, {}},
      {{{12, "Resistive"}, {13, "-1"}}, {{22, "\"-1\" is outside the limits"}}},  // that alone
  };
  for (const auto& r : rows) {
    expectWarnings(warningsFor(system(outdoor(r.changes), units(2))), r.expected, row(r.changes));
  }
}

TEST(Design, DesignDaysOutsideTheOperatingRange) {
  const std::string model = system(outdoor(), units(2));  // 56 lines
  const struct {
    std::string day;
    std::vector<Expected> expected;
  } rows[] = {
      {"SizingPeriod:DesignDay, Hot, 7, 21, SummerDesignDay, 43, 10;", {}},
      {"SizingPeriod:DesignDay, Hot, 7, 21, SummerDesignDay, 43.1, 10;",
       {{57, "DesignDay \"Hot\": its Maximum Dry-Bulb Temperature, 43.1 degC, is above 43 degC"}}},
      {"  sizingperiod:designday ,\n  Hot, ! name\n  7, 21,\n  summerdesignday, 45,\n  10,\n"
       "  DefaultMultipliers;",
       {{57, "45 degC, is above 43"}}},
      {"SizingPeriod:DesignDay, Cold, 1, 21, WinterDesignDay, -15, 5;", {}},
      {"SizingPeriod:DesignDay, Cold, 1, 21, WinterDesignDay, -15, 5.1;",
       {{57, "\"Cold\": its lowest dry-bulb temperature, -20.1 degC (its Maximum"}}},
      {"SizingPeriod:DesignDay, Cold, 1, 21, WinterDesignDay, -21, ;", {{57, "-21 degC"}}},
      // A schedule shapes the day; another day type; fields not where 7.0 to 26.1 put them.
      {"SizingPeriod:DesignDay, Cold, 1, 21, WinterDesignDay, -25, 5, MultiplierSchedule, S;", {}},
      {"SizingPeriod:DesignDay, Hot, 7, 21, CustomDay1, 45, 10;", {}},
      {"SizingPeriod:DesignDay, Hot, 45, 10, 7, 21, SummerDesignDay;", {}},
      {"SizingPeriod:DesignDay, Hot, SummerDesignDay, 7, 21, 45, 10;", {}},
  };
  for (const auto& r : rows) {
    expectWarnings(warningsFor(model + r.day + "\n"), r.expected, r.day);
  }
  // Without a VRF system written, a hot day concerns no template.
  EXPECT_EQ(warningsFor(test::kVersion80 + test::thermostatText("T1") +
                        "SizingPeriod:DesignDay, Hot, 7, 21, SummerDesignDay, 45, 10;\n"),
            "");
}

// What another check reports is not held against the design as well.
TEST(Design, OneMistakeOneMessage) {
  // Not a number, or outside the limits of the field: the ratio and the air flow are not
  // computed from it.
  std::string w = warningsFor(system(outdoor({{3, "14000W"}}), units(4)));
  EXPECT_EQ(w.find("cooling combination ratio"), std::string::npos) << w;
  EXPECT_NE(w.find("heating combination ratio is 2.00"), std::string::npos) << w;
  w = warningsFor(system(outdoor(), {indoor(0, {{11, "0"}}), indoor(1, {{12, "autosize"}})}));
  EXPECT_NE(w.find("supplyAirFlowRate \"0\" is outside the limits"), std::string::npos) << w;
  EXPECT_EQ(w.find("m3/s per W"), std::string::npos) << w;
  EXPECT_EQ(w.find("combination ratio"), std::string::npos) << w;
  // An outdoor unit whose name another one has already, and an unnamed one, are reported as
  // such: their design is not looked at, nor that of their indoor units.
  w = warningsFor(system(outdoor() + outdoor({{3, "50000"}, {13, "0"}}), units(2)));
  EXPECT_NE(w.find("the name is already used by the outdoor unit at line 9"), std::string::npos);
  EXPECT_EQ(w.find("combination ratio"), std::string::npos) << w;
  std::vector<std::string> unnamed = {indoor(0, {{11, "0.9"}, {16, ""}})};
  w = warningsFor(system(outdoor({{3, "50000"}}, ""), unnamed));
  EXPECT_EQ(w.find("combination ratio"), std::string::npos) << w;
  EXPECT_EQ(w.find("m3/s per W"), std::string::npos) << w;
  // A unit of no outdoor unit is not written.
  w = warningsFor(system(outdoor(), {indoor(0), indoor(1, {{11, "0.9"}, {16, "Elsewhere"}})}));
  EXPECT_EQ(w.find("m3/s per W"), std::string::npos) << w;
}

// The limits that stand for the program's own values are those that the writers write.
TEST(DesignLimits, AreWhatTheProgramWrites) {
  const VRVUnidadExterior o = test::parse<VRVUnidadExterior>(test::outdoorFields("OU"));
  for (const VrfVersion version : kLayouts) {
    const std::vector<std::string> lines =
        test::written([&](IdfLines& out) { OutdoorUnitWriter(version, out.eol()).write(out, o); });
    const auto value = [&lines](const std::string& label) {
      for (const std::string& l : lines) {
        if (l.find("!- " + label) != std::string::npos) {
          return energyPlusNumber(l.substr(0, l.find(','))).value_or(-1e9);
        }
      }
      return -1e9;
    };
    const std::string temperature = version == VrfVersion::Current
                                        ? "Condenser Inlet Node Temperature in "
                                        : "Outdoor Temperature in ";
    EXPECT_EQ(value("Minimum " + temperature + "Cooling Mode"), kDesignLimits.coolingOutdoor.low);
    EXPECT_EQ(value("Maximum " + temperature + "Cooling Mode"), kDesignLimits.coolingOutdoor.high);
    EXPECT_EQ(value("Minimum " + temperature + "Heating Mode"), kDesignLimits.heatingOutdoor.low);
    EXPECT_EQ(value("Maximum " + temperature + "Heating Mode"), kDesignLimits.heatingOutdoor.high);
    EXPECT_EQ(value("Piping Correction Factor for Height in Cooling Mode Coefficient"),
              kDesignLimits.heightCoefficient);
    // The design-day check takes the heating limits for wet-bulb ones.
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "     WetBulbTemperature,      !- Heating Performance Curve Outdoor "
                        "Temperature Type"),
              lines.end());
  }
  const auto limit = [](const char* curve, std::size_t field) {
    return energyPlusNumber(curveFields(curve)[field]).value_or(-1e9);
  };
  // Curve:Biquadratic: x from field 7 to 8, y from 9 to 10; Curve:Linear: x from 3 to 4.
  EXPECT_EQ(limit("CoolingLengthCorrectionFactor", 7), kDesignLimits.pipingLength.low);
  EXPECT_EQ(limit("CoolingLengthCorrectionFactor", 8), kDesignLimits.pipingLength.high);
  EXPECT_EQ(limit("CoolingCombRatio", 4), kDesignLimits.combinationRatio.high);
  EXPECT_EQ(limit("HeatingCombRatio", 4), kDesignLimits.combinationRatio.high);
  EXPECT_TRUE(curveFields("NoSuchCurve").empty());
}

std::string summaryOf(const std::string& input, bool requested = true) {
  std::istringstream in(input + test::namedObjects());
  std::ostringstream out, console, diagnostics;
  convert(in, out, console, diagnostics, {.designSummary = requested});
  return diagnostics.str();
}

TEST(DesignSummary, OneTablePerOutdoorUnitAfterTheWarnings) {
  const std::string two = system(outdoor(), units(2));
  EXPECT_EQ(
      summaryOf(two),
      test::lines("Design summary of HVACVAKTemplate:VRVUnidadExterior \"OU\" (in.idf line 9):",
                  "  indoor unit        zone  cooling W  heating W  supply m3/s  outdoor air m3/s",
                  "  U1                 Z1         7000       8000         0.30              0.05",
                  "  U2                 Z2         7000       8000         0.30              0.05",
                  "  indoor units                 14000      16000          0.6               0.1",
                  "  outdoor unit                 14000      16000",
                  "  combination ratio             1.00       1.00",
                  "  piping correction factor: 0.947 in cooling (30 m equivalent length, 8 m "
                  "height), 1 in heating",
                  "  outdoor air: 17 % of the supply air"));
  EXPECT_EQ(summaryOf(two, false), "");
  EXPECT_EQ(summaryOf(test::kVersion80 + test::thermostatText("T1")), "") << "no VRF system";

  // The length curve takes its inputs within its range, and the factor stays within 0.5 to 1;
  // the warnings come first.
  const std::string w = summaryOf(system(outdoor({{10, "300"}, {11, "5"}}), units(4)));
  EXPECT_NE(w.find("piping correction factor: 0.712 in cooling (300 m"), std::string::npos) << w;
  EXPECT_LT(w.find("warning"), w.find("Design summary")) << w;
  EXPECT_NE(summaryOf(system(outdoor({{10, "8"}, {11, "-10"}}), units(1)))
                .find("piping correction factor: 1.000 in cooling"),
            std::string::npos);
  // What is not a number is shown as written, and what follows from it as "-".
  const std::string odd =
      summaryOf(system(outdoor({{10, "long"}}), {indoor(0, {{12, "autosize"}}), indoor(1)}));
  EXPECT_NE(odd.find("  U1                 Z1     autosize       8000"), std::string::npos) << odd;
  EXPECT_NE(odd.find("  combination ratio                -       1.00"), std::string::npos) << odd;
  EXPECT_NE(odd.find("piping correction factor: - in cooling"), std::string::npos) << odd;
  EXPECT_NE(summaryOf(system(outdoor(), {})).find("(in.idf line 9):\n  no indoor unit names it\n"),
            std::string::npos);
}

}  // namespace
}  // namespace vak
