#include "writers/idf_lines.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "writers/line_sink.h"
#include "writers/preprocessor_messages.h"
#include "writers/vrf_version.h"

namespace vak {
namespace {

struct Rec {
  std::string a;
  std::string b;
};

// Values at the start of a line, at its end, alone on a line, two lines in a row, and lines
// without a value around them.
constexpr Line<Rec> kTable[] = {
    {"Head,"},
    {"", get<&Rec::a>, ", !- starts the line"},
    {"  ", get<&Rec::b>},
    {
        "  ",
        get<&Rec::a>,
        "-",
    },
    {""},
    {"  fixed;"},
};

constexpr VersionedLine<Rec> kVersioned[] = {
    {{"Obj,"}},
    {{"  ", get<&Rec::a>, "; !- old"}, k71},
    {{"  ", get<&Rec::a>, ", !- new"}, k80 | kCurrent},
    {{"  ", get<&Rec::b>, "; !- added"}, kCurrent},
};

// Runs `write` on a fresh output whose lines end with `eol`; returns what it wrote.
template <class Write>
std::string output(Write write, bool crlf = false) {
  std::ostringstream text;
  LineSink sink(text);
  sink.setCrlf(crlf);
  IdfLines out(sink);
  write(out, sink);
  sink.flush();
  return text.str();
}

TEST(JoinedLines, WriteEveryLineAsTheLineByLineFormWould) {
  const Rec r{"x1", "long value y"};
  const std::string expected = "Head,\nx1, !- starts the line\n  long value y\n  x1-\n\n  fixed;\n";
  EXPECT_EQ(output([&](IdfLines& out, LineSink&) { out.lines(r, JoinedLines<Rec>(kTable, "\n")); }),
            expected);
  std::string lineByLine = output([&](IdfLines& out, LineSink&) {
    for (const Line<Rec>& l : kTable) out.line(r, l);
  });
  EXPECT_EQ(lineByLine, expected);

  // Empty values leave the fixed text around them as it is.
  EXPECT_EQ(
      output([&](IdfLines& out, LineSink&) { out.lines(Rec{}, JoinedLines<Rec>(kTable, "\n")); }),
      "Head,\n, !- starts the line\n  \n  -\n\n  fixed;\n");
}

// Records whose text fills the buffer many times over, and one whose value alone is larger
// than the buffer, come out as the line-by-line form writes them.
TEST(JoinedLines, TextThatOutgrowsTheBufferComesOutWhole) {
  std::vector<Rec> records;
  for (int i = 0; i < 30000; ++i) records.push_back({std::to_string(i), std::string(i % 97, 'b')});
  records.insert(records.begin() + 12345, Rec{"huge", std::string(3 << 20, 'h')});
  const JoinedLines<Rec> table(kTable, "\n");
  const auto write = [&](bool joined) {
    return output([&](IdfLines& out, LineSink&) {
      for (const Rec& r : records) {
        if (joined) {
          out.lines(r, table);
        } else {
          for (const Line<Rec>& l : kTable) out.line(r, l);
        }
      }
    });
  };
  const std::string text = write(true);
  EXPECT_GT(text.size(), std::size_t{5} << 20);
  EXPECT_TRUE(text == write(false));
}

TEST(JoinedLines, EachRecordGetsItsOwnValuesFromOneJoinedTable) {
  const JoinedLines<Rec> head{std::span(kTable).first(3), "\n"};
  const std::string text = output([&](IdfLines& out, LineSink&) {
    out.lines(Rec{"1", "2"}, head);
    out.lines(Rec{"3", "4"}, head);
  });
  EXPECT_EQ(text, "Head,\n1, !- starts the line\n  2\nHead,\n3, !- starts the line\n  4\n");
}

TEST(JoinedLines, EachLayoutJoinsItsOwnRows) {
  const Rec r{"v", "w"};
  const std::string text = output([&](IdfLines& out, LineSink&) {
    for (VrfVersion v : {VrfVersion::V7_1, VrfVersion::Current, VrfVersion::V8_0}) {
      out.lines(r, joinedRows<Rec>(kVersioned, v, out.eol()));
    }
  });
  EXPECT_EQ(text,
            "Obj,\n  v; !- old\n"
            "Obj,\n  v, !- new\n  w; !- added\n"
            "Obj,\n  v, !- new\n");
}

TEST(JoinedLines, LinesEndWithTheRunsTerminator) {
  const Rec r{"a", "b"};
  EXPECT_EQ(
      output([&](IdfLines& out, LineSink&) { out.lines(r, JoinedLines<Rec>(kTable, out.eol())); },
             true),
      "Head,\r\na, !- starts the line\r\n  b\r\n  a-\r\n\r\n  fixed;\r\n");
}

TEST(JoinedLines, ACarriageReturnHeldFromTheInputComesFirst) {
  const std::string text = output(
      [&](IdfLines& out, LineSink& sink) {
        sink.writeInput("copied\r");
        out.lines(Rec{"a", "b"}, JoinedLines<Rec>(std::span(kTable).first(2), out.eol()));
      },
      true);
  EXPECT_EQ(text, "copied\rHead,\r\na, !- starts the line\r\n");
}

// A message as the object's lines hold it: its line first, each "," ";" and "!" replaced, cut at
// blanks into lines of at most 99 characters, and at most 10 of them.
TEST(PreprocessorMessages, LinesOfAMessage) {
  using L = std::vector<std::string>;
  EXPECT_EQ(messageLines({Severity::Severe, 12, "a \"x,y;z!\" b; c, d! e ';' f"}),
            (L{"in.idf line 12: a \"x<comma>y<semicolon>z<exclamation mark>\" b. c / d. e "
               "'<semicolon>' f"}));
  // A quote inside a quoted value does not end it; EnergyPlus's comes after it.
  EXPECT_EQ(messageLines({Severity::Warning, 0, "v \"a\\\",b\" then, \"c\\\\\", d"}),
            (L{"v \"a\\\"<comma>b\" then / \"c\\\\\" / d"}));

  const std::string word99(99, 'w');
  EXPECT_EQ(messageLines({Severity::Warning, 0, word99 + " x"}), (L{word99, "x"}));
  EXPECT_EQ(messageLines({Severity::Warning, 0, word99.substr(1) + " x"}),
            (L{word99.substr(1), "x"}));
  EXPECT_EQ(messageLines({Severity::Warning, 0, std::string(98, 'w') + " xy"}),
            (L{std::string(98, 'w'), "xy"}));
  EXPECT_EQ(messageLines({Severity::Warning, 0, word99 + "vv"}), (L{word99, "vv"}));

  // Ten lines in full, and one word more.
  std::string tenLines;
  for (int i = 0; i < 10; ++i) tenLines += (i ? " " : "") + word99;
  EXPECT_EQ(messageLines({Severity::Warning, 0, tenLines}).size(), 10u);
  const L cut = messageLines({Severity::Warning, 0, tenLines + " end"});
  ASSERT_EQ(cut.size(), 10u);
  EXPECT_EQ(cut[8], word99);
  EXPECT_EQ(cut[9], word99.substr(0, 69) + " (continued on standard error)");
  for (const std::string& line : cut) EXPECT_LE(line.size(), 99u);
}

}  // namespace
}  // namespace vak
