// The dense solver written as plain row-wise loops: the reference that the
// column-wise solver and the replayed elimination are checked against.
#pragma once

namespace tembrix {

// Same contract as solve_system; visits a(i, j) row by row.
void solve_system_reference(int n, double* a, double* x, double& pivot, int ld);

}  // namespace tembrix
