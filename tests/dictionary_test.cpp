// Checks the output against the EnergyPlus dictionary entries of the version it is written for
// (tests/energyplus/): field counts, required fields, numbers and their limits, choice keys and
// the names that one generated object gives another.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "checks/numeric_fields.h"
#include "file_support.h"
#include "test_support.h"
#include "writers/vrf_version.h"

namespace vak {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using test::slurp;

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") + 1 - first);
}

// An IDF object as EnergyPlus reads it: comments dropped, fields split at "," and ";".
struct Object {
  std::string className;
  std::vector<std::string> fields;
  std::size_t line = 0;  // where its class name stands

  std::string where() const { return "line " + std::to_string(line) + " " + className; }
};

std::vector<Object> objectsOf(const std::string& idf) {
  std::vector<Object> objects;
  std::istringstream in(idf);
  Object current;
  bool open = false;
  std::string field;
  std::size_t lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    line = line.substr(0, line.find('!'));
    for (char c : line) {
      if (c != ',' && c != ';') {
        field += c;
        continue;
      }
      if (!open) {
        current = Object{trim(field), {}, lineNumber};
        open = true;
      } else {
        current.fields.push_back(trim(field));
      }
      field.clear();
      if (c == ';') {
        objects.push_back(current);
        open = false;
      }
    }
    field += ' ';  // a line end separates like a blank
  }
  return objects;
}

// One version's dictionary entries.
class Dictionary {
 public:
  explicit Dictionary(const std::string& version)
      : json_(json::parse(
            slurp(fs::path(VAK_DICTIONARY_DIR) / ("dictionary-" + version + ".json")))) {
    for (const auto& [name, entry] : json_["classes"].items()) byLowerName_[lower(name)] = name;
  }

  // The class entry for a class name in any letter case, or null when it is not one of ours.
  const json* entry(const std::string& className) const {
    const auto found = byLowerName_.find(lower(className));
    return found == byLowerName_.end() ? nullptr : &json_["classes"][found->second];
  }

  // The field at `index` (from 0), extensible groups repeated; null past the last field.
  static const json* field(const json& entry, std::size_t index) {
    const json& fields = entry["fields"];
    if (index < fields.size()) return &fields[index];
    const json& ext = entry["extensible"];
    if (ext.is_null()) return nullptr;
    const std::size_t begin = ext["begin_index"], size = ext["size"];
    return &fields[begin + (index - begin) % size];
  }

  const json& providers() const { return json_["reference_providers"]; }

 private:
  json json_;
  std::map<std::string, std::string> byLowerName_;
};

bool parseNumber(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return end == text.c_str() + text.size();
}

bool withinLimit(double value, const json& limit, bool isMinimum) {
  if (limit.is_null()) return true;
  const double bound = limit["value"];
  const bool exclusive = limit["exclusive"];
  if (isMinimum) return exclusive ? value > bound : value >= bound;
  return exclusive ? value < bound : value <= bound;
}

void checkField(const Object& o, std::size_t i, const json& f, std::vector<std::string>& problems) {
  const std::string& value = o.fields[i];
  const std::string name = f["name"];
  const std::string at = o.where() + " field " + std::to_string(i + 1) + " \"" + name + "\" ";
  if (value.empty()) {
    if (f["required"]) problems.push_back(at + "is required but blank");
    return;
  }
  const std::string type = f["type"].is_null() ? "" : f["type"].get<std::string>();
  if (f["kind"] == "N") {
    if ((f["autosizable"] && lower(value) == "autosize") ||
        (f["autocalculatable"] && lower(value) == "autocalculate")) {
      return;
    }
    double number = 0;
    if (!parseNumber(value, number)) {
      problems.push_back(at + "holds \"" + value + "\", not a number");
      return;
    }
    if (type == "integer" && number != static_cast<double>(static_cast<long long>(number))) {
      problems.push_back(at + "holds " + value + ", not an integer");
    }
    if (!withinLimit(number, f["minimum"], true) || !withinLimit(number, f["maximum"], false)) {
      problems.push_back(at + "holds " + value + ", outside its limits");
    }
  } else if (type == "choice") {
    const json& keys = f["keys"];
    const bool known = std::any_of(keys.begin(), keys.end(), [&](const json& key) {
      return lower(key.get<std::string>()) == lower(value);
    });
    if (!known) problems.push_back(at + "holds \"" + value + "\", not one of its keys");
  }
}

