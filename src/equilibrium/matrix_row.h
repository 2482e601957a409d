// One row of the equilibrium system: the radial pull of every circle on the
// first body of circle i, and the right-hand side of its balance.
#pragma once

#include "equilibrium/phase_classes.h"
#include "model/run_state.h"

namespace tembrix {

// Fills row[1..ncirc] with the coefficients of row i and row[ncirc+1] with
// its right-hand side. cosines is scratch room for nbc+1 doubles. Needs the
// complete angle table.
void build_matrix_row(const RunState& state, const PhaseClasses& classes, int i, double* cosines, double* row);

}  // namespace tembrix
