// The tables that the checks build over many units, and how a kind of problem reports: names
// told apart as EnergyPlus does, zones in order of first appearance, membership per unit, and
// messages built only for the occurrences shown.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "checks/check_report.h"
#include "checks/name_keys.h"
#include "checks/served_zones.h"
#include "checks/written_names.h"
#include "test_support.h"
#include "writers/vrf_membership.h"

namespace vak {
namespace {

using test::Indoor;

TEST(NameMap, TellsNamesApartAsEnergyPlusDoes) {
  NameMap<int> map;
  EXPECT_TRUE(map.try_emplace("Zone A", 1).second);
  const auto [found, added] = map.try_emplace(" zone a\t", 2);
  EXPECT_FALSE(added);
  EXPECT_EQ(found->second, 1) << "the first value stays";
  ASSERT_TRUE(map.contains("ZONE A"));
  EXPECT_EQ(map.find("ZONE A")->second, 1);
  EXPECT_FALSE(map.contains("Zone B"));
  EXPECT_FALSE(map.contains("Zone A2"));
  EXPECT_FALSE(map.contains("ZoneA"));
  // An empty name and a blank one are the same name, and differ from every other.
  EXPECT_TRUE(map.try_emplace("", 3).second);
  EXPECT_FALSE(map.try_emplace("  ", 4).second);
  EXPECT_EQ(map.find("\t")->second, 3);
}

// The indoor units of an input whose units have these zones and outdoor units.
std::deque<VRVUnidadInterior> indoorUnits(const std::vector<Indoor>& units,
                                          const std::string& outdoor = "") {
  std::string text = outdoor;
  for (const Indoor& u : units) text += u.text();
  return std::move(test::scanWith(text, 64).result.templates.indoorUnits);
}

Indoor servingZone(const std::string& name, const std::string& zone,
                   const std::string& outdoor = "OU") {
  Indoor u;
  u.name = name;
  u.zone = zone;
  u.outdoor = outdoor;
  return u;
}

TEST(ServedZones, InOrderOfFirstAppearanceWithTheFirstFewUnits) {
  const auto indoor =
      indoorUnits({servingZone("U1", "Z2"), servingZone("U2", "Z1"), servingZone("U3", "z2 "),
                   servingZone("U4", ""), servingZone("U5", "Z2"), servingZone("U6", "Z2"),
                   servingZone("U7", "Z1")});
  const ServedZones served(indoor);
  ASSERT_EQ(served.zones().size(), 2u) << "an empty zoneName serves no zone";
  const ServedZones::Zone& z2 = served.zones()[0];
  EXPECT_EQ(z2.count, 4u);
  EXPECT_EQ(z2.first[0]->name, "U1");
  EXPECT_EQ(z2.first[1]->name, "U3");
  EXPECT_EQ(z2.first[2]->name, "U5");
  const ServedZones::Zone& z1 = served.zones()[1];
  EXPECT_EQ(z1.count, 2u);
  EXPECT_EQ(z1.first[1]->name, "U7");
  EXPECT_EQ(z1.first[2], nullptr);
  EXPECT_EQ(served.find("Z2 "), &z2);
  EXPECT_EQ(served.find("z1"), &z1);
  EXPECT_EQ(served.find("Z3"), nullptr);
  EXPECT_EQ(served.find(""), nullptr);
}

TEST(VrfMembership, PerIndoorUnitByTheExactName) {
  const std::string outdoor =
      test::templateObject(VRVUnidadExterior::kClassName, test::outdoorFields("OU")) +
      test::templateObject(VRVUnidadExterior::kClassName, test::outdoorFields("OU2"));
  const test::Scanned s = test::scanWith(
      outdoor + servingZone("U1", "Z1", "OU").text() + servingZone("U2", "Z2", "ou").text() +
          servingZone("U3", "Z3", "OU2").text() + servingZone("U4", "Z4", "OU ").text(),
      64);
  const TemplateLists& t = s.result.templates;
  const VrfMembership members(t.indoorUnits, t.outdoorUnits);
  EXPECT_TRUE(members.isMember(0));
  EXPECT_FALSE(members.isMember(1)) << "letter case counts";
  EXPECT_TRUE(members.isMember(2));
  EXPECT_FALSE(members.isMember(3)) << "so do blanks";
  ASSERT_EQ(members.membersOf(1).size(), 1u);
  EXPECT_EQ(members.membersOf(1)[0]->name, "U3");
}

TEST(Problem, BuildsTheMessagesOfTheOccurrencesShownOnly) {
  std::ostringstream out;
  Diagnostics d(&out);
  int built = 0;
  {
    Problem p(d, Severity::Warning, "units with a problem");
    for (std::size_t line = 1; line <= 5; ++line) {
      // The summary counts as the worst of those it counts.
      p(line * 10, line == 4 ? Severity::Severe : Severity::Warning, [&] {
        ++built;
        return "unit " + std::to_string(line);
      });
    }
  }
  EXPECT_EQ(built, 3);
  EXPECT_EQ(out.str(), test::lines("in.idf:10: warning: unit 1", "in.idf:20: warning: unit 2",
                                   "in.idf:30: warning: unit 3",
                                   "expandVAKobjects: warning: 2 more units with a problem"));
  ASSERT_EQ(d.messages().size(), 4u);
  EXPECT_EQ(d.messages()[3].severity, Severity::Severe);
  EXPECT_EQ(d.messages()[3].line, 0u);
  std::ostringstream few;
  Diagnostics fewer(&few);
  {
    Problem p(fewer, Severity::Severe, "units with a problem");
    for (std::size_t line = 1; line <= 3; ++line) p(line, [] { return std::string("x"); });
  }
  EXPECT_EQ(few.str().find("more"), std::string::npos) << few.str();
  EXPECT_EQ(fewer.messages().at(2).severity, Severity::Severe);
}

// Every object the program writes is known by its name, with the template behind it; and only
// those, within their class or the classes EnergyPlus keeps names apart across.
TEST(WrittenNames, KnowEveryObjectWrittenAndNoOther) {
  Indoor constant, stray;
  constant.name = "U2 ";
  constant.zone = "Z2";
  constant.fanMode = "Continuous";
  stray.name = "U3";
  stray.zone = "Z3";
  stray.outdoor = "Nowhere";
  const std::string input = test::kVersion80 + test::thermostatText("T1") +
                            test::outdoorText("OU") + Indoor().text() + constant.text() +
                            stray.text();
  const test::Scanned s = test::scanWith(input, std::size_t{1} << 17);
  const TemplateLists& t = s.result.templates;
  const VrfMembership members(t.indoorUnits, t.outdoorUnits);
  WrittenNames written(t, members, true);
  // The generated objects as EnergyPlus reads them: class and first field.
  const std::string output = test::withoutMessages(test::expand(input).output);
  std::istringstream out(output.substr(output.find("!-   ===========")));
  std::size_t objects = 0;
  std::string className;
  for (std::string line; std::getline(out, line);) {
    line = line.substr(0, line.find('!'));
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos) continue;
    const std::string value = line.substr(first, line.find_first_of(",;") - first);
    if (className.empty()) {
      className = value;
      continue;
    }
    // Objects without a name of their own.
    if (className != "OutdoorAir:NodeList" && className != "ZoneHVAC:EquipmentConnections") {
      ++objects;
      EXPECT_TRUE(written.mayCollide(className)) << className;
      EXPECT_TRUE(written.mayBeWritten(className, value)) << className << " " << value;
      const std::optional<WrittenObject> found = written.find(className, value);
      ASSERT_TRUE(found.has_value()) << className << " " << value;
      EXPECT_EQ(found->className, className) << value;
      EXPECT_FALSE(found->cause.empty()) << value;
    }
    className.clear();
    while (line.find(';') == std::string::npos && std::getline(out, line)) {
      line = line.substr(0, line.find('!'));
    }
  }
  // The thermostat's 6, 2 fan schedules, 7 node lists, 3 equipment lists, a terminal unit list,
  // 23 curves, a heat pump, and 6 for each of the 2 units written.
  EXPECT_EQ(objects, 6u + 2 + 7 + 3 + 1 + 23 + 1 + 2 * 6);

