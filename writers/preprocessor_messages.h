#pragma once

#include <span>
#include <string>
#include <vector>

#include "templates/diagnostics.h"
#include "writers/idf_lines.h"

namespace vak {

// How a message stands in an Output:PreprocessorMessage object: its in.idf line first, the
// characters that would end a field or start a comment replaced, wrapped at blanks into at most
// kMessageLines lines of at most kMessageWidth characters. A longer message is cut, and its last
// line says that the rest is on standard error.
inline constexpr std::size_t kMessageLines = 10;
inline constexpr std::size_t kMessageWidth = 99;
std::vector<std::string> messageLines(const Message& message);

// One Output:PreprocessorMessage per warning, after the generated objects: EnergyPlus lists
// them at the start of its error file and counts them among its warnings and severe errors.
// Notes are left out. Writes nothing when there is no warning.
void writePreprocessorMessages(IdfLines& out, std::span<const Message> messages);

}  // namespace vak
