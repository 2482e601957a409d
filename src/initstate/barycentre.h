// Tilt of the ring plane about the x axis and the barycentric frame.
#pragma once

#include "run/run_state.h"

namespace tembrix {

void tilt_bodies(RunState& state);
void move_to_barycentre(RunState& state);

}  // namespace tembrix
