// The scan copies ordinary text in runs of its buffer, whatever the length of the lines. These
// tests compare it with the plain rule on many generated inputs and on lines far longer than
// the buffer.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "driver/scan.h"
#include "test_support.h"

namespace vak {
namespace {

constexpr std::size_t kSmallest = 4096;  // the smallest buffer the source takes

using test::Scanned;
using test::scanWith;

// The copy rule: every line terminator becomes the first line's, and the last line, complete or
// not, gets one more.
std::string copied(const std::string& input) {
  const std::size_t firstBreak = input.find('\n');
  const bool crlf =
      firstBreak != std::string::npos && firstBreak > 0 && input[firstBreak - 1] == '\r';
  const std::string eol = crlf ? "\r\n" : "\n";
  std::string out;
  for (std::size_t i = 0; i < input.size(); ++i) {
    if (input[i] == '\r' && i + 1 < input.size() && input[i + 1] == '\n') continue;
    if (input[i] == '\n') {
      out += eol;
    } else {
      out += input[i];
    }
  }
  return out + eol;
}

// Inputs built from the bytes and words the scan reacts to, some pieces long enough to cross
// the buffer.
std::string generated(std::uint64_t seed, bool withTemplates) {
  static const std::vector<std::string> kPieces = {",",
                                                   ";",
                                                   "!",
                                                   "\n",
                                                   "\r\n",
                                                   "\r",
                                                   " ",
                                                   "\t",
                                                   "x",
                                                   "Zone",
                                                   "Version",
                                                   "vErsion",
                                                   "8.0",
                                                   "!- a, b; c",
                                                   ",\n",
                                                   ";\n",
                                                   "\n  ",
                                                   "Version,\n  8.0;\n",
                                                   "  Version ,\n"};
  static const std::vector<std::string> kTemplates = {
      "HVACVAKTemplate:Thermostat", "HVACVAKTemplate:Thermostat,\n T,\n ,\n 21,\n ,\n 25;\n",
      "HVACVAKTemplate:VRVUnidadExterior,"};
  std::uint64_t state = seed * 0x9e3779b97f4a7c15ULL + 1;
  auto random = [&state](std::size_t n) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return static_cast<std::size_t>(state % n);
  };
  std::string text;
  const std::size_t count = random(120);
  for (std::size_t i = 0; i < count; ++i) {
    if (random(40) == 0) {
      text.append(kSmallest - 3 + random(3 * kSmallest), " x;,!"[random(5)]);
    } else if (withTemplates && random(10) == 0) {
      text += kTemplates[random(kTemplates.size())];
    } else {
      text += kPieces[random(kPieces.size())];
    }
  }
  return text;
}

TEST(Copy, OrdinaryTextComesOutAsItWentInWhateverTheBuffer) {
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    const std::string input = generated(seed, false);
    for (std::size_t capacity : {kSmallest, kSmallest + 7, std::size_t{1} << 17}) {
      EXPECT_EQ(scanWith(input, capacity).output, copied(input))
          << "seed " << seed << ", buffer " << capacity;
    }
  }
}

// Where each template object stood, as class line, lines read, and whether it was cut off.
std::vector<std::size_t> linesOf(const TemplateLists& templates) {
  std::vector<std::size_t> numbers;
  auto add = [&numbers](const auto& records) {
    for (const auto& r : records) {
      numbers.insert(numbers.end(), {r.lines.classLine, r.lines.fieldLines, r.lines.cutOff});
    }
  };
  add(templates.thermostats);
  add(templates.indoorUnits);
  add(templates.outdoorUnits);
  return numbers;
}

TEST(Copy, TheBufferSizeChangesNothing) {
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    const std::string input = generated(seed, true);
    const Scanned large = scanWith(input, std::size_t{1} << 20, 1 << 16);
    for (std::size_t capacity : {kSmallest, kSmallest + 1, kSmallest + 13}) {
      const Scanned small = scanWith(input, capacity);
      EXPECT_EQ(small.output, large.output) << "seed " << seed << ", buffer " << capacity;
      EXPECT_EQ(small.console, large.console) << seed;
      EXPECT_EQ(small.result.versions, large.result.versions) << seed;
      EXPECT_EQ(linesOf(small.result.templates), linesOf(large.result.templates)) << seed;
    }
  }
}

