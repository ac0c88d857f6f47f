#include "writers/thermostat.h"

#include <array>
#include <string_view>

namespace vak {

namespace {

constexpr std::array<std::string_view, 24> kFixedObjects = {
    "",
    "!-   ===========  ALL OBJECTS IN CLASS: SCHEDULETYPELIMITS ===========",
    "",
    "ScheduleTypeLimits,",
    "     Temperatura,             !- Name",
    "     -60,                     !- Lower Limit Value",
    "     200,                     !- Upper Limit Value",
    "     CONTINUOUS;              !- Numeric Type",
    "",
    "ScheduleTypeLimits,",
    "     CualquierValor,             !- Name",
    "     ,                     !- Lower Limit Value",
    "     ,                     !- Upper Limit Value",
    "     ;                     !- Numeric Type",
    "",
    "!-   ===========  ALL OBJECTS IN CLASS: SCHEDULE:COMPACT ===========",
    "",
    "Schedule:Compact,",
    "     Siempre 4,               !- Name",
    "     CualquierValor,                !- Schedule Type Limits Name",
    "     Through: 12/31,          !- Field 1",
    "     For: AllDays,            !- Field 2",
    "     Until: 24:00,            !- Field 3",
    "     4;                     !- Field 4",
};

// The lines of a constant set-point schedule between its name and its value.
constexpr std::array<std::string_view, 4> kConstantScheduleBody = {
    "     Temperatura,                !- Schedule Type Limits Name",
    "     Through: 12/31,          !- Field 1",
    "     For: AllDays,            !- Field 2",
    "     Until: 24:00,            !- Field 3",
};

constexpr std::array<std::string_view, 3> kDualSetpointBanner = {
    "",
    "!-   ===========  ALL OBJECTS IN CLASS: THERMOSTATSETPOINT:DUALSETPOINT ===========",
    "",
};

// Named name + "_" + value, holding value all year.
void writeConstantSchedule(IdfLines& out, const Termostato& t, std::string_view value) {
  out.line("Schedule:Compact,");
  out.set("     ")
      .append(t.name)
      .append("_")
      .append(value)
      .append(",               !- Name")
      .write();
  out.lines(kConstantScheduleBody);
  out.set("     ").append(value).append(";                     !- Field 4").write();
}

// The given schedule name, else the generated constant schedule.
void appendReference(IdfLines& out, const Termostato& t, const std::string& scheduleName,
                     const std::string& setpoint) {
  if (!scheduleName.empty()) {
    out.append(scheduleName);
  } else {
    out.append(t.name).append("_").append(setpoint);
  }
}

}  // namespace

void writeThermostats(IdfLines& out, const std::deque<Termostato>& thermostats) {
  out.lines(kFixedObjects);
  for (const Termostato& t : thermostats) {
    if (!t.heatingSetpoint.empty()) writeConstantSchedule(out, t, t.heatingSetpoint);
    if (!t.coolingSetpoint.empty()) writeConstantSchedule(out, t, t.coolingSetpoint);
  }
  out.lines(kDualSetpointBanner);
  for (const Termostato& t : thermostats) {
    out.line("ThermostatSetpoint:DualSetpoint,");
    out.set("     ").append(t.name).append(" DualSetPoint,            !- Name").write();
    out.set("     ");
    appendReference(out, t, t.heatingScheduleName, t.heatingSetpoint);
    out.append(",            !- Heating Setpoint Temperature Schedule Name").write();
    out.set("     ");
    appendReference(out, t, t.coolingScheduleName, t.coolingSetpoint);
    out.append(";            !- Cooling Setpoint Temperature Schedule Name").write();
  }
}

}  // namespace vak
