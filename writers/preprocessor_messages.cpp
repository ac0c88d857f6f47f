#include "writers/preprocessor_messages.h"

#include <string_view>

namespace vak {

namespace {

constexpr std::string_view kRest = " (continued on standard error)";

// What a character that a field value may not hold becomes where the message quotes it.
std::string_view named(char c) {
  switch (c) {
    case ',':
      return "<comma>";
    case ';':
      return "<semicolon>";
    default:
      return "<exclamation mark>";
  }
}

bool delimiter(char c) {
  return c == ',' || c == ';' || c == '!';
}

// The text with every ",", ";" and "!" replaced. Where the message quotes text ("a;b", or a
// character alone, ';'), each is named, so that the quote keeps its meaning; elsewhere they
// separate the message's parts, and ";" becomes "." and "," " /".
std::string fieldSafe(std::string_view text) {
  std::string safe;
  bool inQuotes = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      inQuotes = !inQuotes;
    } else if (inQuotes && c == '\\' && i + 1 < text.size()) {  // an escaped '"' or '\'
      safe += c;
      safe += text[++i];
      continue;
    }
    if (!delimiter(c)) {
      safe += c;
    } else if (inQuotes ||
               (i > 0 && text[i - 1] == '\'' && i + 1 < text.size() && text[i + 1] == '\'')) {
      safe += named(c);
    } else {
      safe += c == ',' ? " /" : ".";
    }
  }
  return safe;
}

}  // namespace

std::vector<std::string> messageLines(const Message& message) {
  std::string text = message.line == 0
                         ? std::string()
                         : std::string(kInputName) + " line " + std::to_string(message.line) + ": ";
  text = fieldSafe(text + message.text);
  std::vector<std::string> lines;
  std::string_view rest = text;
  while (!rest.empty()) {
    const bool last = lines.size() + 1 == kMessageLines;
    const std::size_t width =
        last && rest.size() > kMessageWidth ? kMessageWidth - kRest.size() : kMessageWidth;
    std::size_t cut = rest.size();
    if (cut > width) {
      // After the last blank that leaves a line of at most `width`; a longer word is split.
      const std::size_t blank = rest.substr(0, width + 1).rfind(' ');
      cut = blank == std::string_view::npos || blank == 0 ? width : blank;
    }
    lines.emplace_back(rest.substr(0, cut));
    rest.remove_prefix(cut);
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    if (last && !rest.empty()) {
      lines.back() += kRest;
      break;
    }
  }
  return lines;
}

void writePreprocessorMessages(IdfLines& out, std::span<const Message> messages) {
  bool first = true;
  for (const Message& m : messages) {
    if (m.severity == Severity::Note) continue;
    if (first) {
      out.blankLine();
      out.line("!-   ===========  ALL OBJECTS IN CLASS: OUTPUT:PREPROCESSORMESSAGE ===========");
      first = false;
    }
    out.blankLine();
    out.line("Output:PreprocessorMessage,");
    out.set("     ").append(kProgramName).append(",        !- Preprocessor Name").write();
    out.line(m.severity == Severity::Severe ? "     Severe,                  !- Error Severity"
                                            : "     Warning,                 !- Error Severity");
    std::vector<std::string> lines = messageLines(m);
    if (lines.empty()) lines.emplace_back();
    for (std::size_t i = 0; i < lines.size(); ++i) {
      out.set("     ")
          .append(lines[i])
          .append(i + 1 == lines.size() ? ";" : ",")
          .append("  !- Message Line ")
          .append(std::to_string(i + 1))
          .write();
    }
  }
}

}  // namespace vak
