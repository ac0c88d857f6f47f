#include "checks/check_lines.h"

#include <algorithm>
#include <string>
#include <vector>

#include "checks/check_report.h"

namespace vak {

namespace {

std::string lineRange(std::size_t first, std::size_t last) {
  if (first == last) return cat("line ", first);
  return cat("lines ", first, " to ", last);
}

// The lines of one object that the format does not allow, or that it reads otherwise than
// meant. Each mistake once: a line that swallows the next ones is reported with them.
template <class R>
void checkObject(const R& r, Problem& undelimited, Problem& cutOff, Problem& swallowed,
                 Problem& delimiterInValue) {
  constexpr std::size_t n = R::kFields.size();
  const ObjectLines& lines = r.lines;
  for (const MalformedLine& m : lines.undelimited) {
    const std::string_view field = m.position < n ? R::kFields[m.position].name : "an extra field";
    undelimited(lines.lineOf(m.position), [&] {
      return cat(subject(r), ": the line of ", field, " holds neither ',' nor ';' (",
                 quoted(m.text),
                 "); the program prints \"error\", leaves the field empty and reads the next "
                 "line as the next field; end the value with ',' (or ';' after the last "
                 "field) and keep empty and comment-only lines out of template objects");
    });
  }
  if (lines.fieldLines > n) {
    const auto& lastField = R::kFields[n - 1];
    const bool commaInComment = (r.*lastField.member).find(';') != std::string::npos;
    swallowed(lines.lineOf(n - 1), [&] {
      return cat(subject(r), ": the object does not end at its last field, ", lastField.name,
                 ", because that line holds ",
                 commaInComment ? "a ',' after its ';'" : "',' instead of ';'", ": ",
                 lineRange(lines.lineOf(n), lines.lastLine()),
                 lines.cutOff ? ", up to the end of the input," : "",
                 " are read as extra fields and dropped from the output (the first is ",
                 quoted(lines.firstExtra), "); ",
                 commaInComment ? "keep ',' out of the comment after the ';'"
                                : cat("end ", lastField.name, " with ';'"));
    });
  } else if (lines.cutOff) {
    const std::string read =
        lines.fieldLines == 0
            ? cat(", right after its class line; all ", n, " fields are left empty")
            : cat(", whose fields start at line ", lines.lineOf(0), " (", lines.fieldLines, " of ",
                  n, " fields read); the rest are left empty");
    cutOff(lines.classLine, [&] {
      return cat(subject(r), ": the input ends inside this object", read,
                 " and written so; end the object's last field with ';'");
    });
  }
  for (std::size_t p = 0; p < n; ++p) {
    // The last field's ';' with a ',' in its comment is the swallowing above.
    if (p + 1 == n && lines.fieldLines > n) break;
    const std::string& value = r.*R::kFields[p].member;
    if (!holdsDelimiter(value)) continue;
    const bool semicolon = value.find(';') != std::string::npos;
    delimiterInValue(lines.lineOf(p), [&] {
      return cat(
          subject(r), ": the value of ", R::kFields[p].name, ", ", quoted(value), ", holds ",
          semicolon ? "';'" : "'!'",
          " because a ',' follows later on its line; it is written so, and EnergyPlus reads ",
          semicolon ? "the ';' as the end of the generated object"
                    : "the '!' as the start of a comment",
          "; keep ',' out of comments");
    });
  }
}

// What a tab before a value changes, and whether EnergyPlus then stops.
struct TabEffect {
  std::string text;
  bool stops = false;
};

// What a tab before a value changes where the program compares the value exactly: the fan, and
// which indoor units belong to which outdoor unit. Nothing where VRF objects are not written.
struct TabEffects {
  const VrfMembership* members;  // null when no VRF object is written
  const TemplateLists& t;

  void operator()(const Termostato&, std::size_t, std::vector<TabEffect>&) const {}

