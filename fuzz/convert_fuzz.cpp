// libFuzzer target over the in-memory conversion. Besides not crashing, a run must keep every
// line it copies, write nothing else for an input without templates, stay in proportion to its
// input, and give the same result when repeated. What it generates and warns must not depend on
// where lines and buffers end: a long line in front moves the input across buffer ends and
// shifts the warnings by exactly one line, and blanks before template values, a few or enough
// to outgrow the read buffer, change nothing at all.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "driver/convert.h"
#include "templates/diagnostics.h"
#include "templates/line_source.h"
#include "writers/preprocessor_messages.h"

namespace {

[[noreturn]] void fail(const char* what);

struct Run {
  std::string output;
  std::string console;
  std::string diagnostics;
  std::size_t messages = 0;  // where the objects that pass the warnings on begin, if any

  bool operator==(const Run&) const = default;
  // The output without those objects: what the line numbers of the warnings do not change.
  std::string_view body() const { return std::string_view(output).substr(0, messages); }
};

// The warnings on standard error, as the output's message objects must hold them.
std::vector<vak::Message> warningsOf(std::string_view diagnostics) {
  std::vector<vak::Message> warnings;
  constexpr std::string_view kAt = "in.idf:", kNone = "expandVAKobjects: warning: ";
  for (std::size_t nl; (nl = diagnostics.find('\n')) != std::string_view::npos;
       diagnostics.remove_prefix(nl + 1)) {
    const std::string_view line = diagnostics.substr(0, nl);
    if (line.starts_with(kNone)) {
      warnings.push_back({vak::Severity::Warning, 0, std::string(line.substr(kNone.size()))});
    } else if (line.starts_with(kAt)) {
      std::size_t at = kAt.size(), number = 0;
      while (at < line.size() && line[at] >= '0' && line[at] <= '9') {
        number = number * 10 + static_cast<std::size_t>(line[at++] - '0');
      }
      constexpr std::string_view kWarning = ": warning: ";
      warnings.push_back(
          {vak::Severity::Warning, number, std::string(line.substr(at + kWarning.size()))});
    }
  }
  return warnings;
}

// Where the message objects begin: the output must end with one for each warning, in order,
// holding its text, and hold none when there is no warning.
std::size_t messagesOf(const std::string& output, std::string_view diagnostics,
                       std::string_view eol) {
  const std::vector<vak::Message> warnings = warningsOf(diagnostics);
  if (warnings.empty()) return output.size();
  constexpr std::string_view kBanner =
      "!-   ===========  ALL OBJECTS IN CLASS: OUTPUT:PREPROCESSORMESSAGE ===========";
  const std::size_t banner = output.rfind(kBanner);
  if (banner == std::string::npos || banner < eol.size()) fail("warnings without message objects");
  std::vector<std::string> want, got;
  for (const vak::Message& m : warnings) {
    want.push_back("Output:PreprocessorMessage");
    for (const std::string& line : vak::messageLines(m)) want.push_back(line);
  }
  std::string_view section = std::string_view(output).substr(banner);
  for (std::size_t end; (end = section.find(eol)) != std::string_view::npos;
       section.remove_prefix(end + eol.size())) {
    const std::string_view line = section.substr(0, end);
    const std::size_t comment = line.find("  !- Message Line ");
    if (line == "Output:PreprocessorMessage,") {
      got.emplace_back("Output:PreprocessorMessage");
    } else if (comment != std::string_view::npos && comment > 5) {
      got.emplace_back(line.substr(5, comment - 6));
    }
  }
  if (got != want) fail("the message objects do not hold the warnings");
  return banner - eol.size();
}

Run convertText(std::string_view input) {
  std::istringstream in{std::string(input)};
  std::ostringstream out, console, diagnostics;
  vak::convert(in, out, console, diagnostics, {.designSummary = true});
  Run run{out.str(), console.str(), diagnostics.str()};
  const std::size_t firstBreak = input.find('\n');
  const bool crlf =
      firstBreak != std::string_view::npos && firstBreak > 0 && input[firstBreak - 1] == '\r';
  run.messages = messagesOf(run.output, run.diagnostics, crlf ? "\r\n" : "\n");
  return run;
}

struct TemplateClass {
  std::string_view name;
  std::size_t fields;
};

constexpr TemplateClass kTemplateClasses[] = {
    {"HVACVAKTemplate:Thermostat", 5},
    {"HVACVAKTemplate:VRVUnidadInterior", 16},
    {"HVACVAKTemplate:VRVUnidadExterior", 13},
};

bool has(std::string_view text, char c) {
  return text.find(c) != std::string_view::npos;
}

// A line as the conversion reads it, and the break that ended it in the input.
struct Line {
  std::string_view text;  // without the break; a "\r" before a "\n" belongs to the break
  std::string_view end;   // "\n", "\r\n", or "" for the last piece
};

// The pieces between "\n"s, the last one (empty when the input ends with "\n") included.
std::vector<Line> readLines(std::string_view input) {
  std::vector<Line> lines;
  for (std::size_t nl; (nl = input.find('\n')) != std::string_view::npos;) {
    const bool cr = nl > 0 && input[nl - 1] == '\r';
    lines.push_back({input.substr(0, nl - cr), input.substr(nl - cr, 1 + cr)});
    input.remove_prefix(nl + 1);
  }
  lines.push_back({input, {}});
  return lines;
}

// What the conversion must copy, worked out from the input alone, and the field lines of the
// template objects that it leaves out.
struct Copy {
  std::string text;
  bool templates = false;  // a template object was left out
  bool crlf = false;
  // Lines, by index, whose leading blanks the field reader drops: field lines within their
  // class's fields that hold a "," or ";".
  std::vector<std::size_t> valueLines;
};

Copy expectedCopy(const std::vector<Line>& lines) {
  Copy copy;
  copy.crlf = lines[0].end == "\r\n";
  const std::string_view eol = copy.crlf ? "\r\n" : "\n";
  bool open = false;  // an ordinary object has begun and not ended
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i].text;
    const std::string_view code = line.substr(0, line.find('!'));
    if (!open && has(code, ',')) {
      const std::string_view className = code.substr(0, code.find(','));
      const TemplateClass* found = nullptr;
      for (const TemplateClass& t : kTemplateClasses) {
        if (className == t.name) found = &t;
      }
      if (found != nullptr) {
        // The class line and the field lines up to the first with ";" and no ","; comments
        // included, as the field reader looks at whole lines.
        copy.templates = true;
        for (std::size_t position = 0; ++i < lines.size(); ++position) {
          const std::string_view field = lines[i].text;
          const bool delimited = has(field, ',') || has(field, ';');
          if (position < found->fields && delimited) copy.valueLines.push_back(i);
          if (has(field, ';') && !has(field, ',')) break;
        }
        continue;
      }
      open = true;
    }
    if (open && has(code, ';')) open = false;
    copy.text.append(line).append(eol);
  }
  return copy;
}

