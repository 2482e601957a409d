// Body radii, largest mass, momentum, and the negative-mass check.
#pragma once

#include "model/run_state.h"

namespace tembrix {

enum class RadiiResult { completed, negative_mass };

RadiiResult set_body_radii(RunState& state);

}  // namespace tembrix
