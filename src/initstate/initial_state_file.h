// The initial-state file: header, one record per body, trailer.
#pragma once

#include "model/run_state.h"

namespace tembrix {

// Writes the initial-state file named by fstate: the header record, the
// record of every body ibfirst..nbtot in ascending order, the trailer record;
// the file is closed afterwards. Follows set_body_radii.
void write_initial_state(RunState& state);

// The integer nearest to (nbtot+1)^third, halves away from zero.
int ncube_of(int nbtot, double third);

}  // namespace tembrix
