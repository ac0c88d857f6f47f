// Each folder under golden/ holds an in.idf and the expandedVAK.idf expected from it, written
// out by hand from the object layouts; optional stdout.txt holds the expected console text and
// stderr.txt the expected warnings. A case without stderr.txt is a correct model: it must
// expand without a word on standard error.
// The *_current cases are *_80 models under a Version of the current layout; their expected
// files are the "8.0" ones with the equipment list and terminal unit fields of 9.2 written in,
// and the 26.1 label wherever the dictionary renamed a field. The *_71 and *_80 files are the
// byte-for-byte reference of those two layouts. The version_* cases are worked models whose
// Version object is written in another form EnergyPlus reads, and the layout_* cases worked
// models at the ends of each range of releases, with the equipment list of that release written
// into the "8.0" or current file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "file_support.h"
#include "test_support.h"

namespace vak {
namespace {

namespace fs = std::filesystem;
using test::slurp;

// Where two texts part, as line number and the two lines, for a readable failure.
std::string firstDifference(const std::string& want, const std::string& got) {
  std::istringstream w(want), g(got);
  std::string a, b;
  for (int n = 1;; ++n) {
    const bool moreW = static_cast<bool>(std::getline(w, a));
    const bool moreG = static_cast<bool>(std::getline(g, b));
    if (!moreW && !moreG) return "texts differ only in their last line break";
    if (!moreW || !moreG || a != b) {
      return "line " + std::to_string(n) + "\n  expected: [" + (moreW ? a : "<end>") +
             "]\n  actual:   [" + (moreG ? b : "<end>") + "]";
    }
  }
}

std::vector<std::string> cases() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(VAK_GOLDEN_DIR)) {
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class Golden : public ::testing::TestWithParam<std::string> {};

TEST_P(Golden, ExpandsToTheExpectedFile) {
  const fs::path dir = fs::path(VAK_GOLDEN_DIR) / GetParam();
  const test::Run run = test::expand(slurp(dir / "in.idf"));
  const std::string expected = slurp(dir / "expected.idf");
  EXPECT_TRUE(run.output == expected) << firstDifference(expected, run.output);
  const std::string expectedConsole =
      fs::exists(dir / "stdout.txt") ? slurp(dir / "stdout.txt") : "";
  EXPECT_EQ(run.console, expectedConsole);
  const std::string expectedWarnings =
      fs::exists(dir / "stderr.txt") ? slurp(dir / "stderr.txt") : "";
  EXPECT_EQ(run.diagnostics, expectedWarnings);
}

// The README's template example, with the zone and schedule that it says the file must define,
// is a correct model too.
TEST(Examples, TheReadmeExampleWithWhatItNamesIsSilent) {
  const std::string readme = slurp(fs::path(VAK_EXAMPLES_DIR).parent_path() / "README.md");
  const std::size_t start = readme.find("```\nVersion,");
  ASSERT_NE(start, std::string::npos);
  const std::size_t end = readme.find("```", start + 3);
  const std::string example = readme.substr(start + 4, end - start - 4);
  ASSERT_NE(example.find("HVACVAKTemplate:VRVUnidadInterior"), std::string::npos);
  const test::Run run =
      test::expand(example + "Zone, Office;\nSchedule:Constant, AlwaysOn, , 1;\n");
  EXPECT_EQ(run.diagnostics, "");
  EXPECT_EQ(test::expand(example).diagnostics,
            "expandVAKobjects: note: the file defines no Zone, so it is taken for a part of a "
            "model: the zones and schedules that templates name are not checked\n");
}

// The correct cases stay correct cases: a fault planted in one of them is caught by the test
// above only while it has no stderr.txt.
TEST(Golden, WorkedExamplesAreSilent) {
  for (const char* name : {"vrf_worked_71", "vrf_worked_80", "vrf_worked_current"}) {
    EXPECT_FALSE(fs::exists(fs::path(VAK_GOLDEN_DIR) / name / "stderr.txt")) << name;
  }
}

// A current Version warns where 8.0 does: its checks raise no alarm of their own, though what a
// message says EnergyPlus will do may differ between the releases.
TEST(Golden, CurrentCasesWarnWhereTheirEightZeroTwinsDo) {
  const auto where = [](const std::string& warnings) {
    std::vector<std::string> places;
    std::istringstream in(warnings);
    for (std::string line; std::getline(in, line);)
      places.push_back(line.substr(0, line.find(": ")));
    return places;
  };
  std::size_t twins = 0;
  for (const std::string& name : cases()) {
    if (!name.ends_with("_current")) continue;
    ++twins;
    const fs::path dir = fs::path(VAK_GOLDEN_DIR);
    const std::string twin = name.substr(0, name.size() - 8) + "_80";
    EXPECT_EQ(where(test::expand(slurp(dir / name / "in.idf")).diagnostics),
              where(test::expand(slurp(dir / twin / "in.idf")).diagnostics))
        << name;
  }
  EXPECT_EQ(twins, 5u);
}

// Every line of a CRLF input's output ends in CRLF, copied or generated, in both layouts.
TEST_P(Golden, ACrlfInputGivesTheCrlfForm) {
  const fs::path dir = fs::path(VAK_GOLDEN_DIR) / GetParam();
  const auto crlf = [](const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
  };
  const test::Run run = test::expand(crlf(slurp(dir / "in.idf")));
  const std::string expected = crlf(slurp(dir / "expected.idf"));
  EXPECT_TRUE(run.output == expected) << firstDifference(expected, run.output);
}

INSTANTIATE_TEST_SUITE_P(Files, Golden, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return info.param; });

// The shipped examples are complete models: they expand without a warning or an error.
TEST(Examples, ExpandWithoutAWord) {
  std::size_t seen = 0;
  for (const auto& entry : fs::directory_iterator(VAK_EXAMPLES_DIR)) {
    if (!fs::exists(entry.path() / "in.idf")) continue;
    ++seen;
    const test::Run run = test::expand(slurp(entry.path() / "in.idf"));
    EXPECT_EQ(run.console, "") << entry.path();
    EXPECT_EQ(run.diagnostics, "") << entry.path();
    EXPECT_NE(run.output.find("AirConditioner:VariableRefrigerantFlow,"), std::string::npos)
        << entry.path();
  }
  EXPECT_EQ(seen, 3u);
}

}  // namespace
}  // namespace vak
