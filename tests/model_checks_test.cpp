// The checks of a model against what EnergyPlus accepts: names, keywords, numbers, and the
// objects of the file that templates refer to. Each check: the warning, and silence for the
// correct input next to it.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "checks/file_names.h"
#include "checks/numeric_fields.h"
#include "driver/scan.h"
#include "test_support.h"

namespace vak {
namespace {

using test::Indoor;

using test::warningsFor;
const std::string& kV80 = test::kVersion80;

// Line numbers of the inputs built below: Version 1-2, thermostat 3-8, first outdoor unit
// 9-22 (field k on line 9 + k), first indoor unit 23-39 (field k on line 23 + k).

// An outdoor unit with the given fields (numbered from 1) changed.
std::string outdoor(const std::string& name,
                    std::initializer_list<std::pair<std::size_t, std::string>> changed) {
  std::vector<std::string> fields = test::outdoorFields(name);
  for (const auto& [field, value] : changed) fields[field - 1] = value;
  return test::templateObject(VRVUnidadExterior::kClassName, fields);
}
std::string outdoor(const std::string& name, std::size_t field = 0, const std::string& value = "") {
  if (field == 0) return outdoor(name, {});
  return outdoor(name, {{field, value}});
}

// A system of one thermostat, one outdoor unit and the given indoor units.
std::string system(const std::string& outdoorUnit, const std::vector<Indoor>& units) {
  std::string text = kV80 + test::thermostatText("T1") + outdoorUnit;
  for (const Indoor& u : units) text += u.text();
  return text;
}

std::size_t count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

Indoor unit(const std::string& name, const std::string& zone) {
  Indoor u;
  u.name = name;
  u.zone = zone;
  return u;
}

TEST(DuplicateNames, SameNameTwiceInOneClass) {
  std::string w = warningsFor(system(outdoor("OU") + outdoor("OU"), {Indoor()}));
  EXPECT_NE(w.find("in.idf:24: warning: HVACVAKTemplate:VRVUnidadExterior \"OU\": the name is "
                   "already used by the outdoor unit at line 9; its heat pump and terminal unit "
                   "list are written twice, the second time without indoor units (those that "
                   "name it are written once, under the first), and EnergyPlus stops with a "
                   "severe error on the duplicate names; give each outdoor unit its own name\n"),
            std::string::npos)
      << w;

  w = warningsFor(system(outdoor("OU"), {unit("U1", "Z1"), unit("u1 ", "Z2")}));
  EXPECT_NE(w.find("in.idf:41: warning: HVACVAKTemplate:VRVUnidadInterior \"u1 \": the name "
                   "differs only in letter case or in blanks at its ends from \"U1\", the indoor "
                   "unit at line 23, and EnergyPlus does not tell such names apart"),
            std::string::npos)
      << w;

  w = warningsFor(kV80 + test::thermostatText("T1") + test::thermostatText("T1"));
  EXPECT_NE(w.find("in.idf:10: warning: HVACVAKTemplate:Thermostat \"T1\": the name is already "
                   "used by the thermostat at line 3"),
            std::string::npos)
      << w;

  EXPECT_EQ(warningsFor(system(outdoor("OU") + outdoor("OU2", 7, "Z2"), {unit("U1", "Z1"),
                                                                         [] {
                                                                           Indoor u =
                                                                               unit("U2", "Z2");
                                                                           u.outdoor = "OU2";
                                                                           return u;
                                                                         }()})),
            "");
}

TEST(MasterThermostatZone, MustBeAZoneOfTheSameOutdoorUnit) {
  Indoor other = unit("U2", "Z2");
  other.outdoor = "OU2";
  const std::string two = outdoor("OU2", 7, "Z2");
  // Empty: EnergyPlus 8.0 notices this one itself.
  std::string w = warningsFor(system(outdoor("OU", 7, "") + two, {Indoor(), other}));
  EXPECT_NE(w.find("in.idf:16: warning: HVACVAKTemplate:VRVUnidadExterior \"OU\": "
                   "masterThermostatZoneName is empty, which MasterThermostatPriority needs; "
                   "EnergyPlus stops with a severe error; write one of its zones (\"Z1\")\n"),
            std::string::npos)
      << w;
  // A zone that the other outdoor unit serves.
  w = warningsFor(system(outdoor("OU", 7, "Z2") + two, {Indoor(), other}));
  EXPECT_NE(w.find("in.idf:16: warning: HVACVAKTemplate:VRVUnidadExterior \"OU\": "
                   "masterThermostatZoneName \"Z2\" is served by HVACVAKTemplate:VRVUnidadInterior "
                   "\"U2\" of outdoor unit \"OU2\", not by one of this unit's; EnergyPlus checks "
                   "only that the field is filled in, then reads past the end of the unit's "
                   "terminal unit list"),
            std::string::npos)
      << w;
  // Served by two units of another outdoor unit, in two letter cases: the first is named.
  Indoor upper = unit("U2", "Z2"), lower = unit("U3", "z2");
  upper.outdoor = lower.outdoor = "OU2";
  w = warningsFor(system(outdoor("OU", 7, "z2") + two, {Indoor(), upper, lower}));
  EXPECT_NE(w.find("masterThermostatZoneName \"z2\" is served by "
                   "HVACVAKTemplate:VRVUnidadInterior \"U2\" of outdoor unit \"OU2\""),
            std::string::npos)
      << w;
  // A typo, under either priority that needs a master zone.
  w = warningsFor(system(outdoor("OU", 7, "Z 1") + two, {Indoor(), other}));
  EXPECT_NE(w.find("in.idf:16: warning: HVACVAKTemplate:VRVUnidadExterior \"OU\": "
                   "masterThermostatZoneName \"Z 1\" is not the zone of one of its indoor units; "
                   "EnergyPlus checks only that the field is filled in, then reads past the end "
                   "of the unit's terminal unit list, with undefined results; write one of its "
                   "zones (\"Z1\")\n"),
            std::string::npos)
      << w;
  std::vector<std::string> f = test::outdoorFields("OU");
  f[6] = "Zone1";
  f[7] = "ThermostatOffsetPriority";
  w = warningsFor(system(test::templateObject(VRVUnidadExterior::kClassName, f), {Indoor()}));
  EXPECT_NE(w.find("masterThermostatZoneName \"Zone1\" is not the zone of one of its indoor units"),
            std::string::npos)
      << w;

  // Other letter case is the same zone to EnergyPlus; other control types need no master zone.
  EXPECT_EQ(warningsFor(system(outdoor("OU", 7, "z1"), {Indoor()})), "");
  f[7] = "LoadPriority";
  EXPECT_EQ(warningsFor(system(test::templateObject(VRVUnidadExterior::kClassName, f), {Indoor()})),
            "");
}

// What EnergyPlus does with a mistake differs between the releases: each message says what the
// release written does, and counts as that.
TEST(Releases, EachMessageSaysWhatTheReleaseWrittenDoes) {
  const auto withVersion = [](const std::string& version, const std::string& body) {
    return "Version,\n  " + version + ";\n" + body;
  };
  std::vector<std::string> offset = test::outdoorFields("OU");
  offset[6] = "";
  offset[7] = "ThermostatOffsetPriority";
  std::vector<std::string> scheduled = test::outdoorFields("OU");
  scheduled[7] = "Scheduled";
  scheduled[8] = "";
  Indoor second = unit("U2", "Z2");
  second.thermostat = "t1";
  const std::string body = test::outdoorText("OU") + Indoor().text() + second.text();
  struct Case {
    std::string what;
    std::string body;
    std::string old;      // the message for 7.1 to 9.1, "" for none
    std::string current;  // for 9.2 on
  };
  const std::vector<Case> cases = {
      {"ThermostatOffsetPriority reads the master zone in 7.1 and 8.0 only",
       test::thermostatText("T1") + test::templateObject(VRVUnidadExterior::kClassName, offset) +
           Indoor().text(),
       "masterThermostatZoneName is empty, which ThermostatOffsetPriority needs; EnergyPlus stops",
       ""},
      {"a master zone that is no zone",
       test::thermostatText("T1") + outdoor("OU", 7, "Attic") + Indoor().text(),
       "masterThermostatZoneName \"Attic\" is not the zone of one of its indoor units; EnergyPlus "
       "checks only that the field is filled in",
       "masterThermostatZoneName \"Attic\" names no Zone of the file; EnergyPlus stops with a "
       "severe error; write one of its zones (\"Z1\")"},
      {"a master zone of another outdoor unit",
       test::thermostatText("T1") + outdoor("OU", 7, "Z2") + outdoor("OU2", 7, "Z2") +
           Indoor().text() +
           [] {
             Indoor u = unit("U2", "Z2");
             u.outdoor = "OU2";
             return u.text();
           }(),
       "not by one of this unit's; EnergyPlus checks only that the field is filled in",
       "not by one of this unit's; EnergyPlus runs, but the master thermostat is meant to stand in "
       "a zone of the unit's own; write one of its zones (\"Z1\")"},
      {"Scheduled without a schedule",
       test::thermostatText("T1") + test::templateObject(VRVUnidadExterior::kClassName, scheduled) +
           Indoor().text(),
       "takes the operating mode from it; EnergyPlus stops with a severe error",
       "takes the operating mode from it; EnergyPlus reports a severe error, runs on, and reads a "
       "missing schedule for the operating mode during the run"},
      {"thermostats that differ in letter case, with other constants",
       test::thermostatText("T1") +
           test::templateObject(Termostato::kClassName, {"t1", "", "20", "", "26"}) + body,
       "EnergyPlus does not tell such names apart; its dual set-point object and constant "
       "schedules are written twice and EnergyPlus stops",
       "the name differs only in letter case or in blanks at its ends from \"T1\", the "
       "thermostat at line 3; EnergyPlus runs, but looks up both set-point objects under the "
       "first name, so the zones of both thermostats get the set-points of the one at line 3"},
      {"... with one constant in common",
       test::thermostatText("T1") +
           test::templateObject(Termostato::kClassName, {"t1", "", "20", "", "25"}) + body,
       "written twice and EnergyPlus stops",
       "their constant schedules \"t1_25\" and \"T1_25\" are written under one name and "
       "EnergyPlus stops with a severe error"},
  };
  for (const Case& c : cases) {
    for (const char* version : {"7.1", "8.0", "9.1", "9.2", "24.1"}) {
      const bool current = std::string(version) == "9.2" || std::string(version) == "24.1";
      const std::string& want = current ? c.current : c.old;
      const std::string w = warningsFor(withVersion(version, c.body));
      if (want.empty()) {
        EXPECT_EQ(w, "") << c.what << ", " << version;
      } else {
        EXPECT_NE(w.find(want), std::string::npos) << c.what << ", " << version << "\n" << w;
        EXPECT_EQ(count(w, "\n"), 1u) << c.what << ", " << version << "\n" << w;
      }
    }
  }
}

// Hand-written files are often indented with tabs: one message an object, and none of the
// symptoms of the values that then begin with a tab.
TEST(Tabs, OneMessageForEachTabIndentedObject) {
  const auto tabbed = [](std::vector<std::string> fields) {
    for (std::string& f : fields) f = "\t" + f;
    return fields;
  };
  Indoor u;
  std::vector<std::string> indoor = tabbed(u.fields());
  // A tab-indented thermostat and indoor unit of an outdoor unit written with blanks.
  std::string w = warningsFor(
      kV80 + test::templateObject(Termostato::kClassName, tabbed({"T1", "", "21", "", "25"})) +
      test::outdoorText("OU") + test::templateObject(VRVUnidadInterior::kClassName, indoor));
  EXPECT_EQ(count(w, "\n"), 3u) << w;
  EXPECT_NE(w.find("in.idf:4: warning: HVACVAKTemplate:Thermostat \"\\tT1\": a tab stands before "
                   "the value of name, heatingScheduleName, heatingSetpoint, "
                   "coolingScheduleName, coolingSetpoint, and the program keeps it as part of the "
                   "value; EnergyPlus drops it again where it reads these values, but where the "
                   "program compares a value exactly"),
            std::string::npos)
      << w;
  EXPECT_NE(w.find("in.idf:24: warning: HVACVAKTemplate:VRVUnidadInterior \"\\tU1\": a tab "
                   "stands before the value of name, zoneName, thermostatName, "),
            std::string::npos)
      << w;
  EXPECT_NE(w.find("; the constant fan is written, not the cycling one that \"Auto\" selects; "
                   "the unit belongs to no outdoor unit, so its terminal unit, fan, coils and "
                   "zone control are not written and EnergyPlus stops with a severe error; indent "
                   "template lines with blanks, not tabs\n"),
            std::string::npos)
      << w;
  EXPECT_NE(w.find("\"OU\": no indoor unit names it"), std::string::npos) << w;

  // An outdoor unit's name with a tab: its indoor units are the ones it loses.
  std::vector<std::string> o = test::outdoorFields("OU");
  o[0] = "\tOU";
  w = warningsFor(kV80 + test::thermostatText("T1") +
                  test::templateObject(VRVUnidadExterior::kClassName, o) + u.text());
  EXPECT_EQ(w,
            "in.idf:10: warning: HVACVAKTemplate:VRVUnidadExterior \"\\tOU\": a tab stands "
            "before the value of name, and the program keeps it as part of the value; the "
            "indoor units that name it do not belong to it, so their terminal units, fans, "
            "coils and zone controls are not written and EnergyPlus stops with a severe "
            "error; indent template lines with blanks, not tabs\n");
}

// EnergyPlus trims the ends of a name, not blanks inside it: a blank at the end of a thermostat's
// name stays in front of " DualSetPoint".
TEST(Thermostats, BlanksAtTheEndOfANameStayInsideTheDerivedNames) {
  Indoor a, b;
  b.name = "U2";
  b.zone = "Z2";
  std::string w = warningsFor(kV80 + test::thermostatText("T1 ") + test::outdoorText("OU") +
                              a.text() + b.text());
  EXPECT_EQ(w,
            "in.idf:4: warning: HVACVAKTemplate:Thermostat \"T1 \": the name \"T1 \" ends in "
            "blanks, which stay inside the name of its set-point object, \"T1  DualSetPoint\", "
            "while the zone control of HVACVAKTemplate:VRVUnidadInterior \"U1\" (line 23) "
            "names \"T1 DualSetPoint\"; EnergyPlus stops with a severe error because it does "
            "not find the set-point object; remove the blanks at the end of the name\n");
  b.thermostat = "T1 ";
  w = warningsFor(kV80 + test::thermostatText("T1") + test::outdoorText("OU") + a.text() +
                  b.text());
  EXPECT_NE(w.find("in.idf:43: warning: HVACVAKTemplate:VRVUnidadInterior \"U2\": "
                   "thermostatName \"T1 \" ends in other blanks than the thermostat's name"),
            std::string::npos)
      << w;
  EXPECT_EQ(count(w, "\n"), 1u) << w;
  // At the start they do not matter, nor does letter case.
  b.thermostat = " t1";
  EXPECT_EQ(warningsFor(kV80 + test::thermostatText("T1") + test::outdoorText("OU") + a.text() +
                        b.text()),
            "");
}

// A "D" exponent is read by the releases up to 8.1 alone; every release reads "E".
TEST(Releases, DExponentsWhereTheReleaseMayNotReadThem) {
  Indoor u;
  const auto run = [&u](const char* version, const std::string& efficiency,
                        const std::string& setpoint) {
    std::vector<std::string> f = u.fields();
    f[6] = efficiency;
    return warningsFor(
        std::string("Version,\n  ") + version + ";\n" +
        test::templateObject(Termostato::kClassName, {"T1", "", setpoint, "", "25"}) +
        test::outdoorText("OU") + test::templateObject(VRVUnidadInterior::kClassName, f));
  };
  for (const char* version : {"7.1", "8.0", "8.1"}) {
    EXPECT_EQ(run(version, "6.0D-1", "2.1d1"), "") << version;
  }
  for (const char* version : {"8.2", "9.1", "26.1"}) {
    const std::string w = run(version, "6.0D-1", "2.1d1");
    EXPECT_NE(w.find("in.idf:6: warning: HVACVAKTemplate:Thermostat \"T1\": heatingSetpoint "
                     "\"2.1d1\" writes its exponent with \"D\", which EnergyPlus reads only up "
                     "to 8.1; later releases may not take it for a number (26.1 reports a severe "
                     "error); write \"2.1e1\", which every release reads\n"),
              std::string::npos)
        << version << "\n"
        << w;
    EXPECT_NE(w.find("fanEfficiency \"6.0D-1\" writes its exponent with \"D\""), std::string::npos)
        << w;
    EXPECT_EQ(count(w, "\n"), 2u) << w;
    EXPECT_EQ(run(version, "6.0E-1", "2.1e1"), "") << version;
  }
}

// The constant schedules use the program's "Temperatura" limits, -60 to 200 degC.
TEST(Thermostats, SetPointsWithinTheTemperatureLimits) {
  const auto warnings = [](const std::string& heating, const std::string& cooling) {
    return warningsFor(
        kV80 + test::templateObject(Termostato::kClassName, {"T1", "", heating, "", cooling}));
  };
  EXPECT_EQ(warnings("-60", "200"), "");
  EXPECT_EQ(warnings("-60.5", "70"),
            "in.idf:6: warning: HVACVAKTemplate:Thermostat \"T1\": heatingSetpoint \"-60.5\" lies "
            "outside the limits of the schedule type limits \"Temperatura\" of its constant "
            "schedule (-60 to 200 degC), and EnergyPlus stops with a severe error; write the "
            "set-point in degC, such as 21.5\n");
  EXPECT_NE(warnings("21", "200.1").find("in.idf:8: warning:"), std::string::npos);
}

// Units of other outdoor units may serve the master zone too: the zone is this unit's when
// any of them is its own, however many there are and wherever it stands among them.
TEST(MasterThermostatZone, SharedWithUnitsOfOtherOutdoorUnits) {
  const auto others = [](int n) {
    std::vector<Indoor> units;
    for (int i = 0; i < n; ++i) {
      units.push_back(
          unit(std::vector<std::string>{"V0", "V1", "V2", "V3", "V4"}[i], i % 2 ? "z1" : "Z1"));
      units.back().outdoor = "OU2";
    }
    return units;
  };
  const std::string two = outdoor("OU2", 7, "Z1");
  for (int before : {0, 2, 3, 5}) {
    std::vector<Indoor> units = others(before);
    units.push_back(Indoor());  // U1 of OU, in zone Z1
    const std::string w = warningsFor(system(outdoor("OU", 7, "Z1") + two, units));
    EXPECT_EQ(w.find("masterThermostatZoneName"), std::string::npos) << before << "\n" << w;
  }
  for (int n : {3, 4}) {
    std::vector<Indoor> units = others(n);
    units.push_back(unit("U1", "Z2"));
    const std::string w = warningsFor(system(outdoor("OU", 7, "Z1") + two, units));
    EXPECT_NE(w.find("\"OU\": masterThermostatZoneName \"Z1\" is served by "
                     "HVACVAKTemplate:VRVUnidadInterior \"V0\" of outdoor unit \"OU2\""),
              std::string::npos)
        << n << "\n"
        << w;
  }
  // A blank master zone matches a unit of its own without a zone, as EnergyPlus compares.
  EXPECT_EQ(warningsFor(system(outdoor("OU", 7, " "), {unit("U1", "")})).find("masterThermostat"),
            std::string::npos);
}

TEST(Keywords, ComparedAsEnergyPlusComparesThem) {
  std::string w = warningsFor(system(outdoor("OU", 8, "MasterThermostat"), {Indoor()}));
  EXPECT_NE(w.find("in.idf:17: warning: HVACVAKTemplate:VRVUnidadExterior \"OU\": "
                   "masterThermostatPriorityControlType \"MasterThermostat\" is not one of "
                   "LoadPriority, ZonePriority, ThermostatOffsetPriority, MasterThermostatPriority "
                   "or Scheduled; EnergyPlus stops with a severe error; write one of them\n"),
            std::string::npos)
      << w;
  EXPECT_EQ(count(w, "\n"), 1u) << "no master zone message for an unknown type: " << w;
  EXPECT_EQ(warningsFor(system(outdoor("OU", 8, "masterthermostatpriority "), {Indoor()})), "");

  w = warningsFor(system(outdoor("OU", 8, "Scheduled"), {Indoor()}));
  EXPECT_NE(w.find("\"VRF Priority Sch\" names no schedule"), std::string::npos) << w;
  std::vector<std::string> f = test::outdoorFields("OU");
  f[7] = "SCHEDULED";
  f[8] = "";
  w = warningsFor(system(test::templateObject(VRVUnidadExterior::kClassName, f), {Indoor()}));
  EXPECT_EQ(w,
            "in.idf:18: warning: HVACVAKTemplate:VRVUnidadExterior \"OU\": "
            "thermostatPriorityScheduleName is empty, but the priority control type Scheduled "
            "takes the operating mode from it; EnergyPlus stops with a severe error; write the "
            "name of the priority schedule\n");
  f[8] = "alwayson";
  EXPECT_EQ(warningsFor(system(test::templateObject(VRVUnidadExterior::kClassName, f), {Indoor()})),
            "");

  w = warningsFor(system(outdoor("OU", 12, "Reverse Cycle"), {Indoor()}));
  EXPECT_NE(w.find("in.idf:21: warning: HVACVAKTemplate:VRVUnidadExterior \"OU\": defrostStrategy "
                   "\"Reverse Cycle\" is not ReverseCycle or Resistive"),
            std::string::npos)
      << w;
  for (const char* fine : {"reversecycle", "Resistive", ""}) {
    EXPECT_EQ(warningsFor(system(outdoor("OU", {{12, fine}, {13, "2000"}}), {Indoor()})), "")
        << fine;
  }
}

TEST(Keywords, AutoInAnotherFormSaysWhichFanWasWritten) {
  for (const char* mode : {"auto", "AUTO", "Auto ", "Auto\t"}) {
    Indoor u;
    u.fanMode = mode;
    const std::string w = warningsFor(system(outdoor("OU"), {u}));
    EXPECT_EQ(w, "in.idf:28: warning: HVACVAKTemplate:VRVUnidadInterior \"U1\": fanOperatingMode " +
                     test::quotedForTest(mode) +
                     " is not exactly \"Auto\", so the constant fan was written "
                     "(Fan:ConstantVolume, running whenever the unit is available); write "
                     "\"Auto\" for a cycling fan (Fan:OnOff), or \"Continuous\" to keep the "
                     "constant fan\n")
        << mode;
  }
  for (const char* mode : {"Auto", "Continuous", "Automatic"}) {
    Indoor u;
    u.fanMode = mode;
    EXPECT_EQ(warningsFor(system(outdoor("OU"), {u})), "") << mode;
  }
}

TEST(Thermostats, NeedAScheduleOrAConstantForEachSide) {
  std::string w =
      warningsFor(kV80 + test::templateObject(Termostato::kClassName, {"T1", "", "21", "", ""}));
  EXPECT_EQ(w,
            "in.idf:8: warning: HVACVAKTemplate:Thermostat \"T1\": neither coolingScheduleName nor "
            "coolingSetpoint is given; the dual set-point object names the cooling schedule "
            "\"T1_\", which is never written, and EnergyPlus stops with a severe error; give a "
            "schedule name or a constant set-point\n");
  w = warningsFor(kV80 + test::templateObject(Termostato::kClassName, {"T1", "", "", "", "25"}));
  EXPECT_NE(w.find("in.idf:6: warning: HVACVAKTemplate:Thermostat \"T1\": neither "
                   "heatingScheduleName nor heatingSetpoint"),
            std::string::npos)
      << w;
  w = warningsFor(kV80 + test::templateObject(Termostato::kClassName, {"T1", "", "21C", "", "25"}));
  EXPECT_EQ(w,
            "in.idf:6: warning: HVACVAKTemplate:Thermostat \"T1\": heatingSetpoint \"21C\" is not "
            "a number as EnergyPlus reads one; the constant schedule \"T1_21C\" holds it and "
            "EnergyPlus stops with a severe error; write a temperature in degC, such as 21.5\n");
  EXPECT_EQ(warningsFor(kV80 + test::templateObject(Termostato::kClassName,
                                                    {"T1", "AlwaysOn", "", "alwayson", "25"})),
            "");
}

TEST(Numbers, AsEnergyPlusReadsThem) {
  for (const char* n : {"0", "21", "-6", "+5", "21.5", ".5", "5.", "1.5E3", "1.5e-3", "2D2", "1d+2",
                        " 7 ", "\t7"}) {
    EXPECT_TRUE(energyPlusNumber(n).has_value()) << n;
  }
  EXPECT_DOUBLE_EQ(*energyPlusNumber("2D2"), 200);
  EXPECT_DOUBLE_EQ(*energyPlusNumber("-.25"), -0.25);
  EXPECT_DOUBLE_EQ(*energyPlusNumber(" +5"), 5);
  EXPECT_DOUBLE_EQ(*energyPlusNumber("+1.5d-2"), 0.015);
  EXPECT_DOUBLE_EQ(*energyPlusNumber("-2E+2\t"), -200);
  for (const char* n : {"", " ", "abc", "21C", "1e", "1e+", "--1", "+-1", "1.2.3", ".", "0x10",
                        "inf", "nan", "1 000", "60%", "E3"}) {
    EXPECT_FALSE(energyPlusNumber(n).has_value()) << n;
  }
}

// Short decimals are computed without the library reader: they must come out bit for bit as
// the reader gives them, for any number of decimals, signs, and digit counts around the limit.
TEST(Numbers, ShortDecimalsComeOutAsTheLibraryReadsThem) {
  const auto library = [](std::string text) {
    if (text[0] == '+') text.erase(0, 1);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
  };
  std::vector<std::string> numbers = {"0.1",
                                      "0.3",
                                      "2.675",
                                      "1.005",
                                      "-7.25",
                                      "5.",
                                      ".5",
                                      "+0.1",
                                      "-0",
                                      "123456789012345",
                                      "999999999999999",
                                      "0.000000000000001",
                                      "9007199254740993",
                                      "900719925474099.3",
                                      "0.30000000000000004",
                                      "-.000001"};
  std::uint64_t state = 7;
  const auto next = [&state] {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return state >> 33;
  };
  for (int n = 0; n < 2000; ++n) {
    std::string number = next() % 3 == 0 ? "-" : "";
    const std::uint64_t digits = 1 + next() % 17;  // 1 to 17 digits
    const std::uint64_t point = next() % (digits + 1);
    for (std::uint64_t k = 0; k < digits; ++k) {
      if (k == point) number += '.';
      number += static_cast<char>('0' + next() % 10);
    }
    if (point == digits) number += '.';
    numbers.push_back(number);
  }
  for (const std::string& n : numbers) {
    const std::optional<double> read = energyPlusNumber(n);
    ASSERT_TRUE(read.has_value()) << n;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(*read), std::bit_cast<std::uint64_t>(library(n))) << n;
  }
}

TEST(Numbers, WithinTheLimitsOfTheFieldsTheyAreWrittenTo) {
  auto indoorWith = [](std::size_t field, const std::string& value) {
    Indoor u;
    std::vector<std::string> f = u.fields();
    f[field - 1] = value;
    return system(outdoor("OU"), {}) + test::templateObject(VRVUnidadInterior::kClassName, f);
  };
  // Fan efficiency as a percentage: the limit and what to write.
  std::string w = warningsFor(indoorWith(7, "60"));
  EXPECT_EQ(w,
            "in.idf:30: warning: HVACVAKTemplate:VRVUnidadInterior \"U1\": fanEfficiency \"60\" is "
            "outside the limits of the supply fan's Fan Efficiency (above 0 and at most 1); "
            "EnergyPlus stops with a severe error; write it as a fraction, such as 0.6 for 60 %\n");
  w = warningsFor(indoorWith(7, "100"));
  EXPECT_NE(w.find("write it as a fraction, such as 0.6 for 60 %"), std::string::npos) << w;
  w = warningsFor(indoorWith(7, "101"));
  EXPECT_NE(w.find("; write a value above 0 and at most 1\n"), std::string::npos) << w;
  w = warningsFor(indoorWith(7, "0"));
  EXPECT_NE(w.find("fanEfficiency \"0\" is outside the limits"), std::string::npos) << w;
  EXPECT_EQ(warningsFor(indoorWith(7, "1")), "");
  EXPECT_EQ(warningsFor(indoorWith(10, "0")), "") << "a motor in airstream fraction may be 0";
  w = warningsFor(indoorWith(10, "1.01"));
  EXPECT_NE(w.find("motorInAirstreamFraction \"1.01\" is outside the limits of the supply fan's "
                   "Motor In Airstream Fraction (at least 0 and at most 1)"),
            std::string::npos)
      << w;
  // Text in a numeric field.
  w = warningsFor(indoorWith(12, "3500W"));
  EXPECT_EQ(w,
            "in.idf:35: warning: HVACVAKTemplate:VRVUnidadInterior \"U1\": ratedCoolingCapacity "
            "\"3500W\" is not a number as EnergyPlus reads one; EnergyPlus stops with a severe "
            "error; write a number or autosize such as 0.5 or 1.5E3\n");
  // Autosize where every output field takes it, in any letter case; blank where required.
  EXPECT_EQ(warningsFor(indoorWith(11, "AutoSize")), "");
  w = warningsFor(indoorWith(8, ""));
  EXPECT_NE(w.find("in.idf:31: warning: HVACVAKTemplate:VRVUnidadInterior \"U1\": fanPressureRise "
                   "is empty, but the supply fan's Pressure Rise must be given"),
            std::string::npos)
      << w;
  w = warningsFor(indoorWith(8, "autosize"));
  EXPECT_NE(w.find("fanPressureRise \"autosize\" is not allowed in the supply fan's Pressure Rise"),
            std::string::npos)
      << w;
  w = warningsFor(system(outdoor("OU", 4, "autosize"), {Indoor()}));
  EXPECT_NE(w.find("in.idf:13: warning: HVACVAKTemplate:VRVUnidadExterior \"OU\": ratedCoolingCOP "
                   "\"autosize\" is not allowed in the heat pump's Rated Cooling COP"),
            std::string::npos)
      << w;
  EXPECT_EQ(warningsFor(system(outdoor("OU", 6, ""), {Indoor()})), "") << "a COP has a default";
  EXPECT_EQ(warningsFor(system(outdoor("OU", 3, "autosize"), {Indoor()})), "");
  w = warningsFor(system(outdoor("OU", 13, "-1"), {Indoor()}));
  EXPECT_NE(w.find("resistiveDefrostHeaterCapacity \"-1\" is outside the limits"),
            std::string::npos)
      << w;
}

TEST(Numbers, OutdoorAirAboveTheSupplyAir) {
  Indoor u;
  std::vector<std::string> f = u.fields();
  f[14] = "0.5";  // outdoor air, above the 0.30 supply air
  std::string w = warningsFor(system(outdoor("OU"), {}) +
                              test::templateObject(VRVUnidadInterior::kClassName, f));
  EXPECT_EQ(w,
            "in.idf:38: warning: HVACVAKTemplate:VRVUnidadInterior \"U1\": outdoorAirFlowRate "
            "\"0.5\" exceeds supplyAirFlowRate \"0.30\"; EnergyPlus cuts the outdoor air flow to "
            "the supply air flow, with a warning; write at most the supply air flow\n");
  for (const char* fine : {"0.30", "0.3", "autosize", "0"}) {
    f[14] = fine;
    EXPECT_EQ(warningsFor(system(outdoor("OU"), {}) +
                          test::templateObject(VRVUnidadInterior::kClassName, f)),
              "")
        << fine;
  }
}

TEST(FileNames, TakenInEveryFormAnIdfAllows) {
  const std::string input =
      "Zone,Z1;\n"           // on the class line
      "  zone , Z2 , 0 ;\n"  // indented, other case, blanks
      "Zone,\n  Z3,  !- Name, with a comma; and a semicolon\n  0;\n"
      "ZONE,\n  ! a comment line\n  Z4;\n"
      "Schedule:Constant, S1, , 1;\n"           // several fields to a line
      "Schedule:Compact,\n  S2\n  ,\n  Any;\n"  // the name's comma on the next line
      "Schedule:Year, S3;\nSchedule:File,\n  S4,  ;\n"
      "ZoneControl:Thermostat,\n  My Control,\n  Z1,  !- Zone\n  Siempre 4;\n"
      "ZoneHVAC:EquipmentConnections, Z2, Z2 Eq;\n"
      "ZoneControl:Thermostat, Lonely; X, Y;\n"    // ends before its zone
      "Building,\n  B1,\n  Z7;\n"                  // whose fields are no zone
      "Zonelist, Z9;\nSchedule:Day:Hourly, D1;\n"  // classes not taken
      "Zone,\n  Z5,\n  Zone, Z8;\n"                // the rest of an object is no object
      // Design days, whatever names are looked for, then the pass goes on.
      "SizingPeriod:DesignDay, Hot, 7, 21, SummerDesignDay, 38, 12;\n"
      "  sizingperiod:designday ,\n  Cold ,  ! name, with a comma\n  1,\n  21, WinterDesignDay, "
      "! type\n  -10,\n  8,\n  DefaultMultipliers,\n  , Wetbulb;\nZone, Z9;\n";
  auto names = [](const NameList& list) {
    std::string text;
    for (const NamedAt& n : list) text += n.name + "@" + std::to_string(n.line) + " ";
    return text;
  };
  const auto collect = [&input](const NameKeys& wanted) {
    std::istringstream in(input);
    LineSource source(in, 5);
    return collectNames(source, NamesWanted{wanted});
  };
  const FileNames all =
      collect({"Z1", "Z2", "Z3", "Z4", "Z5", "Z7", "Z8", "Z9", "S1", "S2", "S3", "S4", "D1", "B1"});
  EXPECT_TRUE(all.anyZone);
  EXPECT_EQ(names(all.zones), "Z1@1 Z2@2 Z3@3 Z4@6 Z5@28 Z9@40 ");
  EXPECT_EQ(names(all.schedules), "S1@9 S2@10 S3@14 S4@15 ");
  EXPECT_EQ(names(all.thermostatZones), "Z1@17 ");
  EXPECT_EQ(names(all.connectionZones), "Z2@21 ");
  ASSERT_EQ(all.designDays.size(), 2u);
  const DesignDay& hot = all.designDays[0];
  EXPECT_EQ(hot.line, 31u);
  EXPECT_EQ(hot.name + "|" + hot.month + "|" + hot.dayOfMonth + "|" + hot.dayType + "|" +
                hot.maximumDryBulb + "|" + hot.dailyRange + "|" + hot.rangeModifierType,
            "Hot|7|21|SummerDesignDay|38|12|");
  const DesignDay& cold = all.designDays[1];
  EXPECT_EQ(cold.line, 32u);
  EXPECT_EQ(cold.name + "|" + cold.month + "|" + cold.dayOfMonth + "|" + cold.dayType + "|" +
                cold.maximumDryBulb + "|" + cold.dailyRange + "|" + cold.rangeModifierType,
            "Cold|1|21|WinterDesignDay|-10|8|DefaultMultipliers");

  // Only the names looked for are kept, compared as EnergyPlus compares them; a zone that is
  // not looked for still tells that the file has zones.
  const FileNames some = collect({"Z2", "S3"});
  EXPECT_TRUE(some.anyZone);
  EXPECT_EQ(names(some.zones), "Z2@2 ");
  EXPECT_EQ(names(some.schedules), "S3@14 ");
  EXPECT_EQ(names(some.thermostatZones), "");
  EXPECT_EQ(names(some.connectionZones), "Z2@21 ");
  EXPECT_EQ(some.designDays.size(), 2u);
  EXPECT_FALSE(collect({"Z1"}).zones.empty());
  std::istringstream noZones("Zonelist, Z1;\nZone;\nSchedule:Constant, Z1, , 1;\n");
  LineSource source(noZones);
  EXPECT_FALSE(collectNames(source, NamesWanted{{"Z1"}}).anyZone);
}

// The names pass reads a name only as far as the longest name looked for, and no line whole:
// a longer name is none of them, even where the cut falls among blanks, and a long comment
// after the name costs nothing.
TEST(FileNames, ANameIsReadOnlyAsFarAsTheLongestLookedFor) {
  const std::string input =
      "Zone, Zone 22   ! a comment\n  ;\n"
      "Zone, Zone 22   x;\n"
      "Zone, Z1" +
      std::string(20, ' ') +
      ";\n"
      "Zone, Z1   Z1;\n"
      "Zone, z1, ! " +
      std::string(100000, 'x') + "\n  0;\n";
  std::istringstream in(input);
  LineSource source(in, 4096);
  const FileNames names = collectNames(source, NamesWanted{{"Z1", "Zone 22"}});
  std::string kept;
  for (const NamedAt& n : names.zones) kept += n.name + "@" + std::to_string(n.line) + " ";
  EXPECT_EQ(kept, "Zone 22@1 Z1@4 z1@6 ");
}

TEST(FileNames, TemplatesEndWhereTheirRecordsEnd) {
  // The names are read in a second pass, which must see the same objects as the first: a
  // template ends at its first line with a ";" and no ",", comments included, not at the first
  // ";" of its code.
  const std::string input =
      "HVACVAKTemplate:Thermostat,\n  T1,\n  x ! ;\n  Zone, Z8;\n"
      "HVACVAKTemplate:Thermostat,\n  T2,\n  21; !- a, b\n  Zone, Z9;\n  25;\n"
      "HVACVAKTemplate:Thermostat,\n  T3\n  Zone, Z7;\n  25;\n";
  std::istringstream in(input);
  LineSource source(in);
  const FileNames names = collectNames(source, NamesWanted{{"Z7", "Z8", "Z9"}});
  ASSERT_EQ(names.zones.size(), 1u);
  EXPECT_EQ(names.zones[0].name, "Z8");
  EXPECT_EQ(names.zones[0].line, 4u);

  // The same after a named object whose class line outgrows the buffer: both passes go on from
  // the end of that line.
  const std::string thermostat =
      "HVACVAKTemplate:Thermostat,\n  T2,\n  21; !- a, b\n  Zone, Z9;\n  ,\n  25;\n";
  const std::string longLine = std::string(10000, ' ') + "Zone, Z1;\n";
  std::istringstream again(longLine + thermostat + "Zone, Z2;\n");
  LineSource small(again, 4096);
  const FileNames both = collectNames(small, NamesWanted{{"Z1", "Z2", "Z9"}});
  ASSERT_EQ(both.zones.size(), 2u);
  EXPECT_EQ(both.zones[1].name, "Z2");
  EXPECT_EQ(both.zones[1].line, 8u);
  EXPECT_EQ(
      test::withoutMessages(test::expand(longLine + thermostat).output).find("HVACVAKTemplate"),
      std::string::npos);
}

TEST(FileNames, ZonesAndSchedulesThatNothingDefines) {
  Indoor lost = unit("U2", "Z9");
  lost.availability = "Always On";
  std::string w = warningsFor(system(outdoor("OU"), {Indoor(), lost}));
  EXPECT_NE(w.find("in.idf:42: warning: HVACVAKTemplate:VRVUnidadInterior \"U2\": zoneName \"Z9\" "
                   "names no Zone of the file; the equipment connections and zone control "
                   "written for it name a zone that does not exist and EnergyPlus stops with a "
                   "severe error; define Zone \"Z9\" or write the name of one of its zones\n"),
            std::string::npos)
      << w;
  EXPECT_NE(w.find("in.idf:44: warning: HVACVAKTemplate:VRVUnidadInterior \"U2\": "
                   "availabilityScheduleName \"Always On\" names no schedule: no "
                   "Schedule:Compact, Schedule:Constant, Schedule:Year or Schedule:File of the "
                   "file has that name, nor does the program write one; EnergyPlus stops with a "
                   "severe error; define the schedule or correct the name\n"),
            std::string::npos)
      << w;
  EXPECT_EQ(count(w, "\n"), 2u) << w;

  // Other letter case and blanks at the ends are the same name to EnergyPlus; the program's
  // own schedules count as defined.
  Indoor fine = unit("U2", " z2");
  fine.availability = "ALWAYSON";
  Indoor fanSchedule = unit("U3", "Z3");
  fanSchedule.availability = "Fan vrv on";
  EXPECT_EQ(warningsFor(system(outdoor("OU"), {Indoor(), fine, fanSchedule})), "");
  std::vector<std::string> scheduled = test::outdoorFields("OU");
  scheduled[1] = "OU Avail";
  scheduled[7] = "Scheduled";
  scheduled[8] = "OU Priority";
  EXPECT_EQ(warningsFor(
                "Schedule:Compact, ou avail, Any;\nSchedule:Constant, OU Priority , , 1;\n" +
                system(test::templateObject(VRVUnidadExterior::kClassName, scheduled), {Indoor()})),
            "");
  EXPECT_EQ(warningsFor(kV80 + test::templateObject(Termostato::kClassName,
                                                    {"T1", "T1_21", "21", "Siempre 4", ""})),
            "");
}

TEST(FileNames, AFragmentGetsOneNote) {
  std::vector<Indoor> units;
  for (int i = 0; i < 5; ++i) {
    const std::string n = std::to_string(i);
    units.push_back(unit("U" + n, "Zone " + n));
  }
  const std::string w =
      test::expand(system(outdoor("OU", {{3, "35000"}, {5, "40000"}, {7, "Zone 0"}}), units))
          .diagnostics;
  EXPECT_EQ(w,
            "expandVAKobjects: note: the file defines no Zone, so it is taken for a part of a "
            "model: the zones and schedules that templates name are not checked\n");
  EXPECT_EQ(test::expand("! nothing but a comment\n").diagnostics, "");
}

TEST(FileNames, TheModellersOwnObjectsThatCollide) {
  const std::string own =
      "ZoneControl:Thermostat,\n  Z1 Own Control,\n  z1,\n  Siempre 4,\n"
      "  ThermostatSetpoint:DualSetpoint,\n  T1 DualSetPoint;\n"
      "ZoneHVAC:EquipmentConnections, Z1, Z1 Eq, Z1 In, Z1 Out, Z1 Node, Z1 Ret;\n"
      "Schedule:Constant, Fan VRV On, , 1;\n";
  const std::string w = warningsFor(own + system(outdoor("OU"), {Indoor()}).substr(0));
  EXPECT_NE(w.find("in.idf:1: warning: ZoneControl:Thermostat for zone \"z1\": the program writes "
                   "a zone control for it as well, for HVACVAKTemplate:VRVUnidadInterior \"U1\" "
                   "(line 31); a zone takes one thermostat, and EnergyPlus stops with a severe "
                   "error; remove this object and set the set-points in the thermostat template\n"),
            std::string::npos)
      << w;
  EXPECT_NE(w.find("in.idf:7: warning: ZoneHVAC:EquipmentConnections for zone \"Z1\": the program "
                   "writes the zone's equipment connections as well, for "
                   "HVACVAKTemplate:VRVUnidadInterior \"U1\" (line 31)"),
            std::string::npos)
      << w;
  EXPECT_NE(w.find("in.idf:8: warning: Schedule:Constant \"Fan VRV On\": the program writes a "
                   "Schedule:Compact of this name, and schedule names must differ across all "
                   "schedule classes, for HVACVAKTemplate:VRVUnidadExterior \"OU\" (line 17); "
                   "EnergyPlus stops with a severe error on the duplicate name; rename this object "
                   "and what refers to it\n"),
            std::string::npos)
      << w;
  EXPECT_EQ(count(w, "\n"), 3u) << w;
  // A unit that is not written leaves its zone without a zone control, but the zone's
  // equipment connections are written all the same.
  Indoor stray = unit("U2", "Z2");
  stray.outdoor = "Nowhere";
  const std::string forStray =
      "ZoneControl:Thermostat, Z2 Control, Z2, Siempre 4, ThermostatSetpoint:DualSetpoint, "
      "T1 DualSetPoint;\nZoneHVAC:EquipmentConnections, Z2, Z2 Eq, Z2 In, Z2 Out, Z2 Node, Z2 "
      "Ret;\n";
  const std::string s = warningsFor(forStray + system(outdoor("OU"), {Indoor(), stray}));
  EXPECT_EQ(count(s, "ZoneControl:Thermostat for zone"), 0u) << s;
  EXPECT_EQ(count(s, "in.idf:2: warning: ZoneHVAC:EquipmentConnections for zone \"Z2\""), 1u) << s;
  // The same objects for a zone that no indoor unit serves are the modeller's business.
  const std::string elsewhere =
      "ZoneControl:Thermostat, Z4 Control, Z4, Siempre 4, ThermostatSetpoint:DualSetpoint, "
      "T1 DualSetPoint;\nZoneHVAC:EquipmentConnections, Z4, Z4 Eq, Z4 In, Z4 Out, Z4 Node, Z4 "
      "Ret;\n";
  EXPECT_EQ(warningsFor(elsewhere + system(outdoor("OU"), {Indoor()})), "");
  // Either object alone is found too.
  for (const std::string alone :
       {"ZoneControl:Thermostat, C, Z1, Siempre 4, ThermostatSetpoint:DualSetpoint, T1 "
        "DualSetPoint;\n",
        "ZoneHVAC:EquipmentConnections, Z1, Z1 Eq, Z1 In, Z1 Out, Z1 Node, Z1 Ret;\n"}) {
    EXPECT_EQ(count(warningsFor(alone + system(outdoor("OU"), {Indoor()})), "for zone \"Z1\""), 1u)
        << alone;
  }
}

// The file's own objects named like one the program writes: within a class, and across the
// curve classes and the schedule classes. EnergyPlus's own example files use some of the names.
TEST(FileNames, ObjectsNamedLikeOneTheProgramWrites) {
  const std::string own =
      "NodeList, OutsideAirInletNodes, OA Node;\n"          // 1
      "Curve:Quadratic, vrfcoolcapft, 1, 0, 0, 0, 1;\n"     // 2: another curve class
      "Fan:OnOff,\n  U1 VRF Supply Fan;\n"                  // 3: U1's cycling fan
      "ZoneControl:Thermostat, Z1 Control, Z1, S, T, C;\n"  // 5: reported as the zone's control
      "NodeList, Z9 In Nodes, N;\n"                         // no unit serves Z9
      "Fan:ConstantVolume, U1 VRF Supply Fan;\n"            // U1 writes no constant fan
      "Curve:Cubic, VRFCoolCapFT Old, 1, 0, 0, 0, 0, 1;\n";
  const std::string w = warningsFor(own + system(outdoor("OU"), {Indoor()}));
  const std::string tail =
      " (line 17); EnergyPlus stops with a severe error on the duplicate "
      "name; rename this object and what refers to it\n";
  EXPECT_NE(w.find("in.idf:1: warning: NodeList \"OutsideAirInletNodes\": the program writes an "
                   "object of this class and name, for HVACVAKTemplate:VRVUnidadExterior \"OU\"" +
                   tail),
            std::string::npos)
      << w;
  EXPECT_NE(w.find("in.idf:2: warning: Curve:Quadratic \"vrfcoolcapft\": the program writes a "
                   "Curve:Biquadratic of this name, and curve names must differ across all curve "
                   "classes, for HVACVAKTemplate:VRVUnidadExterior \"OU\"" +
                   tail),
            std::string::npos)
      << w;
  EXPECT_NE(w.find("in.idf:3: warning: Fan:OnOff \"U1 VRF Supply Fan\": the program writes an "
                   "object of this class and name, for HVACVAKTemplate:VRVUnidadInterior \"U1\" "
                   "(line 31)"),
            std::string::npos)
      << w;
  EXPECT_NE(w.find("in.idf:5: warning: ZoneControl:Thermostat for zone \"Z1\""), std::string::npos)
      << w;
  EXPECT_EQ(count(w, "\n"), 4u) << w;
  EXPECT_NE(warningsFor("ScheduleTypeLimits, TEMPERATURA ;\n" + system(outdoor("OU"), {Indoor()}))
                .find("in.idf:1: warning: ScheduleTypeLimits \"TEMPERATURA\": the program writes "
                      "an object of this class and name, for HVACVAKTemplate:Thermostat \"T1\" "
                      "(line 4)"),
            std::string::npos);
}

// An autosized flow or capacity needs a zone sizing run: a Sizing:Zone for the unit's zone, or
// maybe one for a ZoneList that holds it.
TEST(FileNames, AutosizeWithoutSizingZone) {
  Indoor sized, unsized = unit("U2", "Z2");
  std::vector<std::string> f = sized.fields(), g = unsized.fields();
  f[11] = "autosize";  // ratedCoolingCapacity
  g[10] = "AUTOSIZE";  // supplyAirFlowRate
  const std::string body = kV80 + test::thermostatText("T1") + outdoor("OU") +
                           test::templateObject(VRVUnidadInterior::kClassName, f) +
                           test::templateObject(VRVUnidadInterior::kClassName, g);
  const std::string zones = "Zone, Z1;\nZone, Z2;\nSchedule:Constant, AlwaysOn, , 1;\n";
  std::string w = test::expand(body + zones + "Sizing:Zone,\n  z1 ;\n").diagnostics;
  EXPECT_EQ(w,
            "in.idf:51: warning: HVACVAKTemplate:VRVUnidadInterior \"U2\": supplyAirFlowRate is "
            "autosize, but the file has no Sizing:Zone for its zone \"Z2\"; EnergyPlus sizes "
            "the terminal unit's flows and the coils' capacities from a zone sizing run, and "
            "without one EnergyPlus stops with a severe error (\"a zone sizing run must be "
            "done\"); add a Sizing:Zone for \"Z2\" with zone sizing turned on in "
            "SimulationControl, or write the numbers\n");
  EXPECT_EQ(test::expand(body + zones + "ZoneList, Both, Z1, Z2;\n").diagnostics, "");
  EXPECT_NE(test::expand(body + zones + "ZoneList, Other, Z1;\n").diagnostics.find("\"U2\""),
            std::string::npos);
}

}  // namespace
}  // namespace vak
