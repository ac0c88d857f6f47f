#pragma once

#include <istream>
#include <ostream>

namespace vak {

// What a run adds on request.
struct ConvertOptions {
  // After the warnings, a short table per outdoor unit of the design figures that EnergyPlus
  // computes at start-up.
  bool designSummary = false;
};

// Copies the input to the output with every template object left out, then appends the
// objects that the templates stand for. `console` takes the messages that belong on standard
// output, `diagnostics` the warnings for standard error. Throws IoError when a stream fails;
// the output is then incomplete. When there are templates, the input is read a second time,
// from its start, for the names they use.
void convert(std::istream& in, std::ostream& out, std::ostream& console, std::ostream& diagnostics,
             const ConvertOptions& options = {});

}  // namespace vak
