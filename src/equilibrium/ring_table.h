// Body mass per circle, total mass, and the ring table file.
#pragma once

#include "run/run_state.h"

namespace tembrix {

// Leaves the ring table open until the end of the run.
void write_ring_table(RunState& state);

}  // namespace tembrix