// What the scan takes from the input by the plain rules, line by line: the Version objects and
// the class lines of template objects. A line's code is its text before the first "!"; outside
// objects, a line whose code holds a "," opens an object, which ends at the first line whose
// code holds a ";". A Version object's value is its code after the class line's "," up to the
// next "," or ";", a line end counting as a blank. A template object ends instead at the first
// line after its class line that holds a ";" and no ",".
struct PlainScan {
  std::vector<VersionObject> versions;
  std::vector<std::size_t> templates;
};

PlainScan plainScan(const std::string& input) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < input.size();) {
    const std::size_t nl = std::min(input.find('\n', start), input.size());
    lines.push_back(input.substr(start, nl - start));
    start = nl + 1;
  }
  const auto code = [](const std::string& line) { return line.substr(0, line.find('!')); };
  const auto has = [](const std::string& text, char c) {
    return text.find(c) != std::string::npos;
  };
  const auto trim = [](std::string text, const char* blanks) {
    text.erase(0, text.find_first_not_of(blanks));
    text.erase(text.find_last_not_of(blanks) + 1);
    return text;
  };
  PlainScan s;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string classCode = code(lines[i]);
    if (!has(classCode, ',')) continue;
    const std::string name = classCode.substr(0, classCode.find(','));
    if (name.starts_with("HVACVAKTemplate:") &&
        (name == "HVACVAKTemplate:Thermostat" || name == "HVACVAKTemplate:VRVUnidadInterior" ||
         name == "HVACVAKTemplate:VRVUnidadExterior")) {
      s.templates.push_back(i + 1);
      while (++i < lines.size() && (has(lines[i], ',') || !has(lines[i], ';'))) {
      }
      continue;
    }
    std::string word = trim(name, " \t");
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (word == "version") {
      std::string value, rest = classCode.substr(classCode.find(',') + 1);
      for (std::size_t j = i;;) {
        const std::size_t end = rest.find_first_of(",;");
        value += rest.substr(0, end);
        if (end != std::string::npos || ++j == lines.size()) break;
        value += ' ';
        rest = code(lines[j]);
      }
      // A line end counts as a blank, and a "\r" before it belongs to it.
      const char* blanks = " \t\r";
      s.versions.push_back({i + 1, trim(trim(value, blanks).substr(0, kVersionKept), blanks)});
    }
    while (i < lines.size() && !has(code(lines[i]), ';')) ++i;
  }
  return s;
}

TEST(Copy, ClassLinesAreFoundAsThePlainRulesFindThem) {
  // Versions and templates at every depth: inside objects, after comments that hold the
  // delimiters, after objects that end mid-line, at the ends of buffers.
  const std::vector<std::string> kPieces = {"Version,",
                                            "  version ,",
                                            "\tVERSION\t,",
                                            "Version;",
                                            "Versions,",
                                            "V     n,",
                                            "Vrsion,",
                                            "HVACVAKTemplate:Thermostat,",
                                            "HVACVAKTemplate:VRVUnidadInterior,",
                                            "HVACVAKTemplate:,",
                                            "HVACVAKTemplate:Thermostat;",
                                            " HVACVAKTemplate:Thermostat,",
                                            "Zone,",
                                            " 8.0;",
                                            " x, y;",
                                            "a;b,",
                                            "! c, d;",
                                            "!- Version, 8.0;",
                                            "  x ! ;",
                                            "  21,",
                                            "  25;",
                                            "",
                                            "\r"};
  std::uint64_t state = 7;
  auto random = [&state](std::size_t n) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return static_cast<std::size_t>(state % n);
  };
  for (int run = 0; run < 400; ++run) {
    std::string input;
    for (std::size_t n = random(600); n > 0; --n) {
      input += kPieces[random(kPieces.size())];
      if (random(3) != 0) input += random(8) ? "\n" : "\r\n";
    }
    const PlainScan plain = plainScan(input);
    for (std::size_t capacity : {kSmallest, kSmallest + 5, std::size_t{1} << 17}) {
      const Scanned s = scanWith(input, capacity);
      const std::string where = std::to_string(run) + " " + std::to_string(capacity);
      EXPECT_EQ(s.result.versions, plain.versions) << where;
      std::vector<std::size_t> classLines;
      for (std::size_t i = 0; i < linesOf(s.result.templates).size(); i += 3)
        classLines.push_back(linesOf(s.result.templates)[i]);
      std::sort(classLines.begin(), classLines.end());
      EXPECT_EQ(classLines, plain.templates) << where;
    }
  }
}

