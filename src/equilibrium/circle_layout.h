// Phase offsets, mass split, radii and the set-up report.
#pragma once

#include "model/run_state.h"

namespace tembrix {

void lay_out_circles(RunState& state);

}  // namespace tembrix
