#include "templates/line_source.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

#include "templates/class_search.h"

namespace vak {

namespace {

// The smallest buffer: a line that outgrows it is never held whole.
constexpr std::size_t kSmallestBuffer = 4096;

const char* find(const char* from, const char* to, char c) {
  return static_cast<const char*>(std::memchr(from, c, static_cast<std::size_t>(to - from)));
}

// Appends text to a class name that outgrew the buffer, in a form that compares the same with
// every name the scan looks for, exactly or blanks aside: a run of blanks becomes one, and past
// 64 characters nothing more can matter.
void appendNamePart(std::string& name, std::string_view part) {
  for (const char c : part) {
    if (name.size() > 64) return;
    const bool blank = c == ' ' || c == '\t';
    if (blank && !name.empty() && name.back() == ' ') continue;
    name += blank ? ' ' : c;
  }
}

// Counts the "\n" in [from, to), sixteen bytes at a time in the compiler's vector type: each
// byte lane counts the breaks it saw, and is emptied before it could overflow.
std::size_t countNewlines(const char* from, const char* to) {
  using Lanes = unsigned char __attribute__((vector_size(16)));
  constexpr std::size_t kStep = 4 * sizeof(Lanes);
  std::size_t count = 0;
  while (static_cast<std::size_t>(to - from) >= kStep) {
    // At most 4 a step in each lane: 63 steps stay below 256.
    const std::size_t steps = std::min<std::size_t>((to - from) / kStep, 63);
    Lanes lanes{};
    for (std::size_t s = 0; s < steps; ++s, from += kStep) {
      for (std::size_t part = 0; part < 4; ++part) {
        Lanes v;
        std::memcpy(&v, from + part * sizeof(Lanes), sizeof(Lanes));
        lanes -= (Lanes)(v == '\n');
      }
    }
    std::uint64_t words[2];
    std::memcpy(words, &lanes, sizeof words);
    for (std::uint64_t w : words) {
      // Pairs of lanes into sixteen bits, then the four sums into the top ones.
      w = (w & 0x00ff00ff00ff00ffu) + ((w >> 8) & 0x00ff00ff00ff00ffu);
      count += static_cast<std::size_t>((w * 0x0001000100010001u) >> 48);
    }
  }
  return count + static_cast<std::size_t>(std::count(from, to, '\n'));
}

}  // namespace

LineSource::LineSource(std::istream& in, std::size_t capacity)
    : in_(in), buf_(std::max(capacity, kSmallestBuffer)) {}

// Hands the copied bytes on, moves the unread ones to the front and reads after them. Returns
// false when the input has nothing more.
bool LineSource::refill() {
  flushCopies();
  countLinesTo(pos_);
  std::memmove(buf_.data(), at(pos_), end_ - pos_);
  end_ -= pos_;
  pos_ = counted_ = copyFrom_ = copyTo_ = 0;
  skipEndKnown_ = false;
  if (eof_ || end_ == buf_.size()) return false;
  const std::size_t room = buf_.size() - end_;
  in_.read(buf_.data() + end_, static_cast<std::streamsize>(room));
  if (in_.bad()) throw IoError("read error");
  const auto got = static_cast<std::size_t>(in_.gcount());
  if (got < room) eof_ = true;
  if (got == 0) return false;
  if (!firstKnown_) {
    if (const char* nl = find(at(end_), at(end_ + got), '\n')) {
      firstKnown_ = true;
      firstCrlf_ = nl == buf_.data() ? lastReadCr_ : nl[-1] == '\r';
    }
    lastReadCr_ = *at(end_ + got - 1) == '\r';
  }
  end_ += got;
  return true;
}

// Lines are counted forward only: this is where the count for the bytes that the buffer drops
// is taken, when nothing found in them needed it sooner.
std::size_t LineSource::countLinesTo(std::size_t to) {
  if (to > counted_) {
    linesBefore_ += countNewlines(at(counted_), at(to));
    counted_ = to;
  }
  return linesBefore_;
}

void LineSource::foundLine(std::size_t start) {
  lineNumber_ = countLinesTo(start) + 1;
}

void LineSource::passLine(std::size_t len, std::size_t number, std::string_view& line) {
  pos_ += len + 1;
  counted_ = pos_;  // no need to count the lines before pos_ again
  linesBefore_ = lineNumber_ = number;
  lineStartDropped_ = false;  // a class line whose start was dropped ends here
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
}

// The start of the line that holds offset `offset`, or the read position if the line began
// before it.
std::size_t LineSource::lineStartOf(std::size_t offset) const {
  while (offset > pos_ && buf_[offset - 1] != '\n') --offset;
  return offset;
}

// The code of the line [start, end), its text before the first "!", holds `c`.
bool LineSource::codeHolds(std::size_t start, std::size_t end, char c) const {
  const char* bang = find(at(start), at(end), '!');
  return find(at(start), bang ? bang : at(end), c) != nullptr;
}

// Bytes [pos_, to) go to `out`; consecutive copies make one run, written when the buffer moves.
void LineSource::copyUpTo(CopySink& out, std::size_t to) {
  if (pos_ != copyTo_ || &out != copySink_) {
    flushCopies();
    copyFrom_ = pos_;
    copySink_ = &out;
  }
  copyTo_ = pos_ = to;
}

void LineSource::flushCopies() {
  if (copyTo_ > copyFrom_) copySink_->copy({at(copyFrom_), copyTo_ - copyFrom_}, firstCrlf_);
  copyFrom_ = copyTo_ = pos_;
}

// The current line fills the buffer and has no "!" so far: copy it and keep its first part.
void LineSource::dropLineStart(CopySink& out) {
  if (!lineStartDropped_) {
    lineStartDropped_ = true;
    droppedSemicolon_ = false;
    droppedName_.clear();
  }
  droppedSemicolon_ = droppedSemicolon_ || find(at(pos_), at(end_), ';') != nullptr;
  appendNamePart(droppedName_, {at(pos_), end_ - pos_});
  copyUpTo(out, end_);
}

// The last line, complete or not, is followed by the run's terminator.
void LineSource::finishInput(CopySink& out) {
  copyUpTo(out, end_);
  flushCopies();
  out.endInput(firstCrlf_);
  ended_ = true;
}

void LineSource::copyRestOfLine(CopySink& out) {
  if (pos_ < end_ && buf_[pos_] == '\n') {  // the usual end of an object: ";" then "\n"
    copyUpTo(out, pos_ + 1);
    lineStartDropped_ = false;
    return;
  }
  for (;;) {
    if (const char* nl = find(at(pos_), at(end_), '\n')) {
      copyUpTo(out, static_cast<std::size_t>(nl + 1 - buf_.data()));
      lineStartDropped_ = false;
      return;
    }
    copyUpTo(out, end_);
    if (!refill()) return finishInput(out);
  }
}

// The first "," "!" or "\n" at or after `from`, or the end of the buffer: on a line outside
// objects, whichever comes first tells a class line from a comment or an empty line.
std::size_t LineSource::markFrom(std::size_t from) const {
  while (from < end_ && buf_[from] != ',' && buf_[from] != '!' && buf_[from] != '\n') ++from;
  return from;
}

bool LineSource::copyToClassLine(CopySink& out, const WantedClasses* wanted) {
  if (midLine_) {
    midLine_ = false;
    copyRestOfLine(out);
  }
  // Outside objects, line by line: the first "," "!" or "\n" of a line decides. These lines
  // are few, and a class line most often comes first.
  while (!ended_) {
    if (wanted != nullptr && !lineStartDropped_) skipOrdinaryObjects(out, *wanted);
    const std::size_t i = markFrom(pos_);
    if (i == end_) {  // the line goes on after the buffer
      if (pos_ == 0 && end_ == buf_.size()) dropLineStart(out);
      if (!refill()) finishInput(out);
    } else if (buf_[i] == ',') {
      foundLine(pos_);
      classComma_ = i;
      atClassLine_ = true;
      if (lineStartDropped_) {
        className_ = droppedName_;
        appendNamePart(className_, {at(pos_), classComma_ - pos_});
      }
      return true;
    } else if (buf_[i] == '!') {
      copyUpTo(out, i);
      copyRestOfLine(out);
    } else {
      copyUpTo(out, i + 1);
      lineStartDropped_ = false;
    }
  }
  flushCopies();
  return false;
}

// Copying over whole objects. A line's code is its text before the first "!". Whether a line
// starts inside an object is set by the last line before it whose code holds a "," or a ";":
// not after a ";" (it ended an object, or stood outside one), inside after a "," alone (it
// opened an object, or stood inside one). So a wanted class line is found by searching for its
// name and looking back, without following every object on the way.

// The first offset in [from, to) where a wanted class name may start.
std::size_t LineSource::candidateIn(std::size_t from, std::size_t to,
                                    const WantedClasses& wanted) const {
  std::array<ClassNameEnds, 3> ends{};
  std::size_t count = 0;
  for (const std::string_view b : wanted.beginnings) {
    if (!b.empty()) ends[count++] = endsOf(b);
  }
  return findClassNameCandidate({at(0), end_}, from, to, {ends.data(), count});
}

// The line at `lineStart`, complete in the buffer, is a class line of a wanted class.
bool LineSource::wantedClassLineAt(std::size_t lineStart, const WantedClasses& wanted) const {
  const std::size_t comma = markFrom(lineStart);
  if (comma == end_ || buf_[comma] != ',') return false;
  std::string_view name(at(lineStart), comma - lineStart);
  name.remove_prefix(std::min(name.find_first_not_of(" \t"), name.size()));
  const auto beginsWith = [name](std::string_view start) {
    return name.size() >= start.size() &&
           std::equal(start.begin(), start.end(), name.begin(), [](char a, char b) {
             return a == b ||
                    (std::isalpha(static_cast<unsigned char>(a)) && (a | 0x20) == (b | 0x20));
           });
  };
  return std::ranges::any_of(wanted.beginnings,
                             [&](std::string_view b) { return !b.empty() && beginsWith(b); });
}

// The line at `lineStart` starts outside objects; the read position is a line start that does.
bool LineSource::outsideObjects(std::size_t lineStart) const {
  std::size_t end = lineStart;  // the line before ends here, after its "\n"
  while (end > pos_) {
    const std::size_t start = lineStartOf(end - 1);
    if (codeHolds(start, end - 1, ';')) return true;
    if (codeHolds(start, end - 1, ',')) return false;
    end = start;
  }
  return true;
}

// The start of the line after the last complete line whose code holds a ";", or the read
// position when there is none.
std::size_t LineSource::afterLastObjectEnd() const {
  // From one past the last complete line, back line by line.
  for (std::size_t end = lineStartOf(end_); end > pos_;) {
    const std::size_t start = lineStartOf(end - 1);
    if (codeHolds(start, end - 1, ';')) return end;
    end = start;
  }
  return pos_;
}

// From a line start outside objects, copies over the objects that hold no wanted class line:
// up to the next wanted class line, or up to the last line of the buffer that ends an object.
void LineSource::skipOrdinaryObjects(CopySink& out, const WantedClasses& wanted) {
  if (!skipEndKnown_) {
    skipEnd_ = afterLastObjectEnd();
    skipEndKnown_ = true;
  }
  // Templates most often follow one another: the line at the read position is looked at first.
  if (pos_ < skipEnd_ && wantedClassLineAt(pos_, wanted)) return;
  std::size_t from = pos_;
  while (from < skipEnd_) {
    const std::size_t candidate = candidateIn(from, skipEnd_, wanted);
    if (candidate == std::string_view::npos) break;
    const std::size_t lineStart = lineStartOf(candidate);
    if (wantedClassLineAt(lineStart, wanted) && outsideObjects(lineStart)) {
      copyUpTo(out, lineStart);
      return;
    }
    // One look at a line is enough: go on from the next.
    from = static_cast<std::size_t>(find(at(candidate), at(skipEnd_), '\n') + 1 - buf_.data());
  }
  if (skipEnd_ > pos_) copyUpTo(out, skipEnd_);
}

std::string_view LineSource::className() const {
  if (lineStartDropped_) return className_;
  return {at(pos_), classComma_ - pos_};
}

void LineSource::copyObject(CopySink& out) {
  atClassLine_ = false;
  if (lineStartDropped_ && droppedSemicolon_) {  // in the class line, before its ","
    midLine_ = true;
    return;
  }
  // Inside the object, by memchr for the next ";" and back to the start of its line.
  while (!ended_) {
    const char* semicolon = find(at(pos_), at(end_), ';');
    const std::size_t stop = semicolon ? static_cast<std::size_t>(semicolon - buf_.data()) : end_;
    const std::size_t start = lineStartOf(stop);
    const bool comment = find(at(start), at(stop), '!') != nullptr;
    if (start != pos_) lineStartDropped_ = false;
    if (comment) {
      copyUpTo(out, stop);
      copyRestOfLine(out);
    } else if (semicolon) {
      copyUpTo(out, stop + 1);
      midLine_ = true;
      foundLine(start);
      return;
    } else {  // the last line in the buffer may still hold the ";"
      copyUpTo(out, start);
      if (pos_ == 0 && end_ == buf_.size()) dropLineStart(out);
      if (!refill()) finishInput(out);
    }
  }
}

CopiedField LineSource::copyField(CopySink& out, std::string& value, std::size_t keep) {
  if (atClassLine_) {
    copyUpTo(out, classComma_ + 1);
    atClassLine_ = false;
  }
  value.clear();
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  const auto trimEnd = [&] {
    while (!value.empty() && blank(value.back())) value.pop_back();
  };
  CopiedField field;
  bool comment = false;
  while (!ended_) {
    for (std::size_t i = pos_; i < end_; ++i) {
      const char c = buf_[i];
      if (c == '\n') {
        comment = false;
        lineStartDropped_ = false;
      } else if (comment) {
        continue;
      } else if (c == '!') {
        comment = true;
        continue;
      } else if (c == ',' || c == ';') {
        copyUpTo(out, i + 1);
        midLine_ = c == ';';
        trimEnd();
        field.delimiter = c;
        return field;
      }
      // A line end separates like a blank.
      if (value.size() < keep) {
        if (!value.empty() || !blank(c)) value += c == '\n' ? ' ' : c;
      } else if (!blank(c)) {
        field.cut = true;
      }
    }
    copyUpTo(out, end_);
    if (!refill()) finishInput(out);
  }
  trimEnd();
  return field;
}

void LineSource::skipLine() {
  atClassLine_ = false;
  for (;;) {
    if (const char* nl = find(at(pos_), at(end_), '\n')) {
      pos_ = static_cast<std::size_t>(nl + 1 - buf_.data());
      lineStartDropped_ = false;
      return;
    }
    pos_ = end_;
    if (!refill()) {
      ended_ = true;
      return;
    }
  }
}

void LineSource::skipThroughLineWith(char mark, char unless) {
  for (;;) {
    const char* m = find(at(pos_), at(end_), mark);
    const char* nl = m == nullptr ? nullptr : find(m, at(end_), '\n');
    if (nl == nullptr) {
      // The next mark, or the end of its line, lies beyond the buffer: one line as next reads it.
      std::string_view line;
      if (!next(line)) return;
      if (line.find(mark) != std::string_view::npos &&
          line.find(unless) == std::string_view::npos) {
        return;
      }
      continue;
    }
    // pos_ starts a line, so the lines before the mark's hold no mark: they pass whole.
    const std::size_t start = lineStartOf(static_cast<std::size_t>(m - buf_.data()));
    const std::string_view line(at(start), static_cast<std::size_t>(nl - at(start)));
    pos_ = static_cast<std::size_t>(nl - buf_.data()) + 1;
    // As next leaves it: the line passed last is the line found last, even if no line follows.
    lineNumber_ = countLinesTo(pos_);
    lineStartDropped_ = false;
    if (line.find(unless) == std::string_view::npos) return;
  }
}

bool LineSource::next(std::string_view& line) {
  const std::size_t number = countLinesTo(pos_) + 1;
  long_.clear();
  bool spans = false;  // the line's text is in long_, not in the buffer
  const char* nl;
  while ((nl = find(at(pos_), at(end_), '\n')) == nullptr) {
    if (spans || end_ - pos_ == buf_.size()) {
      long_.append(at(pos_), end_ - pos_);
      spans = true;
      pos_ = end_;
    }
    if (!refill()) {
      // The last line, without terminator.
      ended_ = true;
      if (spans) long_.append(at(pos_), end_ - pos_);
      line = spans ? std::string_view(long_) : std::string_view(at(pos_), end_ - pos_);
      pos_ = end_;
      if (line.empty()) return false;  // no line, no number
      lineNumber_ = number;
      return true;
    }
  }
  const auto len = static_cast<std::size_t>(nl - at(pos_));
  if (spans) {
    long_.append(at(pos_), len);
    line = long_;
  } else {
    line = std::string_view(at(pos_), len);
  }
  passLine(len, number, line);
  return true;
}

}  // namespace vak