// Lines far longer than the buffer: only their first part is kept, and what the scan needs
// from the rest (a ";" before the ",", a "!") is still seen.
TEST(Copy, LinesLongerThanTheBuffer) {
  const std::string longName(3 * kSmallest, 'x');
  const std::string thermostat = "HVACVAKTemplate:Thermostat,\n  T1,\n  ,\n  21,\n  ,\n  25;\n";

  // A ";" in the dropped part of a class line ends the object there.
  Scanned s = scanWith(longName + ";" + longName + ",\nVersion,\n  8.0;\n", kSmallest);
  EXPECT_EQ(s.result.version(), "8.0");

  // Without one, the object stays open over the next lines.
  s = scanWith(longName + "," + longName + "\nVersion,\n  8.0;\n", kSmallest);
  EXPECT_EQ(s.result.version(), "");

  // A class line whose name alone outgrows the buffer is never a template.
  s = scanWith(longName + "HVACVAKTemplate:Thermostat,\n  T1;\n" + thermostat, kSmallest);
  EXPECT_EQ(s.result.templates.thermostats.size(), 1u);
  EXPECT_EQ(s.output, longName + "HVACVAKTemplate:Thermostat,\n  T1;\n\n");

  // A "!" in the dropped part makes the rest of the line a comment.
  s = scanWith("Zone,\n  " + longName + "! x;\n  Z1;\n" + thermostat, kSmallest);
  EXPECT_EQ(s.result.templates.thermostats.size(), 1u);
  EXPECT_EQ(s.output, "Zone,\n  " + longName + "! x;\n  Z1;\n\n");

  // The first line's "\r\n" split between two reads still sets the terminator.
  s = scanWith(std::string(kSmallest - 1, 'x') + "\r\nb\n", kSmallest);
  EXPECT_EQ(s.output, std::string(kSmallest - 1, 'x') + "\r\nb\r\n\r\n");

  // A Version value after blanks and comments that outgrow the buffer, on the class line or
  // after it, and a Version class line that does.
  const std::string blanks(30 * kSmallest, ' '), comment = "! " + longName + ",;";
  for (const std::string& version :
       {"Version,\n" + blanks + "8.0;\n", "Version," + blanks + "8.0" + blanks + ";\n",
        "Version, " + comment + "\n" + comment + "\n  8.0; " + comment + "\n",
        blanks + "Version" + blanks + ",8.0;\n"}) {
    s = scanWith(version + thermostat, kSmallest);
    EXPECT_EQ(s.result.version(), "8.0");
    EXPECT_EQ(s.output, version + "\n");
  }

  // A value that outgrows the buffer: its first part, enough for every message.
  s = scanWith("Version,\n  " + std::string(5 * kSmallest, '9') + ";\n", kSmallest);
  EXPECT_EQ(s.result.version(), std::string(kVersionKept, '9'));
}

TEST(Copy, LineNumbersCountEveryLineBeforeThem) {
  std::string input;
  for (int i = 0; i < 20000; ++i) input += i % 3 ? "! a, b\n" : "\n";
  input += std::string(10000, '\n');  // every byte a line: the counters fill fastest
  input += "VERSION,\n  8.0;\n";
  for (std::size_t capacity : {kSmallest, std::size_t{1} << 17}) {
    const Scanned s = scanWith(input, capacity);
    EXPECT_EQ(s.result.versions.at(0).line, 30001u) << capacity;
  }
  const Scanned cut = scanWith(input + "HVACVAKTemplate:Thermostat,\n  T1,\n", kSmallest);
  EXPECT_EQ(cut.result.templates.thermostats.at(0).lines.classLine, 30003u);
  EXPECT_EQ(cut.result.templates.thermostats.at(0).lines.lastLine(), 30004u);

  // The same where the lines are counted by the search for class names, which passes over
  // whole objects: lines that end objects, then long runs of line breaks before one more.
  std::string objects;
  for (int i = 0; i < 20000; ++i) objects += i % 3 ? "x;\n" : ";\n";
  objects += std::string(20000, '\n') + "y;\nVERSION,\n  8.0;\n";
  for (std::size_t capacity : {kSmallest, std::size_t{1} << 17}) {
    const Scanned s = scanWith(objects, capacity);
    EXPECT_EQ(s.result.versions.at(0).line, 40002u) << capacity;
  }
}

}  // namespace
}  // namespace vak
