// The run through a file layer in memory: the failures that real files rarely show.

#include "driver/run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "fake_file_layer.h"
#include "test_support.h"

namespace vak {
namespace {

using test::FakeFileLayer;

struct Result {
  int status;
  std::string console;
  std::string diagnostics;
};

Result runIn(FakeFileLayer& fs, const ConvertOptions& options = {}) {
  std::ostringstream console, diagnostics;
  const int status = run(fs, console, diagnostics, options);
  return {status, console.str(), diagnostics.str()};
}

std::string message(std::errc e) {
  return std::make_error_code(e).message();
}

// A model with every template class, so that all writers run.
std::string model() {
  test::Indoor indoor;
  return test::lines("Version,", "  8.0;") + test::namedObjects() + test::thermostatText("T1") +
         indoor.text() + test::outdoorText("OU");
}

// An ordinary file of about `bytes` with CR LF line ends, a lone CR, NUL and Ctrl-Z bytes in
// its lines, and no final line break.
std::string bigInput(std::size_t bytes) {
  std::string text;
  for (int i = 0; text.size() < bytes; ++i)
    text += "Zone,\r\n  Z" + std::to_string(i) + std::string(1, '\0') + "\x1a;  ! a\rb\r\n";
  return text + "! end";
}

class Failing : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.files["in.idf"] = bigInput(1 << 20);
    fs.files["expandedVAK.idf"] = "earlier";
  }
  // Every failure keeps the earlier output, leaves no temporary file, prints no success line
  // and gives one message naming the file.
  void expectFailure(const Result& r, const std::string& expected) {
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.console, "");
    EXPECT_EQ(r.diagnostics, "expandVAKobjects: " + expected + "\n");
    EXPECT_EQ(fs.files["expandedVAK.idf"], "earlier");
    EXPECT_EQ(fs.files.size(), 2u) << "a temporary file is left";
    EXPECT_EQ(fs.commits, 0);
  }
  FakeFileLayer fs;
};

TEST(Run, ReplacesTheOutputAndOnlyThenSaysOk) {
  FakeFileLayer fs;
  fs.files["in.idf"] = model();
  fs.files["expandedVAK.idf"] = std::string(100000, 'x');

  // The success line checks that the output was in place before it was printed.
  struct Console : std::stringbuf {
    FakeFileLayer* fs;
    std::string outputWhenPrinted;
    int sync() override {
      outputWhenPrinted = fs->files["expandedVAK.idf"];
      return 0;
    }
  } buf;
  buf.fs = &fs;
  std::ostream console(&buf);
  std::ostringstream diagnostics;
  EXPECT_EQ(run(fs, console, diagnostics), 0);
  EXPECT_EQ(buf.str(), "ExpandVAKObjects....OK\n");
  EXPECT_EQ(diagnostics.str(), "");
  EXPECT_EQ(fs.files["expandedVAK.idf"], test::expand(model()).output);
  EXPECT_EQ(buf.outputWhenPrinted, fs.files["expandedVAK.idf"]);
  EXPECT_EQ(fs.files.size(), 2u);
  EXPECT_EQ(fs.rewinds, 1) << "the names that templates use are read in a second pass";
}

TEST(Run, ShortReadsLoseNothing) {
  // A pipe or a network file hands over what it has; only a read of nothing ends the input.
  // The schedule deep in the file collides with one the program writes: the second pass, which
  // reads the names, must find it too.
  const std::string input =
      model() + bigInput(100000) + "\nSchedule:Constant, Fancycling, , 1;\n" + bigInput(100000);
  const test::Run expected = test::expand(input);
  ASSERT_NE(expected.diagnostics.find("Schedule:Constant \"Fancycling\": the program writes"),
            std::string::npos);
  for (std::size_t chunk : {std::size_t{1}, std::size_t{7}, std::size_t{65537}}) {
    FakeFileLayer fs;
    fs.files["in.idf"] = input;
    fs.readChunk = chunk;
    const Result r = runIn(fs);
    EXPECT_EQ(r.status, 0) << chunk;
    EXPECT_TRUE(fs.files["expandedVAK.idf"] == expected.output) << "chunk " << chunk;
    EXPECT_EQ(r.diagnostics, expected.diagnostics) << "chunk " << chunk;
  }
}

TEST(Run, InputChangedBetweenTheReadsChangesOnlyTheWarnings) {
  // Everything written comes from the first read; the second one only finds the names that
  // the warnings check. A file changed in between must not lose or change a byte.
  const std::string input = model() + bigInput(200000);
  const test::Run expected = test::expand(input);
  const std::string withoutZones = model().substr(0, model().find("Zone, Z1;"));
  for (const std::string& changed :
       {std::string(), input.substr(0, input.size() / 2), withoutZones, input + input,
        std::string(300000, '\n'), "Zone,\n" + std::string(200000, ' ') + "Z1;\n"}) {
    FakeFileLayer fs;
    fs.files["in.idf"] = input;
    fs.afterRewind = changed;
    fs.readChunk = 4099;
    const Result r = runIn(fs);
    EXPECT_EQ(r.status, 0) << r.diagnostics;
    EXPECT_EQ(r.console, "ExpandVAKObjects....OK\n");
    // The warnings, and the messages that pass them on, may change: nothing else.
    EXPECT_TRUE(test::withoutMessages(fs.files["expandedVAK.idf"]) ==
                test::withoutMessages(expected.output))
        << changed.size();
    EXPECT_EQ(fs.rewinds, 1);
  }
}

