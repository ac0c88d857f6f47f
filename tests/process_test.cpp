// Runs the built program in fresh directories, and its file layer on real files: the paths that
// only the real files show.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ptrace.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/models.h"
#include "file_support.h"
#include "platform/file_layer.h"

namespace {

namespace fs = std::filesystem;
using vak::test::slurp;
using vak::test::spit;

class Process : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/vak-process-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    root_ = pattern;
    dir_ = root_ / "work";
    fs::create_directory(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(root_);
  }

  struct Result {
    int status;
    std::string out;
    std::string err;
  };

  // Permissions do not bind the superuser: run as an ordinary user instead, from a copy of the
  // program that this user may execute. Returns false when that is not possible here.
  bool runUnprivileged() {
    if (::geteuid() != 0) return true;
    if (::access("/usr/bin/setpriv", X_OK) != 0) return false;
    binary_ = root_ / "expandVAKobjects";
    fs::copy_file(VAK_BINARY, binary_);
    fs::permissions(root_, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(dir_, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    prefix_ = "/usr/bin/setpriv --reuid=65534 --regid=65534 --clear-groups ";
    return true;
  }

  // Runs the program in the work directory; `shellPrefix` may set limits first.
  Result run(const std::string& args = "", const std::string& shellPrefix = "") {
    const std::string command = "cd '" + dir_.string() + "' && " + shellPrefix + " " + prefix_ +
                                "'" + binary_.string() + "' " + args + " >'" +
                                (root_ / "out").string() + "' 2>'" + (root_ / "err").string() + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(root_ / "out"), slurp(root_ / "err")};
  }

  // Starts the program in the work directory with standard output on `out` (closed when
  // negative) and standard error into a file, with the signals as a shell leaves them.
  // `inChild` runs in the new process, in the work directory, before the program starts;
  // `traced`: the child asks to be traced and stops before it starts the program.
  pid_t start(int out, const std::function<void()>& inChild = {}, bool traced = false) {
    const std::string err = (root_ / "err").string();
    const pid_t pid = ::fork();
    if (pid == 0) {
      for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) std::signal(sig, SIG_DFL);
      const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (::chdir(dir_.c_str()) != 0 || ::dup2(errFd, 2) < 0) ::_exit(127);
      if (inChild) inChild();
      if (out >= 0 ? ::dup2(out, 1) < 0 : ::close(1) != 0) ::_exit(127);
      if (traced) {
        // A sanitized build's leak check needs to trace the program itself, and cannot here.
        const char* asan = std::getenv("ASAN_OPTIONS");
        ::setenv("ASAN_OPTIONS", (std::string(asan ? asan : "") + ":detect_leaks=0").c_str(), 1);
        if (::ptrace(PTRACE_TRACEME, 0, 0, 0) == 0) ::raise(SIGSTOP);
      }
      ::execl(binary_.c_str(), binary_.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    return pid;
  }

  // A run traced call by call into the system, which is sent `sig` as it enters its call
  // number `at` (counted from 0; none when `at` is past the last).
  struct Traced {
    bool traced = false;  // false: the system does not let a test trace its child
    int raw = 0;          // the wait status
    std::size_t calls = 0;
    std::size_t created = std::size_t(-1);  // the first call that creates a file
    std::size_t renamed = std::size_t(-1);  // the last rename
  };
  Traced runTraced(std::size_t at, int sig) {
    Traced t;
    const int out = ::open((root_ / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const pid_t pid = start(out, {}, true);
    ::close(out);
    if (::waitpid(pid, &t.raw, 0) != pid || !WIFSTOPPED(t.raw)) return t;  // ran untraced
    t.traced = true;
    ::ptrace(PTRACE_SETOPTIONS, pid, 0, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
    int pass = 0;  // the signal to let through as the child goes on
    for (;;) {
      ::ptrace(PTRACE_SYSCALL, pid, 0, pass);
      pass = 0;
      if (::waitpid(pid, &t.raw, 0) != pid || !WIFSTOPPED(t.raw)) return t;
      if (WSTOPSIG(t.raw) != (SIGTRAP | 0x80)) {
        // A signal on its way in; the SIGTRAP of the exec is the tracer's own.
        if (WSTOPSIG(t.raw) != SIGTRAP) pass = WSTOPSIG(t.raw);
        continue;
      }
      __ptrace_syscall_info info{};
      ::ptrace(PTRACE_GET_SYSCALL_INFO, pid, sizeof info, &info);
      if (info.op != PTRACE_SYSCALL_INFO_ENTRY) continue;
      const auto nr = static_cast<long>(info.entry.nr);
      const auto& args = info.entry.args;
      bool creates = nr == SYS_openat && (args[2] & O_CREAT) != 0;
      bool renames = nr == SYS_renameat || nr == SYS_renameat2;
#ifdef SYS_open
      creates = creates || (nr == SYS_open && (args[1] & O_CREAT) != 0);
#endif
#ifdef SYS_rename
      renames = renames || nr == SYS_rename;
#endif
      if (creates && t.created > t.calls) t.created = t.calls;
      if (renames) t.renamed = t.calls;
      if (t.calls++ == at) ::kill(pid, sig);
    }
  }

  void interruptAtEveryCall(const std::string& input);

  static int wait(pid_t pid) {
    int raw = 0;
    ::waitpid(pid, &raw, 0);
    return raw;
  }

  std::size_t entries() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }

  fs::path root_, dir_;
  fs::path binary_ = VAK_BINARY;
  std::string prefix_;
};

const std::string kInput =
    "Version,\n  8.0;\nZone, Z1;\nHVACVAKTemplate:Thermostat,\n  T1,\n  ,\n  21,\n  ,\n  25;\n";

TEST_F(Process, NormalRunWritesTheOutputAndSaysOk) {
  spit(dir_ / "in.idf", kInput);
  const Result r = run();
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "ExpandVAKObjects....OK\n");
  EXPECT_EQ(r.err, "");
  const std::string output = slurp(dir_ / "expandedVAK.idf");
  EXPECT_EQ(output.rfind("Version,\n  8.0;\nZone, Z1;\n\n\n!-   ===========  ALL OBJECTS IN CLASS: "
                         "SCHEDULETYPELIMITS",
                         0),
            0u);
  EXPECT_EQ(entries(), 2u);  // no temporary file left behind
  struct stat st {};
  ASSERT_EQ(::stat((dir_ / "expandedVAK.idf").c_str(), &st), 0);
  EXPECT_NE(st.st_mode & S_IRGRP, 0u) << "the output is readable like any file the user creates";
}

TEST_F(Process, ReplacesAnEarlierOutput) {
  spit(dir_ / "in.idf", "a\n");
  spit(dir_ / "expandedVAK.idf", std::string(10000, 'x'));
  EXPECT_EQ(run().status, 0);
  EXPECT_EQ(slurp(dir_ / "expandedVAK.idf"), "a\n\n");
}

// A file with templates is read a second time, for the names they use. An input that cannot
// go back to its start, a named pipe or standard input behind a pipe, gives what the same bytes
// from a file give: the schedule the thermostat names is found, so there is no warning.
TEST_F(Process, InputThatCannotBeReadTwice) {
  const std::string model =
      "Version,\n  8.0;\nZone, Z1;\nSchedule:Constant, Heat, , 21;\n"
      "HVACVAKTemplate:Thermostat,\n  T1,\n  Heat,\n  ,\n  ,\n  25;\n";
  spit(root_ / "model.idf", model);
  spit(dir_ / "in.idf", model);
  ASSERT_EQ(run().status, 0);
  const std::string expected = slurp(dir_ / "expandedVAK.idf");
  struct Case {
    const char* what;
    std::string shellPrefix;
  };
  const std::string feed = "'" + (root_ / "model.idf").string() + "'";
  for (const Case& c : {Case{"named pipe", "(cat " + feed + " > in.idf &) &&"},
                        Case{"standard input", "cat " + feed + " |"}}) {
    fs::remove_all(dir_);
    fs::create_directory(dir_);
    if (c.shellPrefix[0] == '(') {
      ASSERT_EQ(::mkfifo((dir_ / "in.idf").c_str(), 0644), 0);
    } else {
      fs::create_symlink("/dev/stdin", dir_ / "in.idf");
    }
    const Result r = run("", c.shellPrefix);
    EXPECT_EQ(r.status, 0) << c.what << ": " << r.err;
    EXPECT_EQ(r.err, "") << c.what;
    EXPECT_TRUE(slurp(dir_ / "expandedVAK.idf") == expected) << c.what;
    EXPECT_EQ(entries(), 2u) << c.what;
  }
}

TEST_F(Process, AnyArgumentPrintsOnlyTheUsage) {
  spit(dir_ / "in.idf", kInput);
  for (const char* args : {"in.idf", "-h", "a b"}) {
    const Result r = run(args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "USO: expandVAKobjects.exe input.idf \n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(entries(), 1u);
  }
}

// The environment asks for the design summary; the usage line stays what it is.
TEST_F(Process, DesignSummaryOnRequest) {
  spit(dir_ / "in.idf",
       "Version, 8.0;\nZone, Z1;\nSchedule:Constant, On, , 1;\n"
       "HVACVAKTemplate:Thermostat,\n  T1,\n  ,\n  21,\n  ,\n  25;\n"
       "HVACVAKTemplate:VRVUnidadExterior,\n  OU,\n  On,\n  7000,\n  3.3,\n  8000,\n  3.6,\n"
       "  Z1,\n  LoadPriority,\n  ,\n  30,\n  4,\n  ReverseCycle,\n  0;\n"
       "HVACVAKTemplate:VRVUnidadInterior,\n  U1,\n  Z1,\n  T1,\n  On,\n  Auto,\n"
       "  DrawThrough,\n  0.6,\n  75,\n  0.9,\n  1.0,\n  0.35,\n  7000,\n  0.75,\n  8000,\n"
       "  0.05,\n  OU;\n");
  Result r = run("", "EXPANDVAK_SUMMARY=1");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "ExpandVAKObjects....OK\n");
  EXPECT_TRUE(
      r.err.starts_with("Design summary of HVACVAKTemplate:VRVUnidadExterior \"OU\" "
                        "(in.idf line 10):\n"))
      << r.err;
  EXPECT_NE(r.err.find("\n  combination ratio             1.00       1.00\n"), std::string::npos)
      << r.err;
  const std::string output = slurp(dir_ / "expandedVAK.idf");
  for (const char* value : {"", "0", "yes"}) {
    r = run("", std::string("EXPANDVAK_SUMMARY=") + value);
    EXPECT_EQ(r.err, "") << value;
    EXPECT_EQ(slurp(dir_ / "expandedVAK.idf"), output) << "the output does not change";
  }
  r = run("in.idf", "EXPANDVAK_SUMMARY=1");
  EXPECT_EQ(r.out, "USO: expandVAKobjects.exe input.idf \n");
  EXPECT_EQ(r.err, "");
}

TEST_F(Process, MissingInputIsAnErrorAndTouchesNoOutput) {
  Result r = run();
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("in.idf"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("No such file"), std::string::npos) << r.err;
  EXPECT_EQ(entries(), 0u);

  spit(dir_ / "expandedVAK.idf", "earlier");
  fs::create_directory(dir_ / "in.idf");
  r = run();
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("Is a directory"), std::string::npos) << r.err;
  EXPECT_EQ(slurp(dir_ / "expandedVAK.idf"), "earlier");
}

TEST_F(Process, UnreadableInput) {
  if (!runUnprivileged()) GTEST_SKIP() << "no way to run as an ordinary user";
  spit(dir_ / "in.idf", kInput);
  fs::permissions(dir_ / "in.idf", fs::perms::none);
  const Result r = run();
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Permission denied"), std::string::npos) << r.err;
  EXPECT_EQ(entries(), 1u);
}

TEST_F(Process, UnwritableDirectory) {
  if (!runUnprivileged()) GTEST_SKIP() << "no way to run as an ordinary user";
  spit(dir_ / "in.idf", kInput);
  spit(dir_ / "expandedVAK.idf", "earlier");
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                            fs::perms::others_exec);
  const Result r = run();
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("expandedVAK.idf"), std::string::npos) << r.err;
  EXPECT_EQ(slurp(dir_ / "expandedVAK.idf"), "earlier");
}

