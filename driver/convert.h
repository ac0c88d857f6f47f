#pragma once

#include <cstddef>
#include <istream>
#include <ostream>

namespace vak {

// What a run adds on request.
struct ConvertOptions {
  // After the warnings, a short table per outdoor unit of the design figures that EnergyPlus
  // computes at start-up.
  bool designSummary = false;
  // From this many indoor units on, the model checks run on a thread of their own while the
  // generated objects are written; below it, starting a thread costs more than it saves.
  std::size_t concurrentChecksFrom = 500;
};

// Copies the input to the output with every template object left out, then appends the
// objects that the templates stand for. `console` takes the messages that belong on standard
// output, `diagnostics` the warnings for standard error. Throws IoError when a stream fails;
// the output is then incomplete. When there are templates, the input is read a second time,
// from its start, for the names they use. A failure of the checks is the one thrown, whichever
// comes first, as when they run before the writers.
void convert(std::istream& in, std::ostream& out, std::ostream& console, std::ostream& diagnostics,
             const ConvertOptions& options = {});

}  // namespace vak
