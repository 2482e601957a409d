// First solution, damped refinement and the convergence-history files.
#pragma once

#include "run/run_state.h"

namespace tembrix {

void refine_solution(RunState& state);

}  // namespace tembrix
