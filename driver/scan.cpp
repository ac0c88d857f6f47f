#include "driver/scan.h"

#include <algorithm>
#include <limits>
#include <ostream>
#include <string_view>

#include "checks/name_keys.h"

namespace vak {

namespace {

// Template class names and where their records go.
struct TemplateClass {
  std::string_view name;
  void (*read)(TemplateLists&, TemplateInput&);
};

template <class R, std::deque<R> TemplateLists::*List>
void readInto(TemplateLists& lists, TemplateInput& in) {
  (lists.*List).emplace_back(in);
}

constexpr TemplateClass kTemplateClasses[] = {
    {Termostato::kClassName, readInto<Termostato, &TemplateLists::thermostats>},
    {VRVUnidadInterior::kClassName, readInto<VRVUnidadInterior, &TemplateLists::indoorUnits>},
    {VRVUnidadExterior::kClassName, readInto<VRVUnidadExterior, &TemplateLists::outdoorUnits>},
};

// What the template class names share, from their start.
constexpr std::string_view commonPrefix() {
  std::string_view prefix = kTemplateClasses[0].name;
  for (const TemplateClass& c : kTemplateClasses) {
    std::size_t n = 0;
    while (n < prefix.size() && n < c.name.size() && prefix[n] == c.name[n]) ++n;
    prefix = prefix.substr(0, n);
  }
  return prefix;
}

// The class lines the scan looks at: templates and anything like a Version.
constexpr WantedClasses kWanted{{commonPrefix(), "version"}};
static_assert(commonPrefix().size() >= 2);

const TemplateClass* templateClass(std::string_view name) {
  for (const TemplateClass& c : kTemplateClasses) {
    if (name == c.name) return &c;
  }
  return nullptr;
}

// The second pass copies nothing.
class NoCopy : public CopySink {
 public:
  void copy(std::string_view, bool) override {}
  void endInput(bool) override {}
};

// EnergyPlus reads class names in any letter case, with blanks around them.
bool isVersion(std::string_view className) {
  return equalsIgnoringCase(trimmed(className), "Version");
}

}  // namespace

ScanResult scan(LineSource& in, LineSink& out, std::ostream& console) {
  ScanResult result;
  TemplateInput templateInput{in, console};
  // Only class lines and the line that ends each object are looked at; the source copies
  // everything else in whole runs. Comments never take part in recognising objects.
  while (in.copyToClassLine(out, &kWanted)) {
    const std::string_view className = in.className();
    if (const TemplateClass* c = templateClass(className)) {
      // The record reads the rest of its object; neither it nor this line is copied.
      in.skipLine();
      c->read(result.templates, templateInput);
      continue;
    }
    if (isVersion(className)) {
      // Its one field, wherever it stands: on the class line or after it, among comments.
      VersionObject& v = result.versions.emplace_back();
      v.line = in.lineNumber();
      if (in.copyField(out, v.value, kVersionKept).delimiter != ',') continue;
    }
    in.copyObject(out);
  }
  // The first line's terminator is the output's, for the generated objects too.
  out.setCrlf(in.firstLineCrlf());
  return result;
}

FileNames collectNames(LineSource& in, const NamesWanted& wanted) {
  FileNames names;
  NameCollector collector(names, wanted);
  NoCopy out;
  std::string value;
  // Every class line: the objects whose names are looked for are of many classes.
  while (in.copyToClassLine(out)) {
    const std::string_view className = in.className();
    if (templateClass(className) != nullptr) {
      // Ends where its record ends, so that both passes see the same objects.
      in.skipLine();
      ObjetosVAK::skipFields(in);
      continue;
    }
    if (isDesignDay(className)) {
      names.designDays.push_back(readDesignDay(in, out));
      continue;
    }
    const NameCollector::Target* target = NameCollector::targetOf(className);
    const bool collides = collector.mayCollide(className);
    if (target == nullptr && !collides) {
      in.copyObject(out);
      continue;
    }
    // Field by field up to the last one looked at, each kept only as far as a name looked for
    // reaches; then the rest of the object, ending where the first pass ends it.
    const std::string kept(className);  // the view ends with the buffer
    const std::size_t classLine = in.lineNumber();
    const std::size_t last = target != nullptr && target->everyFieldOn
                                 ? std::numeric_limits<std::size_t>::max()
                                 : std::max<std::size_t>(target ? target->field : 0, collides);
    CopiedField field{','};
    for (std::size_t f = 1; f <= last && field.delimiter == ','; ++f) {
      field = in.copyField(out, value, collector.longest(target, collides, f));
      if (field.delimiter != '\0') {
        collector.add(kept, target, collides, f, value, field.cut, classLine);
      }
    }
    if (field.delimiter == ',') in.copyObject(out);
  }
  return names;
}

}  // namespace vak
