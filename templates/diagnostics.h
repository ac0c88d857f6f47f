#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vak {

inline constexpr std::string_view kProgramName = "expandVAKobjects";

// The input file, which line numbers in warnings refer to.
inline constexpr const char* kInputName = "in.idf";

// How EnergyPlus's error file counts a warning passed on to it: Severe where EnergyPlus stops
// on the mistake, Warning where it runs on. A note is for standard error alone.
enum class Severity { Note, Warning, Severe };

// One message about the input: its line (0 when it is tied to none) and its text, without the
// start that says where and what it is.
struct Message {
  Severity severity;
  std::size_t line;
  std::string text;
};

// Where the messages go: to standard error as they come, one line each, in the form editors
// jump to ("in.idf:12: warning: ..."), and into a list that the output passes on to EnergyPlus.
class Diagnostics {
 public:
  // Without a stream the messages are only kept, to be printed by another's add.
  explicit Diagnostics(std::ostream* out = nullptr) : out_(out) {}
  Diagnostics(const Diagnostics&) = delete;
  Diagnostics& operator=(const Diagnostics&) = delete;

  void warning(Severity severity, std::size_t line, std::string text) {
    add({severity, line, std::move(text)});
  }
  void note(std::string text) { add({Severity::Note, 0, std::move(text)}); }

  // Prints and keeps another's messages after these.
  void add(const Diagnostics& later) {
    for (const Message& m : later.messages_) add(m);
  }

  const std::vector<Message>& messages() const { return messages_; }

 private:
  void add(Message m) {
    if (out_ != nullptr) {
      if (m.severity == Severity::Note) {
        *out_ << kProgramName << ": note: ";
      } else if (m.line == 0) {
        *out_ << kProgramName << ": warning: ";
      } else {
        *out_ << kInputName << ':' << m.line << ": warning: ";
      }
      *out_ << m.text << '\n';
    }
    messages_.push_back(std::move(m));
  }

  std::ostream* out_;
  std::vector<Message> messages_;
};

// Text in double quotes, cut after `limit` characters, so that blanks at either end show.
// Control characters are escaped, so that a tab or a carriage return is seen, not obeyed.
inline std::string quoted(std::string_view text, std::size_t limit = 80) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string q = "\"";
  for (const char c : text.substr(0, limit)) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '\t') {
      q += "\\t";
    } else if (c == '\r') {
      q += "\\r";
    } else if (c == '"' || c == '\\') {
      q += '\\';
      q += c;
    } else if (u < 0x20 || u == 0x7f) {
      q += "\\x";
      q += kHex[u >> 4];
      q += kHex[u & 0xf];
    } else {
      q += c;
    }
  }
  q += text.size() > limit ? "\"..." : "\"";
  return q;
}

}  // namespace vak
