#include "templates/records.h"

#include <algorithm>

namespace vak {

namespace {

constexpr std::size_t kKeptText = 80;

// Fills the fields in input order, one line per position. Lines beyond the last field are
// read and dropped up to the one that ends the object. The class line was the last line read.
template <class R>
void readFields(R& record, TemplateInput& in) {
  ObjectLines& lines = record.lines;
  lines.classLine = in.lines.lineNumber();
  for (std::size_t position = 0;; ++position) {
    FieldLine field = ObjetosVAK::leerCampo(in);
    if (field.end == FieldEnd::EndOfInput) {
      lines.cutOff = true;
      return;
    }
    lines.fieldLines = position + 1;
    if (field.end == FieldEnd::NoDelimiter) {
      lines.undelimited.push_back({position, std::string(field.line.substr(0, kKeptText))});
    }
    if (position < R::kFields.size()) {
      record.*R::kFields[position].member = field.value;
    } else if (position == R::kFields.size()) {
      lines.firstExtra = field.line.substr(0, kKeptText);
    }
    if (field.end == FieldEnd::Last) return;
  }
}

// Each field of the record is filled from one input position, so no member may appear twice.
template <class R>
constexpr bool distinct() {
  for (std::size_t i = 0; i < R::kFields.size(); ++i) {
    for (std::size_t j = i + 1; j < R::kFields.size(); ++j) {
      if (R::kFields[i].member == R::kFields[j].member) return false;
    }
  }
  return true;
}

static_assert(distinct<Termostato>() && distinct<VRVUnidadInterior>() &&
              distinct<VRVUnidadExterior>());

}  // namespace

bool ObjectLines::read(std::size_t position) const {
  if (position >= fieldLines) return false;
  return std::none_of(undelimited.begin(), undelimited.end(),
                      [position](const MalformedLine& m) { return m.position == position; });
}

namespace {

// How a field line ends, and where its value ends.
struct Delimiter {
  FieldEnd end;
  std::size_t at;  // the "," or ";", or npos
};

Delimiter delimiterOf(std::string_view line) {
  if (const std::size_t comma = line.find(','); comma != std::string_view::npos) {
    return {FieldEnd::More, comma};
  }
  const std::size_t semicolon = line.find(';');
  return {semicolon != std::string_view::npos ? FieldEnd::Last : FieldEnd::NoDelimiter, semicolon};
}

}  // namespace

void ObjetosVAK::skipFields(LineSource& lines) {
  // The line that ends the object holds a ";" and no ",": see delimiterOf.
  lines.skipThroughLineWith(';', ',');
}

FieldLine ObjetosVAK::leerCampo(TemplateInput& in) {
  std::string_view line;
  if (!in.lines.next(line)) return {{}, FieldEnd::EndOfInput, {}};
  const Delimiter delimiter = delimiterOf(line);
  if (delimiter.end == FieldEnd::NoDelimiter) {
    in.console << "error\n";
    return {{}, delimiter.end, line};
  }
  // The delimiter is not a blank, so the first non-blank lies at or before it.
  const std::size_t start = line.find_first_not_of(' ');
  return {line.substr(start, delimiter.at - start), delimiter.end, line};
}

Termostato::Termostato(TemplateInput& in) {
  readFields(*this, in);
}

VRVUnidadInterior::VRVUnidadInterior(TemplateInput& in) {
  readFields(*this, in);
}

VRVUnidadExterior::VRVUnidadExterior(TemplateInput& in) {
  readFields(*this, in);
}

}  // namespace vak
