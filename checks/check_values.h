#pragma once

#include <deque>

#include "checks/check_report.h"
#include "checks/file_names.h"
#include "checks/numeric_fields.h"
#include "checks/served_zones.h"
#include "templates/records.h"
#include "writers/vrf_membership.h"
#include "writers/vrf_version.h"

namespace vak {

// Thermostats: a set-point that is neither a schedule nor a constant, and constants that are
// not numbers.
void checkThermostatValues(const std::deque<Termostato>& thermostats, const Target& target,
                           Diagnostics& diagnostics);

// Outdoor units: keywords, the master thermostat zone, and numbers within the limits of the
// fields they are written to.
void checkOutdoorValues(const std::deque<VRVUnidadExterior>& outdoor, const ServedZones& zones,
                        const VrfMembership& members, const FileNames& names, VrfVersion version,
                        const Target& target, Diagnostics& diagnostics);

// The numeric fields of one template class: values that are not numbers, or that lie outside
// the limits of the fields they are written to, for the layout written, or that write their
// exponent with a "D" that the release may not read. `fields` names them for the count of
// many: "indoor unit fields".
class NumberChecks {
 public:
  NumberChecks(std::string_view fields, VrfVersion version, const Target& target,
               Diagnostics& diagnostics);
  // Returns the field's number, or NaN when it holds none.
  template <class R>
  double check(const R& record, const NumericField<R>& field);

 private:
  VrfVersion version_;
  Target target_;
  Problem notNumber_;
  Problem outside_;
  Problem dExponent_;
};

// Indoor units that are written, one at a time: the fan operating mode, numbers within the
// limits of the fields they are written to, and the outdoor air flow against the supply air
// flow. The first few messages of each kind are written as they come, the count of the rest
// at the end.
class IndoorValueChecks {
 public:
  IndoorValueChecks(VrfVersion version, const Target& target, Diagnostics& diagnostics);
  void check(const VRVUnidadInterior& unit);

 private:
  Problem fanMode_;
  NumberChecks numbers_;
  Problem outdoorAir_;
};

}  // namespace vak
