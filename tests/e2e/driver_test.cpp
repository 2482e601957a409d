// End-to-end runs of the driver: how a run starts, and its early ends.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "e2e_support.h"

namespace tembrix::test {
namespace {

const std::string binary = TEMBRIX2_BINARY;
const std::string zero_real = "0.000000000000000E+000";
const std::string nul_name(12, '\0');

std::string blanks(std::size_t n) { return std::string(n, ' '); }

// Lines 2 to 5 of the read-error record when every field from `ncirc` on
// holds its initial value (derived from the record layout rules by hand).
std::vector<std::string> initial_read_error_lines() {
  return {
      " *01Qx Error reading file Tembrix2.dat *** " + blanks(10) + "0" + blanks(11) + "0",
      blanks(3) + zero_real + blanks(11) + "0" + nul_name + blanks(2) + zero_real,
      blanks(3) + zero_real + blanks(11) + "0" + blanks(11) + "0" + blanks(3) + zero_real,
      blanks(3) + zero_real + blanks(11) + "0" + blanks(3) + zero_real,
      blanks(3) + zero_real + blanks(3) + zero_real + nul_name + blanks(10) + "0",
  };
}

std::string as_file(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r\n";
  return s;
}

// The console shows each line without its first blank, CR LF between lines,
// and one CR LF at the end of the run.
std::string as_console(const std::vector<std::string>& lines) {
  std::string s;
  for (std::size_t i = 0; i < lines.size(); ++i) s += (i ? "\r\n" : "") + lines[i].substr(1);
  return s + "\r\n";
}

TEST(Driver, MissingParameterFileFailsAndCreatesNothing) {
  ScratchDir dir;
  const RunResult r = run_in(dir.path(), binary);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("OPEN(Tembrix2.dat)"), std::string::npos) << r.err;
  EXPECT_TRUE(dir.files().empty());
}

TEST(Driver, EmptyParameterFileReportsEveryFieldAtItsInitialValue) {
  ScratchDir dir;
  dir.write("Tembrix2.dat", "");
  const RunResult r = run_in(dir.path(), binary);
  EXPECT_EQ(r.status, 1);  // no initial state was made
  EXPECT_EQ(r.err, "");
  const auto lines = initial_read_error_lines();
  EXPECT_EQ(r.out, as_console(lines));
  EXPECT_EQ(dir.read("ErTembri.dat"), as_file(lines));
  EXPECT_EQ(dir.files(), (std::vector<std::string>{"ErTembri.dat", "Tembrix2.dat"}));
}

TEST(Driver, FailureInRecordSixShowsTheFieldsReadBefore) {
  ScratchDir dir;
  Parameters p;
  p.ncirc = "5";
  p.nbc = "7";
  p.drad = "1.5";
  p.iradf = "1";
  p.fradii = "myradii.dat";
  p.omtot = "1.0Q";  // not a number: record 6 fails
  dir.write("Tembrix2.dat", p.text());
  dir.write("ErTembri.dat", "an older report\r\n");
  const RunResult r = run_in(dir.path(), binary);
  EXPECT_EQ(r.status, 1);
  auto lines = initial_read_error_lines();
  lines[0] = " *01Qx Error reading file Tembrix2.dat *** " + blanks(10) + "5" + blanks(11) + "7";
  lines[1] = blanks(8) + "1.500000000000000" + blanks(11) + "1" + "myradii.dat " + blanks(2) +
             zero_real;
  EXPECT_EQ(r.out, as_console(lines));
  EXPECT_EQ(dir.read("ErTembri.dat"), as_file(lines));
}

TEST(Driver, ReadOnlyParameterFileIsReadNormally) {
  ScratchDir dir;
  ::chmod(dir.path().c_str(), 0777);  // the unprivileged run writes its files here
  Parameters p;
  p.ncirc = "2";
  p.nbc = "10";
  dir.write("Tembrix2.dat", p.text());
  ::chmod((dir.path() / "Tembrix2.dat").c_str(), 0444);
  const RunResult r = run_in(dir.path(), binary, {}, "", {}, /*as_unprivileged=*/true);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(dir.exists("state.dat"));
}

struct CountCase {
  const char* ncirc;
  const char* nbc;
  const char* message;
};

class CountLimits : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountLimits, CountsOutsideTheTablesAreRefusedBeforeAnyFileIsTouched) {
  ScratchDir dir;
  Parameters p;
  p.ncirc = GetParam().ncirc;
  p.nbc = GetParam().nbc;
  dir.write("Tembrix2.dat", p.text());
  const RunResult r = run_in(dir.path(), binary);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_EQ(dir.files(), std::vector<std::string>{"Tembrix2.dat"});
}

