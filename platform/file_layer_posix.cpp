// The file layer on POSIX systems: file descriptors, rename(2) for the commit.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>

#include "platform/file_layer.h"
#include "platform/replayed_input.h"

namespace vak {
namespace {

std::error_code lastError() {
  return {errno, std::generic_category()};
}

constexpr int kInterruptions[] = {SIGINT, SIGTERM, SIGHUP};

// The temporary file that an interruption removes. Set and cleared only while the
// interruptions are blocked or when clearing can no longer leave a file behind.
char pendingName[256];
volatile std::sig_atomic_t pending = 0;

// Async-signal-safe only: remove the file, then die of the same signal so that the caller
// sees the interruption. The signal stays blocked until the handler returns.
extern "C" void onInterruption(int sig) {
  if (pending) ::unlink(pendingName);
  ::signal(sig, SIG_DFL);
  ::raise(sig);
}

// Blocks the interruptions for its lifetime, or for the rest of the process once kept.
class InterruptionsBlocked {
 public:
  InterruptionsBlocked() {
    sigset_t set;
    sigemptyset(&set);
    for (int sig : kInterruptions) sigaddset(&set, sig);
    sigprocmask(SIG_BLOCK, &set, &old_);
  }
  ~InterruptionsBlocked() {
    if (!kept_) sigprocmask(SIG_SETMASK, &old_, nullptr);
  }
  InterruptionsBlocked(const InterruptionsBlocked&) = delete;
  InterruptionsBlocked& operator=(const InterruptionsBlocked&) = delete;

  void keep() { kept_ = true; }

 private:
  sigset_t old_;
  bool kept_ = false;
};

// A file descriptor, closed with its owner.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int get() const { return fd_; }
  // Gives the descriptor up, for the caller to close; -1 when it was given up already.
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// Calls again what a signal interrupted; returns the call's result, with errno set when < 0.
template <class Call>
ssize_t retried(Call call) {
  ssize_t n = 0;
  do n = call();
  while (n < 0 && errno == EINTR);
  return n;
}

// Writes every byte, or fails.
void writeAll(int fd, std::span<const char> bytes, std::error_code& ec) {
  while (!bytes.empty()) {
    const ssize_t put =
        retried([&] { return ::write(fd, bytes.data(), std::min(bytes.size(), kMaxTransfer)); });
    if (put < 0) {
      ec = lastError();
      return;
    }
    bytes = bytes.subspan(static_cast<std::size_t>(put));
  }
}

// The count a read returned, or 0 with the error.
std::size_t readCount(ssize_t got, std::error_code& ec) {
  if (got >= 0) return static_cast<std::size_t>(got);
  ec = lastError();
  return 0;
}

class PosixInput : public InputFile {
 public:
  explicit PosixInput(int fd) : fd_(fd) {}

  std::size_t read(std::span<char> buffer, std::error_code& ec) override {
    const std::size_t n = std::min(buffer.size(), kMaxTransfer);
    return readCount(retried([&] { return ::read(fd_.get(), buffer.data(), n); }), ec);
  }

  void rewind(std::error_code& ec) override {
    if (::lseek(fd_.get(), 0, SEEK_SET) != 0) ec = lastError();
  }

 private:
  Descriptor fd_;
};

class PosixScratch : public ScratchFile {
 public:
  explicit PosixScratch(int fd) : fd_(fd) {}

  void append(std::span<const char> bytes, std::error_code& ec) override {
    writeAll(fd_.get(), bytes, ec);
  }

  std::size_t readAt(std::uint64_t offset, std::span<char> buffer, std::error_code& ec) override {
    const std::size_t n = std::min(buffer.size(), kMaxTransfer);
    return readCount(
        retried([&] { return ::pread(fd_.get(), buffer.data(), n, static_cast<off_t>(offset)); }),
        ec);
  }

 private:
  Descriptor fd_;
};

// An unnamed file in the folder for temporary files, where an input that cannot be read twice
// is kept: it takes as much room as the input, which belongs on a disk rather than in memory.
std::unique_ptr<ScratchFile> createScratch(std::error_code& ec) {
  const char* dir = std::getenv("TMPDIR");
  if (dir == nullptr || *dir == '\0') dir = "/tmp";
#if defined(O_TMPFILE)
  if (const int fd = ::open(dir, O_TMPFILE | O_RDWR | O_CLOEXEC, 0600); fd >= 0) {
    return std::make_unique<PosixScratch>(fd);
  }
#endif
  // Where the file system has no unnamed files: a name, removed before anything can stop the
  // run between.
  const InterruptionsBlocked blocked;
  std::string name = std::string(dir) + "/.expandVAKobjects.XXXXXX";
  const int fd = ::mkstemp(name.data());
  if (fd < 0) {
    ec = lastError();
    return nullptr;
  }
  ::unlink(name.c_str());
  ::fcntl(fd, F_SETFD, FD_CLOEXEC);
  return std::make_unique<PosixScratch>(fd);
}

class PosixOutput : public OutputFile {
 public:
  PosixOutput(int fd, std::string name, std::string target)
      : fd_(fd), name_(std::move(name)), target_(std::move(target)) {}
  ~PosixOutput() override { abort(); }

