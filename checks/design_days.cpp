#include "checks/design_days.h"

#include "checks/name_keys.h"
#include "templates/line_source.h"

namespace vak {

bool isDesignDay(std::string_view className) {
  return equalsIgnoringCase(trimmed(className), kDesignDayClass);
}

DesignDay readDesignDay(LineSource& in, CopySink& out) {
  static constexpr std::string DesignDay::*kRead[] = {
      &DesignDay::name,
      &DesignDay::month,
      &DesignDay::dayOfMonth,
      &DesignDay::dayType,
      &DesignDay::maximumDryBulb,
      &DesignDay::dailyRange,
      &DesignDay::rangeModifierType,
  };
  DesignDay day;
  day.line = in.lineNumber();
  for (std::string DesignDay::*field : kRead) {
    // A ";" ends the object, and the rest of its line goes with the next class line.
    if (in.copyField(out, day.*field, kDesignDayKept).delimiter != ',') return day;
  }
  in.copyObject(out);
  return day;
}

}  // namespace vak
