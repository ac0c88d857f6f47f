#pragma once

#include <cstddef>
#include <deque>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "templates/records.h"

namespace vak {

// Which indoor units belong to which outdoor unit: those whose outdoorUnitName equals the
// outdoor unit's name exactly. Built once, so that the writer's cost grows with the units and
// not with their product. Of outdoor units that share a name, the first has the members and
// the others none: each indoor unit is written once, and a mistaken name cannot make the
// output grow with the product of the units.
class VrfMembership {
 public:
  using Members = std::vector<const VRVUnidadInterior*>;

  VrfMembership(const std::deque<VRVUnidadInterior>& indoor,
                const std::deque<VRVUnidadExterior>& outdoor);

  // The members of the outdoor unit at `index`, in indoor list order.
  std::span<const VRVUnidadInterior* const> membersOf(std::size_t index) const {
    const Members* members = perOutdoor_[index];
    return members != nullptr ? std::span<const VRVUnidadInterior* const>(*members)
                              : std::span<const VRVUnidadInterior* const>();
  }

  // Whether some outdoor unit carries the name that the indoor unit at `index` gives.
  bool isMember(std::size_t index) const { return isMember_[index]; }

  // Whether an earlier outdoor unit has the exact name of the one at `index`.
  bool repeatsName(std::size_t index) const { return perOutdoor_[index] == nullptr; }

 private:
  std::unordered_map<std::string_view, Members> byName_;
  std::vector<const Members*> perOutdoor_;  // null for a name an earlier unit has
  std::vector<bool> isMember_;              // by indoor unit
};

}  // namespace vak
