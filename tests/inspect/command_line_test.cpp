// The command line of tembrix2-inspect, and convert writing its output
// completely or not at all.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "inspect_support.h"

namespace {

using namespace tembrix::test;

TEST(InspectCommandLine, HelpGoesToStandardOutput) {
  ScratchDir dir;
  for (const char* flag : {"--help", "-h"}) {
    const RunResult r = inspect(dir, {flag});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("usage: tembrix2-inspect check STATE [--rings RING_TABLE] [--tolerance T]\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("exit status: 0 all is well, 1 a check failed, 2 bad command line or unreadable input\n"),
              std::string::npos);
    EXPECT_EQ(r.err, "");
  }
  EXPECT_TRUE(dir.files().empty());
}

TEST(InspectCommandLine, BadCommandLinesGiveStatusTwoAndTheUsage) {
  ScratchDir dir;
  const struct {
    std::vector<std::string> args;
    const char* reason;
  } cases[] = {
      {{}, "no command given"},
      {{"inspect", "s.dat"}, "unknown command 'inspect'"},
      {{"--help", "check"}, "unknown command '--help'"},
      {{"check"}, "check needs the initial-state file"},
      {{"check", "s.dat", "t.dat"}, "unexpected argument 't.dat'"},
      {{"check", "s.dat", "--rings"}, "option --rings needs a value"},
      {{"check", "s.dat", "--tolerance", "0"}, "--tolerance needs a positive number, not '0'"},
      {{"check", "s.dat", "--tolerance", "-1e-9"}, "--tolerance needs a positive number, not '-1e-9'"},
      {{"check", "s.dat", "--tolerance", "1e-9x"}, "--tolerance needs a positive number, not '1e-9x'"},
      {{"check", "s.dat", "--tolerance", "inf"}, "--tolerance needs a positive number, not 'inf'"},
      {{"check", "s.dat", "--tolerance", "1", "--tolerance", "2"}, "option --tolerance given twice"},
      {{"check", "s.dat", "--to", "csv"}, "unknown option '--to' for check"},
      {{"convert", "s.dat", "-o", "out.csv"}, "convert needs --to hdf5 or --to csv"},
      {{"convert", "s.dat", "--to", "fits", "-o", "out"}, "convert needs --to hdf5 or --to csv"},
      {{"convert", "s.dat", "--to", "csv"}, "convert needs -o OUT"},
      {{"convert", "s.dat", "--to", "csv", "-o", "x", "--units", "cgs"}, "--units needs code or si, not 'cgs'"},
      {{"convert", "s.dat", "--to", "hdf5", "-o", "x", "--units", "si"}, "--units si is for CSV"},
      {{"convert", "--to", "csv", "-o", "x"}, "convert needs the initial-state file"},
  };
  for (const auto& c : cases) {
    const RunResult r = inspect(dir, c.args);
    EXPECT_EQ(r.status, 2) << c.reason;
    EXPECT_EQ(r.err.rfind(std::string("tembrix2-inspect: ") + c.reason, 0), 0u) << r.err;
    EXPECT_NE(r.err.find("\nusage: tembrix2-inspect check"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
  EXPECT_TRUE(dir.files().empty());
}

// A convert that fails leaves an existing output as it was and no temporary
// behind; one that succeeds replaces it.
TEST(InspectConvert, OutputIsWrittenCompletelyOrNotAtAll) {
  ScratchDir dir;
  Parameters p;
  p.ncirc = "4";
  p.nbc = "12";
  dir.write("Tembrix2.dat", p.text());
  run_tembrix2(dir);
  const std::string state = dir.read("state.dat");
  dir.write("bad.dat", state.substr(0, state.size() - 40));
  for (const char* format : {"csv", "hdf5"}) {
    dir.write("out", "earlier contents");
    const RunResult bad = inspect(dir, {"convert", "bad.dat", "--to", format, "-o", "out"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err.rfind("tembrix2-inspect: bad.dat:", 0), 0u) << bad.err;
    EXPECT_EQ(dir.read("out"), "earlier contents");
    const RunResult nowhere = inspect(dir, {"convert", "state.dat", "--to", format, "-o", "no/such/folder/out"});
    EXPECT_EQ(nowhere.status, 2);
    EXPECT_EQ(nowhere.err.rfind("tembrix2-inspect: no/such/folder/out: cannot create a file beside it", 0), 0u)
        << nowhere.err;
    for (const std::string& name : dir.files()) EXPECT_EQ(name.find(".tmp-"), std::string::npos) << name;
    const RunResult good = inspect(dir, {"convert", "state.dat", "--to", format, "-o", "out"});
    EXPECT_EQ(good.status, 0) << good.err;
    EXPECT_EQ(good.out + good.err, "");
    EXPECT_NE(dir.read("out"), "earlier contents");
    for (const std::string& name : dir.files()) EXPECT_EQ(name.find(".tmp-"), std::string::npos) << name;
  }
  EXPECT_EQ(dir.read("out").substr(0, 8), "\x89HDF\r\n\x1a\n");
  // The state file itself is never the output.
  const RunResult self = inspect(dir, {"convert", "state.dat", "--to", "csv", "-o", "./state.dat"});
  EXPECT_EQ(self.status, 2);
  EXPECT_EQ(self.err, "tembrix2-inspect: ./state.dat: is the state file itself; choose another output\n");
  EXPECT_EQ(dir.read("state.dat"), state);
}

// The CSV of a state whose numbers are given: the header row, then each body
// with its id and the shortest texts of its numbers.
TEST(InspectConvert, CsvRowsOfAHandMadeState) {
  ScratchDir dir;
  StateContent s;
  s.bodies = {{0.5, {0.0, -0.0, 1.5}, {1e-300, 0.1, -2.0}, 0.25}, {0.5, {1.0 / 3.0, 2.0, 3.0}, {4.0, 5.0, 6.0}, 7e22}};
  s.mtot = 2.0;
  s.lunit = 10.0;
  s.vunit = 0.5;
  dir.write("s.dat", state_text(s));
  ASSERT_EQ(inspect(dir, {"convert", "s.dat", "--to", "csv", "-o", "code.csv"}).status, 0);
  EXPECT_EQ(dir.read("code.csv"),
            "id,mass,x,y,z,vx,vy,vz,radius\n"
            "1,0.5,0,0,1.5,1e-300,0.1,-2,0.25\n"
            "2,0.5,0.3333333333333333,2,3,4,5,6,7e+22\n");
  ASSERT_EQ(inspect(dir, {"convert", "s.dat", "--to", "csv", "-o", "si.csv", "--units", "si"}).status, 0);
  EXPECT_EQ(dir.read("si.csv"),
            "id,mass,x,y,z,vx,vy,vz,radius\n"
            "1,1,0,0,15,2e-300,0.2,-4,2.5\n"
            "2,1,3.333333333333333,20,30,8,10,12,7e+23\n");
}

}  // namespace
