#include "checks/served_zones.h"

namespace vak {

ServedZones::ServedZones(const std::deque<VRVUnidadInterior>& indoor) : index_(indoor.size()) {
  for (const VRVUnidadInterior& u : indoor) {
    if (u.zoneName.empty()) continue;
    const auto [index, added] = index_.tryEmplace(u.zoneName, zones_.size());
    if (added) zones_.emplace_back();
    Zone& zone = zones_[index];
    if (zone.count < zone.first.size()) zone.first[zone.count] = &u;
    ++zone.count;
  }
}

const ServedZones::Zone* ServedZones::find(std::string_view zone) const {
  const std::size_t* index = index_.find(zone);
  return index == nullptr ? nullptr : &zones_[*index];
}

}  // namespace vak
