#pragma once

#include <span>
#include <string>
#include <string_view>

#include "writers/line_sink.h"

namespace vak {

// A record value that a generated line inserts.
template <class R>
using FieldOf = std::string_view (*)(const R&);

namespace detail {
template <class M>
struct MemberOf;
template <class R>
struct MemberOf<std::string R::*> {
  using Record = R;
};
}  // namespace detail

// The reader of one record field, for line tables: get<&VRVUnidadInterior::name>.
template <auto Member>
std::string_view get(const typename detail::MemberOf<decltype(Member)>::Record& record) {
  return record.*Member;
}

// One generated line: the text before the field, the field, the text after it. A line without
// field is the text `before` alone; the empty line is {""}.
template <class R>
struct Line {
  std::string_view before;
  FieldOf<R> field = nullptr;
  std::string_view after = {};
};

// The line buffer through which every writer appends its lines. Record values go in exactly as
// the record holds them; nothing is trimmed, aligned or escaped.
class IdfLines {
 public:
  explicit IdfLines(LineSink& sink) : sink_(sink) {}

  IdfLines& set(std::string_view text) {
    buf_.assign(text);
    return *this;
  }
  IdfLines& append(std::string_view text) {
    buf_.append(text);
    return *this;
  }
  void write() { sink_.writeLine(buf_); }

  // A line of fixed text, an empty line, and a run of fixed lines.
  void line(std::string_view text) { sink_.writeLine(text); }
  void blankLine() { sink_.writeLine({}); }
  void lines(std::span<const std::string_view> fixed) {
    for (std::string_view text : fixed) sink_.writeLine(text);
  }

  template <class R>
  void line(const R& record, const Line<R>& l) {
    if (l.field == nullptr) {
      line(l.before);
    } else {
      sink_.writeLine(l.before, l.field(record), l.after);
    }
  }
  template <class R>
  void lines(const R& record, std::span<const Line<R>> table) {
    for (const Line<R>& l : table) line(record, l);
  }

 private:
  LineSink& sink_;
  std::string buf_;
};

}  // namespace vak