TEST_F(Process, OutputThatCannotBeReplaced) {
  spit(dir_ / "in.idf", kInput);
  fs::create_directory(dir_ / "expandedVAK.idf");
  const Result r = run();
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("expandedVAK.idf"), std::string::npos) << r.err;
  EXPECT_EQ(entries(), 2u);  // the temporary file is gone
}

TEST_F(Process, WriteFailureKeepsTheEarlierOutput) {
  // A file size limit of one block makes the write fail part-way, as a full disk would.
  std::string big;
  for (int i = 0; i < 20000; ++i) big += "! line " + std::to_string(i) + "\n";
  spit(dir_ / "in.idf", big);
  spit(dir_ / "expandedVAK.idf", "earlier");
  const Result r = run("", "ulimit -f 8 &&");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("cannot write output file"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("File too large"), std::string::npos) << r.err;
  EXPECT_EQ(slurp(dir_ / "expandedVAK.idf"), "earlier");
  EXPECT_EQ(entries(), 2u);
}

TEST_F(Process, FieldLineWithoutDelimiterPrintsErrorThenOk) {
  spit(dir_ / "in.idf", "HVACVAKTemplate:Thermostat,\n  T1\n  ,\n  ,\n  ,\n  ;\n");
  const Result r = run();
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "error\nExpandVAKObjects....OK\n");
  EXPECT_NE(r.err.find("in.idf:2: warning: HVACVAKTemplate:Thermostat (no name): the line of name"),
            std::string::npos)
      << r.err;
}

