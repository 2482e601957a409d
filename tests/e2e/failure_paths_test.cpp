// End-to-end runs that end early: file failures, arithmetic faults and the
// negative-mass end. Whatever was written before the end stays complete.
#include <gtest/gtest.h>
#include <unistd.h>

#include "e2e_support.h"

namespace tembrix::test {
namespace {

const std::string binary = TEMBRIX2_BINARY;

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Number of CR LF line ends; a complete file also ends with one.
std::size_t line_count(const std::string& text) {
  std::size_t n = 0;
  for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2) ++n;
  return n;
}

Parameters three_circles() {
  Parameters p;
  p.ncirc = "3";
  p.nbc = "10";
  return p;
}

TEST(FailurePaths, WriteFailureOfTheStateFileKeepsEarlierFilesComplete) {
  ScratchDir dir;
  Parameters p = three_circles();
  p.fstate = "/dev/full";
  dir.write("Tembrix2.dat", p.text());
  const RunResult r = run_in(dir.path(), binary);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(contains(r.err, ": WRITE(/dev/full)")) << r.err;
  EXPECT_TRUE(r.err.starts_with("\r\nrun-time error F")) << r.err;
  const std::string ring = dir.read("QxNcRMEr.dat");
  EXPECT_EQ(line_count(ring), 6u);  // three records of two lines
  EXPECT_TRUE(ring.ends_with("\r\n"));
  EXPECT_EQ(line_count(dir.read("ErTembri.dat")), 6u);  // 2 + 1 + 1 + two radius records
}

TEST(FailurePaths, StateFileInAMissingDirectoryFailsToOpen) {
  ScratchDir dir;
  Parameters p = three_circles();
  p.fstate = "nodir/s.dat";
  dir.write("Tembrix2.dat", p.text());
  const RunResult r = run_in(dir.path(), binary);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(contains(r.err, ": OPEN(nodir/s.dat)")) << r.err;
  EXPECT_EQ(line_count(dir.read("QxNcRMEr.dat")), 6u);
}

// The ring table stays open to the end of the run; a state file that is the
// same file, by its name or by another link, would be written over by the ring
// table's last buffered bytes. The second connection is refused instead.
TEST(FailurePaths, StateFileThatIsTheOpenRingTableFailsToOpen) {
  for (const std::string name : {"QxNcRMEr.dat", "alias.dat"}) {
    SCOPED_TRACE(name);
    ScratchDir dir;
    Parameters p = three_circles();
    p.fstate = name;
    dir.write("Tembrix2.dat", p.text());
    dir.write("QxNcRMEr.dat", "left from an earlier run\r\n");
    ASSERT_EQ(::link((dir / "QxNcRMEr.dat").c_str(), (dir / "alias.dat").c_str()), 0);
    const RunResult r = run_in(dir.path(), binary);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.err, ": OPEN(" + name + ")")) << r.err;
    const std::string ring = dir.read("QxNcRMEr.dat");
    EXPECT_EQ(line_count(ring), 6u);  // three records of two lines, nothing of a state file
    EXPECT_TRUE(ring.starts_with("           1")) << ring;
  }
}

TEST(FailurePaths, ZeroDensityIsAnArithmeticFaultBeforeAnyReportRecord) {
  ScratchDir dir;
  Parameters p = three_circles();
  p.dens = "0.0";
  dir.write("Tembrix2.dat", p.text());
  const RunResult r = run_in(dir.path(), binary);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_TRUE(contains(r.err, "arithmetic fault")) << r.err;
  EXPECT_TRUE(contains(dir.read("ErTembri.dat"), "Radii of the circles"));  // set-up report kept
  EXPECT_EQ(line_count(dir.read("QxNcRMEr.dat")), 6u);
  EXPECT_FALSE(dir.exists("state.dat"));
}

TEST(FailurePaths, NegativeTotalMassFailsInTheRadiusPowerAfterThePhaseFile) {
  ScratchDir dir;
  Parameters p = three_circles();
  p.omtot = "-2.0D30";
  dir.write("Tembrix2.dat", p.text());
  const RunResult r = run_in(dir.path(), binary);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(contains(r.err, "arithmetic fault")) << r.err;
  EXPECT_EQ(line_count(dir.read("QxStrfi1.dat")), 3u);
  EXPECT_FALSE(dir.exists("ErTembri.dat"));
}

TEST(FailurePaths, MissingRadiiFileIsCreatedEmptyAndFailsOnItsFirstRecord) {
  ScratchDir dir;
  Parameters p = three_circles();
  p.iradf = "1";
  p.fradii = "radii.dat";
  dir.write("Tembrix2.dat", p.text());
  const RunResult r = run_in(dir.path(), binary);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(contains(r.err, ": READ(radii.dat)")) << r.err;
  EXPECT_TRUE(dir.exists("radii.dat"));
  EXPECT_EQ(dir.read("radii.dat"), "");
}

// The mass split overflows before the radii file is read: the run ends on the
// overflow, and neither the missing radii file nor the report file is created.
TEST(FailurePaths, OverflowInTheMassSplitEndsTheRunBeforeTheRadiiFileIsOpened) {
  ScratchDir dir;
  Parameters p = three_circles();
  p.iradf = "1";
  p.omtot = "2.44D+34";
  p.fcen = "-1D300";
  dir.write("Tembrix2.dat", p.text());
  const RunResult r = run_in(dir.path(), binary);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "\r\nrun-time error: arithmetic fault\r\n- floating-point overflow\r\n");
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(dir.files(), (std::vector<std::string>{"QxStrfi1.dat", "Tembrix2.dat"}));
}

TEST(FailurePaths, ShortRadiiFileFailsAtItsEnd) {
  ScratchDir dir;
  Parameters p = three_circles();
  p.iradf = "1";
  dir.write("Tembrix2.dat", p.text());
  dir.write("radii.dat", "1 1.5E11\r\n2 2.0E11\r\n");
  const RunResult r = run_in(dir.path(), binary);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(contains(r.err, ": READ(radii.dat)")) << r.err;
  EXPECT_FALSE(dir.exists("ErTembri.dat"));
}

}  // namespace
}  // namespace tembrix::test
