// Gaussian elimination with partial pivoting, laid out for the column-by-column
// block so that the multiply-subtract runs down contiguous columns.
#pragma once

#include <cstddef>

namespace tembrix {

// Reduces the augmented system of order n in a (entry (i, j) at
// (i-1) + ld*(j-1)) in place: the pivot of each step on the diagonal, the
// normalised upper triangle to its right, the multipliers left below it.
// pivot receives the pivot of each step; pivot_rows (1-based, may be null)
// receives the row chosen at each step. Returns 0 when all n steps were done,
// else the step whose pivot was exactly 0.0 (nothing after it ran).
int eliminate_in_columns(int n, double* a, std::size_t ld, double& pivot, int* pivot_rows);

// Back substitution on a reduced block: x(n) = a(n, n+1), then upwards, each
// row subtracting its terms in ascending column order (no division: the
// reduced diagonal is 1). x is 1-based.
void back_substitute(int n, const double* a, std::size_t ld, double* x);

}  // namespace tembrix
