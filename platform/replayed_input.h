#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <system_error>

#include "platform/file_layer.h"

namespace vak {

// A file without a name of its own, removed when closed, that keeps what an input gave.
class ScratchFile {
 public:
  virtual ~ScratchFile() = default;

  // Appends every byte, or fails.
  virtual void append(std::span<const char> bytes, std::error_code& ec) = 0;

  // Reads what was appended from `offset` on, as much as `buffer` takes; 0 at the end.
  virtual std::size_t readAt(std::uint64_t offset, std::span<char> buffer, std::error_code& ec) = 0;
};

// An input that cannot go back to its start, such as a pipe, made one that can: what it gives
// is kept in a scratch file as it is read, and after a rewind it is read from there, then from
// the input again where the copy ends.
class ReplayedInput : public InputFile {
 public:
  ReplayedInput(std::unique_ptr<InputFile> source, std::unique_ptr<ScratchFile> copy)
      : source_(std::move(source)), copy_(std::move(copy)) {}

  std::size_t read(std::span<char> buffer, std::error_code& ec) override;
  void rewind(std::error_code&) override { at_ = 0; }

 private:
  std::unique_ptr<InputFile> source_;
  std::unique_ptr<ScratchFile> copy_;
  std::uint64_t copied_ = 0;  // bytes in the copy
  std::uint64_t at_ = 0;      // the read position
};

}  // namespace vak
