#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "test_support.h"

namespace vak {
namespace {

using test::Indoor;

const std::string kV80 = "Version,\n  8.0;\n";

// The warnings of one run; standard output must stay untouched whatever they are.
std::string warningsFor(const std::string& input) {
  const test::Run run = test::expand(input);
  EXPECT_EQ(run.console, "");
  return run.diagnostics;
}

std::size_t lineCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(Checks, ACompleteSystemExpandsWithoutWarnings) {
  Indoor u2;
  u2.name = "U2";
  u2.zone = "Z2";
  u2.fanMode = "Constant";
  u2.placement = "drawthrough";
  for (const char* version : {"7.1", "8.0"}) {
    const std::string input = std::string("Version,\n  ") + version + ";\n" +
                              test::thermostatText("T1") + test::outdoorText("OU") +
                              Indoor().text() + u2.text();
    EXPECT_EQ(warningsFor(input), "") << version;
  }
}

TEST(Checks, OutdoorUnitsWithoutUsableVersion) {
  const std::string body = test::thermostatText("T1") + test::outdoorText("OU") + Indoor().text();
  std::string w = warningsFor("Version,\n  8.0 ;\n" + body);
  EXPECT_NE(w.find("expandVAKobjects: warning: 1 outdoor unit but the Version value is \"8.0 \""),
            std::string::npos)
      << w;
  EXPECT_EQ(lineCount(w), 1u) << "nothing about the units of a system that is not written";

  w = warningsFor(body);
  EXPECT_NE(w.find("no Version value was read"), std::string::npos) << w;

  for (const char* misplaced : {"  Version,\n  8.0;\n", "VERSION,\n  8.0;\n", "Version ,\n  8.0;\n",
                                "Version,8.0;\n", "Version, 8.0; !- id\n"}) {
    w = warningsFor(std::string("! model\n") + misplaced + body);
    EXPECT_NE(w.find("warning: line 2: this Version object is not read as the version; write "
                     "\"Version,\" at the "
                     "start of its own line"),
              std::string::npos)
        << misplaced << w;
  }
  EXPECT_EQ(warningsFor("Version,\n  9.0;\n" + test::thermostatText("T1")), "")
      << "without outdoor units the version does not matter";
}

TEST(Checks, UnitsThatNothingServesOrThatNameNothing) {
  std::string w = warningsFor(kV80 + test::thermostatText("T1") + Indoor().text());
  EXPECT_NE(w.find("1 indoor unit but no outdoor unit; nothing is generated for them"),
            std::string::npos)
      << w;

  Indoor stray;
  stray.name = "U2";
  stray.zone = "Z2";
  stray.outdoor = "OU ";
  Indoor lost;
  lost.name = "U3";
  lost.zone = "Z3";
  lost.thermostat = "t1";
  w = warningsFor(kV80 + test::thermostatText("T1") + test::outdoorText("OU") +
                  test::outdoorText("Spare") + Indoor().text() + stray.text() + lost.text());
  EXPECT_NE(w.find("indoor unit \"U2\" names outdoor unit \"OU \", which does not exist"),
            std::string::npos)
      << w;
  EXPECT_NE(w.find("indoor unit \"U3\" names thermostat \"t1\", which does not exist; its zone "
                   "control names "
                   "\"t1 DualSetPoint\""),
            std::string::npos)
      << w;
  EXPECT_NE(w.find("outdoor unit \"Spare\" serves no indoor unit"), std::string::npos) << w;
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
    EXPECT_NE(w.find(std::string("indoor unit \"U1\" has fanPlacement \"") + placement + "\""),
              std::string::npos)
        << w;
  }
}

TEST(Checks, EmptyFieldsThatGeneratedObjectsNeed) {
  Indoor unnamed;
  unnamed.name = "";
  unnamed.zone = "Z2";
  Indoor noZone;
  noZone.name = "U3";
  noZone.zone = "";
  noZone.availability = "";
  const std::string body =
      test::thermostatText("T1") + test::outdoorText("OU") + unnamed.text() + noZone.text();
  std::string w = warningsFor(kV80 + body);
  EXPECT_NE(w.find("indoor unit #1 has an empty name"), std::string::npos) << w;
  EXPECT_NE(w.find("indoor unit \"U3\" has an empty zoneName"), std::string::npos) << w;
  EXPECT_EQ(w.find("availabilityScheduleName"), std::string::npos) << "\"8.0\" does not require it";
  w = warningsFor("Version,\n  7.1;\n" + body);
  EXPECT_NE(w.find("indoor unit \"U3\" has an empty availabilityScheduleName"), std::string::npos)
      << w;

  Indoor orphan;
  orphan.outdoor = "";
  w = warningsFor(kV80 + test::thermostatText("T1") + test::outdoorText("") + orphan.text());
  EXPECT_NE(w.find("outdoor unit #1 has an empty name"), std::string::npos) << w;
  EXPECT_NE(w.find("indoor unit \"U1\" has an empty outdoorUnitName"), std::string::npos) << w;
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
    input += u.text();
  }
  const std::string w = warningsFor(input);
  EXPECT_NE(w.find("indoor unit \"U2\" names outdoor unit \"Nowhere\""), std::string::npos);
  EXPECT_EQ(w.find("indoor unit \"U3\""), std::string::npos);
  EXPECT_NE(w.find("997 more indoor units naming an outdoor unit that does not exist"),
            std::string::npos)
      << w;
  EXPECT_EQ(lineCount(w), 5u) << w;  // three units, the summary, and the unused outdoor unit
}

}  // namespace
}  // namespace vak