// Where the input and output buffers end, or may: every 64 KiB up to 256 KiB.
constexpr std::size_t kBufferStep = std::size_t{1} << 16;
constexpr std::size_t kBufferSteps = 4;

// Generated text per byte of input is bounded: each template is written once, an indoor unit
// of 52 bytes (empty lines for fields) as some 5.3 KB, a value at most 26 times. Some tens of
// KB are written once.
constexpr std::size_t kOutputPerInputByte = 128;
constexpr std::size_t kFixedOutput = std::size_t{64} << 10;

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "vak_fuzz: %s\n", what);
  std::abort();
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// `text` with every run of digits as one "#".
std::string withoutNumbers(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!isDigit(text[i])) {
      out += text[i];
    } else if (i == 0 || !isDigit(text[i - 1])) {
      out += '#';
    }
  }
  return out;
}

// Whether `after` holds the warnings of `before` for an input with one more line in front:
// each "in.idf:LINE:" one higher, the rest the same but for the line numbers in the text.
bool shiftedByOneLine(std::string_view before, std::string_view after) {
  constexpr std::string_view kPrefix = "in.idf:";
  for (;;) {
    const std::size_t b = before.find('\n'), a = after.find('\n');
    if ((b == std::string_view::npos) != (a == std::string_view::npos)) return false;
    const std::string_view lineBefore = before.substr(0, b), lineAfter = after.substr(0, a);
    std::size_t restBefore = 0, restAfter = 0;
    if (lineBefore.starts_with(kPrefix)) {
      std::size_t n = 0, at = kPrefix.size();
      while (at < lineBefore.size() && isDigit(lineBefore[at]))
        n = n * 10 + (lineBefore[at++] - '0');
      const std::string prefix = std::string(kPrefix) + std::to_string(n + 1);
      if (!lineAfter.starts_with(prefix)) return false;
      restBefore = at;
      restAfter = prefix.size();
    }
    if (withoutNumbers(lineBefore.substr(restBefore)) !=
        withoutNumbers(lineAfter.substr(restAfter))) {
      return false;
    }
    if (b == std::string_view::npos) return true;
    before.remove_prefix(b + 1);
    after.remove_prefix(a + 1);
  }
}

