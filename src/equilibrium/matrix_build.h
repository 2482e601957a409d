// The parts of build_interaction_matrix, exposed for the tests and the
// benchmarks: the angle table and the row builder run on a chosen number of
// threads.
#pragma once

#include "model/run_state.h"

namespace tembrix {

// Columns 2..nbc of the angle table, each angle the previous one plus dphi.
void fill_angle_table(RunState& state);

// Number of threads build_interaction_matrix uses for ncirc circles of nbc
// bodies: every core, unless the matrix is too small to be worth a thread.
int matrix_thread_count(int ncirc, int nbc);

// build_interaction_matrix on the given number of threads (at least 1). The
// result is the same bit for bit whatever the number. Fault flags raised by
// any thread end up raised in the calling thread.
void build_interaction_matrix_threads(RunState& state, int threads);

}  // namespace tembrix
