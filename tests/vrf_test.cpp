#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "test_support.h"
#include "writers/vrf_coils_control.h"
#include "writers/vrf_curves.h"
#include "writers/vrf_outdoor_unit.h"
#include "writers/vrf_terminal_unit.h"

namespace vak {
namespace {

using test::written;
using Lines = std::vector<std::string>;

std::size_t countIf(const Lines& lines, bool (*test)(const std::string&)) {
  return static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(), test));
}

bool isEmpty(const std::string& l) {
  return l.empty();
}
bool isBanner(const std::string& l) {
  return l.rfind("!-   ===========  ALL OBJECTS IN CLASS: ", 0) == 0;
}
bool isHead(const std::string& l) {
  return !l.empty() && l[0] != ' ' && l[0] != '!' && l.back() == ',';
}
bool isField(const std::string& l) {
  return l.rfind("     ", 0) == 0 && l.find("!- ") != std::string::npos;
}

TEST(CurveSet, HoldsTwentyCurvesInThreeHundredSevenLines) {
  const Lines lines = written([](IdfLines& out) { writeCurveSet(out); });
  ASSERT_EQ(lines.size(), 307u);
  EXPECT_EQ(countIf(lines, isEmpty), 25u);
  EXPECT_EQ(countIf(lines, isBanner), 4u);
  EXPECT_EQ(countIf(lines, isHead), 20u);
  EXPECT_EQ(countIf(lines, isField), 258u);
  EXPECT_EQ(lines.front(), "");
  EXPECT_EQ(lines.back(), "");
  EXPECT_EQ(lines[1], "!-   ===========  ALL OBJECTS IN CLASS: CURVE:LINEAR ===========");
}

TEST(CurveSet, FieldLinesPutTheCommentInColumn31SaveSevenQuotedLines) {
  const Lines lines = written([](IdfLines& out) { writeCurveSet(out); });
  Lines off;
  for (const std::string& l : lines) {
    if (isField(l) && l.find("!- ") != 30) off.push_back(l);
  }
  EXPECT_EQ(off, (Lines{"     VRFCPLFFPLR,         !- Name",
                        "     Dimensionless;             !- Output Unit Type",
                        "     Dimensionless;             !- Output Unit Type",
                        "     Dimensionless;             !- Output Unit Type",
                        "     Dimensionless;             !- Output Unit Type",
                        "     Dimensionless;             !- Output Unit Type",
                        "     CoolingLengthCorrectionFactor,  !- Name"}));
  // The sixth cubic curve follows the rule, and empty values keep their 24 blanks.
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "     ,                        !- Minimum Curve Output"),
            lines.end());
  const auto heatingLow =
      std::find(lines.begin(), lines.end(), "     HeatingEIRLowPLR,        !- Name");
  ASSERT_NE(heatingLow, lines.end());
  EXPECT_EQ(*(heatingLow + 10), "     Dimensionless;           !- Output Unit Type");
}

VRVUnidadExterior outdoorUnit() {
  return test::parse<VRVUnidadExterior>(test::outdoorFields("OU"));
}

TEST(OutdoorUnit, EightyTwoAndSixtyFiveObjectLines) {
  const VRVUnidadExterior o = outdoorUnit();
  const Lines v80 =
      written([&](IdfLines& out) { OutdoorUnitWriter(VrfVersion::V8_0, out.eol()).write(out, o); });
  const Lines v71 =
      written([&](IdfLines& out) { OutdoorUnitWriter(VrfVersion::V7_1, out.eol()).write(out, o); });
  ASSERT_EQ(v80.size(), 83u);  // the object, then one empty line
  ASSERT_EQ(v71.size(), 66u);
  EXPECT_EQ(v80.back(), "");
  EXPECT_EQ(v80[81],
            "     0;                       !- Heat Recovery Heating Energy Time Constant {hr}");
  EXPECT_EQ(v71[64], "     Electric;                !- Fuel Type");
  EXPECT_EQ(v80[39],
            "     30,           !- Equivalent Piping Length used for Piping Correction Factor in "
            "Cooling Mode {m}");
  EXPECT_EQ(v80[43],
            "     30,           !- Equivalent Piping Length used for Piping Correction Factor in "
            "Heating Mode {m}");
  EXPECT_EQ(v80[37], "     OUListTerminal,           !- Zone Terminal Unit List Name");
}

