#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <span>
#include <string_view>
#include <vector>

#include "checks/check_report.h"
#include "checks/name_keys.h"
#include "templates/records.h"

namespace vak {

// The zones that indoor units name, told apart as EnergyPlus does, in order of first
// appearance: how many units serve each and the first few of them. Units with an empty
// zoneName serve no zone. Built once for all the checks that ask.
class ServedZones {
 public:
  struct Zone {
    std::size_t count = 0;
    std::array<const VRVUnidadInterior*, kShownPerProblem> first{};
  };

  explicit ServedZones(const std::deque<VRVUnidadInterior>& indoor);
  ServedZones(const ServedZones&) = delete;
  ServedZones& operator=(const ServedZones&) = delete;

  std::span<const Zone> zones() const { return zones_; }
  // The zone of this name, or null when no unit serves it.
  const Zone* find(std::string_view zone) const;

 private:
  NameMap<std::size_t> index_;  // into zones_
  std::vector<Zone> zones_;
};

}  // namespace vak
