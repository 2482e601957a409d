// The refinement with a full re-solve of the restored system in every
// iteration: the reference that the replayed refinement is checked against.
#pragma once

#include "model/run_state.h"

namespace tembrix {

// Same contract as refine_solution; leaves amat as the last solve or
// residual step left it.
void refine_solution_reference(RunState& state);

}  // namespace tembrix