TEST(OutdoorUnit, SevenOneIsEightZeroWithTheListedChanges) {
  const VRVUnidadExterior o = outdoorUnit();
  Lines v80 =
      written([&](IdfLines& out) { OutdoorUnitWriter(VrfVersion::V8_0, out.eol()).write(out, o); });
  const Lines v71 =
      written([&](IdfLines& out) { OutdoorUnitWriter(VrfVersion::V7_1, out.eol()).write(out, o); });
  // Rows counted from 1 as the object's lines; work from the end so earlier rows keep their place.
  v80.erase(v80.begin() + 68, v80.begin() + 82);  // heat recovery fields, rows 69 to 82
  v80[67] = "     Electric;                !- Fuel Type";
  v80.erase(v80.begin() + 58, v80.begin() + 60);  // condenser outlet node, water flow rate
  v80[57] = "     OU MyVRFOANode,      !- Condenser Node Name";
  v80[48].insert(v80[48].find("!-"), " ");
  v80.erase(v80.begin() + 18);  // sizing ratio
  EXPECT_EQ(v80, v71);
}

// Everything before the "!-" of a field line: what EnergyPlus reads.
std::string code(const std::string& line) {
  return line.substr(0, line.find("!-"));
}

TEST(OutdoorUnit, CurrentIsEightZeroWithTheRenamedLabels) {
  const VRVUnidadExterior o = outdoorUnit();
  const Lines v80 =
      written([&](IdfLines& out) { OutdoorUnitWriter(VrfVersion::V8_0, out.eol()).write(out, o); });
  const Lines now = written(
      [&](IdfLines& out) { OutdoorUnitWriter(VrfVersion::Current, out.eol()).write(out, o); });
  ASSERT_EQ(now.size(), v80.size());
  std::size_t renamed = 0;
  for (std::size_t i = 0; i < now.size(); ++i) {
    EXPECT_EQ(code(now[i]), code(v80[i])) << "line " << i + 1;
    if (now[i] != v80[i]) ++renamed;
  }
  EXPECT_EQ(renamed, 22u);
  EXPECT_EQ(now[3], "     14000,           !- Gross Rated Total Cooling Capacity {W}");
  EXPECT_EQ(now[49],
            "     5,                       !- Maximum Outdoor Dry-Bulb Temperature for "
            "Crankcase Heater {C}");
}

TEST(TerminalUnit, LineCountsByVersionAndFanMode) {
  test::Indoor cycling;
  test::Indoor constant;
  constant.fanMode = "Constant";
  const auto u1 = test::parse<VRVUnidadInterior>(cycling.fields());
  const auto u2 = test::parse<VRVUnidadInterior>(constant.fields());
  // empty line, terminal unit, empty line, fan section, empty line
  EXPECT_EQ(written([&](IdfLines& out) {
              TerminalUnitWriter(VrfVersion::V8_0, out.eol()).write(out, u1);
            }).size(),
            1 + 25 + 1 + 15 + 1u);
  EXPECT_EQ(written([&](IdfLines& out) {
              TerminalUnitWriter(VrfVersion::V7_1, out.eol()).write(out, u1);
            }).size(),
            1 + 24 + 1 + 15 + 1u);
  EXPECT_EQ(written([&](IdfLines& out) {
              TerminalUnitWriter(VrfVersion::V8_0, out.eol()).write(out, u2);
            }).size(),
            1 + 25 + 1 + 13 + 1u);
  EXPECT_EQ(written([&](IdfLines& out) {
              TerminalUnitWriter(VrfVersion::V7_1, out.eol()).write(out, u2);
            }).size(),
            1 + 24 + 1 + 13 + 1u);
  EXPECT_EQ(written([&](IdfLines& out) {
              TerminalUnitWriter(VrfVersion::Current, out.eol()).write(out, u1);
            }).size(),
            1 + 31 + 1 + 15 + 1u);
  EXPECT_EQ(written([&](IdfLines& out) {
              TerminalUnitWriter(VrfVersion::Current, out.eol()).write(out, u2);
            }).size(),
            1 + 31 + 1 + 13 + 1u);
}

