#include "driver/scan.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "test_support.h"

namespace vak {
namespace {

using test::lines;

using test::Scanned;

// Small chunks: lines cross chunk boundaries.
Scanned scanText(const std::string& input) {
  return test::scanWith(input, 7, 5);
}

const std::string kThermostat =
    lines("HVACVAKTemplate:Thermostat,", "    T1,", "    ,", "    21,", "    ,", "    25;");

TEST(Scan, CopiesOrdinaryLinesAndLeavesOutTemplates) {
  const std::string input = lines("! a model", "Zone,", "  Z1,   !- Name", "  0;", "") +
                            kThermostat + lines("", "Building,", "  B;");
  const Scanned s = scanText(input);
  EXPECT_EQ(s.output, lines("! a model", "Zone,", "  Z1,   !- Name", "  0;", "", "", "Building,",
                            "  B;", ""));
  ASSERT_EQ(s.result.templates.thermostats.size(), 1u);
  EXPECT_EQ(s.result.templates.thermostats[0].heatingSetpoint, "21");
  EXPECT_EQ(s.console, "");
}

TEST(Scan, SortsTemplatesIntoTheirListsInInputOrder) {
  std::string indoor = "HVACVAKTemplate:VRVUnidadInterior,\n";
  for (int i = 0; i < 15; ++i) indoor += "  x,\n";
  std::string outdoor = "HVACVAKTemplate:VRVUnidadExterior,   !- ignored, ignored\n";
  for (int i = 0; i < 12; ++i) outdoor += "  y,\n";
  const std::string input = "HVACVAKTemplate:VRVUnidadInterior,\n  U1,\n  Z1;\n" + outdoor +
                            "  OU;\n" + indoor + "  OU;\n" + kThermostat;
  const Scanned s = scanText(input);
  const TemplateLists& t = s.result.templates;
  ASSERT_EQ(t.indoorUnits.size(), 2u);
  EXPECT_EQ(t.indoorUnits[0].name, "U1");
  EXPECT_EQ(t.indoorUnits[0].outdoorUnitName, "");
  EXPECT_EQ(t.indoorUnits[1].outdoorUnitName, "OU");
  ASSERT_EQ(t.outdoorUnits.size(), 1u);
  EXPECT_EQ(t.outdoorUnits[0].name, "y");
  EXPECT_EQ(t.outdoorUnits[0].resistiveDefrostHeaterCapacity, "OU");
  EXPECT_EQ(t.thermostats.size(), 1u);
  EXPECT_EQ(s.output, "\n");
}

TEST(Scan, ValueAfterTheClassLineCommaIsIgnored) {
  const Scanned s = scanText("HVACVAKTemplate:Thermostat,T0,\n  T1,\n  ,\n  ,\n  ,\n  ;\n");
  EXPECT_EQ(s.result.templates.thermostats.at(0).name, "T1");
}

TEST(Scan, OnlyExactClassLinesOpenTemplates) {
  for (const char* classLine : {"  HVACVAKTemplate:Thermostat,", "HVACVAKTemplate:Thermostat ,",
                                "hvacvaktemplate:thermostat,", "\tHVACVAKTemplate:Thermostat,",
                                "HVACVAKTemplate:Thermostat", "FIN,"}) {
    const std::string input = lines(classLine, "    T1,", "    ;", "after");
    const Scanned s = scanText(input);
    EXPECT_TRUE(s.result.templates.thermostats.empty()) << classLine;
    EXPECT_EQ(s.output, input + "\n") << classLine;
  }
}

TEST(Scan, ATemplateNameInsideAnOpenObjectIsCopied) {
  const std::string input = lines("Zone,", "HVACVAKTemplate:Thermostat,", "  Z1;") + kThermostat;
  const Scanned s = scanText(input);
  EXPECT_EQ(s.output, lines("Zone,", "HVACVAKTemplate:Thermostat,", "  Z1;", ""));
  EXPECT_EQ(s.result.templates.thermostats.size(), 1u);
}

TEST(Scan, CommentsNeverOpenOrCloseObjects) {
  const std::string input =
      lines("! note, with a comma; and a semicolon", "Zone,  ! ends here; not really",
            "  Z1,  ! still; open", "  0;  ! closed, now") +
      kThermostat;
  const Scanned s = scanText(input);
  EXPECT_EQ(s.result.templates.thermostats.size(), 1u);
  EXPECT_EQ(s.output,
            lines("! note, with a comma; and a semicolon", "Zone,  ! ends here; not really",
                  "  Z1,  ! still; open", "  0;  ! closed, now", ""));
}

// A comment begins at the first "!"; later "!"s are comment text, so the "," and ";" between
// them count for nothing.
TEST(Scan, TheFirstBangStartsTheComment) {
  // A ";" between two "!"s on a class line does not close the object: the template class name
  // on the next line is a field of the open object and is copied.
  const std::string classLine =
      lines("Zone,  !- one zone; see ! below", "HVACVAKTemplate:Thermostat,", "  Z1;");
  Scanned s = scanText(classLine + kThermostat);
  EXPECT_EQ(s.output, classLine + "\n");
  EXPECT_EQ(s.result.templates.thermostats.size(), 1u);

  // The same for a ";" in the comment of a field line.
  const std::string fieldLine =
      lines("Zone,", "  Z1,  !- Name ! ends; here ! really", "HVACVAKTemplate:Thermostat,", "  0;");
  s = scanText(fieldLine + kThermostat);
  EXPECT_EQ(s.output, fieldLine + "\n");
  EXPECT_EQ(s.result.templates.thermostats.size(), 1u);

  // A "," between two "!"s outside any object opens none: the template that follows is read.
  const std::string note = lines("Material  ! a, b ! c");
  s = scanText(note + kThermostat);
  EXPECT_EQ(s.output, note + "\n");
  EXPECT_EQ(s.result.templates.thermostats.size(), 1u);
}

TEST(Scan, ObjectOpenedAndClosedOnOneLine) {
  const Scanned s = scanText("Output:Surfaces:List,Details;\n" + kThermostat);
  EXPECT_EQ(s.result.templates.thermostats.size(), 1u);
}

TEST(Scan, VersionInEveryFormEnergyPlusReads) {
  struct Case {
    const char* input;
    const char* value;
  };
  for (const auto& [input, value] : std::initializer_list<Case>{
           {"Version,\n  8.0;\n", "8.0"},
           {"Version,\n8.0;  !- Version Identifier\n", "8.0"},
           {"Version,\n    7.1;", "7.1"},
           {"Version,\n  8.0 ;\n", "8.0"},
           {"Version,\n  8.0;  Timestep,4;\n", "8.0"},  // the first ";"
           {"Version,\n  \t8.0\t;\n", "8.0"},
           {"Version,8.0;\n", "8.0"},
           {"  Version,24.1;\n", "24.1"},
           {"VERSION,6.0;\n", "6.0"},
           {"\tversion ,\n  9.1;\n", "9.1"},
           {"Version, 8.1.0.009;\n", "8.1.0.009"},
           {"Version,  ! 7.1;\n  8.0;\n", "8.0"},
           {"Version,\n  ! 7.1;\n  8.0;\n", "8.0"},
           {"Version,\n\n  ! a, b; c\n  8.0 ! x, y\n  ;\n", "8.0"},
           {"Version,\n  8.0, 9.0;\n", "8.0"},
           {"Version,\r\n  8.0\r\n;\r\n", "8.0"},
           {"Version;\n", ""},
           {"Version,;\n", ""},
           {"Version,\n  8.0", "8.0"},  // cut off by the end of input
           {"Versions,\n  8.0;\n", ""},
           {"Zone,\n  Version, 8.0;\n", ""},
       }) {
    const Scanned s = scanText(input);
    EXPECT_EQ(s.result.version(), value) << input;
  }
  // Every Version object is kept, with its line; the last one counts.
  const Scanned s = scanText("Version,\n  7.1;\nZone, Z;\n  version, 8.0; Timestep, 4;\n");
  ASSERT_EQ(s.result.versions.size(), 2u);
  EXPECT_EQ(s.result.versions[0].line, 1u);
  EXPECT_EQ(s.result.versions[1].line, 4u);
  EXPECT_EQ(s.result.version(), "8.0");
  EXPECT_EQ(s.output, "Version,\n  7.1;\nZone, Z;\n  version, 8.0; Timestep, 4;\n\n");
}

TEST(Scan, LastLineWithAndWithoutLineBreak) {
  EXPECT_EQ(scanText("a\nb").output, "a\nb\n");
  EXPECT_EQ(scanText("a\nb\n").output, "a\nb\n\n");
  EXPECT_EQ(scanText("").output, "\n");
  EXPECT_EQ(scanText("\n").output, "\n\n");
  // A template that ends the input leaves no extra line when its last line has no break.
  EXPECT_EQ(scanText("a\n" + kThermostat.substr(0, kThermostat.size() - 1)).output, "a\n");
  EXPECT_EQ(scanText("a\n" + kThermostat).output, "a\n\n");
}

TEST(Scan, LongLinesAreCopiedWholeAndTheScanGoesOn) {
  const std::string longComment = "!" + std::string(200000, '-');
  const std::string longField = "  " + std::string(3000, 'n') + ",";
  const std::string input = lines(longComment, "HVACVAKTemplate:Thermostat,", longField, "  ,",
                                  "  ,", "  ,", "  ;", "after");
  const Scanned s = scanText(input);
  EXPECT_EQ(s.output, lines(longComment, "after", ""));
  EXPECT_EQ(s.result.templates.thermostats.at(0).name, std::string(3000, 'n'));
}

TEST(Scan, LineEndingsFollowTheFirstLine) {
  EXPECT_EQ(scanText("a\r\nb\nc\r\n").output, "a\r\nb\r\nc\r\n\r\n");
  EXPECT_EQ(scanText("a\nb\r\nc").output, "a\nb\nc\n");
  const Scanned s = scanText(
      "Version,\r\n  8.0;\r\nHVACVAKTemplate:Thermostat,\r\n  T1,\r\n  ,\r\n  ,\r\n  ,\r\n  ;\r\n");
  EXPECT_EQ(s.result.version(), "8.0");
  EXPECT_EQ(s.result.templates.thermostats.at(0).name, "T1");
  EXPECT_EQ(s.output, "Version,\r\n  8.0;\r\n\r\n");
}

TEST(Scan, TemplateCutOffByEndOfInput) {
  const Scanned s = scanText("Zone,\n  Z;\nHVACVAKTemplate:Thermostat,\n  T1,\n  ,\n  21,\n");
  ASSERT_EQ(s.result.templates.thermostats.size(), 1u);
  EXPECT_EQ(s.result.templates.thermostats[0].heatingSetpoint, "21");
  EXPECT_EQ(s.result.templates.thermostats[0].coolingSetpoint, "");
  EXPECT_EQ(s.output, "Zone,\n  Z;\n");
  EXPECT_EQ(s.console, "");
  const ObjectLines& lines = s.result.templates.thermostats[0].lines;
  EXPECT_EQ(lines.classLine, 3u);
  EXPECT_EQ(lines.fieldLines, 3u);
  EXPECT_EQ(lines.lastLine(), 6u) << "the input has 6 lines";
  EXPECT_TRUE(lines.cutOff);
}

TEST(Scan, FieldLineWithoutDelimiterPrintsError) {
  const Scanned s = scanText("HVACVAKTemplate:Thermostat,\n  T1,\n  21\n  ,\n  ,\n  ;\nafter\n");
  EXPECT_EQ(s.console, "error\n");
  EXPECT_EQ(s.output, "after\n\n");
  const ObjectLines& lines = s.result.templates.thermostats.at(0).lines;
  ASSERT_EQ(lines.undelimited.size(), 1u);
  EXPECT_EQ(lines.lineOf(lines.undelimited[0].position), 3u);
}

}  // namespace
}  // namespace vak
