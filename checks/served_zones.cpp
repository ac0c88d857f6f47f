#include "checks/served_zones.h"

namespace vak {

ServedZones::ServedZones(const std::deque<VRVUnidadInterior>& indoor) : index_(indoor.size()) {
  for (const VRVUnidadInterior& u : indoor) {
    if (u.zoneName.empty()) continue;
    const auto [at, added] = index_.try_emplace(u.zoneName, zones_.size());
    if (added) zones_.emplace_back();
    Zone& zone = zones_[at->second];
    if (zone.count < zone.first.size()) zone.first[zone.count] = &u;
    ++zone.count;
  }
}

const ServedZones::Zone* ServedZones::find(std::string_view zone) const {
  const auto at = index_.find(zone);
  return at == index_.end() ? nullptr : &zones_[at->second];
}

}  // namespace vak
