// The file layer on Windows: file handles, which have no text mode, so every byte passes as
// it is; MoveFileExW for the commit; wide-character names, so that any folder name works.

#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <string>
#include <utility>

#include "platform/file_layer.h"
#include "platform/replayed_input.h"

namespace vak {
namespace {

std::error_code errorCode(DWORD error) {
  return {static_cast<int>(error), std::system_category()};
}

std::error_code lastError() {
  return errorCode(::GetLastError());
}

std::wstring wide(const std::string& utf8) {
  const int n =
      ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), n);
  return text;
}

std::string utf8(const std::wstring& text) {
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n,
                        nullptr, nullptr);
  return bytes;
}

// The temporary file that Ctrl-C, Ctrl-Break or a closed console window removes. The
// handler runs on a thread of its own; the file is open with FILE_SHARE_DELETE, so deleting
// it marks it, and the system removes it when the process ends.
wchar_t pendingName[256];
volatile LONG pending = 0;

// The handler and a commit take turns: an interruption either ends the run before the output
// is replaced, or finds it replaced and lets the run end as it goes, as blocked signals do on
// other systems.
SRWLOCK commitLock = SRWLOCK_INIT;
volatile LONG committed = 0;

BOOL WINAPI onInterruption(DWORD event) {
  ::AcquireSRWLockExclusive(&commitLock);
  if (!committed) {
    if (pending) ::DeleteFileW(pendingName);
    // The default handler then ends the process as usual. The lock stays taken, so that no
    // commit begins meanwhile.
    return FALSE;
  }
  ::ReleaseSRWLockExclusive(&commitLock);
  if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) return TRUE;  // taken: nothing ends
  // A closed console, a logoff or a shutdown ends the process when this returns, or after a
  // few seconds; until then the run finishes on its own and exits with its status.
  ::Sleep(INFINITE);
  return TRUE;
}

// A file handle, closed with its owner.
class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (h_ != INVALID_HANDLE_VALUE) ::CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  HANDLE get() const { return h_; }
  // Gives the handle up, for the caller to close; INVALID_HANDLE_VALUE when given up already.
  HANDLE release() { return std::exchange(h_, INVALID_HANDLE_VALUE); }

 private:
  HANDLE h_;
};

OVERLAPPED offset(std::uint64_t at) {
  OVERLAPPED o{};
  o.Offset = static_cast<DWORD>(at);
  o.OffsetHigh = static_cast<DWORD>(at >> 32);
  return o;
}

// Writes every byte, or fails: at *at, which moves on, or at the file pointer when at is null.
void writeAll(HANDLE h, std::span<const char> bytes, std::uint64_t* at, std::error_code& ec) {
  while (!bytes.empty()) {
    OVERLAPPED o = at != nullptr ? offset(*at) : OVERLAPPED{};
    DWORD put = 0;
    if (!::WriteFile(h, bytes.data(), static_cast<DWORD>(std::min(bytes.size(), kMaxTransfer)),
                     &put, at != nullptr ? &o : nullptr)) {
      ec = lastError();
      return;
    }
    if (at != nullptr) *at += put;
    bytes = bytes.subspan(put);
  }
}

class Win32Input : public InputFile {
 public:
  explicit Win32Input(HANDLE h) : h_(h) {}

  std::size_t read(std::span<char> buffer, std::error_code& ec) override {
    const DWORD n = static_cast<DWORD>(std::min(buffer.size(), kMaxTransfer));
    DWORD got = 0;
    if (!::ReadFile(h_.get(), buffer.data(), n, &got, nullptr)) {
      const DWORD error = ::GetLastError();
      if (error == ERROR_HANDLE_EOF || error == ERROR_BROKEN_PIPE) return 0;
      ec = errorCode(error);
      return 0;
    }
    return got;
  }

  void rewind(std::error_code& ec) override {
    if (!::SetFilePointerEx(h_.get(), LARGE_INTEGER{}, nullptr, FILE_BEGIN)) {
      ec = lastError();
    }
  }

 private:
  Handle h_;
};

class Win32Scratch : public ScratchFile {
 public:
  explicit Win32Scratch(HANDLE h) : h_(h) {}

  void append(std::span<const char> bytes, std::error_code& ec) override {
    writeAll(h_.get(), bytes, &size_, ec);
  }

  std::size_t readAt(std::uint64_t from, std::span<char> buffer, std::error_code& ec) override {
    OVERLAPPED at = offset(from);
    DWORD got = 0;
    if (!::ReadFile(h_.get(), buffer.data(),
                    static_cast<DWORD>(std::min(buffer.size(), kMaxTransfer)), &got, &at)) {
      if (::GetLastError() == ERROR_HANDLE_EOF) return 0;
      ec = lastError();
      return 0;
    }
    return got;
  }

 private:
  Handle h_;
  std::uint64_t size_ = 0;
};

// A file in the user's folder for temporary files, where an input that cannot be read twice
// is kept: it takes as much room as the input, which belongs on a disk rather than in memory.
// The system deletes it when it is closed, however the process ends.
std::unique_ptr<ScratchFile> createScratch(std::error_code& ec) {
  std::wstring dir(MAX_PATH + 1, L'\0');
  const DWORD n = ::GetTempPathW(static_cast<DWORD>(dir.size()), dir.data());
  if (n == 0 || n > dir.size()) {
    ec = lastError();
    return nullptr;
  }
  dir.resize(n);
  for (int attempt = 0;; ++attempt) {
    const std::wstring name =
        dir + wide(".expandVAKobjects." + std::to_string(::GetCurrentProcessId()) + "." +
                   std::to_string(attempt) + ".tmp");
    const HANDLE h =
        ::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h != INVALID_HANDLE_VALUE) return std::make_unique<Win32Scratch>(h);
    const DWORD error = ::GetLastError();
    if ((error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) || attempt == 100) {
      ec = errorCode(error);
      return nullptr;
    }
  }
}