  // Case and end blanks aside, across the curve classes, and not across other classes.
  EXPECT_EQ(written.find("TABLE:LOOKUP", " vrfcoolcapft ")->className, "Curve:Biquadratic");
  EXPECT_EQ(written.find("Schedule:Constant", "T1_21")->cause, "HVACVAKTemplate:Thermostat \"T1\"");
  EXPECT_EQ(written.find("Fan:OnOff", "U1 VRF Supply Fan")->className, "Fan:OnOff");
  EXPECT_FALSE(written.find("Fan:OnOff", "U2  VRF Supply Fan")) << "U2 writes a constant fan";
  EXPECT_TRUE(written.find("Fan:ConstantVolume", "u2  vrf supply fan"));
  EXPECT_FALSE(written.find("Fan:ConstantVolume", "U2 VRF Supply Fan")) << "one blank, not two";
  EXPECT_FALSE(written.find("NodeList", "Z1 Eq"));
  EXPECT_FALSE(written.find("ZoneControl:Thermostat", "Z3 Control")) << "U3 is not written";
  EXPECT_TRUE(written.find("NodeList", "Z3 In Nodes")) << "but its zone's node lists are";
  EXPECT_FALSE(written.find("Zone", "Z1"));
  EXPECT_FALSE(written.mayCollide("Zone"));
  WrittenNames thermostatsOnly(t, members, false);
  EXPECT_FALSE(thermostatsOnly.find("NodeList", "OutsideAirInletNodes"));
  EXPECT_FALSE(thermostatsOnly.mayCollide("NodeList"));
}

}  // namespace
}  // namespace vak
