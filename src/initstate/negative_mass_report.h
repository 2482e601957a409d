// The report of a body whose mass came out negative.
#pragma once

#include "model/run_state.h"

namespace tembrix {

// Writes the negative-mass record of body b to the report file (replacing
// what it held) and to the console, then closes the report file.
void report_negative_mass(const RunState& state, int b);

}  // namespace tembrix
