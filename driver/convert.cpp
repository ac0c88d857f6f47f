#include "driver/convert.h"

#include "driver/scan.h"
#include "templates/line_source.h"
#include "writers/idf_lines.h"
#include "writers/line_sink.h"
#include "writers/thermostat.h"

namespace vak {

void convert(std::istream& in, std::ostream& out, std::ostream& console,
             std::ostream& diagnostics) {
  LineSource source(in);
  LineSink sink(out);
  const ScanResult scanned = scan(source, sink, console, diagnostics);
  const TemplateLists& t = scanned.templates;
  IdfLines lines(sink);
  if (!t.thermostats.empty()) writeThermostats(lines, t.thermostats);
  sink.flush();
}

}  // namespace vak