TEST(TerminalUnit, VersionsDifferOnlyInTheLastLines) {
  const auto u = test::parse<VRVUnidadInterior>(test::Indoor().fields());
  Lines v80 = written(
      [&](IdfLines& out) { TerminalUnitWriter(VrfVersion::V8_0, out.eol()).write(out, u); });
  const Lines v71 = written(
      [&](IdfLines& out) { TerminalUnitWriter(VrfVersion::V7_1, out.eol()).write(out, u); });
  EXPECT_EQ(
      v80[24],
      "     20,                      !- Zone Terminal Unit Off Parasitic Electric Energy Use {W}");
  EXPECT_EQ(v80[25],
            "     1;                       !- Rated Total Heating Capacity Sizing Ratio {W/W}");
  v80.erase(v80.begin() + 25);
  v80[24] =
      "     20;                      !- Zone Terminal Unit Off Parasitic Electric Energy Use {W}";
  EXPECT_EQ(v80, v71);
}

TEST(TerminalUnit, OnlyExactlyAutoGivesTheCyclingFan) {
  EXPECT_TRUE(hasCyclingFan(test::parse<VRVUnidadInterior>(test::Indoor().fields())));
  for (const char* mode : {"auto", "AUTO", "Auto ", "", "Cycling"}) {
    test::Indoor i;
    i.fanMode = mode;
    const auto u = test::parse<VRVUnidadInterior>(i.fields());
    EXPECT_FALSE(hasCyclingFan(u)) << '"' << mode << '"';
    const Lines lines = written(
        [&](IdfLines& out) { TerminalUnitWriter(VrfVersion::V8_0, out.eol()).write(out, u); });
    EXPECT_EQ(lines[13], "     Fan vrv on,      !- Supply Air Fan Operating Mode Schedule Name");
    EXPECT_EQ(lines[15], "     Fan:ConstantVolume,      !- Supply Air Fan Object Type");
    EXPECT_EQ(lines[29], "Fan:ConstantVolume,");
  }
}

TEST(IndoorBlock, ValuesGoInUnchanged) {
  test::Indoor i;
  i.name = "Office 1 ";
  i.zone = "";
  const auto u = test::parse<VRVUnidadInterior>(i.fields());
  const Lines mixer = written([&](IdfLines& out) {
    CoilsControlWriter(VrfVersion::V8_0, out.eol()).writeMixerAndCoolingCoil(out, u);
  });
  EXPECT_EQ(mixer[6], "     Office 1  Relief Air Outlet Node 1,!- Relief Air Stream Node Name");
  const Lines control = written([&](IdfLines& out) {
    CoilsControlWriter(VrfVersion::V8_0, out.eol()).writeZoneControl(out, u);
  });
  EXPECT_EQ(control[3], "      Control,             !- Name");
  EXPECT_EQ(control.back(), "     T1 DualSetPoint;            !- Control Name");
}

