#pragma once

#include <streambuf>
#include <system_error>

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

// Unbuffered: the line sink in front of it already collects large blocks.
class FileWriteBuf : public std::streambuf {
 public:
  explicit FileWriteBuf(OutputFile& file) : file_(file) {}
  std::error_code error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;

 private:
  OutputFile& file_;
  std::error_code error_;
};

}  // namespace vak
