#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "templates/io_error.h"
#include "templates/line_source.h"
#include "writers/line_sink.h"

namespace vak {
namespace {

struct Read {
  std::vector<std::string> lines;
  bool lastHadCharacters = false;
  bool crlf = false;
};

// Reads the way the scan does: until end of input, keeping every line returned.
Read readAll(const std::string& input, std::size_t chunk) {
  std::istringstream in(input);
  LineSource source(in, chunk);
  Read r;
  std::string_view line;
  while (!source.atEnd()) {
    r.lastHadCharacters = source.next(line);
    r.lines.emplace_back(line);
  }
  r.crlf = source.firstLineCrlf();
  return r;
}

TEST(LineSource, SplitsLinesWhateverTheChunkSize) {
  const std::string input = "first\nsecond line\n\nlast";
  for (std::size_t chunk : {1, 2, 3, 5, 64}) {
    const Read r = readAll(input, chunk);
    EXPECT_EQ(r.lines, (std::vector<std::string>{"first", "second line", "", "last"})) << chunk;
    EXPECT_TRUE(r.lastHadCharacters);
  }
}

TEST(LineSource, ATerminatedLastLineIsFollowedByAnEmptyRead) {
  const Read r = readAll("a\nb\n", 4);
  EXPECT_EQ(r.lines, (std::vector<std::string>{"a", "b", ""}));
  EXPECT_FALSE(r.lastHadCharacters);
  const Read none = readAll("", 4);
  EXPECT_EQ(none.lines, std::vector<std::string>{""});
}

TEST(LineSource, LongLinesStayWhole) {
  const std::string longLine(100000, 'x');
  const Read r = readAll(longLine + "\n" + longLine + ",;\nend", 4096);
  ASSERT_EQ(r.lines.size(), 3u);
  EXPECT_EQ(r.lines[0], longLine);
  EXPECT_EQ(r.lines[1], longLine + ",;");
  EXPECT_EQ(r.lines[2], "end");
}

TEST(LineSource, CarriageReturnBeforeLineFeedBelongsToTheTerminator) {
  for (std::size_t chunk : {1, 2, 7, 64}) {
    const Read r = readAll("a\r\nb\rc\r\n\r\n\rtail\r", chunk);
    EXPECT_EQ(r.lines, (std::vector<std::string>{"a", "b\rc", "", "\rtail\r"})) << chunk;
    EXPECT_TRUE(r.crlf);
  }
  EXPECT_FALSE(readAll("a\nb\r\n", 64).crlf);
  EXPECT_FALSE(readAll("a\r", 64).crlf);
}

TEST(LineSource, CountsLines) {
  std::istringstream in("a\nb\nc");
  LineSource source(in, 2);
  std::string_view line;
  source.next(line);
  source.next(line);
  EXPECT_EQ(source.lineNumber(), 2u);
  EXPECT_EQ(line, "b");
  EXPECT_TRUE(source.next(line));
  EXPECT_EQ(source.lineNumber(), 3u);
}

// A read that finds no line does not count one: every number names a line of the input.
TEST(LineSource, AReadPastTheEndCountsNoLine) {
  for (const char* text : {"a\nb\n", "a\nb"}) {
    std::istringstream in(text);
    LineSource source(in, 3);
    std::string_view line;
    while (source.next(line)) {
    }
    EXPECT_EQ(source.lineNumber(), 2u) << text;
    EXPECT_FALSE(source.next(line));
    EXPECT_EQ(source.lineNumber(), 2u) << text;
  }
  std::istringstream empty("");
  LineSource source(empty);
  std::string_view line;
  EXPECT_FALSE(source.next(line));
  EXPECT_EQ(source.lineNumber(), 0u);
}

// Passing over lines to the first with a ";" and no "," ends where reading them one by one
// ends, with the same line number, and the reading goes on from the same line: marks in lines
// passed over, marks next to ",", lines longer than the buffer, and ends of input without a
// closing line or terminator.
TEST(LineSource, SkippingToAMarkedLineEndsWhereReadingLineByLineEnds) {
  unsigned seed = 7;
  const auto random = [&seed](unsigned n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % n;
  };
  const std::string pieces[] = {
      "a", ",", ";", "!", " ", "\r", "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"};
  for (int round = 0; round < 300; ++round) {
    std::string input;
    for (unsigned lines = random(40), l = 0; l < lines; ++l) {
      const unsigned length = random(8) == 0 ? 2000 + random(6000) : random(6);
      for (unsigned k = 0; k < length; ++k) input += pieces[random(7)];
      if (l + 1 < lines || random(2) == 0) input += '\n';
    }
    for (const std::size_t capacity : {4096, 5000, 65536}) {
      std::istringstream fastIn(input), plainIn(input);
      LineSource fast(fastIn, capacity), plain(plainIn, capacity);
      std::string_view fastLine, plainLine;
      for (int step = 0; step < 20 && !plain.atEnd(); ++step) {
        fast.skipThroughLineWith(';', ',');
        while (plain.next(plainLine) && (plainLine.find(';') == std::string_view::npos ||
                                         plainLine.find(',') != std::string_view::npos)) {
        }
        ASSERT_EQ(fast.lineNumber(), plain.lineNumber()) << round << " " << capacity;
        const bool fastGot = fast.next(fastLine);
        ASSERT_EQ(fastGot, plain.next(plainLine)) << round << " " << capacity;
        ASSERT_EQ(fastLine, plainLine) << round << " " << capacity;
        ASSERT_EQ(fast.lineNumber(), plain.lineNumber()) << round << " " << capacity;
      }
    }
  }
}

// A stream buffer that takes `room` characters and refuses the rest.
class FullBuf : public std::streambuf {
 public:
  explicit FullBuf(std::size_t room) : room_(room) {}
  std::string taken;

