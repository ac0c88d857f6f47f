#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace vak {
namespace {

using test::expand;

const std::string kThermostat = "HVACVAKTemplate:Thermostat,\n  T1,\n  ,\n  21,\n  ,\n  25;\n";

TEST(Thermostats, NothingIsGeneratedWithoutThermostats) {
  EXPECT_EQ(expand("Version,\n  8.0;").output, "Version,\n  8.0;\n");
}

TEST(Thermostats, DoNotDependOnTheVersion) {
  const std::string without = expand(kThermostat).output;
  for (const char* version : {"7.1", "8.0", "9.9", "Version,8.0"}) {
    const std::string head = std::string("Version,\n  ") + version + ";\n";
    EXPECT_EQ(expand(head + kThermostat).output, head + without) << version;
  }
}

TEST(Thermostats, FollowTheCopiedLinesAndEndWithTheLastDualSetpoint) {
  const std::string out = expand("Zone,\n  Z1;" + std::string("\n") + kThermostat).output;
  EXPECT_EQ(
      out.rfind("Zone,\n  Z1;\n\n\n!-   ===========  ALL OBJECTS IN CLASS: SCHEDULETYPELIMITS", 0),
      0u);
  const std::string tail =
      "ThermostatSetpoint:DualSetpoint,\n"
      "     T1 DualSetPoint,            !- Name\n"
      "     T1_21,            !- Heating Setpoint Temperature Schedule Name\n"
      "     T1_25;            !- Cooling Setpoint Temperature Schedule Name\n";
  ASSERT_GE(out.size(), tail.size());
  EXPECT_EQ(out.substr(out.size() - tail.size()), tail);
}

TEST(Thermostats, GeneratedLinesEndLikeTheInput) {
  std::string crlf;
  for (char c : kThermostat) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const std::string out = expand(crlf).output;
  std::string expected;
  for (char c : expand(kThermostat).output)
    expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(out, expected);
}

TEST(Thermostats, SchedulesOfEachThermostatComeHeatingFirst) {
  const std::string out =
      expand(kThermostat + "HVACVAKTemplate:Thermostat,\n  T2,\n  ,\n  19,\n  ,\n  24;\n").output;
  const std::size_t t1h = out.find("     T1_21,"), t1c = out.find("     T1_25,"),
                    t2h = out.find("     T2_19,"), t2c = out.find("     T2_24,");
  EXPECT_LT(t1h, t1c);
  EXPECT_LT(t1c, t2h);
  EXPECT_LT(t2h, t2c);
  EXPECT_NE(t2c, std::string::npos);
}

}  // namespace
}  // namespace vak
