// The interaction matrix written as plain serial loops: the reference that the
// threaded row builder is checked against.
#pragma once

#include "model/run_state.h"

namespace tembrix {

// Same contract as build_interaction_matrix: row i outermost, every cosine
// evaluated in place, on the calling thread.
void build_interaction_matrix_reference(RunState& state);

}  // namespace tembrix
