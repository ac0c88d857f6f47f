#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "checks/name_keys.h"
#include "templates/diagnostics.h"
#include "templates/records.h"
#include "writers/vrf_version.h"

namespace vak {

inline constexpr std::size_t kShownPerProblem = 3;

// What most messages say EnergyPlus does with the mistake.
inline constexpr std::string_view kStops = "EnergyPlus stops with a severe error";

// The EnergyPlus release that the file is written for, where releases differ in what they do
// with a mistake. EnergyPlus 9.2 and later read their input with other code than 7.1 and 8.0:
// messages say what the release written does.
struct Target {
  std::optional<Release> release;  // none when the file names none

  // The input code of the current layout's releases; without a release, the earlier one.
  bool current() const { return release && *release >= Release{9, 2}; }
  // A "D" before the exponent, as in 4.0D-1: read by the releases up to 8.1, written in Fortran.
  bool readsDExponent() const { return !release || *release <= Release{8, 1}; }
};

// The pieces of a message joined; numbers are written in decimal.
inline void appendPiece(std::string& text, std::string_view piece) {
  text.append(piece);
}
inline void appendPiece(std::string& text, std::size_t number) {
  text += std::to_string(number);
}
template <class... Pieces>
std::string cat(const Pieces&... pieces) {
  std::string text;
  (appendPiece(text, pieces), ...);
  return text;
}

// One kind of problem: the first few occurrences in full, then how many more there were.
class Problem {
 public:
  Problem(Diagnostics& diagnostics, Severity severity, std::string more)
      : diagnostics_(diagnostics), severity_(severity), more_(std::move(more)) {}
  Problem(const Problem&) = delete;
  Problem& operator=(const Problem&) = delete;
  ~Problem() {
    if (count_ > kShownPerProblem) {
      diagnostics_.warning(worst_, 0, cat(count_ - kShownPerProblem, " more ", more_));
    }
  }

  // One occurrence, about line `line` of the input. `message()` gives its text, and is called
  // only for the occurrences shown: most of many are only counted.
  template <class Message>
  void operator()(std::size_t line, const Message& message) {
    (*this)(line, severity_, message);
  }
  // One whose consequence differs from the kind's.
  template <class Message>
  void operator()(std::size_t line, Severity severity, const Message& message) {
    if (++count_ <= kShownPerProblem) {
      diagnostics_.warning(severity, line, message());
    } else if (severity > worst_) {
      worst_ = severity;  // of those only counted
    }
  }

 private:
  Diagnostics& diagnostics_;
  Severity severity_;
  Severity worst_ = Severity::Note;
  std::string more_;  // owned: a name built for the call must outlive it
  std::size_t count_ = 0;
};

// The class and name of a template object, as messages start: HVACVAKTemplate:Thermostat "T1".
template <class R>
std::string subject(const R& record) {
  if (record.name.empty()) return cat(R::kClassName, " (no name)");
  return cat(R::kClassName, " ", quoted(record.name));
}

// The line of a field of a record.
template <class R>
std::size_t lineOf(const R& record, std::string R::*member) {
  return record.lines.lineOf(positionOf<R>(member));
}

// The field's name in the modeller reference.
template <class R>
std::string_view nameOf(std::string R::*member) {
  return R::kFields[positionOf<R>(member)].name;
}

// Whether a field value took in a ';' or '!' from its line.
inline bool holdsDelimiter(std::string_view value) {
  for (const char c : value) {
    if (c == ';' || c == '!') return true;
  }
  return false;
}

// Whether the line of the field at `position` gave its value, so that checks of its content
// make sense unless the value took in a ';' or '!'. Not so for a field whose line was malformed
// or never read, nor for a last field that swallowed the lines after it: those are reported as
// such, once.
template <class R>
bool lineGiven(const R& record, std::size_t position) {
  constexpr std::size_t n = R::kFields.size();
  const ObjectLines& lines = record.lines;
  // Most objects have one well-formed line for each field, and no more.
  if (lines.fieldLines == n && lines.undelimited.empty()) return true;
  return lines.read(position) && !(position + 1 == n && lines.fieldLines > n);
}

// Whether a tab stands before a value: the field reader keeps it as part of the value.
inline bool tabBefore(std::string_view value) {
  return !value.empty() && value.front() == '\t';
}

// Whether the field at `position` holds what the modeller wrote: its line gave it, and it took
// in no ';' or '!' and no tab before it, which are reported as such.
template <class R>
bool given(const R& record, std::size_t position) {
  const std::string& value = record.*R::kFields[position].member;
  return lineGiven(record, position) && !holdsDelimiter(value) && !tabBefore(value);
}
template <class R>
bool given(const R& record, std::string R::*member) {
  return given(record, positionOf<R>(member));
}

std::string counted(std::size_t count, std::string_view what);

}  // namespace vak