// Every problem of every object of the dictionary's classes in `idf`. With `names`, also every
// name that no object provides: for a complete model, whose schedules are all Schedule:Compact.
enum class Names { Skip, Check };
std::vector<std::string> problemsOf(const std::string& idf, const Dictionary& dictionary,
                                    Names names = Names::Check) {
  std::vector<std::string> problems;
  const std::vector<Object> objects = objectsOf(idf);
  // Names each object provides, by name list, for the references below. EnergyPlus matches the
  // names of the lists ignoring letter case: 8.1 and 8.2 spell one "BiquadraticCurves" where
  // the outdoor unit refers to "BiQuadraticCurves".
  std::map<std::string, std::set<std::string>> provided;
  for (const Object& o : objects) {
    const json* entry = dictionary.entry(o.className);
    if (entry == nullptr) continue;
    for (std::size_t i = 0; i < o.fields.size(); ++i) {
      const json* f = Dictionary::field(*entry, i);
      if (f == nullptr) continue;
      for (const json& list : (*f)["reference"]) {
        provided[lower(list)].insert(lower(o.fields[i]));
      }
    }
  }
  for (const Object& o : objects) {
    const json* entry = dictionary.entry(o.className);
    if (entry == nullptr) continue;
    const std::size_t minimum = (*entry)["min_fields"];
    if (o.fields.size() < minimum) {
      problems.push_back(o.where() + " has " + std::to_string(o.fields.size()) +
                         " fields, fewer than its minimum of " + std::to_string(minimum));
    }
    if ((*entry)["extensible"].is_null() && o.fields.size() > (*entry)["fields"].size()) {
      problems.push_back(o.where() + " has " + std::to_string(o.fields.size()) +
                         " fields, more than its " + std::to_string((*entry)["fields"].size()));
      continue;
    }
    for (std::size_t i = 0; i < o.fields.size(); ++i) {
      const json& f = *Dictionary::field(*entry, i);
      checkField(o, i, f, problems);
      if (o.fields[i].empty()) continue;
      // A name must be given by an object of one of the lists' classes, unless a class outside
      // these entries (Zone, Schedule:Constant, ...) may give it.
      if (names == Names::Skip || f["object_list"].empty()) continue;
      bool known = false, complete = true;
      for (const json& list : f["object_list"]) {
        const json& by =
            dictionary.providers().contains(list) ? dictionary.providers()[list] : json::array();
        complete =
            complete && !by.empty() && std::all_of(by.begin(), by.end(), [&](const json& provider) {
              return dictionary.entry(provider["class"]) != nullptr;
            });
        known = known || provided[lower(list)].count(lower(o.fields[i])) != 0;
      }
      if (complete && !known) {
        problems.push_back(o.where() + " field " + std::to_string(i + 1) + " names \"" +
                           o.fields[i] + "\", which no object of " + f["object_list"].dump() +
                           " provides");
      }
    }
  }
  return problems;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  return text;
}

