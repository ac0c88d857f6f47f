#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "writers/line_sink.h"

namespace vak {

namespace detail {
template <class M>
struct MemberOf;
template <class R>
struct MemberOf<std::string R::*> {
  using Record = R;
};
}  // namespace detail

// A record value that a generated line inserts: a field of the record as the record holds it,
// read in place, or a value that a function derives from the record.
template <class R>
class FieldOf {
 public:
  constexpr FieldOf() = default;
  constexpr FieldOf(std::string R::*member) : member_(member) {}
  constexpr FieldOf(std::string_view (*derive)(const R&)) : derive_(derive) {}

  constexpr explicit operator bool() const { return member_ != nullptr || derive_ != nullptr; }
  std::string_view operator()(const R& record) const {
    return member_ != nullptr ? std::string_view(record.*member_) : derive_(record);
  }

 private:
  std::string R::*member_ = nullptr;
  std::string_view (*derive_)(const R&) = nullptr;
};

// A record field, for line tables: get<&VRVUnidadInterior::name>.
template <auto Member>
inline constexpr FieldOf<typename detail::MemberOf<decltype(Member)>::Record> get{Member};

// One generated line: the text before the field, the field, the text after it. A line without
// field is the text `before` alone; the empty line is {""}.
template <class R>
struct Line {
  std::string_view before;
  FieldOf<R> field = {};
  std::string_view after = {};
};

// A table of lines joined for one line terminator: all its fixed text in one string, and the
// places where record values go. A record is then written as one copy per value and one per
// stretch of fixed text between two values, however many lines the table holds. A writer joins
// its tables once per run, for the run's terminator and layout.
template <class R>
class JoinedLines {
 public:
  explicit JoinedLines(std::string_view eol) : eol_(eol) {}
  JoinedLines(std::span<const Line<R>> table, std::string_view eol) : eol_(eol) {
    for (const Line<R>& l : table) add(l);
  }

  void add(const Line<R>& l) {
    text_.append(l.before);
    if (l.field) {
      values_.push_back({text_.size(), l.field});
      text_.append(l.after);
    }
    text_.append(eol_);
  }

  void write(LineSink& sink, const R& record) const {
    const std::string_view text = text_;
    std::size_t from = 0;
    for (const Value& v : values_) {
      sink.writeTextAndValue(text.substr(from, v.at - from), v.field(record));
      from = v.at;
    }
    sink.writeText(text.substr(from));
  }

 private:
  struct Value {
    std::size_t at;  // offset in text_ where the value goes
    FieldOf<R> field;
  };
  std::string_view eol_;
  std::string text_;
  std::vector<Value> values_;
};

// The line buffer through which every writer appends its lines. Record values go in exactly as
// the record holds them; nothing is trimmed, aligned or escaped.
class IdfLines {
 public:
  // A VRF system writes about 5 KiB per indoor unit: generated text goes out in large blocks,
  // for fewer system calls, though not so large that a small model's run touches more memory
  // than it needs.
  explicit IdfLines(LineSink& sink) : sink_(sink) { sink_.growTo(kBlock); }

  // The terminator written after every line, which joined tables are made for.
  std::string_view eol() const { return sink_.eol(); }

  IdfLines& set(std::string_view text) {
    buf_.assign(text);
    return *this;
  }
  IdfLines& append(std::string_view text) {
    buf_.append(text);
    return *this;
  }
  void write() { sink_.writeLine(buf_); }

  // A field line of five blanks, the value and its delimiter, and the comment "!- label" from
  // the 31st character on (or one blank after a longer value).
  void field(std::string_view value, std::string_view label, bool last = false) {
    constexpr std::size_t kCommentColumn = 30;
    constexpr std::string_view kBlanks = "                              ";
    const std::size_t width = 5 + value.size() + 1;
    const std::size_t pad = width < kCommentColumn ? kCommentColumn - width : 0;
    set("     ").append(value).append(last ? ";" : ",").append(kBlanks.substr(0, pad));
    append("!- ").append(label).write();
  }

  // A line of fixed text, an empty line, and a run of fixed lines.
  void line(std::string_view text) { sink_.writeLine(text); }
  void blankLine() { sink_.writeLine({}); }
  void lines(std::span<const std::string_view> fixed) {
    for (std::string_view text : fixed) sink_.writeLine(text);
  }

  template <class R>
  void line(const R& record, const Line<R>& l) {
    if (!l.field) {
      line(l.before);
    } else {
      sink_.writeLine(l.before, l.field(record), l.after);
    }
  }
  template <class R>
  void lines(const R& record, const JoinedLines<R>& joined) {
    joined.write(sink_, record);
  }

 private:
  static constexpr std::size_t kBlock = std::size_t{1} << 18;

  LineSink& sink_;
  std::string buf_;
};

}  // namespace vak
