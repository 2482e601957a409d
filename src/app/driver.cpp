// The run: the phases in their one order, each exactly once. Every phase
// evaluates each formula with its operands and brackets as written and adds
// every sum one term at a time in its stated order, starting from 0.0 (the
// README's "Arithmetic" section); the compiler flags keep it from contracting
// or reordering any of it. That is what makes every output byte reproducible.
#include "app/driver.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "equilibrium/circle_layout.h"
#include "equilibrium/constants.h"
#include "equilibrium/interaction_matrix.h"
#include "equilibrium/refinement.h"
#include "equilibrium/ring_table.h"
#include "equilibrium/scales.h"
#include "initstate/barycentre.h"
#include "initstate/body_radii.h"
#include "initstate/code_units.h"
#include "initstate/initial_state_file.h"
#include "initstate/placement.h"
#include "initstate/tilt.h"
#include "model/run_state.h"
#include "parameters/parameter_file.h"
#include "textio/arith_fault.h"
#include "textio/units.h"

namespace tembrix {

namespace {

// The tables hold 1..max_circles circles of 1..max_bodies_per_circle bodies;
// a count outside that range is refused before any file other than the
// parameter file is touched.
bool counts_in_range(const RunParameters& p) {
  struct Count {
    const char* name;
    std::int32_t value;
    int limit;
  };
  for (const Count& c : {Count{"ncirc", p.ncirc, max_circles}, Count{"nbc", p.nbc, max_bodies_per_circle}}) {
    if (c.value >= 1 && c.value <= c.limit) continue;
    const std::string line = std::string("tembrix2: parameter ") + c.name + " = " + std::to_string(c.value) +
                             " is outside the allowed range 1.." + std::to_string(c.limit) + "\n";
    [[maybe_unused]] ssize_t n = ::write(2, line.data(), line.size());
    return false;
  }
  return true;
}

// The end of every run: files closed, console line ended.
int end_run(int status) {
  close_all_units();
  return status;
}

}  // namespace

int run(int argc, char** argv) {
  set_command_line(argc, argv);
  clear_arithmetic_faults();
  RunState state;
  set_fixed_names(state);

  if (!read_parameters(state)) {
    report_read_error(state);
    // No initial state was made: a batch script must see the failure.
    return end_run(1);
  }
  if (!counts_in_range(state.params)) return end_run(1);
  state.allocate_tables();

  set_constants(state);
  check_arithmetic();
  lay_out_circles(state);
  check_arithmetic();
  set_scales(state);
  check_arithmetic();
  build_interaction_matrix(state);
  check_arithmetic();
  refine_solution(state);
  check_arithmetic();
  write_ring_table(state);
  check_arithmetic();
  set_code_units(state);
  place_bodies(state);
  check_arithmetic();
  tilt_bodies(state);
  move_to_barycentre(state);
  check_arithmetic();
  if (set_body_radii(state) == RadiiResult::negative_mass) return end_run(1);
  check_arithmetic();
  write_initial_state(state);
  check_arithmetic();
  return end_run(0);
}

}  // namespace tembrix
