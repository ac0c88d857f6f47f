#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "driver/convert.h"
#include "driver/scan.h"
#include "templates/line_source.h"
#include "templates/records.h"
#include "writers/idf_lines.h"
#include "writers/line_sink.h"

namespace vak {

inline void PrintTo(const VersionObject& v, std::ostream* os) {
  *os << "line " << v.line << " \"" << v.value << "\"";
}

}  // namespace vak

namespace vak::test {

// One in-memory conversion: the output file, and what went to each console stream.
struct Run {
  std::string output;
  std::string console;
  std::string diagnostics;
};

// One scan of the input, with buffers of the given sizes.
struct Scanned {
  std::string output;
  std::string console;
  ScanResult result;
};

inline Scanned scanWith(const std::string& input, std::size_t capacity,
                        std::size_t sinkCapacity = 64) {
  std::istringstream in(input);
  std::ostringstream out, console;
  LineSource source(in, capacity);
  LineSink sink(out, sinkCapacity);
  Scanned s;
  s.result = scan(source, sink, console);
  sink.flush();
  s.output = out.str();
  s.console = console.str();
  return s;
}

// Every message passed on to EnergyPlus counts as what it says: Severe where it says that
// EnergyPlus stops, Warning otherwise. A count of further messages says nothing of itself.
inline void expectSeveritiesAsTheMessagesSay(const std::string& output) {
  const std::size_t start = output.find("OUTPUT:PREPROCESSORMESSAGE ===========");
  if (start == std::string::npos) return;
  std::istringstream in(output.substr(start));
  std::string severity, text;
  const auto check = [&] {
    if (severity.empty()) return;
    const bool stops = text.find("EnergyPlus stops") != std::string::npos;
    const bool count = text.find(" more ") != std::string::npos &&
                       text.find_first_not_of("0123456789") == text.find(' ');
    if (!count) {
      EXPECT_EQ(severity, stops ? "Severe" : "Warning") << text;
    }
  };
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // A field line: five blanks, the value and its delimiter, blanks, the comment.
    std::string value = line.substr(0, line.find("  !- "));
    value.erase(0, value.find_first_not_of(' '));
    value.erase(value.find_last_not_of(' ') + 1);
    if (!value.empty()) value.pop_back();
    if (line == "Output:PreprocessorMessage,") {
      check();
      text.clear();
    } else if (line.ends_with("!- Error Severity")) {
      severity = value;
    } else if (line.find("!- Message Line") != std::string::npos) {
      text += value + " ";
    }
  }
  check();
}

inline Run expandWith(std::string_view input, const ConvertOptions& options) {
  std::istringstream in{std::string(input)};
  std::ostringstream out, console, diagnostics;
  convert(in, out, console, diagnostics, options);
  return {out.str(), console.str(), diagnostics.str()};
}

// The conversion, which also checks that running the checks beside the writers changes nothing.
inline Run expand(std::string_view input) {
  const Run run = expandWith(input, {});
  expectSeveritiesAsTheMessagesSay(run.output);
  const Run aside = expandWith(input, {.concurrentChecksFrom = 0});
  EXPECT_TRUE(aside.output == run.output && aside.console == run.console &&
              aside.diagnostics == run.diagnostics)
      << "checked beside the writers, the run differs";
  return run;
}

// The output up to the messages passed on to EnergyPlus, if any.
inline std::string withoutMessages(const std::string& output) {
  const std::size_t at =
      output.find("\n\n!-   ===========  ALL OBJECTS IN CLASS: OUTPUT:PREPROCESSORMESSAGE");
  return at == std::string::npos ? output : output.substr(0, at + 1);
}

// Joins lines, each followed by "\n", so that expected texts read line by line.
template <class... Lines>
std::string lines(const Lines&... l) {
  std::string text;
  ((text += l, text += '\n'), ...);
  return text;
}

// A value as warnings quote it.
inline std::string quotedForTest(std::string_view text) {
  std::string q = "\"";
  for (char c : text) q += c == '\t' ? std::string("\\t") : std::string(1, c);
  return q + "\"";
}

// The ordinary objects that the templates of the tests name: zones Z1 to Z4 with their sizing,
// and the schedule AlwaysOn. 10 lines.
inline std::string namedObjects() {
  return lines("Zone, Z1;", "Zone, Z2;", "Zone, Z3;", "Zone, Z4;", "Schedule:Constant,",
               "  AlwaysOn, , 1;", "Sizing:Zone, Z1;", "Sizing:Zone, Z2;", "Sizing:Zone, Z3;",
               "Sizing:Zone, Z4;");
}

inline const std::string kVersion80 = "Version,\n  8.0;\n";

// The warnings of one run, with the zones and schedule that the tests' templates name defined
// after them. Warnings never touch standard output, so that must stay empty whatever they are.
inline std::string warningsFor(const std::string& input) {
  const Run run = expand(input + namedObjects());
  EXPECT_EQ(run.console, "");
  return run.diagnostics;
}

// A template object: its class line, then one field a line.
inline std::string templateObject(std::string_view className,
                                  const std::vector<std::string>& fields) {
  std::string text(className);
  text += ",\n";
  for (std::size_t i = 0; i < fields.size(); ++i) {
    text += "    " + fields[i] + (i + 1 == fields.size() ? ";\n" : ",\n");
  }
  return text;
}

// The 16 fields of an indoor unit; the ones a test cares about are named, the rest realistic:
// one to three of them on the outdoor unit of outdoorFields make a sensible design (combination
// ratios of 0.5 to 1.5, an air flow per capacity that EnergyPlus expects).
struct Indoor {
  std::string name = "U1";
  std::string zone = "Z1";
  std::string thermostat = "T1";
  std::string outdoor = "OU";
  std::string fanMode = "Auto";
  std::string placement = "DrawThrough";
  std::string availability = "AlwaysOn";

  std::vector<std::string> fields() const {
    return {name,  zone,  thermostat, availability, fanMode, placement, "0.6",  "75",
            "0.9", "1.0", "0.30",     "7000",       "0.75",  "8000",    "0.05", outdoor};
  }
  std::string text() const { return templateObject(VRVUnidadInterior::kClassName, fields()); }
};

inline std::vector<std::string> outdoorFields(const std::string& name) {
  return {name,
          "AlwaysOn",
          "14000",
          "3.28",
          "16000",
          "3.55",
          "Z1",
          "MasterThermostatPriority",
          "VRF Priority Sch",
          "30",
          "8",
          "ReverseCycle",
          "0"};
}

inline std::string outdoorText(const std::string& name) {
  return templateObject(VRVUnidadExterior::kClassName, outdoorFields(name));
}

inline std::string thermostatText(const std::string& name) {
  return templateObject(Termostato::kClassName, {name, "", "21", "", "25"});
}

// A record read from its field values, as the scan would read it.
template <class R>
R parse(const std::vector<std::string>& fields) {
  std::string text;
  for (std::size_t i = 0; i < fields.size(); ++i)
    text += "  " + fields[i] + (i + 1 == fields.size() ? ";\n" : ",\n");
  std::istringstream in(text);
  std::ostringstream console;
  LineSource source(in);
  TemplateInput input{source, console};
  return R(input);
}

// What a writer writes, line by line.
template <class Write>
std::vector<std::string> written(Write write) {
  std::ostringstream text;
  LineSink sink(text);
  IdfLines out(sink);
  write(out);
  sink.flush();
  std::vector<std::string> result;
  std::istringstream split(text.str());
  for (std::string line; std::getline(split, line);) result.push_back(line);
  return result;
}

}  // namespace vak::test
