// The initial-state file: header, one record per body, trailer.
#pragma once

#include "model/run_state.h"

namespace tembrix {

void write_initial_state(RunState& state);

// The integer nearest to (nbtot+1)^third, halves away from zero.
int ncube_of(int nbtot, double third);

}  // namespace tembrix
