// The arithmetic-fault check: a raised fault flag ends the run. Every phase
// checks before it writes a record (and the unit layer checks again before
// every write), so no value computed after a fault can reach a file.
#pragma once

#include "textio/fault_flags.h"

namespace tembrix {

// Ends the run through the unit layer's failure path (diagnostic on standard
// error, every unit closed, exit status 1) if a fault flag is raised in the
// calling thread; returns otherwise.
void check_arithmetic();

}  // namespace tembrix
