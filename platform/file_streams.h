#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <span>
#include <streambuf>
#include <system_error>
#include <thread>

#include "platform/file_layer.h"

namespace vak {

// Stream buffers over the file layer that remember why a read or write failed, so that the
// message can say so. They throw IoError on failure; a stream with badbit among its exceptions
// passes that on unchanged. The file stays the caller's.
class FileReadBuf : public std::streambuf {
 public:
  explicit FileReadBuf(InputFile& file) : file_(file) {}
  std::error_code error() const { return error_; }

 protected:
  // Fills the request unless the input ends first: a short read is no end of input.
  std::streamsize xsgetn(char* s, std::streamsize n) override;
  // Only the way back to the start is open.
  pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode) override;
  pos_type seekpos(pos_type pos, std::ios_base::openmode which) override;

 private:
  InputFile& file_;
  std::error_code error_;
};

// Output that goes straight to the file up to one block. Beyond that it is collected in blocks,
// and a thread of its own writes the full ones while the program fills the next, so that the
// system's copying of the output into the file overlaps the program's own work. sync() returns
// once everything is written and the thread has ended. A failed write is thrown by the write
// that met it, or, once a thread writes, when the next block is handed over or at sync().
class FileWriteBuf : public std::streambuf {
 public:
  explicit FileWriteBuf(OutputFile& file) : file_(file) {}
  ~FileWriteBuf() override { stop(); }
  FileWriteBuf(const FileWriteBuf&) = delete;
  FileWriteBuf& operator=(const FileWriteBuf&) = delete;

  std::error_code error() const;

  // Lets the thread finish the blocks it was given, and ends it: for a run that gives up, so
  // that the file can then be removed. What is still being filled is dropped.
  void stop() noexcept;

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override;

 private:
  static constexpr std::size_t kBlock = std::size_t{1} << 20;

  void handOver();  // the current block, to be written
  void writeNow(std::span<const char> bytes);
  void writeBlockNow();  // the current block, here
  void writeBlocks();    // the thread's work
  void throwOnError() const;

  OutputFile& file_;
  // One block filled while the thread writes another and a third waits for it: the thread goes
  // on from one block to the next without waiting for the program to wake.
  std::unique_ptr<char[]> blocks_[3];
  int current_ = 0;                // the block being filled
  std::size_t used_ = 0;           // of the current block
  std::size_t writtenAtOnce_ = 0;  // bytes written straight to the file

  mutable std::mutex mutex_;  // guards what follows
  std::condition_variable changed_;
  std::deque<std::span<const char>> queue_;  // the blocks the thread writes or is to write
  bool ending_ = false;
  std::error_code error_;
  std::thread writer_;
};

}  // namespace vak
