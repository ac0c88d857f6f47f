#include "writers/compact_schedule.h"

namespace vak {

void writeConstantSchedule(IdfLines& out, std::initializer_list<std::string_view> name,
                           std::string_view limits, std::string_view value) {
  out.line("Schedule:Compact,");
  out.set("     ");
  for (std::string_view part : name) out.append(part);
  out.append(",               !- Name").write();
  out.set("     ").append(limits).append(",                !- Schedule Type Limits Name").write();
  out.line("     Through: 12/31,          !- Field 1");
  out.line("     For: AllDays,            !- Field 2");
  out.line("     Until: 24:00,            !- Field 3");
  out.set("     ").append(value).append(";                     !- Field 4").write();
}

}  // namespace vak
