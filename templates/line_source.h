#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

#include "templates/byte_buffer.h"
#include "templates/copy_sink.h"
#include "templates/io_error.h"

namespace vak {

// The class lines that a reader of the input must see: those whose class name begins with one
// of these, in any letter case, after any blanks. The objects of other classes may be copied
// over unread.
struct WantedClasses {
  std::array<std::string_view, 3> beginnings;  // each at least two characters long, or empty
};

// How copyField ended: at the field's delimiter ("," or ";", or '\0' at the end of input), and
// whether the field went on, beyond blanks, after the characters kept.
struct CopiedField {
  char delimiter = '\0';
  bool cut = false;
};

// The input, read in large chunks into one fixed buffer. "\n" ends a line; a "\r" right before
// it belongs to the terminator.
//
// Two ways to read it. Template objects are read as whole lines (next). Everything else is
// copied: the scan looks only at class lines and at the ";" that ends an object, and the lines
// in between go to a CopySink as whole runs of the buffer, searched with memchr rather than
// split into lines. A copied line never has to fit in the buffer, so memory stays bounded
// whatever the length of the lines; only the lines of template objects are held whole.
class LineSource {
 public:
  static constexpr std::size_t kDefaultCapacity = std::size_t{1} << 17;

  // The buffer holds `capacity` bytes, at least 4096.
  explicit LineSource(std::istream& in, std::size_t capacity = kDefaultCapacity);
  LineSource(const LineSource&) = delete;
  LineSource& operator=(const LineSource&) = delete;

  // Reads the next line whole. The view stays valid until the next call. Returns false when
  // the input had no character left; the line is then empty. Throws IoError on a read error.
  bool next(std::string_view& line);

  // Passes over whole lines as next would read them, up to and including the first line that
  // holds `mark` and not `unless`, or to the end of input. Where such lines are rare it jumps
  // from one `mark` to the next instead of splitting the text into lines.
  void skipThroughLineWith(char mark, char unless);

  // Copies to `out` the lines before the next class line: a line whose text before its first
  // "!" holds a ",". Leaves the class line unread and returns true; at the end of input returns
  // false, after ending the last copied line with a terminator. Given `wanted`, the objects of
  // other classes may be copied over as well.
  bool copyToClassLine(CopySink& out, const WantedClasses* wanted = nullptr);

  // The class line's text before its ",". For a line longer than the buffer, a shortened form
  // that compares the same with every class name the scan looks for.
  std::string_view className() const;

  // Copies the object that opens at the class line, or goes on after copyField, up to the first
  // ";" that stands before any "!" on its line. The rest of that line is copied by the next
  // copyToClassLine.
  void copyObject(CopySink& out);

  // Copies the next field of the object whose class line was found last, the first one after
  // the class line's ",": its text up to the next "," or ";" outside comments, over as many
  // lines as it takes, as EnergyPlus reads it. `value` gets that text without its comments,
  // line ends and the blanks and tabs at either end, cut after `keep` characters, so that
  // memory stays bounded whatever the length of the lines. After a ";" the next
  // copyToClassLine copies the rest of its line; after a "," copyField or copyObject goes on.
  CopiedField copyField(CopySink& out, std::string& value, std::size_t keep);

  // Reads and drops the class line.
  void skipLine();

  // End of input was met: by a line without terminator or by a read that found nothing.
  bool atEnd() const { return ended_; }

  // The first line of the input ended with "\r\n".
  bool firstLineCrlf() const { return firstCrlf_; }

  // Number of the line returned or found last, counting from 1; 0 before the first. A call
  // that finds no line leaves it as it was, so that it always names a line of the input.
  std::size_t lineNumber() const { return lineNumber_; }

 private:
  // Moves past the `len` bytes at the read position and the "\n" after them, line `number`,
  // whose text is `line`; a "\r" before the "\n" belongs to the terminator.
  void passLine(std::size_t len, std::size_t number, std::string_view& line);
  std::size_t markFrom(std::size_t from) const;
  bool refill();
  void skipOrdinaryObjects(CopySink& out, const WantedClasses& wanted);
  std::size_t candidateIn(std::size_t from, std::size_t to, const WantedClasses& wanted) const;
  bool wantedClassLineAt(std::size_t lineStart, const WantedClasses& wanted) const;
  bool outsideObjects(std::size_t lineStart) const;
  std::size_t afterLastObjectEnd() const;
  void copyRestOfLine(CopySink& out);
  void copyUpTo(CopySink& out, std::size_t to);
  void flushCopies();
  void dropLineStart(CopySink& out);
  void finishInput(CopySink& out);
  std::size_t lineStartOf(std::size_t offset) const;
  bool codeHolds(std::size_t start, std::size_t end, char c) const;
  void foundLine(std::size_t start);
  std::size_t countLinesTo(std::size_t to);
  const char* at(std::size_t offset) const { return buf_.data() + offset; }

  std::istream& in_;
  ByteBuffer buf_;
  std::size_t pos_ = 0;  // read position; bytes [pos_, end_) are unread
  std::size_t end_ = 0;
  bool eof_ = false;
  bool ended_ = false;

  // The terminator of the first line, found while reading.
  bool firstCrlf_ = false;
  bool firstKnown_ = false;
  bool lastReadCr_ = false;

  // Line breaks before offset counted_ of the buffer. The count only moves forward: up to a
  // line that is found or read, and over the rest when the buffer moves on.
  std::size_t counted_ = 0;
  std::size_t linesBefore_ = 0;
  std::size_t lineNumber_ = 0;

  // Copied bytes [copyFrom_, copyTo_) not yet handed to copySink_.
  std::size_t copyFrom_ = 0;
  std::size_t copyTo_ = 0;
  CopySink* copySink_ = nullptr;

  // The current line began before the buffer: whether the dropped part held a ";", and that
  // part shortened as a class name.
  bool lineStartDropped_ = false;
  bool droppedSemicolon_ = false;
  std::string droppedName_;
  std::string className_;

  // Where copying over whole objects stops in this buffer: after the last line that ends an
  // object. Found once per buffer.
  std::size_t skipEnd_ = 0;
  bool skipEndKnown_ = false;

  std::size_t classComma_ = 0;  // offset of the class line's ","
  bool atClassLine_ = false;    // the class line found last is still unread
  bool midLine_ = false;        // copyObject stopped after the ";"
  std::string long_;            // a whole line longer than the buffer
};

}  // namespace vak
