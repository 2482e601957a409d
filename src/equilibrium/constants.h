// Fixed constants, rotation scales, the self-attraction sum and the counters.
#pragma once

#include "model/run_state.h"

namespace tembrix {

// Sets the constants, dphi, tper, omega, omega2, sring, nbtot, ibfirst and the
// refinement's counters; a zero nbc or period raises a fault flag.
void set_constants(RunState& state);

}  // namespace tembrix