class Win32Output : public OutputFile {
 public:
  Win32Output(HANDLE h, std::wstring name, std::wstring target)
      : h_(h), name_(std::move(name)), target_(std::move(target)) {}
  ~Win32Output() override { abort(); }

  void write(std::span<const char> bytes, std::error_code& ec) override {
    writeAll(h_.get(), bytes, nullptr, ec);
  }

  void close(std::error_code& ec) override {
    if (const HANDLE h = h_.release(); h != INVALID_HANDLE_VALUE && !::CloseHandle(h)) {
      ec = lastError();
    }
  }

  void commit(std::error_code& ec) override {
    // Held for the whole commit, so that an interruption waits for its end: see onInterruption.
    ::AcquireSRWLockExclusive(&commitLock);
    // A read-only output is replaced, and the new one is read-only too, as a write-protected
    // file is on other systems.
    const DWORD attributes = ::GetFileAttributesW(target_.c_str());
    const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES &&
                          (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
                          (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (readOnly) ::SetFileAttributesW(target_.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    // A virus scanner or an editor may hold the output for a moment: try for about a second.
    for (int attempt = 0;; ++attempt) {
      if (::MoveFileExW(name_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING)) break;
      const DWORD error = ::GetLastError();
      const bool held = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
                        error == ERROR_LOCK_VIOLATION;
      const bool folder =
          attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      if (!held || folder || attempt == 10) {
        if (readOnly) ::SetFileAttributesW(target_.c_str(), attributes);
        ::ReleaseSRWLockExclusive(&commitLock);
        ec = errorCode(error);
        return;
      }
      ::Sleep(100);
    }
    done_ = true;
    pending = 0;
    if (readOnly) {
      const DWORD now = ::GetFileAttributesW(target_.c_str());
      if (now != INVALID_FILE_ATTRIBUTES)
        ::SetFileAttributesW(target_.c_str(), now | FILE_ATTRIBUTE_READONLY);
    }
    committed = 1;
    ::ReleaseSRWLockExclusive(&commitLock);
  }

  void abort() noexcept override {
    if (const HANDLE h = h_.release(); h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
    if (!done_) ::DeleteFileW(name_.c_str());
    done_ = true;
    pending = 0;
  }

 private:
  Handle h_;
  std::wstring name_;
  std::wstring target_;
  bool done_ = false;
};

class Win32FileLayer : public FileLayer {
 public:
  Win32FileLayer() { ::SetConsoleCtrlHandler(onInterruption, TRUE); }

  std::unique_ptr<InputFile> openInput(const std::string& name, std::error_code& ec) override {
    const std::wstring path = wide(name);
    const HANDLE h = ::CreateFileW(path.c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
      ec = lastError();
      // A folder cannot be opened as a file; say what it is, as on other systems.
      const DWORD attributes = ::GetFileAttributesW(path.c_str());
      if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        ec = std::make_error_code(std::errc::is_a_directory);
      return nullptr;
    }
    auto input = std::make_unique<Win32Input>(h);
    // A pipe or a console cannot go back to the start for the second pass: keep a copy.
    if (::GetFileType(h) != FILE_TYPE_DISK) {
      std::unique_ptr<ScratchFile> copy = createScratch(ec);
      if (!copy) return nullptr;
      return std::make_unique<ReplayedInput>(std::move(input), std::move(copy));
    }
    return input;
  }

  std::unique_ptr<OutputFile> createOutput(const std::string& target,
                                           std::error_code& ec) override {
    for (int attempt = 0;; ++attempt) {
      std::wstring name = wide("." + target + "." + std::to_string(::GetCurrentProcessId()) + "." +
                               std::to_string(attempt) + ".tmp");
      // Registered before it exists, so that no interruption comes between.
      if (name.size() < sizeof pendingName / sizeof pendingName[0]) {
        std::copy(name.c_str(), name.c_str() + name.size() + 1, pendingName);
        pending = 1;
      }
      const HANDLE h = ::CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr,
                                     CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (h != INVALID_HANDLE_VALUE) return std::make_unique<Win32Output>(h, name, wide(target));
      pending = 0;
      const DWORD error = ::GetLastError();
      if ((error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) || attempt == 100) {
        ec = errorCode(error);
        return nullptr;
      }
    }
  }

  std::string describe(const std::string& name) override {
    std::wstring dir(MAX_PATH, L'\0');
    DWORD n = ::GetCurrentDirectoryW(static_cast<DWORD>(dir.size()), dir.data());
    if (n >= dir.size()) {
      dir.resize(n);
      n = ::GetCurrentDirectoryW(static_cast<DWORD>(dir.size()), dir.data());
    }
    if (n == 0 || n >= dir.size()) return name;
    dir.resize(n);
    if (dir.back() != L'\\') dir += L'\\';
    return utf8(dir) + name;
  }

  std::error_code consoleError() override {
    return errno != 0 ? std::error_code(errno, std::generic_category())
                      : std::make_error_code(std::errc::io_error);
  }
};

}  // namespace

FileLayer& systemFileLayer() {
  static Win32FileLayer layer;
  return layer;
}

}  // namespace vak
