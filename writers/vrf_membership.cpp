#include "writers/vrf_membership.h"

namespace vak {

VrfMembership::VrfMembership(const std::deque<VRVUnidadInterior>& indoor,
                             const std::deque<VRVUnidadExterior>& outdoor) {
  byName_.reserve(outdoor.size());
  repeats_.reserve(outdoor.size());
  for (const VRVUnidadExterior& o : outdoor) {
    repeats_.push_back(!byName_.try_emplace(o.name).second);
  }
  isMember_.reserve(indoor.size());
  for (const VRVUnidadInterior& u : indoor) {
    const auto it = byName_.find(u.outdoorUnitName);
    if (it != byName_.end()) it->second.push_back(&u);
    isMember_.push_back(it != byName_.end());
  }
  perOutdoor_.reserve(outdoor.size());
  for (std::size_t i = 0; i < outdoor.size(); ++i) {
    perOutdoor_.push_back(repeats_[i] ? &none_ : &byName_.at(outdoor[i].name));
  }
}

}  // namespace vak
