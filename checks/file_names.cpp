#include "checks/file_names.h"

#include <algorithm>
#include <array>

namespace vak {

namespace {

std::string_view trimmedName(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

// Class names are ASCII; folding by hand spares a library call per character.
char folded(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameClass(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (folded(a[i]) != folded(b[i])) return false;
  }
  return true;
}

}  // namespace

const NameCollector::Target* NameCollector::targetOf(std::string_view className) {
  // EnergyPlus reads class names in any letter case and indentation.
  static constexpr auto kTargets = std::to_array<Target>({
      {"Zone", 1, &FileNames::zones},
      {"Schedule:Compact", 1, &FileNames::schedules},
      {"Schedule:Constant", 1, &FileNames::schedules},
      {"Schedule:Year", 1, &FileNames::schedules},
      {"Schedule:File", 1, &FileNames::schedules},
      {"ZoneControl:Thermostat", 2, &FileNames::thermostatZones},
      {"ZoneHVAC:EquipmentConnections", 1, &FileNames::connectionZones},
  });
  static_assert(std::ranges::all_of(kTargets, [](const Target& t) {
    return std::ranges::any_of(kNamedClassBeginnings,
                               [&t](std::string_view b) { return t.className.starts_with(b); });
  }));
  const std::string_view name = trimmedName(className);
  // Every class collected starts with Z or S: most class lines stop here.
  if (name.empty()) return nullptr;
  const char first = folded(name[0]);
  if (first != 'z' && first != 's') return nullptr;
  for (const Target& t : kTargets) {
    if (sameClass(name, t.className)) return &t;
  }
  return nullptr;
}

void NameCollector::add(const Target& target, std::string_view name, bool cut, std::size_t line) {
  NameList& list = names_.*target.list;
  if (&list == &names_.zones) names_.anyZone = true;
  name = trimmedName(name);
  if (!cut && wanted_.contains(name)) list.push_back({std::string(name), line});
}

}  // namespace vak
