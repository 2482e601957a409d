// The angle table and the equilibrium system of the circles.
#pragma once

#include "model/run_state.h"

namespace tembrix {

// Completes the angle table and fills amat and bmat (rows and columns
// 1..ncirc, right-hand side in column ncirc+1) with the same values, on
// every core; the bits do not depend on the number of threads.
void build_interaction_matrix(RunState& state);

}  // namespace tembrix
