// The dense solver: Gaussian elimination with partial pivoting on a
// column-by-column block, and the record of one elimination, kept so that
// further right-hand sides of the same coefficients are solved with the very
// operations a full solve would apply to them, at O(n^2) per solve instead of
// O(n^3). Everything about the elimination lives behind these three calls.
#pragma once

#include <cstddef>
#include <vector>

namespace tembrix {

// Solves the augmented system of order n held in a (ld rows, ld+1 columns,
// entry (i, j) at (i-1) + ld*(j-1)); writes x[1..n] (x is 1-based: x[0] unused).
// Stops silently on an exact zero pivot, leaving x untouched. pivot ends as
// the pivot of the last step taken.
void solve_system(int n, double* a, double* x, double& pivot, int ld);

// What one elimination leaves behind. Filled by solve_and_record, read only by
// replay_elimination.
struct EliminationRecord {
  int n = 0;                        // order of the system
  int stop_step = 0;                // 0: every step done; else the step with a zero pivot
  double last_pivot = 0.0;          // the pivot the solver's pivot argument ends with
  std::vector<int> pivot_row;       // 1..n: the row exchanged with row k in step k
  std::vector<double> pivots;       // 1..n: the divisor of step k
  std::vector<std::size_t> offset;  // 1..n: where the multipliers of step k and the normalised row k start
  std::vector<double> lower;        // the multipliers of each step (rows k+1..n), one step after another
  std::vector<double> upper;        // each normalised row (columns k+1..n), one row after another
};

// solve_system on a (same contract and results) that also fills record with
// the pivots, exchanges and reduced triangles of the elimination.
void solve_and_record(int n, double* a, double* x, double& pivot, int ld, EliminationRecord& record);

// Solves the recorded coefficients for the right-hand side rhs (1-based,
// overwritten): exchange, division by the pivot and multiply-subtract per
// step, then the back substitution, exactly as solve_system would on the
// full block. After a recorded stop on a zero pivot, x is left untouched.
void replay_elimination(const EliminationRecord& record, double* rhs, double* x, double& pivot);

}  // namespace tembrix
