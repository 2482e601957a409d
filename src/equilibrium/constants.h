// Fixed constants, rotation scales, the self-attraction sum and the counters.
#pragma once

#include "run/run_state.h"

namespace tembrix {

void set_constants(RunState& state);

}  // namespace tembrix
