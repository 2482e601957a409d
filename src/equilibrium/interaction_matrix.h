// The angle table and the equilibrium system of the circles.
#pragma once

#include "run/run_state.h"

namespace tembrix {

void build_interaction_matrix(RunState& state);

}  // namespace tembrix
