// The fixed-column parameter file "Tembrix2.dat".
#pragma once

#include "model/run_state.h"

namespace tembrix {

// Reads the 17 records into state.params; false at the first record that
// cannot be read (that field and the later ones keep their values, and the
// file stays open). A missing file ends the run through fatal_io_error.
bool read_parameters(RunState& state);

// Writes the read-error record to the console and to the report file.
void report_read_error(const RunState& state);

}  // namespace tembrix
