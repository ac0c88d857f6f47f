// libFuzzer target over the in-memory conversion. Besides not crashing, a run must keep every
// line it copies, write nothing else for an input without templates, give the same result when
// repeated, and give it too when a long line in front moves the input across buffer ends.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "driver/convert.h"

namespace {

struct Run {
  std::string output;
  std::string console;
  std::string diagnostics;

  bool operator==(const Run&) const = default;
};

Run convertText(std::string_view input) {
  std::istringstream in{std::string(input)};
  std::ostringstream out, console, diagnostics;
  vak::convert(in, out, console, diagnostics, {.designSummary = true});
  return {out.str(), console.str(), diagnostics.str()};
}

// What the conversion must copy, worked out from the input alone.
struct Copy {
  std::string text;
  bool templates = false;  // a template object was left out
  bool crlf = false;
};

constexpr std::string_view kTemplateClasses[] = {
    "HVACVAKTemplate:Thermostat",
    "HVACVAKTemplate:VRVUnidadInterior",
    "HVACVAKTemplate:VRVUnidadExterior",
};

bool has(std::string_view text, char c) {
  return text.find(c) != std::string_view::npos;
}

// The lines as the conversion reads them: the pieces between "\n"s, the last one (empty when
// the input ends with "\n") included. A "\r" before a "\n" belongs to the line break.
std::vector<std::string_view> readLines(std::string_view input) {
  std::vector<std::string_view> lines;
  for (std::size_t nl; (nl = input.find('\n')) != std::string_view::npos;) {
    std::string_view line = input.substr(0, nl);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    input.remove_prefix(nl + 1);
  }
  lines.push_back(input);
  return lines;
}

Copy expectedCopy(std::string_view input) {
  Copy copy;
  const std::size_t firstBreak = input.find('\n');
  copy.crlf =
      firstBreak != std::string_view::npos && firstBreak > 0 && input[firstBreak - 1] == '\r';
  const std::string_view eol = copy.crlf ? "\r\n" : "\n";
  const std::vector<std::string_view> lines = readLines(input);
  bool open = false;  // an ordinary object has begun and not ended
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view code = lines[i].substr(0, lines[i].find('!'));
    if (!open && has(code, ',')) {
      const std::string_view className = code.substr(0, code.find(','));
      bool isTemplate = false;
      for (std::string_view t : kTemplateClasses) isTemplate = isTemplate || className == t;
      if (isTemplate) {
        // The class line and the field lines up to the first with ";" and no ","; comments
        // included, as the field reader looks at whole lines.
        copy.templates = true;
        while (++i < lines.size() && !(has(lines[i], ';') && !has(lines[i], ','))) {
        }
        continue;
      }
      open = true;
    }
    if (open && has(code, ';')) open = false;
    copy.text.append(lines[i]).append(eol);
  }
  return copy;
}

// Where the input and output buffers end, or may: every 64 KiB up to 256 KiB.
constexpr std::size_t kBufferStep = std::size_t{1} << 16;
constexpr std::size_t kBufferSteps = 4;

// The output up to the messages passed on to EnergyPlus, which name lines of the input, and how
// many messages there are.
constexpr std::string_view kMessages =
    "!-   ===========  ALL OBJECTS IN CLASS: OUTPUT:PREPROCESSORMESSAGE";

std::string_view beforeMessages(std::string_view output) {
  return output.substr(0, output.find(kMessages));
}

std::size_t messageCount(std::string_view output) {
  std::size_t n = 0;
  for (std::size_t at = output.find("Output:PreprocessorMessage,"); at != std::string_view::npos;
       at = output.find("Output:PreprocessorMessage,", at + 1)) {
    ++n;
  }
  return n;
}

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "vak_fuzz: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const Run run = convertText(input);
  const Copy copy = expectedCopy(input);

  if (run.output.compare(0, copy.text.size(), copy.text) != 0) {
    fail("the output does not begin with the input's copied lines");
  }
  if (!copy.templates && run.output.size() != copy.text.size()) {
    fail("an input without templates gave more than its copied lines");
  }
  if (copy.crlf) {
    for (std::size_t nl = run.output.find('\n'); nl != std::string::npos;
         nl = run.output.find('\n', nl + 1)) {
      if (nl == 0 || run.output[nl - 1] != '\r') fail("a bare \"\\n\" in a CRLF output");
    }
  }
  if (!(convertText(input) == run)) fail("the same input gave a different result");

  // Inputs this small never reach the end of the reader's or the writer's buffer. A long
  // comment line in front moves the input across such a boundary, at a place chosen by the
  // length and the last byte; it must come out as one more copied line and change nothing
  // else but the line numbers that the messages give. It costs several plain runs, so one input
  // length in eight gets it.
  if (size % 8 != 0) return 0;
  const std::size_t boundary = kBufferStep * (1 + size / 8 % kBufferSteps);
  const std::size_t shift = size == 0 ? 0 : data[size - 1] % 128;
  const std::string eol = copy.crlf ? "\r\n" : "\n";
  const std::string comment = "!" + std::string(boundary - 1 - eol.size() - shift, '-') + eol;
  const Run shifted = convertText(comment + std::string(input));
  if (shifted.output.compare(0, comment.size(), comment) != 0) {
    fail("a long line before the input was not copied first");
  }
  const std::string_view after = std::string_view(shifted.output).substr(comment.size());
  if (beforeMessages(after) != beforeMessages(run.output) ||
      messageCount(after) != messageCount(run.output)) {
    fail("a long line before the input changed the rest of the output");
  }
  if (shifted.console != run.console) fail("a long line before the input changed the console");
  return 0;
}
