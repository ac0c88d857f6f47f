// Runs the built program in fresh directories: the paths that only the real files show.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void spit(const fs::path& p, const std::string& text) {
  std::ofstream(p, std::ios::binary) << text;
}

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

  std::size_t entries() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }

  fs::path root_, dir_;
  fs::path binary_ = VAK_BINARY;
  std::string prefix_;
};

const std::string kInput =
    "Version,\n  8.0;\nHVACVAKTemplate:Thermostat,\n  T1,\n  ,\n  21,\n  ,\n  25;\n";

TEST_F(Process, NormalRunWritesTheOutputAndSaysOk) {
  spit(dir_ / "in.idf", kInput);
  const Result r = run();
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "ExpandVAKObjects....OK\n");
  EXPECT_EQ(r.err, "");
  const std::string output = slurp(dir_ / "expandedVAK.idf");
  EXPECT_EQ(
      output.rfind(
          "Version,\n  8.0;\n\n\n!-   ===========  ALL OBJECTS IN CLASS: SCHEDULETYPELIMITS", 0),
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
  EXPECT_NE(r.err.find("line 2"), std::string::npos) << r.err;
}

}  // namespace
