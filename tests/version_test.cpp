#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"
#include "writers/vrf_version.h"

namespace vak {
namespace {

// The releases and the layout each reads, written out here rather than taken from the program's
// table.
std::vector<std::pair<std::string, VrfLayout>> releasesAndLayouts() {
  std::vector<std::pair<std::string, VrfLayout>> all = {{"7.1", k71Layout}};
  for (const char* v : {"8.0", "8.1", "8.2", "8.3", "8.4", "8.5", "8.6", "8.7", "8.8"}) {
    all.push_back({v, k80Layout});
  }
  all.push_back({"8.9", k89Layout});
  all.push_back({"9.0", k89Layout});
  all.push_back({"9.1", k91Layout});
  for (const char* v : {"9.2", "9.3", "9.4", "9.5", "9.6", "22.1", "22.2", "23.1", "23.2", "24.1",
                        "24.2", "25.1", "25.2", "26.1"}) {
    all.push_back({v, kCurrentLayout});
  }
  return all;
}

TEST(VersionSelection, EachSupportedReleaseSelectsItsLayoutInEveryForm) {
  const auto all = releasesAndLayouts();
  for (const auto& [v, layout] : all) {
    // EnergyPlus compares major.minor only.
    for (const std::string& form : {v, v + ".0", v + ".0.009", v + ".12", " \t" + v + "\t "}) {
      EXPECT_EQ(layoutFor(form), layout) << '"' << form << '"';
    }
  }
  EXPECT_EQ(std::size(kSupportedReleases), all.size());
}

TEST(VersionSelection, OtherReleasesAndOtherTextSelectNothing) {
  for (const char* v :
       {// releases before, between and after the supported ones
        "6.0", "7.0", "7.2", "8.10", "9.7", "22.0", "22.3", "23.0", "26.2", "26.2.0", "27.1",
        // near misses of supported values
        "24.10", "24.01", "24.1.", "24.1..0", "24.1.x", "24.1-beta", "24", "24.", ".1", "2.1",
        "9.20", "92", "24,1", "v24.1", "24.1x0", "24 .1", "24. 1", "1234567.1", "", " ", "\t"}) {
    EXPECT_EQ(layoutFor(v), std::nullopt) << '"' << v << '"';
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
  for (const char* v : {"9.7", "26.2", "24.10", "7.2"}) {
    const test::Run run = test::expand(model(v));
    EXPECT_EQ(run.output.find("AirConditioner:VariableRefrigerantFlow"), std::string::npos) << v;
    EXPECT_NE(run.output.find("ThermostatSetpoint:DualSetpoint,"), std::string::npos) << v;
    EXPECT_EQ(run.diagnostics,
              "in.idf:1: warning: the Version value \"" + std::string(v) +
                  "\" names no release whose object layout the program writes, so no VRF object "
                  "is written for the 1 outdoor unit and the zones get no HVAC; the supported "
                  "releases are 7.1, 8.0 to 8.9, 9.0 to 9.6, 22.1, 22.2, 23.1, 23.2, 24.1, 24.2, "
                  "25.1, 25.2 and 26.1 (with any patch or build part, such as \"24.1.0\"); "
                  "declare one of them and write the file's objects for that release, carrying "
                  "a model of another release forward with EnergyPlus's version updater\n");
  }
}

}  // namespace
}  // namespace vak
