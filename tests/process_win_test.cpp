// Runs the built Windows program in fresh folders: replacing an output, a folder as input, the
// exit status, and bytes that text mode would change; and its file layer on a pipe.

#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>

#include "file_support.h"
#include "platform/file_layer.h"

namespace {

namespace fs = std::filesystem;
using vak::test::slurp;
using vak::test::spit;

// The program beside the tests' folder in the build tree.
fs::path program() {
  std::wstring self(MAX_PATH, L'\0');
  self.resize(::GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  return fs::path(self).parent_path().parent_path() / "expandVAKobjects.exe";
}

class WindowsProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("vak-process-" + std::to_string(std::random_device{}()));
    dir_ = root_ / L"obra \u00e1rea";  // a folder name beyond ASCII
    fs::create_directories(dir_);
  }
  void TearDown() override {
    for (const auto& entry : fs::recursive_directory_iterator(root_))
      ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(root_);
  }

  struct Result {
    DWORD status;
    std::string out;
    std::string err;
  };

  Result run(const std::wstring& args = L"") {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const auto sink = [&](const char* name) {
      return ::CreateFileW((root_ / name).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    const HANDLE out = sink("out"), err = sink("err");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    const fs::path exe = program();
    std::wstring command = L"\"" + exe.wstring() + L"\"" + args;
    DWORD status = 999;
    if (::CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                         dir_.c_str(), &startup, &process)) {
      ::WaitForSingleObject(process.hProcess, INFINITE);
      ::GetExitCodeProcess(process.hProcess, &status);
      ::CloseHandle(process.hProcess);
      ::CloseHandle(process.hThread);
    }
    ::CloseHandle(out);
    ::CloseHandle(err);
    return {status, slurp(root_ / "out"), slurp(root_ / "err")};
  }

  std::size_t entries() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }

  fs::path root_, dir_;
};

const std::string kInput =
    "Version,\n  8.0;\nHVACVAKTemplate:Thermostat,\n  T1,\n  ,\n  21,\n  ,\n  25;\n";

TEST_F(WindowsProcess, RunsTwiceInOneFolderReplacingTheOutput) {
  spit(dir_ / "in.idf", kInput);
  Result r = run();
  EXPECT_EQ(r.status, 0u) << r.err;
  EXPECT_EQ(r.out, "ExpandVAKObjects....OK\r\n");
  EXPECT_EQ(r.err, "");
  const std::string first = slurp(dir_ / "expandedVAK.idf");
  EXPECT_EQ(first.rfind("Version,\n  8.0;\n\n\n!-   ===", 0), 0u) << "no CR is added";
  EXPECT_EQ(first.find('\r'), std::string::npos);

  spit(dir_ / "expandedVAK.idf", std::string(100000, 'x'));
  r = run();
  EXPECT_EQ(r.status, 0u) << r.err;
  EXPECT_EQ(slurp(dir_ / "expandedVAK.idf"), first);
  EXPECT_EQ(entries(), 2u) << "a temporary file is left";
}

TEST_F(WindowsProcess, EveryByteIsKept) {
  // Text mode would end the input at Ctrl-Z and change the lone CR and the CR LF.
  const std::string nul(1, '\0');
  spit(dir_ / "in.idf", "a\rb\x1a z" + nul + "y\nc\r\nlast");
  EXPECT_EQ(run().status, 0u);
  EXPECT_EQ(slurp(dir_ / "expandedVAK.idf"), "a\rb\x1a z" + nul + "y\nc\nlast\n");
}

TEST_F(WindowsProcess, OutputHeldForAMomentIsStillReplaced) {
  spit(dir_ / "in.idf", "a\n");
  spit(dir_ / "expandedVAK.idf", "earlier");
  // As a virus scanner would: open without leave to delete or rename, close soon after.
  const HANDLE held = ::CreateFileW((dir_ / "expandedVAK.idf").c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  std::thread release([held] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ::CloseHandle(held);
  });
  const Result r = run();
  release.join();
  EXPECT_EQ(r.status, 0u) << r.err;
  EXPECT_EQ(slurp(dir_ / "expandedVAK.idf"), "a\n\n");
}