TEST_F(Process, ReplacedOutputKeepsItsMode) {
  spit(dir_ / "in.idf", kInput);
  using P = fs::perms;
  struct Case {
    P given, kept;
  };
  // Every permission bit carries over; the set-id and sticky bits, which a text file has no
  // use for, do not.
  const P special = P::set_uid | P::set_gid | P::sticky_bit;
  for (const Case c : {Case{P::owner_read | P::owner_write, P::owner_read | P::owner_write},
                       Case{P::owner_read | P::group_read | P::others_read,
                            P::owner_read | P::group_read | P::others_read},
                       Case{P::all | special, P::all}}) {
    spit(dir_ / "expandedVAK.idf", "earlier");
    fs::permissions(dir_ / "expandedVAK.idf", c.given);
    EXPECT_EQ(run().status, 0);
    EXPECT_EQ(fs::status(dir_ / "expandedVAK.idf").permissions(), c.kept);
    EXPECT_NE(slurp(dir_ / "expandedVAK.idf"), "earlier") << "a write-protected file is replaced";
    fs::permissions(dir_ / "expandedVAK.idf", fs::perms::owner_all, fs::perm_options::add);
  }
}

// The temporary file is always a new one: a name already taken, here by a link to another
// file, is passed over, and what it names is neither written nor moved into place.
TEST_F(Process, TemporaryFileNeverTakesAnExistingName) {
  spit(dir_ / "in.idf", kInput);
  spit(root_ / "elsewhere.idf", "kept");
  const std::string target = (root_ / "elsewhere.idf").string();
  const int out = ::open("/dev/null", O_WRONLY);
  const pid_t pid = start(out, [&target] {
    // The name the program tries first: its process number, then 0.
    const std::string first = ".expandedVAK.idf." + std::to_string(::getpid()) + ".0.tmp";
    if (::symlink(target.c_str(), first.c_str()) != 0) ::_exit(127);
  });
  ::close(out);
  const int raw = wait(pid);
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), 0) << slurp(root_ / "err");
  EXPECT_EQ(slurp(root_ / "elsewhere.idf"), "kept");
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir_ / "expandedVAK.idf")));
  EXPECT_EQ(slurp(dir_ / "expandedVAK.idf").rfind("Version,\n  8.0;\n", 0), 0u);
  EXPECT_EQ(entries(), 3u) << "the link that held the name stays";
}

