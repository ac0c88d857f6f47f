#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <system_error>
#include <thread>

#include "platform/file_layer.h"

namespace vak::test {

// A folder in memory whose every call can be made to fail, for the paths that real files
// rarely reach.
class FakeFileLayer : public FileLayer {
 public:
  std::map<std::string, std::string> files;  // the working directory: name -> contents
  std::map<std::string, bool> folders;       // names that are folders

  // How the calls go wrong.
  std::size_t readChunk = std::size_t(-1);     // no read returns more than this
  std::optional<std::size_t> readFailsAt;      // offset at which reading fails with EIO
  std::optional<std::size_t> memoryRunsOutAt;  // offset at which reading throws bad_alloc
  std::optional<std::size_t> diskSpace;        // bytes that fit; a write past them fails, ENOSPC
  bool slowWrites = false;   // each write takes a few ms, as on a slow disk, so blocks queue up
  bool rewindFails = false;  // going back to the start fails
  std::optional<std::string> afterRewind;  // what the input holds from the second read on
  std::error_code createError, closeError, commitError;
  std::error_code console = std::make_error_code(std::errc::broken_pipe);

  // What happened.
  std::size_t bytesRead = 0;
  std::size_t writesAfterFailure = 0;
  int rewinds = 0;
  int commits = 0;

  std::unique_ptr<InputFile> openInput(const std::string& name, std::error_code& ec) override {
    if (folders.count(name)) {
      ec = std::make_error_code(std::errc::is_a_directory);
      return nullptr;
    }
    const auto file = files.find(name);
    if (file == files.end()) {
      ec = std::make_error_code(std::errc::no_such_file_or_directory);
      return nullptr;
    }
    return std::make_unique<Input>(*this, file->second);
  }

  std::unique_ptr<OutputFile> createOutput(const std::string& target,
                                           std::error_code& ec) override {
    if (createError) {
      ec = createError;
      return nullptr;
    }
    const std::string name = "." + target + ".1.tmp";
    files[name];
    return std::make_unique<Output>(*this, name, target);
  }

  std::string describe(const std::string& name) override { return "/study/run 7/" + name; }
  std::error_code consoleError() override { return console; }

 private:
  class Input : public InputFile {
   public:
    Input(FakeFileLayer& fs, std::string text) : fs_(fs), text_(std::move(text)) {}
    std::size_t read(std::span<char> buffer, std::error_code& ec) override {
      if (fs_.memoryRunsOutAt && at_ >= *fs_.memoryRunsOutAt) throw std::bad_alloc();
      if (fs_.readFailsAt && at_ >= *fs_.readFailsAt) {
        ec = std::make_error_code(std::errc::io_error);
        return 0;
      }
      std::size_t n = std::min({buffer.size(), text_.size() - at_, fs_.readChunk});
      if (fs_.readFailsAt) n = std::min(n, *fs_.readFailsAt - at_);
      if (fs_.memoryRunsOutAt) n = std::min(n, *fs_.memoryRunsOutAt - at_);
      std::copy_n(text_.data() + at_, n, buffer.data());
      at_ += n;
      fs_.bytesRead += n;
      return n;
    }

    void rewind(std::error_code& ec) override {
      if (fs_.rewindFails) {
        ec = std::make_error_code(std::errc::invalid_seek);
        return;
      }
      at_ = 0;
      ++fs_.rewinds;
      if (fs_.afterRewind) text_ = *fs_.afterRewind;
    }

   private:
    FakeFileLayer& fs_;
    std::string text_;
    std::size_t at_ = 0;
  };

  class Output : public OutputFile {
   public:
    Output(FakeFileLayer& fs, std::string name, std::string target)
        : fs_(fs), name_(std::move(name)), target_(std::move(target)) {}
    ~Output() override { abort(); }

    void write(std::span<const char> bytes, std::error_code& ec) override {
      if (fs_.slowWrites) std::this_thread::sleep_for(std::chrono::milliseconds(20));
      if (failed_) ++fs_.writesAfterFailure;
      std::string& text = fs_.files[name_];
      if (fs_.diskSpace && text.size() + bytes.size() > *fs_.diskSpace) {
        text.append(bytes.data(), *fs_.diskSpace - text.size());
        ec = std::make_error_code(std::errc::no_space_on_device);
        failed_ = true;
        return;
      }
      text.append(bytes.data(), bytes.size());
    }
    void close(std::error_code& ec) override {
      if (fs_.closeError) ec = fs_.closeError;
    }
    void commit(std::error_code& ec) override {
      if (fs_.commitError) {
        ec = fs_.commitError;
        return;
      }
      fs_.files[target_] = fs_.files[name_];
      fs_.files.erase(name_);
      ++fs_.commits;
      done_ = true;
    }
    void abort() noexcept override {
      if (!done_) fs_.files.erase(name_);
      done_ = true;
    }

   private:
    FakeFileLayer& fs_;
    std::string name_;
    std::string target_;
    bool failed_ = false;
    bool done_ = false;
  };
};

}  // namespace vak::test