TEST_F(WindowsProcess, ReadOnlyOutputIsReplacedAndStaysReadOnly) {
  spit(dir_ / "in.idf", "a\n");
  spit(dir_ / "expandedVAK.idf", "earlier");
  ::SetFileAttributesW((dir_ / "expandedVAK.idf").c_str(), FILE_ATTRIBUTE_READONLY);
  const Result r = run();
  EXPECT_EQ(r.status, 0u) << r.err;
  EXPECT_EQ(slurp(dir_ / "expandedVAK.idf"), "a\n\n");
  EXPECT_NE(::GetFileAttributesW((dir_ / "expandedVAK.idf").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST_F(WindowsProcess, FolderAsInputKeepsTheEarlierOutput) {
  fs::create_directory(dir_ / "in.idf");
  spit(dir_ / "expandedVAK.idf", "earlier");
  const Result r = run();
  EXPECT_EQ(r.status, 1u);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("cannot read input file"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("obra \xc3\xa1rea\\in.idf"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(std::make_error_code(std::errc::is_a_directory).message()),
            std::string::npos)
      << r.err;
  EXPECT_EQ(slurp(dir_ / "expandedVAK.idf"), "earlier");
  EXPECT_EQ(entries(), 2u);
}

TEST_F(WindowsProcess, MissingInputAndOutputThatIsAFolder) {
  Result r = run();
  EXPECT_EQ(r.status, 1u);
  EXPECT_NE(r.err.find("cannot open input file"), std::string::npos) << r.err;
  EXPECT_EQ(entries(), 0u);

  spit(dir_ / "in.idf", "a\n");
  fs::create_directory(dir_ / "expandedVAK.idf");
  r = run();
  EXPECT_EQ(r.status, 1u);
  EXPECT_NE(r.err.find("cannot replace output file"), std::string::npos) << r.err;
  EXPECT_EQ(entries(), 2u) << "the temporary file is left";
}

TEST_F(WindowsProcess, AnyArgumentPrintsOnlyTheUsage) {
  spit(dir_ / "in.idf", kInput);
  const Result r = run(L" in.idf");
  EXPECT_EQ(r.status, 0u);
  EXPECT_EQ(r.out, "USO: expandVAKobjects.exe input.idf \r\n");
  EXPECT_EQ(entries(), 1u);
}

// A pipe whose writer has closed it ends the input: the read after the last bytes fails with
// ERROR_BROKEN_PIPE, which is the end here, not an error. A pipe cannot go back to its start,
// so the second pass reads it from the layer's copy.
TEST(Win32FileLayer, APipeClosedByItsWriterEndsTheInputAndIsReadAgain) {
  const std::string name = "\\\\.\\pipe\\vak-layer-" + std::to_string(::GetCurrentProcessId());
  const std::wstring wideName(name.begin(), name.end());
  const HANDLE writer = ::CreateNamedPipeW(wideName.c_str(), PIPE_ACCESS_OUTBOUND,
                                           PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  std::error_code ec;
  const std::unique_ptr<vak::InputFile> in = vak::systemFileLayer().openInput(name, ec);
  ASSERT_TRUE(in) << ec.message();
  const std::string text = "Zone, Z1;\n";
  DWORD put = 0;
  ASSERT_TRUE(::WriteFile(writer, text.data(), static_cast<DWORD>(text.size()), &put, nullptr));
  ::CloseHandle(writer);
  const auto readAll = [&] {
    std::string all;
    char buffer[64];
    while (const std::size_t got = in->read(buffer, ec)) all.append(buffer, got);
    return all;
  };
  EXPECT_EQ(readAll(), text);
  EXPECT_FALSE(ec) << ec.message();
  in->rewind(ec);
  EXPECT_FALSE(ec) << ec.message();
  EXPECT_EQ(readAll(), text);
  EXPECT_FALSE(ec) << ec.message();
}

}  // namespace
