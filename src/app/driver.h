// The run driver: one pass from the parameter file to the initial-state file.
#pragma once

namespace tembrix {

// Runs the whole program; returns the process exit status.
int run(int argc, char** argv);

}  // namespace tembrix