 protected:
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    const auto k = std::min<std::streamsize>(n, static_cast<std::streamsize>(room_ - taken.size()));
    taken.append(s, static_cast<std::size_t>(k));
    return k;
  }
  int_type overflow(int_type) override { return traits_type::eof(); }

 private:
  std::size_t room_;
};

TEST(LineSink, WritesLinesWithTheChosenTerminator) {
  std::ostringstream out;
  LineSink sink(out, 4);
  sink.writeLine("abc");
  sink.writeLine("");
  sink.setCrlf(true);
  sink.writeLine("a much longer line than the buffer");
  sink.writeLine("x");
  sink.flush();
  EXPECT_EQ(out.str(), "abc\n\na much longer line than the buffer\r\nx\r\n");
}

TEST(LineSink, CopiedInputTakesTheChosenTerminator) {
  for (bool crlf : {false, true}) {
    std::ostringstream out;
    LineSink sink(out, 4);
    sink.setCrlf(crlf);
    // A "\r" at the end of one piece and its "\n" at the start of the next are one terminator.
    sink.writeInput("a\nb\r\nc\rd\r");
    sink.writeInput("\ne\r");
    sink.writeInput("f\n\n");
    sink.writeInput("\r");
    sink.writeLine("g");  // a held "\r" is text before it
    sink.writeInput("h\r");
    sink.flush();
    const std::string eol = crlf ? "\r\n" : "\n";
    EXPECT_EQ(out.str(),
              "a" + eol + "b" + eol + "c\rd" + eol + "e\rf" + eol + eol + "\rg" + eol + "h\r")
        << crlf;
  }
}

// Counts the writes that reach the stream.
class CountingBuf : public std::stringbuf {
 public:
  int writes = 0;

 protected:
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    ++writes;
    return std::stringbuf::xsputn(s, n);
  }
};

TEST(LineSink, AGrownBufferKeepsWhatWasWrittenAndTheHeldCarriageReturn) {
  CountingBuf buf;
  std::ostream out(&buf);
  LineSink sink(out, 8);
  sink.writeLine("ab");
  sink.writeInput("c\r");
  sink.growTo(4);  // smaller than now: changes nothing
  sink.writeText("defg");
  sink.growTo(64);
  EXPECT_EQ(buf.str(), "ab\nc\rdefg") << "growing hands on what was buffered";
  sink.writeText("0123456789");
  sink.writeLine(std::string(40, 'x'));
  EXPECT_EQ(buf.writes, 2) << "the text after growing fits the grown buffer";
  sink.flush();
  EXPECT_EQ(buf.str(), "ab\nc\rdefg0123456789" + std::string(40, 'x') + "\n");
}

TEST(LineSink, ReportsARefusedWrite) {
  FullBuf buf(10);
  std::ostream out(&buf);
  LineSink sink(out, 64);
  sink.writeLine("0123456789");  // fits the sink's buffer; the stream is not asked yet
  EXPECT_THROW(sink.flush(), IoError);

  FullBuf tiny(3);
  std::ostream small(&tiny);
  LineSink direct(small, 4);
  EXPECT_THROW(direct.writeLine(std::string(20, 'y')), IoError);
}

}  // namespace
}  // namespace vak
