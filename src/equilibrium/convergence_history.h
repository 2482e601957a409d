// The convergence-history files: the buffered change measures of the
// refinement, written in chunks to files named 1i, 2i, ... by their number.
#pragma once

#include "model/run_state.h"

namespace tembrix {

// Writes hist(1..count) to the file numbered ifile, one record per entry
// holding its global iteration number (ifile-1)*nhist + m and hist(m).
// Leaves ifile and ihist to the caller.
void flush_history(const RunState& state, int count);

}  // namespace tembrix
