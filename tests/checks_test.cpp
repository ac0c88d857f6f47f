#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "templates/diagnostics.h"
#include "test_support.h"

namespace vak {
namespace {

using test::Indoor;

using test::warningsFor;
const std::string& kV80 = test::kVersion80;

std::size_t lineCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(Checks, ACompleteSystemExpandsWithoutWarnings) {
  Indoor u2;
  u2.name = "U2";
  u2.zone = "Z2";
  u2.fanMode = "Constant";
  u2.placement = "drawthrough";
  for (const char* version : {"7.1", "8.0", "9.2", "24.1.0", "26.1"}) {
    const std::string input = std::string("Version,\n  ") + version + ";\n" +
                              test::thermostatText("T1") + test::outdoorText("OU") +
                              Indoor().text() + u2.text();
    EXPECT_EQ(warningsFor(input), "") << version;
  }
}

TEST(Checks, VersionObjectsThatSelectNoLayout) {
  const std::string body = test::thermostatText("T1") + test::outdoorText("OU") + Indoor().text();
  const std::string noVrf =
      "no VRF object is written for the 1 outdoor unit and the zones get no HVAC";
  std::string w = warningsFor("! model\n  Version, 7.2 ;\n" + body);
  EXPECT_TRUE(
      w.starts_with("in.idf:2: warning: the Version value \"7.2\" names no release whose "
                    "object layout the program writes, so " +
                    noVrf +
                    "; the supported releases are 7.1, 8.0 to 8.9, 9.0 to 9.6, 22.1, "
                    "22.2, 23.1, 23.2, 24.1, 24.2, 25.1, 25.2 and 26.1 (with any patch or "
                    "build part, such as \"24.1.0\");"))
      << w;
  EXPECT_EQ(lineCount(w), 1u) << "nothing about the units of a system that is not written";

  EXPECT_EQ(warningsFor(body), "expandVAKobjects: warning: the file has no Version object, so " +
                                   noVrf +
                                   "; add one that names the EnergyPlus release of the model, "
                                   "such as \"Version, 24.1;\"\n");
  EXPECT_EQ(warningsFor("Version,\n  ;\n" + body),
            "in.idf:1: warning: the Version object holds no value, so " + noVrf +
                "; write the EnergyPlus release of the model, such as \"Version, 24.1;\"\n");
  EXPECT_EQ(warningsFor("Version,\n  9.7;\n" + test::thermostatText("T1")), "")
      << "without outdoor units the version does not matter";

  // A second Version object: at its line, once, whatever the values; the last one counts.
  w = warningsFor("Version,\n  8.0;\n" + body + "Version, 24.1;\n");
  EXPECT_EQ(w, "in.idf:" + std::to_string(lineCount("Version,\n  8.0;\n" + body) + 1) +
                   ": warning: another Version object, after the one at line 1; EnergyPlus "
                   "accepts only one, and the program writes its objects for the last one, "
                   "\"24.1\"; keep one Version object\n");
  EXPECT_EQ(test::expand("Version, 8.0;\nVersion, 8.0;\nZone, Z;\n").diagnostics, "")
      << "a file without templates is only copied";
}

TEST(Checks, UnitsThatNothingServesOrThatNameNothing) {
  std::string w = warningsFor(kV80 + test::thermostatText("T1") + Indoor().text());
  EXPECT_NE(w.find("1 indoor unit but no outdoor unit; nothing is generated for them"),
            std::string::npos)
      << w;

  Indoor stray;  // not written: nothing else about it is worth a message
  stray.name = "U2";
  stray.zone = "Z2";
  stray.outdoor = "OU ";
  stray.placement = "BlowThrough";
  stray.fanMode = "auto";
  Indoor lost;
  lost.name = "U3";
  lost.zone = "Z3";
  lost.thermostat = "T9";
  Indoor otherCase;  // EnergyPlus finds "t1 DualSetPoint" as "T1 DualSetPoint"
  otherCase.name = "U4";
  otherCase.zone = "Z4";
  otherCase.thermostat = "t1";
  w = warningsFor(kV80 + test::thermostatText("T1") + test::outdoorText("OU") +
                  test::outdoorText("Spare") + Indoor().text() + stray.text() + lost.text() +
                  otherCase.text());
  EXPECT_NE(w.find(":70: warning: HVACVAKTemplate:VRVUnidadInterior \"U2\": outdoorUnitName \"OU "
                   "\" differs from the outdoor unit \"OU\" (line 9) only in letter case"),
            std::string::npos)
      << w;
  EXPECT_NE(w.find(":74: warning: HVACVAKTemplate:VRVUnidadInterior \"U3\": thermostatName "
                   "\"T9\" names no thermostat; its zone control names \"T9 DualSetPoint\""),
            std::string::npos)
      << w;
  EXPECT_NE(w.find(":23: warning: HVACVAKTemplate:VRVUnidadExterior \"Spare\": no indoor unit "
                   "names it"),
            std::string::npos)
      << w;
  EXPECT_EQ(lineCount(w), 3u) << w;

  w = warningsFor(kV80 + test::outdoorText("OU") + Indoor().text());
  EXPECT_NE(w.find("no thermostat template"), std::string::npos) << w;
  EXPECT_EQ(lineCount(w), 1u) << "one warning, not one per unit";
}

TEST(Checks, UnitsSharingAZone) {
  Indoor u2;
  u2.name = "U2";
  const std::string w = warningsFor(kV80 + test::thermostatText("T1") + test::outdoorText("OU") +
                                    Indoor().text() + u2.text());
  EXPECT_NE(w.find("zone \"Z1\" is served by 2 indoor units (\"U1\", \"U2\")"), std::string::npos)
      << w;
}

TEST(Checks, FanPlacementOtherThanDrawThrough) {
  for (const char* placement : {"BlowThrough", "", "Draw Through"}) {
    Indoor u;
    u.placement = placement;
    const std::string w =
        warningsFor(kV80 + test::thermostatText("T1") + test::outdoorText("OU") + u.text());
    EXPECT_NE(w.find(std::string(":29: warning: HVACVAKTemplate:VRVUnidadInterior \"U1\": "
                                 "fanPlacement \"") +
                     placement + "\" is not DrawThrough"),
              std::string::npos)
        << w;
  }
}

// The unit checks and the value checks of the indoor units run in one pass over the units, yet
// every message of the first, summary included, comes before those of the second.
TEST(Checks, IndoorValueMessagesFollowAllOthersOfTheUnits) {
  std::string input = kV80 + test::thermostatText("T1") + test::outdoorText("OU");
  for (int i = 1; i <= 5; ++i) {
    Indoor u;
    u.name = "U" + std::to_string(i);
    u.zone = "Z" + std::to_string(i);
    if (i == 1) u.fanMode = "auto";  // a value check, on the first unit
    if (i > 1) u.placement = "BlowThrough";
    input += u.text();
  }
  const std::string w = warningsFor(input);
  const std::size_t summary = w.find("1 more indoor units whose fanPlacement is not DrawThrough");
  const std::size_t fanMode = w.find("\"U1\": fanOperatingMode \"auto\" is not exactly");
  ASSERT_NE(summary, std::string::npos) << w;
  ASSERT_NE(fanMode, std::string::npos) << w;
  EXPECT_LT(w.find("\"U2\": fanPlacement"), summary) << w;
  EXPECT_LT(summary, fanMode) << w;
}

TEST(Checks, EmptyFieldsThatGeneratedObjectsNeed) {
  Indoor unnamed;
  unnamed.name = "";
  unnamed.zone = "Z2";
  Indoor noZone;
  noZone.name = "U3";
  noZone.zone = "";
  noZone.availability = "";
  Indoor alsoUnnamed = unnamed;
  alsoUnnamed.zone = "Z3";
  const std::string body = test::thermostatText("T1") + test::outdoorText("OU") + unnamed.text() +
                           noZone.text() + alsoUnnamed.text();
  std::string w = warningsFor(kV80 + body);
  EXPECT_NE(w.find(":58: warning: HVACVAKTemplate:VRVUnidadInterior (no name): name is empty"),
            std::string::npos)
      << w;
  EXPECT_EQ(w.find("already used"), std::string::npos) << "two empty names are no shared name";
  EXPECT_NE(w.find(":24: warning: HVACVAKTemplate:VRVUnidadInterior (no name): name is empty"),
            std::string::npos)
      << w;
  EXPECT_NE(w.find(":42: warning: HVACVAKTemplate:VRVUnidadInterior \"U3\": zoneName is empty"),
            std::string::npos)
      << w;
  EXPECT_EQ(w.find("availabilityScheduleName"), std::string::npos) << "\"8.0\" does not require it";
  w = warningsFor("Version,\n  7.1;\n" + body);
  EXPECT_NE(w.find(":44: warning: HVACVAKTemplate:VRVUnidadInterior \"U3\": "
                   "availabilityScheduleName is empty, which the \"7.1\" coils require"),
            std::string::npos)
      << w;

  Indoor orphan;
  orphan.outdoor = "";
  w = warningsFor(kV80 + test::thermostatText("T1") + test::outdoorText("") + orphan.text());
  EXPECT_EQ(w,
            "in.idf:10: warning: HVACVAKTemplate:VRVUnidadExterior (no name): name is empty; its "
            "heat pump, terminal unit list and condenser node are written without a name and "
            "EnergyPlus stops with a severe error; give it a name and write that name into the "
            "outdoorUnitName of the 1 indoor unit that leave it empty\n")
      << "one mistake, one message";
  // Unnamed and so unused: still one message.
  EXPECT_EQ(warningsFor(kV80 + test::thermostatText("T1") + test::outdoorText("") +
                        test::outdoorText("OU") + Indoor().text()),
            "in.idf:10: warning: HVACVAKTemplate:VRVUnidadExterior (no name): name is empty; its "
            "heat pump, terminal unit list and condenser node are written without a name and "
            "EnergyPlus stops with a severe error; give it a name and write that name into the "
            "outdoorUnitName of its indoor units\n");
}

std::string numbered(char prefix, int i) {
  std::ostringstream s;
  s << prefix << i;
  return s.str();
}

TEST(Checks, ManyUnitsWithOneProblemAreSummarised) {
  std::string input = kV80 + test::thermostatText("T1") + test::outdoorText("OU");
  for (int i = 0; i < 1000; ++i) {
    Indoor u;
    u.name = numbered('U', i);
    u.zone = numbered('Z', i);
    u.outdoor = "Nowhere";
    input += u.text() + "Zone, " + u.zone + ";\n";
  }
  const std::string w = warningsFor(input);
  EXPECT_NE(w.find("\"U2\": outdoorUnitName \"Nowhere\" names no outdoor unit"), std::string::npos);
  EXPECT_EQ(w.find("\"U3\""), std::string::npos);
  EXPECT_NE(w.find("\nexpandVAKobjects: warning: 997 more indoor units naming an outdoor unit that "
                   "does not exist\n"),
            std::string::npos)
      << w;
  EXPECT_EQ(lineCount(w), 5u) << w;  // three units, the summary, and the unused outdoor unit
}

}  // namespace
}  // namespace vak