TEST(Run, BytesPassThroughUnchanged) {
  FakeFileLayer fs;
  // Written in blocks by a thread of its own, slower than the program fills them.
  fs.files["in.idf"] = bigInput(6 << 20);
  fs.slowWrites = true;
  EXPECT_EQ(runIn(fs).status, 0);
  EXPECT_TRUE(fs.files["expandedVAK.idf"] == fs.files["in.idf"] + "\r\n");
  EXPECT_EQ(fs.rewinds, 0) << "a file without templates is read once";
}

TEST_F(Failing, MissingInputCreatesNothing) {
  fs.files.erase("in.idf");
  const Result r = runIn(fs);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.diagnostics, "expandVAKobjects: cannot open input file '/study/run 7/in.idf': " +
                               message(std::errc::no_such_file_or_directory) + "\n");
  EXPECT_EQ(fs.files.size(), 1u);
}

TEST_F(Failing, InputThatIsAFolder) {
  fs.files.erase("in.idf");
  fs.folders["in.idf"] = true;
  const Result r = runIn(fs);
  EXPECT_EQ(r.diagnostics, "expandVAKobjects: cannot read input file '/study/run 7/in.idf': " +
                               message(std::errc::is_a_directory) + "\n");
  EXPECT_EQ(fs.files.size(), 1u);
}

TEST_F(Failing, TemporaryFileCannotBeCreated) {
  fs.createError = std::make_error_code(std::errc::permission_denied);
  expectFailure(runIn(fs), "cannot create output file '/study/run 7/expandedVAK.idf': " +
                               message(std::errc::permission_denied));
}

TEST_F(Failing, ReadErrorHalfWay) {
  fs.readFailsAt = fs.files["in.idf"].size() / 2;
  expectFailure(runIn(fs),
                "cannot read input file '/study/run 7/in.idf': " + message(std::errc::io_error));
}

TEST_F(Failing, InputThatCannotBeReadAgain) {
  fs.files["in.idf"] = model();
  fs.rewindFails = true;
  expectFailure(runIn(fs), "cannot read input file '/study/run 7/in.idf': " +
                               message(std::errc::invalid_seek));
}

TEST_F(Failing, ChecksBesideTheWritersFailAsWhenTheyRunFirst) {
  // The second read runs out of memory while the writers fill the disk.
  fs.files["in.idf"] = model();
  fs.afterRewind = model() + bigInput(1 << 16);
  fs.memoryRunsOutAt = model().size() + 100;
  fs.diskSpace = 10;
  expectFailure(runIn(fs, {.concurrentChecksFrom = 0}),
                "input too large: " + message(std::errc::not_enough_memory));
}

TEST_F(Failing, FullDiskStopsTheRunAtTheFirstFailedWrite) {
  // The disk full at the first write, and once a thread writes the output in blocks.
  struct Case {
    std::size_t space, input;
  };
  for (const Case c : {Case{1000, 1 << 20}, Case{3 << 19, 16 << 20}}) {
    fs = FakeFileLayer();
    SetUp();
    fs.files["in.idf"] = bigInput(c.input);
    fs.diskSpace = c.space;
    fs.slowWrites = true;  // so that blocks wait for the thread when the disk fills
    expectFailure(runIn(fs), "cannot write output file '/study/run 7/expandedVAK.idf': " +
                                 message(std::errc::no_space_on_device));
    EXPECT_EQ(fs.writesAfterFailure, 0u);
    // Not read to the end for nothing: the failure is met at the write that fails, or, with
    // the thread, once the blocks (at most three, after the first MiB) are full.
    EXPECT_LT(fs.bytesRead, fs.files["in.idf"].size() / 3) << c.space;
  }
}

TEST_F(Failing, FullDiskAtTheLastBlock) {
  // The final flush is a write like any other.
  fs.files["in.idf"] = model();
  fs.diskSpace = test::expand(model()).output.size() - 1;
  expectFailure(runIn(fs), "cannot write output file '/study/run 7/expandedVAK.idf': " +
                               message(std::errc::no_space_on_device));
}

TEST_F(Failing, CloseError) {
  // Network file systems report a failed write only when the file is closed.
  fs.closeError = std::make_error_code(std::errc::io_error);
  expectFailure(runIn(fs), "cannot write output file '/study/run 7/expandedVAK.idf': " +
                               message(std::errc::io_error));
}

TEST_F(Failing, CommitError) {
  fs.commitError = std::make_error_code(std::errc::permission_denied);
  expectFailure(runIn(fs), "cannot replace output file '/study/run 7/expandedVAK.idf': " +
                               message(std::errc::permission_denied));
}

TEST_F(Failing, OutOfMemory) {
  fs.memoryRunsOutAt = 70000;
  expectFailure(runIn(fs), "input too large: " + message(std::errc::not_enough_memory));
}

TEST(Run, ConsoleThatCannotBeWrittenFailsTheRunAfterTheCommit) {
  FakeFileLayer fs;
  fs.files["in.idf"] = "a\n";
  std::ostringstream console, diagnostics;
  console.setstate(std::ios::badbit);  // as a closed or full standard output
  EXPECT_EQ(run(fs, console, diagnostics), 1);
  EXPECT_EQ(diagnostics.str(), "expandVAKobjects: cannot write to standard output: " +
                                   message(std::errc::broken_pipe) + "\n");
  EXPECT_EQ(fs.files["expandedVAK.idf"], "a\n\n");
}

}  // namespace
}  // namespace vak
