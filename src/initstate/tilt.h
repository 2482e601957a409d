// Tilt of the ring plane about the x axis.
#pragma once

#include "model/run_state.h"

namespace tembrix {

// Tilts the ring plane by params.tilt radians about the x axis (+y turns
// towards +z), rotating the positions and velocities of bodies 2..nbtot in
// place; the central body is put at the origin at rest. Follows place_bodies.
void tilt_bodies(RunState& state);

}  // namespace tembrix
