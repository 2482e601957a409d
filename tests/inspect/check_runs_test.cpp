// tembrix2-inspect check on real outputs of tembrix2: every configuration
// passes, and a state changed in one number fails the check it breaks.
#include <string>

#include <gtest/gtest.h>

#include "inspect_support.h"

namespace {

using namespace tembrix::test;

struct Configuration {
  const char* name;
  Parameters p;
  std::vector<std::pair<std::string, std::string>> files;  // written beside the parameter file
};

std::vector<Configuration> configurations() {
  std::vector<Configuration> c;
  Parameters tilted;
  tilted.ncirc = "4";
  tilted.nbc = "12";
  tilted.tilt = "1.2";
  c.push_back({"tilted", tilted, {}});
  Parameters radii;
  radii.ncirc = "3";
  radii.nbc = "10";
  radii.iradf = "1";
  radii.tilt = "-0.4";
  c.push_back({"read radii", radii, {{"radii.dat", "1 1.5E11\n2 2.6E11\n3 4.1E11\n"}}});
  Parameters phases;
  phases.ncirc = "3";
  phases.nbc = "7";
  phases.iphf = "1";
  phases.tilt = "0.3";
  c.push_back({"phase file", phases, {{"QxStrfi0.dat", "1 0.3\n2 1.1\n3 2.0\n"}}});
  Parameters no_centre;
  no_centre.ncirc = "3";
  no_centre.nbc = "16";
  no_centre.fcen = "0.0";
  no_centre.drad = "3.0";
  c.push_back({"no central mass", no_centre, {}});
  Parameters one_body;
  one_body.ncirc = "2";
  one_body.nbc = "1";
  one_body.tilt = "0.2";
  one_body.drad = "3.0";
  one_body.iphase = "1";
  c.push_back({"one body per ring", one_body, {}});
  return c;
}

TEST(CheckRuns, RealOutputsOfEveryConfigurationPass) {
  for (const Configuration& c : configurations()) {
    ScratchDir dir;
    dir.write("Tembrix2.dat", c.p.text());
    for (const auto& [name, text] : c.files) dir.write(name, text);
    run_tembrix2(dir);
    const RunResult r = inspect(dir, {"check", "state.dat"});
    EXPECT_EQ(r.status, 0) << c.name << "\n" << r.out << r.err;
    EXPECT_NE(r.out.find("\nall checks hold\n"), std::string::npos) << c.name << "\n" << r.out;
    EXPECT_EQ(r.err, "") << c.name;
  }
}

// The bundled example, with the ring table named explicitly from another
// folder, and then changed in the 7th digit of one number.
TEST(CheckRuns, OneNumberChangedInItsSeventhDigitFailsTheCheckItBreaks) {
  ScratchDir dir;
  std::ifstream example(EXAMPLE_PARAMETERS, std::ios::binary);
  dir.write("Tembrix2.dat", std::string(std::istreambuf_iterator<char>(example), {}));
  run_tembrix2(dir, "rings.dat");
  const std::string state = dir.read("rings.dat");
  const RunResult good = inspect(dir, {"check", "rings.dat"});
  ASSERT_EQ(good.status, 0) << good.out;
  std::filesystem::create_directory(dir.path() / "elsewhere");

  // Ring 3's first body is body 1 + 2*60 + 1; 60 bodies per ring.
  const struct {
    const char* what;
    std::size_t token;
    const char* check;
  } cases[] = {
      {"x of ring 3's first body", body_token(122, 2), "balance"},
      {"x of ring 20's first body", body_token(1 + 19 * 60 + 1, 2), "balance"},
      {"vy of body 500", body_token(500, 6), "rigid rotation"},
      {"vy of ring 1's first body", body_token(2, 6), "rigid rotation"},
      {"mass of body 700", body_token(700, 1), "ring masses"},
      {"mass of the central body", body_token(1, 1), "balance"},
      {"angular momentum z in the header", 9, "angular momentum"},
  };
  for (const auto& c : cases) {
    dir.write("elsewhere/changed.dat", change_seventh_digit(state, c.token));
    const RunResult r = inspect(dir, {"check", "elsewhere/changed.dat", "--rings", "QxNcRMEr.dat"});
    EXPECT_EQ(r.status, 1) << c.what << "\n" << r.out << r.err;
    const std::size_t failed = r.out.find("\nFAILED: ");
    ASSERT_NE(failed, std::string::npos) << c.what << "\n" << r.out;
    EXPECT_NE(r.out.find(c.check, failed), std::string::npos) << c.what << "\n" << r.out.substr(failed);
    const std::string line = check_line(r.out, c.check);
    EXPECT_EQ(line.substr(line.size() - 2), "NO") << c.what << ": " << line;
  }
  // A looser tolerance lets a change in the 7th digit pass.
  dir.write("changed.dat", change_seventh_digit(state, body_token(500, 6)));
  EXPECT_EQ(inspect(dir, {"check", "changed.dat", "--rings", "QxNcRMEr.dat", "--tolerance", "1e-5"}).status, 0);
}

TEST(CheckRuns, UnreadableInputGivesStatusTwoAndTheReason) {
  ScratchDir dir;
  Parameters p;
  p.ncirc = "2";
  p.nbc = "4";
  dir.write("Tembrix2.dat", p.text());
  run_tembrix2(dir);
  const std::string state = dir.read("state.dat");
  dir.write("cut.dat", state.substr(0, state.size() / 2));
  dir.write("three.dat", ring_table_text({{1, 1, 0}, {2, 1, 0}, {3, 1, 0}}));
  std::filesystem::create_directory(dir.path() / "alone");
  dir.write("alone/state.dat", state);
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"check", "missing.dat"}, "tembrix2-inspect: missing.dat: cannot open: No such file or directory\n"},
      {{"check", "cut.dat"}, "tembrix2-inspect: cut.dat:"},
      {{"check", "alone/state.dat"}, "tembrix2-inspect: alone/QxNcRMEr.dat: cannot open"},
      {{"check", "state.dat", "--rings", "three.dat"},
       "tembrix2-inspect: the ring table's 3 rings do not divide the state's 8 circle bodies\n"},
      {{"check", "state.dat", "--rings", "cut.dat"}, "tembrix2-inspect: cut.dat:"},
  };
  for (const auto& c : cases) {
    const RunResult r = inspect(dir, c.args);
    EXPECT_EQ(r.status, 2) << c.args[1];
    EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

}  // namespace