namespace vak {
namespace {

// Warnings about the lines of template objects, with the line numbers they name.
std::string templateWarnings(const std::string& input) {
  return test::expand(input + test::namedObjects()).diagnostics;
}

TEST(TemplateLines, CutOffNamesOnlyLinesThatExist) {
  // Six lines: the class line is line 3, its fields lines 4 to 6.
  std::string w =
      test::expand("Zone,\n  Z;\nHVACVAKTemplate:Thermostat,\n  T1,\n  ,\n  21,\n").diagnostics;
  EXPECT_EQ(w,
            "in.idf:3: warning: HVACVAKTemplate:Thermostat \"T1\": the input ends inside this "
            "object, whose fields start at line 4 (3 of 5 fields read); the rest are left empty "
            "and written so; end the object's last field with ';'\n");
  // Without a final line break the count is the same.
  EXPECT_EQ(test::expand("Zone,\n  Z;\nHVACVAKTemplate:Thermostat,\n  T1,\n  ,\n  21,").diagnostics,
            w);
  // No field line at all: no "fields start at" a line beyond the input.
  w = test::expand("Zone,\n  Z;\nHVACVAKTemplate:Thermostat,\n").diagnostics;
  EXPECT_EQ(w,
            "in.idf:3: warning: HVACVAKTemplate:Thermostat (no name): the input ends inside this "
            "object, right after its class line; all 5 fields are left empty and written so; end "
            "the object's last field with ';'\n");
}

TEST(TemplateLines, LineWithoutDelimiterIsNamedByItsField) {
  const std::string w = templateWarnings(
      "HVACVAKTemplate:Thermostat,\n  T1,\n  ,\n  21\t\r\n  ,\n  25;\n  spare\n  ;\n");
  // "spare" follows a closed object: it is an ordinary line, copied.
  EXPECT_NE(w.find("in.idf:4: warning: HVACVAKTemplate:Thermostat \"T1\": the line of "
                   "heatingSetpoint holds neither ',' nor ';' (\"  21\\t\"); the program prints "
                   "\"error\", leaves the field empty"),
            std::string::npos)
      << w;
  EXPECT_EQ(lineCount(w), 1u) << w;
}

TEST(TemplateLines, ALastFieldWithACommaSwallowsTheFollowingLines) {
  const std::string zone = "Zone,\n  Z1;\n";
  // "25," for "25;": the zone object becomes two extra fields, up to its ";".
  std::string w = templateWarnings("HVACVAKTemplate:Thermostat,\n  T1,\n  ,\n  21,\n  ,\n  25,\n" +
                                   zone + "Building,\n  B;\n");
  EXPECT_EQ(w,
            "in.idf:6: warning: HVACVAKTemplate:Thermostat \"T1\": the object does not end at its "
            "last field, coolingSetpoint, because that line holds ',' instead of ';': lines 7 to "
            "8 are read as extra fields and dropped from the output (the first is \"Zone,\"); end "
            "coolingSetpoint with ';'\n");

  // A comma in the comment after the ";": the value takes in the ";" and the comment.
  w = templateWarnings("HVACVAKTemplate:Thermostat,\n  T1,\n  ,\n  21,\n  ,\n  25;  !- C, deg\n" +
                       zone);
  EXPECT_EQ(w,
            "in.idf:6: warning: HVACVAKTemplate:Thermostat \"T1\": the object does not end at its "
            "last field, coolingSetpoint, because that line holds a ',' after its ';': lines 7 to "
            "8 are read as extra fields and dropped from the output (the first is \"Zone,\"); keep "
            "',' out of the comment after the ';'\n");

  // Nothing ends it: the rest of the input is gone, said once.
  w = test::expand(test::namedObjects() +
                   "HVACVAKTemplate:Thermostat,\n  T1,\n  ,\n  21,\n  ,\n  25,\nZone,")
          .diagnostics;
  EXPECT_NE(w.find("in.idf:16: warning: HVACVAKTemplate:Thermostat \"T1\": the object does not "
                   "end at its last field, coolingSetpoint, because that line holds ',' instead "
                   "of ';': line 17, up to the end of the input, are read as extra fields"),
            std::string::npos)
      << w;
  EXPECT_EQ(lineCount(w), 1u) << w;
}

TEST(TemplateLines, ValuesThatTookInASemicolonOrAComment) {
  const std::string w = templateWarnings(
      "HVACVAKTemplate:Thermostat,\n  T1; ! name, first\n  Heat SP ! mine, here\n  ,\n  ,\n  "
      "25;\n");
  EXPECT_NE(w.find("in.idf:2: warning: HVACVAKTemplate:Thermostat \"T1; ! name\": the value of "
                   "name, \"T1; ! name\", holds ';' because a ',' follows later on its line; it is "
                   "written so, and EnergyPlus reads the ';' as the end of the generated object"),
            std::string::npos)
      << w;
  EXPECT_NE(w.find("in.idf:3: warning: HVACVAKTemplate:Thermostat \"T1; ! name\": the value of "
                   "heatingScheduleName, \"Heat SP ! mine\", holds '!'"),
            std::string::npos)
      << w;
  EXPECT_EQ(lineCount(w), 2u) << "nothing more about values that are not what was meant: " << w;
}

// A number whose line went wrong is reported for its line only: its value is not what was
// meant, so neither its form nor its limits are held against it.
TEST(TemplateLines, NumbersOnAMistakenLineGetNoSecondMessage) {
  std::vector<std::string> f = test::outdoorFields("OU");
  f[12] = "-5";  // outside the limits, in the last field
  std::string outdoorUnit = test::templateObject(VRVUnidadExterior::kClassName, f);
  outdoorUnit.replace(outdoorUnit.rfind(';'), 1, ",");  // which then swallows the next lines
  std::string w = test::expand(kV80 + test::thermostatText("T1") + Indoor().text() + outdoorUnit +
                               "Building,\n  B;\n" + test::namedObjects())
                      .diagnostics;
  EXPECT_NE(w.find("the object does not end at its last field, resistiveDefrostHeaterCapacity"),
            std::string::npos)
      << w;
  EXPECT_EQ(w.find("resistiveDefrostHeaterCapacity \"-5\""), std::string::npos) << w;

  std::vector<std::string> u = Indoor().fields();
  u[6] = "0.5;x";  // fanEfficiency, with a ',' later on its line
  w = warningsFor(kV80 + test::thermostatText("T1") + test::outdoorText("OU") +
                  test::templateObject(VRVUnidadInterior::kClassName, u));
  EXPECT_NE(w.find("the value of fanEfficiency, \"0.5;x\", holds ';'"), std::string::npos) << w;
  EXPECT_EQ(lineCount(w), 1u) << w;
}

TEST(TemplateLines, QuotedValuesShowControlCharacters) {
  EXPECT_EQ(quoted("a\tb\rc\x01\"d\\\x7f"), "\"a\\tb\\rc\\x01\\\"d\\\\\\x7f\"");
  EXPECT_EQ(quoted(std::string(100, 'x'), 3), "\"xxx\"...");
  // Values are cut after 80 characters: one of exactly 80 is shown whole.
  EXPECT_EQ(vak::quoted(std::string(80, 'x')), "\"" + std::string(80, 'x') + "\"");
  EXPECT_EQ(vak::quoted(std::string(81, 'x')), "\"" + std::string(80, 'x') + "\"...");
}

TEST(Checks, AZoneServedByManyUnitsListsTheFirstFew) {
  std::string input = kV80 + test::thermostatText("T1") + test::outdoorText("OU");
  for (int i = 1; i <= 4; ++i) {
    Indoor u;
    u.name = numbered('U', i);
    input += u.text();
  }
  const std::string w = warningsFor(input);
  // The second unit's zone line: 2 + 6 + 14 lines before the first unit, 17 a unit.
  EXPECT_NE(w.find("in.idf:42: warning: zone \"Z1\" is served by 4 indoor units (\"U1\", \"U2\", "
                   "\"U3\", ...); its node lists"),
            std::string::npos)
      << w;
  Indoor three;
  three.name = "U3";
  const std::string exactlyThree =
      warningsFor(kV80 + test::thermostatText("T1") + test::outdoorText("OU") + Indoor().text() +
                  three.text() + three.text());
  EXPECT_NE(exactlyThree.find("(\"U1\", \"U3\", \"U3\"); its"), std::string::npos) << exactlyThree;
}

// The summary line of a kind of problem whose name is built for the run, not a fixed text.
TEST(Checks, ManyDuplicateNamesAreSummarised) {
  std::string input = kV80;
  for (int i = 0; i < 5; ++i) input += test::thermostatText("T1");
  const std::string w = warningsFor(input);
  EXPECT_NE(w.find("\nexpandVAKobjects: warning: 1 more thermostats that share a name\n"),
            std::string::npos)
      << w;
}

}  // namespace
}  // namespace vak
