// Code units (G = 1) and the placement of every body in the ring plane.
#pragma once

#include "run/run_state.h"

namespace tembrix {

void set_code_units(RunState& state);
void place_bodies(RunState& state);

}  // namespace tembrix
