#include "checks/file_names.h"

#include <algorithm>
#include <array>

#include "checks/written_names.h"

namespace vak {

const NameCollector::Target* NameCollector::targetOf(std::string_view className) {
  // EnergyPlus reads class names in any letter case and indentation.
  using W = NamesWanted;
  static constexpr auto kTargets = std::to_array<Target>({
      {"Zone", 1, &FileNames::zones, &W::names},
      {"Schedule:Compact", 1, &FileNames::schedules, &W::names},
      {"Schedule:Constant", 1, &FileNames::schedules, &W::names},
      {"Schedule:Year", 1, &FileNames::schedules, &W::names},
      {"Schedule:File", 1, &FileNames::schedules, &W::names},
      {"ZoneControl:Thermostat", 2, &FileNames::thermostatZones, &W::names},
      {"ZoneHVAC:EquipmentConnections", 1, &FileNames::connectionZones, &W::names},
      {"Sizing:Zone", 1, &FileNames::sizingZones, &W::autosizedZones},
      {"ZoneList", 2, &FileNames::listedZones, &W::autosizedZones, true},
  });
  const std::string_view name = trimmed(className);
  // Every class collected starts with Z or S: most class lines stop here.
  if (name.empty()) return nullptr;
  const char first = static_cast<char>(name[0] | 0x20);  // in lower case, for a letter
  if (first != 'z' && first != 's') return nullptr;
  for (const Target& t : kTargets) {
    if (equalsIgnoringCase(name, t.className)) return &t;
  }
  return nullptr;
}

bool NameCollector::mayCollide(std::string_view className) const {
  return wanted_.written != nullptr && wanted_.written->mayCollide(className);
}

std::size_t NameCollector::longest(const Target* target, bool collides, std::size_t field) const {
  std::size_t keep = 0;
  if (target != nullptr &&
      (field == target->field || (target->everyFieldOn && field > target->field))) {
    keep = (wanted_.*target->keys).longest();
  }
  if (collides && field == 1) keep = std::max(keep, wanted_.written->longest());
  return keep;
}

void NameCollector::add(std::string_view className, const Target* target, bool collides,
                        std::size_t field, std::string_view value, bool cut, std::size_t line) {
  value = trimmed(value);
  if (collides && field == 1 && !cut && wanted_.written->mayBeWritten(className, value)) {
    names_.written.push_back({std::string(trimmed(className)), std::string(value), line});
  }
  if (target == nullptr) return;
  if (field != target->field && !(target->everyFieldOn && field > target->field)) return;
  NameList& list = names_.*target->list;
  if (&list == &names_.zones) names_.anyZone = true;
  if (!cut && (wanted_.*target->keys).contains(value)) list.push_back({std::string(value), line});
}

}  // namespace vak
