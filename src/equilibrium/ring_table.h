// Body mass per circle, total mass, and the ring table file.
#pragma once

#include "model/run_state.h"

namespace tembrix {

// Sets cmass(1..ncirc) and mtot from xm and writes the ring table file;
// leaves it open until the end of the run.
void write_ring_table(RunState& state);

}  // namespace tembrix
