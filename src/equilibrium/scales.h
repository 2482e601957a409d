// Reference length and time scales that make the system dimensionless.
#pragma once

#include "model/run_state.h"

namespace tembrix {

// Sets tunit, omegau, runit, rrel(1..ncirc) and gfac; needs the radii.
void set_scales(RunState& state);

}  // namespace tembrix