  void write(std::span<const char> bytes, std::error_code& ec) override {
    writeAll(fd_.get(), bytes, ec);
  }

  void close(std::error_code& ec) override {
    if (const int fd = fd_.release(); fd >= 0 && ::close(fd) != 0) ec = lastError();
  }

  void commit(std::error_code& ec) override {
    // From the rename on the new output is in place, and a run that dies of an interruption
    // would report a failure it did not have. So the interruptions are held from here: if the
    // rename fails they are let through, and one that came meanwhile removes the temporary
    // file as usual; if it succeeds they stay held until the process ends, which then ends as
    // the run went.
    InterruptionsBlocked blocked;
    // As an editor saving a file would: the replaced output keeps its mode. stat follows a
    // symbolic link, whose own mode says nothing.
    struct stat st {};
    if (::stat(target_.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        ::chmod(name_.c_str(), st.st_mode & 0777) != 0) {
      ec = lastError();
      return;
    }
    if (::rename(name_.c_str(), target_.c_str()) != 0) {
      ec = lastError();
      return;
    }
    done_ = true;
    pending = 0;
    blocked.keep();
  }

  void abort() noexcept override {
    if (const int fd = fd_.release(); fd >= 0) ::close(fd);
    if (!done_) ::unlink(name_.c_str());
    done_ = true;
    pending = 0;
  }

 private:
  Descriptor fd_;
  std::string name_;
  std::string target_;
  bool done_ = false;
};

class PosixFileLayer : public FileLayer {
 public:
  PosixFileLayer() {
    // A file size limit or a closed pipe then fails the write, which is reported, instead of
    // killing the run, perhaps after the output was already replaced.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    for (int sig : kInterruptions) {
      struct sigaction old {};
      sigaction(sig, nullptr, &old);
      if (old.sa_handler == SIG_IGN) continue;  // as under nohup: stay immune
      struct sigaction action {};
      action.sa_handler = onInterruption;
      sigemptyset(&action.sa_mask);
      sigaction(sig, &action, nullptr);
    }
    // A closed standard stream would otherwise be the number the next file gets, and a
    // message meant for the console would land in it. Opened the wrong way round, a stand-in
    // fails every use as a closed stream does.
    for (int fd = 0; fd <= 2; ++fd) {
      if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF)
        ::open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
    }
  }

  std::unique_ptr<InputFile> openInput(const std::string& name, std::error_code& ec) override {
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      ec = lastError();
      return nullptr;
    }
    auto input = std::make_unique<PosixInput>(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
      ec = S_ISDIR(st.st_mode) ? std::make_error_code(std::errc::is_a_directory) : lastError();
      return nullptr;
    }
    // A pipe or a terminal cannot go back to the start for the second pass: keep a copy.
    if (::lseek(fd, 0, SEEK_CUR) < 0) {
      std::unique_ptr<ScratchFile> copy = createScratch(ec);
      if (!copy) return nullptr;
      return std::make_unique<ReplayedInput>(std::move(input), std::move(copy));
    }
    return input;
  }

  std::unique_ptr<OutputFile> createOutput(const std::string& target,
                                           std::error_code& ec) override {
    const InterruptionsBlocked blocked;  // so that no interruption comes before it is known
    for (int attempt = 0;; ++attempt) {
      std::string name =
          "." + target + "." + std::to_string(::getpid()) + "." + std::to_string(attempt) + ".tmp";
      // Readable like any file the user creates.
      const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd >= 0) {
        if (name.size() < sizeof pendingName) {
          std::memcpy(pendingName, name.c_str(), name.size() + 1);
          pending = 1;
        }
        return std::make_unique<PosixOutput>(fd, std::move(name), target);
      }
      if (errno != EEXIST || attempt == 100) {
        ec = lastError();
        return nullptr;
      }
    }
  }

  std::string describe(const std::string& name) override {
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::current_path(ec);
    return ec ? name : (dir / name).string();
  }

  std::error_code consoleError() override {
    return errno != 0 ? lastError() : std::make_error_code(std::errc::io_error);
  }
};

}  // namespace

FileLayer& systemFileLayer() {
  static PosixFileLayer layer;
  return layer;
}

}  // namespace vak
