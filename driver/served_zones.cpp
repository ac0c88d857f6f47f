#include "driver/served_zones.h"

namespace vak {

ServedZones::ServedZones(const std::deque<VRVUnidadInterior>& indoor) {
  index_.reserve(indoor.size());
  for (const VRVUnidadInterior& u : indoor) {
    if (u.zoneName.empty()) continue;
    const auto [it, added] = index_.try_emplace(u.zoneName, zones_.size());
    if (added) zones_.emplace_back();
    Zone& zone = zones_[it->second];
    if (zone.count < zone.first.size()) zone.first[zone.count] = &u;
    ++zone.count;
  }
}

const VRVUnidadInterior* ServedZones::firstServing(std::string_view zone) const {
  const auto it = index_.find(zone);
  return it == index_.end() ? nullptr : zones_[it->second].first[0];
}

}  // namespace vak