TEST_F(Process, LinksNamedLikeTheOutputAreReplacedNotWrittenThrough) {
  spit(dir_ / "in.idf", kInput);
  spit(dir_ / "model.idf", "symbolic");
  fs::create_symlink("model.idf", dir_ / "expandedVAK.idf");
  EXPECT_EQ(run().status, 0);
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir_ / "expandedVAK.idf")));
  EXPECT_EQ(slurp(dir_ / "model.idf"), "symbolic");

  spit(dir_ / "copy.idf", "hard");
  fs::remove(dir_ / "expandedVAK.idf");
  fs::create_hard_link(dir_ / "copy.idf", dir_ / "expandedVAK.idf");
  EXPECT_EQ(run().status, 0);
  EXPECT_EQ(slurp(dir_ / "copy.idf"), "hard");
  EXPECT_EQ(fs::hard_link_count(dir_ / "expandedVAK.idf"), 1u);
}

TEST_F(Process, ConsoleThatCannotTakeTheSuccessLineFailsTheRun) {
  spit(dir_ / "in.idf", "a\n");
  int broken[2];
  ASSERT_EQ(::pipe(broken), 0);
  ::close(broken[0]);  // nobody reads: the write meets a broken pipe
  const int full = ::open("/dev/full", O_WRONLY);
  struct Case {
    const char* what;
    int fd;
  };
  for (const Case c : {Case{"closed", -1}, Case{"broken pipe", broken[1]}, Case{"full", full}}) {
    if (c.fd == full && full < 0) continue;
    fs::remove(dir_ / "expandedVAK.idf");
    const int raw = wait(start(c.fd));
    ASSERT_TRUE(WIFEXITED(raw)) << c.what << ": killed by signal " << WTERMSIG(raw);
    EXPECT_EQ(WEXITSTATUS(raw), 1) << c.what;
    const std::string err = slurp(root_ / "err");
    EXPECT_EQ(err.rfind("expandVAKobjects: cannot write to standard output: ", 0), 0u) << err;
    EXPECT_EQ(slurp(dir_ / "expandedVAK.idf"), "a\n\n") << "the output comes first";
  }
  ::close(broken[1]);
  if (full >= 0) ::close(full);
}

