#include "writers/thermostat.h"

#include <array>
#include <string>
#include <string_view>

#include "writers/compact_schedule.h"

namespace vak {

namespace {

constexpr auto kTemperatureLimitsHead = std::to_array<std::string_view>({
    "",
    "!-   ===========  ALL OBJECTS IN CLASS: SCHEDULETYPELIMITS ===========",
    "",
    "ScheduleTypeLimits,",
    "     Temperatura,             !- Name",
});

constexpr auto kFixedObjects = std::to_array<std::string_view>({
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
});

constexpr auto kDualSetpointBanner = std::to_array<std::string_view>({
    "",
    "!-   ===========  ALL OBJECTS IN CLASS: THERMOSTATSETPOINT:DUALSETPOINT ===========",
    "",
});

// The given schedule name, else the generated constant schedule.
void appendReference(IdfLines& out, const Termostato& t, const std::string& scheduleName,
                     const std::string& setpoint) {
  out.append(scheduleName.empty() ? constantScheduleName(t, setpoint) : scheduleName);
}

}  // namespace

void writeThermostats(IdfLines& out, const std::deque<Termostato>& thermostats) {
  out.lines(kTemperatureLimitsHead);
  out.field(std::to_string(kTemperatureLowest), "Lower Limit Value");
  out.field(std::to_string(kTemperatureHighest), "Upper Limit Value");
  out.lines(kFixedObjects);
  // Value 4 is the dual set-point control type.
  writeConstantSchedule(out, {"Siempre 4"}, "CualquierValor", "4");
  for (const Termostato& t : thermostats) {
    for (const std::string* setpoint : {&t.heatingSetpoint, &t.coolingSetpoint}) {
      if (!setpoint->empty())
        writeConstantSchedule(out, {constantScheduleName(t, *setpoint)}, "Temperatura", *setpoint);
    }
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