// How many inputs had a line longer than the read buffer, reported when the fuzzer ends, so
// that a run that never reached one can be told.
struct Reach {
  std::size_t inputs = 0;
  std::size_t longLines = 0;
  ~Reach() {
    std::fprintf(stderr,
                 "vak_fuzz: %zu of %zu inputs held a line longer than the %zu-byte read buffer\n",
                 longLines, inputs, vak::LineSource::kDefaultCapacity);
  }
} reach;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const Run run = convertText(input);
  const std::vector<Line> lines = readLines(input);
  const Copy copy = expectedCopy(lines);

  ++reach.inputs;
  for (const Line& line : lines) {
    if (line.text.size() + line.end.size() > vak::LineSource::kDefaultCapacity) {
      ++reach.longLines;
      break;
    }
  }

  if (run.output.compare(0, copy.text.size(), copy.text) != 0) {
    fail("the output does not begin with the input's copied lines");
  }
  if (!copy.templates && run.output.size() != copy.text.size()) {
    fail("an input without templates gave more than its copied lines");
  }
  if (run.output.size() > kOutputPerInputByte * size + kFixedOutput) {
    fail("the output outgrew its input");
  }
  if (copy.crlf) {
    for (std::size_t nl = run.output.find('\n'); nl != std::string::npos;
         nl = run.output.find('\n', nl + 1)) {
      if (nl == 0 || run.output[nl - 1] != '\r') fail("a bare \"\\n\" in a CRLF output");
    }
  }
  // A long input is costly to run again, and takes its branches in the first run already.
  if (size <= kBufferStep && !(convertText(input) == run)) {
    fail("the same input gave a different result");
  }

  // Inputs this small never reach the end of the reader's or the writer's buffer. The checks
  // below move the input across such boundaries, at places chosen by the length and the last
  // byte. Each costs several plain runs, so each gets one input length in eight.
  const std::size_t boundary = kBufferStep * (1 + size / 8 % kBufferSteps);
  const std::size_t shift = size == 0 ? 0 : data[size - 1] % 128;
  const std::string eol = copy.crlf ? "\r\n" : "\n";

  // A comment line in front: a short one shifts every line by one, a long one moves the
  // input across a boundary as well, which must change nothing else.
  if (size % 8 == 0) {
    const std::string mark = "!" + eol;
    const std::string comment = "!" + std::string(boundary - 1 - eol.size() - shift, '-') + eol;
    const Run marked = convertText(mark + std::string(input));
    if (marked.body() != mark + std::string(run.body()) || marked.console != run.console) {
      fail("a comment line before the input changed the rest of the output");
    }
    if (!shiftedByOneLine(run.diagnostics, marked.diagnostics)) {
      fail("a comment line before the input did not shift the warnings by one line");
    }
    const Run shifted = convertText(comment + std::string(input));
    if (shifted.body() != comment + std::string(run.body())) {
      fail("a long line before the input changed the rest of the output");
    }
    if (shifted.console != run.console) fail("a long line before the input changed the console");
    if (shifted.diagnostics != marked.diagnostics) {
      fail("a long line before the input changed the warnings");
    }
  }

  // The blanks before template values: none, one or two on most lines, and on one line enough
  // to reach past a boundary or outgrow the read buffer. The field reader drops them all.
  if (size % 8 == 4 && !copy.valueLines.empty()) {
    const std::size_t longLine = copy.valueLines[shift % copy.valueLines.size()];
    std::string padded;
    padded.reserve(size + boundary);
    for (std::size_t i = 0, v = 0; i < lines.size(); ++i) {
      std::string_view text = lines[i].text;
      if (v < copy.valueLines.size() && copy.valueLines[v] == i) {
        text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
        padded.append(i == longLine ? boundary + shift : v % 3, ' ');
        ++v;
      }
      padded.append(text).append(lines[i].end);
    }
    if (!(convertText(padded) == run)) fail("blanks before template values changed the result");
  }
  return 0;
}
