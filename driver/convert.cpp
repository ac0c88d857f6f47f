#include "driver/convert.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <optional>
#include <system_error>
#include <thread>

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

namespace {

// A task on a thread of its own while the caller goes on. wait() joins it and passes on what it
// threw; the destructor joins it too, so that nothing it uses goes away under it. Where no
// thread can be had, the task runs at once, as it would on a small model.
class Concurrently {
 public:
  explicit Concurrently(std::function<void()> task) : task_(std::move(task)) {
    try {
      thread_ = std::thread([this] { run(); });
    } catch (const std::system_error&) {
      run();
    }
  }
  ~Concurrently() {
    if (thread_.joinable()) thread_.join();
  }
  Concurrently(const Concurrently&) = delete;
  Concurrently& operator=(const Concurrently&) = delete;

  void wait() {
    if (thread_.joinable()) thread_.join();
    if (failure_) std::rethrow_exception(failure_);
  }

 private:
  void run() noexcept {
    try {
      task_();
    } catch (...) {
      failure_ = std::current_exception();
    }
  }

  std::function<void()> task_;
  std::exception_ptr failure_;
  std::thread thread_;
};

bool anyWarning(const Diagnostics& messages) {
  return std::ranges::any_of(messages.messages(),
                             [](const Message& m) { return m.severity != Severity::Note; });
}

}  // namespace

void convert(std::istream& in, std::ostream& out, std::ostream& console, std::ostream& diagnostics,
             const ConvertOptions& options) {
  LineSource source(in);
  LineSink sink(out);
  const ScanResult scanned = scan(source, sink, console);
  const TemplateLists& t = scanned.templates;
  const std::optional<VrfLayout> vrf =
      t.outdoorUnits.empty() ? std::nullopt : layoutFor(scanned.version());
  const VrfMembership members(t.indoorUnits, t.outdoorUnits);
  Diagnostics messages(&diagnostics);
  // The model checks read the records, and the input a second time; they write nothing but
  // their messages.
  const auto check = [&] {
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
    checkTemplates(scanned, names, members, vrf, messages);
    checkDesign(t, names.designDays, members,
                vrf ? std::optional<VrfVersion>(vrf->objects) : std::nullopt, messages);
    if (options.designSummary && vrf) writeDesignSummary(diagnostics, t, members, vrf->objects);
  };

  const bool writes = !t.thermostats.empty() || vrf.has_value();
  std::optional<Concurrently> checking;
  if (writes && t.indoorUnits.size() >= options.concurrentChecksFrom) {
    // The checks and the writers only read the records, so a large system is written while it
    // is checked, and the system's copying of the output into the file overlaps the checks.
    checking.emplace(check);
  } else {
    check();
  }
  if (!writes && !anyWarning(messages)) {
    sink.flush();
    return;
  }
  try {
    IdfLines lines(sink);  // grows the output buffer for the generated text
    if (!t.thermostats.empty()) writeThermostats(lines, t.thermostats);
    if (vrf) writeVrfSystem(lines, t.indoorUnits, t.outdoorUnits, members, *vrf);
    if (checking) checking->wait();
    // Where modellers look: EnergyPlus lists these at the start of its error file.
    writePreprocessorMessages(lines, messages.messages());
  } catch (...) {
    if (checking) checking->wait();  // one after the other, the checks would have failed first
    throw;
  }
  sink.flush();
}

}  // namespace vak
