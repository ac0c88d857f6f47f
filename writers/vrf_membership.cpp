#include "writers/vrf_membership.h"

namespace vak {

VrfMembership::VrfMembership(const std::deque<VRVUnidadInterior>& indoor,
                             const std::deque<VRVUnidadExterior>& outdoor) {
  // The map's elements stay where they are as it grows.
  byName_.reserve(outdoor.size());
  perOutdoor_.reserve(outdoor.size());
  for (const VRVUnidadExterior& o : outdoor) {
    const auto [it, first] = byName_.try_emplace(o.name);
    perOutdoor_.push_back(first ? &it->second : nullptr);
  }
  isMember_.reserve(indoor.size());
  for (const VRVUnidadInterior& u : indoor) {
    const auto it = byName_.find(u.outdoorUnitName);
    if (it != byName_.end()) it->second.push_back(&u);
    isMember_.push_back(it != byName_.end());
  }
}

}  // namespace vak
