// The threaded parts of a run (matrix rows, formatting of body blocks) seen
// from outside: the bytes do not depend on the CPUs the run may use, and a
// write failure while the formatting threads are busy ends the run cleanly.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "e2e_support.h"

namespace tembrix::test {
namespace {

const std::string binary = TEMBRIX2_BINARY;
const std::string write_failure_text = "file cannot be written (device full or write refused)";

// 16 circles of 768 bodies: 12,289 bodies, so four blocks of body records
// (the last of one body), and a matrix large enough to be built on every core.
Parameters multi_block_run() {
  Parameters p;
  p.ncirc = "16";
  p.nbc = "768";
  p.fcen = "0.99";
  p.iphase = "1";
  p.maxit = "2";
  p.tilt = "0.4";
  return p;
}

// Every file of a directory with its bytes.
std::map<std::string, std::string> contents(const ScratchDir& dir) {
  std::map<std::string, std::string> files;
  for (const auto& name : dir.files()) files[name] = dir.read(name);
  return files;
}

TEST(ThreadedOutput, BytesDoNotDependOnTheCpusTheRunMayUse) {
  if (!std::filesystem::exists("/usr/bin/taskset")) GTEST_SKIP() << "no taskset";
  ScratchDir all_cores, one_core;
  all_cores.write("Tembrix2.dat", multi_block_run().text());
  one_core.write("Tembrix2.dat", multi_block_run().text());
  const RunResult a = run_in(all_cores.path(), binary);
  const RunResult b = run_in(one_core.path(), "/usr/bin/taskset", {"-c", "0", binary});
  ASSERT_EQ(a.status, 0) << a.err;
  ASSERT_EQ(b.status, 0) << b.err;
  EXPECT_EQ(b.out, a.out);
  EXPECT_EQ(b.err, a.err);
  const auto files = contents(all_cores);
  EXPECT_EQ(files.size(), 6u) << "parameters, report, phases, history, ring table, initial state";
  EXPECT_TRUE(contents(one_core) == files) << "the files differ between one core and all cores";
}

// While it lives, files the process (and every process it starts) writes may
// not grow beyond limit bytes; the signal that would end such a process is
// ignored, so the write fails instead.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    ::getrlimit(RLIMIT_FSIZE, &saved_limit_);
    saved_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit r = saved_limit_;
    r.rlim_cur = limit;
    ok_ = ::setrlimit(RLIMIT_FSIZE, &r) == 0;
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_limit_);
    std::signal(SIGXFSZ, saved_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool ok() const { return ok_; }

 private:
  rlimit saved_limit_{};
  void (*saved_handler_)(int) = SIG_DFL;
  bool ok_ = false;
};

// The limit falls inside the first block of body records, just past it, and
// inside the last full block: the writer meets the failure while workers are
// formatting later blocks. The run ends with the WRITE diagnostic and status
// 1, the state file holds the start of the full file and nothing else, and
// every earlier file is complete.
TEST(ThreadedOutput, WriteFailureWhileBlocksAreFormattedEndsTheRun) {
  ScratchDir full;
  full.write("Tembrix2.dat", multi_block_run().text());
  ASSERT_EQ(run_in(full.path(), binary).status, 0);
  const auto complete = contents(full);
  const std::string state = complete.at("state.dat");

  for (rlim_t limit : {rlim_t{1} << 20, rlim_t{1600000}, rlim_t{4} << 20}) {
    SCOPED_TRACE(limit);
    ASSERT_LT(limit, state.size());
    ScratchDir dir;
    dir.write("Tembrix2.dat", multi_block_run().text());
    RunResult r;
    {
      FileSizeLimit guard(limit);
      ASSERT_TRUE(guard.ok());
      r = run_in(dir.path(), binary);
    }
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "\r\nrun-time error F0004: WRITE(state.dat)\r\n- " + write_failure_text + "\r\n");
    auto files = contents(dir);
    const std::string partial = files["state.dat"];
    EXPECT_LE(partial.size(), limit);
    EXPECT_TRUE(state.starts_with(partial)) << "the state file is not the start of the full file";
    files.erase("state.dat");
    auto others = complete;
    others.erase("state.dat");
    EXPECT_TRUE(files == others) << "a file written before the state file differs";
  }
}

// The same with a device that refuses every write, from the first block on.
TEST(ThreadedOutput, FullDeviceAsTheStateFileOfAMultiBlockRun) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ScratchDir dir;
  Parameters p = multi_block_run();
  p.fstate = "/dev/full";
  dir.write("Tembrix2.dat", p.text());
  const RunResult r = run_in(dir.path(), binary);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "\r\nrun-time error F0004: WRITE(/dev/full)\r\n- " + write_failure_text + "\r\n");
}

}  // namespace
}  // namespace tembrix::test
