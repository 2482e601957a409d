// The circle layout: phase offsets, mass split, radii and the set-up report.
#pragma once

#include "model/run_state.h"

namespace tembrix {

// Gives every circle its phase offset (the built-in pattern, or the phase
// input file when iphf = 1; otherwise the offsets are written to the phase
// output file), splits omtot into m0, mring and the first estimate cmass(1),
// and gives every circle its radius (read from fradii when iradf = 1, else
// computed from the rotation) while writing the set-up report. Needs dphi,
// sring, grav, omega2 and third of the constants. A short or unreadable input
// file ends the run through the unit layer's failure path.
void lay_out_circles(RunState& state);

}  // namespace tembrix
