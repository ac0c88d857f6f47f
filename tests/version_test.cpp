#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"
#include "writers/vrf_version.h"

namespace vak {
namespace {

// The releases from 9.2 to 26.1, written out here rather than taken from the program's table.
const std::vector<std::string> kCurrentReleases = {"9.2",  "9.3",  "9.4",  "9.5",  "9.6",
                                                   "22.1", "22.2", "23.1", "23.2", "24.1",
                                                   "24.2", "25.1", "25.2", "26.1"};

TEST(VersionSelection, EachSupportedValueSelectsItsLayout) {
  EXPECT_EQ(vrfVersionFor("7.1"), VrfVersion::V7_1);
  EXPECT_EQ(vrfVersionFor("8.0"), VrfVersion::V8_0);
  for (const std::string& v : kCurrentReleases) {
    EXPECT_EQ(vrfVersionFor(v), VrfVersion::Current) << v;
    EXPECT_EQ(vrfVersionFor(v + ".0"), VrfVersion::Current) << v << ".0";
  }
  EXPECT_EQ(std::size(kSupportedVersions), 2 + kCurrentReleases.size());
}

TEST(VersionSelection, NeighboursAndOtherFormsSelectNothing) {
  for (const char* v : {// releases with layouts of their own, and ones not yet checked
                        "8.1", "8.9", "9.0", "9.1", "9.1.0", "9.7", "22.0", "22.3", "23.0", "26.2",
                        "26.2.0", "27.1",
                        // near misses of supported values
                        "24.10", "24.1.1", "24.1.00", "24.1.", "24.1.0.0", "24", "24.", "2.1",
                        "4.1", "9.20", "92", "24,1", "v24.1", "24.1x0",
                        // the patch form is for the current layout only
                        "7.1.0", "8.0.0",
                        // blanks and case: values are taken exactly as written
                        "24.1 ", " 24.1", "24.1.0 ", "\t9.2", ""}) {
    EXPECT_EQ(vrfVersionFor(v), std::nullopt) << '"' << v << '"';
  }
}

std::string model(const std::string& version) {
  return "Version,\n  " + version + ";\n" + test::thermostatText("T1") + test::outdoorText("OU") +
         test::Indoor().text() + test::namedObjects();
}

TEST(VersionSelection, ACurrentValueWritesTheCurrentLayout) {
  for (const char* v : {"9.2", "24.1.0", "26.1"}) {
    const test::Run run = test::expand(model(v));
    EXPECT_EQ(run.diagnostics, "") << v;
    EXPECT_NE(run.output.find("     SequentialLoad,          !- Load Distribution Scheme"),
              std::string::npos)
        << v;
    EXPECT_NE(run.output.find("     autosize,                !- Maximum Supply Air Temperature"),
              std::string::npos)
        << v;
    // The Version object is the modeller's and stays as written.
    EXPECT_TRUE(run.output.starts_with("Version,\n  " + std::string(v) + ";\n")) << v;
  }
}

TEST(VersionSelection, AnUnsupportedValueWritesNoVrfObjectAndListsTheSupportedOnes) {
  for (const char* v : {"9.1", "26.2", "24.10"}) {
    const test::Run run = test::expand(model(v));
    EXPECT_EQ(run.output.find("AirConditioner:VariableRefrigerantFlow"), std::string::npos) << v;
    EXPECT_NE(run.output.find("ThermostatSetpoint:DualSetpoint,"), std::string::npos) << v;
    EXPECT_EQ(run.diagnostics,
              "expandVAKobjects: warning: 1 outdoor unit but the Version value is \"" +
                  std::string(v) +
                  "\", which selects no object layout; no VRF object is written and the zones get "
                  "no HVAC; the supported values are \"7.1\", \"8.0\", \"9.2\", \"9.3\", "
                  "\"9.4\", \"9.5\", \"9.6\", \"22.1\", \"22.2\", \"23.1\", \"23.2\", "
                  "\"24.1\", \"24.2\", \"25.1\", \"25.2\", \"26.1\" (from \"9.2\" on also with "
                  "\".0\" added, such as \"26.1.0\"); declare one of them and write the file's "
                  "objects for that version, carrying a model of another version forward with "
                  "EnergyPlus's version updater\n");
  }
}

}  // namespace
}  // namespace vak
