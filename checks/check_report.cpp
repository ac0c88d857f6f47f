#include "checks/check_report.h"

namespace vak {

std::string counted(std::size_t count, std::string_view what) {
  std::string text = std::to_string(count);
  text.append(" ").append(what);
  if (count != 1) text += 's';
  return text;
}

}  // namespace vak
