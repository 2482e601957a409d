// Code units of the initial state: mass unit mtot, time unit 1/tunit seconds,
// and the length unit that makes the gravitational constant 1.
#pragma once

#include "model/run_state.h"

namespace tembrix {

// Sets lunit, vunit and densu of the scales and the code mass of the central
// body (omo(1)). Needs the final mtot of the ring table and tunit of the
// scales; a negative total mass ends the run as an arithmetic fault (the cube
// root is taken with the power function).
void set_code_units(RunState& state);

}  // namespace tembrix