TEST(DictionaryCheck, FindsWhatEnergyPlusWouldReject) {
  const Dictionary d("26.1");
  const std::string bad =
      "ZoneHVAC:EquipmentList,\n  Z Eq,\n  Sequential,\n"
      "  ZoneHVAC:TerminalUnit:VariableRefrigerantFlow,\n  U1,\n  -1,\n  1.5;\n"
      "Curve:Linear,\n  C,\n  1,\n  x,\n  0,\n  1,\n  ,\n  ,\n  Dimensionless,\n  Dimensionless;\n"
      "Fan:OnOff,\n  F,\n  S,\n  1.2,\n  75,\n  0.3,\n  0.9,\n  1,\n  A,\n  B,\n  ,\n  ,\n  g,\n  "
      "extra;\n"
      "Coil:Heating:DX:VariableRefrigerantFlow,\n  H,\n  ,\n  autosize,\n  autosize,\n  A,\n  B,\n"
      "  NoSuchCurve,\n  NoSuchCurve;\n";
  const std::vector<std::string> p = problemsOf(bad, d);
  const std::string all = joined(p);
  EXPECT_NE(all.find("fewer than its minimum of 8"), std::string::npos) << all;
  EXPECT_NE(all.find("\"Load Distribution Scheme\" holds \"Sequential\", not one of its keys"),
            std::string::npos)
      << all;
  EXPECT_NE(all.find("holds 1.5, not an integer"), std::string::npos) << all;
  EXPECT_NE(all.find("\"Zone Equipment 1 Cooling Sequence\" holds -1, outside its limits"),
            std::string::npos)
      << all;
  EXPECT_NE(all.find("\"Coefficient2 x\" holds \"x\", not a number"), std::string::npos) << all;
  EXPECT_NE(all.find("Fan:OnOff has 13 fields, more than its 12"), std::string::npos) << all;
  EXPECT_NE(all.find("names \"NoSuchCurve\", which no object of "
                     "[\"UnivariateFunctions\",\"BivariateFunctions\"]"),
            std::string::npos)
      << all;
  EXPECT_EQ(
      problemsOf("Fan:OnOff,\n  F,\n  ,\n  1.2,\n  75,\n  0.3,\n  0.9,\n  1,\n  A,\n  B;\n", d)
          .size(),
      1u)
      << "a fan efficiency of 1.2 is above its maximum of 1";
  EXPECT_NE(joined(problemsOf("NodeList,\n  N,\n  ;\n", d)).find("is required but blank"),
            std::string::npos);
}

// The releases whose dictionaries are here. "7.1" is left out of the model checks: its
// dictionary disagrees with the 7.1 program on the compressor size ratio and the defrost curve
// (see energyplus/README.md).
const std::vector<std::string> kReleases = {"7.1", "8.0", "8.1", "8.2", "8.3", "8.4", "8.5",
                                            "8.6", "8.7", "8.8", "8.9", "9.0", "9.1", "26.1"};

// Every golden model and example: the golden models leave out what the generated objects name;
// the examples are whole.
struct Model {
  fs::path path;
  bool whole;
};

std::vector<Model> models() {
  std::vector<Model> all;
  for (const auto& entry : fs::directory_iterator(VAK_GOLDEN_DIR)) {
    all.push_back({entry.path() / "in.idf", false});
  }
  for (const auto& entry : fs::directory_iterator(VAK_EXAMPLES_DIR)) {
    all.push_back({entry.path() / "in.idf", true});
  }
  std::sort(all.begin(), all.end(), [](const Model& a, const Model& b) { return a.path < b.path; });
  return all;
}

// The output of each layout against the dictionary of every release that reads it: one output
// serves them all.
class ReleaseReadsItsLayout : public ::testing::TestWithParam<std::string> {};

TEST_P(ReleaseReadsItsLayout, EveryModelWrittenInIt) {
  const Dictionary d(GetParam());
  const std::optional<VrfLayout> layout = layoutFor(GetParam());
  ASSERT_TRUE(layout.has_value());
  std::size_t withVrf = 0;
  for (const Model& model : models()) {
    ASSERT_TRUE(fs::exists(model.path)) << model.path;
    const std::string input = slurp(model.path);
    if (layoutFor(test::scanWith(input, std::size_t{1} << 17).result.version()) != layout) {
      continue;
    }
    const test::Run run = test::expand(input);
    // A golden model may be one whose Version writes no VRF object.
    if (run.output.find("AirConditioner:VariableRefrigerantFlow,") == std::string::npos) continue;
    ++withVrf;
    std::vector<std::string> problems =
        problemsOf(run.output, d, model.whole ? Names::Check : Names::Skip);
    // The list of an outdoor unit that serves nobody, or that repeats an earlier one's name,
    // holds its name alone, one field short of the minimum, in every layout; the warnings say so.
    if (run.diagnostics.find("its terminal unit list is written empty") != std::string::npos ||
        run.diagnostics.find("the second time without indoor units") != std::string::npos) {
      std::erase_if(problems, [](const std::string& p) {
        return p.ends_with("ZoneTerminalUnitList has 1 fields, fewer than its minimum of 2");
      });
    }
    EXPECT_EQ(joined(problems), "") << model.path;
  }
  EXPECT_GE(withVrf, 1u);
}