  void operator()(const VRVUnidadInterior& u, std::size_t index,
                  std::vector<TabEffect>& effects) const {
    if (members == nullptr) return;
    if (tabBefore(u.fanOperatingMode) && equalsIgnoringCase(trimmed(u.fanOperatingMode), "Auto")) {
      effects.push_back({"the constant fan is written, not the cycling one that \"Auto\" selects"});
    }
    if (tabBefore(u.outdoorUnitName) && !members->isMember(index)) {
      effects.push_back(
          {cat("the unit belongs to no outdoor unit, so its terminal unit, fan, coils "
               "and zone control are not written and ",
               kStops),
           true});
    }
  }

  void operator()(const VRVUnidadExterior& o, std::size_t index,
                  std::vector<TabEffect>& effects) const {
    if (members == nullptr || !tabBefore(o.name) || !members->membersOf(index).empty()) return;
    const bool named = std::any_of(t.indoorUnits.begin(), t.indoorUnits.end(), [&o](const auto& u) {
      return NameEqual{}(u.outdoorUnitName, o.name);
    });
    if (named) {
      effects.push_back({cat("the indoor units that name it do not belong to it, so their terminal "
                             "units, fans, coils and zone controls are not written and ",
                             kStops),
                         true});
    }
  }
};

// One message for each object whose field lines hold a tab before a value; the checks of those
// values say nothing more.
template <class R>
void checkTabs(const std::deque<R>& records, const TabEffects& effectsOf, Problem& tabs) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    const R& r = records[i];
    std::string fields;
    std::size_t first = 0, count = 0;
    for (std::size_t p = 0; p < R::kFields.size(); ++p) {
      if (!tabBefore(r.*R::kFields[p].member) || !lineGiven(r, p)) continue;
      if (count++ == 0) first = p;
      fields += cat(count == 1 ? "" : ", ", R::kFields[p].name);
    }
    if (count == 0) continue;
    std::vector<TabEffect> effects;
    effectsOf(r, i, effects);
    const bool stops =
        std::any_of(effects.begin(), effects.end(), [](const TabEffect& e) { return e.stops; });
    tabs(r.lines.lineOf(first), stops ? Severity::Severe : Severity::Warning, [&] {
      std::string what;
      for (const TabEffect& e : effects) what += "; " + e.text;
      if (what.empty()) {
        what =
            "; EnergyPlus drops it again where it reads these values, but where the program "
            "compares a value exactly (\"Auto\", the name of an outdoor unit) it changes "
            "what is written";
      }
      return cat(subject(r), ": a tab stands before the value of ", fields,
                 ", and the program keeps it as part of the value", what,
                 "; indent template lines with blanks, not tabs");
    });
  }
}

}  // namespace

void checkTabs(const TemplateLists& t, const VrfMembership* members, Diagnostics& d) {
  Problem tabs(d, Severity::Warning, "template objects with tabs before values");
  const TabEffects effects{members, t};
  checkTabs(t.thermostats, effects, tabs);
  checkTabs(t.indoorUnits, effects, tabs);
  checkTabs(t.outdoorUnits, effects, tabs);
}

void checkObjectLines(const TemplateLists& t, Diagnostics& d) {
  // What the program reads otherwise than meant; EnergyPlus may or may not stop on the result.
  const Severity s = Severity::Warning;
  Problem undelimited(d, s, "template field lines with neither ',' nor ';'");
  Problem cutOff(d, s, "template objects cut off by the end of the input");
  Problem swallowed(d, s, "template objects that read the lines after them as extra fields");
  Problem delimiterInValue(d, s, "template field values that hold ';' or '!'");
  for (const Termostato& r : t.thermostats) {
    checkObject(r, undelimited, cutOff, swallowed, delimiterInValue);
  }
  for (const VRVUnidadInterior& r : t.indoorUnits) {
    checkObject(r, undelimited, cutOff, swallowed, delimiterInValue);
  }
  for (const VRVUnidadExterior& r : t.outdoorUnits) {
    checkObject(r, undelimited, cutOff, swallowed, delimiterInValue);
  }
}

}  // namespace vak
