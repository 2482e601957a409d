// First solution, damped refinement and the convergence-history files.
#pragma once

#include "model/run_state.h"

namespace tembrix {

// Solves the system into xm, then refines it (damped by 0.1) until a measure
// drops below eps or maxit iterations ran; writes the history files 1i, 2i, ...
void refine_solution(RunState& state);

}  // namespace tembrix
