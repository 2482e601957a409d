// Reference length and time scales that make the system dimensionless.
#pragma once

#include "run/run_state.h"

namespace tembrix {

void set_scales(RunState& state);

}  // namespace tembrix