INSTANTIATE_TEST_SUITE_P(
    Driver, CountLimits,
    ::testing::Values(CountCase{"0", "3", "ncirc = 0 is outside the allowed range 1..1000"},
                      CountCase{"1001", "3", "ncirc = 1001 is outside the allowed range 1..1000"},
                      CountCase{"2", "0", "nbc = 0 is outside the allowed range 1..1000"},
                      CountCase{"2", "-5", "nbc = -5 is outside the allowed range 1..1000"},
                      CountCase{"2", "2147483647",
                                "nbc = 2147483647 is outside the allowed range 1..1000"}));

TEST(Driver, NormalRunIsSilentAndWritesEveryFile) {
  ScratchDir dir;
  Parameters p;
  p.ncirc = "3";
  p.nbc = "10";
  p.maxit = "5";
  dir.write("Tembrix2.dat", p.text());
  const RunResult r = run_in(dir.path(), binary);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  for (const char* name : {"ErTembri.dat", "QxStrfi1.dat", "QxNcRMEr.dat", "1i", "state.dat"}) {
    EXPECT_TRUE(dir.exists(name)) << name;
  }
  EXPECT_FALSE(dir.exists("QxStrfi0.dat"));
}

TEST(Driver, CommandLineArgumentsChangeNothingWhenNoNameIsBlank) {
  ScratchDir plain, with_args;
  Parameters p;
  p.ncirc = "2";
  p.nbc = "10";
  plain.write("Tembrix2.dat", p.text());
  with_args.write("Tembrix2.dat", p.text());
  ASSERT_EQ(run_in(plain.path(), binary).status, 0);
  ASSERT_EQ(run_in(with_args.path(), binary, {"other.dat", "x"}).status, 0);
  EXPECT_EQ(plain.files(), with_args.files());
  for (const auto& name : plain.files()) EXPECT_EQ(plain.read(name), with_args.read(name)) << name;
}

TEST(Driver, BlankStateNameIsTakenFromTheCommandLineOrTheConsole) {
  Parameters p;
  p.ncirc = "2";
  p.nbc = "10";
  p.fstate = "";
  {
    ScratchDir dir;
    dir.write("Tembrix2.dat", p.text());
    const RunResult r = run_in(dir.path(), binary, {"  fromarg.dat "});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(dir.exists("fromarg.dat"));
  }
  {
    ScratchDir dir;
    dir.write("Tembrix2.dat", p.text());
    const RunResult r = run_in(dir.path(), binary, {}, "\n   \nfromstdin.dat\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("File name missing or blank - please enter file name\r\nUNIT 5? "),
              std::string::npos);
    EXPECT_TRUE(dir.exists("fromstdin.dat"));
  }
  {
    ScratchDir dir;
    dir.write("Tembrix2.dat", p.text());
    const RunResult r = run_in(dir.path(), binary, {}, "");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(": READ("), std::string::npos) << r.err;
    EXPECT_TRUE(dir.exists("QxNcRMEr.dat"));  // the ring table is closed complete
  }
}

TEST(Driver, ZeroPeriodIsAnArithmeticFaultBeforeAnyFileIsWritten) {
  ScratchDir dir;
  Parameters p;
  p.period = "0.0";
  dir.write("Tembrix2.dat", p.text());
  const RunResult r = run_in(dir.path(), binary);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("division by zero"), std::string::npos) << r.err;
  EXPECT_EQ(dir.files(), std::vector<std::string>{"Tembrix2.dat"});
}

}  // namespace
}  // namespace tembrix::test
