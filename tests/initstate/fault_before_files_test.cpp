// An arithmetic fault raised just before the first file operation of each
// phase ends the run with the fault's diagnostic, and the working directory is
// exactly as it was: no file opened for reading, created, cut or written.
// (This suite links every phase, from the parameter file to the initial state.)
#include <gtest/gtest.h>

#include <cfenv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "equilibrium/equilibrium_support.h"
#include "initstate/barycentre.h"
#include "initstate/body_radii.h"
#include "initstate/code_units.h"
#include "initstate/initial_state_file.h"
#include "initstate/placement.h"
#include "initstate/tilt.h"
#include "parameters/parameter_file.h"
#include "small_run.h"
#include "textio/units.h"

namespace tembrix::test {
namespace {

namespace fs = std::filesystem;

// Every file of a directory with its bytes.
std::map<std::string, std::string> snapshot(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::directory_iterator(dir)) {
    std::ifstream f(e.path(), std::ios::binary);
    files[e.path().filename()] = std::string(std::istreambuf_iterator<char>(f), {});
  }
  return files;
}

void bodies_built(RunState& s) {
  run_equilibrium(s);
  set_code_units(s);
  place_bodies(s);
  tilt_bodies(s);
  move_to_barycentre(s);
}

// One phase: what runs before it (without a fault), then the phase itself.
struct PhaseCase {
  const char* name;
  RunSetup setup;
  std::function<void(RunState&)> before;
  std::function<void(RunState&)> phase;
};

RunSetup normal_run() {
  RunSetup s;
  s.ncirc = 2;
  s.nbc = 3;
  s.fcen = 0.99;
  s.iphase = 1;
  return s;
}

RunSetup with_phase_file(RunSetup s) {
  s.iphf = 1;
  return s;
}

// Three circles of four bodies with alternating offsets end on a negative mass.
RunSetup negative_mass_run() {
  RunSetup s;
  s.ncirc = 3;
  s.nbc = 4;
  return s;
}

const std::vector<PhaseCase>& phases() {
  static const std::vector<PhaseCase> all = {
      {"read_parameters", normal_run(), [](RunState&) {}, [](RunState& s) { read_parameters(s); }},
      {"report_read_error", normal_run(), [](RunState&) {}, [](RunState& s) { report_read_error(s); }},
      {"lay_out_circles_writing_the_phase_file", normal_run(), [](RunState& s) { set_constants(s); },
       [](RunState& s) { lay_out_circles(s); }},
      // A phase file that does not exist would be created by its opening.
      {"lay_out_circles_reading_the_phase_file", with_phase_file(normal_run()),
       [](RunState& s) { set_constants(s); }, [](RunState& s) { lay_out_circles(s); }},
      {"refine_solution", normal_run(),
       [](RunState& s) {
         lay_out(s);
         build_interaction_matrix(s);
       },
       [](RunState& s) { refine_solution(s); }},
      {"write_ring_table", normal_run(),
       [](RunState& s) {
         lay_out(s);
         build_interaction_matrix(s);
         refine_solution(s);
       },
       [](RunState& s) { write_ring_table(s); }},
      // The negative-mass report would replace the set-up report.
      {"set_body_radii_reporting_a_negative_mass", negative_mass_run(),
       bodies_built, [](RunState& s) { set_body_radii(s); }},
      {"write_initial_state", normal_run(),
       [](RunState& s) {
         bodies_built(s);
         set_body_radii(s);
       },
       [](RunState& s) { write_initial_state(s); }},
  };
  return all;
}

void PrintTo(const PhaseCase& c, std::ostream* os) { *os << c.name; }

class FaultBeforeFiles : public ::testing::TestWithParam<PhaseCase> {};

TEST_P(FaultBeforeFiles, NoFileIsTouchedAfterTheFault) {
  const PhaseCase& c = GetParam();
  ScratchDir dir, before;
  Parameters text;  // the same run as c.setup, as a parameter file
  text.ncirc = std::to_string(c.setup.ncirc);
  text.nbc = std::to_string(c.setup.nbc);
  text.iphf = std::to_string(c.setup.iphf);
  text.fcen = std::to_string(c.setup.fcen);
  text.iphase = std::to_string(c.setup.iphase);
  dir.write("Tembrix2.dat", text.text());
  dir.write("state.dat", "an earlier initial state\r\n");
  const RunResult r = run_captured(dir.path(), [&] {
    clear_arithmetic_faults();
    auto state = make_state(c.setup);
    std::memcpy(state->params.fstate.data(), "state.dat   ", 12);
    state->params.dens = 1000.0;
    c.before(*state);
    close_all_units();  // what the earlier phases wrote is now on disk
    if (raised_arithmetic_faults() != 0) return 3;
    fs::copy(dir.path(), before.path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    std::feraiseexcept(FE_OVERFLOW);
    c.phase(*state);
    return 2;  // the phase went on after the fault
  });
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_EQ(r.err, "\r\nrun-time error: arithmetic fault\r\n- floating-point overflow\r\n");
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(snapshot(dir.path()), snapshot(before.path()));
}

INSTANTIATE_TEST_SUITE_P(Phases, FaultBeforeFiles, ::testing::ValuesIn(phases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tembrix::test
