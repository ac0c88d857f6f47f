#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <system_error>

namespace vak {

// Every call the program makes on files goes through these classes, so that the conversion
// never includes a system header and the tests can make any call fail on demand. Failures
// come back as the system's own error code.

// No implementation moves more than this in one system call: a single call never blocks for
// long, and the count fits every platform's size type.
inline constexpr std::size_t kMaxTransfer = std::size_t{4} << 20;

class InputFile {
 public:
  virtual ~InputFile() = default;

  // Reads at least one byte into `buffer` unless the input has ended, when it returns 0. It
  // may return fewer bytes than asked for before the end.
  virtual std::size_t read(std::span<char> buffer, std::error_code& ec) = 0;

  // Goes back to the first byte: the names that templates refer to are read in a second pass.
  virtual void rewind(std::error_code& ec) = 0;
};

// A new temporary file beside the output that takes the output's place on commit. Destroying
// it without a commit removes it.
class OutputFile {
 public:
  virtual ~OutputFile() = default;

  // Writes every byte, or fails.
  virtual void write(std::span<const char> bytes, std::error_code& ec) = 0;

  // Closes the file. A system that reports a failed write only now reports it here.
  virtual void close(std::error_code& ec) = 0;

  // After close: replaces the output by this file in one step, so that a reader sees either
  // the earlier output or the new one. A replaced output's permissions are kept. Interruptions
  // are held from just before the replacement and, once it is done, until the process ends: a
  // run that has replaced its output ends as it would have without them, so its exit status
  // matches the output. A failed commit lets them through again.
  virtual void commit(std::error_code& ec) = 0;

  // Closes the file if it is open and removes it. Never fails.
  virtual void abort() noexcept = 0;
};

class FileLayer {
 public:
  virtual ~FileLayer() = default;

  // Opens `name`, in the working directory, for reading. A folder is refused with
  // std::errc::is_a_directory.
  virtual std::unique_ptr<InputFile> openInput(const std::string& name, std::error_code& ec) = 0;

  // Creates a temporary file with a unique name beside `target`, in the working directory.
  virtual std::unique_ptr<OutputFile> createOutput(const std::string& target,
                                                   std::error_code& ec) = 0;

  // `name` with the working directory in front, as the user knows it, for messages.
  virtual std::string describe(const std::string& name) = 0;

  // Why the last write to standard output failed, as far as the system says.
  virtual std::error_code consoleError() = 0;
};

// The layer of the system the program runs on. The first call also readies the process: file
// size limits and closed pipes become errors of the call that meets them, and an interrupted
// run removes its temporary file.
FileLayer& systemFileLayer();

}  // namespace vak
