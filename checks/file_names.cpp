#include "checks/file_names.h"

#include <algorithm>
#include <array>

#include "checks/check_report.h"

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

const NameCollector::Wanted* NameCollector::wanted(std::string_view className) {
  // EnergyPlus reads class names in any letter case and indentation.
  static constexpr auto kWanted = std::to_array<Wanted>({
      {"Zone", 1, &FileNames::zones},
      {"Schedule:Compact", 1, &FileNames::schedules},
      {"Schedule:Constant", 1, &FileNames::schedules},
      {"Schedule:Year", 1, &FileNames::schedules},
      {"Schedule:File", 1, &FileNames::schedules},
      {"ZoneControl:Thermostat", 2, &FileNames::thermostatZones},
      {"ZoneHVAC:EquipmentConnections", 1, &FileNames::connectionZones},
  });
  static_assert(std::ranges::all_of(kWanted, [](const Wanted& w) {
    return std::ranges::any_of(kNamedClassBeginnings,
                               [&w](std::string_view b) { return w.className.starts_with(b); });
  }));
  const std::string_view name = trimmedName(className);
  // Every wanted class starts with Z or S: most class lines stop here.
  if (name.empty()) return nullptr;
  const char first = folded(name[0]);
  if (first != 'z' && first != 's') return nullptr;
  for (const Wanted& w : kWanted) {
    if (sameClass(name, w.className)) return &w;
  }
  return nullptr;
}

void NameCollector::start(const Wanted& w, std::string_view rest, std::size_t line) {
  list_ = &(names_.*w.list);
  target_ = w.field;
  field_ = 1;
  line_ = line;
  text_.clear();
  walk(rest);
}

void NameCollector::walk(std::string_view code) {
  for (;;) {
    const std::size_t end = code.find_first_of(",;");
    if (field_ == target_) text_.append(code.substr(0, end));
    if (end == std::string_view::npos) return;  // the field goes on, or the next one starts
    if (field_ == target_) {
      const std::string_view name = trimmedName(text_);
      if (list_ == &names_.zones) names_.anyZone = true;
      if (wanted_.contains(name)) list_->push_back({std::string(name), line_});
      list_ = nullptr;
      return;
    }
    if (code[end] == ';') {  // the object ended before the field
      list_ = nullptr;
      return;
    }
    ++field_;
    code.remove_prefix(end + 1);
  }
}

}  // namespace vak
