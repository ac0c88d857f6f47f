#include "driver/convert.h"

#include <algorithm>
#include <optional>

#include "checks/check_names.h"
#include "checks/checks.h"
#include "checks/design_checks.h"
#include "checks/file_names.h"
#include "checks/written_names.h"
#include "driver/scan.h"
#include "templates/io_error.h"
#include "templates/line_source.h"
#include "writers/idf_lines.h"
#include "writers/line_sink.h"
#include "writers/preprocessor_messages.h"
#include "writers/thermostat.h"
#include "writers/vrf.h"
#include "writers/vrf_membership.h"
#include "writers/vrf_version.h"

namespace vak {

void convert(std::istream& in, std::ostream& out, std::ostream& console, std::ostream& diagnostics,
             const ConvertOptions& options) {
  LineSource source(in);
  LineSink sink(out);
  const ScanResult scanned = scan(source, sink, console);
  const TemplateLists& t = scanned.templates;
  const std::optional<VrfLayout> vrf =
      t.outdoorUnits.empty() ? std::nullopt : layoutFor(scanned.version());
  const VrfMembership members(t.indoorUnits, t.outdoorUnits);
  FileNames names;
  const WrittenNames written(t, members, vrf.has_value());
  const NamesWanted wanted{namesLookedUp(t, members, vrf.has_value()),
                           autosizedZones(t, members, vrf.has_value()), &written};
  if (!wanted.names.empty() || !t.thermostats.empty() || vrf) {
    // A second pass, for the names only: the file's own names are kept only when a template
    // uses them or the program writes them, so a file without templates costs nothing more.
    in.clear();
    if (!in.seekg(0)) throw IoError("read error");
    LineSource again(in);
    names = collectNames(again, wanted);
  }
  Diagnostics messages(&diagnostics);
  checkTemplates(scanned, names, members, vrf, messages);
  checkDesign(t, names.designDays, members,
              vrf ? std::optional<VrfVersion>(vrf->objects) : std::nullopt, messages);
  if (options.designSummary && vrf) writeDesignSummary(diagnostics, t, members, vrf->objects);
  const bool warned = std::ranges::any_of(
      messages.messages(), [](const Message& m) { return m.severity != Severity::Note; });

  if (!t.thermostats.empty() || vrf || warned) {
    IdfLines lines(sink);  // grows the output buffer for the generated text
    if (!t.thermostats.empty()) writeThermostats(lines, t.thermostats);
    if (vrf) writeVrfSystem(lines, t.indoorUnits, t.outdoorUnits, members, *vrf);
    // Where modellers look: EnergyPlus lists these at the start of its error file.
    writePreprocessorMessages(lines, messages.messages());
  }
  sink.flush();
}

}  // namespace vak