INSTANTIATE_TEST_SUITE_P(Releases, ReleaseReadsItsLayout,
                         ::testing::ValuesIn(kReleases.begin() + 1, kReleases.end()),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::replace(name.begin(), name.end(), '.', '_');
                           return name;
                         });

// Both fan classes, several outdoor units, indoor units of each: every generated class at once.
TEST(CurrentLayout, EveryGeneratedClassFitsTheDictionaryOf26_1) {
  test::Indoor a, b, c;
  b.name = "U2";
  b.zone = "Z2";
  b.fanMode = "Constant";
  c.name = "U3";
  c.zone = "Z3";
  c.outdoor = "OU2";
  const std::string schedules =
      "Schedule:Compact,\n  AlwaysOn,\n  ,\n  Through: 12/31,\n  For: AllDays,\n  Until: 24:00,\n"
      "  1;\n"
      "Schedule:Compact,\n  VRF Priority Sch,\n  ,\n  Through: 12/31,\n  For: AllDays,\n"
      "  Until: 24:00,\n  1;\n";
  const test::Run run = test::expand("Version,\n  26.1;\n" + schedules +
                                     test::thermostatText("T1") + test::outdoorText("OU") +
                                     test::outdoorText("OU2") + a.text() + b.text() + c.text());
  std::set<std::string> classes;
  for (const Object& o : objectsOf(run.output)) classes.insert(o.className);
  const Dictionary d("26.1");
  EXPECT_EQ(classes.size(), 22u) << "the 20 classes, Version, and the message of its one warning\n"
                                 << run.diagnostics;
  EXPECT_EQ(joined(problemsOf(run.output, d)), "");
}

// The messages passed on to EnergyPlus, from a model full of mistakes, against the entry of
// every release: one object per warning, each field a whole value of at most 99 characters.
TEST(PreprocessorMessages, FitEveryDictionary) {
  const std::string model = slurp(fs::path(VAK_GOLDEN_DIR) / "vrf_empty_fields_71" / "in.idf");
  const test::Run run = test::expand(model);
  std::vector<Object> messages;
  for (const Object& o : objectsOf(run.output)) {
    if (o.className == "Output:PreprocessorMessage") messages.push_back(o);
  }
  std::size_t warnings = 0;
  for (std::size_t at = 0; (at = run.diagnostics.find(": warning: ", at)) != std::string::npos;) {
    ++warnings;
    ++at;
  }
  EXPECT_EQ(messages.size(), warnings);
  std::string text;
  for (const Object& o : messages) {
    text += o.className + ",\n";
    for (std::size_t i = 0; i < o.fields.size(); ++i) {
      text += "  " + o.fields[i] + (i + 1 == o.fields.size() ? ";\n" : ",\n");
      EXPECT_LE(o.fields[i].size(), 99u) << o.where();
    }
    EXPECT_EQ(o.fields[0], "expandVAKobjects");
    EXPECT_GE(o.fields.size(), 3u);
  }
  // A "," ";" or "!" inside a value would split or cut its line.
  const std::string lines = run.output.substr(run.output.find("Output:PreprocessorMessage,"));
  std::istringstream in(lines);
  for (std::string line; std::getline(in, line);) {
    std::string value = line.substr(0, line.find("  !- "));
    value.erase(value.find_last_not_of(' ') + 1);
    if (value.empty() || value.starts_with("!-")) continue;
    EXPECT_EQ(value.find_first_of(",;!"), value.size() - 1) << line;
  }
  for (const std::string& release : kReleases) {
    EXPECT_EQ(joined(problemsOf(text, Dictionary(release))), "") << release;
  }
}

