#pragma once

#include <memory>
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
// stretch of fixed text between two values, however many lines the table holds.
template <class R>
class JoinedLines {
 public:
  explicit JoinedLines(std::string_view eol) : eol_(eol) {}

  void add(const Line<R>& l) {
    text_.append(l.before);
    if (l.field) {
      values_.push_back({text_.size(), l.field});
      text_.append(l.after);
    }
    text_.append(eol_);
  }

  void write(LineSink& sink, const R& record) const {
    std::size_t from = 0;
    for (const Value& v : values_) {
      sink.writeText(std::string_view(text_).substr(from, v.at - from));
      sink.writeText(v.field(record));
      from = v.at;
    }
    sink.writeText(std::string_view(text_).substr(from));
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
    if (!l.field) {
      line(l.before);
    } else {
      sink_.writeLine(l.before, l.field(record), l.after);
    }
  }
  template <class R>
  void lines(const R& record, std::span<const Line<R>> table) {
    lines(record, joined<R>(table, 0, [table](JoinedLines<R>& j) {
            for (const Line<R>& l : table) j.add(l);
          }));
  }
  template <class R>
  void lines(const R& record, const JoinedLines<R>& joined) {
    joined.write(sink_, record);
  }

  // The lines of a table joined for this output, built by `build` on first use. `selection`
  // tells apart different choices of lines from one table.
  template <class R, class Table, class Build>
  const JoinedLines<R>& joined(std::span<Table> table, unsigned selection, Build build) {
    if (eol_ != sink_.eol()) {  // joined with another terminator
      joined_.clear();
      eol_ = sink_.eol();
    }
    for (const Joined& j : joined_) {
      if (j.table == table.data() && j.rows == table.size() && j.selection == selection) {
        return static_cast<const JoinedOf<R>&>(*j.lines).lines;
      }
    }
    auto made = std::make_unique<JoinedOf<R>>(eol_);
    build(made->lines);
    const JoinedLines<R>& lines = made->lines;
    joined_.push_back({table.data(), table.size(), selection, std::move(made)});
    return lines;
  }

 private:
  struct AnyJoined {
    virtual ~AnyJoined() = default;
  };
  template <class R>
  struct JoinedOf : AnyJoined {
    explicit JoinedOf(std::string_view eol) : lines(eol) {}
    JoinedLines<R> lines;
  };
  struct Joined {
    const void* table;
    std::size_t rows;
    unsigned selection;
    std::unique_ptr<AnyJoined> lines;
  };

  static constexpr std::size_t kBlock = std::size_t{1} << 18;

  LineSink& sink_;
  std::string buf_;
  std::string_view eol_;
  std::vector<Joined> joined_;  // a few tables: a search beats a hash
};

}  // namespace vak
