#include "platform/file_streams.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <system_error>

#include "templates/io_error.h"

namespace vak {

std::streamsize FileReadBuf::xsgetn(char* s, std::streamsize n) {
  std::streamsize done = 0;
  while (done < n) {
    const std::size_t got =
        file_.read(std::span<char>(s + done, static_cast<std::size_t>(n - done)), error_);
    if (error_) throw IoError("read error");
    if (got == 0) break;
    done += static_cast<std::streamsize>(got);
  }
  return done;
}

FileReadBuf::pos_type FileReadBuf::seekoff(off_type off, std::ios_base::seekdir dir,
                                           std::ios_base::openmode which) {
  if (off != 0 || dir != std::ios_base::beg) return pos_type(off_type(-1));
  return seekpos(0, which);
}

FileReadBuf::pos_type FileReadBuf::seekpos(pos_type pos, std::ios_base::openmode) {
  if (pos != pos_type(0)) return pos_type(off_type(-1));
  file_.rewind(error_);
  if (error_) throw IoError("read error");
  return pos;
}

std::error_code FileWriteBuf::error() const {
  const std::lock_guard lock(mutex_);
  return error_;
}

void FileWriteBuf::throwOnError() const {
  if (error()) throw IoError("write error");
}

void FileWriteBuf::stop() noexcept {
  if (!writer_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
  }
  changed_.notify_all();
  writer_.join();
}

void FileWriteBuf::writeBlocks() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return !queue_.empty() || ending_; });
    if (queue_.empty()) return;
    const std::span<const char> bytes = queue_.front();
    std::error_code ec;
    lock.unlock();
    file_.write(bytes, ec);
    lock.lock();
    queue_.pop_front();
    if (ec) {
      error_ = ec;
      queue_.clear();  // nothing more is written: the run ends at the next hand-over or sync
    }
    changed_.notify_all();
  }
}

void FileWriteBuf::writeNow(std::span<const char> bytes) {
  std::error_code ec;
  file_.write(bytes, ec);
  if (!ec) return;
  {
    const std::lock_guard lock(mutex_);
    error_ = ec;
  }
  throw IoError("write error");
}

void FileWriteBuf::writeBlockNow() {
  writeNow(std::span<const char>(blocks_[current_].get(), used_));
  used_ = 0;
}

void FileWriteBuf::handOver() {
  const std::span<const char> block(blocks_[current_].get(), used_);
  if (!writer_.joinable()) {
    {
      const std::lock_guard lock(mutex_);
      ending_ = false;
    }
    try {
      writer_ = std::thread([this] { writeBlocks(); });
    } catch (const std::system_error&) {
      writeBlockNow();  // no thread to be had: written here, as a small output is
      return;
    }
  }
  std::unique_lock lock(mutex_);
  // With at most one block waiting besides this one, the next block is free.
  changed_.wait(lock, [this] { return queue_.size() < 2 || error_; });
  if (error_) throw IoError("write error");
  queue_.push_back(block);
  lock.unlock();
  changed_.notify_all();
  current_ = (current_ + 1) % 3;
  used_ = 0;
}

FileWriteBuf::int_type FileWriteBuf::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char ch = traits_type::to_char_type(c);
  xsputn(&ch, 1);
  return c;
}

std::streamsize FileWriteBuf::xsputn(const char* s, std::streamsize n) {
  if (writtenAtOnce_ < kBlock) {
    // The first block's worth goes straight to the file: a small output needs no thread and
    // no copy.
    writeNow(std::span<const char>(s, static_cast<std::size_t>(n)));
    writtenAtOnce_ += static_cast<std::size_t>(n);
    return n;
  }
  for (std::size_t left = static_cast<std::size_t>(n); left > 0;) {
    std::unique_ptr<char[]>& block = blocks_[current_];
    if (!block) block = std::make_unique_for_overwrite<char[]>(kBlock);
    const std::size_t take = std::min(left, kBlock - used_);
    std::memcpy(block.get() + used_, s, take);
    used_ += take;
    s += take;
    left -= take;
    if (used_ == kBlock) handOver();
  }
  return n;
}

int FileWriteBuf::sync() {
  if (writer_.joinable()) {
    if (used_ > 0) handOver();
    stop();  // once the last block is written
    throwOnError();
  } else if (used_ > 0) {
    writeBlockNow();
  }
  return 0;
}

}  // namespace vak