TEST_F(Process, InterruptionRemovesTheTemporaryFileAndDiesOfTheSignal) {
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
    fs::remove_all(dir_);
    fs::create_directory(dir_);
    spit(dir_ / "expandedVAK.idf", "earlier");
    ASSERT_EQ(::mkfifo((dir_ / "in.idf").c_str(), 0644), 0);
    const int out = ::open((root_ / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const pid_t pid = start(out);
    ::close(out);
    // The program has the input open once this returns, and is waiting for more of it.
    const int feed = ::open((dir_ / "in.idf").c_str(), O_WRONLY);
    ASSERT_GE(feed, 0);
    const std::string part = "Zone,\n  Z1;\n";
    ASSERT_EQ(::write(feed, part.data(), part.size()), static_cast<ssize_t>(part.size()));
    for (int i = 0; i < 500 && entries() < 3; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(entries(), 3u) << "the temporary file";
    ::kill(pid, sig);
    const int raw = wait(pid);
    ::close(feed);
    EXPECT_TRUE(WIFSIGNALED(raw) && WTERMSIG(raw) == sig) << sig;
    EXPECT_EQ(entries(), 2u) << "the temporary file is left after signal " << sig;
    EXPECT_EQ(slurp(dir_ / "expandedVAK.idf"), "earlier");
  }
}

TEST_F(Process, InterruptedAtAnyCallTheStatusMatchesTheOutput) {
  // Sent as the run enters each of its system calls from the creation of the temporary file
  // on, rename and exit included, an interruption either kills the run before it replaces the
  // output, leaving the earlier one and no temporary file, or finds the output replaced and
  // is held: the run then ends as a success. The large system is checked on a thread of its
  // own and its output written by another while the first thread's calls are traced.
  for (const std::string& input : {kInput, vak::bench::vrfModel(2, 600)}) {
    interruptAtEveryCall(input);
  }
}

void Process::interruptAtEveryCall(const std::string& input) {
  const auto reset = [&] {
    fs::remove_all(dir_);
    fs::create_directory(dir_);
    spit(dir_ / "in.idf", input);
    spit(dir_ / "expandedVAK.idf", "earlier");
  };
  reset();
  const Traced plain = runTraced(std::size_t(-1), 0);
  if (!plain.traced) GTEST_SKIP() << "the system does not let the test trace the program";
  ASSERT_TRUE(WIFEXITED(plain.raw) && WEXITSTATUS(plain.raw) == 0) << slurp(root_ / "err");
  const std::string output = slurp(dir_ / "expandedVAK.idf");
  const std::size_t created = plain.created, renamed = plain.renamed;
  ASSERT_TRUE(created > 0 && created < renamed && renamed < plain.calls);

  for (std::size_t at = created - 1; at < plain.calls; ++at) {
    const bool nearRename = at + 1 >= renamed && at <= renamed + 1;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
      if (sig != SIGTERM && !nearRename) continue;
      reset();
      const int raw = runTraced(at, sig).raw;
      const std::string where = "signal " + std::to_string(sig) + " at call " + std::to_string(at) +
                                " (the rename is call " + std::to_string(renamed) + ")";
      EXPECT_EQ(entries(), 2u) << where << ": the temporary file is left";
      if (WIFSIGNALED(raw)) {
        EXPECT_EQ(WTERMSIG(raw), sig) << where;
        EXPECT_EQ(slurp(dir_ / "expandedVAK.idf"), "earlier") << where << ": died after the rename";
        EXPECT_EQ(slurp(root_ / "out"), "") << where;
      } else {
        EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << where;
        EXPECT_EQ(slurp(dir_ / "expandedVAK.idf"), output) << where;
        EXPECT_EQ(slurp(root_ / "out"), "ExpandVAKObjects....OK\n") << where;
      }
    }
  }
}

// The file layer's read goes on when a signal interrupts it: a handler installed without
// SA_RESTART, as a library or a debugger may install one, makes a read that waits fail with
// EINTR.
TEST(PosixFileLayer, ReadsOnThroughInterruptions) {
  struct sigaction quiet {
  }, old{};
  quiet.sa_handler = [](int) {};
  sigemptyset(&quiet.sa_mask);
  ASSERT_EQ(::sigaction(SIGUSR1, &quiet, &old), 0);
  char pattern[] = "/tmp/vak-layer-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const fs::path fifo = fs::path(pattern) / "in.idf";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  const pthread_t reader = ::pthread_self();
  std::thread feeder([&fifo, reader] {
    const int fd = ::open(fifo.c_str(), O_WRONLY);  // once the reader has it open
    // The reader waits for bytes meanwhile; each signal interrupts its read.
    for (int i = 0; i < 5; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      ::pthread_kill(reader, SIGUSR1);
    }
    const std::string text = "Zone, Z1;\n";
    if (::write(fd, text.data(), text.size()) < 0) std::abort();
    ::close(fd);
  });
  std::error_code ec;
  const std::unique_ptr<vak::InputFile> in = vak::systemFileLayer().openInput(fifo.string(), ec);
  char buffer[64];
  const std::size_t got = in ? in->read(buffer, ec) : 0;
  feeder.join();
  EXPECT_FALSE(ec) << ec.message();
  EXPECT_EQ(std::string(buffer, got), "Zone, Z1;\n");
  ::sigaction(SIGUSR1, &old, nullptr);
  fs::remove_all(pattern);
}

}  // namespace
