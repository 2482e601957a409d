// The barycentric frame of the body set.
#pragma once

#include "model/run_state.h"

namespace tembrix {

// Moves bodies ibfirst..nbtot to the barycentric frame of the tilted set and
// forms rcm and angm; bodies of zero mass are left out of every sum and end at
// the origin at rest. pmom is left at 0.0 for set_body_radii. Follows tilt_bodies.
void move_to_barycentre(RunState& state);

}  // namespace tembrix
