// Helpers of the equilibrium tests: a scratch working directory, a run state
// set up from chosen parameters, the equilibrium phases in order, and the
// expected text of free-format records.
#pragma once

#include <cfenv>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "e2e_support.h"
#include "equilibrium/circle_layout.h"
#include "equilibrium/constants.h"
#include "equilibrium/interaction_matrix.h"
#include "equilibrium/refinement.h"
#include "equilibrium/ring_table.h"
#include "equilibrium/scales.h"
#include "model/run_state.h"
#include "textio/arith_fault.h"
#include "textio/real_text.h"
#include "textio/units.h"

namespace tembrix::test {

// Makes a scratch directory the working directory for its lifetime; every
// unit is closed before the old working directory is restored.
class WorkDir {
 public:
  WorkDir() = default;
  ~WorkDir() { close_all_units(); }
  WorkDir(const WorkDir&) = delete;
  WorkDir& operator=(const WorkDir&) = delete;

  const ScratchDir& dir() const { return in_.dir(); }
  std::string read(const std::string& name) const { return dir().read(name); }
  void write(const std::string& name, const std::string& bytes) const { dir().write(name, bytes); }
  bool exists(const std::string& name) const { return dir().exists(name); }
  std::vector<std::string> files() const { return dir().files(); }

 private:
  InScratchDir in_;
};

inline void set_field(NameField& field, const char* text) {
  field.fill(' ');
  std::memcpy(field.data(), text, std::min<std::size_t>(std::strlen(text), field.size()));
}

// Parameters of a small run; the rest of RunParameters stays at zero.
struct RunSetup {
  int ncirc = 1;
  int nbc = 3;
  double drad = 1.0;
  int iradf = 0;
  const char* fradii = "radii.dat";
  double omtot = 2.0e30;
  double fcen = 0.9;
  int iphase = 0;
  int iphf = 0;
  double period = 1.0;
  double eps = 1.0e-12;
  int maxit = 10;
};

// A run state as the driver leaves it before set_constants: fixed names set,
// parameters read, tables allocated.
inline std::unique_ptr<RunState> make_state(const RunSetup& s) {
  auto state = std::make_unique<RunState>();
  set_fixed_names(*state);
  RunParameters& p = state->params;
  p.ncirc = s.ncirc;
  p.nbc = s.nbc;
  p.drad = s.drad;
  p.iradf = s.iradf;
  set_field(p.fradii, s.fradii);
  p.omtot = s.omtot;
  p.fcen = s.fcen;
  p.iphase = s.iphase;
  p.iphf = s.iphf;
  p.period = s.period;
  p.eps = s.eps;
  p.maxit = s.maxit;
  state->allocate_tables();
  return state;
}

// set_constants, lay_out_circles and set_scales: the state the matrix needs.
inline void lay_out(RunState& state) {
  set_constants(state);
  lay_out_circles(state);
  set_scales(state);
}

// Every equilibrium phase in the order of a run, up to the ring table.
inline void run_equilibrium(RunState& state) {
  lay_out(state);
  build_interaction_matrix(state);
  refine_solution(state);
  write_ring_table(state);
}

// Field of width columns holding the text right-aligned.
inline std::string field(const std::string& text, std::size_t width) {
  std::string out(width > text.size() ? width - text.size() : 0, ' ');
  out.append(text);
  return out;
}

inline std::string real_text(double v) {
  char buf[max_real_text + 1];
  return std::string(buf, static_cast<std::size_t>(format_real(v, buf)));
}

// The 37-character line of a record holding an integer and a real, with CR LF.
inline std::string int_real_line(int k, double v) {
  std::string line(" ");
  line.append(field(std::to_string(k), 11)).append(" ").append(field(real_text(v), 24)).append("\r\n");
  return line;
}

// Splits a file into its lines (CR LF removed).
inline std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) {
      lines.push_back(text.substr(at));
      break;
    }
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

// The fault flags that end a run, raised since the last clear.
inline int faults() { return raised_arithmetic_faults(); }

}  // namespace tembrix::test
