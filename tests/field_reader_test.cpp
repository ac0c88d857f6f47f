#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "templates/records.h"

namespace vak {
namespace {

struct Field {
  std::string value;
  bool last;
  std::string console;
  std::string diagnostics;
};

// One call of the field reader on `input`, with the last-field flag starting at `lastBefore`.
Field readOne(const std::string& input, bool lastBefore = false) {
  std::istringstream in(input);
  std::ostringstream console, diagnostics;
  LineSource source(in);
  TemplateInput t{source, console, diagnostics};
  Field f{"", lastBefore, "", ""};
  f.value = ObjetosVAK::leerCampo(t, f.last);
  f.console = console.str();
  f.diagnostics = diagnostics.str();
  return f;
}

TEST(FieldReader, TakesTheValueBetweenLeadingBlanksAndTheDelimiter) {
  Field f = readOne("    Office,  !- Name\n", true);
  EXPECT_EQ(f.value, "Office");
  EXPECT_FALSE(f.last);
  f = readOne("Office;\n");
  EXPECT_EQ(f.value, "Office");
  EXPECT_TRUE(f.last);
  f = readOne("   25;  !- cooling\n");
  EXPECT_EQ(f.value, "25");
  EXPECT_TRUE(f.last);
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
  EXPECT_FALSE(f.last);
  f = readOne("   ;\n");
  EXPECT_EQ(f.value, "");
  EXPECT_TRUE(f.last);
  EXPECT_EQ(readOne(",").value, "");
}

TEST(FieldReader, CommaTakesPrecedenceOverSemicolon) {
  Field f = readOne("   25;  !- cooling, in C\n");
  EXPECT_EQ(f.value, "25;  !- cooling");
  EXPECT_FALSE(f.last);
  f = readOne("  a;b,c;\n", true);
  EXPECT_EQ(f.value, "a;b");
  EXPECT_FALSE(f.last);
  EXPECT_EQ(readOne("  first, second, third;\n").value, "first");
  EXPECT_EQ(readOne("  ! note, with comma\n").value, "! note");
}

TEST(FieldReader, LineWithoutDelimiterPrintsErrorAndKeepsTheFlag) {
  for (bool before : {false, true}) {
    Field f = readOne("   Office  !- forgot the comma\n", before);
    EXPECT_EQ(f.value, "");
    EXPECT_EQ(f.last, before);
    EXPECT_EQ(f.console, "error\n");
    EXPECT_NE(f.diagnostics.find("line 1"), std::string::npos) << f.diagnostics;
    EXPECT_NE(f.diagnostics.find("\"   Office  !- forgot the comma\""), std::string::npos);
  }
  EXPECT_EQ(readOne("\n").console, "error\n");
  EXPECT_EQ(readOne("").console, "");  // no line at all: the object ends, nothing printed
  EXPECT_TRUE(readOne("").last);
}

TEST(FieldReader, ReadsLinesOfAnyLength) {
  const std::string value(5000, 'v');
  EXPECT_EQ(readOne("  " + value + ",\n").value, value);
}

// Builds one record from the lines after its class line; the rest of the input stays unread.
template <class R>
struct Parsed {
  std::istringstream in;
  std::ostringstream console, diagnostics;
  LineSource source{in};
  TemplateInput t{source, console, diagnostics};
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
  EXPECT_EQ(p.diagnostics.str(), "");
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
  EXPECT_EQ(p.rest(), "next|");
}

TEST(Records, LineWithoutDelimiterTakesAPosition) {
  Parsed<Termostato> p("  T1,\n  oops\n  21,\n  ,\n  25;\n  spare;\n");
  EXPECT_EQ(p.record.name, "T1");
  EXPECT_EQ(p.record.heatingScheduleName, "");
  EXPECT_EQ(p.record.heatingSetpoint, "21");
  EXPECT_EQ(p.record.coolingSetpoint, "25");
  EXPECT_EQ(p.console.str(), "error\n");
  EXPECT_NE(p.diagnostics.str().find("line 2"), std::string::npos);
  EXPECT_EQ(p.rest(), "  spare;||");
}

TEST(Records, EndOfInputCompletesTheRecord) {
  Parsed<Termostato> p("  T1,\n  ,\n  21,\n");
  EXPECT_EQ(p.record.name, "T1");
  EXPECT_EQ(p.record.heatingSetpoint, "21");
  EXPECT_EQ(p.record.coolingSetpoint, "");
  EXPECT_EQ(p.console.str(), "");
  EXPECT_NE(p.diagnostics.str().find("3 of 5 fields"), std::string::npos) << p.diagnostics.str();
  EXPECT_TRUE(p.source.atEnd());

  // A last line without terminator and without delimiter was read: it alone is an error.
  Parsed<Termostato> q("  T1,\n  T2");
  EXPECT_EQ(q.console.str(), "error\n");
  EXPECT_NE(q.diagnostics.str().find("2 of 5 fields"), std::string::npos) << q.diagnostics.str();

  Parsed<Termostato> done("  T1,\n  ,\n  21,\n  ,\n  25;");
  EXPECT_EQ(done.record.coolingSetpoint, "25");
  EXPECT_EQ(done.diagnostics.str(), "");
}

}  // namespace
}  // namespace vak