// The numeric limits that the checks hold in code, against the dictionaries. Each template
// field lists the output fields it is written to, by their names in any of the dictionaries
// (26.1 renamed some); the code's limits must be the narrowest of theirs, autosize only where
// all take it, and required where one is.
struct OutputField {
  const char* className;
  std::vector<std::string> names;  // one of them is the field's name in each dictionary
};

const char* const kTerminal = "ZoneHVAC:TerminalUnit:VariableRefrigerantFlow";
const char* const kHeatPump = "AirConditioner:VariableRefrigerantFlow";
const char* const kCoolingCoil = "Coil:Cooling:DX:VariableRefrigerantFlow";
const char* const kHeatingCoil = "Coil:Heating:DX:VariableRefrigerantFlow";

std::vector<OutputField> onBothFans(const std::vector<std::string>& names) {
  return {{"Fan:OnOff", names}, {"Fan:ConstantVolume", names}};
}

std::vector<OutputField> writtenTo(std::string VRVUnidadInterior::*m) {
  using U = VRVUnidadInterior;
  if (m == &U::fanEfficiency) return onBothFans({"Fan Efficiency", "Fan Total Efficiency"});
  if (m == &U::fanPressureRise) return onBothFans({"Pressure Rise"});
  if (m == &U::motorEfficiency) return onBothFans({"Motor Efficiency"});
  if (m == &U::motorInAirstreamFraction) return onBothFans({"Motor In Airstream Fraction"});
  if (m == &U::supplyAirFlowRate) {
    std::vector<OutputField> f = onBothFans({"Maximum Flow Rate"});
    f.push_back(
        {kTerminal,
         {"Supply Air Flow Rate During Cooling Operation", "Cooling Supply Air Flow Rate"}});
    f.push_back(
        {kTerminal,
         {"Supply Air Flow Rate When No Cooling is Needed", "No Cooling Supply Air Flow Rate"}});
    f.push_back(
        {kTerminal,
         {"Supply Air Flow Rate During Heating Operation", "Heating Supply Air Flow Rate"}});
    f.push_back(
        {kTerminal,
         {"Supply Air Flow Rate When No Heating is Needed", "No Heating Supply Air Flow Rate"}});
    f.push_back({kCoolingCoil, {"Rated Air Flow Rate"}});
    f.push_back({kHeatingCoil, {"Rated Air Flow Rate"}});
    return f;
  }
  if (m == &U::ratedCoolingCapacity) {
    return {{kCoolingCoil, {"Rated Total Cooling Capacity", "Gross Rated Total Cooling Capacity"}}};
  }
  if (m == &U::ratedSensibleHeatRatio) {
    return {{kCoolingCoil, {"Rated Sensible Heat Ratio", "Gross Rated Sensible Heat Ratio"}}};
  }
  if (m == &U::ratedHeatingCapacity) {
    return {{kHeatingCoil, {"Rated Total Heating Capacity", "Gross Rated Heating Capacity"}}};
  }
  if (m == &U::outdoorAirFlowRate) {
    return {{kTerminal,
             {"Outdoor Air Flow Rate During Cooling Operation", "Cooling Outdoor Air Flow Rate"}},
            {kTerminal,
             {"Outdoor Air Flow Rate During Heating Operation", "Heating Outdoor Air Flow Rate"}},
            {kTerminal,
             {"Outdoor Air Flow Rate When No Cooling or Heating is Needed",
              "No Load Outdoor Air Flow Rate"}}};
  }
  return {};
}

