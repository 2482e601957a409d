// Gaussian elimination with partial pivoting on a column-by-column block.
#pragma once

namespace tembrix {

// Solves the augmented system of order n held in a (ld rows, ld+1 columns,
// entry (i, j) at (i-1) + ld*(j-1)); writes x[1..n] (x is 1-based: x[0] unused).
// Stops silently on an exact zero pivot, leaving x untouched.
void solve_system(int n, double* a, double* x, double& pivot, int ld);

}  // namespace tembrix
