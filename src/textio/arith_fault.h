// The arithmetic-fault check: a raised fault flag ends the run. The driver
// checks after every phase, and the unit layer checks before it opens a file
// or writes a record, so no file is touched after a fault and no value
// computed after one can reach a file.
#pragma once

#include "textio/fault_flags.h"

namespace tembrix {

// Ends the run through the unit layer's failure path (diagnostic on standard
// error, every unit closed, exit status 1) if a fault flag is raised in the
// calling thread; returns otherwise.
void check_arithmetic();

}  // namespace tembrix