std::vector<OutputField> writtenTo(std::string VRVUnidadExterior::*m) {
  using O = VRVUnidadExterior;
  if (m == &O::ratedCoolingCapacity) {
    return {{kHeatPump, {"Rated Total Cooling Capacity", "Gross Rated Total Cooling Capacity"}}};
  }
  if (m == &O::ratedCoolingCOP)
    return {{kHeatPump, {"Rated Cooling COP", "Gross Rated Cooling COP"}}};
  if (m == &O::ratedHeatingCapacity) {
    return {{kHeatPump, {"Rated Total Heating Capacity", "Gross Rated Heating Capacity"}}};
  }
  if (m == &O::ratedHeatingCOP)
    return {{kHeatPump, {"Rated Heating COP", "Gross Rated Heating COP"}}};
  if (m == &O::equivalentPipingLength) {
    return {
        {kHeatPump, {"Equivalent Piping Length used for Piping Correction Factor in Cooling Mode"}},
        {kHeatPump,
         {"Equivalent Piping Length used for Piping Correction Factor in Heating Mode"}}};
  }
  if (m == &O::verticalHeight) {
    return {{kHeatPump, {"Vertical Height used for Piping Correction Factor"}}};
  }
  if (m == &O::resistiveDefrostHeaterCapacity) {
    return {{kHeatPump, {"Resistive Defrost Heater Capacity"}}};
  }
  return {};
}

// The narrower of two bounds; at the same value an exclusive one is narrower.
std::optional<Bound> narrower(const std::optional<Bound>& a, const json& limit, bool isMinimum) {
  if (limit.is_null()) return a;
  const Bound b{limit["value"].get<double>(), limit["exclusive"].get<bool>()};
  if (!a) return b;
  if (a->value == b.value) return Bound{a->value, a->exclusive || b.exclusive};
  return (isMinimum ? b.value > a->value : b.value < a->value) ? b : *a;
}

std::string shown(const std::optional<Bound>& b) {
  if (!b) return "none";
  return (b->exclusive ? "exclusive " : "") + std::to_string(b->value);
}

template <class R>
void expectLimitsOfTheDictionary(std::span<const NumericField<R>> table, const Dictionary& d,
                                 VrfVersion layout, const std::string& version) {
  EXPECT_FALSE(table.empty());
  for (const NumericField<R>& f : table) {
    const std::string_view name = R::kFields[positionOf<R>(f.member)].name;
    const std::vector<OutputField> outputs = writtenTo(f.member);
    ASSERT_FALSE(outputs.empty()) << name << ": the test does not know where it is written";
    NumericLimits want;
    want.autosizable = want.autocalculatable = true;
    for (const OutputField& o : outputs) {
      const json* entry = d.entry(o.className);
      ASSERT_NE(entry, nullptr) << o.className;
      const json* field = nullptr;
      for (const json& candidate : (*entry)["fields"]) {
        const std::string n = candidate["name"];
        if (std::find(o.names.begin(), o.names.end(), n) != o.names.end()) field = &candidate;
      }
      ASSERT_NE(field, nullptr) << version << " " << o.className << " " << o.names[0];
      want.minimum = narrower(want.minimum, (*field)["minimum"], true);
      want.maximum = narrower(want.maximum, (*field)["maximum"], false);
      want.autosizable = want.autosizable && (*field)["autosizable"].get<bool>();
      want.autocalculatable = want.autocalculatable && (*field)["autocalculatable"].get<bool>();
      want.required = want.required || (*field)["required"].get<bool>();
    }
    const NumericLimits& got = f.in(layout);
    const std::string where = version + " " + std::string(name);
    EXPECT_EQ(shown(got.minimum), shown(want.minimum)) << where;
    EXPECT_EQ(shown(got.maximum), shown(want.maximum)) << where;
    EXPECT_EQ(got.autosizable, want.autosizable) << where;
    EXPECT_EQ(got.autocalculatable, want.autocalculatable) << where;
    EXPECT_EQ(got.required, want.required) << where;
  }
}

TEST(NumericLimits, AreThoseOfTheDictionaryOfEachRelease) {
  for (const std::string& release : kReleases) {
    const Dictionary d(release);
    const VrfVersion layout = layoutFor(release)->objects;
    expectLimitsOfTheDictionary(indoorNumericFields(), d, layout, release);
    expectLimitsOfTheDictionary(outdoorNumericFields(), d, layout, release);
  }
}

}  // namespace
}  // namespace vak
