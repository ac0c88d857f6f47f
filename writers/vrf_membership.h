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
// not with their product. Two outdoor units of one name share the same members.
class VrfMembership {
 public:
  using Members = std::vector<const VRVUnidadInterior*>;

  VrfMembership(const std::deque<VRVUnidadInterior>& indoor,
                const std::deque<VRVUnidadExterior>& outdoor);

  // The members of the outdoor unit at `index`, in indoor list order.
  std::span<const VRVUnidadInterior* const> membersOf(std::size_t index) const {
    return *perOutdoor_[index];
  }

  // Whether some outdoor unit carries the name that the indoor unit at `index` gives.
  bool isMember(std::size_t index) const { return isMember_[index]; }

 private:
  std::unordered_map<std::string_view, Members> byName_;
  std::vector<const Members*> perOutdoor_;
  std::vector<bool> isMember_;  // by indoor unit
};

}  // namespace vak
