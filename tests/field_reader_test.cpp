#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "templates/records.h"

namespace vak {
namespace {

struct Field {
  std::string value;
  FieldEnd end;
  std::string console;
};

// One call of the field reader on `input`.
Field readOne(const std::string& input) {
  std::istringstream in(input);
  std::ostringstream console;
  LineSource source(in);
  TemplateInput t{source, console};
  FieldLine f = ObjetosVAK::leerCampo(t);
  return {std::string(f.value), f.end, console.str()};
}

TEST(FieldReader, TakesTheValueBetweenLeadingBlanksAndTheDelimiter) {
  Field f = readOne("    Office,  !- Name\n");
  EXPECT_EQ(f.value, "Office");
  EXPECT_EQ(f.end, FieldEnd::More);
  f = readOne("Office;\n");
  EXPECT_EQ(f.value, "Office");
  EXPECT_EQ(f.end, FieldEnd::Last);
  f = readOne("   25;  !- cooling\n");
  EXPECT_EQ(f.value, "25");
  EXPECT_EQ(f.end, FieldEnd::Last);
  EXPECT_EQ(f.console, "");
}

TEST(FieldReader, KeepsBlanksBeforeTheDelimiterAndTabsAnywhere) {
  EXPECT_EQ(readOne("   Zone 1  ,\n").value, "Zone 1  ");
  EXPECT_EQ(readOne("\tZone1,\n").value, "\tZone1");
  EXPECT_EQ(readOne("  \t Zone1;\n").value, "\t Zone1");
  EXPECT_EQ(readOne("   21.50,\n").value, "21.50");
}

TEST(FieldReader, EmptyValues) {
  Field f = readOne("    ,\n");
  EXPECT_EQ(f.value, "");
  EXPECT_EQ(f.end, FieldEnd::More);
  f = readOne("   ;\n");
  EXPECT_EQ(f.value, "");
  EXPECT_EQ(f.end, FieldEnd::Last);
  EXPECT_EQ(readOne(",").value, "");
}

TEST(FieldReader, CommaTakesPrecedenceOverSemicolon) {
  Field f = readOne("   25;  !- cooling, in C\n");
  EXPECT_EQ(f.value, "25;  !- cooling");
  EXPECT_EQ(f.end, FieldEnd::More);
  f = readOne("  a;b,c;\n");
  EXPECT_EQ(f.value, "a;b");
  EXPECT_EQ(f.end, FieldEnd::More);
  EXPECT_EQ(readOne("  first, second, third;\n").value, "first");
  EXPECT_EQ(readOne("  ! note, with comma\n").value, "! note");
}

TEST(FieldReader, LineWithoutDelimiterPrintsErrorAndGoesOn) {
  Field f = readOne("   Office  !- forgot the comma\n");
  EXPECT_EQ(f.value, "");
  EXPECT_EQ(f.end, FieldEnd::NoDelimiter);
  EXPECT_EQ(f.console, "error\n");
  EXPECT_EQ(readOne("\n").console, "error\n");
  f = readOne("");  // no line at all: the object ends, nothing printed
  EXPECT_EQ(f.end, FieldEnd::EndOfInput);
  EXPECT_EQ(f.console, "");
}

TEST(FieldReader, ReadsLinesOfAnyLength) {
  const std::string value(5000, 'v');
  EXPECT_EQ(readOne("  " + value + ",\n").value, value);
}

// Builds one record from the lines after its class line; the rest of the input stays unread.
template <class R>
struct Parsed {
  std::istringstream in;
  std::ostringstream console;
  LineSource source{in};
  TemplateInput t{source, console};
  R record;
  explicit Parsed(const std::string& text) : in(text), record(t) {}
  std::string rest() {
    std::string out;
    std::string_view line;
    while (!source.atEnd()) {
      source.next(line);
      out.append(line).append("|");
    }
    return out;
  }
};

TEST(Records, ThermostatFieldsInOrder) {
  Parsed<Termostato> p("    Office,   !- Name\n    ,\n    21,\n    ,\n    25;\nafter\n");
  const Termostato& t = p.record;
  EXPECT_EQ(t.name, "Office");
  EXPECT_EQ(t.heatingScheduleName, "");
  EXPECT_EQ(t.heatingSetpoint, "21");
  EXPECT_EQ(t.coolingScheduleName, "");
  EXPECT_EQ(t.coolingSetpoint, "25");
  EXPECT_EQ(p.rest(), "after||");
  EXPECT_EQ(p.console.str(), "");
  EXPECT_EQ(p.record.lines.fieldLines, 5u);
  EXPECT_FALSE(p.record.lines.cutOff);
}

TEST(Records, TooFewFieldsLeaveTheRestEmpty) {
  std::string text;
  for (int i = 1; i < 15; ++i) text += "  f" + std::to_string(i) + ",\n";
  text += "  f15;\nnext\n";
  Parsed<VRVUnidadInterior> p(text);
  EXPECT_EQ(p.record.name, "f1");
  EXPECT_EQ(p.record.outdoorAirFlowRate, "f15");
  EXPECT_EQ(p.record.outdoorUnitName, "");
  EXPECT_EQ(p.rest(), "next||");
}

TEST(Records, ExtraFieldsAreReadAndDropped) {
  std::string text;
  for (int i = 1; i < 16; ++i) text += "  o" + std::to_string(i) + ",\n";
  text += "  o16;\nnext";
  Parsed<VRVUnidadExterior> p(text);
  EXPECT_EQ(p.record.name, "o1");
  EXPECT_EQ(p.record.resistiveDefrostHeaterCapacity, "o13");
  EXPECT_EQ(p.record.lines.fieldLines, 16u);
  EXPECT_EQ(p.record.lines.firstExtra, "  o14,");
  EXPECT_EQ(p.rest(), "next|");
}

TEST(Records, LineWithoutDelimiterTakesAPosition) {
  Parsed<Termostato> p("  T1,\n  oops\n  21,\n  ,\n  25;\n  spare;\n");
  EXPECT_EQ(p.record.name, "T1");
  EXPECT_EQ(p.record.heatingScheduleName, "");
  EXPECT_EQ(p.record.heatingSetpoint, "21");
  EXPECT_EQ(p.record.coolingSetpoint, "25");
  EXPECT_EQ(p.console.str(), "error\n");
  ASSERT_EQ(p.record.lines.undelimited.size(), 1u);
  EXPECT_EQ(p.record.lines.undelimited[0].position, 1u);
  EXPECT_EQ(p.record.lines.undelimited[0].text, "  oops");
  EXPECT_FALSE(p.record.lines.read(1));
  EXPECT_TRUE(p.record.lines.read(2));
  EXPECT_EQ(p.rest(), "  spare;||");
}

TEST(Records, EndOfInputCompletesTheRecord) {
  Parsed<Termostato> p("  T1,\n  ,\n  21,\n");
  EXPECT_EQ(p.record.name, "T1");
  EXPECT_EQ(p.record.heatingSetpoint, "21");
  EXPECT_EQ(p.record.coolingSetpoint, "");
  EXPECT_EQ(p.console.str(), "");
  EXPECT_TRUE(p.record.lines.cutOff);
  EXPECT_EQ(p.record.lines.fieldLines, 3u);
  EXPECT_TRUE(p.record.lines.read(2));
  EXPECT_FALSE(p.record.lines.read(3));
  EXPECT_TRUE(p.source.atEnd());

  // A last line without terminator and without delimiter was read: it alone is an error.
  Parsed<Termostato> q("  T1,\n  T2");
  EXPECT_EQ(q.console.str(), "error\n");
  EXPECT_TRUE(q.record.lines.cutOff);
  EXPECT_EQ(q.record.lines.fieldLines, 2u);

  Parsed<Termostato> done("  T1,\n  ,\n  21,\n  ,\n  25;");
  EXPECT_EQ(done.record.coolingSetpoint, "25");
  EXPECT_FALSE(done.record.lines.cutOff);
  EXPECT_EQ(done.record.lines.lastLine(), 5u);
}

}  // namespace
}  // namespace vak
