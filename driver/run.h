#pragma once

#include <ostream>

#include "driver/convert.h"
#include "platform/file_layer.h"
#include "templates/diagnostics.h"

namespace vak {

inline constexpr const char* kOutputName = "expandedVAK.idf";

// The whole run without arguments: converts in.idf into expandedVAK.idf through `files`, then
// prints the success line on `console`. The output is written to a temporary file that
// replaces expandedVAK.idf only when complete, so a failed run leaves any earlier output as it
// was. Failures are reported on `diagnostics`, and so is what `options` asks the conversion
// for. Returns the exit status.
int run(FileLayer& files, std::ostream& console, std::ostream& diagnostics,
        const ConvertOptions& options = {});

}  // namespace vak
