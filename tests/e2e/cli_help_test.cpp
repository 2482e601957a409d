// End-to-end runs of `tembrix2 --help` and `tembrix2 --version`: they answer on
// standard output and touch no file, and only a sole, exact argument asks.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <utility>

#include "e2e_support.h"

namespace tembrix::test {
namespace {

const std::string binary = TEMBRIX2_BINARY;

// Names, bytes and modification times of every file in a directory.
using Snapshot = std::map<std::string, std::pair<std::string, std::filesystem::file_time_type>>;

Snapshot snapshot(const ScratchDir& dir) {
  Snapshot s;
  for (const auto& name : dir.files()) {
    s[name] = {dir.read(name), std::filesystem::last_write_time(dir.path() / name)};
  }
  return s;
}

// A run directory that a plain run would rewrite: a parameter file and the
// outputs of an earlier run, with contents no run writes.
void fill_run_directory(const ScratchDir& dir) {
  dir.write("Tembrix2.dat", Parameters{}.text());
  for (const char* name : {"ErTembri.dat", "QxNcRMEr.dat", "QxStrfi1.dat", "1i", "state.dat"}) {
    dir.write(name, std::string("earlier ") + name + "\n");
  }
}

TEST(InfoRequest, HelpAndVersionAnswerOnStandardOutputAndTouchNoFile) {
  const std::string version_line = std::string("tembrix2 ") + TEMBRIX2_VERSION + "\n";
  for (const bool with_parameter_file : {true, false}) {
    for (const std::string request : {"--help", "--version"}) {
      SCOPED_TRACE(request + (with_parameter_file ? " in a run directory" : " in an empty one"));
      ScratchDir dir;
      if (with_parameter_file) fill_run_directory(dir);
      const Snapshot before = snapshot(dir);
      const RunResult r = run_in(dir.path(), binary, {request});
      EXPECT_EQ(r.status, 0);
      EXPECT_EQ(r.err, "");
      EXPECT_EQ(snapshot(dir), before);
      if (request == "--version") {
        EXPECT_EQ(r.out, version_line);
        continue;
      }
      EXPECT_EQ(r.out.rfind("Usage: tembrix2 [NAME ...]\n", 0), 0u) << r.out;
      for (const char* part : {"Tembrix2.dat", "ErTembri.dat", "QxNcRMEr.dat", "initial-state file",
                               "Exit status:", "  0  ", "  1  ", "README.md", "--version"}) {
        EXPECT_NE(r.out.find(part), std::string::npos) << part;
      }
      EXPECT_EQ(r.out.find('\r'), std::string::npos);
      EXPECT_EQ(r.out.back(), '\n');
    }
  }
}

// Every other command line is a run: its arguments name blank file names as before.
TEST(InfoRequest, AnyOtherArgumentsStayFileNames) {
  Parameters p;
  p.ncirc = "2";
  p.nbc = "5";
  ScratchDir reference;
  reference.write("Tembrix2.dat", p.text());
  ASSERT_EQ(run_in(reference.path(), binary).status, 0);
  const std::string state = reference.read("state.dat");
  ASSERT_FALSE(state.empty());

  p.fstate = "";
  const std::pair<std::vector<std::string>, std::string> rows[] = {
      {{"--help", "x"}, "--help"},        {{"--version", "--help"}, "--version"},
      {{"x", "--help"}, "x"},             {{"-h"}, "-h"},
      {{"--HELP"}, "--HELP"},             {{"--help=1"}, "--help=1"},
      {{"-help"}, "-help"},               {{"--versions"}, "--versions"},
      {{" --help"}, "--help"},            {{"--version "}, "--version"},
  };
  for (const auto& [args, state_name] : rows) {
    SCOPED_TRACE("state file " + state_name);
    ScratchDir dir;
    dir.write("Tembrix2.dat", p.text());
    const RunResult r = run_in(dir.path(), binary, args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(dir.read(state_name), state);
  }
}

TEST(InfoRequest, UnwritableStandardOutputFailsAndTouchesNoFile) {
  for (const std::string request : {"--help", "--version"}) {
    SCOPED_TRACE(request);
    ScratchDir dir;
    fill_run_directory(dir);
    const Snapshot before = snapshot(dir);
    const RunResult r = run_in(dir.path(), "/bin/sh", {"-c", "exec \"$0\" \"$1\" > /dev/full", binary, request});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tembrix2: cannot write to standard output\n");
    EXPECT_EQ(snapshot(dir), before);
  }
}

}  // namespace
}  // namespace tembrix::test
