// expandVAKobjects: reads in.idf in the working directory and writes expandedVAK.idf beside
// it. The output is written to a temporary file and renamed into place only when complete, so
// a failed run never leaves a partial or emptied expandedVAK.idf behind.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <new>
#include <string>

#include "driver/convert.h"
#include "driver/posix_file.h"
#include "templates/diagnostics.h"
#include "templates/io_error.h"

namespace {

constexpr const char* kInput = "in.idf";
constexpr const char* kOutput = "expandedVAK.idf";

// Names the file with the working directory, so that a message from one of many runs of a
// parametric study says which one failed.
std::string where(const char* file) {
  std::error_code ec;
  const std::filesystem::path dir = std::filesystem::current_path(ec);
  if (ec) return std::string("'") + file + "'";
  return "'" + (dir / file).string() + "'";
}

int fail(const std::string& what, int error) {
  std::cerr << vak::kProgramName << ": " << what << ": " << std::strerror(error) << '\n';
  return 1;
}

// A new file beside the output, readable like any file the user creates.
int createTemporary(std::string& name) {
  for (int attempt = 0;; ++attempt) {
    name = std::string(".") + kOutput + "." + std::to_string(::getpid()) + "." +
           std::to_string(attempt) + ".tmp";
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST || attempt == 100) return fd;
  }
}

int run() {
  const int in = ::open(kInput, O_RDONLY | O_CLOEXEC);
  if (in < 0) return fail("cannot open input file " + where(kInput), errno);
  struct stat st {};
  if (::fstat(in, &st) != 0 || S_ISDIR(st.st_mode)) {
    const int error = S_ISDIR(st.st_mode) ? EISDIR : errno;
    ::close(in);
    return fail("cannot read input file " + where(kInput), error);
  }

  std::string temporary;
  const int out = createTemporary(temporary);
  if (out < 0) {
    const int error = errno;
    ::close(in);
    return fail("cannot create output file " + where(kOutput), error);
  }

  vak::FdReadBuf inBuf(in);
  vak::FdWriteBuf outBuf(out);
  std::istream inStream(&inBuf);
  std::ostream outStream(&outBuf);
  int status = 0;
  try {
    vak::convert(inStream, outStream, std::cout, std::cerr);
  } catch (const vak::IoError&) {
    status = inBuf.error() != 0 ? fail("cannot read input file " + where(kInput), inBuf.error())
                                : fail("cannot write output file " + where(kOutput),
                                       outBuf.error() != 0 ? outBuf.error() : EIO);
  } catch (const std::bad_alloc&) {
    status = fail("input too large", ENOMEM);
  }
  ::close(in);
  if (::close(out) != 0 && status == 0)
    status = fail("cannot write output file " + where(kOutput), errno);
  if (status == 0 && ::rename(temporary.c_str(), kOutput) != 0) {
    status = fail("cannot replace output file " + where(kOutput), errno);
  }
  if (status != 0) ::unlink(temporary.c_str());
  return status;
}

}  // namespace

int main(int argc, char**) {
  if (argc != 1) {
    std::cout << "USO: expandVAKobjects.exe input.idf \n";
    return 0;
  }
  // A file size limit then fails the write, which is reported, instead of killing the run.
  std::signal(SIGXFSZ, SIG_IGN);
  const int status = run();
  if (status == 0) std::cout << "ExpandVAKObjects....OK\n";
  return status;
}