std::size_t occurrences(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(VrfFrame, CoilCurvesFollowTheFirstUnitWritten) {
  test::Indoor b1, a1;
  b1.name = "B1";
  b1.outdoor = "B";
  a1.name = "A1";
  a1.zone = "Z2";
  a1.outdoor = "A";
  const std::string head = "Version,\n  8.0;\n" + test::thermostatText("T1");
  // The first outdoor unit serves nobody, so the curves come with the first unit of the next.
  const std::string out = test::expand(head + test::outdoorText("X") + test::outdoorText("A") +
                                       test::outdoorText("B") + b1.text() + a1.text())
                              .output;
  EXPECT_EQ(occurrences(out, "     VRFTUCoolCapFT,  !- Name"), 1u);
  EXPECT_EQ(occurrences(out, "     VRFACCoolCapFFF,  !- Name"), 1u);
  EXPECT_EQ(occurrences(out, "     VRFTUHeatCapFT,  !- Name"), 1u);
  const std::size_t curves = out.find("     VRFTUCoolCapFT,  !- Name");
  EXPECT_LT(out.find("     A1 VRF DX Cooling Coil,            !- Name"), curves);
  EXPECT_GT(out.find("     B1 VRF DX Cooling Coil,            !- Name"), curves);

  // No unit belongs to any outdoor unit: no coil and no coil curve at all.
  const std::string none =
      test::withoutMessages(test::expand(head + test::outdoorText("X") + b1.text()).output);
  EXPECT_EQ(occurrences(none, "VRFTUCoolCapFT"), 0u);
  EXPECT_EQ(occurrences(none, "Coil:Cooling:DX:VariableRefrigerantFlow,"), 0u);
  EXPECT_TRUE(
      none.ends_with("!- Heat Recovery Heating Energy Time Constant {hr}\n\n"
                     "!-   ===========  ALL OBJECTS IN CLASS: "
                     "ZONEHVAC:TERMINALUNIT:VARIABLEREFRIGERANTFLOW ===========\n"));
}

TEST(VrfFrame, OnlyAReleaseNumberSelectsALayout) {
  const std::string body =
      test::thermostatText("T1") + test::outdoorText("OU") + test::Indoor().text();
  for (const char* version : {"8.0a", "8", "80", "7.10", "v8.0"}) {
    const std::string out =
        test::expand(std::string("Version,\n  ") + version + ";\n" + body).output;
    EXPECT_EQ(out.find("AirConditioner:VariableRefrigerantFlow"), std::string::npos) << version;
    EXPECT_NE(out.find("ThermostatSetpoint:DualSetpoint,"), std::string::npos) << version;
  }
  EXPECT_NE(test::expand("Version,\n7.1;\n" + body).output.find("     Electric;"),
            std::string::npos);
}

// The generated objects as EnergyPlus reads them: class and field values, comments dropped. The
// messages passed on to EnergyPlus are left out: they are the checks'.
std::vector<Lines> objectsOf(const std::string& text) {
  std::vector<Lines> objects;
  Lines current;
  std::istringstream in(test::withoutMessages(text));
  for (std::string line; std::getline(in, line);) {
    line = line.substr(0, line.find('!'));
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos) continue;
    const std::size_t end = line.find_last_of(",;");
    current.push_back(line.substr(first, end - first));
    if (line[end] == ';') objects.push_back(std::move(current)), current.clear();
  }
  return objects;
}

// Every later layout differs from 8.0, as EnergyPlus reads it, in the equipment list and the
// terminal unit alone.
TEST(VrfFrame, LaterLayoutsDifferFromEightZeroInTwoObjectsOnly) {
  test::Indoor b;
  b.name = "U2";
  b.zone = "Z2";
  b.fanMode = "Constant";
  const std::string body = test::thermostatText("T1") + test::outdoorText("OU") +
                           test::Indoor().text() + b.text() + test::outdoorText("OU2");
  const std::vector<Lines> v80 = objectsOf(test::expand("Version,\n  8.0;\n" + body).output);
  struct Layout {
    const char* version;
    bool scheme, groupsOfSix, longTerminal;
  };
  for (const Layout& layout : {Layout{"8.8", false, false, false},
                               {"8.9", true, false, false},
                               {"9.0.1", true, false, false},
                               {"9.1", true, true, false},
                               {"9.2", true, true, true},
                               {"25.2.0", true, true, true}}) {
    const std::vector<Lines> now =
        objectsOf(test::expand(std::string("Version,\n  ") + layout.version + ";\n" + body).output);
    ASSERT_EQ(now.size(), v80.size());
    std::size_t lists = 0, terminals = 0;
    for (std::size_t i = 1; i < now.size(); ++i) {  // the Version objects differ, of course
      Lines expected = v80[i];
      if (expected[0] == "ZoneHVAC:EquipmentList") {
        ++lists;
        if (layout.scheme) expected.insert(expected.begin() + 2, "SequentialLoad");
        if (layout.groupsOfSix) expected.insert(expected.end(), {"", ""});
      } else if (expected[0] == "ZoneHVAC:TerminalUnit:VariableRefrigerantFlow") {
        ++terminals;
        ASSERT_EQ(expected.size(), 25u);
        if (layout.longTerminal)
          expected.insert(expected.end(), {"", "", "", "", "autosize", "21"});
      }
      EXPECT_EQ(now[i], expected) << layout.version << ", object " << i;
    }
    EXPECT_EQ(lists, 2u);
    EXPECT_EQ(terminals, 2u);
  }
}

TEST(VrfFrame, GeneratedLinesEndLikeTheInput) {
  const std::string input = "Version,\n  8.0;\n" + test::thermostatText("T1") +
                            test::outdoorText("OU") + test::Indoor().text();
  std::string crlf;
  for (char c : input) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  std::string expected;
  for (char c : test::expand(input).output)
    expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(test::expand(crlf).output, expected);
}

}  // namespace
}  // namespace vak
