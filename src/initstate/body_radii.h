// Body radii, largest mass, momentum, and the negative-mass check.
#pragma once

#include "model/run_state.h"

namespace tembrix {

// How the pass over the bodies ended.
enum class RadiiResult { completed, negative_mass };

// Gives bodies ibfirst..nbtot the radius of a sphere of their mass at the
// density densu, forms omax and the momentum pmom of the barycentric set.
// Stops at the first body of negative mass: its report has then been written
// (report_negative_mass) and negative_mass is returned, with the later bodies
// untouched. A zero densu ends the run as an arithmetic fault. Follows
// move_to_barycentre.
RadiiResult set_body_radii(RunState& state);

}  // namespace tembrix
