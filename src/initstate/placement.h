// Placement of every circle body in the ring plane.
#pragma once

#include "model/run_state.h"

namespace tembrix {

// Rescales rrel to code lengths and gives every circle body its code mass,
// its position on its circle in the ring plane (z = 0) and the velocity of the
// rigid rotation omegau about +z. The central body keeps 0.0 everywhere.
// Needs the code units (set_code_units) and the complete angle table.
void place_bodies(RunState& state);

}  // namespace tembrix
