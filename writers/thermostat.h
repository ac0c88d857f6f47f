#pragma once

#include <deque>
#include <string>

#include "templates/records.h"
#include "writers/idf_lines.h"

namespace vak {

// The limits of the schedule type limits "Temperatura" that the constant set-point schedules
// use, in degC.
inline constexpr int kTemperatureLowest = -60;
inline constexpr int kTemperatureHighest = 200;

// The name of the constant schedule written for a set-point that a thermostat gives as a
// value: the thermostat's name, "_" and the value, as written.
inline std::string constantScheduleName(const Termostato& t, const std::string& setpoint) {
  return t.name + "_" + setpoint;
}

// Schedule type limits, the control-type schedule "Siempre 4", one constant schedule per
// given set-point and one dual set-point object per thermostat, in list order.
void writeThermostats(IdfLines& out, const std::deque<Termostato>& thermostats);

}  // namespace vak
