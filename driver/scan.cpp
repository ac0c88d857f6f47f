#include "driver/scan.h"

#include <cctype>
#include <string_view>

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

const TemplateClass* templateClass(std::string_view name) {
  for (const TemplateClass& c : kTemplateClasses) {
    if (name == c.name) return &c;
  }
  return nullptr;
}

// A class name that a modeller meant as "Version" but that the scan does not take as one.
bool looksLikeVersion(std::string_view className) {
  const std::size_t first = className.find_first_not_of(" \t");
  if (first == std::string_view::npos) return false;
  const std::string_view word =
      className.substr(first, className.find_last_not_of(" \t") + 1 - first);
  constexpr std::string_view kVersion = "version";
  if (word.size() != kVersion.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(word[i])) != kVersion[i]) return false;
  }
  return true;
}

// The value on the line whose ";" ends a Version object: from the first non-blank up to the
// ";", blanks before the ";" included.
std::string versionValue(std::string_view code) {
  const std::size_t start = code.find_first_not_of(' ');
  return std::string(code.substr(start, code.find(';') - start));
}

}  // namespace

ScanResult scan(LineSource& in, LineSink& out, std::ostream& console) {
  ScanResult result;
  TemplateInput templateInput{in, console};
  NameCollector names(result.names);
  std::string className;
  bool inside = false;  // an ordinary object is open
  std::string_view line;
  while (!in.atEnd()) {
    in.next(line);
    if (in.lineNumber() == 1) out.setCrlf(in.firstLineCrlf());
    // Comments never take part in recognising objects.
    const std::string_view code = line.substr(0, line.find('!'));
    if (!inside) {
      const std::size_t comma = code.find(',');
      if (comma != std::string_view::npos) {
        className.assign(code.substr(0, comma));
        if (const TemplateClass* c = templateClass(className)) {
          // The record reads the rest of its object; neither it nor this line is copied.
          c->read(result.templates, templateInput);
          continue;
        }
        inside = true;
        names.open(className, code.substr(comma + 1), in.lineNumber());
        if (looksLikeVersion(className) &&
            (className != "Version" || code.find(';', comma) != std::string_view::npos)) {
          result.versionObjectsNotTaken.push_back(in.lineNumber());
        }
      }
    } else {
      names.more(code);
    }
    if (inside && code.find(';') != std::string_view::npos) {
      if (className == "Version") result.version = versionValue(code);
      inside = false;
    }
    out.writeLine(line);
  }
  return result;
}

}  // namespace vak
